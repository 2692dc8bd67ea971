#pragma once
#include <array>
#include <cstdint>

struct AppContext;
class CTimer;

// The process-wide table of running CTimer objects and the one procedure that routes the
// thread timers' ticks to them. The table does not own the timers: a CTimer leaves it when
// it stops or is destroyed.
class mTimer {
public:
    static constexpr int Slots = 100;
    static constexpr long ErrTooManyTimers = 13651;
    static constexpr long ErrNoSystemTimer = 13652;

    explicit mTimer(AppContext& ctx) : ctx_(ctx) {}
    mTimer(const mTimer&) = delete;
    mTimer& operator=(const mTimer&) = delete;

    // Starts the system timer for the timer's interval and enters it in the table.
    // False when the system refuses the timer; raises 13651 when every slot is taken.
    bool TimerCreate(CTimer& timer);
    // Kills the timer's system timer and empties its slot; false when it is not in the table.
    bool TimerDestroy(CTimer& timer);
    // The system timer callback: routes a tick to the timer that owns the identifier.
    void TimerProc(int timerId);

    int16_t HighWaterMark() const { return highWaterMark_; }
    // Raises the timer service's numbered error.
    [[noreturn]] void Raise(long code) const;

private:
    int freeSlot() const;

    AppContext& ctx_;
    std::array<CTimer*, Slots + 1> slots_{}; // 1-based; slot 0 unused
    int16_t highWaterMark_ = 0;
};
