#pragma once
#include "platform/sim/SimLiveList.h"

namespace plat {

class SimScreen;
class SimWindow;

// The simulated window system's shared state: which windows exist and which one is active.
// Activation moves as on Windows: the window that loses it hears ACTIVATE (inactive) first,
// then the one that gains it hears ACTIVATE (active, or activated by a click).
class SimWindowManager {
public:
    explicit SimWindowManager(SimScreen& screen) : screen_(screen) {}

    SimScreen& screen() const { return screen_; }
    const std::vector<SimWindow*>& windows() const { return windows_.items(); }
    SimWindow* activeWindow() const { return active_; }

    // The user clicks outside the program's windows: the active one loses the activation.
    void userClickOutside() { deactivate(active_); }

    // For the windows.
    void add(SimWindow* w) { windows_.add(w); }
    void remove(SimWindow* w);
    void activate(SimWindow* w, int how);   // how: wm::WA_ACTIVE or wm::WA_CLICKACTIVE
    void deactivate(SimWindow* w);           // nothing unless w is the active window

private:
    SimScreen& screen_;
    SimLiveList<SimWindow> windows_;
    SimWindow* active_ = nullptr;
};

} // namespace plat
