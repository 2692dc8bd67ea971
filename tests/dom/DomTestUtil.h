#pragma once
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/EventHandler.h"
#include "platform/dom/Journal.h"
#include "platform/dom/JournalReplay.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace domtest {

inline QString S(const char* utf8) { return QString::fromUtf8(utf8); }

// The first cell's text of each row of a table or section ("" for a row without cells).
inline QStringList rowTexts(const dom::Element* t) {
    QStringList out;
    for (const dom::Element* r : t->rows()) out << (r->cells().empty() ? QString() : r->cells()[0]->innerText());
    return out;
}

// A handler that counts its calls and can run an action.
class CountingHandler : public dom::EventHandler {
public:
    explicit CountingHandler(std::function<void()> action = {}) : action_(std::move(action)) {}
    void theDefault() override {
        ++calls;
        if (action_) action_();
    }
    int calls = 0;

private:
    std::function<void()> action_;
};

// The parts of the main and popup pages the program works on (resources/pages).
inline QString mainPage() {
    return S("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\">\n"
             "<html><head><meta charset=\"gb2312\"><title>Quenra</title>\n"
             "<script>function sortTable(id){}</script></head>\n"
             "<body>\n"
             "<div id=\"iallnews\"><div id=\"tabcontent1\">\n"
             "<table id=\"firstpage_table\" class=\"fina704 new_news\" style=\"display:none\">\n"
             "  <tr style=\"display:none\"><td id=\"iAllSort\" "
             "onclick=\"sortTable('firstpage_table')\">时间</td><td>内容</td></tr>\n"
             "</table></div></div>\n"
             "<table id=\"QuoteList\"><thead><tr><th colspan=\"3\">行情中心</th></tr></thead>\n"
             "<tbody><tr id=\"iTrFirst\" class=\"th\"><td>商 品</td><td>卖 出</td><td>买 入</td></tr></tbody></table>\n"
             "<table id=\"iCalendar_Table\"><tr style=\"display:none\"><td>h</td></tr><tbody "
             "id=\"iTBody\"></tbody></table>\n"
             "<span id=\"news_item\" style=\"display:none\"></span>\n"
             "</body></html>\n");
}

} // namespace domtest
