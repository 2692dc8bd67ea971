#pragma once
#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>

class DemoLog;

// A datagram server: every datagram that arrives may get one datagram back, sent to
// where it came from.
class UdpService : public QObject {
public:
    UdpService(const QString& name, DemoLog& log);

    bool bind(const QHostAddress& address, quint16 port, QString* error);
    quint16 port() const { return socket_.localPort(); }

protected:
    // The reply to a datagram, empty for none.
    virtual QByteArray answer(const QByteArray& datagram, const QString& from) = 0;
    // Notes a datagram that is not what the service expects; no reply.
    QByteArray ignore(const QByteArray& datagram, const QString& from, const QString& expected);
    DemoLog& log_;

private:
    void readPending();

    QString name_;
    QUdpSocket socket_;
};
