#include "platform/loop/WindowTimer.h"

namespace plat {

WindowTimer::WindowTimer(EventLoop& loop, int interval, bool enabled)
    : loop_(loop), interval_(interval), enabled_(enabled) {
    restart();
}

WindowTimer::~WindowTimer() {
    if (id_) loop_.killThreadTimer(id_);
}

void WindowTimer::setEnabled(bool on) {
    enabled_ = on;
    restart();
}

void WindowTimer::setInterval(int ms) {
    interval_ = ms < 0 ? 0 : ms;
    restart();
}

void WindowTimer::restart() {
    if (id_) {
        loop_.killThreadTimer(id_);
        id_ = 0;
    }
    if (enabled_ && interval_ > 0) id_ = loop_.setThreadTimer(interval_, [this] { tick(); });
}

void WindowTimer::tick() {
    if (onTimer) onTimer();
}

} // namespace plat
