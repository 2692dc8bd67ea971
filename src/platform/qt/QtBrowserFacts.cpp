#include "platform/qt/QtBrowserFacts.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/JournalReplay.h"
#include "platform/qt/QtBrowserBatches.h"

namespace plat {

using dom::Op;

bool QtBrowserFacts::take(dom::Document& doc, const std::vector<Op>& facts, const QtBrowserBatches& batches) {
    bool ok = true;
    for (const Op& fact : facts) {
        const std::vector<Op>& pending = doc.journal().pending();
        if (batches.overrides(fact, pending)) continue;
        if (!takeOne(doc, fact, !batches.settled() || !pending.empty())) ok = false;
    }
    return ok;
}

// inFlight: the program has changes on their way, which may have removed the element.
bool QtBrowserFacts::takeOne(dom::Document& doc, const Op& fact, bool inFlight) {
    dom::Element* e = doc.elementByNodeId(fact.kind == Op::Kind::Order ? fact.parent : fact.node);
    if (!e) return inFlight;
    switch (fact.kind) {
    case Op::Kind::Html:
        e->setInnerHTML(fact.value);
        return true;
    case Op::Kind::Attr:
    case Op::Kind::RemoveAttr:
    case Op::Kind::Text:
    case Op::Kind::Order:
    case Op::Kind::Checked:
        return dom::JournalReplay::apply(doc, {fact});
    default:
        return false; // not a change a page reports
    }
}

} // namespace plat
