#pragma once
// main() of a benchmark program that runs the program's windows on a display
// (scripts/with-desktop.sh) in its own process.
#include "qt_desktop/RealProcess.h"
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>

// No file of the user's is touched: the per-user folders, the "Windows directory" and the
// single-instance socket go to a scratch folder. atEnd runs before the application object
// goes.
inline int runDesktopBenchmarks(int argc, char** argv, const std::function<void()>& atEnd = {}) {
    QTemporaryDir home;
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "ZEP_WINDOWS_DIR", "TMPDIR", "HOME"})
        qputenv(var, home.path().toLocal8Bit());
    prepareWebEngine();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (atEnd) atEnd();
    // The pages go with their views' deferred deletion, which must come before the profile's.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
