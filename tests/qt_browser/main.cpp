#include "qt_desktop/RealProcess.h"
#include <QApplication>
#include <gtest/gtest.h>

// The real browser's tests.
int main(int argc, char** argv) {
    prepareWebEngine();
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
