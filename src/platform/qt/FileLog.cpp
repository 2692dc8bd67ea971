#include "platform/qt/FileLog.h"
#include <QDateTime>
#include <QFile>

namespace plat {

void FileLog::write(const QString& context, const QString& message) {
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) return;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    file.write((stamp + u' ' + context + QStringLiteral(": ") + message + u'\n').toUtf8());
}

} // namespace plat
