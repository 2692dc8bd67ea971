#pragma once
#include <QString>

namespace dom {

class Document;
class Element;

// The mini interpreter for the inline event scripts the program generates (news list links,
// popup lines) and the main page's sort header. Statements separated by ";":
//   X.innerText = 'literal'     X.innerHTML = 'literal'    X.className = 'literal'
//   X.title = 'literal'         X.style.prop = 'literal'
//   X.fireEvent('onclick')      sortTable('id')            return ...  (ends the script)
// where X is `this` or an element id (looked up ignoring case, as the old engine's named
// access did). Literals in single or double quotes with the usual backslash escapes. A
// leading "javascript:" is skipped. Anything else is skipped; nothing throws.
class InlineScript {
public:
    static void run(Document& doc, Element* self, const QString& code);
};

} // namespace dom
