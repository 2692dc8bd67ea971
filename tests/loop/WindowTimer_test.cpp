#include "platform/loop/WindowTimer.h"
#include "platform/sim/SimLoop.h"
#include <gtest/gtest.h>

using plat::SimLoop;
using plat::WindowTimer;

TEST(WindowTimer, TicksWhileEnabledWithAnIntervalAndRestartsItsCountOnChanges) {
    SimLoop loop;
    WindowTimer timer(loop, 100);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    loop.advance(500);
    EXPECT_EQ(ticks, 0);
    timer.setEnabled(true);
    loop.advance(250);
    EXPECT_EQ(ticks, 2);
    timer.setInterval(100); // 50 ms into a period: counts afresh
    loop.advance(90);
    timer.setEnabled(true);
    loop.advance(90);
    EXPECT_EQ(ticks, 2);
    loop.advance(10);
    EXPECT_EQ(ticks, 3);
    timer.setInterval(0);
    loop.advance(500);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(loop.activeTimers(), 0);
}

TEST(WindowTimer, CanBeDisabledFromItsOwnTickAndKillsItsTimerWhenDestroyed) {
    SimLoop loop;
    int ticks = 0;
    {
        WindowTimer once(loop, 100, true);
        once.onTimer = [&] {
            once.setEnabled(false);
            ++ticks;
        };
        WindowTimer other(loop, 30, true);
        loop.advance(1000);
        EXPECT_EQ(ticks, 1);
        EXPECT_EQ(loop.activeTimers(), 1);
    }
    EXPECT_EQ(loop.activeTimers(), 0);
}
