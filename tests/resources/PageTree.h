#pragma once
#include <QString>
#include <gumbo.h>
#include <vector>

// A page parsed as a browser parses it (HTML5 tree building), for checking the shapes the
// program relies on.
class PageTree {
public:
    explicit PageTree(const QString& html)
        : utf8_(html.toUtf8()), output_(gumbo_parse_with_options(&kGumboDefaultOptions, utf8_.constData(),
                                                                 static_cast<size_t>(utf8_.size()))) {}
    ~PageTree() { gumbo_destroy_output(&kGumboDefaultOptions, output_); }
    PageTree(const PageTree&) = delete;
    PageTree& operator=(const PageTree&) = delete;

    // The elements with the id, in document order.
    std::vector<const GumboNode*> byId(const QString& id) const {
        std::vector<const GumboNode*> found;
        collect(output_->root, id, found);
        return found;
    }

    static QString attribute(const GumboNode* node, const char* name) {
        const GumboAttribute* a = node ? gumbo_get_attribute(&node->v.element.attributes, name) : nullptr;
        return a ? QString::fromUtf8(a->value) : QString();
    }
    static std::vector<const GumboNode*> elementChildren(const GumboNode* node) {
        std::vector<const GumboNode*> out;
        const GumboVector& children = node->v.element.children;
        for (unsigned i = 0; i < children.length; ++i) {
            const auto* child = static_cast<const GumboNode*>(children.data[i]);
            if (child->type == GUMBO_NODE_ELEMENT) out.push_back(child);
        }
        return out;
    }

private:
    static void collect(const GumboNode* node, const QString& id, std::vector<const GumboNode*>& found) {
        if (node->type != GUMBO_NODE_ELEMENT) return;
        if (attribute(node, "id") == id) found.push_back(node);
        for (const GumboNode* child : elementChildren(node)) collect(child, id, found);
    }

    QByteArray utf8_;
    GumboOutput* output_;
};
