#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace dom {

// One change of the model, addressed by element node ids (Element::nodeId). Text nodes
// have no ids: a change of text is an op on the element holding it.
//
// Ops and their JSON form (one object per op; keys not listed are absent):
//
//   attr     {"op":"attr","node":N,"name":A,"value":V}   setAttribute(A, V)
//            (also className -> "class", title, id, disabled -> "disabled"="")
//   rmattr   {"op":"rmattr","node":N,"name":A}           removeAttribute(A)
//   style    {"op":"style","node":N,"name":P,"value":V,"css":S}
//            inline style property P set to V ("" removed); S is the whole style attribute
//            afterwards: setAttribute("style", S) gives exactly the model's attribute
//   text     {"op":"text","node":N,"value":T}            textContent = T (children replaced
//            by one text node, none when T is empty)
//   html     {"op":"html","node":N,"value":H,"first":F,"count":C}
//            innerHTML = H; then the elements of the new content, in document order
//            (a template's content counted as its children), get ids F, F+1, ... F+C-1
//   insert   {"op":"insert","parent":P,"index":I,"tag":T,"id":N}
//            a new empty HTML element T with id N goes in front of child node I of P
//            (child nodes counted with texts; I == childNodes.length appends)
//   remove   {"op":"remove","node":N}                    the element leaves its parent
//   move     {"op":"move","node":N,"parent":P,"index":I} the element leaves its parent, then
//            goes in front of child node I of P (counted after the removal)
//   order    {"op":"order","parent":P,"ids":[N1,N2,...]} appendChild of each in turn (the
//            result of a table sort: rows re-appended in sorted order)
//   checked  {"op":"checked","node":N,"value":true|false} the checked property (not the
//            attribute, which is the default state and does not change)
//   forget   {"op":"forget","ids":[N1,...]}              these removed elements were freed by
//            the model (Document::collectGarbage): drop them from the id map; no op will
//            name them again
//
// A batch: {"v":1,"seq":S,"ops":[...]} with S counting batches from 1. Applying the ops in
// order on a page whose elements were numbered 1, 2, ... in document order at load (as the
// model numbers them at parse) ends with the same DOM as the model: the browser side's
// applier (resources/scripts/journal-applier.js) does so on the real page, JournalReplay on
// another model. All three take the op names from one table (Op::kindName).
struct Op {
    enum class Kind { Attr, RemoveAttr, Style, Text, Html, Insert, Remove, Move, Order, Checked, Forget };
    Kind kind = Kind::Attr;
    int node = 0;         // the element changed (insert: the new element's id)
    int parent = 0;       // insert, move, order
    int index = -1;       // insert, move: child node index
    int first = 0;        // html: first new id
    int count = 0;        // html: number of new elements
    bool flag = false;    // checked
    QString name;         // attr/rmattr: attribute; style: property; insert: tag
    QString value;        // attr, style, text, html
    QString css;          // style: the whole style attribute afterwards
    std::vector<int> ids; // order, forget

    // The name an op of that kind has in a batch.
    static const char* kindName(Kind k);
    // The kind of an op so named; none for a name no op has.
    static std::optional<Kind> kindNamed(const QString& name);
    // The table of names for the browser side's scripts, as JSON: each kind's name in code
    // ("Attr", "RemoveAttr", ...) with its name in a batch.
    static QByteArray kindTableJson();
};

// The pending changes of one document, in order.
class Journal {
public:
    void setEnabled(bool on) { enabled_ = on; }
    bool enabled() const { return enabled_; }
    void record(Op op) {
        if (!enabled_) return;
        ops_.push_back(std::move(op));
        if (ops_.size() == 1 && onFirstOp_) onFirstOp_();
    }
    // Called when an op goes into the empty journal: the real browser sends the ops of one
    // event-loop turn at the end of that turn.
    void setOnFirstOp(std::function<void()> f) { onFirstOp_ = std::move(f); }
    bool empty() const { return ops_.empty(); }
    size_t size() const { return ops_.size(); }
    const std::vector<Op>& pending() const { return ops_; }
    // Takes the pending ops and clears the journal.
    std::vector<Op> take();
    // Drops the orders of a section that a later order of the same section in ops makes
    // moot: one between which and the later one only rows went into the section (the later
    // order lists every row, and a row's place in front of it does not matter). A list that
    // is sorted after each of a burst of rows gets one order, not one per row.
    static void dropSupersededOrders(std::vector<Op>& ops);

    // One batch as compact JSON (UTF-8). Lone surrogates and characters that JavaScript
    // source cannot hold literally (U+2028/2029) are written as \u escapes, so the text
    // arrives exactly.
    static QByteArray toJson(const std::vector<Op>& ops, qint64 seq);

private:
    bool enabled_ = true;
    std::vector<Op> ops_;
    std::function<void()> onFirstOp_;
};

} // namespace dom
