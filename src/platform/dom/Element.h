#pragma once
#include "platform/dom/EventHandlerTable.h"
#include "platform/dom/Node.h"
#include <QString>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace dom {

class EventHandler;

// An attribute: name as the parser or setAttribute gave it (lower case for HTML), value.
struct Attribute {
    QString name;
    QString value;
};

// An element of a page document, with the DOM operations the program uses (page bridge,
// news list, calendar, quote center, popup). Every change is journaled (Journal.h) under
// the element's nodeId.
//
// Invalid table indexes give nullptr/false instead of an exception; the caller's "errors
// ignored" rule of the event handlers then applies naturally.
class Element final : public Node {
public:
    enum class Namespace { Html, Svg, MathMl };

    ~Element() override;

    // Stable id: given in document order at parse (1 = the html element), new ids for
    // elements created later, never reused within the document.
    int nodeId() const { return nodeId_; }
    Namespace ns() const { return ns_; }
    bool isHtml() const { return ns_ == Namespace::Html; }
    // Lower-case local name ("tr"); foreign elements keep their case ("foreignObject").
    const QString& localName() const { return localName_; }
    // As browsers report it: upper case for HTML elements ("TR").
    QString tagName() const;
    // Whether this is the HTML element with that lower-case local name.
    template <size_t N>
    bool is(const char (&htmlLocalName)[N]) const {
        return ns_ == Namespace::Html && localName_.size() == static_cast<qsizetype>(N - 1) &&
               localName_ == QLatin1String(htmlLocalName, static_cast<qsizetype>(N - 1));
    }
    // TagInfo flags of an HTML element (0 for foreign elements and unknown tags).
    uint32_t tagFlags() const { return tagFlags_; }
    bool hasTagFlag(uint32_t f) const { return (tagFlags_ & f) != 0; }

    // Attributes, in order.
    const std::vector<Attribute>& attributes() const { return attrs_; }
    bool hasAttribute(const QString& name) const;
    QString getAttribute(const QString& name) const; // "" when absent
    // False for names a browser refuses (empty, or not an XML-like name).
    bool setAttribute(const QString& name, const QString& value);
    void removeAttribute(const QString& name);

    QString id() const { return getAttribute(QStringLiteral("id")); }
    void setId(const QString& v) { setAttribute(QStringLiteral("id"), v); }
    QString className() const { return getAttribute(QStringLiteral("class")); }
    void setClassName(const QString& v) { setAttribute(QStringLiteral("class"), v); }
    QString title() const { return getAttribute(QStringLiteral("title")); }
    void setTitle(const QString& v) { setAttribute(QStringLiteral("title"), v); }
    // The href attribute resolved against the document's URL (as a link reports it).
    QString href() const;

    // Inline style by CSS property name ("display", "background-color"; the scripting
    // forms "backgroundColor" are accepted too). "" when not set. Writing "" removes the
    // property. The style attribute is rewritten as "name: value; name2: value2;".
    QString style(const QString& property) const;
    void setStyle(const QString& property, const QString& value);

    // Text as a browser's innerText gives it for simple pages (see InnerText.h).
    QString innerText() const;
    // Replaces the children by one text node (none for "").
    void setInnerText(const QString& text);
    QString innerHTML() const;
    // Parses html as a browser does with this element as the fragment context (a "<tr>"
    // inside a tbody stays a row; a table inside a cell gets its tbody) and replaces the
    // children by the result. Any text is accepted.
    void setInnerHTML(const QString& html);
    QString outerHTML() const;

    std::vector<Element*> children() const; // element children
    // Descendants (not this) with that tag name, ignoring case; "*" for all.
    std::vector<Element*> getElementsByTagName(const QString& name) const;
    Element* firstElementChild() const;

    // Tables. rows(): a table's rows in thead, then tbody (and direct tr), then tfoot
    // order; a section's (thead/tbody/tfoot) own rows; empty for other elements.
    std::vector<Element*> rows() const;
    std::vector<Element*> cells() const;   // of a tr: its td/th children
    std::vector<Element*> tBodies() const; // of a table
    Element* tBody() const;                // the first tbody of a table
    Element* tHead() const;
    Element* tFoot() const;
    // Table: inserts before rows[index]; -1 or rows().size() appends to the last tbody,
    // creating one when there is none. Section: before rows[index], or appended.
    // nullptr for an index outside -1..rows().size() or on other elements.
    Element* insertRow(int index = -1);
    // Table or section: removes rows[index]; -1 removes the last row (nothing when none).
    bool deleteRow(int index);
    // Row: inserts a td before cells[index]; -1 or cells().size() appends.
    Element* insertCell(int index = -1);
    bool deleteCell(int index);
    // IE's moveRow on a table or section: rows[from] is moved so that it becomes
    // rows[to] (to = -1: the last). Returns the moved row; nullptr for bad indexes.
    Element* moveRow(int from, int to = -1);
    int rowIndex() const;        // in the table's rows; -1 when not a row of a table
    int sectionRowIndex() const; // in the parent section's (or table's) rows; -1
    int cellIndex() const;       // in the row's cells; -1

    // Form controls. checked is the property (initially the checked attribute; a radio
    // that becomes checked unchecks the others of its group). disabled reflects the
    // attribute.
    bool checked() const { return checked_; }
    void setChecked(bool on);
    bool disabled() const { return hasAttribute(QStringLiteral("disabled")); }
    void setDisabled(bool on);

    // Events. Names "onclick" or "click", any case. fireEvent runs this element's inline
    // script for the event (the attribute, through the mini interpreter), then the bound
    // handler. It does not bubble. Returns false when the element has neither.
    void setHandler(const QString& event, std::shared_ptr<EventHandler> handler);
    std::shared_ptr<EventHandler> handler(const QString& event) const;
    bool fireEvent(const QString& event);
    // A user's click (sim backend and tests): see Document::dispatchUserEvent.
    void click();

    // Layout metrics from the document's provider (LayoutMetrics.h), pixels.
    int offsetWidth() const;
    int offsetHeight() const;
    int clientHeight() const;
    int clientWidth() const;

    // Whether an inline style of this element or an ancestor says display:none.
    bool isHiddenInline() const;
    // Whether this element's own inline style says display:none.
    bool displayNoneInline() const { return displayNone_; }

    static QString normalizeEventName(const QString& event);

private:
    Element(Document* doc, QString localName, Namespace ns);

    // Tree changes with journal and bookkeeping.
    Element* createChild(const char* tag, int index); // new HTML element, journaled
    void removeChildElement(Element* child);          // to the graveyard, journaled
    void moveChild(Element* child, Element* newParent, int index);
    void removeAllChildren();
    void setAttributeRaw(const QString& name, const QString& value); // no checks, no journal
    void styleChanged();
    int attrIndex(const QString& name) const;

    QString localName_;
    Namespace ns_;
    int nodeId_ = 0;
    std::vector<Attribute> attrs_;
    EventHandlerTable handlers_;
    uint32_t tagFlags_ = 0;
    bool checked_ = false;
    bool checkedDirty_ = false;
    bool displayNone_ = false;

    friend class Document;
    friend class HtmlParser;
    friend class JournalReplay;
};

} // namespace dom
