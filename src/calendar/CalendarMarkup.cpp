#include "calendar/CalendarMarkup.h"
#include "base/HtmlText.h"
#include "base/VbText.h"
#include "calendar/CalendarItem.h"
#include "calendar/CalendarPage.h"
#include <QStringList>

namespace {

using HtmlText::escape;

QString checkBox(int day, int index, const QString& state) {
    return QStringLiteral("<INPUT style='cursor:pointer' type=checkbox id='") + CalendarPage::reminderId(day, index) +
           QStringLiteral("' ") + state + QStringLiteral(" >");
}

QString radio(const QString& open, int day, int index) {
    return open + CalendarPage::reminderId(day, index) + QStringLiteral("' ") + QStringLiteral(" Disabled >");
}

QString todayState(const QString& notify) {
    if (notify == u'1') return QStringLiteral("Checked");
    if (notify == u'0') return QString();
    return QStringLiteral("Checked Disabled");
}

QString nobr(const QString& label, const QString& value) {
    return QStringLiteral(" <nobr>") + label + escape(value) + QStringLiteral("</nobr>");
}

// A piece of the summary from its time on, blanks removed; "#" separates its texts.
QString keyEvent(QString piece) {
    piece.remove(u' ');
    const int colon = vb::InStr(piece, QStringLiteral(":"));
    const int hash = vb::InStr(piece, QStringLiteral("#"));
    if (colon > 0 && colon < hash) {
        if (colon > 2) piece = vb::Mid(piece, colon - 2);
    } else if (hash > 5) {
        piece = vb::Mid(piece, 6);
    }
    QStringList texts = piece.split(u'#');
    for (QString& t : texts) t = escape(t);
    return texts.join(QStringLiteral("&nbsp;"));
}

} // namespace

CalendarMarkup::Control CalendarMarkup::controlFor(int offset, const QString& time, const QString& now) {
    if (offset < 0) return Control::FutureDay;
    if (offset > 0) return Control::PastDay;
    return time > now ? Control::TodayLater : Control::TodayPassed;
}

QString CalendarMarkup::control(Control kind, int day, int index, const QString& notify) {
    switch (kind) {
    case Control::FutureDay:
        return checkBox(day, index, notify == u'1' ? QStringLiteral("CHECKED") : QString());
    case Control::TodayLater:
        return checkBox(day, index, todayState(notify));
    case Control::TodayPassed:
        return radio(QStringLiteral("<INPUT type=radio id='"), day, index);
    case Control::PastDay:
        break;
    }
    return radio(QStringLiteral("<INPUT  type=radio id='"), day, index);
}

QString CalendarMarkup::description(const CalendarItem& item) {
    QString html = escape(item.name());
    if (!item.previous().isEmpty()) html += nobr(QStringLiteral("前值: "), item.previous());
    if (!item.forecast().isEmpty()) html += nobr(QStringLiteral("市场预测: "), item.forecast());
    const QString result = item.result();
    if (result == u'?')
        html += awaitedMarker();
    else if (!result.isEmpty())
        html += QStringLiteral(" <nobr style='color:#ff6666'>结果: ") + escape(result) + QStringLiteral("</nobr>");
    if (!item.comment().isEmpty())
        html += QStringLiteral(
                    "<hr style='border:dotted; color:#666666'/><font style ='color: #235ca9; padding-top:20px'>") +
                escape(item.comment()) + QStringLiteral("</font>");
    return html;
}

QString CalendarMarkup::importance(const QString& level) {
    static const QString styled =
        QStringLiteral("<font style='color=%1 ; font-size:14px;background-color:#EfEfEf; padding:2px 5px 2px 5px '>");
    QString open = QStringLiteral("<font>");
    if (level == QStringLiteral("低"))
        open = styled.arg(QStringLiteral("#66cc00"));
    else if (level == QStringLiteral("中"))
        open = styled.arg(QStringLiteral("#ff9900"));
    else if (level == QStringLiteral("高"))
        open = styled.arg(QStringLiteral("#ff0000"));
    return open + escape(level) + QStringLiteral("</font>");
}

QString CalendarMarkup::awaitedMarker() { return QStringLiteral(" <img src='ldata.gif' align='absmiddle'/>"); }

QString CalendarMarkup::keyEvents(const QString& summary) {
    QStringList pieces = summary.split(u'|');
    pieces.removeLast();
    QString html = QStringLiteral("<fieldset><legend>财经事件</legend><ul>");
    for (const QString& piece : pieces)
        html += QStringLiteral("<li style='float:none;text-align:left;font-size:12px;'>") + keyEvent(piece) +
                QStringLiteral("</li>");
    return html + QStringLiteral("</ul></fieldset>");
}
