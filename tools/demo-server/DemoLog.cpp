#include "DemoLog.h"
#include <QDateTime>
#include <cstdio>

void DemoLog::line(const QString& text) {
    if (listener) listener(text);
    if (quiet_) return;
    const QString stamped = QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss.zzz ")) + text;
    std::fprintf(stdout, "%s\n", stamped.toUtf8().constData());
    std::fflush(stdout);
}

void DemoLog::announce(const QString& text) {
    std::fprintf(stdout, "%s\n", text.toUtf8().constData());
    std::fflush(stdout);
}
