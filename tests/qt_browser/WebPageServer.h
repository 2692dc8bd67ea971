#pragma once
#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>

namespace browsertest {

// A web server on loopback that answers every request with one page, for the browser's
// handling of pages that are not the program's own.
class WebPageServer {
public:
    explicit WebPageServer(QByteArray html) : html_(std::move(html)) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] { answer(s); });
                QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
    QString url(const char* path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(QLatin1String(path));
    }

private:
    void answer(QTcpSocket* s) {
        if (!s->readAll().contains("\r\n\r\n")) return;
        s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nConnection: close\r\nContent-Length: " +
                 QByteArray::number(html_.size()) + "\r\n\r\n" + html_);
        s->disconnectFromHost();
    }

    QByteArray html_;
    QTcpServer server_;
};

} // namespace browsertest
