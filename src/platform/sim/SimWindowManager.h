#pragma once
#include "platform/sim/SimLiveList.h"
#include <functional>

class ResourceStore;

namespace plat {

class EventLoop;
class SimScreen;
class SimWindow;

// The simulated window system's shared state: which windows exist and which one is active,
// and what their browsers load pages from and complete them on.
// Activation moves as on Windows: the window that loses it hears ACTIVATE (inactive) first,
// then the one that gains it hears ACTIVATE (active, or activated by a click).
class SimWindowManager {
public:
    SimWindowManager(SimScreen& screen, EventLoop& loop, const ResourceStore& resources)
        : screen_(screen), loop_(loop), resources_(resources) {}

    SimScreen& screen() const { return screen_; }
    EventLoop& loop() const { return loop_; }
    const ResourceStore& resources() const { return resources_; }
    const std::vector<SimWindow*>& windows() const { return windows_.items(); }
    SimWindow* activeWindow() const { return active_; }
    // Hears each window as it goes, in the order the program destroys them.
    std::function<void(SimWindow&)> onWindowGone;

    // The user clicks outside the program's windows: the active one loses the activation.
    void userClickOutside() { deactivate(active_); }

    // For the windows.
    void add(SimWindow* w) { windows_.add(w); }
    void remove(SimWindow* w);
    void activate(SimWindow* w, int how); // how: wm::WA_ACTIVE or wm::WA_CLICKACTIVE
    void deactivate(SimWindow* w);        // nothing unless w is the active window

private:
    SimScreen& screen_;
    EventLoop& loop_;
    const ResourceStore& resources_;
    SimLiveList<SimWindow> windows_;
    SimWindow* active_ = nullptr;
};

} // namespace plat
