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

// A client socket with every event it raised written down in order; for TCP, a local
// server to connect it to.
class QtSocket : public ::testing::Test {
protected:
    QtSocket() {
        socket->onConnect = [this] { events << "connect"; };
        socket->onClose = [this] { events << "close"; };
        socket->onError = [this](int n, const QString&) { events << QString("error %1").arg(n); };
        socket->onDataArrival = [this](const QByteArray& b) {
            events << "data";
            data += b;
        };
    }
    // Connects the client to the server; peer is the server's side of the connection.
    bool openTcp() {
        if (!server.listen(QHostAddress::LocalHost, 0)) return false;
        socket->setRemoteHost("127.0.0.1");
        socket->setRemotePort(server.serverPort());
        socket->connect();
        if (!waitUntil([&] { return socket->state() == Socket::Connected && server.hasPendingConnections(); }))
            return false;
        peer = server.nextPendingConnection();
        return true;
    }
    static quint16 unusedPort() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort();
    }

    plat::QtNetwork net;
    std::unique_ptr<Socket> socket = net.createSocket();
    QStringList events;
    QByteArray data;
    QTcpServer server;
    QTcpSocket* peer = nullptr;
};

// The same socket connects after a refusal, as the push session's does while the server is down.
TEST_F(QtSocket, TcpRefusedIs10061ThenConnectsCarriesBytesAndReportsThePeersClose) {
    socket->setRemoteHost("127.0.0.1");
    socket->setRemotePort(unusedPort());
    socket->connect();
    ASSERT_TRUE(waitUntil([&] { return !events.isEmpty(); }));
    EXPECT_EQ(events, QStringList{"error 10061"});
    EXPECT_EQ(socket->state(), Socket::Error);
    ASSERT_TRUE(openTcp());
    EXPECT_EQ(events, (QStringList{"error 10061", "connect"}));

    socket->sendData("logon");
    QByteArray got;
    ASSERT_TRUE(waitUntil([&] { return (got += peer->readAll()).size() >= 5; }));
    EXPECT_EQ(got, "logon");
    peer->write("news");
    ASSERT_TRUE(waitUntil([&] { return data == "news"; }));

    peer->disconnectFromHost();
    ASSERT_TRUE(waitUntil([&] { return events.contains("close"); }));
    EXPECT_EQ(events.filter("error").size(), 1) << "the refusal only";
    EXPECT_EQ(socket->state(), Socket::Closing);
    socket->close();
    EXPECT_EQ(socket->state(), Socket::Closed);
}

// A data handler that runs the event loop (a message box) while the peer sends its last
// bytes and closes: nothing is lost, and the close comes after them and after the handler.
TEST_F(QtSocket, BytesAndACloseThatComeWhileAHandlerRunsTheLoopFollowInOrder) {
    ASSERT_TRUE(openTcp());
    bool handlerDone = false;
    socket->onDataArrival = [&](const QByteArray& b) {
        events << "data";
        data += b;
        if (data != "first") return;
        peer->write("second");
        peer->disconnectFromHost();
        waitUntil([&] { return socket->state() != Socket::Connected; }, 2000);
        runLoopFor(200);
        handlerDone = true;
    };
    peer->write("first");
    ASSERT_TRUE(waitUntil([&] { return events.contains("close"); }));
    EXPECT_TRUE(handlerDone);
    EXPECT_EQ(data, "firstsecond");
    EXPECT_EQ(events, (QStringList{"connect", "data", "data", "close"}));
}

TEST_F(QtSocket, UdpSendsOneDatagramPerCallRaisesOneEventPerDatagramAndAHandlerMayDestroyItsSocket) {
    QUdpSocket udp;
    ASSERT_TRUE(udp.bind(QHostAddress::LocalHost, 0));
    socket->setProtocol(Socket::Protocol::Udp);
    socket->setRemoteHost("127.0.0.1");
    socket->setRemotePort(udp.localPort());
    const quint16 local = unusedPort();
    socket->bind(local);
    ASSERT_EQ(socket->state(), Socket::Open);
    EXPECT_EQ(socket->localPort(), local);

    socket->sendData("request");
    ASSERT_TRUE(waitUntil([&] { return udp.hasPendingDatagrams(); }));
    const QNetworkDatagram d = udp.receiveDatagram();
    EXPECT_EQ(d.data(), "request");
    EXPECT_EQ(d.senderPort(), local);
    udp.writeDatagram("one", QHostAddress::LocalHost, local);
    udp.writeDatagram("two", QHostAddress::LocalHost, local);
    ASSERT_TRUE(waitUntil([&] { return events.size() == 2; }));
    EXPECT_EQ(data, "onetwo");

    // A handler that destroys the socket at the first of two datagrams sees no second.
    int calls = 0;
    socket->onDataArrival = [&](const QByteArray&) {
        ++calls;
        socket.reset();
    };
    udp.writeDatagram("three", QHostAddress::LocalHost, local);
    udp.writeDatagram("four", QHostAddress::LocalHost, local);
    ASSERT_TRUE(waitUntil([&] { return !socket; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
}

} // namespace
