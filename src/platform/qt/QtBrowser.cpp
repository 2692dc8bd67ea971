#include "platform/qt/QtBrowser.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/EventHandler.h"
#include "platform/dom/JournalReplay.h"
#include "platform/qt/QtBrowserBridge.h"
#include "platform/qt/QtBrowserBridgeScript.h"
#include "platform/qt/QtBrowserFacts.h"
#include "platform/qt/QtBrowserLog.h"
#include "platform/qt/QtBrowserMetrics.h"
#include "platform/qt/QtBrowserPage.h"
#include "platform/qt/QtResSchemeHandler.h"
#include "platform/qt/StartLog.h"
#include <QJsonArray>
#include <QPointer>
#include <QJsonDocument>
#include <QThread>
#include <QTimer>
#include <QWebChannel>
#include <QWebEngineLoadingInfo>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

Q_LOGGING_CATEGORY(lcBrowser, "zep.browser")

namespace plat {

namespace {

// The elements whose sizes the program reads (popup box, quote rows, calendar boxes): watched
// from the start, so that their first read is the page's.
const char* const kMeasuredIds[] = {"popupWin", "iTrFirst", "iFXCalevent", "FXecodata"};

bool isResAddress(const QUrl& url) { return url.scheme().compare(QLatin1String("res"), Qt::CaseInsensitive) == 0; }

QString text(const QJsonObject& m, const char* key) { return m.value(QLatin1String(key)).toString(); }

} // namespace

QtBrowser::QtBrowser(QObject* owner, QWidget* parent)
    : QObject(owner), view_(new QWebEngineView(parent)), page_(new QtBrowserPage(view_)),
      channel_(new QWebChannel(page_)), bridge_(new QtBrowserBridge(channel_)),
      batches_([this](int seq, const QByteArray& json) { emit bridge_->batch(seq, QString::fromUtf8(json)); }) {
    QtResSchemeHandler::installOn(page_->profile());
    view_->setPage(page_);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    view_->setAcceptDrops(false);
    channel_->registerObject(QtBrowserBridgeScript::objectName(), bridge_);
    page_->setWebChannel(channel_, QWebEngineScript::ApplicationWorld);
    page_->scripts().insert(QtBrowserBridgeScript::script());
    page_->acceptsMainFrameNavigation = [this](const QUrl&, QWebEnginePage::NavigationType type) {
        return acceptsNavigation(type);
    };
    page_->allowsNewWindow = [this] { return allowsNewWindow(); };
    bridge_->onMessage = [this](const QJsonObject& m) { received(m); };
    connect(page_, &QWebEnginePage::loadingChanged, this, &QtBrowser::loadingChanged);
    view_->show();
}

QtBrowser::~QtBrowser() {
    // The page may be in the middle of delivering the message whose handler destroys this.
    bridge_->onMessage = nullptr;
    page_->acceptsMainFrameNavigation = nullptr;
    page_->allowsNewWindow = nullptr;
    view_->deleteLater();
}

void QtBrowser::setGeometry(const QRect& r) { view_->setGeometry(r); }

QRect QtBrowser::geometry() const { return view_->geometry(); }

void QtBrowser::setSilent(bool on) { page_->setSilent(on); }

void QtBrowser::setDropTarget(bool on) { view_->setAcceptDrops(on); }

void QtBrowser::navigate(const QString& url) {
    qCInfo(lcStart).noquote() << "navigate" << url;
    beginDocument(url);
    view_->load(QUrl(url));
}

// ---- documents ----

void QtBrowser::beginDocument(const QString& url) {
    if (doc_) doc_->journal().setOnFirstOp(nullptr);
    previous_ = std::move(doc_);
    url_ = url;
    resPage_ = isResAddress(QUrl(url));
    doc_ = modelFor(url);
    metrics_ = std::make_shared<QtBrowserMetrics>([this](const dom::Element& e) { firstRead(e); });
    doc_->setMetrics(metrics_);
    doc_->journal().setOnFirstOp([this] { scheduleTurn(); });
    for (const char* id : kMeasuredIds)
        if (const dom::Element* e = doc_->getElementById(QLatin1String(id))) metrics_->watch(e->nodeId());
    batches_.reset();
    newlyWatched_.clear();
    instance_.clear();
    busy_ = true;
    loaded_ = false;
    failed_ = false;
}

std::unique_ptr<dom::Document> QtBrowser::modelFor(const QString& url) {
    std::unique_ptr<dom::Document> doc;
    if (resPage_) {
        if (const std::optional<PageResource> page = resources_.find(QtResSchemeHandler::resourceReference(QUrl(url))))
            doc = dom::Document::parse(page->text());
        else
            qCWarning(lcBrowser) << "no embedded page for" << url;
    }
    if (!doc) doc = std::make_unique<dom::Document>();
    doc->setUrl(url);
    expectedCount_ = doc->elementCount();
    expectedHash_ = doc->structureHash();
    return doc;
}

bool QtBrowser::acceptsNavigation(int type) const { return !resPage_ || type == QWebEnginePage::NavigationTypeTyped; }

bool QtBrowser::allowsNewWindow() {
    const dom::Element* active = doc_ ? doc_->activeElement() : nullptr;
    bool cancel = !(active && active->is("iframe"));
    if (onNewWindow) onNewWindow(cancel);
    return !cancel;
}

// A page that cannot be loaded has no bridge to say so.
void QtBrowser::loadingChanged(const QWebEngineLoadingInfo& info) {
    if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus || !busy_ || !instance_.isEmpty()) return;
    if (!info.url().matches(QUrl(url_), QUrl::None)) return;
    qCWarning(lcBrowser).noquote() << "could not load" << url_ << ':' << info.errorString();
    failed_ = true;
    loaded_ = true;
    completeIfLoaded();
}

