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
    // News ids and quote symbols in the order they came.
    QStringList items;
    void Get_allMsg(const QString&, const QString&, const QString&, int32_t id, uint8_t) override {
        items << QString::number(id);
    }
    void quot_center(const QString& symbol, const QString&, const QString&) override { items << symbol; }
    void GetInfo_DownCalendar(int16_t, const QString&, const QString&) override {}
    void GetInfo_UpdateCalendar(int16_t, const QString&, const QString&) override {}
};

QByteArray newsFlash(int32_t id) {
    return push::NewsFlashRecord{"000", QStringLiteral("美联储维持利率不变"), id, "2024-01-08 09:30:00"}.build();
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
    return push::PushLogonRecord{account, password, highest}.build();
}

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
    // The next tick connects (the connection-th so far) and the one after logs on, once.
    void expectNewSession(int connection) {
        tick();
        ASSERT_EQ(connectionCount(), connection);
        EXPECT_TRUE(server()->isOpen());
        EXPECT_TRUE(server()->sends().empty());
        tick();
        ASSERT_EQ(server()->sends().size(), 1u);
        EXPECT_EQ(server()->sends()[0], logon("trader@example.com", "pa55", 0));
        tick();
        EXPECT_EQ(server()->sends().size(), 1u);
    }

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
    EXPECT_EQ(sink.items, (QStringList{"120", "90"}));
    EXPECT_EQ(ctx.HighestNewsId, 120);
    ASSERT_EQ(server()->sends().size(), 2u);
    EXPECT_EQ(server()->sends()[1], push::HeartbeatAnswerRecord{120}.build());

    ctx.unload(ctx.wsck);
    EXPECT_TRUE(server()->closedByClient());
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

TEST_F(WsckfrmTest, RecordsNobodyTakesAreDroppedWithOneLogLine) {
    // Those still waiting when the session unloads.
    ctx.load(ctx.wsck);
    sim.loop.runPosted();
    server()->send(flashes(1, PacedPushSink::ItemsPerTurn + 10));
    sim.loop.pumpMessages();
    ctx.unload(ctx.wsck);
    sim.loop.runPosted();
    EXPECT_EQ(sink.items.size(), PacedPushSink::ItemsPerTurn);
    EXPECT_EQ(sim.log.lines().filter("dropped").size(), 1);

    // All of them without a main window; they are still decoded.
    ctx.pushSink = nullptr;
    ctx.load(ctx.wsck);
    server()->send(newsFlash(500));
    server()->send(newsFlash(501));
    sim.loop.runPosted();
    EXPECT_EQ(ctx.HighestNewsId, 501);
    EXPECT_EQ(sim.log.lines().filter("dropped").size(), 2);
}

// However the connection is lost, the keep-alive tick makes a new one and logs on again.
TEST_F(WsckfrmTest, ALostConnectionIsMadeAgainAtTheNextTickAndLoggedOnAtTheOneAfter) {
    ctx.load(ctx.wsck);
    server()->close(); // by the peer, without an error
    sim.loop.runPosted();
    EXPECT_EQ(ctx.wsck->Winsock1().state(), plat::Socket::Closed);
    expectNewSession(2);
    // Probes on the new connection are still answered.
    server()->send(push::ControlRecord::heartbeatProbe());
    sim.loop.runPosted();
    EXPECT_EQ(server()->sends().size(), 2u);

    server()->abort(); // 10053
    sim.loop.runPosted();
    expectNewSession(3);

    // The server's host drops off the network for a while (10065), then comes back.
    sim.network.setUnreachable(Server, true);
    server()->close();
    tick();
    tick();
    EXPECT_EQ(connectionCount(), 3);
    sim.network.setUnreachable(Server, false);
    expectNewSession(4);

    // The server is down for a while: every attempt is refused (10061).
    sim.network.stopListening(Server, 8000);
    server()->close();
    for (int i = 0; i < 5; ++i) tick();
    EXPECT_EQ(connectionCount(), 4);
    sim.network.listen(Server, 8000);
    expectNewSession(5);
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
    EXPECT_EQ(sink.items, QStringList{"45"});
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
    EXPECT_EQ(sim.desktop.messageBoxes().size(), 1u);
}

// The load waits for the first connection, five seconds at the most, and not at all once refused.
TEST_F(WsckfrmTest, TheFirstConnectIsWaitedForFiveSecondsAtMostAndTheLogonFollowsOnceConnected) {
    sim.network.stopListening(Server, 8000);
    ctx.load(ctx.wsck);
    EXPECT_EQ(sim.loop.nowMs(), 0);
    sim.network.listen(Server, 8000);
    expectNewSession(1);

    ctx.unload(ctx.wsck);
    sim.network.setNoAnswer(Server, true);
    const qint64 before = sim.loop.nowMs();
    ctx.load(ctx.wsck);
    EXPECT_EQ(sim.loop.nowMs() - before, wsckfrm::FirstConnectWaitMs);
    EXPECT_EQ(ctx.wsck->Winsock1().state(), plat::Socket::Connecting);
    EXPECT_TRUE(ctx.wsck->Timer1.running());
    sim.network.setNoAnswer(Server, false);
    expectNewSession(2); // the tick finds it still connecting and starts over
}

} // namespace
