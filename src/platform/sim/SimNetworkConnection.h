#pragma once
#include "platform/loop/EventLoop.h"
#include <QByteArray>
#include <functional>
#include <vector>

namespace plat {

class SimSocket;

// The server's end of one accepted TCP connection of the simulated network: what the
// client sent, and what the test makes the server do.
class SimNetworkConnection {
public:
    SimNetworkConnection(EventLoop& loop, SimSocket& client, int clientPort);
    SimNetworkConnection(const SimNetworkConnection&) = delete;
    SimNetworkConnection& operator=(const SimNetworkConnection&) = delete;

    // Every byte the client sent, and each of its sends apart.
    const QByteArray& received() const { return received_; }
    const std::vector<QByteArray>& sends() const { return sends_; }
    void clearReceived();
    int clientPort() const { return clientPort_; }

    // True until either end has closed or aborted the connection.
    bool isOpen() const { return client_ != nullptr && !serverDone_; }
    bool closedByClient() const { return clientClosed_; }

    // One data-arrival event at the client per call, so a test chooses every split.
    void send(const QByteArray& chunk);
    // The server's orderly close: the client sees its close event.
    void close();
    // The connection breaks: the client sees error 10053.
    void abort();

    // From the client socket.
    void clientSent(const QByteArray& bytes);
    void clientClosed();

private:
    // Runs fn at the client through the loop, unless the client is gone by then.
    void toClient(std::function<void(SimSocket&)> fn);

    EventLoop& loop_;
    SimSocket* client_;
    int clientPort_;
    bool serverDone_ = false;
    bool clientClosed_ = false;
    QByteArray received_;
    std::vector<QByteArray> sends_;
};

} // namespace plat
