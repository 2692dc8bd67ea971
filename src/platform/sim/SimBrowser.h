#pragma once
#include "platform/browser/Browser.h"
#include "platform/loop/EventLoop.h"
#include <memory>

class ResourceStore;

namespace dom {
class Document;
class PlainLayout;
} // namespace dom

namespace plat {

// A browser without a view: pages become document models only. "res://" addresses under a
// base ending in ".exe/" load the embedded page of that name; any other address (the
// vendor's http pages) gives an empty page. A navigation completes once the loop runs the
// posted completion: busy until then, then onNavigateComplete and onDocumentComplete (top
// level). Sizes come from plain rules, the page's viewport being the browser's size; a new
// viewport gives onSizesChanged once the loop runs.
//
// Nothing projects the model anywhere, so its journal is off. Elements removed from a page
// are freed once the event that removed them is over.
class SimBrowser : public Browser {
public:
    SimBrowser(EventLoop& loop, const ResourceStore& resources, const QSize& size);
    ~SimBrowser() override;

    void setGeometry(const QRect& r) override;
    QRect geometry() const override { return geometry_; }
    void navigate(const QString& url) override;
    QString locationUrl() const override { return url_; }
    bool busy() const override { return pending_ != 0; }
    dom::Document* document() override { return document_.get(); }
    void setSilent(bool on) override { silent_ = on; }
    void setDropTarget(bool on) override { dropTarget_ = on; }

    bool silent() const { return silent_; }
    bool dropTarget() const { return dropTarget_; }
    // The plain sizes of the page, for tests to fix the size of particular boxes.
    dom::PlainLayout& layout() { return *layout_; }

private:
    void complete(const QString& url);
    std::unique_ptr<dom::Document> load(const QString& url) const;

    EventLoop& loop_;
    const ResourceStore& resources_;
    QRect geometry_;
    std::shared_ptr<dom::PlainLayout> layout_;
    std::unique_ptr<dom::Document> document_;
    QString url_;
    int pending_ = 0; // the navigation in flight; 0 when none
    int navigations_ = 0;
    bool silent_ = false;
    bool dropTarget_ = true;
    // Expires with the browser, so that a pending completion finds it gone.
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

} // namespace plat
