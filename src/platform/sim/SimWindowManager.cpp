#include "platform/sim/SimWindowManager.h"
#include "platform/sim/SimWindow.h"

namespace plat {

void SimWindowManager::remove(SimWindow* w) {
    if (onWindowGone) onWindowGone(*w);
    windows_.remove(w);
    if (active_ == w) active_ = nullptr;
    for (SimWindow* other : windows_.items())
        if (other->owner() == w) other->setOwner(nullptr);
}

void SimWindowManager::activate(SimWindow* w, int how) {
    if (active_ == w) return;
    SimWindow* previous = active_;
    active_ = w;
    if (previous) previous->receiveActivation(wm::WA_INACTIVE);
    // The previous window's handler may have moved the activation on already.
    if (active_ == w) w->receiveActivation(how);
}

void SimWindowManager::deactivate(SimWindow* w) {
    if (!w || active_ != w) return;
    active_ = nullptr;
    w->receiveActivation(wm::WA_INACTIVE);
}

} // namespace plat
