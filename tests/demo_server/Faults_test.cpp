#include "ControlConsole.h"
#include "Loopback.h"
#include "wire/CalendarDayRecord.h"
#include "wire/MessageId.h"
#include "wire/NewsFlashRecord.h"
#include <QRegularExpression>
#include <gtest/gtest.h>

using demotest::PushTestClient;
using demotest::TestServer;

// Runs split in two (--split-records) or cut at random offsets still arrive whole and in
// order, and the log names each flash once, when its last byte has gone out: what a soak
// counts as sent.
TEST(Faults, SplitAndScatteredRunsDeliverWholeRecordsAndTheLogNamesEachFlashOnce) {
    for (const bool split : {true, false}) {
        SCOPED_TRACE(split ? "split records" : "scattered cuts");
        TestServer t;
        t.options.splitRecords = split;
        t.options.faults.cutPercent = split ? 0 : 100;
        ASSERT_TRUE(t.start()) << t.error.toStdString();
        PushTestClient client(t.server->pushPort());
        ASSERT_TRUE(client.logOnAndWait("demo@quenra.test", "demo123"));
        for (int i = 0; i < 6; ++i) t.server->publishNews();
        ASSERT_TRUE(client.waitFor(push::NewsFlash, 14)); // the catch-up of 8, then 6
        EXPECT_EQ(client.count(push::CalendarDay), 5);
        for (const QByteArray& r : client.recordsOf(push::CalendarDay)) EXPECT_TRUE(push::CalendarDayRecord::parse(r));
        QList<qint32> received;
        for (const QByteArray& r : client.recordsOf(push::NewsFlash)) {
            const auto flash = push::NewsFlashRecord::parse(r);
            ASSERT_TRUE(flash);
            received.append(flash->newsId);
        }
        QList<qint32> logged;
        static const QRegularExpression wrote(QStringLiteral("^push: to \\S+ \\(demo@quenra.test\\) news ([\\d,]+)$"));
        for (const QString& line : t.lines)
            if (const auto m = wrote.match(line); m.hasMatch())
                for (const QString& id : m.captured(1).split(u',')) logged.append(id.toInt());
        EXPECT_EQ(logged, received);
    }
}

// Whatever way a connection is dropped (reset, close, close after half a record), the
// client sees it end; a stalled one gets what was sent meanwhile once the stall is over.
// A listener restart hangs up on everyone and listens again on the same port.
TEST(Faults, DropsEndTheConnectionAStallOnlyDelaysAndTheListenerComesBack) {
    TestServer t;
    t.options.faults.stallMs = 200;
    t.options.faults.downMs = 300;
    ASSERT_TRUE(t.start()) << t.error.toStdString();
    const quint16 port = t.server->pushPort();
    for (int i = 0; i < 3; ++i) {
        PushTestClient client(port);
        ASSERT_TRUE(client.logOnAndWait("demo@quenra.test", "demo123"));
        ASSERT_TRUE(t.server->injectFault(QStringLiteral("drop")));
        EXPECT_TRUE(client.waitClosed());
    }
    PushTestClient stalled(port);
    ASSERT_TRUE(stalled.logOnAndWait("demo@quenra.test", "demo123"));
    const int before = stalled.count(push::NewsFlash);
    ASSERT_TRUE(t.server->injectFault(QStringLiteral("stall")));
    t.server->publishNews();
    EXPECT_TRUE(stalled.waitFor(push::NewsFlash, before + 1));
    EXPECT_TRUE(t.logged(QStringLiteral("fault: stall")));

    ControlConsole console(*t.server, t.log, [] {});
    ASSERT_TRUE(console.run(QStringLiteral("fault restart")));
    EXPECT_TRUE(stalled.waitClosed());
    ASSERT_TRUE(waitUntil([&] { return t.logged(QStringLiteral("listener back")); }));
    EXPECT_EQ(t.server->pushPort(), port);
    PushTestClient after(port);
    EXPECT_TRUE(after.logOnAndWait("demo@quenra.test", "demo123"));
    EXPECT_FALSE(console.run(QStringLiteral("fault meteor")));
}
