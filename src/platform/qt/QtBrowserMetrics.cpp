#include "platform/qt/QtBrowserMetrics.h"
#include "platform/dom/Element.h"
#include <QJsonArray>

namespace plat {

bool QtBrowserMetrics::take(const QJsonObject& report) {
    bool changed = false;
    const QJsonArray client = report.value(QLatin1String("client")).toArray();
    if (client.size() == 2) changed = layout_.setClientSize(client.at(0).toInt(), client.at(1).toInt());
    for (const QJsonValue& entry : report.value(QLatin1String("sizes")).toArray()) {
        const QJsonArray size = entry.toArray();
        if (size.size() != 3) continue;
        changed = layout_.report(size.at(0).toInt(), size.at(1).toInt(), size.at(2).toInt()) || changed;
    }
    return changed;
}

void QtBrowserMetrics::read(const dom::Element& e) {
    if (watching(e.nodeId())) return;
    watch(e.nodeId());
    firstRead_(e);
}

// The viewport's client size (body, html) comes with every report unasked.
bool QtBrowserMetrics::viewport(const dom::Element& e) { return e.is("body") || e.is("html"); }

int QtBrowserMetrics::offsetWidth(const dom::Element& e) {
    read(e);
    return layout_.offsetWidth(e);
}

int QtBrowserMetrics::offsetHeight(const dom::Element& e) {
    read(e);
    return layout_.offsetHeight(e);
}

int QtBrowserMetrics::clientWidth(const dom::Element& e) {
    if (!viewport(e)) read(e);
    return layout_.clientWidth(e);
}

int QtBrowserMetrics::clientHeight(const dom::Element& e) {
    if (!viewport(e)) read(e);
    return layout_.clientHeight(e);
}

} // namespace plat
