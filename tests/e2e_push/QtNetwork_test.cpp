#include "Wait.h"
#include "platform/qt/QtNetwork.h"
#include <QTcpServer>
#include <QTcpSocket>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <gtest/gtest.h>
#include <memory>

using plat::Socket;

namespace {

// A socket with every event it raised written down in order.
struct Recorder {
    std::unique_ptr<Socket> socket;
    QStringList events;
    QByteArray data;

    explicit Recorder(std::unique_ptr<Socket> s) : socket(std::move(s)) {
        socket->onConnect = [this] { events << "connect"; };
        socket->onClose = [this] { events << "close"; };
        socket->onError = [this](int n, const QString&) { events << QString("error %1").arg(n); };
        socket->onDataArrival = [this](const QByteArray& b) {
            events << "data";
            data += b;
        };
    }
};

quint16 unusedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// A recorded client connected to a local server; the server's side of the connection.
struct LocalConnection {
    plat::QtNetwork net;
    QTcpServer server;
    Recorder c{net.createSocket()};
    QTcpSocket* peer = nullptr;

    bool open() {
        if (!server.listen(QHostAddress::LocalHost, 0)) return false;
        c.socket->setRemoteHost("127.0.0.1");
        c.socket->setRemotePort(server.serverPort());
        c.socket->connect();
        if (!waitUntil([&] { return c.socket->state() == Socket::Connected && server.hasPendingConnections(); }))
            return false;
        peer = server.nextPendingConnection();
        return true;
    }
};

TEST(QtSocket, TcpConnectsCarriesBytesAndReportsThePeersClose) {
    LocalConnection link;
    ASSERT_TRUE(link.open());
    Recorder& c = link.c;
    QTcpSocket* peer = link.peer;
    EXPECT_EQ(c.events, QStringList{"connect"});

    c.socket->sendData("logon");
    QByteArray got;
    ASSERT_TRUE(waitUntil([&] { return (got += peer->readAll()).size() >= 5; }));
    EXPECT_EQ(got, "logon");
    peer->write("news");
    ASSERT_TRUE(waitUntil([&] { return c.data == "news"; }));

    peer->disconnectFromHost();
    ASSERT_TRUE(waitUntil([&] { return c.events.contains("close"); }));
    EXPECT_EQ(c.events.filter("error").size(), 0);
    EXPECT_EQ(c.socket->state(), Socket::Closing);
    c.socket->close();
    EXPECT_EQ(c.socket->state(), Socket::Closed);
}

// A data handler that runs the event loop (a message box) while the peer sends its last
// bytes and closes: nothing is lost, and the close comes after them and after the handler.
TEST(QtSocket, BytesAndACloseThatComeWhileAHandlerRunsTheLoopFollowInOrder) {
    LocalConnection link;
    ASSERT_TRUE(link.open());
    Recorder& c = link.c;
    QTcpSocket* peer = link.peer;
    bool handlerDone = false;
    c.socket->onDataArrival = [&](const QByteArray& b) {
        c.events << "data";
        c.data += b;
        if (c.data != "first") return;
        peer->write("second");
        peer->disconnectFromHost();
        waitUntil([&] { return c.socket->state() != Socket::Connected; }, 2000);
        runLoopFor(200);
        handlerDone = true;
    };
    peer->write("first");
    ASSERT_TRUE(waitUntil([&] { return c.events.contains("close"); }));
    EXPECT_TRUE(handlerDone);
    EXPECT_EQ(c.data, "firstsecond");
    EXPECT_EQ(c.events, (QStringList{"connect", "data", "data", "close"}));
}

TEST(QtSocket, RefusedConnectIs10061AndLeavesStateError) {
    plat::QtNetwork net;
    Recorder c(net.createSocket());
    c.socket->setRemoteHost("127.0.0.1");
    c.socket->setRemotePort(unusedPort());
    c.socket->connect();
    ASSERT_TRUE(waitUntil([&] { return !c.events.isEmpty(); }));
    EXPECT_EQ(c.events, QStringList{"error 10061"});
    EXPECT_EQ(c.socket->state(), Socket::Error);
}

TEST(QtSocket, UdpSendsOneDatagramPerCallAndRaisesOneEventPerDatagram) {
    plat::QtNetwork net;
    QUdpSocket peer;
    ASSERT_TRUE(peer.bind(QHostAddress::LocalHost, 0));
    Recorder c(net.createSocket());
    c.socket->setProtocol(Socket::Protocol::Udp);
    c.socket->setRemoteHost("127.0.0.1");
    c.socket->setRemotePort(peer.localPort());
    const quint16 local = unusedPort();
    c.socket->bind(local);
    ASSERT_EQ(c.socket->state(), Socket::Open);
    EXPECT_EQ(c.socket->localPort(), local);

    c.socket->sendData("request");
    ASSERT_TRUE(waitUntil([&] { return peer.hasPendingDatagrams(); }));
    const QNetworkDatagram d = peer.receiveDatagram();
    EXPECT_EQ(d.data(), "request");
    EXPECT_EQ(d.senderPort(), local);
    peer.writeDatagram("one", QHostAddress::LocalHost, local);
    peer.writeDatagram("two", QHostAddress::LocalHost, local);
    ASSERT_TRUE(waitUntil([&] { return c.events.size() == 2; }));
    EXPECT_EQ(c.data, "onetwo");
}

TEST(QtSocket, AHandlerMayDestroyItsOwnSocket) {
    plat::QtNetwork net;
    QUdpSocket peer;
    ASSERT_TRUE(peer.bind(QHostAddress::LocalHost, 0));
    auto socket = net.createSocket();
    socket->setProtocol(Socket::Protocol::Udp);
    const quint16 local = unusedPort();
    socket->bind(local);
    int events = 0;
    socket->onDataArrival = [&](const QByteArray&) {
        ++events;
        socket.reset();
    };
    peer.writeDatagram("one", QHostAddress::LocalHost, local);
    peer.writeDatagram("two", QHostAddress::LocalHost, local);
    ASSERT_TRUE(waitUntil([&] { return !socket; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(events, 1);
}

} // namespace
