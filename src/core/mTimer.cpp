#include "core/mTimer.h"
#include "core/AppContext.h"
#include "core/CTimer.h"
#include "base/VbError.h"
#include "platform/Platform.h"
#include <memory>

bool mTimer::TimerCreate(CTimer& timer) {
    plat::EventLoop& loop = ctx_.platform.loop();
    // The identifier is known only once the system has answered.
    auto id = std::make_shared<int>(0);
    *id = loop.setThreadTimer(timer.Interval(), [this, id] { TimerProc(*id); });
    timer.TimerID = *id;
    if (!*id) {
        timer.setInterval(0);
        return false;
    }
    const int slot = freeSlot();
    if (!slot) {
        // Not left running unseen: a system timer outside the table could never be killed.
        loop.killThreadTimer(*id);
        timer.TimerID = 0;
        timer.interval_ = 0;
        Raise(ErrTooManyTimers);
    }
    slots_[slot] = &timer;
    if (slot > highWaterMark_) highWaterMark_ = static_cast<int16_t>(slot);
    return true;
}

bool mTimer::TimerDestroy(CTimer& timer) {
    for (int i = 1; i <= highWaterMark_; ++i) {
        CTimer* t = slots_[i];
        if (t && t->TimerID == timer.TimerID) {
            ctx_.platform.loop().killThreadTimer(t->TimerID);
            t->TimerID = 0;
            slots_[i] = nullptr;
            return true;
        }
    }
    return false;
}

void mTimer::TimerProc(int timerId) {
    for (int i = 1; i <= highWaterMark_; ++i) {
        CTimer* t = slots_[i];
        if (t && t->TimerID == timerId) {
            t->PulseTimer();
            return;
        }
    }
}

void mTimer::Raise(long code) const {
    const QString description = code == ErrTooManyTimers ? QStringLiteral("No more than 10 timers allowed per class")
                                                         : QStringLiteral("Can't create system timer");
    throw VbError(VbError::ObjectErrorBase + code, ctx_.ExeName + QStringLiteral(".WindowProc"), description);
}

int mTimer::freeSlot() const {
    for (int i = 1; i <= Slots; ++i)
        if (!slots_[i]) return i;
    return 0;
}
