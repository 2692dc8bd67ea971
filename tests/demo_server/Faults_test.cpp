#include "ControlConsole.h"
#include "Loopback.h"
#include "wire/MessageId.h"
#include "wire/NewsFlashRecord.h"
#include <QRegularExpression>
#include <gtest/gtest.h>

using demotest::PushTestClient;
using demotest::TestServer;

TEST(FaultOptions, RatesSetTheIntervals) {
    QString message;
    bool help = false;
    const auto o = DemoOptions::parse({"server", "--news-per-second", "10", "--quotes-per-second", "5",
                                       "--fault-drop-ms", "30000", "--fault-cut-percent", "50", "--seed", "3"},
                                      "", &message, &help);
    ASSERT_TRUE(o) << message.toStdString();
    EXPECT_EQ(o->newsIntervalMs, 100);
    EXPECT_EQ(o->quoteIntervalMs, 200);
    EXPECT_EQ(o->faults.dropEveryMs, 30000);
    EXPECT_EQ(o->faults.cutPercent, 50);
    EXPECT_TRUE(o->faults.any());
    EXPECT_FALSE(DemoOptions::parse({"server", "--fault-cut-percent", "101"}, "", &message, &help));
}

// Runs cut at random offsets still arrive whole and in order, and the log names each
// flash once, when its last byte has gone out: what a soak counts as sent.
TEST(Faults, ScatteredCutsDeliverWholeRecordsAndTheLogNamesEachFlashOnce) {
    TestServer t;
    t.options.faults.cutPercent = 100;
    ASSERT_TRUE(t.start()) << t.error.toStdString();
    PushTestClient client(t.server->pushPort());
    ASSERT_TRUE(client.logOnAndWait("demo@quenra.test", "demo123"));
    for (int i = 0; i < 6; ++i) t.server->publishNews();
    ASSERT_TRUE(client.waitFor(push::NewsFlash, 14)); // the catch-up of 8, then 6
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

// The listener goes away with every connection and comes back on the same port.
TEST(Faults, ListenerRestartHangsUpAndListensAgainOnTheSamePort) {
    TestServer t;
    t.options.faults.downMs = 300;
    ASSERT_TRUE(t.start()) << t.error.toStdString();
    const quint16 port = t.server->pushPort();
    PushTestClient before(port);
    ASSERT_TRUE(before.logOnAndWait("demo@quenra.test", "demo123"));
    ControlConsole console(*t.server, t.log, [] {});
    ASSERT_TRUE(console.run(QStringLiteral("fault restart")));
    EXPECT_TRUE(before.waitClosed());
    ASSERT_TRUE(waitUntil([&] { return t.logged(QStringLiteral("listener back")); }));
    EXPECT_EQ(t.server->pushPort(), port);
    PushTestClient after(port);
    EXPECT_TRUE(after.logOnAndWait("demo@quenra.test", "demo123"));
    EXPECT_FALSE(console.run(QStringLiteral("fault meteor")));
}

// Whatever way a connection is dropped (reset, close, close after half a record), the
// client sees it end; a stalled one gets what was sent meanwhile once the stall is over.
TEST(Faults, DropsEndTheConnectionAndAStallOnlyDelays) {
    TestServer t;
    t.options.faults.stallMs = 200;
    ASSERT_TRUE(t.start()) << t.error.toStdString();
    for (int i = 0; i < 3; ++i) {
        PushTestClient client(t.server->pushPort());
        ASSERT_TRUE(client.logOnAndWait("demo@quenra.test", "demo123"));
        ASSERT_TRUE(t.server->injectFault(QStringLiteral("drop")));
        EXPECT_TRUE(client.waitClosed());
    }
    PushTestClient stalled(t.server->pushPort());
    ASSERT_TRUE(stalled.logOnAndWait("demo@quenra.test", "demo123"));
    const int before = stalled.count(push::NewsFlash);
    ASSERT_TRUE(t.server->injectFault(QStringLiteral("stall")));
    t.server->publishNews();
    EXPECT_TRUE(stalled.waitFor(push::NewsFlash, before + 1));
    EXPECT_TRUE(t.logged(QStringLiteral("fault: stall")));
}
