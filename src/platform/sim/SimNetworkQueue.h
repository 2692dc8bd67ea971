#pragma once
#include "platform/loop/EventLoop.h"
#include <memory>

namespace plat {

// The events one simulated socket or fetch has queued on the loop: dropped when their
// owner is gone or has moved on (closed, reconnected, cancelled) before they run.
class SimNetworkQueue {
public:
    explicit SimNetworkQueue(EventLoop& loop) : loop_(loop) {}
    SimNetworkQueue(const SimNetworkQueue&) = delete;
    SimNetworkQueue& operator=(const SimNetworkQueue&) = delete;

    void post(EventLoop::Callback fn);
    void dropPending() { ++generation_; }

private:
    EventLoop& loop_;
    int generation_ = 0;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace plat
