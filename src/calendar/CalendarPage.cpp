#include "calendar/CalendarPage.h"
#include "platform/browser/Browser.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include <stdexcept>

namespace {

std::runtime_error missing(const QString& what) {
    return std::runtime_error(("the calendar pane has no " + what).toStdString());
}

} // namespace

dom::Document& CalendarPage::document() const {
    dom::Document* doc = browser_ ? browser_->document() : nullptr;
    if (!doc) throw missing(QStringLiteral("page"));
    return *doc;
}

dom::Element* CalendarPage::find(const QString& id) const {
    dom::Document* doc = browser_ ? browser_->document() : nullptr;
    return doc ? doc->getElementById(id) : nullptr;
}

dom::Element& CalendarPage::element(const QString& id) const {
    dom::Element* e = document().getElementById(id);
    if (!e) throw missing(id);
    return *e;
}

dom::Element& CalendarPage::table() const { return element(QStringLiteral("iCalendar_Table")); }

dom::Element& CalendarPage::tab(int day) const { return element(QStringLiteral("week") + QString::number(day)); }

dom::Element& CalendarPage::tabLink(int day) const { return first(day, "a"); }

dom::Element& CalendarPage::tabMark(int day) const { return first(day, "span"); }

dom::Element& CalendarPage::first(int day, const char* tag) const {
    const auto found = tab(day).getElementsByTagName(QString::fromLatin1(tag));
    if (found.empty()) throw missing(QStringLiteral("%1 in the tab of day %2").arg(QString::fromLatin1(tag)).arg(day));
    return *found.front();
}

dom::Element& CalendarPage::cell(int row, int column) const { return cellOf(table(), row, column); }

dom::Element& CalendarPage::keyEventsBox() const { return cellOf(element(QStringLiteral("iFXCalevent")), 0, 0); }

dom::Element& CalendarPage::cellOf(const dom::Element& table, int row, int column) const {
    const auto rows = table.rows();
    if (row < 0 || row >= static_cast<int>(rows.size()))
        throw missing(QStringLiteral("row %1 in %2").arg(row).arg(table.id()));
    const auto cells = rows[row]->cells();
    if (column < 0 || column >= static_cast<int>(cells.size()))
        throw missing(QStringLiteral("cell %1 in row %2 of %3").arg(column).arg(row).arg(table.id()));
    return *cells[column];
}

QString CalendarPage::reminderId(int day, int index) { return QStringLiteral("w_%1_chk%2").arg(day).arg(index); }
