#include "qt_desktop/RealProcess.h"
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The main window in this process. No file of the user's is touched: the per-user folders
// are scratch ones.
int main(int argc, char** argv) {
    QTemporaryDir home;
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "ZEP_WINDOWS_DIR"})
        qputenv(var, home.path().toLocal8Bit());
    prepareWebEngine();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
