#pragma once
#include "platform/sys/MessageBox.h"
#include "platform/sys/SoundPlayer.h"
#include "platform/sys/TrayIcon.h"
#include "platform/window/Screen.h"
#include "platform/window/Window.h"
#include <memory>

namespace plat {

// What the user sees and hears: the screen, windows, the tray icon, sounds, message boxes.
// The real desktop draws them; the simulated one keeps them in memory (tests) or prints
// them as lines (--headless).
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual Screen& screen() = 0;
    virtual std::unique_ptr<Window> createWindow(WindowKind kind) = 0;
    virtual std::unique_ptr<TrayIcon> createTrayIcon() = 0;
    virtual std::unique_ptr<SoundPlayer> createSoundPlayer() = 0;
    virtual MessageBox& messageBox() = 0;
};

} // namespace plat
