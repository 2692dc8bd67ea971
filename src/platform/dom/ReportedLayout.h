#pragma once
#include "platform/dom/LayoutMetrics.h"
#include "platform/dom/PlainLayout.h"
#include <QSize>
#include <memory>
#include <unordered_map>

namespace dom {

// Sizes the real page measured and reported (the Qt backend's ResizeObserver), by node
// id; the viewport's client size for body/html. Elements not reported are left to a
// PlainLayout (whose viewport follows setClientSize).
class ReportedLayout : public LayoutMetrics {
public:
    // Each returns whether the size differs from the one known before.
    bool setClientSize(int width, int height);
    bool report(int nodeId, int offsetWidth, int offsetHeight);
    void forget(int nodeId) { sizes_.erase(nodeId); }
    void clear() { sizes_.clear(); }
    PlainLayout& fallback() { return plain_; }

    int offsetWidth(const Element& e) override;
    int offsetHeight(const Element& e) override;
    int clientWidth(const Element& e) override;
    int clientHeight(const Element& e) override;

private:
    QSize client_{-1, -1};
    std::unordered_map<int, QSize> sizes_;
    PlainLayout plain_;
};

} // namespace dom
