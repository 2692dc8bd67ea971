#include "SessionFixture.h"
#include "platform/sim/SimNetworkConnection.h"
#include "wire/ControlRecord.h"
#include "wire/HeartbeatAnswerRecord.h"
#include "wire/NewsFlashRecord.h"
#include "wire/PushLogonRecord.h"
#include "wire/PushSink.h"
#include "wire/QuoteBatchRecord.h"
#include "wire/QuoteText.h"
#include "session/wsckfrm.h"

namespace {

// The main window as far as the push session sees it.
struct RecordingSink : push::PushSink {
    QList<int32_t> news;
    // News ids and quote symbols in the order they came.
    QStringList items;
    void Get_allMsg(const QString&, const QString&, const QString&, int32_t id, uint8_t) override {
        news << id;
        items << QString::number(id);
    }
    void quot_center(const QString& symbol, const QString&, const QString&) override { items << symbol; }
    void GetInfo_DownCalendar(int16_t, const QString&, const QString&) override {}
    void GetInfo_UpdateCalendar(int16_t, const QString&, const QString&) override {}
};

QByteArray newsFlash(int32_t id) {
    push::NewsFlashRecord r;
    r.flags = QStringLiteral("000");
    r.text = QStringLiteral("美联储维持利率不变");
    r.newsId = id;
    r.time = QStringLiteral("2024-01-08 09:30:00");
    return r.build();
}

QByteArray quote(const QString& symbol) {
    return push::QuoteBatchRecord{
        push::QuoteText::compose({{symbol, QStringLiteral("1.0850"), QStringLiteral("1.0853"), 4}})}
        .build();
}

QByteArray flashes(int32_t from, int count) {
    QByteArray bytes;
    for (int32_t id = from; id < from + count; ++id) bytes += newsFlash(id);
    return bytes;
}

QByteArray logon(const QString& account, const QString& password, int32_t highest) {
    push::PushLogonRecord r{account, password, highest};
    return r.build();
}

QByteArray answer(int32_t highest) { return push::HeartbeatAnswerRecord{highest}.build(); }

class WsckfrmTest : public SessionFixture {
protected:
    WsckfrmTest() {
        ctx.CurrentAccount = QStringLiteral("trader@example.com");
        ctx.CurrentPassword = QStringLiteral("pa55");
        ctx.pushSink = &sink;
        sim.network.listen(Server, 8000);
    }

    plat::SimNetworkConnection* server() { return sim.network.lastConnection(Server, 8000); }
    int connectionCount() { return int(sim.network.connections(Server, 8000).size()); }
    // Runs the clock on to just after the next keep-alive tick.
    void tick() { sim.loop.advance(wsckfrm::KeepAliveMs); }

