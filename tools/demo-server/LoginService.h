#pragma once
#include "UdpService.h"

class AccountBook;

// The login server: answers each login request with the reply code of the account book
// and, on success, the account's nickname and flag.
class LoginService : public UdpService {
public:
    LoginService(DemoLog& log, const AccountBook& accounts);

protected:
    QByteArray answer(const QByteArray& datagram, const QString& from) override;

private:
    const AccountBook& accounts_;
};
