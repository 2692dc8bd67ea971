#pragma once
#include "UdpService.h"

// The identity server: answers each identity report with the client id to keep, a new
// one for a client that has none.
class IdentityService : public UdpService {
public:
    IdentityService(DemoLog& log, qint32 firstClientId);

protected:
    QByteArray answer(const QByteArray& datagram, const QString& from) override;

private:
    qint32 nextClientId_;
};
