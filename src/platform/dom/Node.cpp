#include "platform/dom/Node.h"
#include "platform/dom/Element.h"

namespace dom {

Node::~Node() = default;

Element* Node::asElement() { return isElement() ? static_cast<Element*>(this) : nullptr; }
const Element* Node::asElement() const { return isElement() ? static_cast<const Element*>(this) : nullptr; }

Element* Node::parentElement() const { return parent_ ? parent_->asElement() : nullptr; }

int Node::indexInParent() const {
    if (!parent_) return -1;
    const auto& sibs = parent_->children_;
    for (size_t i = 0; i < sibs.size(); ++i)
        if (sibs[i].get() == this) return static_cast<int>(i);
    return -1;
}

Node* Node::nextSibling() const {
    const int i = indexInParent();
    if (i < 0 || i + 1 >= parent_->childCount()) return nullptr;
    return parent_->childAt(i + 1);
}

Node* Node::previousSibling() const {
    const int i = indexInParent();
    if (i <= 0) return nullptr;
    return parent_->childAt(i - 1);
}

static void appendText(const Node& n, QString& out) {
    for (int i = 0; i < n.childCount(); ++i) {
        const Node* c = n.childAt(i);
        if (c->isText())
            out += c->data();
        else if (c->isElement())
            appendText(*c, out);
    }
}

QString Node::textContent() const {
    if (type_ == Type::Text || type_ == Type::Comment) return data_;
    if (type_ == Type::Doctype) return QString();
    QString out;
    appendText(*this, out);
    return out;
}

bool Node::isConnected() const {
    const Node* n = this;
    while (n->parent_) n = n->parent_;
    return n->type_ == Type::Document;
}

bool Node::contains(const Node* other) const {
    for (const Node* n = other; n; n = n->parent_)
        if (n == this) return true;
    return false;
}

Node* Node::insertChildRaw(std::unique_ptr<Node> child, int index) {
    Node* raw = child.get();
    raw->parent_ = this;
    if (index < 0 || index >= static_cast<int>(children_.size()))
        children_.push_back(std::move(child));
    else
        children_.insert(children_.begin() + index, std::move(child));
    return raw;
}

std::unique_ptr<Node> Node::takeChildRaw(int index) {
    std::unique_ptr<Node> c = std::move(children_[static_cast<size_t>(index)]);
    children_.erase(children_.begin() + index);
    c->parent_ = nullptr;
    return c;
}

} // namespace dom
