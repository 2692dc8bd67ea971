#pragma once
#include "platform/net/HttpFetch.h"
#include "platform/sim/SimNetworkQueue.h"

namespace plat {

class SimNetwork;

// An HTTP GET on the simulated network: the body arrives in pieces through the loop, with
// progress after each, then the end.
class SimHttpFetch : public HttpFetch {
public:
    explicit SimHttpFetch(SimNetwork& network);

    void get(const QString& url) override;
    void cancel() override;
    bool running() const override { return running_; }

    static constexpr int PieceBytes = 64 * 1024;

private:
    void deliver(const QByteArray& body, qint64 total, qsizetype offset);
    void finish(bool ok, const QByteArray& data, const QString& error);

    SimNetwork& network_;
    bool running_ = false;
    SimNetworkQueue events_;
};

} // namespace plat
