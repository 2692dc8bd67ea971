#include "config/ConfigDocument.h"
#include "config/LibxmlErrorTrap.h"
#include "config/XmlText.h"
#include <libxml/encoding.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>
#include <climits>
#include <mutex>

namespace {

// Files declared "gb2312" are in practice written with the whole of code page 936 (GBK),
// as the system they come from reads that label; decoding them strictly as GB2312 would
// refuse a file over one rarer character.
void setUpLibxml() {
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlAddEncodingAlias("GBK", "GB2312");
    });
}

const xmlChar* xmlChars(const QByteArray& utf8) { return reinterpret_cast<const xmlChar*>(utf8.constData()); }

// Document-order walk below top, into elements only (an entity reference's children
// belong to the entity declaration, not to this tree).
xmlNode* findDescendant(xmlNode* top, const QString& name) {
    xmlNode* cur = top->children;
    while (cur) {
        if (cur->type == XML_ELEMENT_NODE) {
            if (xmltext::qualifiedName(cur) == name) return cur;
            if (cur->children) {
                cur = cur->children;
                continue;
            }
        }
        while (cur != top && !cur->next) cur = cur->parent;
        if (cur == top) break;
        cur = cur->next;
    }
    return nullptr;
}

// Nodes that live in the tree; XPath can also hand out namespace nodes, which are copies
// freed with the result.
bool isTreeNode(const xmlNode* node) {
    switch (node->type) {
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE:
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
    case XML_COMMENT_NODE:
    case XML_PI_NODE:
        return true;
    default:
        return false;
    }
}

xmlNode* firstSelected(xmlXPathObject* result, QString& error) {
    if (result->type != XPATH_NODESET) {
        error = QStringLiteral("the path does not select nodes");
        return nullptr;
    }
    xmlNodeSet* set = result->nodesetval;
    if (!set || set->nodeNr == 0) return nullptr;
    xmlXPathNodeSetSort(set);
    xmlNode* node = set->nodeTab[0];
    if (isTreeNode(node)) return node;
    error = QStringLiteral("the path selects no element, attribute or text");
    return nullptr;
}

bool isBlankText(const xmlNode* node) {
    return node && node->type == XML_TEXT_NODE && xmlIsBlankNode(const_cast<xmlNode*>(node));
}

// A parent laid out one child per line ends with the line end and indentation before its
// closing tag; the new child goes before that, with its siblings' indentation. Returns the
// indentation added, if any.
xmlNode* appendIndented(xmlDoc* doc, xmlNode* parent, xmlNode* child) {
    xmlNode* closing = parent->last;
    xmlNode* sibling = closing ? closing->prev : nullptr;
    if (!isBlankText(closing) || !sibling || !isBlankText(sibling->prev)) {
        xmlAddChild(parent, child);
        return nullptr;
    }
    xmlAddPrevSibling(closing, child);
    return xmlAddPrevSibling(child, xmlNewDocText(doc, sibling->prev->content));
}

bool isAscii(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() > 0x7F) return false;
    }
    return true;
}

} // namespace

