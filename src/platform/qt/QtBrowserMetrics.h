#pragma once
#include "platform/dom/LayoutMetrics.h"
#include "platform/dom/ReportedLayout.h"
#include <QJsonObject>
#include <functional>
#include <unordered_set>

namespace plat {

// The sizes of one page as its real page last reported them (body client size, offset sizes
// of the watched elements). A read answers at once from them; an element read for the first
// time is watched from then on (firstRead tells the browser to ask the page) and answers a
// plain estimate until the page reports it.
class QtBrowserMetrics : public dom::LayoutMetrics {
public:
    explicit QtBrowserMetrics(std::function<void(const dom::Element&)> firstRead) : firstRead_(std::move(firstRead)) {}

    // A report of the page: {"client":[w,h],"sizes":[[nodeId,w,h],...]}. Whether a size
    // differs from the one known before.
    bool take(const QJsonObject& report);
    // Node ids whose sizes the page is asked to report.
    bool watching(int nodeId) const { return watched_.count(nodeId) != 0; }
    void watch(int nodeId) { watched_.insert(nodeId); }
    const std::unordered_set<int>& watched() const { return watched_; }

    int offsetWidth(const dom::Element& e) override;
    int offsetHeight(const dom::Element& e) override;
    int clientWidth(const dom::Element& e) override;
    int clientHeight(const dom::Element& e) override;

private:
    void read(const dom::Element& e);
    static bool viewport(const dom::Element& e);

    std::function<void(const dom::Element&)> firstRead_;
    dom::ReportedLayout layout_;
    std::unordered_set<int> watched_;
};

} // namespace plat
