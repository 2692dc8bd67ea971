#pragma once
#include "platform/loop/EventLoop.h"

namespace plat {

// A window's Timer control: ticks every Interval ms while Enabled; Interval 0 stops it.
// Changing Interval or switching Enabled on restarts the count.
class WindowTimer {
public:
    explicit WindowTimer(EventLoop& loop, int interval = 0, bool enabled = false);
    ~WindowTimer();
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    bool Enabled() const { return enabled_; }
    void setEnabled(bool on);
    int Interval() const { return interval_; }
    void setInterval(int ms);
    bool running() const { return id_ != 0; }

    std::function<void()> onTimer;

private:
    void restart();
    void tick();

    EventLoop& loop_;
    int interval_;
    bool enabled_;
    int id_ = 0;
};

} // namespace plat
