#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/EventHandler.h"
#include "platform/dom/HtmlParser.h"
#include "platform/dom/HtmlSerializer.h"
#include "platform/dom/InlineScript.h"
#include "platform/dom/LocaleCompare.h"
#include "platform/dom/PlainLayout.h"
#include "platform/dom/TagInfo.h"
#include <algorithm>

namespace dom {

namespace {

// Pre-order walk over the elements under node.
template <typename F>
void forEachElement(const Node* node, F&& f) {
    std::vector<const Node*> stack;
    for (int i = node->childCount(); i-- > 0;) stack.push_back(node->childAt(i));
    while (!stack.empty()) {
        const Node* n = stack.back();
        stack.pop_back();
        if (!n->isElement()) continue;
        if (!f(const_cast<Element*>(n->asElement()))) return;
        for (int i = n->childCount(); i-- > 0;) stack.push_back(n->childAt(i));
    }
}

bool isFocusable(const Element& e) {
    if (e.hasAttribute(QStringLiteral("tabindex"))) return true;
    if ((e.is("a") || e.is("area")) && e.hasAttribute(QStringLiteral("href"))) return true;
    if (e.is("input"))
        return e.getAttribute(QStringLiteral("type")).compare(QLatin1String("hidden"), Qt::CaseInsensitive) != 0;
    return e.is("select") || e.is("textarea") || e.is("button") || e.is("iframe");
}

bool isFormControl(const Element& e) { return e.is("input") || e.is("select") || e.is("textarea") || e.is("button"); }

// A list sorted before that gained a few rows is sorted again by moving just those (a news
// flash sorts the list of 300 rows each time): stable, with about one comparison a row.
// Anything less ordered goes to the merge sort.
template <class T, class Before>
void sortMostlySorted(std::vector<T>& v, Before before) {
    constexpr int FewOutOfPlace = 4;
    int outOfPlace = 0;
    for (size_t i = 1; i < v.size() && outOfPlace <= FewOutOfPlace; ++i)
        if (before(v[i], v[i - 1])) ++outOfPlace;
    if (outOfPlace > FewOutOfPlace) {
        std::stable_sort(v.begin(), v.end(), before);
        return;
    }
    for (size_t i = 1; i < v.size(); ++i) {
        if (!before(v[i], v[i - 1])) continue;
        T moving = std::move(v[i]);
        size_t j = i;
        for (; j > 0 && before(moving, v[j - 1]); --j) v[j] = std::move(v[j - 1]);
        v[j] = std::move(moving);
    }
}

} // namespace

Document::Document() : root_(new Node(Node::Type::Document, this)), metrics_(std::make_shared<PlainLayout>()) {
    quirks_ = HtmlParser::parseDocument(*this, QString());
}

Document::~Document() {
    journal_.setEnabled(false);
    active_ = nullptr;
    root_.reset();
    graveyard_.clear();
}

std::unique_ptr<Document> Document::parse(const QString& html) {
    auto doc = std::make_unique<Document>();
    // Start afresh: the empty page of the constructor goes, numbering restarts at 1.
    doc->root_.reset(new Node(Node::Type::Document, doc.get()));
    doc->byNodeId_.clear();
    doc->nextId_ = 1;
    doc->idIndexDirty_ = true;
    doc->quirks_ = HtmlParser::parseDocument(*doc, html);
    doc->journal_.take();
    return doc;
}

Element* Document::documentElement() const {
    for (int i = 0; i < root_->childCount(); ++i)
        if (Element* e = root_->childAt(i)->asElement()) return e;
    return nullptr;
}

Element* Document::head() const {
    Element* html = documentElement();
    if (!html) return nullptr;
    for (Element* e : html->children())
        if (e->is("head")) return e;
    return nullptr;
}

Element* Document::body() const {
    Element* html = documentElement();
    if (!html) return nullptr;
    for (Element* e : html->children())
        if (e->is("body") || e->is("frameset")) return e;
    return nullptr;
}

void Document::rebuildIdIndex() const {
    idIndex_.clear();
    idIndexHasDuplicates_ = false;
    forEachElement(root_.get(), [this](Element* e) {
        for (const Attribute& a : e->attributes()) {
            if (a.name == QLatin1String("id")) {
                if (!a.value.isEmpty()) {
                    const QString key = a.value.toLower();
                    if (idIndex_.contains(key))
                        idIndexHasDuplicates_ = true;
                    else
                        idIndex_.insert(key, e);
                }
                break;
            }
        }
        return true;
    });
    idIndexDirty_ = false;
}

Element* Document::getElementById(const QString& id) const {
    if (id.isEmpty()) return nullptr;
    if (idIndexDirty_) rebuildIdIndex();
    return idIndex_.value(id.toLower(), nullptr);
}

std::vector<Element*> Document::getElementsByTagName(const QString& name) const {
    std::vector<Element*> out;
    Element* html = documentElement();
    if (!html) return out;
    const bool all = name == QLatin1String("*");
    const QString lower = name.toLower();
    forEachElement(root_.get(), [&](Element* e) {
        if (all || e->localName() == (e->isHtml() ? lower : name)) out.push_back(e);
        return true;
    });
    return out;
}

Element* Document::elementByNodeId(int nodeId) const {
    auto it = byNodeId_.find(nodeId);
    return it == byNodeId_.end() ? nullptr : it->second;
}

int Document::elementCount() const {
    int n = 0;
    forEachElement(root_.get(), [&n](Element*) {
        ++n;
        return true;
    });
    return n;
}

uint32_t Document::structureHash() const {
    uint32_t h = 0x811c9dc5u;
    auto add = [&h](char16_t c) { h = (h ^ c) * 16777619u; };
    forEachElement(root_.get(), [&](Element* e) {
        for (QChar c : e->localName()) add(c.unicode());
        add(u',');
        return true;
    });
    return h;
}

Element* Document::activeElement() const {
    if (active_ && active_->isConnected()) return active_;
    return body();
}

void Document::setHandler(const QString& event, std::shared_ptr<EventHandler> h) {
    handlers_.set(Element::normalizeEventName(event), std::move(h));
}

std::shared_ptr<EventHandler> Document::handler(const QString& event) const {
    return handlers_.get(Element::normalizeEventName(event));
}

void Document::dispatchUserEvent(Element* target, const QString& event) { dispatch(target, event, false); }

void Document::dispatchReportedEvent(Element* target, const QString& event) { dispatch(target, event, true); }

void Document::dispatch(Element* target, const QString& event, bool reported) {
    if (!target || scriptDepth_ >= MaxScriptNesting) return;
    const QString name = Element::normalizeEventName(event);
    if (isFormControl(*target) && target->disabled()) return;
    if (name == QLatin1String("onclick") || name == QLatin1String("onmousedown")) {
        Element* f = target;
        while (f && !isFocusable(*f)) f = f->parentElement();
        setActiveElement(f ? f : target);
    }
    if (!reported && name == QLatin1String("onclick") && target->is("input")) {
        const QString type = target->getAttribute(QStringLiteral("type")).toLower();
        if (type == QLatin1String("checkbox"))
            target->setChecked(!target->checked());
        else if (type == QLatin1String("radio"))
            target->setChecked(true);
    }
    std::vector<Element*> path;
    for (Element* e = target; e; e = e->parentElement()) path.push_back(e);
    ++scriptDepth_;
    for (Element* e : path) {
        const QString script = reported ? QString() : e->getAttribute(name);
        if (!script.isEmpty()) runScript(e, script);
        if (std::shared_ptr<EventHandler> h = e->handler(name)) h->theDefault();
    }
    if (path.back()->isConnected()) {
        if (std::shared_ptr<EventHandler> h = handler(name)) h->theDefault();
    }
    --scriptDepth_;
}

void Document::runScript(Element* self, const QString& code) {
    if (scriptDepth_ >= MaxScriptNesting) return;
    ++scriptDepth_;
    InlineScript::run(*this, self, code);
    --scriptDepth_;
}

void Document::sortTable(const QString& tableId) {
    Element* t = getElementById(tableId);
    if (!t) return;
    Element* body = t->hasTagFlag(TagInfo::Table) ? t->tBody() : (t->hasTagFlag(TagInfo::Section) ? t : nullptr);
    if (!body) return;
    struct Keyed {
        QString key;
        Element* row;
        int oldIndex;
    };
    std::vector<Keyed> rows;
    for (int i = 0; i < body->childCount(); ++i) {
        Element* r = body->childAt(i)->asElement();
        if (!r || !r->hasTagFlag(TagInfo::Row)) continue;
        Element* cell = nullptr;
        for (int j = 0; j < r->childCount() && !cell; ++j) {
            Element* c = r->childAt(j)->asElement();
            if (c && c->hasTagFlag(TagInfo::Cell)) cell = c;
        }
        // The page's key: cell.innerText || cell.textContent || ''.
        QString key;
        if (cell) {
            key = cell->innerText();
            if (key.isEmpty()) key = cell->textContent();
        }
        rows.push_back({key, r, i});
    }
    // compareTRs(a, b) = b.text.localeCompare(a.text): a goes first when it is greater.
    sortMostlySorted(rows, [](const Keyed& a, const Keyed& b) { return LocaleCompare::compare(b.key, a.key) < 0; });
    // New children: the other nodes in their order, then the rows in sorted order.
    std::vector<int> order;
    order.reserve(static_cast<size_t>(body->childCount()));
    for (int i = 0; i < body->childCount(); ++i) {
        Element* e = body->childAt(i)->asElement();
        if (!e || !e->hasTagFlag(TagInfo::Row)) order.push_back(i);
    }
    for (const Keyed& k : rows) order.push_back(k.oldIndex);
    bool same = true;
    for (size_t i = 0; i < order.size() && same; ++i) same = order[i] == static_cast<int>(i);
    if (same) return;
    std::vector<std::unique_ptr<Node>> old = std::move(body->children_);
    body->children_.clear();
    body->children_.reserve(old.size());
    for (int i : order) body->children_.push_back(std::move(old[static_cast<size_t>(i)]));
    Op op;
    op.kind = Op::Kind::Order;
    op.parent = body->nodeId();
    op.ids.reserve(rows.size());
    for (const Keyed& k : rows) op.ids.push_back(k.row->nodeId());
    journal_.record(std::move(op));
    orderChanged();
}

void Document::setMetrics(std::shared_ptr<LayoutMetrics> m) {
    metrics_ = m ? std::move(m) : std::make_shared<PlainLayout>();
}

void Document::collectGarbage() {
    if (active_ && !active_->isConnected()) active_ = nullptr;
    if (graveyard_.empty()) return;
    Op op;
    op.kind = Op::Kind::Forget;
    for (const auto& dead : graveyard_) {
        if (const Element* e = dead->asElement()) op.ids.push_back(e->nodeId());
        forEachElement(dead.get(), [&op](Element* e) {
            op.ids.push_back(e->nodeId());
            return true;
        });
    }
    graveyard_.clear();
    if (!op.ids.empty()) journal_.record(std::move(op));
}

QString Document::serialize() const {
    QString out;
    if (Element* html = documentElement()) HtmlSerializer::outer(*html, out);
    return out;
}

QString Document::serializeDocument() const {
    QString out;
    HtmlSerializer::inner(*root_, out);
    return out;
}

int Document::allocateId(Element* e) {
    e->nodeId_ = nextId_++;
    byNodeId_[e->nodeId_] = e;
    return e->nodeId_;
}

void Document::forgetElement(Element* e) {
    byNodeId_.erase(e->nodeId_);
    if (active_ == e) active_ = nullptr;
}

void Document::bury(std::unique_ptr<Node> n) {
    graveyard_.push_back(std::move(n));
    if (graveyard_.size() == 1 && onFirstBurial_) onFirstBurial_();
}

void Document::subtreeChanged(const Node* subtreeRoot) {
    if (idIndexDirty_) return;
    bool hasId = false;
    auto check = [&hasId](const Element* e) {
        for (const Attribute& a : e->attributes())
            if (a.name == QLatin1String("id")) {
                hasId = true;
                break;
            }
        return !hasId;
    };
    if (const Element* e = subtreeRoot->asElement()) check(e);
    if (!hasId) forEachElement(subtreeRoot, [&](Element* e) { return check(e); });
    if (hasId) idIndexDirty_ = true;
}

} // namespace dom
