#include "platform/dom/InnerText.h"
#include "platform/dom/Element.h"
#include "platform/dom/TagInfo.h"

namespace dom {

namespace {

bool isCollapsible(QChar c) {
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\r' || u == '\f';
}

bool notRendered(const Element& e) { return e.hasTagFlag(TagInfo::NotRendered) || e.displayNoneInline(); }
bool isBlockLevel(const Element& e) { return e.hasTagFlag(TagInfo::BlockLevel); }
bool isPreformatted(const Element& e) { return e.hasTagFlag(TagInfo::Preformatted); }

class Collector {
public:
    void text(const QString& s, bool pre) {
        for (QChar c : s) {
            if (!pre && isCollapsible(c)) {
                if (!atLineStart_) pendingSpace_ = true;
                continue;
            }
            put(c, pre && c == QLatin1Char('\n'));
        }
    }
    void literal(QChar c) // "\n" of br and rows, "\t" of cells: end a line
    {
        pendingSpace_ = false;
        put(c, true);
    }
    void requireBreak(int count) {
        if (count > pendingBreaks_) pendingBreaks_ = count;
        pendingSpace_ = false;
        atLineStart_ = true;
    }
    QString result() { return out_; }

private:
    void put(QChar c, bool endsLine) {
        if (pendingBreaks_ > 0) {
            if (!out_.isEmpty()) out_ += QString(pendingBreaks_, QLatin1Char('\n'));
            pendingBreaks_ = 0;
        } else if (pendingSpace_) {
            out_ += QLatin1Char(' ');
        }
        pendingSpace_ = false;
        out_ += c;
        atLineStart_ = endsLine || c == QLatin1Char('\t');
    }

    QString out_;
    int pendingBreaks_ = 0;
    bool pendingSpace_ = false;
    bool atLineStart_ = true;
};

bool isLastOfKind(const Element& e, uint32_t flag) {
    for (Node* s = e.nextSibling(); s; s = s->nextSibling()) {
        const Element* se = s->asElement();
        if (se && se->hasTagFlag(flag) && !notRendered(*se)) return false;
    }
    return true;
}

bool isLastRowOfTable(const Element& row) {
    if (!isLastOfKind(row, TagInfo::Row)) return false;
    const Element* sec = row.parentElement();
    if (!sec || sec->is("table")) return true;
    // Later sections of the same table with rows.
    for (Node* s = sec->nextSibling(); s; s = s->nextSibling()) {
        const Element* se = s->asElement();
        if (se && (se->is("tbody") || se->is("thead") || se->is("tfoot") || se->is("tr")) && !notRendered(*se) &&
            (se->is("tr") || !se->rows().empty()))
            return false;
    }
    return true;
}

void collect(const Node& node, Collector& c, bool pre) {
    for (int i = 0; i < node.childCount(); ++i) {
        const Node* child = node.childAt(i);
        if (child->isText()) {
            c.text(child->data(), pre);
            continue;
        }
        const Element* e = child->asElement();
        if (!e || notRendered(*e) || e->hasTagFlag(TagInfo::NoText)) continue;
        if (e->hasTagFlag(TagInfo::LineBreak)) {
            c.literal(QLatin1Char('\n'));
            continue;
        }
        const bool p = e->hasTagFlag(TagInfo::Paragraph);
        const bool block = !p && isBlockLevel(*e);
        if (p)
            c.requireBreak(2);
        else if (block)
            c.requireBreak(1);
        collect(*e, c, pre || isPreformatted(*e));
        if (e->hasTagFlag(TagInfo::Cell)) {
            if (!isLastOfKind(*e, TagInfo::Cell)) c.literal(QLatin1Char('\t'));
        } else if (e->hasTagFlag(TagInfo::Row)) {
            if (!isLastRowOfTable(*e)) c.literal(QLatin1Char('\n'));
        }
        if (p)
            c.requireBreak(2);
        else if (block)
            c.requireBreak(1);
    }
}

} // namespace

QString InnerText::of(const Element& e) {
    bool pre = false;
    for (const Element* a = &e; a; a = a->parentElement()) {
        if (notRendered(*a)) return e.textContent();
        pre = pre || isPreformatted(*a);
    }
    if (e.hasTagFlag(TagInfo::NoText)) return QString();
    if (!pre && e.childCount() == 1 && e.firstChild()->isText()) return collapse(e.firstChild()->data());
    Collector c;
    collect(e, c, pre);
    return c.result();
}

QString InnerText::collapse(const QString& text) {
    // Nothing to collapse: the same text, shared.
    {
        const QChar* p = text.constData();
        const qsizetype n = text.size();
        bool simple = n == 0 || (!isCollapsible(p[0]) && !isCollapsible(p[n - 1]));
        for (qsizetype i = 0; simple && i < n; ++i) {
            const char16_t u = p[i].unicode();
            if (u == '\t' || u == '\n' || u == '\r' || u == '\f' || (u == ' ' && p[i + 1].unicode() == ' '))
                simple = false;
        }
        if (simple) return text;
    }
    QString out;
    out.reserve(text.size());
    bool space = false;
    for (QChar ch : text) {
        if (isCollapsible(ch)) {
            space = !out.isEmpty();
            continue;
        }
        if (space) out += QLatin1Char(' ');
        space = false;
        out += ch;
    }
    return out;
}

} // namespace dom
