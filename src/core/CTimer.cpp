#include "core/CTimer.h"
#include "core/mTimer.h"

CTimer::~CTimer() {
    if (interval_ > 0) service_.TimerDestroy(*this);
}

void CTimer::setInterval(int32_t v) {
    if (v >= 1) {
        if (v == interval_) return;
        if (interval_ != 0) service_.TimerDestroy(*this);
        interval_ = v;
        if (!service_.TimerCreate(*this)) service_.Raise(mTimer::ErrNoSystemTimer);
        return;
    }
    if (interval_ <= 0) return;
    interval_ = 0;
    service_.TimerDestroy(*this);
    if (TimeOver) TimeOver();
}

void CTimer::PulseTimer() {
    if (ThatTime) ThatTime();
}
