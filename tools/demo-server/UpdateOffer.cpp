#include "UpdateOffer.h"
#include <QCryptographicHash>
#include <QDir>

namespace {

QString shellQuoted(const QString& text) {
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("'\\''")) + QLatin1Char('\'');
}

} // namespace

UpdateOffer::UpdateOffer(const QString& offeredVersion, const QString& dataDir)
    : version_(offeredVersion.isEmpty() ? QString::fromLatin1(kCurrentVersion) : offeredVersion), dataDir_(dataDir) {
    installer_ = QStringLiteral("#!/bin/sh\n"
                                "# Quenra极速版 %1 demo installer: notes that it ran and installs nothing.\n"
                                "printf '%s %s\\n' \"$(date '+%Y-%m-%d %H:%M:%S')\" \"$*\" >> %2\n")
                     .arg(version_, shellQuoted(runLogPath()))
                     .toUtf8();
}

QString UpdateOffer::installerPath() const { return QStringLiteral("/download/QuenraSetup-%1.exe").arg(version_); }

QString UpdateOffer::runLogPath() const {
    return QDir(dataDir_).absoluteFilePath(QStringLiteral("installer-runs.log"));
}

QString UpdateOffer::installerSha256() const {
    return QString::fromLatin1(QCryptographicHash::hash(installer_, QCryptographicHash::Sha256).toHex());
}

QByteArray UpdateOffer::manifest(const QString& site) const {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                          "<update>\n"
                          "  <Version>%1</Version>\n"
                          "  <URL>%2/download</URL>\n"
                          "  <Download>%2%3</Download>\n"
                          "  <SHA256>%4</SHA256>\n"
                          "</update>\n")
        .arg(version_.toHtmlEscaped(), site, installerPath(), installerSha256())
        .toUtf8();
}
