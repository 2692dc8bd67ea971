#include "quotes/QuoteCenter.h"
#include "platform/dom/Element.h"
#include <algorithm>

namespace {

const QString Fell = QStringLiteral("#008F00");
const QString Rose = QStringLiteral("#FF0000");
const QString Same = QStringLiteral("#000000");

// The price cell takes the new text, coloured by how it compares with the shown one.
void reprice(dom::Element* cell, const QString& price) {
    if (!cell) return;
    const QString shown = cell->innerText();
    const int order = shown.compare(price);
    cell->setStyle(QStringLiteral("color"), order > 0 ? Fell : order < 0 ? Rose : Same);
    if (order != 0) cell->setInnerText(price);
}

} // namespace

QuoteCenter::QuoteCenter(AppContext& ctx, MainPage& page, ForwardTarget& target)
    : table_(page), pairs_(ctx), panel_(page), drag_(ctx, page, table_, target) {}

// Symbol and prices as the page shows them, so that they compare with what it shows.
void QuoteCenter::quot_center(const QString& symbol, const QString& bid, const QString& ask) {
    const QString name = QuoteTable::displayed(symbol);
    if (name.isEmpty()) return;
    const QString shownAsk = QuoteTable::displayed(ask);
    const QString shownBid = QuoteTable::displayed(bid);
    if (!pairs_.shown(name)) {
        hold(name, shownAsk, shownBid);
        return;
    }
    if (dom::Element* row = table_.find(name)) {
        update_quota(*row, shownAsk, shownBid);
        return;
    }
    addRow(name, shownAsk, shownBid);
}

void QuoteCenter::update_quota(dom::Element& row, const QString& ask, const QString& bid) {
    reprice(QuoteTable::askCell(row), ask);
    reprice(QuoteTable::bidCell(row), bid);
}

void QuoteCenter::addRow(const QString& symbol, const QString& ask, const QString& bid) {
    drag_.bind(table_.append(symbol, ask, bid));
}

void QuoteCenter::hold(const QString& symbol, const QString& ask, const QString& bid) {
    const auto it = std::find_if(held_.begin(), held_.end(), [&](const Held& h) { return h.symbol == symbol; });
    if (it == held_.end()) {
        held_.push_back({symbol, ask, bid});
        return;
    }
    it->ask = ask;
    it->bid = bid;
}

void QuoteCenter::refreshShownPairs() {
    pairs_.reread();
    hideSwitchedOff();
    showSwitchedOn();
    table_.restripe();
}

void QuoteCenter::hideSwitchedOff() {
    for (dom::Element* row : table_.pairRows()) {
        const QString symbol = QuoteTable::symbolOf(*row);
        if (pairs_.shown(symbol)) continue;
        const dom::Element* ask = QuoteTable::askCell(*row);
        const dom::Element* bid = QuoteTable::bidCell(*row);
        hold(symbol, ask ? ask->innerText() : QString(), bid ? bid->innerText() : QString());
        dom::Element* section = row->parentElement();
        if (section) section->deleteRow(row->sectionRowIndex());
    }
}

void QuoteCenter::showSwitchedOn() {
    std::vector<Held> still;
    for (const Held& h : held_) {
        if (!pairs_.shown(h.symbol))
            still.push_back(h);
        else if (!table_.find(h.symbol))
            addRow(h.symbol, h.ask, h.bid); // unless a quote came first
    }
    held_ = std::move(still);
}
