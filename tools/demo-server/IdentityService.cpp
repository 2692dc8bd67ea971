#include "IdentityService.h"
#include "DemoLog.h"
#include "wire/ClientIdRecord.h"
#include "wire/IdentityReportRecord.h"

IdentityService::IdentityService(DemoLog& log, qint32 firstClientId)
    : UdpService(QStringLiteral("identity"), log), nextClientId_(firstClientId) {}

QByteArray IdentityService::answer(const QByteArray& datagram, const QString& from) {
    const auto report = push::IdentityReportRecord::parse(datagram);
    if (!report) return ignore(datagram, from, QStringLiteral("an identity report"));
    push::ClientIdRecord reply;
    reply.clientId = report->clientId > 0 ? report->clientId : nextClientId_++;
    reply.store = true;
    QString adapters = report->adapters;
    adapters.replace(QStringLiteral("\r\n"), QStringLiteral(", ")).remove(QLatin1Char('\r'));
    log_.line(QStringLiteral("identity: version %1, client id %2, adapters [%3] from %4 -> client id %5")
                  .arg(report->version)
                  .arg(report->clientId)
                  .arg(adapters, from)
                  .arg(reply.clientId));
    return reply.build();
}
