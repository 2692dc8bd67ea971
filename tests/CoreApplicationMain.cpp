#include <QCoreApplication>
#include <gtest/gtest.h>

// For the tests that read real sockets, processes and the demo server: what they wait for
// arrives through the application's event loop.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
