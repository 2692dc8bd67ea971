#pragma once
#include "platform/loop/EventLoop.h"
#include "platform/net/Network.h"
#include <QStringList>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace plat {

class SimSocket;
class SimNetworkConnection;
class SimNetworkUdpPeer;

// An HTTP answer of the simulated network.
struct SimHttpResponse {
    int status = 200;
    QByteArray body;
    bool lengthKnown = true; // false: progress reports an unknown total (-1)
};

// The network for tests: remote hosts are peers that the test scripts. TCP listeners
// accept connections whose far end the test drives (SimNetworkConnection); UDP peers
// record datagrams and answer them (SimNetworkUdpPeer); hosts can be made unreachable.
// Every event reaches a socket through the loop, never inside the call that caused it.
class SimNetwork : public Network {
public:
    explicit SimNetwork(EventLoop& loop);
    ~SimNetwork() override;

    std::unique_ptr<Socket> createSocket() override;
    std::unique_ptr<HttpFetch> createHttpFetch() override;

    // TCP: connections to host:port are accepted while it listens, refused (10061) otherwise.
    void listen(const QString& host, int port);
    void stopListening(const QString& host, int port);
    // Connections to the host fail with 10065 and datagrams to it are lost while on.
    void setUnreachable(const QString& host, bool on);
    // Nothing answers the host while on: connects to it stay pending until closed.
    void setNoAnswer(const QString& host, bool on);
    // Binding this local port fails while on (another program holds it).
    void setLocalPortInUse(int port, bool on);

    // The connections accepted at host:port, oldest first.
    std::vector<SimNetworkConnection*> connections(const QString& host, int port) const;
    // The newest of them; nullptr when none was accepted.
    SimNetworkConnection* lastConnection(const QString& host, int port) const;

    // UDP: the peer at host:port, created on first use (also by a datagram sent to it).
    SimNetworkUdpPeer& udpPeer(const QString& host, int port);

    // HTTP: what a GET of url answers; addresses never served answer 404.
    void serveHttp(const QString& url, SimHttpResponse response);
    const QStringList& httpRequests() const { return httpRequests_; }

    // For the simulated sockets and fetches.
    EventLoop& loop() { return loop_; }
    bool isUnreachable(const QString& host) const { return unreachable_.count(host) > 0; }
    bool isListening(const QString& host, int port) const;
    bool isSilent(const QString& host) const { return silent_.count(host) > 0; }
    bool isLocalPortInUse(int port) const { return portsInUse_.count(port) > 0; }
    SimNetworkConnection& accept(SimSocket& client);
    int ephemeralPort() { return nextEphemeralPort_++; }
    void bindUdp(int localPort, SimSocket& socket);
    void unbindUdp(int localPort, SimSocket& socket);
    void sendDatagram(int fromPort, const QString& host, int port, const QByteArray& bytes);
    // Delivers a datagram to the socket bound at localPort, if any, through the loop.
    void deliverDatagram(int localPort, const QByteArray& bytes);
    SimHttpResponse httpGet(const QString& url);

private:
    using Endpoint = std::pair<QString, int>;

    EventLoop& loop_;
    std::set<Endpoint> listening_;
    std::set<QString> unreachable_;
    std::set<QString> silent_;
    std::set<int> portsInUse_;
    std::map<Endpoint, std::vector<std::unique_ptr<SimNetworkConnection>>> connections_;
    std::map<Endpoint, std::unique_ptr<SimNetworkUdpPeer>> udpPeers_;
    std::map<int, SimSocket*> udpBound_;
    std::map<QString, SimHttpResponse> http_;
    QStringList httpRequests_;
    int nextEphemeralPort_ = 49152;
};

} // namespace plat
