#include "platform/sim/SimNetworkConnection.h"
#include "platform/sim/SimSocket.h"

namespace plat {

SimNetworkConnection::SimNetworkConnection(EventLoop& loop, SimSocket& client, int clientPort)
    : loop_(loop), client_(&client), clientPort_(clientPort) {}

void SimNetworkConnection::clearReceived() {
    received_.clear();
    sends_.clear();
}

void SimNetworkConnection::send(const QByteArray& chunk) {
    if (!isOpen()) return;
    toClient([chunk](SimSocket& s) { s.peerData(chunk); });
}

void SimNetworkConnection::close() {
    if (!isOpen()) return;
    serverDone_ = true;
    toClient([](SimSocket& s) { s.peerClosed(); });
}

void SimNetworkConnection::abort() {
    if (!isOpen()) return;
    serverDone_ = true;
    toClient([](SimSocket& s) { s.peerAborted(); });
}

void SimNetworkConnection::clientSent(const QByteArray& bytes) {
    if (serverDone_) return;
    received_ += bytes;
    sends_.push_back(bytes);
}

void SimNetworkConnection::clientClosed() {
    client_ = nullptr;
    clientClosed_ = true;
}

void SimNetworkConnection::toClient(std::function<void(SimSocket&)> fn) {
    // The connection lives as long as the network; the client may close or go meanwhile.
    loop_.post([this, fn = std::move(fn)] {
        if (client_) fn(*client_);
    });
}

} // namespace plat
