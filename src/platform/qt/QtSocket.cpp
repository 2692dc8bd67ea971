#include "platform/qt/QtSocket.h"
#include <QHostInfo>
#include <QNetworkDatagram>
#include <QSignalBlocker>
#include <QTcpSocket>
#include <QUdpSocket>
#include <exception>
#include <utility>

namespace plat {

QtSocket::QtSocket() { makeSocket(); }

QtSocket::~QtSocket() { discardSocket(); }

void QtSocket::setProtocol(Protocol p) {
    if (p == protocol_) return;
    discardSocket();
    protocol_ = p;
    afterState_ = Closed;
    makeSocket();
}

void QtSocket::makeSocket() {
    if (protocol_ == Protocol::Tcp)
        socket_ = new QTcpSocket;
    else
        socket_ = new QUdpSocket;
    QObject::connect(socket_, &QAbstractSocket::connected, socket_, [this] {
        wasConnected_ = true;
        fire(onConnect);
    });
    QObject::connect(socket_, &QAbstractSocket::readyRead, socket_, [this] { readAll(); });
    QObject::connect(socket_, &QAbstractSocket::errorOccurred, socket_,
                     [this](QAbstractSocket::SocketError e) { qtError(e); });
}

void QtSocket::discardSocket() {
    if (!socket_) return;
    socket_->disconnect();
    socket_->abort();
    // Later: this may run inside one of the socket's own signals.
    socket_->deleteLater();
    socket_ = nullptr;
}

int QtSocket::localPort() const {
    if (socket_ && socket_->state() != QAbstractSocket::UnconnectedState) return socket_->localPort();
    return localPort_;
}

void QtSocket::connect() {
    if (protocol_ != Protocol::Tcp || (state() != Closed && state() != Error)) return;
    ++epoch_;
    afterState_ = Closed;
    wasConnected_ = false;
    static_cast<QTcpSocket*>(socket_)->connectToHost(remoteHost_, static_cast<quint16>(remotePort_));
}

void QtSocket::bind(int localPort) {
    if (protocol_ != Protocol::Udp || state() == Open) return;
    afterState_ = Closed;
    localPort_ = localPort;
    // Shared, so that a second copy of the program or a quick restart can bind it too.
    const bool ok = socket_->bind(QHostAddress::AnyIPv4, static_cast<quint16>(localPort),
                                  QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint);
    if (!ok && afterState_ != Error) {
        afterState_ = Error;
        fire(onError, GenericError, socket_->errorString());
    }
}

void QtSocket::close() {
    ++epoch_;
    afterState_ = Closed;
    wasConnected_ = false;
    // Our own close raises no events.
    const QSignalBlocker quiet(socket_);
    // What was sent goes to the system first; the system delivers it before the FIN.
    socket_->flush();
    socket_->abort();
}

void QtSocket::sendData(const QByteArray& bytes) {
    // A send on a socket that is not up is lost, as the callers expect.
    if (protocol_ == Protocol::Tcp) {
        if (socket_->state() == QAbstractSocket::ConnectedState) socket_->write(bytes);
        return;
    }
    const QHostAddress to = remoteAddress();
    if (!to.isNull()) static_cast<QUdpSocket*>(socket_)->writeDatagram(bytes, to, static_cast<quint16>(remotePort_));
}

QHostAddress QtSocket::remoteAddress() {
    if (resolvedFrom_ == remoteHost_) return resolved_;
    resolvedFrom_ = remoteHost_;
    resolved_ = QHostAddress(remoteHost_);
    if (resolved_.isNull()) {
        // A name rather than an address: looked up once, as the control does.
        for (const QHostAddress& a : QHostInfo::fromName(remoteHost_).addresses()) {
            if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                resolved_ = a;
                break;
            }
        }
    }
    return resolved_;
}

int QtSocket::state() const {
    switch (socket_->state()) {
    case QAbstractSocket::UnconnectedState:
        return afterState_;
    case QAbstractSocket::HostLookupState:
        return ResolvingHost;
    case QAbstractSocket::ConnectingState:
        return Connecting;
    case QAbstractSocket::ConnectedState:
        return Connected;
    case QAbstractSocket::BoundState:
        return Open;
    case QAbstractSocket::ListeningState:
        return Listening;
    case QAbstractSocket::ClosingState:
        return Closing;
    }
    return afterState_;
}

void QtSocket::readAll() {
    if (protocol_ == Protocol::Tcp) {
        if (drainTcp() && pendingError_) reportError(*std::exchange(pendingError_, std::nullopt));
        return;
    }
    // One event per datagram; a handler may close or destroy this control meanwhile.
    auto* udp = static_cast<QUdpSocket*>(socket_);
    const std::weak_ptr<char> alive = alive_;
    while (udp->state() == QAbstractSocket::BoundState && udp->hasPendingDatagrams()) {
        fire(onDataArrival, udp->receiveDatagram().data());
        if (alive.expired() || socket_ != udp) return;
    }
}

// Qt raises no second readyRead while a data handler runs the event loop (a message box, a
// wait for a page): what came meanwhile is read when the handler is done, in order. False
// when a handler closed, replaced or destroyed the control.
bool QtSocket::drainTcp() {
    if (reading_) return true; // the reading in progress goes on
    const std::weak_ptr<char> alive = alive_;
    QAbstractSocket* const tcp = socket_;
    const int epoch = epoch_;
    reading_ = true;
    while (tcp->bytesAvailable() > 0) {
        fire(onDataArrival, tcp->readAll());
        if (alive.expired()) return false;
        if (socket_ != tcp || epoch_ != epoch) {
            reading_ = false;
            pendingError_.reset();
            return false;
        }
    }
    reading_ = false;
    return true;
}

// The peer's last bytes come before its close, also when the close comes while a data
// handler runs the event loop: then it waits until that handler is done.
void QtSocket::qtError(QAbstractSocket::SocketError error) {
    if (protocol_ == Protocol::Tcp) {
        if (reading_) {
            pendingError_ = error;
            return;
        }
        if (!drainTcp()) return;
        pendingError_.reset();
    }
    reportError(error);
}

void QtSocket::reportError(QAbstractSocket::SocketError error) {
    const int number = errorNumber(error, wasConnected_, socket_->bytesToWrite() > 0);
    if (number == 0) {
        afterState_ = Closing;
        fire(onClose);
        return;
    }
    afterState_ = Error;
    fire(onError, number, socket_->errorString());
}

int QtSocket::errorNumber(QAbstractSocket::SocketError error, bool wasConnected, bool unsentData) {
    switch (error) {
    case QAbstractSocket::RemoteHostClosedError:
        // Qt reports the peer's close and its reset alike; a reset is what leaves our
        // unsent bytes behind.
        return unsentData ? ConnectionAborted : 0;
    case QAbstractSocket::ConnectionRefusedError:
        return ConnectionRefused;
    case QAbstractSocket::HostNotFoundError:
        return HostUnreachable;
    case QAbstractSocket::NetworkError:
    case QAbstractSocket::SocketTimeoutError:
        // Unreachable host or network while connecting; a broken connection once up.
        return wasConnected ? ConnectionAborted : HostUnreachable;
    default:
        return GenericError;
    }
}

template <class F, class... A>
void QtSocket::fire(const F& handler, const A&... args) {
    // A copy: the handler may destroy this control. No exception may unwind through Qt.
    const F cb = handler;
    if (!cb) return;
    try {
        cb(args...);
    } catch (const std::exception& e) {
        qWarning("Unhandled error in a socket event handler: %s", e.what());
    }
}

} // namespace plat
