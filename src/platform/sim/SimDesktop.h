#pragma once
#include "platform/loop/EventLoop.h"
#include "platform/sim/SimConsole.h"
#include "platform/sim/SimMessageBox.h"
#include "platform/sim/SimScreen.h"
#include "platform/sim/SimSoundPlayer.h"
#include "platform/sim/SimTrayIcon.h"
#include "platform/sim/SimWindowManager.h"
#include "platform/window/Desktop.h"
#include "platform/res/ResourceStore.h"

namespace plat {

// The desktop without a display. Recording (tests): everything shown is kept for the test to
// read and the test acts as the user. Printing (--headless): the same, and what a user would
// have seen goes to the console as lines: message boxes (answered OK) on standard error,
// tray balloons and the rows of popups on standard output. Sounds are silent in both.
class SimDesktop : public Desktop {
public:
    enum class Mode { Recording, Printing };

    SimDesktop(EventLoop& loop, Mode mode, SimConsole console = SimConsole());

    Screen& screen() override { return screen_; }
    std::unique_ptr<Window> createWindow(WindowKind kind) override;
    std::unique_ptr<TrayIcon> createTrayIcon() override;
    std::unique_ptr<SoundPlayer> createSoundPlayer() override;
    MessageBox& messageBox() override { return messageBox_; }

    Mode mode() const { return mode_; }
    // Where the headless desktop prints its lines; nullptr while recording.
    SimConsole* console() { return mode_ == Mode::Printing ? &console_ : nullptr; }

    SimScreen& simScreen() { return screen_; }
    SimWindowManager& windows() { return windows_; }
    const std::vector<SimTrayIcon*>& trayIcons() const { return trayIcons_.items(); }
    const std::vector<SimSoundPlay>& soundPlays() const { return soundPlays_; }
    const std::vector<SimShownBox>& messageBoxes() const { return messageBox_.shown(); }
    // Without a tray, icons created from now on cannot be added.
    void setTrayAvailable(bool on) { trayAvailable_ = on; }

private:
    EventLoop& loop_;
    const Mode mode_;
    SimConsole console_;
    SimScreen screen_;
    ResourceStore resources_;
    SimWindowManager windows_;
    SimMessageBox messageBox_;
    SimLiveList<SimTrayIcon> trayIcons_;
    std::vector<SimSoundPlay> soundPlays_;
    bool trayAvailable_ = true;
};

} // namespace plat
