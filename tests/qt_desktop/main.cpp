#include <QApplication>
#include <gtest/gtest.h>

// The real desktop's tests need the application object, and a display with a window
// manager and a tray (scripts/with-desktop.sh).
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
