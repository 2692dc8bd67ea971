#pragma once
#include "platform/qt/QtResSchemeHandler.h"
#include <QApplication>
#include <gtest/gtest.h>
#include <unistd.h>

// The main() of tests with the real browser: WebEngine on the private desktop of
// scripts/with-desktop.sh, without a GPU, and without Chromium's sandbox when run as root.
inline int runWebEngineTests(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    plat::QtResSchemeHandler::registerScheme();
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
