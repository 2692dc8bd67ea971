#pragma once
#include "platform/net/Socket.h"
#include "platform/sim/SimNetworkQueue.h"

namespace plat {

class SimNetwork;
class SimNetworkConnection;

// A socket control on the simulated network. State follows the control: 6 while
// connecting, 7 connected, 1 bound (UDP), 8 after the peer closed, 9 after an error, 0
// after close().
class SimSocket : public Socket {
public:
    explicit SimSocket(SimNetwork& network);
    ~SimSocket() override;

    void setProtocol(Protocol p) override { protocol_ = p; }
    Protocol protocol() const override { return protocol_; }
    void setRemoteHost(const QString& host) override { remoteHost_ = host; }
    QString remoteHost() const override { return remoteHost_; }
    void setRemotePort(int port) override { remotePort_ = port; }
    int remotePort() const override { return remotePort_; }
    void setLocalPort(int port) override { localPort_ = port; }
    int localPort() const override { return localPort_; }

    void connect() override;
    void bind(int localPort) override;
    void close() override;
    void sendData(const QByteArray& bytes) override;
    int state() const override { return state_; }

    // From the far end, through the loop.
    void peerData(const QByteArray& chunk);
    void peerClosed();
    void peerAborted();

private:
    void finishConnect();
    void fail(int number, const QString& description);

    SimNetwork& network_;
    Protocol protocol_ = Protocol::Tcp;
    QString remoteHost_;
    int remotePort_ = 0;
    int localPort_ = 0;
    int state_ = Closed;
    bool bound_ = false;
    SimNetworkConnection* connection_ = nullptr;
    // Events queued before a close() or a new connect() belong to the old connection.
    SimNetworkQueue events_;
};

} // namespace plat
