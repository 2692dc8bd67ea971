#include "LoginService.h"
#include "AccountBook.h"
#include "DemoLog.h"
#include "wire/LoginReplyRecord.h"
#include "wire/LoginRequestRecord.h"

LoginService::LoginService(DemoLog& log, const AccountBook& accounts)
    : UdpService(QStringLiteral("login"), log), accounts_(accounts) {}

QByteArray LoginService::answer(const QByteArray& datagram, const QString& from) {
    const auto request = push::LoginRequestRecord::parse(datagram);
    if (!request) return ignore(datagram, from, QStringLiteral("a login request"));
    const AccountBook::Verdict verdict = accounts_.check(request->account, request->password);
    push::LoginReplyRecord reply;
    reply.result = uint8_t(verdict);
    if (verdict == AccountBook::Verdict::Success) {
        const auto account = accounts_.find(request->account);
        reply.nickname = account->nickname;
        reply.accountFlag = uint8_t(account->flag);
    }
    log_.line(QStringLiteral("login: %1 (client id %2) from %3 -> reply %4")
                  .arg(request->account)
                  .arg(request->clientId)
                  .arg(from)
                  .arg(QChar(reply.result)));
    return reply.build();
}
