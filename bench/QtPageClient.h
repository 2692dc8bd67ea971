#pragma once
// The program on the real backend (QtWebEngine pages, real loop and sockets) for the
// benchmarks that measure until the real page shows a change. Runs on a display
// (scripts/with-desktop.sh).
#include "NewsClient.h"
#include "platform/qt/FileRegistryStore.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtLoop.h"
#include "platform/qt/QtNetwork.h"
#include "platform/qt/QtResSchemeHandler.h"
#include "platform/qt/QtShell.h"
#include "platform/sim/SimLog.h"
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace qtpage {

using Clock = std::chrono::steady_clock;

inline double seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

struct QtClient {
    plat::QtLoop loop;
    plat::QtNetwork network;
    plat::QtShell shell;
    plat::FileRegistryStore registry;
    plat::SimLog log;
    plat::QtDesktop desktop;
    plat::Platform platform{loop, desktop, network, shell, registry, log};
    NewsClient client{platform, [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50); }};
};

// Made between the application object's start and end.
inline std::unique_ptr<QtClient>& client() {
    static std::unique_ptr<QtClient> instance;
    return instance;
}
inline QtClient& shared() {
    if (!client()) client() = std::make_unique<QtClient>();
    return *client();
}

// No file of the user's is touched: the registry store goes to a scratch directory.
inline int runBenchmarks(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("ZEP_WINDOWS_DIR", home.path().toLocal8Bit());
    plat::QtResSchemeHandler::registerScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    client().reset();
    return 0;
}

} // namespace qtpage
