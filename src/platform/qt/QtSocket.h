#pragma once
#include "platform/net/Socket.h"
#include <QAbstractSocket>
#include <QHostAddress>
#include <memory>
#include <optional>

namespace plat {

// A socket control on QTcpSocket / QUdpSocket, used on the user-interface thread. The
// control's states and error numbers are derived from Qt's: 6 connecting, 7 connected,
// 1 bound, 8 after the peer closed and 9 after an error (both until close() or a new
// connect()), 0 closed.
class QtSocket : public Socket {
public:
    QtSocket();
    ~QtSocket() override;

    void setProtocol(Protocol p) override;
    Protocol protocol() const override { return protocol_; }
    void setRemoteHost(const QString& host) override { remoteHost_ = host; }
    QString remoteHost() const override { return remoteHost_; }
    void setRemotePort(int port) override { remotePort_ = port; }
    int remotePort() const override { return remotePort_; }
    void setLocalPort(int port) override { localPort_ = port; }
    int localPort() const override;

    void connect() override;
    void bind(int localPort) override;
    void close() override;
    void sendData(const QByteArray& bytes) override;
    int state() const override;

private:
    // The error number a Qt socket error stands for; 0 when it is the peer's orderly close.
    static int errorNumber(QAbstractSocket::SocketError error, bool wasConnected, bool unsentData);

    // One Qt socket per protocol; replaced when the protocol changes.
    void makeSocket();
    void discardSocket();
    void readAll();
    bool drainTcp();
    void qtError(QAbstractSocket::SocketError error);
    void reportError(QAbstractSocket::SocketError error);
    QHostAddress remoteAddress();
    template <class F, class... A>
    static void fire(const F& handler, const A&... args);

    Protocol protocol_ = Protocol::Tcp;
    QString remoteHost_;
    QHostAddress resolved_;
    QString resolvedFrom_;
    int remotePort_ = 0;
    int localPort_ = 0;
    // After the peer's close (8) or an error (9) the control keeps that state until closed,
    // where Qt's socket has gone back to unconnected.
    int afterState_ = Closed;
    bool wasConnected_ = false;
    // Counts close() and connect(): a handler that did either ends the reading in progress.
    int epoch_ = 0;
    // A data handler is running; an error meanwhile waits in pendingError_.
    bool reading_ = false;
    std::optional<QAbstractSocket::SocketError> pendingError_;
    QAbstractSocket* socket_ = nullptr;
    std::shared_ptr<char> alive_ = std::make_shared<char>();
};

} // namespace plat