    RecordingSink sink;
};

TEST_F(WsckfrmTest, LogsOnAtLoadAndAnswersEachProbeAtOnceWithTheHighestNewsId) {
    ctx.HighestNewsId = 7;
    ctx.load(ctx.wsck);
    ASSERT_NE(server(), nullptr);
    ASSERT_EQ(server()->sends().size(), 1u);
    EXPECT_EQ(server()->sends()[0], logon("trader@example.com", "pa55", 7));

    server()->send(newsFlash(120));
    server()->send(newsFlash(90)); // older, still shown; the highest stays
    server()->send(push::ControlRecord::heartbeatProbe());
    sim.loop.runPosted();
    EXPECT_EQ(sink.news, (QList<int32_t>{120, 90}));
    EXPECT_EQ(ctx.HighestNewsId, 120);
    ASSERT_EQ(server()->sends().size(), 2u);
    EXPECT_EQ(server()->sends()[1], answer(120));

    // Keep-alive ticks on a healthy connection send nothing.
    tick();
    tick();
    EXPECT_EQ(server()->sends().size(), 2u);
    EXPECT_EQ(connectionCount(), 1);

    ctx.unload(ctx.wsck);
    EXPECT_TRUE(server()->closedByClient());
}

TEST_F(WsckfrmTest, WithoutAMainWindowRecordsAreDecodedAndDroppedWithOneLogLine) {
    ctx.pushSink = nullptr;
    ctx.load(ctx.wsck);
    server()->send(newsFlash(5));
    server()->send(newsFlash(6));
    sim.loop.runPosted();
    EXPECT_EQ(ctx.HighestNewsId, 6);
    EXPECT_EQ(sim.log.lines().filter("dropped").size(), 1);
}

TEST_F(WsckfrmTest, ABurstGoesOnOverSeveralTurnsInArrivalOrderWhileATrickleGoesOnInItsOwnTurn) {
    ctx.load(ctx.wsck);
    sim.loop.runPosted();
    server()->send(newsFlash(1));
    sim.loop.pumpMessages();
    EXPECT_EQ(sink.items, QStringList{"1"});

    constexpr int Cap = PacedPushSink::ItemsPerTurn;
    server()->send(quote("EURUSD") + flashes(100, 2 * Cap + 5));
    server()->send(quote("XAUUSD")); // later in the same turn: behind the waiting flashes
    QStringList expected{"1", "EURUSD"};
    for (int id = 100; id < 100 + 2 * Cap + 5; ++id) expected << QString::number(id);
    expected << "XAUUSD";
    for (int turn = 1; turn <= 3; ++turn) {
        sim.loop.pumpMessages();
        EXPECT_EQ(sink.items, expected.mid(0, std::min<qsizetype>(1 + turn * Cap, expected.size()))) << turn;
    }
    sim.loop.runPosted();
    EXPECT_EQ(sink.items, expected);
    EXPECT_EQ(ctx.HighestNewsId, 100 + 2 * Cap + 4);
}

TEST_F(WsckfrmTest, UnloadDropsTheItemsStillWaitingWithOneLogLine) {
    ctx.load(ctx.wsck);
    sim.loop.runPosted();
    server()->send(flashes(1, PacedPushSink::ItemsPerTurn + 10));
    sim.loop.pumpMessages();
    ctx.unload(ctx.wsck);
    sim.loop.runPosted();
    EXPECT_EQ(sink.news.size(), PacedPushSink::ItemsPerTurn);
    EXPECT_EQ(sim.log.lines().filter("dropped").size(), 1);
}

TEST_F(WsckfrmTest, PeerCloseReconnectsAtTheNextTickAndLogsOnOnceMore) {
    ctx.load(ctx.wsck);
    server()->close();
    sim.loop.runPosted();
    EXPECT_EQ(ctx.wsck->Winsock1().state(), plat::Socket::Closed);

    tick();
    ASSERT_EQ(connectionCount(), 2);
    EXPECT_TRUE(server()->isOpen());
    EXPECT_TRUE(server()->sends().empty());
    tick();
    ASSERT_EQ(server()->sends().size(), 1u);
    EXPECT_EQ(server()->sends()[0], logon("trader@example.com", "pa55", 0));
    tick();
    EXPECT_EQ(server()->sends().size(), 1u);
    // Probes on the new connection are still answered.
    server()->send(push::ControlRecord::heartbeatProbe());
    sim.loop.runPosted();
    EXPECT_EQ(server()->sends().size(), 2u);
}

TEST_F(WsckfrmTest, AbortOrUnreachableHostMakesTheFirstTickAfterReconnectingLogOnAgain) {
    ctx.load(ctx.wsck);
    server()->abort(); // 10053
    sim.loop.runPosted();
    tick(); // not connected: reconnects
    tick(); // connected, logon owed
    ASSERT_EQ(connectionCount(), 2);
    EXPECT_EQ(server()->sends().size(), 1u);

    // The server's host drops off the network for a while (10065), then comes back.
    sim.network.setUnreachable(Server, true);
    server()->close();
    tick();
    tick();
    EXPECT_EQ(connectionCount(), 2);
    sim.network.setUnreachable(Server, false);
    tick();
    ASSERT_EQ(connectionCount(), 3);
    EXPECT_TRUE(server()->sends().empty());
    tick();
    EXPECT_EQ(server()->sends().size(), 1u);
}

TEST_F(WsckfrmTest, ServerDownKeepsTryingEveryTenSecondsThenLogsOnOnTheNewConnection) {
    ctx.load(ctx.wsck);
    sim.network.stopListening(Server, 8000);
    server()->close();
    for (int i = 0; i < 5; ++i) tick(); // refused (10061) each time
    EXPECT_EQ(connectionCount(), 1);
    sim.network.listen(Server, 8000);
    tick();
    ASSERT_EQ(connectionCount(), 2);
    tick();
    EXPECT_EQ(server()->sends().size(), 1u);
}

TEST_F(WsckfrmTest, HalfARecordFromALostConnectionIsNotFinishedByTheNext) {
    ctx.load(ctx.wsck);
    const QByteArray flash = newsFlash(44);
    server()->send(flash.left(60));
    server()->close();
    sim.loop.runPosted();
    tick();
    server()->send(flash.mid(60));
    server()->send(newsFlash(45));
    sim.loop.runPosted();
    EXPECT_EQ(sink.news, QList<int32_t>{45});
}

TEST_F(WsckfrmTest, LoggedInElsewhereClosesAndStopsForGoodWithOneBox) {
    ctx.load(ctx.wsck);
    // The notice wins even with more records behind it in the chunk.
    server()->send(push::ControlRecord::loggedInElsewhere() + newsFlash(3));
    sim.loop.runPosted();
    EXPECT_TRUE(ctx.wsck->stopped());
    EXPECT_TRUE(server()->closedByClient());
    ASSERT_EQ(sim.desktop.messageBoxes().size(), 1u);
    const plat::SimShownBox& box = sim.desktop.messageBoxes()[0];
    EXPECT_EQ(box.text, QStringLiteral("您的账号已在另一个地方登陆，将停止您客户端资源更新"));
    EXPECT_EQ(box.caption, QStringLiteral("Quenra极速版"));
    EXPECT_EQ(box.style, plat::mb::OkOnly);

    for (int i = 0; i < 6; ++i) tick();
    EXPECT_EQ(connectionCount(), 1);
    EXPECT_FALSE(ctx.wsck->Timer1.running());
    EXPECT_EQ(sim.desktop.messageBoxes().size(), 1u);
}

TEST_F(WsckfrmTest, FirstWaitGivesUpAfterFiveSecondsAndTheLogonFollowsOnceConnected) {
    sim.network.setNoAnswer(Server, true);
    ctx.load(ctx.wsck);
    EXPECT_EQ(sim.loop.nowMs(), wsckfrm::FirstConnectWaitMs);
    EXPECT_EQ(ctx.wsck->Winsock1().state(), plat::Socket::Connecting);
    EXPECT_TRUE(ctx.wsck->Timer1.running());

    sim.network.setNoAnswer(Server, false);
    tick(); // still connecting: starts over
    ASSERT_EQ(connectionCount(), 1);
    EXPECT_TRUE(server()->sends().empty());
    tick();
    ASSERT_EQ(server()->sends().size(), 1u);
    EXPECT_EQ(server()->sends()[0], logon("trader@example.com", "pa55", 0));
}

TEST_F(WsckfrmTest, RefusedFirstConnectEndsTheWaitAtOnce) {
    sim.network.stopListening(Server, 8000);
    ctx.load(ctx.wsck);
    EXPECT_EQ(sim.loop.nowMs(), 0);
    sim.network.listen(Server, 8000);
    tick();
    tick();
    ASSERT_EQ(connectionCount(), 1);
    EXPECT_EQ(server()->sends().size(), 1u);
}

} // namespace
