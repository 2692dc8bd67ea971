#pragma once
#include <QString>

// Text from outside (news titles and times off the network) that goes into the page's HTML:
// escaped so that it shows as the same text and never becomes markup or script.
namespace HtmlText {

// &, <, >, " and ' as character references.
QString escape(const QString& text);

} // namespace HtmlText
