#pragma once
#include "config/ConfigNode.h"
#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

struct _xmlDoc;
struct _xmlNode;

// The parsed ZEP.xml on libxml2: kept exactly as read (layout text, comments, attribute
// order, unknown nodes) so that saving an unchanged document gives the same bytes.
// Nodes taken out of the tree are freed only once no ConfigNode can still refer to them.
class ConfigDocument : public std::enable_shared_from_this<ConfigDocument> {
public:
    struct ParseError {
        QString reason; // the parser's own words, ending with a line end
        int line = 0;
    };

    // Null, with the parser's reason, when the bytes are not a well-formed document.
    // No network access, no external entities: the bytes are all there is.
    static std::shared_ptr<ConfigDocument> parse(const QByteArray& bytes, ParseError& error);
    ~ConfigDocument();
    ConfigDocument(const ConfigDocument&) = delete;
    ConfigDocument& operator=(const ConfigDocument&) = delete;

    ConfigNode wrap(_xmlNode* node);
    ConfigNode root();
    // The first element with this name in document order; null when none.
    ConfigNode firstElementNamed(const QString& name);
    // The first node that the child path selects, evaluated against the root element.
    // Null when nothing matches; then `error` says why when the path itself is faulty.
    ConfigNode select(const QString& path, QString& error);
    // True when an element with this name lies anywhere below the node.
    static bool hasDescendant(const ConfigNode& node, const QString& name);

    // Appends a new empty element as the parent's last child, indented like its siblings.
    // Null when the name is not a valid element name or could not be written back in the
    // document's encoding.
    ConfigNode appendElement(const ConfigNode& parent, const QString& name);
    // Takes every child of the node out, last first.
    void removeChildren(const ConfigNode& node);

    // The whole document in the encoding its declaration names. Empty when it cannot be
    // written, or would not read back as a well-formed document.
    QByteArray serialize() const;

private:
    explicit ConfigDocument(_xmlDoc* doc) : doc_(doc) {}
    std::shared_ptr<const void> keepAlive();
    void freeDetached();
    void detach(_xmlNode* node);

    _xmlDoc* doc_;
    std::vector<_xmlNode*> detached_;
    std::weak_ptr<const void> keepAlive_;
};