std::shared_ptr<ConfigDocument> ConfigDocument::parse(const QByteArray& bytes, ParseError& error) {
    setUpLibxml();
    if (bytes.size() > INT_MAX) {
        error = {QStringLiteral("The file is too large.\n"), 0};
        return nullptr;
    }
    LibxmlErrorTrap trap;
    xmlParserCtxt* ctxt = xmlNewParserCtxt();
    if (!ctxt) {
        error = {QStringLiteral("Out of memory.\n"), 0};
        return nullptr;
    }
    xmlDoc* doc = xmlCtxtReadMemory(ctxt, bytes.constData(), static_cast<int>(bytes.size()), nullptr, nullptr,
                                    XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    xmlFreeParserCtxt(ctxt);
    if (doc && xmlDocGetRootElement(doc)) return std::shared_ptr<ConfigDocument>(new ConfigDocument(doc));
    xmlFreeDoc(doc);
    error.reason = trap.message().isEmpty() ? QStringLiteral("The document is not well-formed.\n") : trap.message();
    error.line = trap.line();
    return nullptr;
}

ConfigDocument::~ConfigDocument() {
    freeDetached();
    xmlFreeDoc(doc_);
}

std::shared_ptr<const void> ConfigDocument::keepAlive() {
    if (auto alive = keepAlive_.lock()) return alive;
    freeDetached();
    auto alive = std::make_shared<std::shared_ptr<ConfigDocument>>(shared_from_this());
    keepAlive_ = alive;
    return alive;
}

void ConfigDocument::freeDetached() {
    for (xmlNode* node : detached_) xmlFreeNode(node);
    detached_.clear();
}

void ConfigDocument::detach(xmlNode* node) {
    xmlUnlinkNode(node);
    detached_.push_back(node);
    if (keepAlive_.expired()) freeDetached();
}

ConfigNode ConfigDocument::wrap(xmlNode* node) { return node ? ConfigNode(keepAlive(), node) : ConfigNode(); }

ConfigNode ConfigDocument::root() { return wrap(xmlDocGetRootElement(doc_)); }

ConfigNode ConfigDocument::firstElementNamed(const QString& name) {
    xmlNode* top = xmlDocGetRootElement(doc_);
    return wrap(xmltext::qualifiedName(top) == name ? top : findDescendant(top, name));
}

ConfigNode ConfigDocument::select(const QString& path, QString& error) {
    LibxmlErrorTrap trap;
    xmlXPathContext* context = xmlXPathNewContext(doc_);
    if (!context) {
        error = QStringLiteral("out of memory");
        return {};
    }
    context->node = xmlDocGetRootElement(doc_);
    xmlXPathObject* result = xmlXPathEvalExpression(xmlChars(xmltext::toXml(path)), context);
    xmlNode* node = nullptr;
    if (result) {
        node = firstSelected(result, error);
    } else {
        error = trap.message().trimmed();
        if (error.isEmpty()) error = QStringLiteral("invalid path");
    }
    xmlXPathFreeObject(result);
    xmlXPathFreeContext(context);
    return wrap(node);
}

bool ConfigDocument::hasDescendant(const ConfigNode& node, const QString& name) {
    xmlNode* top = node.xml();
    return top && top->type == XML_ELEMENT_NODE && findDescendant(top, name);
}

ConfigNode ConfigDocument::appendElement(const ConfigNode& parent, const QString& name) {
    xmlNode* top = parent.xml();
    const QByteArray utf8 = name.toUtf8();
    if (!top || top->type != XML_ELEMENT_NODE || xmltext::toXml(name) != utf8 ||
        xmlValidateName(xmlChars(utf8), 0) != 0) {
        return {};
    }
    xmlNode* child = xmlNewDocNode(doc_, nullptr, xmlChars(utf8), nullptr);
    if (!child) return {};
    xmlNode* indent = appendIndented(doc_, top, child);
    // A name the document's encoding cannot spell would be written as a character
    // reference, which no parser accepts in a name: the file would be lost on next start.
    if (!isAscii(name) && serialize().isEmpty()) {
        detach(child);
        if (indent) detach(indent);
        return {};
    }
    return wrap(child);
}

void ConfigDocument::removeChildren(const ConfigNode& node) {
    xmlNode* top = node.xml();
    if (!top || top->type != XML_ELEMENT_NODE) return;
    while (top->last) detach(top->last);
}

QByteArray ConfigDocument::serialize() const {
    LibxmlErrorTrap trap;
    xmlChar* memory = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(doc_, &memory, &size, nullptr, 0);
    QByteArray bytes(reinterpret_cast<const char*>(memory), memory ? size : 0);
    xmlFree(memory);
    ParseError ignored;
    if (bytes.isEmpty() || !parse(bytes, ignored)) return {};
    return bytes;
}
