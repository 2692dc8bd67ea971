#include "core/AppContext.h"
#include "core/DataFolders.h"
#include "app/frmMain.h"
#include "app/m_Main.h"
#include "platform/Platform.h"
#include "platform/qt/FileLog.h"
#include "platform/qt/FileRegistryStore.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtLoop.h"
#include "platform/qt/QtNetwork.h"
#include "platform/qt/QtResSchemeHandler.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/SignalWatcher.h"
#include "platform/qt/StderrLog.h"
#include "platform/sim/SimDesktop.h"
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct Options {
    bool headless = false;
    QString dumpPagesDir;
    bool valid = true;
};

// Read before the application object exists: the choice of that object depends on it.
// Arguments the program does not know are left to Qt.
Options parseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--headless") == 0) {
            o.headless = true;
        } else if (std::strcmp(arg, "--dump-pages") == 0) {
            if (i + 1 < argc) o.dumpPagesDir = QString::fromLocal8Bit(argv[++i]);
            else o.valid = false;
        } else if (std::strncmp(arg, "--dump-pages=", 13) == 0) {
            o.dumpPagesDir = QString::fromLocal8Bit(arg + 13);
        }
    }
    return o;
}

// Headless needs no display server at all, so no GUI application object.
std::unique_ptr<QCoreApplication> makeApplication(bool headless, int& argc, char** argv) {
    if (headless) return std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    auto app = std::make_unique<QApplication>(argc, argv);
    // Closing a window hides it; only the controller's exit ends the program.
    app->setQuitOnLastWindowClosed(false);
    return app;
}

std::unique_ptr<plat::Desktop> makeDesktop(bool headless, plat::EventLoop& loop) {
    if (headless) return std::make_unique<plat::SimDesktop>(loop, plat::SimDesktop::Mode::Printing);
    return std::make_unique<plat::QtDesktop>();
}

std::unique_ptr<plat::Log> makeLog(bool headless, const plat::Shell& shell) {
    if (headless) return std::make_unique<plat::StderrLog>();
    return std::make_unique<plat::FileLog>(DataFolders::logFile(shell));
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parseOptions(argc, argv);
    if (!options.valid) {
        std::fputs("usage: Zavez_ZEP [--headless] [--dump-pages DIR]\n", stderr);
        return 64;
    }
    // The pages' "res" scheme: only a registration before the application object counts.
    plat::QtResSchemeHandler::registerScheme();
    const std::unique_ptr<QCoreApplication> app = makeApplication(options.headless, argc, argv);
    plat::QtLoop loop;
    plat::QtNetwork network;
    plat::QtShell shell;
    plat::FileRegistryStore registry;
    const std::unique_ptr<plat::Log> log = makeLog(options.headless, shell);
    const std::unique_ptr<plat::Desktop> desktop = makeDesktop(options.headless, loop);
    plat::Platform platform(loop, *desktop, network, shell, registry, *log);

    AppContext ctx(platform);
    ctx.headless = options.headless;
    ctx.DumpPagesDir = options.dumpPagesDir;

    // An interrupted run ends as the user's exit would: everything unloaded and saved.
    plat::SignalWatcher interrupts;
    interrupts.onSignal = [&ctx, &loop](int) {
        loop.postOutsideWaits([&ctx] {
            if (ctx.mainCtl) ctx.mainCtl->ExitApp();
        });
    };
    if (const int refused = m_Main::Main(ctx, QCoreApplication::applicationDirPath())) return refused;
    return loop.run();
}
