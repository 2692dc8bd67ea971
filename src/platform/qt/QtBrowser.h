#pragma once
#include "platform/browser/Browser.h"
#include "platform/qt/QtBrowserBatches.h"
#include "platform/res/ResourceStore.h"
#include <QJsonObject>
#include <QObject>
#include <memory>
#include <vector>

class QWebChannel;
class QWebEngineLoadingInfo;
class QWebEngineView;
class QWidget;

namespace dom {
class Document;
class Element;
} // namespace dom

namespace plat {

class QtBrowserBridge;
class QtBrowserMetrics;
class QtBrowserPage;

// The real browser control: a QWebEngineView filling the rectangle it is given, kept in
// step with the page's model (dom::Document) that the program reads and writes.
//
// - navigate(): a "res" page's model is parsed at once from the embedded resource, so the
//   program can use it before the real page has loaded; a web page gets an empty model
//   (only its sizes are reported). busy() holds until the real page has loaded and its
//   bridge (QtBrowserBridgeScript) has numbered its elements as the model did (a count or
//   hash that differs is logged); then NavigateComplete and DocumentComplete(url, true).
//   A frame's load gives DocumentComplete(frame address, false).
// - The projection: the ops that the program journals during one event-loop turn go to the
//   page as one numbered batch at the end of that turn (QtBrowserBatches); the page applies
//   them in order and acknowledges each; what it fails to apply is logged.
// - Back from the page: its own changes (QtBrowserFacts), then the events the program binds:
//   a user's event runs the bound handlers as the model dispatches them, without the inline
//   scripts and the check box toggle that the page has carried out already; a script's
//   fireEvent runs only the element's own handler, as fireEvent does in the model. Focus
//   moving into a frame makes the frame element active.
// - Sizes: the page reports the body's client size and the watched elements' offset sizes
//   when they change, as soon as it has laid them out. A read never waits: it answers what the
//   page reported last; an element read for the first time is watched from then on (its
//   size follows the turn's batch) and answers a plain estimate until then. A report that
//   changes a size gives onSizesChanged in a turn of its own.
// - The main frame of a "res" page never leaves it by the page's own doing (links, reloads):
//   the program opens web links itself. A new window is refused unless the page's active
//   element is a frame (onNewWindow may decide otherwise); an allowed one opens as a plain
//   browser window. No context menu, no drop target unless asked, script errors to the log.
class QtBrowser : public QObject, public Browser {
public:
    // owner: the window object the browser lives and dies with; parent: the widget it is
    // drawn in.
    QtBrowser(QObject* owner, QWidget* parent);
    ~QtBrowser() override;

    void setGeometry(const QRect& r) override;
    QRect geometry() const override;
    void navigate(const QString& url) override;
    QString locationUrl() const override { return url_; }
    bool busy() const override { return busy_; }
    dom::Document* document() override { return doc_.get(); }
    void setSilent(bool on) override;
    void setDropTarget(bool on) override;

    // The view, for tests.
    QWebEngineView* view() const { return view_; }
    // Whether the page has applied every change made to the model so far, for tests and
    // benchmarks.
    bool pageUpToDate() const;

private:
    using Handler = void (QtBrowser::*)(const QJsonObject&);

    // Documents.
    void beginDocument(const QString& url);
    std::unique_ptr<dom::Document> modelFor(const QString& url);
    bool acceptsNavigation(int type) const;
    bool allowsNewWindow();
    void loadingChanged(const QWebEngineLoadingInfo& info);
    void completeIfLoaded();

    // Messages of the page.
    void received(const QJsonObject& m);
    void pageReady(const QJsonObject& m);
    void checkNumbering(const QJsonObject& m) const;
    void pageLoaded(const QJsonObject& m);
    void batchApplied(const QJsonObject& m);
    void pageMeasured(const QJsonObject& m);
    void pageChanged(const QJsonObject& m);
    void pageEvent(const QJsonObject& m);
    void focusMoved(const QJsonObject& m);
    void frameLoaded(const QJsonObject& m);
    dom::Element* reportedElement(const QJsonObject& m) const;

    // The projection and the sizes.
    void scheduleTurn();
    void endOfTurn();
    void flush();
    void firstRead(const dom::Element& e);
    void sendWatch(const std::vector<int>& nodeIds);
    void takeSizes(const QJsonObject& m);

    QWebEngineView* view_;
    QtBrowserPage* page_;
    QWebChannel* channel_;
    QtBrowserBridge* bridge_;
    ResourceStore resources_;
    QtBrowserBatches batches_;

    std::unique_ptr<dom::Document> doc_;
    // The page before the last navigation, kept so that program code still holding its
    // elements within the current turn does not touch freed memory.
    std::unique_ptr<dom::Document> previous_;
    std::shared_ptr<QtBrowserMetrics> metrics_;
    QString url_;
    bool resPage_ = false;
    int expectedCount_ = 0;
    uint32_t expectedHash_ = 0;

    QString instance_; // the page instance whose messages count
    bool busy_ = false;
    bool loaded_ = false;
    bool failed_ = false;
    bool turnScheduled_ = false;
    bool sizesChangePosted_ = false;
    std::vector<int> newlyWatched_; // sent after the turn's batch, which may create them
};

} // namespace plat
