#include "calendar/WeekView.h"
#include "base/VbText.h"
#include "calendar/CalendarMarkup.h"
#include "calendar/CalendarPage.h"
#include "calendar/CalendarState.h"
#include "calendar/CalendarStore.h"
#include "calendar/CalendarTime.h"
#include "core/AppContext.h"
#include "platform/Platform.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include <stdexcept>

namespace {

const QString Color = QStringLiteral("color");
const QString Background = QStringLiteral("background-color");

bool isWeekday(int day) { return day >= 1 && day <= 5; }

dom::Element& newCell(dom::Element& row) {
    dom::Element* cell = row.insertCell();
    if (!cell) throw std::runtime_error("cannot add a cell to the calendar table");
    cell->setAttribute(QStringLiteral("valign"), QStringLiteral("middle"));
    cell->setAttribute(QStringLiteral("align"), QStringLiteral("center"));
    return *cell;
}

} // namespace

void WeekView::SelWeek(int day) {
    if (!isWeekday(day)) return;
    const auto items = store_.items(day);
    if (items.empty()) return;
    const QDateTime now = ctx_.platform.loop().now();
    const int today = CalendarTime::weekday(now.date());
    const int offset = today ? today - day : 1;
    dom::Element& table = page_.table();
    deleteRows(table);
    fillKeyEvents(day);
    const QString nowText = CalendarTime::hhmm(now);
    for (size_t i = 0; i < items.size(); ++i) appendRow(table, items[i], day, static_cast<int>(i) + 1, offset, nowText);
}

void WeekView::deleteRows(dom::Element& table) {
    for (auto n = table.rows().size(); n > 1; --n) table.deleteRow(static_cast<int>(n) - 1);
}

void WeekView::clearDay() {
    deleteRows(page_.table());
    page_.keyEventsBox().setInnerHTML(QString());
}

void WeekView::fillKeyEvents(int day) {
    dom::Element& box = page_.keyEventsBox();
    box.setStyle(Background, QStringLiteral("#CBCBCB"));
    box.setInnerHTML(CalendarMarkup::keyEvents(store_.summary(day)));
}

void WeekView::appendRow(dom::Element& table, const CalendarItem& item, int day, int index, int offset,
                         const QString& now) {
    dom::Element* row = table.insertRow();
    if (!row) throw std::runtime_error("cannot add a row to the calendar table");
    row->setClassName(QStringLiteral("main_list_date"));
    newCell(*row).setInnerText(item.time());
    dom::Element& description = newCell(*row);
    description.setClassName(QStringLiteral("main_list_text"));
    description.setInnerHTML(CalendarMarkup::description(item));
    dom::Element& importance = newCell(*row);
    importance.setClassName(QStringLiteral("fina_list_impot"));
    importance.setInnerHTML(CalendarMarkup::importance(item.importance()));
    dom::Element& reminder = newCell(*row);
    reminder.setClassName(QStringLiteral("fina_list_impot"));
    const auto kind = CalendarMarkup::controlFor(offset, item.time(), now);
    reminder.setInnerHTML(CalendarMarkup::control(kind, day, index, item.notify()));
}

void WeekView::SelWeekTab(int day) {
    if (!isWeekday(day)) return;
    select(day, true);
    if (ctx_.LoggedIn != 1) return;
    if (store_.hasItems(day)) page_.element(QStringLiteral("FXecodata")).setStyle(QStringLiteral("display"), QString());
    SelWeek(day);
}

void WeekView::ClickToday(int day) {
    if (!isWeekday(day)) return;
    select(day, false);
    if (ctx_.LoggedIn != 1) return;
    page_.element(QStringLiteral("FXecodata")).setStyle(QStringLiteral("display"), QString());
    SelWeek(day);
}

// With its background the new tab looks selected; without, only its text turns white.
void WeekView::select(int day, bool background) {
    if (isWeekday(state_.SelectedDay)) {
        dom::Element& old = page_.tabLink(state_.SelectedDay);
        old.setStyle(Color, QString());
        if (background) old.setStyle(Background, QString());
    }
    dom::Element& link = page_.tabLink(day);
    link.setStyle(Color, QStringLiteral("#ffffff"));
    if (background) link.setStyle(Background, QStringLiteral("#0094ee"));
    state_.SelectedDay = static_cast<int16_t>(day);
}

void WeekView::markToday(int day) {
    if (isWeekday(state_.TodayMark)) page_.tabMark(state_.TodayMark).setStyle(Color, QString());
    page_.tabMark(day).setStyle(Color, QStringLiteral("#0059A8"));
    state_.TodayMark = static_cast<int16_t>(day);
}

// Ids "w_" + one-digit day + "_chk" + the event's 1-based index.
void WeekView::TBodyClick() {
    const dom::Element* box = page_.document().activeElement();
    const QString id = box ? box->id() : QString();
    if (id.isEmpty() || vb::Mid(id, 5, 3) != QLatin1String("chk") || !isWeekday(state_.SelectedDay)) return;
    const int index = static_cast<int>(vb::Val(vb::Mid(id, 8)));
    auto items = store_.items(state_.SelectedDay);
    if (index < 1 || index > static_cast<int>(items.size())) return;
    items[index - 1].setNotify(box->checked() ? QStringLiteral("1") : QStringLiteral("0"));
}
