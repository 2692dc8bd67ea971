#include "quotes/QuoteRowDrag.h"
#include "core/AppContext.h"
#include "core/clsForward.h"
#include "mainwindow/MainPage.h"
#include "platform/Platform.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "quotes/QuoteTable.h"
#include <algorithm>

void QuoteRowDrag::bind(dom::Element& row) {
    row.setHandler(QStringLiteral("onmousedown"), clsForward::to(target_, QStringLiteral("downtomove")));
    row.setHandler(QStringLiteral("onmousemove"), clsForward::to(target_, QStringLiteral("movetomove")));
    row.setHandler(QStringLiteral("onmouseup"), clsForward::to(target_, QStringLiteral("uptomove")));
}

// The row the mouse went down on: the page's active element, or the row of the active cell.
dom::Element* QuoteRowDrag::pressedRow() const {
    dom::Element* e = page_.document().activeElement();
    if (e && !e->is("tr")) e = e->parentElement();
    return e && e->is("tr") ? e : nullptr;
}

dom::Element* QuoteRowDrag::draggedRow() const {
    dom::Element* e = page_.document().elementByNodeId(rowId_);
    return e && e->is("tr") && e->isConnected() ? e : nullptr;
}

// The document hears the pointer too, so that a row left behind by a quick move catches up
// and a button released outside the rows still ends the drag. A row's height is the one the
// page reported last (the headings are watched from the start).
void QuoteRowDrag::downtomove() {
    dom::Element* row = pressedRow();
    if (!row) return;
    rowHeight_ = table_.headings().offsetHeight();
    row->setStyle(QStringLiteral("z-index"), QStringLiteral("1"));
    start_ = ctx_.platform.screen().cursorPos();
    rowId_ = row->nodeId();
    dragging_ = true;
    dom::Document& doc = page_.document();
    doc.setHandler(QStringLiteral("onmousemove"), clsForward::to(target_, QStringLiteral("movetomove")));
    doc.setHandler(QStringLiteral("onmouseup"), clsForward::to(target_, QStringLiteral("uptomove")));
}

void QuoteRowDrag::movetomove() {
    if (!dragging_) return;
    if (dom::Element* row = draggedRow()) follow(*row, ctx_.platform.screen().cursorPos() - start_);
}

void QuoteRowDrag::follow(dom::Element& row, const QPoint& offset) {
    row.setStyle(QStringLiteral("top"), QString::number(offset.y()) + QStringLiteral("px"));
    row.setStyle(QStringLiteral("left"), QString::number(offset.x()) + QStringLiteral("px"));
}

void QuoteRowDrag::uptomove() {
    if (!dragging_) return;
    dragging_ = false;
    dom::Element* row = draggedRow();
    if (!row) return;
    follow(*row, QPoint());
    row->setStyle(QStringLiteral("z-index"), QStringLiteral("0"));
    drop(*row, ctx_.platform.screen().cursorPos().y() - start_.y());
}

// Whole row heights only, toward zero; the headings stay first in the row's section.
void QuoteRowDrag::drop(dom::Element& row, int dy) {
    const int steps = rowHeight_ > 0 ? dy / rowHeight_ : 0;
    dom::Element* section = row.parentElement();
    const int count = section ? static_cast<int>(section->rows().size()) : 0;
    if (steps == 0 || count < 2) return;
    section->moveRow(row.sectionRowIndex(), std::clamp(row.sectionRowIndex() + steps, 1, count - 1));
    table_.restripe();
}
