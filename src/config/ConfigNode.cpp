#include "config/ConfigNode.h"
#include "config/XmlText.h"
#include <libxml/entities.h>
#include <libxml/tree.h>

namespace {

xmlAttr* findAttribute(xmlNode* node, const QString& name) {
    if (!node || node->type != XML_ELEMENT_NODE) return nullptr;
    for (xmlAttr* attr = node->properties; attr; attr = attr->next) {
        if (xmltext::qualifiedName(reinterpret_cast<xmlNode*>(attr)) == name) return attr;
    }
    return nullptr;
}

// Elements and attributes take their content as markup, so the text goes in escaped;
// text-like nodes take it as it is.
void setContent(xmlNode* node, const QString& text) {
    const QByteArray utf8 = xmltext::toXml(text);
    const auto* raw = reinterpret_cast<const xmlChar*>(utf8.constData());
    if (node->type == XML_ELEMENT_NODE || node->type == XML_ATTRIBUTE_NODE) {
        xmlChar* escaped = xmlEncodeSpecialChars(node->doc, raw);
        xmlNodeSetContent(node, escaped);
        xmlFree(escaped);
    } else {
        xmlNodeSetContent(node, raw);
    }
}

} // namespace

ConfigNode::ConfigNode(std::shared_ptr<const void> keepAlive, _xmlNode* node)
    : keepAlive_(std::move(keepAlive)), node_(node) {}

QString ConfigNode::name() const { return node_ ? xmltext::qualifiedName(node_) : QString(); }

QString ConfigNode::text() const { return node_ ? xmltext::takeXml(xmlNodeGetContent(node_)) : QString(); }

bool ConfigNode::setText(const QString& text) {
    if (!node_ || node_->type == XML_DOCUMENT_NODE) return false;
    setContent(node_, text);
    return true;
}

QStringList ConfigNode::attributeNames() const {
    QStringList names;
    if (!node_ || node_->type != XML_ELEMENT_NODE) return names;
    for (xmlAttr* attr = node_->properties; attr; attr = attr->next) {
        names.append(xmltext::qualifiedName(reinterpret_cast<xmlNode*>(attr)));
    }
    return names;
}

bool ConfigNode::hasAttribute(const QString& name) const { return findAttribute(node_, name) != nullptr; }

QString ConfigNode::attribute(const QString& name) const {
    xmlAttr* attr = findAttribute(node_, name);
    return attr ? xmltext::takeXml(xmlNodeGetContent(reinterpret_cast<xmlNode*>(attr))) : QString();
}

bool ConfigNode::setAttribute(const QString& name, const QString& value) {
    xmlAttr* attr = findAttribute(node_, name);
    if (!attr) return false;
    setContent(reinterpret_cast<xmlNode*>(attr), value);
    return true;
}

bool ConfigNode::putAttribute(const QString& name, const QString& value) {
    if (setAttribute(name, value)) return true;
    if (!node_ || node_->type != XML_ELEMENT_NODE) return false;
    const QByteArray utf8 = xmltext::toXml(name);
    if (xmlValidateName(reinterpret_cast<const xmlChar*>(utf8.constData()), 0) != 0) return false;
    if (!xmlNewProp(node_, reinterpret_cast<const xmlChar*>(utf8.constData()), nullptr)) return false;
    return setAttribute(name, value);
}

std::vector<ConfigNode> ConfigNode::elements() const {
    std::vector<ConfigNode> list;
    if (!node_ || node_->type != XML_ELEMENT_NODE) return list;
    for (xmlNode* child = node_->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE) list.emplace_back(keepAlive_, child);
    }
    return list;
}
