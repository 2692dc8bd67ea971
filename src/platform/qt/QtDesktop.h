#pragma once
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtScreen.h"
#include "platform/window/Desktop.h"

namespace plat {

// The real desktop on Qt Widgets. Create it after the application object. The program
// lives on in the tray when its last window closes, so closing windows never ends the
// application here; only the program's own exit does.
class QtDesktop : public Desktop {
public:
    QtDesktop();

    Screen& screen() override { return screen_; }
    std::unique_ptr<Window> createWindow(WindowKind kind) override;
    std::unique_ptr<TrayIcon> createTrayIcon() override;
    std::unique_ptr<SoundPlayer> createSoundPlayer() override;
    MessageBox& messageBox() override { return messageBox_; }

private:
    QtScreen screen_;
    QtMessageBox messageBox_;
};

} // namespace plat
