#pragma once
#include "platform/dom/LayoutMetrics.h"
#include "platform/dom/ReportedLayout.h"
#include <QJsonObject>
#include <functional>
#include <unordered_set>

namespace plat {

// The sizes of one page as its real page last reported them (body client size, offset sizes
// of the watched elements), with a hook that runs before every read so that the browser can
// bring them up to date first.
class QtBrowserMetrics : public dom::LayoutMetrics {
public:
    explicit QtBrowserMetrics(std::function<void(const dom::Element&)> beforeRead)
        : beforeRead_(std::move(beforeRead)) {}

    // A report of the page: {"client":[w,h],"sizes":[[nodeId,w,h],...]}.
    void take(const QJsonObject& report);
    // Node ids whose sizes the page is asked to report.
    bool watching(int nodeId) const { return watched_.count(nodeId) != 0; }
    void watch(int nodeId) { watched_.insert(nodeId); }
    const std::unordered_set<int>& watched() const { return watched_; }
    bool reported(int nodeId) const { return reported_.count(nodeId) != 0; }

    int offsetWidth(const dom::Element& e) override;
    int offsetHeight(const dom::Element& e) override;
    int clientWidth(const dom::Element& e) override;
    int clientHeight(const dom::Element& e) override;

private:
    std::function<void(const dom::Element&)> beforeRead_;
    dom::ReportedLayout layout_;
    std::unordered_set<int> watched_;
    std::unordered_set<int> reported_;
};

} // namespace plat
