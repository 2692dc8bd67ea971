#include "platform/sim/SimBrowser.h"
#include "platform/dom/Document.h"
#include "platform/dom/PlainLayout.h"
#include "platform/res/ResourceStore.h"

namespace plat {

namespace {
const QString resourceScheme = QStringLiteral("res://");
const QString executableBase = QStringLiteral(".exe/");
} // namespace

SimBrowser::SimBrowser(EventLoop& loop, const ResourceStore& resources, const QSize& size)
    : loop_(loop), resources_(resources), geometry_(QPoint(0, 0), size), layout_(std::make_shared<dom::PlainLayout>()) {
    layout_->setViewport(size.width(), size.height());
}

SimBrowser::~SimBrowser() = default;

// The body's client size is the viewport's: a new one is told in a turn of its own, as the
// real page reports it.
void SimBrowser::setGeometry(const QRect& r) {
    geometry_ = r;
    if (layout_->viewport() == r.size()) return;
    layout_->setViewport(r.width(), r.height());
    loop_.post([this, alive = std::weak_ptr<int>(life_)] {
        if (!alive.expired() && onSizesChanged) onSizesChanged();
    });
}

void SimBrowser::navigate(const QString& url) {
    const int navigation = ++navigations_;
    pending_ = navigation;
    const std::weak_ptr<int> alive = life_;
    loop_.post([this, alive, navigation, url] {
        // A later navigation replaces one still in flight.
        if (!alive.expired() && pending_ == navigation) complete(url);
    });
}

void SimBrowser::complete(const QString& url) {
    document_ = load(url);
    document_->setUrl(url);
    document_->setMetrics(layout_);
    document_->journal().setEnabled(false);
    // Removed elements are freed once the event that removed them is over, as the real
    // browser frees them at the end of its turn; a list that drops a row a flash would
    // otherwise keep every row it ever showed.
    document_->setOnFirstBurial([this, doc = document_.get(), alive = std::weak_ptr<int>(life_)] {
        loop_.postOutsideWaits([this, doc, alive] {
            if (!alive.expired() && document_.get() == doc) document_->collectGarbage();
        });
    });
    url_ = url;
    pending_ = 0;
    const std::weak_ptr<int> alive = life_;
    if (onNavigateComplete) onNavigateComplete(url);
    if (!alive.expired() && onDocumentComplete) onDocumentComplete(url, true);
}

std::unique_ptr<dom::Document> SimBrowser::load(const QString& url) const {
    const int base = url.indexOf(executableBase, 0, Qt::CaseInsensitive);
    if (url.startsWith(resourceScheme, Qt::CaseInsensitive) && base >= 0) {
        if (const auto page = resources_.find(url.mid(base + executableBase.size())))
            return dom::Document::parse(page->text());
    }
    return std::make_unique<dom::Document>();
}

} // namespace plat
