#pragma once
#include "platform/loop/EventLoop.h"
#include <deque>
#include <map>
#include <optional>

namespace plat {

// The message loop in virtual time. Nothing happens by itself: a test moves time with
// advance(), and waits that pump messages move it to the next due timer. Ticks that fall
// due while the thread is held are merged into one, as a system's timer messages are.
class SimLoop : public EventLoop {
public:
    explicit SimLoop(const QDateTime& start = QDateTime(QDate(2024, 1, 8), QTime(9, 0)));

    qint64 nowMs() const override { return nowMs_; }
    QDateTime now() const override { return start_.addMSecs(nowMs_); }
    int setThreadTimer(int intervalMs, Callback onTick) override;
    void killThreadTimer(int id) override;
    void post(Callback fn) override;
    // Runs what is posted, else the next due timer, else lets IdlePumpMs pass.
    void pumpMessages() override;
    static constexpr qint64 IdlePumpMs = 10;
    void holdThread(int ms) override { nowMs_ += ms < 0 ? 0 : ms; }
    void quit(int status) override { exitStatus_ = status; }

    // Moves time on by ms, running posted work and every tick that falls due on the way,
    // in time order.
    void advance(qint64 ms);
    // Runs the posted work, including what it posts in turn.
    void runPosted();
    // The wall clock shows dt from now on and moves with virtual time.
    void setDateTime(const QDateTime& dt) { start_ = dt.addMSecs(-nowMs_); }
    // While on, the system refuses new thread timers (setThreadTimer answers 0).
    void setRefuseTimers(bool on) { refuseTimers_ = on; }

    int activeTimers() const { return static_cast<int>(timers_.size()); }
    int timersStarted() const { return timersStarted_; }
    std::optional<int> exitStatus() const { return exitStatus_; }

private:
    struct Timer {
        int intervalMs;
        qint64 dueMs;
        Callback onTick;
    };

    // The timer that falls due first at or before limitMs; 0 when none does.
    int nextDue(qint64 limitMs) const;
    void fire(int id);
    // Runs what was posted before the call; work it posts waits for the next turn.
    void runOneTurn();

    QDateTime start_;
    qint64 nowMs_ = 0;
    std::map<int, Timer> timers_;
    std::deque<Callback> posted_;
    int nextId_ = 1;
    int timersStarted_ = 0;
    bool refuseTimers_ = false;
    std::optional<int> exitStatus_;
};

} // namespace plat