void QtBrowser::completeIfLoaded() {
    if (!busy_ || !loaded_ || (instance_.isEmpty() && !failed_)) return;
    busy_ = false;
    const QString url = url_;
    qCInfo(lcStart).noquote() << "document complete" << url;
    const QPointer<QtBrowser> alive(this);
    if (onNavigateComplete) onNavigateComplete(url);
    if (alive && onDocumentComplete) onDocumentComplete(url, true);
}

// ---- messages of the page ----

void QtBrowser::received(const QJsonObject& m) {
    static const std::pair<const char*, Handler> handlers[] = {
        {"loaded", &QtBrowser::pageLoaded},     {"applied", &QtBrowser::batchApplied},
        {"measured", &QtBrowser::pageMeasured}, {"changed", &QtBrowser::pageChanged},
        {"event", &QtBrowser::pageEvent},       {"focus", &QtBrowser::focusMoved},
        {"frame", &QtBrowser::frameLoaded}};
    const QString kind = text(m, "kind");
    if (kind == QLatin1String("ready")) {
        pageReady(m);
        return;
    }
    if (instance_.isEmpty() || text(m, "instance") != instance_) return; // a page since left
    for (const auto& [name, handler] : handlers)
        if (kind == QLatin1String(name)) (this->*handler)(m);
}

void QtBrowser::pageReady(const QJsonObject& m) {
    const QString instance = text(m, "instance");
    if (instance.isEmpty() || instance == instance_) return;
    if (!instance_.isEmpty()) {
        if (resPage_) {
            qCWarning(lcBrowser) << "the page" << url_ << "was loaded again behind its model";
            return;
        }
        beginDocument(text(m, "url")); // the user followed a link in a web page
    }
    instance_ = instance;
    if (resPage_)
        checkNumbering(m);
    else
        url_ = text(m, "url");
    takeSizes(m);
    batches_.setReady();
    sendWatch(std::vector<int>(metrics_->watched().begin(), metrics_->watched().end()));
    if (m.value(QLatin1String("loaded")).toBool())
        pageLoaded(
            QJsonObject{{QStringLiteral("kind"), QStringLiteral("loaded")}, {QStringLiteral("instance"), instance}});
}

void QtBrowser::checkNumbering(const QJsonObject& m) const {
    const int count = m.value(QLatin1String("count")).toInt();
    const auto hash = static_cast<uint32_t>(m.value(QLatin1String("hash")).toDouble());
    if (count != expectedCount_ || hash != expectedHash_)
        qCWarning(lcBrowser) << "the page" << url_ << "has" << count << "elements (hash" << hash << "), its model"
                             << expectedCount_ << "(hash" << expectedHash_ << "): changes will miss";
}

