#include "WebEngineTestMain.h"

int main(int argc, char** argv) { return runWebEngineTests(argc, argv); }
