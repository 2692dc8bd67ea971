#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

namespace plat {

class SimNetwork;

// A UDP endpoint of the simulated network: records the datagrams sent to it and answers
// them as the test says.
class SimNetworkUdpPeer {
public:
    struct Datagram {
        int fromPort;
        QByteArray bytes;
    };

    SimNetworkUdpPeer(SimNetwork& network, QString host, int port);

    const std::vector<Datagram>& datagrams() const { return datagrams_; }
    void clear() { datagrams_.clear(); }

    // Called through the loop for each datagram that reaches the peer; may reply().
    std::function<void(const QByteArray& bytes)> onDatagram;

    // Answers the sender of the latest datagram.
    void reply(const QByteArray& bytes);
    // Sends to whichever socket is bound at localPort.
    void sendTo(int localPort, const QByteArray& bytes);

    // From the network.
    void receive(int fromPort, const QByteArray& bytes);

private:
    SimNetwork& network_;
    QString host_;
    int port_;
    std::vector<Datagram> datagrams_;
};

} // namespace plat