void QtBrowser::pageLoaded(const QJsonObject&) {
    loaded_ = true;
    completeIfLoaded();
}

void QtBrowser::batchApplied(const QJsonObject& m) {
    const int seq = m.value(QLatin1String("seq")).toInt();
    batches_.acknowledge(seq);
    if (!m.value(QLatin1String("ok")).toBool())
        qCWarning(lcBrowser) << "the page" << url_ << "could not apply all of batch" << seq;
}

void QtBrowser::pageMeasured(const QJsonObject& m) { takeSizes(m); }

void QtBrowser::pageChanged(const QJsonObject& m) {
    if (!resPage_) return;
    bool readable = false;
    const std::vector<dom::Op> facts =
        dom::JournalReplay::fromJson(QJsonDocument(m).toJson(QJsonDocument::Compact), &readable);
    if (!readable || !QtBrowserFacts::take(*doc_, facts, batches_))
        qCWarning(lcBrowser) << "the page" << url_ << "changed in a way its model could not follow";
}

void QtBrowser::pageEvent(const QJsonObject& m) {
    const QString name = QStringLiteral("on") + text(m, "type");
    dom::Element* target = reportedElement(m);
    std::shared_ptr<dom::EventHandler> handler;
    if (!m.value(QLatin1String("trusted")).toBool())
        handler = target ? target->handler(name) : nullptr; // a script's fireEvent
    else if (target)
        doc_->dispatchReportedEvent(target, name);
    else
        handler = doc_->handler(name);
    if (handler) handler->theDefault();
}

void QtBrowser::focusMoved(const QJsonObject& m) {
    if (dom::Element* e = reportedElement(m)) doc_->setActiveElement(e);
}

void QtBrowser::frameLoaded(const QJsonObject& m) {
    if (onDocumentComplete) onDocumentComplete(text(m, "url"), false);
}

// Only a "res" page's elements are numbered as in its model.
dom::Element* QtBrowser::reportedElement(const QJsonObject& m) const {
    if (!resPage_) return nullptr;
    dom::Element* e = doc_->elementByNodeId(m.value(QLatin1String("node")).toInt());
    return e && e->isConnected() ? e : nullptr;
}

// ---- the projection and the sizes ----

void QtBrowser::scheduleTurn() {
    if (turnScheduled_) return;
    turnScheduled_ = true;
    QTimer::singleShot(0, this, &QtBrowser::endOfTurn);
}

// Removed elements are freed only where no program code can still hold them: not inside a
// nested event loop (a modal dialog's).
void QtBrowser::endOfTurn() {
    if (QThread::currentThread()->loopLevel() <= 1) doc_->collectGarbage();
    flush();
    turnScheduled_ = false;
}

// A web page's model is empty: nothing of it goes to the page.
void QtBrowser::flush() {
    std::vector<dom::Op> ops = doc_->takeOps();
    if (resPage_) batches_.push(std::move(ops));
    if (!batches_.ready() || newlyWatched_.empty()) return;
    sendWatch(newlyWatched_);
    newlyWatched_.clear();
}

bool QtBrowser::pageUpToDate() const { return doc_->journal().empty() && batches_.settled(); }

// Only a "res" page's elements are numbered as in its model. An element not yet ready on the
// page comes there with the turn's batch; the page is asked to watch it after that.
void QtBrowser::firstRead(const dom::Element& e) {
    if (!resPage_ || e.ownerDocument() != doc_.get()) return;
    newlyWatched_.push_back(e.nodeId());
    scheduleTurn();
}

void QtBrowser::sendWatch(const std::vector<int>& nodeIds) {
    QJsonArray ids;
    for (int id : nodeIds) ids.append(id);
    emit bridge_->watch(QString::fromUtf8(QJsonDocument(ids).toJson(QJsonDocument::Compact)));
}

// Once per turn at most, after the message that brought the change.
void QtBrowser::takeSizes(const QJsonObject& m) {
    if (!metrics_->take(m) || sizesChangePosted_) return;
    sizesChangePosted_ = true;
    QTimer::singleShot(0, this, [this] {
        sizesChangePosted_ = false;
        if (onSizesChanged) onSizesChanged();
    });
}

} // namespace plat
