#pragma once
#include <QString>

namespace dom {

class Document;
class Element;
class Node;

// Turns gumbo's parse tree into the model's nodes (gumbo's tree is freed at once). Elements
// are numbered in document order from the document's next node id. Adjacent texts are
// merged; trees deeper than kMaxDepth are flattened there (as Chromium's parser does at
// 512), so no later recursion over the model can run out of stack.
class HtmlParser {
public:
    static constexpr int kMaxDepth = 512;

    // Fills an empty document; returns whether the page is in quirks mode.
    static bool parseDocument(Document& doc, const QString& html);
    // Parses html with context as the fragment context element and appends the nodes to
    // context (whose children the caller has removed). Returns the number of elements.
    static int parseFragmentInto(Element& context, const QString& html);

private:
    // Converts the children of a gumbo node (a GumboNode*) into children of target.
    static int convertChildren(Document& doc, const void* gumboNode, Node* target, int targetDepth);
};

} // namespace dom
