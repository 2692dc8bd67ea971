#include "platform/sim/SimNetworkUdpPeer.h"
#include "platform/sim/SimNetwork.h"

namespace plat {

SimNetworkUdpPeer::SimNetworkUdpPeer(SimNetwork& network, QString host, int port)
    : network_(network), host_(std::move(host)), port_(port) {}

void SimNetworkUdpPeer::reply(const QByteArray& bytes) {
    if (!datagrams_.empty()) sendTo(datagrams_.back().fromPort, bytes);
}

void SimNetworkUdpPeer::sendTo(int localPort, const QByteArray& bytes) { network_.deliverDatagram(localPort, bytes); }

void SimNetworkUdpPeer::receive(int fromPort, const QByteArray& bytes) {
    datagrams_.push_back({fromPort, bytes});
    network_.loop().post([this, bytes] {
        if (onDatagram) onDatagram(bytes);
    });
}

} // namespace plat
