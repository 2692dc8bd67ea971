#include "platform/qt/QtBrowserBatches.h"
#include <algorithm>

namespace plat {

using dom::Op;

void QtBrowserBatches::reset() {
    unacked_.clear();
    seq_ = 0;
    acked_ = 0;
    ready_ = false;
}

void QtBrowserBatches::push(std::vector<Op> ops) {
    dom::Journal::dropSupersededOrders(ops);
    if (ops.empty()) return;
    Batch b{++seq_, std::move(ops), {}};
    b.json = dom::Journal::toJson(b.ops, b.seq);
    if (ready_) send_(b.seq, b.json);
    unacked_.push_back(std::move(b));
}

void QtBrowserBatches::setReady() {
    if (ready_) return;
    ready_ = true;
    for (const Batch& b : unacked_) send_(b.seq, b.json);
}

void QtBrowserBatches::acknowledge(int seq) {
    acked_ = std::max(acked_, seq);
    while (!unacked_.empty() && unacked_.front().seq <= acked_) unacked_.pop_front();
}

bool QtBrowserBatches::overrides(const Op& fact, const std::vector<Op>& pending) const {
    auto later = [&fact](const Op& op) { return overrides(op, fact); };
    for (const Batch& b : unacked_)
        if (std::any_of(b.ops.begin(), b.ops.end(), later)) return true;
    return std::any_of(pending.begin(), pending.end(), later);
}

// Attributes by name (the style attribute also by style ops), the checked state, and the
// content of an element (its text, markup or children).
bool QtBrowserBatches::overrides(const Op& later, const Op& fact) {
    switch (fact.kind) {
    case Op::Kind::Attr:
    case Op::Kind::RemoveAttr:
        if (later.node != fact.node) return false;
        if (later.kind == Op::Kind::Attr || later.kind == Op::Kind::RemoveAttr) return later.name == fact.name;
        return later.kind == Op::Kind::Style && fact.name == QLatin1String("style");
    case Op::Kind::Checked:
        return later.kind == Op::Kind::Checked && later.node == fact.node;
    case Op::Kind::Text:
    case Op::Kind::Html:
    case Op::Kind::Order: {
        const int box = fact.kind == Op::Kind::Order ? fact.parent : fact.node;
        switch (later.kind) {
        case Op::Kind::Text:
        case Op::Kind::Html:
            return later.node == box;
        case Op::Kind::Insert:
        case Op::Kind::Move:
        case Op::Kind::Order:
            return later.parent == box;
        default:
            return false;
        }
    }
    default:
        return false;
    }
}

} // namespace plat
