#include "platform/sim/SimSocket.h"
#include "platform/sim/SimNetwork.h"
#include "platform/sim/SimNetworkConnection.h"

namespace plat {

SimSocket::SimSocket(SimNetwork& network) : network_(network), events_(network.loop()) {}

SimSocket::~SimSocket() { close(); }

void SimSocket::connect() {
    // As a real socket: a connect while one is under way or up is ignored.
    if (protocol_ != Protocol::Tcp || (state_ != Closed && state_ != Error)) return;
    events_.dropPending();
    state_ = Connecting;
    events_.post([this] { finishConnect(); });
}

void SimSocket::finishConnect() {
    if (network_.isSilent(remoteHost_)) return;
    if (network_.isUnreachable(remoteHost_)) return fail(HostUnreachable, "No route to host");
    if (!network_.isListening(remoteHost_, remotePort_)) return fail(ConnectionRefused, "Connection refused");
    connection_ = &network_.accept(*this);
    localPort_ = connection_->clientPort();
    state_ = Connected;
    if (auto cb = onConnect) cb();
}

void SimSocket::bind(int localPort) {
    if (protocol_ != Protocol::Udp || state_ == Open) return;
    events_.dropPending();
    localPort_ = localPort;
    if (network_.isLocalPortInUse(localPort)) {
        state_ = Error;
        events_.post([this] {
            if (auto cb = onError) cb(GenericError, "Address already in use");
        });
        return;
    }
    network_.bindUdp(localPort, *this);
    bound_ = true;
    state_ = Open;
}

void SimSocket::close() {
    events_.dropPending();
    if (connection_) connection_->clientClosed();
    connection_ = nullptr;
    if (bound_) network_.unbindUdp(localPort_, *this);
    bound_ = false;
    state_ = Closed;
}

void SimSocket::sendData(const QByteArray& bytes) {
    // A send on a socket that is not up is lost, as the callers expect.
    if (protocol_ == Protocol::Udp)
        network_.sendDatagram(bound_ ? localPort_ : 0, remoteHost_, remotePort_, bytes);
    else if (state_ == Connected && connection_)
        connection_->clientSent(bytes);
}

void SimSocket::peerData(const QByteArray& chunk) {
    if (state_ != Connected && state_ != Open) return;
    if (auto cb = onDataArrival) cb(chunk);
}

void SimSocket::peerClosed() {
    state_ = Closing;
    if (auto cb = onClose) cb();
}

void SimSocket::peerAborted() {
    if (connection_) connection_->clientClosed();
    connection_ = nullptr;
    fail(ConnectionAborted, "Connection is aborted due to timeout or other failure");
}

void SimSocket::fail(int number, const QString& description) {
    state_ = Error;
    if (auto cb = onError) cb(number, description);
}

} // namespace plat
