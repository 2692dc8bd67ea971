#pragma once
#include <QString>

namespace dom {

class Element;

// innerText as Chromium gives it for simple pages, without a style sheet: the rendered-text
// collection of the HTML standard over these rules:
//   - an element that is hidden by an inline display:none (itself or an ancestor) gives
//     its textContent;
//   - a select gives no text (its options are drawn by the control);
//   - elements not rendered (display:none inline, head, script, style, template, title,
//     meta, link, noscript, datalist, param, base) contribute nothing;
//   - white space collapses as in CSS white-space:normal (pre, textarea, listing,
//     plaintext and xmp keep theirs); U+00A0 is kept;
//   - br gives "\n"; a cell that is not the last of its row is followed by "\t", a row
//     that is not the last of its table by "\n"; p is surrounded by 2 required line
//     breaks, block-level elements (div, table, li, h1...) by 1; required line breaks at
//     the start or end vanish, and consecutive ones give their largest count.
class InnerText {
public:
    static QString of(const Element& e);
    // Collapses white space and trims, as for a block holding only this text.
    static QString collapse(const QString& text);
};

} // namespace dom
