#include "NumberOption.h"

bool readNumber(const QCommandLineParser& parser, const NumberOption& n, QString* message) {
    if (!parser.isSet(n.option)) return true;
    bool ok = false;
    const qint64 value = parser.value(n.option).toLongLong(&ok);
    if (!ok || value < n.min || value > n.max) {
        *message =
            QStringLiteral("--%1: expected a number from %2 to %3").arg(n.option.names().first()).arg(n.min).arg(n.max);
        return false;
    }
    n.store(value);
    return true;
}

NumberOption port(const char* name, const char* what, quint16* target) {
    return {QCommandLineOption(QString::fromLatin1(name),
                               QStringLiteral("%1 port (default %2; 0 lets the system choose).")
                                   .arg(QString::fromLatin1(what))
                                   .arg(*target),
                               QStringLiteral("port")),
            0, 65535, [target](qint64 v) { *target = quint16(v); }};
}

NumberOption interval(const char* name, const char* what, int* target) {
    return {QCommandLineOption(
                QString::fromLatin1(name),
                QStringLiteral("%1, in milliseconds (default %2).").arg(QString::fromLatin1(what)).arg(*target),
                QStringLiteral("ms")),
            1, 86400000, [target](qint64 v) { *target = int(v); }};
}
