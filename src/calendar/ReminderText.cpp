#include "calendar/ReminderText.h"
#include "base/HtmlText.h"
#include "calendar/CalendarItem.h"
#include <QStringList>
#include <initializer_list>
#include <utility>

namespace {

using Part = std::pair<const char*, QString>;

// "label value" for the values present, separated by one blank; empty when none is.
QString parts(std::initializer_list<Part> list) {
    QStringList present;
    for (const auto& [label, value] : list)
        if (!value.isEmpty()) present << QString::fromUtf8(label) + value;
    return present.join(u' ');
}

QString bracketed(const QString& name, const QString& inside) {
    return inside.isEmpty() ? QString() : name + QStringLiteral(" (") + inside + u')';
}

} // namespace

const QString ReminderText::LineBreak = QStringLiteral("\r\n");

QString ReminderText::line(const CalendarItem& item) {
    return item.time() + QStringLiteral("  ") +
           bracketed(
               item.name(),
               parts({{"前值: ", item.previous()}, {"市场预测: ", item.forecast()}, {"重要: ", item.importance()}}));
}

QString ReminderText::resultLine(const CalendarItem& item) {
    return bracketed(item.name(),
                     parts({{"前值: ", item.previous()}, {"市场预测: ", item.forecast()}, {"结果: ", item.result()}}));
}

QString ReminderText::popupHtml(const QString& text) {
    return QStringLiteral("<table border='0' cellspacing='0' cellpadding='0'><tr><td style='padding:0px 5px 0px 0px; "
                          "border:none' valign='top' ><img src='warn.gif'/></td><td style='border:none'><span "
                          "style='font-size:15px;font-weight:bold;' >财经事件提醒</span><br><span>") +
           HtmlText::escapePopupItem(text).replace(
               LineBreak, QStringLiteral("<HR style='BORDER: #987cb9 1px dashed; ' width='100%' SIZE=1>")) +
           QStringLiteral("</span></td></tr></table>");
}
