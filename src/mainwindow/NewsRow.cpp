#include "mainwindow/NewsRow.h"
#include "base/HtmlText.h"
#include "platform/dom/Element.h"
#include <stdexcept>

namespace {

const QString ShortNewsMark = QStringLiteral("[短讯]");
const QString ShortNewsColor = QStringLiteral("#001885");
const QString TextColor = QStringLiteral("#000106");

void alignMiddleLeft(dom::Element& cell) {
    cell.setAttribute(QStringLiteral("valign"), QStringLiteral("middle"));
    cell.setAttribute(QStringLiteral("align"), QStringLiteral("left"));
}

void fillTimeCell(dom::Element& cell, const QString& time) {
    alignMiddleLeft(cell);
    cell.setStyle(QStringLiteral("padding-left"), QStringLiteral("18px"));
    cell.setStyle(QStringLiteral("width"), QStringLiteral("80px"));
    cell.setStyle(QStringLiteral("color"), TextColor);
    cell.setInnerText(time);
}

// Titles come off the network: they go into the cell as text, never as markup.
void fillTitleCell(dom::Element& cell, const QString& title, const QString& address) {
    cell.setStyle(QStringLiteral("padding-left"), QStringLiteral("15px"));
    alignMiddleLeft(cell);
    const QString text = HtmlText::escape(title);
    if (address.isEmpty()) {
        const QString& color = title.contains(ShortNewsMark) ? ShortNewsColor : TextColor;
        cell.setInnerHTML(QStringLiteral("<font color='") + color + QStringLiteral("'>") + text +
                          QStringLiteral("</font>"));
        return;
    }
    cell.setInnerHTML(QStringLiteral("<a  href='' target='_blank'  onClick=news_item.innerText='") + address +
                      QStringLiteral("';news_item.fireEvent('onclick') >") + text + QStringLiteral("</a>"));
}

} // namespace

dom::Element& NewsRow::add(dom::Element& table, const QString& time, const QString& title, const QString& address) {
    const auto rows = table.rows();
    if (rows.empty()) throw std::runtime_error("the news table has no header row");
    dom::Element* header = rows.front()->parentElement();
    if (header && header->style(QStringLiteral("display")).isEmpty())
        header->setStyle(QStringLiteral("display"), QStringLiteral("none"));
    if (rows.size() >= MaxRows) table.deleteRow(static_cast<int>(rows.size()) - 1);
    dom::Element* row = table.insertRow(1);
    if (!row) throw std::runtime_error("cannot add a row to the news table");
    fillTimeCell(*row->insertCell(), time);
    fillTitleCell(*row->insertCell(), title, address);
    return *row;
}
