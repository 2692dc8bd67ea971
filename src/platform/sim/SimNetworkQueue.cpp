#include "platform/sim/SimNetworkQueue.h"

namespace plat {

void SimNetworkQueue::post(EventLoop::Callback fn) {
    loop_.post([this, alive = std::weak_ptr<int>(alive_), generation = generation_, fn = std::move(fn)] {
        if (!alive.expired() && generation == generation_) fn();
    });
}

} // namespace plat
