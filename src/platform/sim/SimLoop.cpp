#include "platform/sim/SimLoop.h"
#include <algorithm>

namespace plat {

SimLoop::SimLoop(const QDateTime& start) : start_(start) {}

int SimLoop::setThreadTimer(int intervalMs, Callback onTick) {
    if (refuseTimers_) return 0;
    // A zero period would tick forever at one instant; a millisecond is the finest grain.
    const int period = std::max(intervalMs, 1);
    const int id = nextId_++;
    timers_[id] = Timer{period, nowMs_ + period, std::move(onTick)};
    ++timersStarted_;
    return id;
}

void SimLoop::killThreadTimer(int id) { timers_.erase(id); }

void SimLoop::post(Callback fn) { posted_.push_back(std::move(fn)); }

void SimLoop::pumpMessages() {
    if (!posted_.empty()) {
        runOneTurn();
        return;
    }
    const int id = nextDue(INT64_MAX);
    if (!id) {
        // Nothing will ever happen by itself: let time pass, so that a wait bounded in
        // time still ends.
        nowMs_ += IdlePumpMs;
        return;
    }
    nowMs_ = std::max(nowMs_, timers_.at(id).dueMs);
    fire(id);
}

void SimLoop::advance(qint64 ms) {
    const qint64 target = nowMs_ + std::max<qint64>(ms, 0);
    runPosted();
    while (const int id = nextDue(target)) {
        nowMs_ = std::max(nowMs_, timers_.at(id).dueMs);
        fire(id);
        runPosted();
    }
    nowMs_ = target;
}

void SimLoop::runPosted() {
    while (!posted_.empty()) runOneTurn();
}

int SimLoop::nextDue(qint64 limitMs) const {
    int best = 0;
    qint64 bestDue = limitMs;
    for (const auto& [id, t] : timers_) {
        if (t.dueMs <= bestDue && (!best || t.dueMs < bestDue)) {
            best = id;
            bestDue = t.dueMs;
        }
    }
    return best;
}

void SimLoop::fire(int id) {
    Timer& t = timers_.at(id);
    // The next tick is the first period boundary after now: overdue ticks merge into one.
    const qint64 missed = (nowMs_ - t.dueMs) / t.intervalMs;
    t.dueMs += (missed + 1) * t.intervalMs;
    // A copy, so that the callback may kill its own timer.
    const Callback onTick = t.onTick;
    onTick();
}

void SimLoop::runOneTurn() {
    std::deque<Callback> turn;
    turn.swap(posted_);
    for (Callback& fn : turn) fn();
}

} // namespace plat
