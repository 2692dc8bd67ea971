#pragma once
#include "platform/net/Network.h"
#include "platform/sim/SimNetwork.h"

// The simulated network with a file server that accepts every request and never answers:
// HTTP fetches stay running until cancelled; sockets are the simulated network's.
class SilentFileServer : public plat::Network {
public:
    explicit SilentFileServer(plat::SimNetwork& network) : network_(network) {}

    std::unique_ptr<plat::Socket> createSocket() override { return network_.createSocket(); }
    std::unique_ptr<plat::HttpFetch> createHttpFetch() override { return std::make_unique<Fetch>(); }

private:
    class Fetch : public plat::HttpFetch {
    public:
        void get(const QString&) override { running_ = true; }
        void cancel() override { running_ = false; }
        bool running() const override { return running_; }

    private:
        bool running_ = false;
    };

    plat::SimNetwork& network_;
};
