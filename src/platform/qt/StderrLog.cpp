#include "platform/qt/StderrLog.h"
#include <cstdio>

namespace plat {

void StderrLog::write(const QString& context, const QString& message) {
    const QByteArray line = (context + QStringLiteral(": ") + message + u'\n').toUtf8();
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
    std::fflush(stderr);
}

} // namespace plat
