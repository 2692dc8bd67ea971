#pragma once
#include "platform/net/Network.h"
#include <QNetworkAccessManager>

namespace plat {

// The real network on Qt Network. Create it after the application object, on the
// user-interface thread; fetches must not outlive it.
class QtNetwork : public Network {
public:
    std::unique_ptr<Socket> createSocket() override;
    std::unique_ptr<HttpFetch> createHttpFetch() override;

private:
    QNetworkAccessManager manager_;
};

} // namespace plat
