#include "platform/dom/ReportedLayout.h"
#include "platform/dom/Element.h"

namespace dom {

bool ReportedLayout::setClientSize(int width, int height) {
    const QSize size(width, height);
    if (client_ == size) return false;
    client_ = size;
    plain_.setViewport(width, height);
    return true;
}

bool ReportedLayout::report(int nodeId, int offsetWidth, int offsetHeight) {
    const QSize size(offsetWidth, offsetHeight);
    auto [it, added] = sizes_.try_emplace(nodeId, size);
    if (added) return true;
    if (it->second == size) return false;
    it->second = size;
    return true;
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
