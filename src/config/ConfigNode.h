#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

struct _xmlNode;

// One node of the configuration document (an element, or whatever a path selected), as the
// calendar, quote and settings code hold it: reading and changing it reads and changes the
// document. A copy refers to the same node. The node stays valid as long as the value
// lives, also after it has been taken out of the document (changes then go nowhere) or the
// document has been loaded again. A default-constructed node is null: reads give empty
// text, changes fail.
class ConfigNode {
public:
    ConfigNode() = default;
    // keepAlive holds the document and its taken-out nodes (see ConfigDocument).
    ConfigNode(std::shared_ptr<const void> keepAlive, _xmlNode* node);

    bool isNull() const { return node_ == nullptr; }
    // The element's name as written, prefix included ("EURUSD", "Item").
    QString name() const;

    // The text of the node and everything below it.
    QString text() const;
    // Replaces whatever the node holds by this text.
    bool setText(const QString& text);

    // Attribute names in document order.
    QStringList attributeNames() const;
    bool hasAttribute(const QString& name) const;
    // Empty when the attribute is missing (hasAttribute tells the two apart).
    QString attribute(const QString& name) const;
    // Changes an existing attribute only; false when it is missing.
    bool setAttribute(const QString& name, const QString& value);
    // Changes the attribute, adding it after the others when it is missing.
    bool putAttribute(const QString& name, const QString& value);

    // The child elements in document order (layout text and comments left out).
    std::vector<ConfigNode> elements() const;

    _xmlNode* xml() const { return node_; }

private:
    std::shared_ptr<const void> keepAlive_;
    _xmlNode* node_ = nullptr;
};
