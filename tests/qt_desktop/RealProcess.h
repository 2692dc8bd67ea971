#pragma once
#include "platform/Platform.h"
#include "platform/qt/FileRegistryStore.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtLoop.h"
#include "platform/qt/QtNetwork.h"
#include "platform/qt/QtResSchemeHandler.h"
#include "platform/qt/QtShell.h"
#include "platform/sim/SimLog.h"
#include <QCoreApplication>
#include <unistd.h>

// The program's real system in a test's or a benchmark's own process; its log keeps the
// lines for the test to read.
struct RealPlatform {
    plat::QtLoop loop;
    plat::QtNetwork network;
    plat::QtShell shell;
    plat::FileRegistryStore registry;
    plat::SimLog log;
    plat::QtDesktop desktop;
    plat::Platform platform{loop, desktop, network, shell, registry, log};
};

// Before the application object: WebEngine on the private desktop of
// scripts/with-desktop.sh, without a GPU, and without Chromium's sandbox when run as root;
// the pages' scheme.
inline void prepareWebEngine() {
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    plat::QtResSchemeHandler::registerScheme();
}
