#include "platform/sim/SimLoop.h"
#include <gtest/gtest.h>

using plat::SimLoop;

TEST(SimLoop, AdvanceRunsPostedWorkThenEveryDueTickInTimeOrder) {
    SimLoop loop;
    QStringList log;
    loop.setThreadTimer(300, [&] { log << QStringLiteral("a%1").arg(loop.nowMs()); });
    const int b = loop.setThreadTimer(200, [&] { log << QStringLiteral("b%1").arg(loop.nowMs()); });
    loop.post([&] {
        log << "first";
        loop.post([&] { log << "posted by first"; });
    });
    loop.post([&] { log << "second"; });
    loop.advance(650);
    EXPECT_EQ(log, QStringList({"first", "second", "posted by first", "b200", "a300", "b400", "a600", "b600"}));
    EXPECT_EQ(loop.nowMs(), 650);
    loop.killThreadTimer(b);
    log.clear();
    loop.advance(300);
    EXPECT_EQ(log, QStringList({"a900"}));
}

TEST(SimLoop, PumpingRunsPendingWorkElseMovesToTheNextTick) {
    SimLoop loop;
    bool done = false, posted = false;
    loop.setThreadTimer(1000, [&] { done = true; });
    loop.post([&] { posted = true; });
    loop.pumpMessages();
    EXPECT_TRUE(posted);
    EXPECT_EQ(loop.nowMs(), 0);
    loop.pumpMessages();
    EXPECT_TRUE(done);
    EXPECT_EQ(loop.nowMs(), 1000);
}

TEST(SimLoop, HoldingTheThreadRunsNothingAndMergesMissedTicks) {
    SimLoop loop;
    int ticks = 0;
    bool posted = false;
    loop.setThreadTimer(100, [&] { ++ticks; });
    loop.post([&] { posted = true; });
    loop.holdThread(1000);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(posted);
    loop.advance(0);
    EXPECT_TRUE(posted);
    EXPECT_EQ(ticks, 1);
    loop.advance(100);
    EXPECT_EQ(ticks, 2);
}

TEST(SimLoop, RefusesTimersOnRequestAndKeepsTheWallClockInStep) {
    SimLoop loop(QDateTime(QDate(2024, 3, 1), QTime(8, 0)));
    loop.setRefuseTimers(true);
    EXPECT_EQ(loop.setThreadTimer(100, [] {}), 0);
    loop.advance(90'000);
    EXPECT_EQ(loop.now(), QDateTime(QDate(2024, 3, 1), QTime(8, 1, 30)));
    loop.setDateTime(QDateTime(QDate(2025, 1, 1), QTime(0, 0)));
    loop.advance(1500);
    EXPECT_EQ(loop.now(), QDateTime(QDate(2025, 1, 1), QTime(0, 0, 1, 500)));
}
