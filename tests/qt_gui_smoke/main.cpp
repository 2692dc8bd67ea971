#include <QCoreApplication>
#include <gtest/gtest.h>

// The program runs as a process of its own on the desktop of scripts/with-desktop.sh; the
// test reads the demo server through its event loop and drives the desktop with X tools.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
