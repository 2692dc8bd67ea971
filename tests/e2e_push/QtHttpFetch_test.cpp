#include "Wait.h"
#include "platform/qt/QtNetwork.h"
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace {

// Answers a request with a canned response, then closes.
class CannedHttpServer {
public:
    explicit CannedHttpServer(QByteArray response) : response_(std::move(response)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            QTcpSocket* s = server_.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                requests_ += s->readAll();
                if (!requests_.contains("\r\n\r\n")) return;
                s->write(response_);
                s->disconnectFromHost();
            });
        });
    }
    QString url() const { return QString("http://127.0.0.1:%1/spd_update.xml").arg(server_.serverPort()); }
    const QByteArray& requests() const { return requests_; }

private:
    QTcpServer server_;
    QByteArray response_;
    QByteArray requests_;
};

struct Outcome {
    bool done = false;
    bool ok = false;
    QByteArray data;
    QString error;
    QList<qint64> totals;
};

Outcome fetch(plat::QtNetwork& net, const QString& url) {
    Outcome out;
    auto f = net.createHttpFetch();
    f->onProgress = [&](qint64, qint64 total) { out.totals << total; };
    f->onFinished = [&](bool ok, const QByteArray& data, const QString& error) {
        out = Outcome{true, ok, data, error, out.totals};
    };
    f->get(url);
    EXPECT_TRUE(f->running());
    EXPECT_TRUE(waitUntil([&] { return out.done; }));
    EXPECT_FALSE(f->running());
    return out;
}

TEST(QtHttpFetch, GetsTheBodyPastEveryCacheAndFailsOnAnHttpErrorOrARefusedConnection) {
    plat::QtNetwork net;
    CannedHttpServer known("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\nhello");
    const Outcome a = fetch(net, known.url());
    EXPECT_TRUE(a.ok);
    EXPECT_EQ(a.data, "hello");
    ASSERT_FALSE(a.totals.isEmpty());
    EXPECT_EQ(a.totals.last(), 5);
    EXPECT_TRUE(known.requests().contains("Cache-Control: no-cache"));

    CannedHttpServer missing("HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\nConnection: close\r\n\r\ngone");
    const Outcome b = fetch(net, missing.url());
    EXPECT_FALSE(b.ok);
    EXPECT_TRUE(b.error.startsWith("HTTP 404"));
    EXPECT_TRUE(b.data.isEmpty());

    // A server that listened once and has gone: nothing listens on its port.
    const QString gone = CannedHttpServer("").url();
    const Outcome c = fetch(net, gone);
    EXPECT_FALSE(c.ok);
    EXPECT_FALSE(c.error.isEmpty());
}

} // namespace
