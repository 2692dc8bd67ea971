#include "platform/dom/TagInfo.h"
#include <QHash>

namespace dom {

uint32_t TagInfo::flags(const QString& name) {
    static const QHash<QString, uint32_t> table = [] {
        QHash<QString, uint32_t> t;
        auto add = [&t](std::initializer_list<const char*> names, uint32_t f) {
            for (const char* n : names) t[QString::fromLatin1(n)] |= f;
        };
        add({"table"}, Table | BlockLevel);
        add({"tbody", "thead", "tfoot"}, Section);
        add({"tr"}, Row);
        add({"td", "th"}, Cell);
        add({"head", "script", "style", "template", "title", "meta", "link", "noscript", "datalist", "param", "base",
             "basefont", "area", "noframes"},
            NotRendered);
        add({"div",       "ul",     "ol",         "li",      "h1",      "h2",         "h3",       "h4",       "h5",
             "h6",        "form",   "fieldset",   "legend",  "center",  "blockquote", "pre",      "hr",       "dl",
             "dt",        "dd",     "address",    "article", "section", "nav",        "header",   "footer",   "aside",
             "main",      "figure", "figcaption", "details", "summary", "body",       "html",     "caption",  "listing",
             "plaintext", "xmp",    "menu",       "dir",     "hgroup",  "search",     "frameset", "optgroup", "option"},
            BlockLevel);
        add({"p"}, Paragraph);
        add({"pre", "textarea", "listing", "plaintext", "xmp"}, Preformatted);
        add({"span", "a", "font", "b", "i", "u", "em", "strong", "nobr", "small", "big", "label", "sub", "sup", "code",
             "s", "strike", "abbr"},
            Inline);
        add({"br"}, LineBreak);
        add({"img"}, Image);
        add({"input", "select", "textarea", "button"}, FormControl);
        add({"input"}, Input);
        add({"select"}, NoText);
        return t;
    }();
    return table.value(name, 0u);
}

} // namespace dom
