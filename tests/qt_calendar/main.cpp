#include "qt_browser/WebEngineTestMain.h"

// The calendar in the real main window.
int main(int argc, char** argv) { return runWebEngineTests(argc, argv); }
