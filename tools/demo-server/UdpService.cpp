#include "UdpService.h"
#include "DemoLog.h"
#include <QNetworkDatagram>

UdpService::UdpService(const QString& name, DemoLog& log) : log_(log), name_(name) {
    connect(&socket_, &QUdpSocket::readyRead, this, &UdpService::readPending);
}

bool UdpService::bind(const QHostAddress& address, quint16 port, QString* error) {
    if (socket_.bind(address, port)) return true;
    *error = QStringLiteral("%1: cannot listen on UDP %2:%3: %4")
                 .arg(name_, address.toString())
                 .arg(port)
                 .arg(socket_.errorString());
    return false;
}

void UdpService::readPending() {
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram in = socket_.receiveDatagram();
        const QString from = QStringLiteral("%1:%2").arg(in.senderAddress().toString()).arg(in.senderPort());
        const QByteArray reply = answer(in.data(), from);
        if (!reply.isEmpty()) socket_.writeDatagram(reply, in.senderAddress(), quint16(in.senderPort()));
    }
}

QByteArray UdpService::ignore(const QByteArray& datagram, const QString& from, const QString& expected) {
    log_.line(QStringLiteral("%1: ignored a datagram of %2 bytes from %3 (not %4)")
                  .arg(name_)
                  .arg(datagram.size())
                  .arg(from, expected));
    return {};
}
