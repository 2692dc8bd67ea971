#include "platform/qt/QtBrowserMetrics.h"
#include <QJsonArray>

namespace plat {

void QtBrowserMetrics::take(const QJsonObject& report) {
    const QJsonArray client = report.value(QLatin1String("client")).toArray();
    if (client.size() == 2) layout_.setClientSize(client.at(0).toInt(), client.at(1).toInt());
    for (const QJsonValue& entry : report.value(QLatin1String("sizes")).toArray()) {
        const QJsonArray size = entry.toArray();
        if (size.size() != 3) continue;
        const int nodeId = size.at(0).toInt();
        layout_.report(nodeId, size.at(1).toInt(), size.at(2).toInt());
        reported_.insert(nodeId);
    }
}

int QtBrowserMetrics::offsetWidth(const dom::Element& e) {
    beforeRead_(e);
    return layout_.offsetWidth(e);
}

int QtBrowserMetrics::offsetHeight(const dom::Element& e) {
    beforeRead_(e);
    return layout_.offsetHeight(e);
}

int QtBrowserMetrics::clientWidth(const dom::Element& e) {
    beforeRead_(e);
    return layout_.clientWidth(e);
}

int QtBrowserMetrics::clientHeight(const dom::Element& e) {
    beforeRead_(e);
    return layout_.clientHeight(e);
}

} // namespace plat
