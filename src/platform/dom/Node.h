#pragma once
#include <QString>
#include <memory>
#include <vector>

namespace dom {

class Document;
class Element;

// A node of a page document: the document root, an element, a text, a comment or the
// doctype. Children are owned by their parent. The tree is changed only through Element
// and Document, which also journal every change (see Journal.h).
class Node {
public:
    enum class Type { Element = 1, Text = 3, Comment = 8, Document = 9, Doctype = 10 };

    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;
    virtual ~Node();

    Type nodeType() const { return type_; }
    bool isElement() const { return type_ == Type::Element; }
    bool isText() const { return type_ == Type::Text; }
    Element* asElement();
    const Element* asElement() const;

    Document* ownerDocument() const { return doc_; }
    Node* parentNode() const { return parent_; }
    // The parent when it is an element (the document root has none).
    Element* parentElement() const;

    int childCount() const { return static_cast<int>(children_.size()); }
    Node* childAt(int i) const { return children_[static_cast<size_t>(i)].get(); }
    Node* firstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    Node* lastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
    // Position among the parent's children; -1 without a parent.
    int indexInParent() const;
    Node* nextSibling() const;
    Node* previousSibling() const;

    // Text and comment data; the doctype's name.
    const QString& data() const { return data_; }
    // The doctype's public and system identifiers.
    const QString& publicId() const { return publicId_; }
    const QString& systemId() const { return systemId_; }

    // Concatenated text of all descendant text nodes (DOM textContent).
    QString textContent() const;
    // Whether this node is in its document's tree (not removed, not inside a removed node).
    bool isConnected() const;
    // Whether other is this node or one of its descendants.
    bool contains(const Node* other) const;

protected:
    Node(Type type, Document* doc) : type_(type), doc_(doc) {}

    // Raw tree surgery without journal or bookkeeping (callers do both).
    Node* insertChildRaw(std::unique_ptr<Node> child, int index); // -1 appends
    std::unique_ptr<Node> takeChildRaw(int index);

    Type type_;
    Document* doc_;
    Node* parent_ = nullptr;
    std::vector<std::unique_ptr<Node>> children_;
    QString data_;
    QString publicId_;
    QString systemId_;

    friend class Document;
    friend class Element;
    friend class HtmlParser;
    friend class JournalReplay;
};

} // namespace dom
