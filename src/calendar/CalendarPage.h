#pragma once
#include <QString>

namespace dom {
class Document;
class Element;
} // namespace dom
namespace plat {
class Browser;
}

// The calendar pane of the main page: the weekday tabs week1..week5, the key-events box,
// the data header FXecodata and the events table iCalendar_Table with its body iTBody. A
// missing browser, document or element throws, so that the step that needed it is logged
// and the next one runs.
class CalendarPage {
public:
    explicit CalendarPage(plat::Browser* browser) : browser_(browser) {}

    dom::Document& document() const;
    dom::Element& element(const QString& id) const;
    // nullptr when the page or the element is not there.
    dom::Element* find(const QString& id) const;

    dom::Element& table() const;
    // The tab of a weekday and the first link and the first span inside it.
    dom::Element& tab(int day) const;
    dom::Element& tabLink(int day) const;
    dom::Element& tabMark(int day) const;
    // The cell of the events table at that row (0: the hidden header) and column.
    dom::Element& cell(int row, int column) const;
    // The cell that holds the key events of the day.
    dom::Element& keyEventsBox() const;

    // The id of the reminder control of a day's event (1-based index): "w_3_chk2".
    static QString reminderId(int day, int index);

private:
    dom::Element& first(int day, const char* tag) const;
    dom::Element& cellOf(const dom::Element& table, int row, int column) const;

    plat::Browser* browser_;
};
