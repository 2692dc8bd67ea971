#pragma once

namespace dom {

class Element;

// Where layout sizes come from: the real backend reports what the page measured
// (ReportedLayout), the simulated backend computes them plainly (PlainLayout). Pixels.
class LayoutMetrics {
public:
    virtual ~LayoutMetrics() = default;
    virtual int offsetWidth(const Element& e) = 0;
    virtual int offsetHeight(const Element& e) = 0;
    // For body (and html): the viewport's client area. Other elements: their box.
    virtual int clientWidth(const Element& e) = 0;
    virtual int clientHeight(const Element& e) = 0;
};

} // namespace dom
