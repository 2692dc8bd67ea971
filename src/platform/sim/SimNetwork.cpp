#include "platform/sim/SimNetwork.h"
#include "platform/sim/SimHttpFetch.h"
#include "platform/sim/SimNetworkConnection.h"
#include "platform/sim/SimNetworkUdpPeer.h"
#include "platform/sim/SimSocket.h"

namespace plat {

namespace {
template <class K>
void setMember(std::set<K>& set, const K& key, bool on) {
    if (on)
        set.insert(key);
    else
        set.erase(key);
}
} // namespace

SimNetwork::SimNetwork(EventLoop& loop) : loop_(loop) {}

SimNetwork::~SimNetwork() = default;

std::unique_ptr<Socket> SimNetwork::createSocket() { return std::make_unique<SimSocket>(*this); }

std::unique_ptr<HttpFetch> SimNetwork::createHttpFetch() { return std::make_unique<SimHttpFetch>(*this); }

void SimNetwork::listen(const QString& host, int port) { listening_.insert({host, port}); }

void SimNetwork::stopListening(const QString& host, int port) { listening_.erase({host, port}); }

void SimNetwork::setUnreachable(const QString& host, bool on) { setMember(unreachable_, host, on); }

void SimNetwork::setNoAnswer(const QString& host, bool on) { setMember(silent_, host, on); }

void SimNetwork::setLocalPortInUse(int port, bool on) { setMember(portsInUse_, port, on); }

bool SimNetwork::isListening(const QString& host, int port) const { return listening_.count({host, port}) > 0; }

std::vector<SimNetworkConnection*> SimNetwork::connections(const QString& host, int port) const {
    std::vector<SimNetworkConnection*> out;
    const auto it = connections_.find({host, port});
    if (it != connections_.end())
        for (const auto& c : it->second) out.push_back(c.get());
    return out;
}

SimNetworkConnection* SimNetwork::lastConnection(const QString& host, int port) const {
    const auto all = connections(host, port);
    return all.empty() ? nullptr : all.back();
}

SimNetworkConnection& SimNetwork::accept(SimSocket& client) {
    auto& list = connections_[{client.remoteHost(), client.remotePort()}];
    list.push_back(std::make_unique<SimNetworkConnection>(loop_, client, ephemeralPort()));
    return *list.back();
}

SimNetworkUdpPeer& SimNetwork::udpPeer(const QString& host, int port) {
    auto& peer = udpPeers_[{host, port}];
    if (!peer) peer = std::make_unique<SimNetworkUdpPeer>(*this, host, port);
    return *peer;
}

void SimNetwork::bindUdp(int localPort, SimSocket& socket) { udpBound_[localPort] = &socket; }

void SimNetwork::unbindUdp(int localPort, SimSocket& socket) {
    const auto it = udpBound_.find(localPort);
    if (it != udpBound_.end() && it->second == &socket) udpBound_.erase(it);
}

void SimNetwork::sendDatagram(int fromPort, const QString& host, int port, const QByteArray& bytes) {
    if (isUnreachable(host)) return;
    udpPeer(host, port).receive(fromPort, bytes);
}

void SimNetwork::deliverDatagram(int localPort, const QByteArray& bytes) {
    // Looked up on arrival: a socket that closed meanwhile gets nothing.
    loop_.post([this, localPort, bytes] {
        const auto it = udpBound_.find(localPort);
        if (it != udpBound_.end()) it->second->peerData(bytes);
    });
}

void SimNetwork::serveHttp(const QString& url, SimHttpResponse response) { http_[url] = std::move(response); }

SimHttpResponse SimNetwork::httpGet(const QString& url) {
    httpRequests_.append(url);
    const auto it = http_.find(url);
    if (it != http_.end()) return it->second;
    return SimHttpResponse{404, {}, true};
}

} // namespace plat
