#pragma once
#include "DemoClock.h"
#include "DemoLog.h"
#include "DemoOptions.h"
#include "DemoServer.h"
#include "Wait.h"
#include <QByteArray>
#include <QNetworkAccessManager>
#include <QStringList>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <memory>
#include <optional>

// Helpers that talk to a demo server over real loopback sockets. Every wait is bounded:
// it ends when its condition holds or, at the latest, after a generous limit, and the test
// then checks the condition; nothing asserts on how long anything took.
namespace demotest {

// A demo server on ephemeral loopback ports with a data directory of its own, a fixed
// seed, and timers slow enough that the tests drive publishing themselves.
class TestServer {
public:
    TestServer();
    // Starts with the options as adjusted; false (with the reason in error) on failure.
    bool start();
    bool logged(const QString& fragment) const;
    QString url(const QString& path) const;

    QTemporaryDir dir;
    DemoOptions options;
    DemoClock clock;
    DemoLog log{true};
    QStringList lines;
    QString error;
    std::unique_ptr<DemoServer> server;
};

// A push client that cuts the server's stream into whole records by their lengths.
class PushTestClient {
public:
    explicit PushTestClient(quint16 port);

    void send(const QByteArray& bytes);
    void logOn(const QString& account, const QString& password, qint32 highestNewsId = 0);
    // Logs on and waits for the welcome, which ends with a quote batch.
    bool logOnAndWait(const QString& account, const QString& password, qint32 highestNewsId = 0);
    int count(int id) const;
    QList<QByteArray> recordsOf(int id) const;
    bool waitFor(int id, int atLeast = 1);
    bool waitClosed();

    QList<QByteArray> records;

private:
    void readAll();

    QTcpSocket socket_;
    QByteArray pending_;
};

// One datagram to a UDP port and the reply, if one comes.
std::optional<QByteArray> exchange(quint16 port, const QByteArray& datagram);

struct HttpReply {
    int status = 0;
    QByteArray contentType;
    QByteArray body;
};
// GET over loopback; the manager keeps cookies between calls.
HttpReply get(QNetworkAccessManager& manager, const QString& url);

} // namespace demotest
