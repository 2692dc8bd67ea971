#include "platform/sim/SimHttpFetch.h"
#include "platform/sim/SimLoop.h"
#include "platform/sim/SimNetwork.h"
#include "platform/sim/SimNetworkConnection.h"
#include "platform/sim/SimNetworkUdpPeer.h"
#include <gtest/gtest.h>

using plat::Socket;

namespace {

// A socket with every event it raised written down in order.
struct Recorder {
    std::unique_ptr<Socket> socket;
    QStringList events;

    explicit Recorder(std::unique_ptr<Socket> s) : socket(std::move(s)) {
        socket->onConnect = [this] { events << "connect"; };
        socket->onClose = [this] { events << "close"; };
        socket->onError = [this](int n, const QString&) { events << QString("error %1").arg(n); };
        socket->onDataArrival = [this](const QByteArray& b) { events << "data " + b; };
    }
};

class SimNetworkTest : public ::testing::Test {
protected:
    Recorder tcp(const QString& host, int port) {
        Recorder r(net.createSocket());
        r.socket->setRemoteHost(host);
        r.socket->setRemotePort(port);
        return r;
    }
    Recorder udp(int localPort) {
        Recorder r(net.createSocket());
        r.socket->setProtocol(Socket::Protocol::Udp);
        r.socket->setRemoteHost("10.0.0.1");
        r.socket->setRemotePort(12346);
        r.socket->bind(localPort);
        return r;
    }

    plat::SimLoop loop;
    plat::SimNetwork net{loop};
};

TEST_F(SimNetworkTest, PeerCloseAndAbortReachTheClientAsCloseEventAndError10053) {
    net.listen("10.0.0.1", 8000);
    Recorder a = tcp("10.0.0.1", 8000);
    Recorder b = tcp("10.0.0.1", 8000);
    a.socket->connect();
    b.socket->connect();
    loop.runPosted();
    auto conns = net.connections("10.0.0.1", 8000);
    ASSERT_EQ(conns.size(), 2u);

    conns[0]->close();
    conns[1]->abort();
    loop.runPosted();
    EXPECT_EQ(a.events.last(), "close");
    EXPECT_EQ(a.socket->state(), Socket::Closing);
    EXPECT_EQ(b.events.last(), "error 10053");
    EXPECT_EQ(b.socket->state(), Socket::Error);

    // The closed connection takes no more bytes either way.
    a.socket->sendData("late");
    conns[0]->send("late");
    loop.runPosted();
    EXPECT_TRUE(conns[0]->received().isEmpty());
    EXPECT_EQ(a.events.last(), "close");
    a.socket->close();
    EXPECT_EQ(a.socket->state(), Socket::Closed);
}

TEST_F(SimNetworkTest, FailedConnectsReportRefusedOrUnreachable) {
    Recorder refused = tcp("10.0.0.1", 8000);
    refused.socket->connect();
    net.setUnreachable("10.0.0.9", true);
    Recorder unreachable = tcp("10.0.0.9", 8000);
    unreachable.socket->connect();
    loop.runPosted();
    EXPECT_EQ(refused.events, QStringList{"error 10061"});
    EXPECT_EQ(unreachable.events, QStringList{"error 10065"});
    EXPECT_EQ(refused.socket->state(), Socket::Error);

    // After the failure a connect is allowed again and succeeds once the peer listens.
    net.listen("10.0.0.1", 8000);
    refused.socket->connect();
    loop.runPosted();
    EXPECT_EQ(refused.socket->state(), Socket::Connected);
}

TEST_F(SimNetworkTest, EventsQueuedBeforeACloseOrReconnectNeverArrive) {
    net.listen("10.0.0.1", 8000);
    Recorder c = tcp("10.0.0.1", 8000);
    c.socket->connect();
    // Nothing happens inside the call: the connect completes through the loop.
    EXPECT_EQ(c.socket->state(), Socket::Connecting);
    EXPECT_TRUE(c.events.isEmpty());
    loop.runPosted();
    plat::SimNetworkConnection* first = net.lastConnection("10.0.0.1", 8000);
    first->send("old");
    first->close();
    c.socket->close();
    c.socket->connect();
    loop.runPosted();
    EXPECT_EQ(c.events, (QStringList{"connect", "connect"}));
    EXPECT_TRUE(first->closedByClient());
    EXPECT_FALSE(first->isOpen());

    // A socket destroyed with events still queued is simply not called.
    net.lastConnection("10.0.0.1", 8000)->send("gone");
    c.socket.reset();
    loop.runPosted();
    EXPECT_EQ(c.events.size(), 2);
}

TEST_F(SimNetworkTest, UdpDatagramsAreRecordedAndAnsweredToTheBoundPort) {
    plat::SimNetworkUdpPeer& peer = net.udpPeer("10.0.0.1", 12346);
    peer.onDatagram = [&](const QByteArray& b) { peer.reply("re:" + b); };
    Recorder c = udp(5007);
    EXPECT_EQ(c.socket->state(), Socket::Open);
    c.socket->sendData("one");
    c.socket->sendData("two");
    ASSERT_EQ(peer.datagrams().size(), 2u);
    EXPECT_EQ(peer.datagrams()[0].fromPort, 5007);
    loop.runPosted();
    EXPECT_EQ(c.events, (QStringList{"data re:one", "data re:two"}));

    // A closed socket receives nothing; a reply queued before the close is lost.
    peer.reply("late");
    c.socket->close();
    loop.runPosted();
    EXPECT_EQ(c.events.size(), 2);
}

TEST_F(SimNetworkTest, CancelledFetchReportsNothingMore) {
    net.serveHttp("http://files/a", {200, QByteArray(plat::SimHttpFetch::PieceBytes * 3, 'x')});
    auto fetch = net.createHttpFetch();
    int progressEvents = 0;
    bool finished = false;
    fetch->onProgress = [&](qint64, qint64) {
        ++progressEvents;
        fetch->cancel();
    };
    fetch->onFinished = [&](bool, const QByteArray&, const QString&) { finished = true; };
    fetch->get("http://files/a");
    loop.runPosted();
    EXPECT_EQ(progressEvents, 1);
    EXPECT_FALSE(finished);
    EXPECT_FALSE(fetch->running());
}

} // namespace
