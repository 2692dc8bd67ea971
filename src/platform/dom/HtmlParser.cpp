#include "platform/dom/HtmlParser.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include <gumbo.h>
#include <cstring>

namespace dom {

namespace {

QString fromUtf8(const char* s) { return s ? QString::fromUtf8(s, static_cast<qsizetype>(std::strlen(s))) : QString(); }

// The tag name of an element as its source spelled it ("<foo bar>" -> "foo").
QString originalTagName(const GumboStringPiece& piece) {
    const char* p = piece.data;
    size_t n = piece.length;
    if (!p || n == 0) return QString();
    size_t i = 0;
    if (p[i] == '<') ++i;
    if (i < n && p[i] == '/') ++i;
    const size_t start = i;
    while (i < n && p[i] != ' ' && p[i] != '\t' && p[i] != '\n' && p[i] != '\r' && p[i] != '\f' && p[i] != '/' &&
           p[i] != '>')
        ++i;
    return QString::fromUtf8(p + start, static_cast<qsizetype>(i - start));
}

Element::Namespace toNs(GumboNamespaceEnum ns) {
    switch (ns) {
    case GUMBO_NAMESPACE_SVG:
        return Element::Namespace::Svg;
    case GUMBO_NAMESPACE_MATHML:
        return Element::Namespace::MathMl;
    default:
        return Element::Namespace::Html;
    }
}

QString localNameOf(const GumboElement& e) {
    QString name;
    if (e.tag != GUMBO_TAG_UNKNOWN) {
        name = QString::fromLatin1(gumbo_normalized_tagname(e.tag));
    } else {
        name = originalTagName(e.original_tag).toLower();
    }
    if (e.tag_namespace == GUMBO_NAMESPACE_SVG) {
        GumboStringPiece piece{e.original_tag.data, e.original_tag.length};
        if (piece.data && piece.length > 0) {
            const QString orig = originalTagName(piece);
            const QByteArray lower = orig.toLower().toUtf8();
            GumboStringPiece lp{lower.constData(), static_cast<size_t>(lower.size())};
            if (const char* fixed = gumbo_normalize_svg_tagname(&lp)) name = QString::fromLatin1(fixed);
        }
    }
    if (name.isEmpty()) name = QStringLiteral("unknown");
    return name;
}

QString attrName(const GumboAttribute& a) {
    const QString n = fromUtf8(a.name);
    switch (a.attr_namespace) {
    case GUMBO_ATTR_NAMESPACE_XLINK:
        return n.startsWith(QLatin1String("xlink:")) ? n : QStringLiteral("xlink:") + n;
    case GUMBO_ATTR_NAMESPACE_XML:
        return n.startsWith(QLatin1String("xml:")) ? n : QStringLiteral("xml:") + n;
    case GUMBO_ATTR_NAMESPACE_XMLNS:
        return (n == QLatin1String("xmlns") || n.startsWith(QLatin1String("xmlns:"))) ? n
                                                                                      : QStringLiteral("xmlns:") + n;
    default:
        return n;
    }
}

const GumboVector* childrenOf(const GumboNode* n) {
    if (n->type == GUMBO_NODE_DOCUMENT) return &n->v.document.children;
    if (n->type == GUMBO_NODE_ELEMENT || n->type == GUMBO_NODE_TEMPLATE) return &n->v.element.children;
    return nullptr;
}

} // namespace

// Converts the children of gumbo node src into children of target, iteratively.
int HtmlParser::convertChildren(Document& doc, const void* gumboNode, Node* target, int targetDepth) {
    const auto* src = static_cast<const GumboNode*>(gumboNode);
    struct Item {
        const GumboNode* node;
        Node* parent;
        int depth; // depth of parent
    };
    std::vector<Item> stack;
    int elements = 0;
    auto pushChildren = [&](const GumboNode* n, Node* parent, int depth) {
        const GumboVector* kids = childrenOf(n);
        if (!kids) return;
        for (unsigned i = kids->length; i-- > 0;)
            stack.push_back({static_cast<const GumboNode*>(kids->data[i]), parent, depth});
    };
    pushChildren(src, target, targetDepth);
    while (!stack.empty()) {
        Item it = stack.back();
        stack.pop_back();
        Node* parent = it.parent;
        int depth = it.depth;
        if (depth >= HtmlParser::kMaxDepth && parent != target && parent->parentNode()) {
            parent = parent->parentNode();
            --depth;
        }
        const GumboNode* g = it.node;
        switch (g->type) {
        case GUMBO_NODE_ELEMENT:
        case GUMBO_NODE_TEMPLATE: {
            const GumboElement& ge = g->v.element;
            auto* e = new Element(&doc, localNameOf(ge), toNs(ge.tag_namespace));
            std::unique_ptr<Node> owned(e);
            e->attrs_.reserve(ge.attributes.length);
            for (unsigned i = 0; i < ge.attributes.length; ++i) {
                const auto* a = static_cast<const GumboAttribute*>(ge.attributes.data[i]);
                e->attrs_.push_back({attrName(*a), fromUtf8(a->value)});
            }
            if (e->is("input")) e->checked_ = e->hasAttribute(QStringLiteral("checked"));
            e->styleChanged();
            doc.allocateId(e);
            ++elements;
            parent->insertChildRaw(std::move(owned), -1);
            pushChildren(g, e, depth + 1);
            break;
        }
        case GUMBO_NODE_TEXT:
        case GUMBO_NODE_WHITESPACE:
        case GUMBO_NODE_CDATA: {
            const QString text = fromUtf8(g->v.text.text);
            if (text.isEmpty()) break;
            Node* last = parent->lastChild();
            if (last && last->isText()) {
                last->data_ += text;
            } else {
                std::unique_ptr<Node> t(new Node(Node::Type::Text, &doc));
                t->data_ = text;
                parent->insertChildRaw(std::move(t), -1);
            }
            break;
        }
        case GUMBO_NODE_COMMENT: {
            std::unique_ptr<Node> c(new Node(Node::Type::Comment, &doc));
            c->data_ = fromUtf8(g->v.text.text);
            parent->insertChildRaw(std::move(c), -1);
            break;
        }
        case GUMBO_NODE_DOCUMENT:
            break;
        }
    }
    return elements;
}

bool HtmlParser::parseDocument(Document& doc, const QString& html) {
    const QByteArray utf8 = html.toUtf8();
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    GumboOutput* out = gumbo_parse_with_options(&options, utf8.constData(), static_cast<size_t>(utf8.size()));
    bool quirks = false;
    if (out && out->document) {
        const GumboDocument& gd = out->document->v.document;
        quirks = gd.doc_type_quirks_mode == GUMBO_DOCTYPE_QUIRKS;
        convertChildren(doc, out->document, doc.root_.get(), 0);
        if (gd.has_doctype) {
            // Gumbo keeps no doctype node: it goes after the comments that precede it.
            const qsizetype at = utf8.indexOf("<!"), lower = QByteArray(utf8).toLower().indexOf("<!doctype");
            const qsizetype pos = lower >= 0 ? lower : at;
            int index = 0;
            for (unsigned i = 0; i < gd.children.length; ++i) {
                const auto* c = static_cast<const GumboNode*>(gd.children.data[i]);
                if (c->type != GUMBO_NODE_COMMENT || !c->v.text.original_text.data ||
                    c->v.text.original_text.data - utf8.constData() > pos)
                    break;
                ++index;
            }
            std::unique_ptr<Node> dt(new Node(Node::Type::Doctype, &doc));
            dt->data_ = fromUtf8(gd.name);
            dt->publicId_ = fromUtf8(gd.public_identifier);
            dt->systemId_ = fromUtf8(gd.system_identifier);
            doc.root_->insertChildRaw(std::move(dt), index);
        }
    }
    if (out) gumbo_destroy_output(&options, out);
    return quirks;
}

int HtmlParser::parseFragmentInto(Element& context, const QString& html) {
    Document& doc = *context.ownerDocument();
    const QByteArray utf8 = html.toUtf8();
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    switch (context.ns()) {
    case Element::Namespace::Html: {
        const QByteArray tag = context.localName().toLatin1();
        GumboTag t = gumbo_tag_enum(tag.constData());
        options.fragment_context = (t == GUMBO_TAG_UNKNOWN || t == GUMBO_TAG_LAST) ? GUMBO_TAG_DIV : t;
        options.fragment_namespace = GUMBO_NAMESPACE_HTML;
        break;
    }
    case Element::Namespace::Svg: {
        const QByteArray tag = context.localName().toLower().toLatin1();
        GumboTag t = gumbo_tag_enum(tag.constData());
        options.fragment_context = (t == GUMBO_TAG_UNKNOWN || t == GUMBO_TAG_LAST) ? GUMBO_TAG_SVG : t;
        options.fragment_namespace = GUMBO_NAMESPACE_SVG;
        break;
    }
    case Element::Namespace::MathMl: {
        const QByteArray tag = context.localName().toLatin1();
        GumboTag t = gumbo_tag_enum(tag.constData());
        options.fragment_context = (t == GUMBO_TAG_UNKNOWN || t == GUMBO_TAG_LAST) ? GUMBO_TAG_MATH : t;
        options.fragment_namespace = GUMBO_NAMESPACE_MATHML;
        break;
    }
    }
    GumboOutput* out = gumbo_parse_with_options(&options, utf8.constData(), static_cast<size_t>(utf8.size()));
    int count = 0;
    if (out && out->root) {
        int depth = 0;
        for (const Node* n = &context; n->parentNode(); n = n->parentNode()) ++depth;
        count = convertChildren(doc, out->root, &context, depth);
    }
    if (out) gumbo_destroy_output(&options, out);
    return count;
}

} // namespace dom
