#pragma once
#include "platform/dom/LayoutMetrics.h"
#include <QHash>
#include <QSize>
#include <QString>

namespace dom {

// Sizes computed without a style sheet, plainly and predictably:
//   - an element hidden by an inline display:none (itself or an ancestor): 0 x 0;
//   - a size fixed with setSize(id, ...) wins (for boxes the style sheet sizes, e.g. the
//     popup's "popupWin");
//   - width: the inline style width in px, else a numeric width attribute, else for a
//     cell its row's width shared equally among the row's cells, for img 0, for other
//     inline elements (span, a, font, b, ...) 7 px per character of innerText, else
//     (blocks) the parent's width; body and html: the viewport width;
//   - height: the inline style height in px, else a numeric height attribute; a row:
//     rowHeight (20) or its tallest cell's fixed height; a table or section: the sum of
//     its rows; img: 0; other elements: their flow content, each line of inline content
//     lineHeight (18), blocks (div, p, table, li, ...) stacked;
//   - clientHeight/clientWidth of body and html: the viewport (800 x 600 by default);
//     of others: their offset size.
class PlainLayout : public LayoutMetrics {
public:
    void setViewport(int width, int height) { viewport_ = QSize(width, height); }
    QSize viewport() const { return viewport_; }
    void setLineHeight(int px) { lineHeight_ = px; }
    void setRowHeight(int px) { rowHeight_ = px; }
    // Fixes the size of the element with that id (ignoring case); -1 leaves a dimension
    // to the rules.
    void setSize(const QString& id, int width, int height) { fixed_.insert(id.toLower(), QSize(width, height)); }

    int offsetWidth(const Element& e) override;
    int offsetHeight(const Element& e) override;
    int clientWidth(const Element& e) override;
    int clientHeight(const Element& e) override;

    // "280px", "280" -> 280; anything else (%, em, auto) -> -1.
    static int pixels(const QString& length);

private:
    int width(const Element& e, int depth);
    int height(const Element& e, int depth);
    int flowHeight(const Element& e, int depth);
    QSize fixedSize(const Element& e) const;

    QSize viewport_{800, 600};
    int lineHeight_ = 18;
    int rowHeight_ = 20;
    QHash<QString, QSize> fixed_;
};

} // namespace dom
