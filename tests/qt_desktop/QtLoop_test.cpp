#include "platform/qt/QtLoop.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <gtest/gtest.h>
#include <stdexcept>

// Work posted to run outside waits (the exit, the session's start) waits for a whole wait,
// the size reads and pumps inside it included, and still runs when the wait fails.
namespace {

QStringList runUntil(QStringList& order, int count) {
    const QDeadlineTimer limit(10'000);
    while (order.size() < count && !limit.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return order;
}

TEST(QtLoopWaits, WorkPostedDuringAWaitRunsAfterItWhateverItPumps) {
    plat::QtLoop loop;
    QStringList order;
    loop.runAsWait([&] {
        loop.postOutsideWaits([&] { order << "outside"; });
        loop.pumpMessages();
        // A nested pump of its own, as a size read's wait for the page.
        QCoreApplication::processEvents();
        order << "wait over";
    });
    EXPECT_EQ(runUntil(order, 2), (QStringList{"wait over", "outside"}));
}

TEST(QtLoopWaits, AWaitThatThrowsStillLetsTheWorkRun) {
    plat::QtLoop loop;
    QStringList order;
    EXPECT_THROW(loop.runAsWait([&] {
        loop.postOutsideWaits([&] { order << "outside"; });
        throw std::runtime_error("failed wait");
    }),
                 std::runtime_error);
    EXPECT_EQ(runUntil(order, 1), QStringList{"outside"});
}

} // namespace
