#pragma once
#include "platform/browser/Browser.h"
#include "platform/loop/EventLoop.h"
#include "platform/net/HttpFetch.h"
#include "platform/net/Socket.h"
#include "platform/sys/Log.h"
#include "platform/sys/MessageBox.h"
#include "platform/sys/RegistryStore.h"
#include "platform/sys/Shell.h"
#include "platform/sys/SoundPlayer.h"
#include "platform/sys/TrayIcon.h"
#include "platform/window/Screen.h"
#include "platform/window/Window.h"
#include <memory>

namespace plat {

// Everything the program asks of the system. The real backend (platform/qt) and the
// simulated one (platform/sim) implement it; --headless mixes the real loop, network and
// shell with the simulated screen.
class Platform {
public:
    virtual ~Platform() = default;
    virtual EventLoop& loop() = 0;
    virtual Screen& screen() = 0;
    virtual std::unique_ptr<Window> createWindow(WindowKind kind) = 0;
    virtual std::unique_ptr<Socket> createSocket() = 0;
    virtual std::unique_ptr<HttpFetch> createHttpFetch() = 0;
    virtual std::unique_ptr<TrayIcon> createTrayIcon() = 0;
    virtual std::unique_ptr<SoundPlayer> createSoundPlayer() = 0;
    virtual MessageBox& messageBox() = 0;
    virtual RegistryStore& registry() = 0;
    virtual Shell& shell() = 0;
    virtual Log& log() = 0;
};

} // namespace plat
