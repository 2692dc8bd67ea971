#include "platform/qt/QtNetwork.h"
#include "platform/qt/QtHttpFetch.h"
#include "platform/qt/QtSocket.h"

namespace plat {

std::unique_ptr<Socket> QtNetwork::createSocket() { return std::make_unique<QtSocket>(); }

std::unique_ptr<HttpFetch> QtNetwork::createHttpFetch() { return std::make_unique<QtHttpFetch>(manager_); }

} // namespace plat
