#include "platform/dom/PlainLayout.h"
#include "platform/dom/Element.h"
#include "platform/dom/InnerText.h"
#include "platform/dom/TagInfo.h"

namespace dom {

namespace {

bool isBlock(const Element& e) { return e.hasTagFlag(TagInfo::BlockLevel | TagInfo::Paragraph) || e.is("iframe"); }

bool isInline(const Element& e) { return e.hasTagFlag(TagInfo::Inline); }

bool notRendered(const Element& e) { return e.hasTagFlag(TagInfo::NotRendered); }

constexpr int kMaxDepth = 600;

} // namespace

int PlainLayout::pixels(const QString& length) {
    QString t = length.trimmed();
    if (t.endsWith(QLatin1String("px"), Qt::CaseInsensitive)) t.chop(2);
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || v < 0) return -1;
    return static_cast<int>(v + 0.5);
}

QSize PlainLayout::fixedSize(const Element& e) const {
    if (fixed_.isEmpty()) return QSize(-1, -1);
    const QString id = e.id();
    if (id.isEmpty()) return QSize(-1, -1);
    return fixed_.value(id.toLower(), QSize(-1, -1));
}

int PlainLayout::offsetWidth(const Element& e) { return e.isHiddenInline() || notRendered(e) ? 0 : width(e, 0); }
int PlainLayout::offsetHeight(const Element& e) { return e.isHiddenInline() || notRendered(e) ? 0 : height(e, 0); }

int PlainLayout::clientWidth(const Element& e) {
    if (e.is("body") || e.is("html")) return viewport_.width();
    return offsetWidth(e);
}

int PlainLayout::clientHeight(const Element& e) {
    if (e.is("body") || e.is("html")) return viewport_.height();
    return offsetHeight(e);
}

int PlainLayout::width(const Element& e, int depth) {
    const QSize f = fixedSize(e);
    if (f.width() >= 0) return f.width();
    int w = pixels(e.style(QStringLiteral("width")));
    if (w >= 0) return w;
    w = pixels(e.getAttribute(QStringLiteral("width")));
    if (w >= 0) return w;
    if (e.is("body") || e.is("html")) return viewport_.width();
    if (depth > kMaxDepth) return 0;
    if (e.is("td") || e.is("th")) {
        const Element* row = e.parentElement();
        if (row && row->is("tr")) {
            const int n = static_cast<int>(row->cells().size());
            return n > 0 ? width(*row, depth + 1) / n : 0;
        }
    }
    if (e.is("img")) return 0;
    if (isInline(e)) return 7 * static_cast<int>(InnerText::of(e).size());
    const Element* parent = e.parentElement();
    return parent ? width(*parent, depth + 1) : viewport_.width();
}

int PlainLayout::height(const Element& e, int depth) {
    const QSize f = fixedSize(e);
    if (f.height() >= 0) return f.height();
    int h = pixels(e.style(QStringLiteral("height")));
    if (h >= 0) return h;
    h = pixels(e.getAttribute(QStringLiteral("height")));
    if (h >= 0) return h;
    if (depth > kMaxDepth) return 0;
    if (e.is("tr")) {
        int best = rowHeight_;
        for (const Element* c : e.cells()) {
            if (c->isHiddenInline()) continue;
            int ch = pixels(c->style(QStringLiteral("height")));
            if (ch < 0) ch = pixels(c->getAttribute(QStringLiteral("height")));
            best = std::max(best, ch);
        }
        return best;
    }
    if (e.is("table") || e.is("tbody") || e.is("thead") || e.is("tfoot")) {
        int sum = 0;
        for (const Element* r : e.rows())
            if (!r->isHiddenInline() && !(r->parentElement() && r->parentElement()->isHiddenInline()))
                sum += height(*r, depth + 1);
        return sum;
    }
    if (e.is("img")) return 0;
    if (e.is("br")) return lineHeight_;
    return flowHeight(e, depth);
}

int PlainLayout::flowHeight(const Element& e, int depth) {
    int total = 0;
    bool lineOpen = false;
    for (int i = 0; i < e.childCount(); ++i) {
        const Node* n = e.childAt(i);
        if (n->isText()) {
            if (!n->data().trimmed().isEmpty()) lineOpen = true;
            continue;
        }
        const Element* c = n->asElement();
        if (!c || notRendered(*c) || c->isHiddenInline()) continue;
        if (c->is("br")) {
            total += lineHeight_;
            lineOpen = false;
        } else if (isBlock(*c)) {
            if (lineOpen) total += lineHeight_;
            lineOpen = false;
            total += height(*c, depth + 1);
        } else {
            lineOpen = true;
        }
    }
    if (lineOpen) total += lineHeight_;
    return total;
}

} // namespace dom
