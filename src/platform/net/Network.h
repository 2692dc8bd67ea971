#pragma once
#include "platform/net/HttpFetch.h"
#include "platform/net/Socket.h"
#include <memory>

namespace plat {

class Network {
public:
    virtual ~Network() = default;
    virtual std::unique_ptr<Socket> createSocket() = 0;
    virtual std::unique_ptr<HttpFetch> createHttpFetch() = 0;
};

} // namespace plat
