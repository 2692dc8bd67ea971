#include <QCoreApplication>
#include <gtest/gtest.h>

// The demo server's output arrives through the application's event loop.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
