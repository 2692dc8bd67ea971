#pragma once
#include <QString>

// Text from outside (news titles and times, calendar events off the network) that goes into
// a page's HTML: escaped so that it shows as the same text and never becomes markup or script.
namespace HtmlText {

// &, <, >, " and ' as character references.
QString escape(const QString& text);
// The same for an item of the notification popup, where a "~" would split it into two
// items: that goes in as a character reference too.
QString escapePopupItem(const QString& text);

} // namespace HtmlText
