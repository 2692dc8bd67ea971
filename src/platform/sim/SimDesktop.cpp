#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimPopupWindow.h"
#include "platform/sim/SimWindow.h"

namespace plat {

SimDesktop::SimDesktop(EventLoop& loop, Mode mode, SimConsole console)
    : loop_(loop), mode_(mode), console_(console), windows_(screen_, loop, resources_), messageBox_(this->console()) {}

std::unique_ptr<Window> SimDesktop::createWindow(WindowKind kind) {
    if (kind == WindowKind::Popup && console()) return std::make_unique<SimPopupWindow>(windows_, console_);
    return std::make_unique<SimWindow>(windows_, kind);
}

std::unique_ptr<TrayIcon> SimDesktop::createTrayIcon() {
    return std::make_unique<SimTrayIcon>(loop_, trayIcons_, trayAvailable_, console());
}

std::unique_ptr<SoundPlayer> SimDesktop::createSoundPlayer() {
    return std::make_unique<SimSoundPlayer>(loop_, soundPlays_);
}

} // namespace plat
