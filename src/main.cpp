#include "core/AppContext.h"
#include "core/DataFolders.h"
#include "app/CommandLine.h"
#include "app/frmMain.h"
#include "app/m_Main.h"
#include "platform/Platform.h"
#include "platform/qt/FileLog.h"
#include "platform/qt/FileRegistryStore.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtLoop.h"
#include "platform/qt/QtNetwork.h"
#include "platform/qt/QtEngine.h"
#include "platform/qt/QtResSchemeHandler.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtTerminal.h"
#include "platform/qt/SignalWatcher.h"
#include "platform/qt/StartLog.h"
#include "platform/qt/StderrLog.h"
#include "platform/sim/SimDesktop.h"
#include <QApplication>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

// Headless needs no display server at all, so no GUI application object.
std::unique_ptr<QCoreApplication> makeApplication(bool headless, int& argc, char** argv) {
    if (headless) return std::make_unique<QCoreApplication>(argc, argv);
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

// A run that ends before the program starts: help, version, a wrong command line, no display.
std::optional<int> answeredAtOnce(const CommandLine& options, int argc, char** argv) {
    const auto print = [](std::FILE* f, const QString& text) { std::fputs(text.toUtf8().constData(), f); };
    switch (options.action) {
    case CommandLine::Action::Help:
        print(stdout, CommandLine::usage());
        return 0;
    case CommandLine::Action::Version:
        print(stdout, CommandLine::version());
        return 0;
    case CommandLine::Action::Invalid:
        print(stderr, CommandLine::usage());
        return CommandLine::Usage;
    case CommandLine::Action::Run:
        break;
    }
    if (options.headless || CommandLine::hasDisplay(argc, argv)) return std::nullopt;
    print(stderr, CommandLine::noDisplay());
    return CommandLine::NoDisplay;
}

} // namespace

int main(int argc, char** argv) {
    qCInfo(lcStart) << "main";
    const CommandLine options = CommandLine::parse(argc, argv);
    if (const std::optional<int> status = answeredAtOnce(options, argc, argv)) return *status;
    // The pages' "res" scheme and the engine's switches: only what is set before the
    // application object counts.
    plat::QtResSchemeHandler::registerScheme();
    if (!options.headless) plat::QtEngine::prepare();
    const std::unique_ptr<QCoreApplication> app = makeApplication(options.headless, argc, argv);
    qCInfo(lcStart) << "application";
    if (!options.headless) plat::QtEngine::start();
    plat::QtLoop loop;
    plat::QtNetwork network;
    plat::QtShell shell;
    plat::FileRegistryStore registry;
    const std::unique_ptr<plat::Log> log = makeLog(options.headless, shell);
    const std::unique_ptr<plat::Desktop> desktop = makeDesktop(options.headless, loop);
    plat::Platform platform(loop, *desktop, network, shell, registry, *log);
    // Without a display, dialogs that wait for the user do so on the terminal.
    plat::QtTerminal terminal;
    if (options.headless) platform.setTerminal(&terminal);

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
    qCInfo(lcStart) << "controller loaded";
    return loop.run();
}
