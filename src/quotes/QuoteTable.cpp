#include "quotes/QuoteTable.h"
#include "mainwindow/MainPage.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/InnerText.h"
#include <stdexcept>

namespace {

const QString TableId = QStringLiteral("QuoteList");
const QString Light = QStringLiteral("bg8fc");
const QString Dark = QStringLiteral("bgccc");
constexpr int AskCell = 1;
constexpr int BidCell = 2;

dom::Element* cell(const dom::Element& row, int index) {
    const std::vector<dom::Element*> cells = row.cells();
    return index < static_cast<int>(cells.size()) ? cells[static_cast<size_t>(index)] : nullptr;
}

void addCell(dom::Element& row, const QString& id, const QString& text) {
    dom::Element* c = row.insertCell();
    if (!c) throw std::runtime_error("cannot add a cell to a quote row");
    if (!id.isEmpty()) c->setId(id);
    c->setInnerText(text);
}

} // namespace

QString QuoteTable::displayed(const QString& text) { return dom::InnerText::collapse(text); }

QString QuoteTable::symbolOf(const dom::Element& row) {
    const dom::Element* first = cell(row, 0);
    return first ? first->innerText().trimmed() : QString();
}

dom::Element& QuoteTable::table() const { return page_.element(TableId); }

dom::Element& QuoteTable::headings() const { return page_.element(QStringLiteral("iTrFirst")); }

std::vector<dom::Element*> QuoteTable::pairRows() const {
    std::vector<dom::Element*> rows = table().rows();
    if (rows.size() <= FirstPairRow) return {};
    rows.erase(rows.begin(), rows.begin() + FirstPairRow);
    return rows;
}

// Only pair rows are searched: a symbol spelled like a heading must not take it over.
dom::Element* QuoteTable::find(const QString& symbol) {
    if (dom::Element* row = remembered(symbol)) return row;
    for (dom::Element* row : pairRows()) {
        if (symbolOf(*row) != symbol) continue;
        rowIds_.insert(symbol, row->nodeId());
        return row;
    }
    return nullptr;
}

dom::Element* QuoteTable::remembered(const QString& symbol) const {
    const auto id = rowIds_.constFind(symbol);
    if (id == rowIds_.constEnd()) return nullptr;
    dom::Element* row = page_.document().elementByNodeId(*id);
    const dom::Element* section = row && row->is("tr") && row->isConnected() ? row->parentElement() : nullptr;
    const dom::Element* list = section ? section->parentElement() : nullptr;
    const bool ours = list && list->is("table") && list->id() == TableId;
    return ours && symbolOf(*row) == symbol ? row : nullptr;
}

dom::Element& QuoteTable::append(const QString& symbol, const QString& ask, const QString& bid) {
    dom::Element& list = table();
    const std::vector<dom::Element*> rows = list.rows();
    const bool afterLight = !rows.empty() && rows.back()->className() == Light;
    dom::Element* row = list.insertRow(-1);
    if (!row) throw std::runtime_error("cannot add a row to the quote table");
    row->setTitle(QStringLiteral("点击拖动排列"));
    row->setStyle(QStringLiteral("cursor"), QStringLiteral("default"));
    row->setClassName(afterLight ? Dark : Light);
    addCell(*row, QString(), symbol);
    addCell(*row, symbol + u'p', ask);
    addCell(*row, symbol + u'l', bid);
    rowIds_.insert(symbol, row->nodeId());
    return *row;
}

void QuoteTable::restripe() const {
    const std::vector<dom::Element*> rows = table().rows();
    for (size_t i = FirstPairRow; i < rows.size(); ++i) rows[i]->setClassName(i % 2 == 0 ? Light : Dark);
}

dom::Element* QuoteTable::askCell(const dom::Element& row) { return cell(row, AskCell); }

dom::Element* QuoteTable::bidCell(const dom::Element& row) { return cell(row, BidCell); }
