#include "platform/dom/HtmlSerializer.h"
#include "platform/dom/Element.h"

namespace dom {

namespace {

void escapeText(const QString& s, QString& out) {
    for (QChar c : s) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case 0xA0:
            out += QLatin1String("&nbsp;");
            break;
        default:
            out += c;
        }
    }
}

void escapeAttr(const QString& s, QString& out) {
    for (QChar c : s) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case 0xA0:
            out += QLatin1String("&nbsp;");
            break;
        default:
            out += c;
        }
    }
}

bool isRawTextParent(const Node* parent) {
    const Element* e = parent ? parent->asElement() : nullptr;
    if (!e || !e->isHtml()) return false;
    const QString& n = e->localName();
    return n == QLatin1String("style") || n == QLatin1String("script") || n == QLatin1String("xmp") ||
           n == QLatin1String("iframe") || n == QLatin1String("noembed") || n == QLatin1String("noframes") ||
           n == QLatin1String("plaintext") || n == QLatin1String("noscript");
}

} // namespace

bool HtmlSerializer::isVoidElement(const QString& n) {
    static const char* const kVoid[] = {"area",  "base",  "basefont", "bgsound", "br",    "col",
                                        "embed", "frame", "hr",       "img",     "input", "keygen",
                                        "link",  "meta",  "param",    "source",  "track", "wbr"};
    for (const char* v : kVoid)
        if (n == QLatin1String(v)) return true;
    return false;
}

void HtmlSerializer::outer(const Node& node, QString& out) {
    switch (node.nodeType()) {
    case Node::Type::Element: {
        const Element& e = *node.asElement();
        out += QLatin1Char('<');
        out += e.localName();
        for (const Attribute& a : e.attributes()) {
            out += QLatin1Char(' ');
            out += a.name;
            out += QLatin1String("=\"");
            escapeAttr(a.value, out);
            out += QLatin1Char('"');
        }
        out += QLatin1Char('>');
        if (e.isHtml() && isVoidElement(e.localName())) return;
        inner(node, out);
        out += QLatin1String("</");
        out += e.localName();
        out += QLatin1Char('>');
        break;
    }
    case Node::Type::Text:
        if (isRawTextParent(node.parentNode()))
            out += node.data();
        else
            escapeText(node.data(), out);
        break;
    case Node::Type::Comment:
        out += QLatin1String("<!--");
        out += node.data();
        out += QLatin1String("-->");
        break;
    case Node::Type::Doctype:
        out += QLatin1String("<!DOCTYPE ");
        out += node.data();
        out += QLatin1Char('>');
        break;
    case Node::Type::Document:
        inner(node, out);
        break;
    }
}

void HtmlSerializer::inner(const Node& node, QString& out) {
    const Element* e = node.asElement();
    if (e && e->isHtml() && isVoidElement(e->localName())) return;
    for (int i = 0; i < node.childCount(); ++i) outer(*node.childAt(i), out);
}

} // namespace dom
