#pragma once
#include "platform/dom/EventHandlerTable.h"
#include "platform/dom/Journal.h"
#include "platform/dom/Node.h"
#include <functional>
#include <QHash>
#include <QString>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace dom {

class Element;
class EventHandler;
class LayoutMetrics;

// The program's model of one hosted page (design.md "The page document model"): parsed with
// gumbo as Chromium parses it, read and written synchronously by element id, every change
// journaled for the projection into the real page (Journal.h), the page scripts the program
// triggers (sortTable) run here too.
//
// Lifetime of elements: an element removed from the tree (deleteRow, innerHTML, innerText)
// stays valid, detached, until collectGarbage(); the backend calls that at the end of each
// event-loop turn, so program code may use an element it looked up within one handler.
class Document {
public:
    // An empty page: <html><head></head><body></body></html>.
    Document();
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Parses a whole page. Elements get ids 1, 2, ... in document order. The journal
    // starts empty (the real page loads the same text by itself).
    static std::unique_ptr<Document> parse(const QString& html);

    Node* root() const { return root_.get(); }
    Element* documentElement() const;
    Element* head() const;
    Element* body() const;
    bool quirksMode() const { return quirks_; }

    // The base address of the page, for resolving href (Element::href).
    const QString& url() const { return url_; }
    void setUrl(const QString& url) { url_ = url; }

    // First element in document order whose id equals id ignoring case; nullptr.
    Element* getElementById(const QString& id) const;
    std::vector<Element*> getElementsByTagName(const QString& name) const;
    // The element with that node id, in the tree or detached but not yet collected.
    Element* elementByNodeId(int nodeId) const;
    int nextNodeId() const { return nextId_; }
    // Number of elements in the tree; FNV-1a hash of their local names (each followed by
    // ",") in document order: the same values as the applier's init() on the real page.
    int elementCount() const;
    uint32_t structureHash() const;

    // The focused/clicked element as the backend reports it; the body when none is set or
    // the element left the tree.
    Element* activeElement() const;
    void setActiveElement(Element* e) { active_ = e; }

    // Document-level handlers ("onclick"...), called last when a user event bubbles.
    void setHandler(const QString& event, std::shared_ptr<EventHandler> handler);
    std::shared_ptr<EventHandler> handler(const QString& event) const;

    // A user's action on target ("onclick", "onmousedown", "onmouseup", "onmouseover"...),
    // as a browser dispatches it: a disabled form control gets nothing; for mousedown and
    // click the active element becomes the nearest focusable ancestor-or-self (link with
    // href, form control, element with tabindex), else target itself (as the old engine
    // reported the clicked element); a click toggles a checkbox and checks a radio first;
    // then from target up to the html element each element's inline script and bound
    // handler run, and finally the document's handler.
    void dispatchUserEvent(Element* target, const QString& event);
    // The same for an event that a real page has carried out already and reports (the Qt
    // backend): the page ran the inline scripts and toggled the check box, so only the
    // active element and the bound handlers are left to the model.
    void dispatchReportedEvent(Element* target, const QString& event);

    // How deep events, fired events and scripts may nest (each counts one level): a
    // script that fires its own event stops there instead of recursing without end.
    static constexpr int MaxScriptNesting = 16;

    // Runs an inline script (the mini interpreter, InlineScript.h) with self as `this`.
    void runScript(Element* self, const QString& code);
    // The page script sortTable(id) (resources/pages/ruzezaro.htm): the rows of the table's
    // first tbody, stable-sorted by their first cell's text (innerText, else textContent;
    // "" for a row without cells) in descending localeCompare order, re-appended after the
    // body's other child nodes. When that changes nothing, nothing is journaled.
    void sortTable(const QString& tableId);

    // The mutation journal.
    Journal& journal() { return journal_; }
    std::vector<Op> takeOps() { return journal_.take(); }

    // Layout metrics provider; a PlainLayout by default.
    LayoutMetrics& metrics() const { return *metrics_; }
    void setMetrics(std::shared_ptr<LayoutMetrics> m);

    // Frees removed elements (see the class comment) and journals a "forget" op with their
    // ids, so the browser side can drop them too.
    void collectGarbage();
    // Called when a removed element goes to an empty graveyard: a backend that projects
    // nothing (no end-of-turn flush) frees it then, instead of keeping it for the page's life.
    void setOnFirstBurial(std::function<void()> f) { onFirstBurial_ = std::move(f); }
    // How many removed nodes wait for collectGarbage() (leak checks).
    size_t buried() const { return graveyard_.size(); }

    // HTML serialisation of the html element (document.documentElement.outerHTML), and of
    // the whole document (doctype and top-level comments included).
    QString serialize() const;
    QString serializeDocument() const;

private:
    friend class Element;
    friend class HtmlParser;
    friend class JournalReplay;

    int allocateId(Element* e);
    void forgetElement(Element* e);
    void bury(std::unique_ptr<Node> n);
    void idsChanged() { idIndexDirty_ = true; }
    void subtreeChanged(const Node* subtreeRoot);
    void orderChanged() {
        if (idIndexHasDuplicates_) idIndexDirty_ = true;
    }
    void rebuildIdIndex() const;
    void dispatch(Element* target, const QString& event, bool reported);

    std::unique_ptr<Node> root_;
    int nextId_ = 1;
    bool quirks_ = false;
    QString url_;
    Element* active_ = nullptr;
    std::unordered_map<int, Element*> byNodeId_;
    mutable QHash<QString, Element*> idIndex_;
    mutable bool idIndexDirty_ = true;
    mutable bool idIndexHasDuplicates_ = false;
    std::vector<std::unique_ptr<Node>> graveyard_;
    std::function<void()> onFirstBurial_;
    EventHandlerTable handlers_;
    std::shared_ptr<LayoutMetrics> metrics_;
    Journal journal_;
    int scriptDepth_ = 0;
};

} // namespace dom
