#pragma once
#include "platform/dom/Journal.h"
#include <vector>

namespace dom {
class Document;
}

namespace plat {

class QtBrowserBatches;

// The changes a real page made on its own (its inline scripts, its sort, its layout
// handlers; QtBrowserBridgeScript reports them as ops), taken into the page's model without
// journaling them back: the page has them already. A fact that a change of the program
// still on its way to the page will overwrite there is left out, as the page will end with
// the program's value. A content that only its markup describes ("html") is taken through
// innerHTML with the journal on, so that the page numbers the new elements as the model does.
class QtBrowserFacts {
public:
    // False when a fact named an element the model does not have although nothing is on
    // its way, or could not be applied: the page and its model then disagree.
    static bool take(dom::Document& doc, const std::vector<dom::Op>& facts, const QtBrowserBatches& batches);

private:
    static bool takeOne(dom::Document& doc, const dom::Op& fact, bool inFlight);
};

} // namespace plat
