#pragma once
// main() of a benchmark program that runs the program's windows on a display
// (scripts/with-desktop.sh) in its own process.
#include "platform/qt/QtEngine.h"
#include "qt_desktop/RealProcess.h"
#include "platform/qt/QtResSchemeHandler.h"
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>

// No file of the user's is touched: the per-user folders, the "Windows directory" and the
// single-instance socket go to a scratch folder. The engine runs as the program runs it
// (software drawing, its switches). atEnd runs before the application object goes.
inline int runDesktopBenchmarks(int argc, char** argv, const std::function<void()>& atEnd = {}) {
    QTemporaryDir home;
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "ZEP_WINDOWS_DIR", "TMPDIR", "HOME"})
        qputenv(var, home.path().toLocal8Bit());
    plat::QtResSchemeHandler::registerScheme();
    plat::QtEngine::prepare();
    QApplication app(argc, argv);
    plat::QtEngine::start();
    app.setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (atEnd) atEnd();
    // The pages go with their views' deferred deletion, which must come before the profile's.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
