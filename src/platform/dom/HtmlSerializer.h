#pragma once
#include <QString>

namespace dom {

class Node;

// HTML fragment serialisation as the HTML standard (and Chromium's outerHTML) does it:
// attribute values in double quotes with &, U+00A0 and " escaped; text with &, U+00A0, <
// and > escaped except inside script, style, xmp, iframe, noembed, noframes, noscript and
// plaintext; void elements without end tag; comments and doctype as written.
class HtmlSerializer {
public:
    static void outer(const Node& node, QString& out);
    static void inner(const Node& node, QString& out);
    static bool isVoidElement(const QString& localName);
};

} // namespace dom
