#pragma once
#include "platform/browser/Browser.h"
#include "platform/loop/EventLoop.h"
#include "platform/net/Network.h"
#include "platform/sys/Log.h"
#include "platform/sys/RegistryStore.h"
#include "platform/sys/Shell.h"
#include "platform/sys/Terminal.h"
#include "platform/window/Desktop.h"
#include <memory>

namespace plat {

// Everything the program asks of the system, composed of parts that each backend provides:
// the real program uses the Qt parts; tests use the simulated ones; --headless uses the
// real loop, network and shell with the simulated desktop.
class Platform {
public:
    Platform(EventLoop& loop, Desktop& desktop, Network& network, Shell& shell, RegistryStore& registry, Log& log)
        : loop_(loop), desktop_(desktop), network_(network), shell_(shell), registry_(registry), log_(log) {}

    EventLoop& loop() { return loop_; }
    Desktop& desktop() { return desktop_; }
    Screen& screen() { return desktop_.screen(); }
    std::unique_ptr<Window> createWindow(WindowKind kind) { return desktop_.createWindow(kind); }
    std::unique_ptr<TrayIcon> createTrayIcon() { return desktop_.createTrayIcon(); }
    std::unique_ptr<SoundPlayer> createSoundPlayer() { return desktop_.createSoundPlayer(); }
    MessageBox& messageBox() { return desktop_.messageBox(); }
    std::unique_ptr<Socket> createSocket() { return network_.createSocket(); }
    std::unique_ptr<HttpFetch> createHttpFetch() { return network_.createHttpFetch(); }
    RegistryStore& registry() { return registry_; }
    Shell& shell() { return shell_; }
    Log& log() { return log_; }
    // The terminal of a run without a display, where dialogs ask instead; none with a
    // display.
    Terminal* terminal() { return terminal_; }
    void setTerminal(Terminal* terminal) { terminal_ = terminal; }

private:
    EventLoop& loop_;
    Desktop& desktop_;
    Network& network_;
    Shell& shell_;
    RegistryStore& registry_;
    Log& log_;
    Terminal* terminal_ = nullptr;
};

} // namespace plat
