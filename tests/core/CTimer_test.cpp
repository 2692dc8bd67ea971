#include "core/AppContext.h"
#include "core/CTimer.h"
#include "base/VbError.h"
#include "platform/sim/SimPlatform.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

struct TimerService : ::testing::Test {
    plat::SimPlatform sim;
    AppContext ctx{sim.platform};

    std::unique_ptr<CTimer> timer() { return std::make_unique<CTimer>(ctx.Timers); }

    static long errorOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const VbError& e) {
            return e.number() - VbError::ObjectErrorBase;
        }
        return 0;
    }
};

TEST_F(TimerService, TicksUntilStoppedAndSaysSoOnce) {
    auto t = timer();
    int ticks = 0, over = 0;
    t->ThatTime = [&] { ++ticks; };
    t->TimeOver = [&] { ++over; };
    t->setInterval(0); // stopped already: nothing to say
    EXPECT_EQ(over, 0);
    t->setInterval(100);
    sim.loop.advance(350);
    EXPECT_EQ(ticks, 3);
    t->setInterval(0);
    t->setInterval(-5);
    sim.loop.advance(1000);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(over, 1);
    EXPECT_EQ(sim.loop.activeTimers(), 0);
}

TEST_F(TimerService, SameIntervalKeepsTheSystemTimerAndANewOneReplacesItQuietly) {
    auto t = timer();
    int over = 0;
    t->TimeOver = [&] { ++over; };
    t->setInterval(1000);
    t->setInterval(1000);
    EXPECT_EQ(sim.loop.timersStarted(), 1);
    t->setInterval(500);
    EXPECT_EQ(sim.loop.timersStarted(), 2);
    EXPECT_EQ(sim.loop.activeTimers(), 1);
    EXPECT_EQ(over, 0);
    int ticks = 0;
    t->ThatTime = [&] { ++ticks; };
    sim.loop.advance(1000);
    EXPECT_EQ(ticks, 2);
}

TEST_F(TimerService, TheHundredAndFirstTimerFailsAndLeavesNoSystemTimerBehind) {
    std::vector<std::unique_ptr<CTimer>> running;
    for (int i = 0; i < 100; ++i) {
        running.push_back(timer());
        running.back()->setInterval(1000);
    }
    auto extra = timer();
    try {
        extra->setInterval(1000);
        FAIL() << "no error raised";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), VbError::ObjectErrorBase + 13651);
        EXPECT_EQ(e.description(), "No more than 10 timers allowed per class");
        EXPECT_EQ(e.source(), "Zavez_ZEP.WindowProc");
    }
    EXPECT_EQ(sim.loop.activeTimers(), 100);
    EXPECT_EQ(extra->Interval(), 0);
    // Once a slot is free the same object starts normally.
    running.front()->setInterval(0);
    extra->setInterval(1000);
    EXPECT_EQ(sim.loop.activeTimers(), 100);
}

TEST_F(TimerService, AFreedSlotIsReusedAndTicksReachTheRightTimer) {
    std::vector<std::unique_ptr<CTimer>> timers;
    std::vector<int> ticks(6, 0);
    for (int i = 0; i < 5; ++i) {
        timers.push_back(timer());
        timers.back()->ThatTime = [&ticks, i] { ++ticks[i]; };
        timers.back()->setInterval(100 * (i + 1));
    }
    EXPECT_EQ(ctx.Timers.HighWaterMark(), 5);
    timers[2]->setInterval(0);
    timers.push_back(timer());
    timers.back()->ThatTime = [&ticks] { ++ticks[5]; };
    timers.back()->setInterval(50);
    EXPECT_EQ(ctx.Timers.HighWaterMark(), 5);
    sim.loop.advance(500);
    EXPECT_EQ(ticks, std::vector<int>({5, 2, 0, 1, 1, 10}));
}

TEST_F(TimerService, ARefusedSystemTimerRaisesAndLeavesTheTimerStopped) {
    auto t = timer();
    sim.loop.setRefuseTimers(true);
    EXPECT_EQ(errorOf([&] { t->setInterval(100); }), 13652);
    EXPECT_EQ(t->Interval(), 0);
    sim.loop.setRefuseTimers(false);
    t->setInterval(100);
    EXPECT_EQ(sim.loop.activeTimers(), 1);
}

TEST_F(TimerService, ADestroyedTimerStopsQuietlyAndATimerMayStopItselfInItsTick) {
    bool over = false;
    {
        auto t = timer();
        t->TimeOver = [&] { over = true; };
        t->setInterval(100);
    }
    EXPECT_FALSE(over);
    EXPECT_EQ(sim.loop.activeTimers(), 0);

    auto self = timer();
    int ticks = 0;
    self->ThatTime = [&] {
        if (++ticks == 2) self->setInterval(0);
    };
    self->setInterval(10);
    sim.loop.advance(100);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(sim.loop.activeTimers(), 0);
}

} // namespace
