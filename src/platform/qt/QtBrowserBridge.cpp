#include "platform/qt/QtBrowserBridge.h"
#include "platform/qt/QtBrowserLog.h"
#include <QJsonDocument>

namespace plat {

void QtBrowserBridge::receive(const QString& json) {
    const QJsonDocument d = QJsonDocument::fromJson(json.toUtf8());
    if (!d.isObject() || !d.object().value(QLatin1String("kind")).isString()) {
        qCWarning(lcBrowser) << "the page sent an unreadable message:" << json.left(200);
        return;
    }
    if (onMessage) onMessage(d.object());
}

} // namespace plat
