#pragma once
#include <cstdint>
#include <functional>

class mTimer;

// A timer for code without a window: ticks every Interval milliseconds on the message
// loop while Interval is above 0.
class CTimer {
public:
    explicit CTimer(mTimer& service) : service_(service) {}
    // Stops a running timer, quietly: nobody is left to hear its TimeOver.
    ~CTimer();
    CTimer(const CTimer&) = delete;
    CTimer& operator=(const CTimer&) = delete;

    int32_t Interval() const { return interval_; }
    // Starts, restarts (on a new value) or stops (below 1) the timer. Raises 13652 when
    // the system refuses a timer, 13651 when the process runs too many.
    void setInterval(int32_t v);
    void PulseTimer();

    std::function<void()> ThatTime; // every tick
    std::function<void()> TimeOver; // stopped by setting the interval to 0

private:
    friend class mTimer;

    mTimer& service_;
    int32_t interval_ = 0;
    int TimerID = 0;
};
