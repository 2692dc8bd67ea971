#include "platform/dom/ReportedLayout.h"
#include "platform/dom/Element.h"

namespace dom {

void ReportedLayout::setClientSize(int width, int height) {
    client_ = QSize(width, height);
    plain_.setViewport(width, height);
}

int ReportedLayout::offsetWidth(const Element& e) {
    auto it = sizes_.find(e.nodeId());
    return it != sizes_.end() ? it->second.width() : plain_.offsetWidth(e);
}

int ReportedLayout::offsetHeight(const Element& e) {
    auto it = sizes_.find(e.nodeId());
    return it != sizes_.end() ? it->second.height() : plain_.offsetHeight(e);
}

int ReportedLayout::clientWidth(const Element& e) {
    if ((e.is("body") || e.is("html")) && client_.width() >= 0) return client_.width();
    return offsetWidth(e);
}

int ReportedLayout::clientHeight(const Element& e) {
    if ((e.is("body") || e.is("html")) && client_.height() >= 0) return client_.height();
    return offsetHeight(e);
}

} // namespace dom
