#include "platform/dom/Element.h"
#include "platform/dom/Document.h"
#include "platform/dom/EventHandler.h"
#include "platform/dom/HtmlParser.h"
#include "platform/dom/HtmlSerializer.h"
#include "platform/dom/InnerText.h"
#include "platform/dom/LayoutMetrics.h"
#include "platform/dom/StyleDeclaration.h"
#include "platform/dom/TagInfo.h"
#include <QUrl>

namespace dom {

namespace {

QString asciiLower(const QString& s) {
    for (QChar c : s) {
        if (c.unicode() >= 'A' && c.unicode() <= 'Z') {
            QString out = s;
            for (QChar& d : out)
                if (d.unicode() >= 'A' && d.unicode() <= 'Z') d = QChar(d.unicode() + 32);
            return out;
        }
    }
    return s;
}

QString asciiUpper(const QString& s) {
    QString out = s;
    for (QChar& d : out)
        if (d.unicode() >= 'a' && d.unicode() <= 'z') d = QChar(d.unicode() - 32);
    return out;
}

bool validAttrName(const QString& n) {
    if (n.isEmpty()) return false;
    for (qsizetype i = 0; i < n.size(); ++i) {
        const char16_t c = n.at(i).unicode();
        if (c >= 0x80) continue;
        const bool alpha = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
        const bool other = (c >= '0' && c <= '9') || c == '-' || c == '.';
        if (!(alpha || (i > 0 && other))) return false;
    }
    return true;
}

bool isSection(const Element& e) { return e.hasTagFlag(TagInfo::Section); }

void trChildren(const Element& e, std::vector<Element*>& out) {
    for (int i = 0; i < e.childCount(); ++i) {
        Element* c = e.childAt(i)->asElement();
        if (c && c->hasTagFlag(TagInfo::Row)) out.push_back(c);
    }
}

int indexIn(const std::vector<Element*>& v, const Element* e) {
    for (size_t i = 0; i < v.size(); ++i)
        if (v[i] == e) return static_cast<int>(i);
    return -1;
}

} // namespace

Element::Element(Document* doc, QString localName, Namespace ns)
    : Node(Type::Element, doc), localName_(std::move(localName)), ns_(ns) {
    if (ns_ == Namespace::Html) tagFlags_ = TagInfo::flags(localName_);
}

void Element::styleChanged() {
    const int i = attrIndex(QStringLiteral("style"));
    displayNone_ = i >= 0 && StyleDeclaration::saysDisplayNone(attrs_[static_cast<size_t>(i)].value);
}

Element::~Element() {
    if (doc_) doc_->forgetElement(this);
}

QString Element::tagName() const { return isHtml() ? asciiUpper(localName_) : localName_; }

// ---- attributes ----

int Element::attrIndex(const QString& name) const {
    const QString n = isHtml() ? asciiLower(name) : name;
    for (size_t i = 0; i < attrs_.size(); ++i)
        if (attrs_[i].name == n) return static_cast<int>(i);
    return -1;
}

bool Element::hasAttribute(const QString& name) const { return attrIndex(name) >= 0; }

QString Element::getAttribute(const QString& name) const {
    const int i = attrIndex(name);
    return i >= 0 ? attrs_[static_cast<size_t>(i)].value : QString();
}

void Element::setAttributeRaw(const QString& name, const QString& value) {
    const int i = attrIndex(name);
    if (i >= 0)
        attrs_[static_cast<size_t>(i)].value = value;
    else
        attrs_.push_back({name, value});
    if (name == QLatin1String("style")) styleChanged();
}

bool Element::setAttribute(const QString& name, const QString& value) {
    if (!validAttrName(name)) return false;
    const QString n = isHtml() ? asciiLower(name) : name;
    const int i = attrIndex(n);
    if (i >= 0 && attrs_[static_cast<size_t>(i)].value == value) return true;
    setAttributeRaw(n, value);
    Op op;
    op.kind = Op::Kind::Attr;
    op.node = nodeId_;
    op.name = n;
    op.value = value;
    doc_->journal().record(std::move(op));
    if (n == QLatin1String("id"))
        doc_->idsChanged();
    else if (n == QLatin1String("checked") && is("input") && !checkedDirty_)
        checked_ = true;
    return true;
}

void Element::removeAttribute(const QString& name) {
    const int i = attrIndex(name);
    if (i < 0) return;
    const QString n = attrs_[static_cast<size_t>(i)].name;
    attrs_.erase(attrs_.begin() + i);
    if (n == QLatin1String("style")) styleChanged();
    Op op;
    op.kind = Op::Kind::RemoveAttr;
    op.node = nodeId_;
    op.name = n;
    doc_->journal().record(std::move(op));
    if (n == QLatin1String("id"))
        doc_->idsChanged();
    else if (n == QLatin1String("checked") && is("input") && !checkedDirty_)
        checked_ = false;
}

QString Element::href() const {
    const QString h = getAttribute(QStringLiteral("href"));
    if (!hasAttribute(QStringLiteral("href")) || doc_->url().isEmpty()) return h;
    return QUrl(doc_->url()).resolved(QUrl(h.trimmed())).toString();
}

// ---- style ----

QString Element::style(const QString& property) const {
    const int i = attrIndex(QStringLiteral("style"));
    if (i < 0) return QString();
    return StyleDeclaration::parse(attrs_[static_cast<size_t>(i)].value).get(StyleDeclaration::propertyName(property));
}

void Element::setStyle(const QString& property, const QString& value) {
    const QString name = StyleDeclaration::propertyName(property);
    if (name.isEmpty()) return;
    const QString v = value.trimmed();
    const int i = attrIndex(QStringLiteral("style"));
    StyleDeclaration decl = StyleDeclaration::parse(i >= 0 ? attrs_[static_cast<size_t>(i)].value : QString());
    if (decl.get(name) == v && (i >= 0 || v.isEmpty())) return;
    decl.set(name, v);
    const QString css = decl.serialize();
    setAttributeRaw(QStringLiteral("style"), css);
    Op op;
    op.kind = Op::Kind::Style;
    op.node = nodeId_;
    op.name = name;
    op.value = v;
    op.css = css;
    doc_->journal().record(std::move(op));
}

bool Element::isHiddenInline() const {
    for (const Element* a = this; a; a = a->parentElement())
        if (a->displayNone_) return true;
    return false;
}

// ---- text and HTML ----

QString Element::innerText() const { return InnerText::of(*this); }

void Element::removeAllChildren() {
    while (!children_.empty()) {
        const int last = static_cast<int>(children_.size()) - 1;
        Node* c = children_.back().get();
        if (c->isElement()) doc_->subtreeChanged(c);
        std::unique_ptr<Node> owned = takeChildRaw(last);
        if (owned->isElement()) doc_->bury(std::move(owned));
    }
}

void Element::setInnerText(const QString& text) {
    removeAllChildren();
    if (!text.isEmpty()) {
        std::unique_ptr<Node> t(new Node(Type::Text, doc_));
        t->data_ = text;
        insertChildRaw(std::move(t), -1);
    }
    Op op;
    op.kind = Op::Kind::Text;
    op.node = nodeId_;
    op.value = text;
    doc_->journal().record(std::move(op));
}

QString Element::innerHTML() const {
    QString out;
    HtmlSerializer::inner(*this, out);
    return out;
}

void Element::setInnerHTML(const QString& html) {
    removeAllChildren();
    const int first = doc_->nextNodeId();
    const int count = HtmlParser::parseFragmentInto(*this, html);
    if (count > 0)
        for (const auto& c : children_)
            if (c->isElement()) doc_->subtreeChanged(c.get());
    Op op;
    op.kind = Op::Kind::Html;
    op.node = nodeId_;
    op.value = html;
    op.first = first;
    op.count = count;
    doc_->journal().record(std::move(op));
}

QString Element::outerHTML() const {
    QString out;
    HtmlSerializer::outer(*this, out);
    return out;
}

// ---- navigation ----

std::vector<Element*> Element::children() const {
    std::vector<Element*> out;
    for (const auto& c : children_)
        if (c->isElement()) out.push_back(static_cast<Element*>(c.get()));
    return out;
}

Element* Element::firstElementChild() const {
    for (const auto& c : children_)
        if (c->isElement()) return static_cast<Element*>(c.get());
    return nullptr;
}

std::vector<Element*> Element::getElementsByTagName(const QString& name) const {
    std::vector<Element*> out;
    const bool all = name == QLatin1String("*");
    const QString lower = asciiLower(name);
    std::vector<const Node*> stack;
    for (int i = childCount(); i-- > 0;) stack.push_back(childAt(i));
    while (!stack.empty()) {
        const Node* n = stack.back();
        stack.pop_back();
        if (!n->isElement()) continue;
        auto* e = const_cast<Element*>(static_cast<const Element*>(n));
        if (all || e->localName_ == (e->isHtml() ? lower : name)) out.push_back(e);
        for (int i = e->childCount(); i-- > 0;) stack.push_back(e->childAt(i));
    }
    return out;
}

// ---- tables ----

std::vector<Element*> Element::rows() const {
    std::vector<Element*> out;
    if (is("table")) {
        for (const auto& c : children_) {
            const Element* e = c->asElement();
            if (e && e->is("thead")) trChildren(*e, out);
        }
        for (const auto& c : children_) {
            Element* e = c->asElement();
            if (!e) continue;
            if (e->is("tbody"))
                trChildren(*e, out);
            else if (e->is("tr"))
                out.push_back(e);
        }
        for (const auto& c : children_) {
            const Element* e = c->asElement();
            if (e && e->is("tfoot")) trChildren(*e, out);
        }
    } else if (isSection(*this)) {
        trChildren(*this, out);
    }
    return out;
}

std::vector<Element*> Element::cells() const {
    std::vector<Element*> out;
    if (!is("tr")) return out;
    for (const auto& c : children_) {
        Element* e = c->asElement();
        if (e && (e->is("td") || e->is("th"))) out.push_back(e);
    }
    return out;
}

std::vector<Element*> Element::tBodies() const {
    std::vector<Element*> out;
    if (!is("table")) return out;
    for (const auto& c : children_) {
        Element* e = c->asElement();
        if (e && e->is("tbody")) out.push_back(e);
    }
    return out;
}

template <size_t N>
static Element* firstChildNamed(const Element& t, const char (&name)[N]) {
    if (!t.is("table")) return nullptr;
    for (int i = 0; i < t.childCount(); ++i) {
        Element* e = t.childAt(i)->asElement();
        if (e && e->is(name)) return e;
    }
    return nullptr;
}

Element* Element::tBody() const { return firstChildNamed(*this, "tbody"); }
Element* Element::tHead() const { return firstChildNamed(*this, "thead"); }
Element* Element::tFoot() const { return firstChildNamed(*this, "tfoot"); }

Element* Element::createChild(const char* tag, int index) {
    auto* e = new Element(doc_, QString::fromLatin1(tag), Namespace::Html);
    std::unique_ptr<Node> owned(e);
    doc_->allocateId(e);
    const int at = (index < 0 || index > childCount()) ? childCount() : index;
    insertChildRaw(std::move(owned), at);
    Op op;
    op.kind = Op::Kind::Insert;
    op.parent = nodeId_;
    op.index = at;
    op.name = e->localName_;
    op.node = e->nodeId_;
    doc_->journal().record(std::move(op));
    return e;
}

void Element::removeChildElement(Element* child) {
    const int idx = child->indexInParent();
    if (idx < 0 || child->parent_ != this) return;
    doc_->subtreeChanged(child);
    std::unique_ptr<Node> owned = takeChildRaw(idx);
    Op op;
    op.kind = Op::Kind::Remove;
    op.node = child->nodeId_;
    doc_->journal().record(std::move(op));
    doc_->bury(std::move(owned));
}

Element* Element::insertRow(int index) {
    const bool table = is("table");
    if (!table && !isSection(*this)) return nullptr;
    const std::vector<Element*> r = rows();
    const int n = static_cast<int>(r.size());
    if (index < -1 || index > n) return nullptr;
    if (index == -1 || index == n) {
        if (!table) return createChild("tr", -1);
        Element* body = nullptr;
        for (int i = childCount(); i-- > 0;) {
            Element* e = childAt(i)->asElement();
            if (e && e->is("tbody")) {
                body = e;
                break;
            }
        }
        if (!body) body = createChild("tbody", -1);
        return body->createChild("tr", -1);
    }
    Element* ref = r[static_cast<size_t>(index)];
    return ref->parentElement()->createChild("tr", ref->indexInParent());
}

bool Element::deleteRow(int index) {
    if (!is("table") && !isSection(*this)) return false;
    const std::vector<Element*> r = rows();
    const int n = static_cast<int>(r.size());
    if (index == -1) {
        if (n == 0) return true;
        index = n - 1;
    }
    if (index < 0 || index >= n) return false;
    Element* row = r[static_cast<size_t>(index)];
    row->parentElement()->removeChildElement(row);
    return true;
}

Element* Element::insertCell(int index) {
    if (!is("tr")) return nullptr;
    const std::vector<Element*> c = cells();
    const int n = static_cast<int>(c.size());
    if (index < -1 || index > n) return nullptr;
    if (index == -1 || index == n) return createChild("td", -1);
    return createChild("td", c[static_cast<size_t>(index)]->indexInParent());
}

bool Element::deleteCell(int index) {
    if (!is("tr")) return false;
    const std::vector<Element*> c = cells();
    const int n = static_cast<int>(c.size());
    if (index == -1) {
        if (n == 0) return true;
        index = n - 1;
    }
    if (index < 0 || index >= n) return false;
    removeChildElement(c[static_cast<size_t>(index)]);
    return true;
}

Element* Element::moveRow(int from, int to) {
    if (!is("table") && !isSection(*this)) return nullptr;
    std::vector<Element*> r = rows();
    const int n = static_cast<int>(r.size());
    if (to == -1) to = n - 1;
    if (from < 0 || from >= n || to < 0 || to >= n) return nullptr;
    Element* row = r[static_cast<size_t>(from)];
    if (from == to) return row;
    r.erase(r.begin() + from);
    const bool before = to < n - 1;
    Element* ref = before ? r[static_cast<size_t>(to)] : r.back();
    Node* oldParent = row->parent_;
    std::unique_ptr<Node> owned = oldParent->takeChildRaw(row->indexInParent());
    Element* newParent = ref->parentElement();
    const int idx = ref->indexInParent() + (before ? 0 : 1);
    newParent->insertChildRaw(std::move(owned), idx);
    Op op;
    op.kind = Op::Kind::Move;
    op.node = row->nodeId_;
    op.parent = newParent->nodeId_;
    op.index = idx;
    doc_->journal().record(std::move(op));
    doc_->orderChanged();
    return row;
}

int Element::rowIndex() const {
    if (!is("tr")) return -1;
    const Element* p = parentElement();
    if (!p) return -1;
    const Element* table = nullptr;
    if (p->is("table"))
        table = p;
    else if (isSection(*p) && p->parentElement() && p->parentElement()->is("table"))
        table = p->parentElement();
    return table ? indexIn(table->rows(), this) : -1;
}

int Element::sectionRowIndex() const {
    if (!is("tr")) return -1;
    const Element* p = parentElement();
    if (!p || !(p->is("table") || isSection(*p))) return -1;
    return indexIn(p->rows(), this);
}

int Element::cellIndex() const {
    const Element* p = parentElement();
    if (!p || !p->is("tr") || !(is("td") || is("th"))) return -1;
    return indexIn(p->cells(), this);
}

// ---- form controls ----

void Element::setChecked(bool on) {
    checkedDirty_ = true;
    if (checked_ != on) {
        checked_ = on;
        Op op;
        op.kind = Op::Kind::Checked;
        op.node = nodeId_;
        op.flag = on;
        doc_->journal().record(std::move(op));
    }
    if (!on || !is("input") ||
        getAttribute(QStringLiteral("type")).compare(QLatin1String("radio"), Qt::CaseInsensitive) != 0)
        return;
    const QString group = getAttribute(QStringLiteral("name"));
    if (group.isEmpty()) return;
    // The radio group: same name, same form (or no form), same tree.
    const Element* form = parentElement();
    while (form && !form->is("form")) form = form->parentElement();
    std::vector<Element*> inputs;
    if (form) {
        inputs = form->getElementsByTagName(QStringLiteral("input"));
    } else {
        const Node* r = this;
        while (r->parentNode()) r = r->parentNode();
        if (r->nodeType() == Type::Document)
            inputs = doc_->getElementsByTagName(QStringLiteral("input"));
        else if (const Element* re = r->asElement())
            inputs = re->getElementsByTagName(QStringLiteral("input"));
    }
    for (Element* other : inputs) {
        if (other == this || !other->checked_ || other->getAttribute(QStringLiteral("name")) != group ||
            other->getAttribute(QStringLiteral("type")).compare(QLatin1String("radio"), Qt::CaseInsensitive) != 0)
            continue;
        const Element* of = other->parentElement();
        while (of && !of->is("form")) of = of->parentElement();
        if (of != form) continue;
        other->checkedDirty_ = true;
        other->checked_ = false;
        Op op;
        op.kind = Op::Kind::Checked;
        op.node = other->nodeId_;
        op.flag = false;
        doc_->journal().record(std::move(op));
    }
}

void Element::setDisabled(bool on) {
    if (on)
        setAttribute(QStringLiteral("disabled"),
                     hasAttribute(QStringLiteral("disabled")) ? getAttribute(QStringLiteral("disabled")) : QString());
    else
        removeAttribute(QStringLiteral("disabled"));
}

// ---- events ----

QString Element::normalizeEventName(const QString& event) {
    QString n = asciiLower(event.trimmed());
    if (!n.startsWith(QLatin1String("on"))) n.prepend(QLatin1String("on"));
    return n;
}

void Element::setHandler(const QString& event, std::shared_ptr<EventHandler> h) {
    handlers_.set(normalizeEventName(event), std::move(h));
}

std::shared_ptr<EventHandler> Element::handler(const QString& event) const {
    return handlers_.get(normalizeEventName(event));
}

bool Element::fireEvent(const QString& event) {
    const QString name = normalizeEventName(event);
    if (doc_->scriptDepth_ >= Document::MaxScriptNesting) return false;
    ++doc_->scriptDepth_;
    bool ran = false;
    const QString script = getAttribute(name);
    if (!script.isEmpty()) {
        doc_->runScript(this, script);
        ran = true;
    }
    if (std::shared_ptr<EventHandler> h = handler(name)) {
        h->theDefault();
        ran = true;
    }
    --doc_->scriptDepth_;
    return ran;
}

void Element::click() { doc_->dispatchUserEvent(this, QStringLiteral("onclick")); }

// ---- metrics ----

int Element::offsetWidth() const { return doc_->metrics().offsetWidth(*this); }
int Element::offsetHeight() const { return doc_->metrics().offsetHeight(*this); }
int Element::clientHeight() const { return doc_->metrics().clientHeight(*this); }
int Element::clientWidth() const { return doc_->metrics().clientWidth(*this); }

} // namespace dom
