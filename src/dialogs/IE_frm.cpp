#include "dialogs/IE_frm.h"
#include "core/AppContext.h"
#include "core/ResumeNext.h"
#include "base/VbText.h"
#include "platform/Platform.h"
#include "platform/browser/Browser.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/window/Window.h"

namespace {

// The width of the main window's article column, which the articles are laid out for.
constexpr int WindowWidthTwips = 12405;
// The window's first height, until the article has been measured.
constexpr int StartHeightTwips = 9000;
// The article's body is measured in pixels of 15 twips; the window adds its caption and
// frame, the browser a small margin.
constexpr int TwipsPerBodyPixel = 15;
constexpr int WindowChromeTwips = 375;
constexpr int BrowserMarginTwips = 60;

int pixelsX(const plat::Screen& screen, int twips) { return twips / screen.twipsPerPixelX(); }
int pixelsY(const plat::Screen& screen, int twips) { return twips / screen.twipsPerPixelY(); }

} // namespace

IE_frm::IE_frm(AppContext& ctx)
    : ctx_(ctx), window_(ctx.platform.createWindow(plat::WindowKind::Browser)), WebBrowser1_(window_->createBrowser()) {
    window_->onResize = [this] { run("Form_Resize", [this] { Form_Resize(); }); };
    // The user's close unloads the window, once its close has finished.
    window_->onCloseRequest = [this](bool&) {
        ctx_.platform.loop().post([&ctx = ctx_, self = this] {
            if (ctx.ieFrm.get() == self) ctx.unload(ctx.ieFrm);
        });
    };
    if (!WebBrowser1_) return;
    WebBrowser1_->onDocumentComplete = [this](const QString&, bool topLevel) {
        run("DocumentComplete", [&] { WebBrowser1_DocumentComplete(topLevel); });
    };
    WebBrowser1_->onSizesChanged = [this] { run("SizesChanged", [this] { WebBrowser1_SizesChanged(); }); };
}

IE_frm::~IE_frm() = default;

void IE_frm::Form_Load() {
    // A link from the news list carries a leading "1" before the address.
    QString link = ctx_.NewsLink;
    if (vb::Val(link) == 1) link = vb::Mid(link, 2);
    ctx_.NewsLink.clear();
    const plat::Screen& screen = ctx_.platform.screen();
    window_->setTitle(ctx_.AppTitle);
    window_->setGeometry(QRect(0, 0, pixelsX(screen, WindowWidthTwips), pixelsY(screen, StartHeightTwips)));
    run("Form_Load", [&] {
        if (WebBrowser1_) WebBrowser1_->navigate(link);
    });
}

void IE_frm::Form_Resize() {
    const plat::Screen& screen = ctx_.platform.screen();
    const int width = pixelsX(screen, WindowWidthTwips);
    QRect r = window_->geometry();
    if (r.width() != width && window_->state() == plat::WindowState::Normal) {
        r.setWidth(width);
        window_->setGeometry(r);
    }
    if (!WebBrowser1_) return;
    QRect b = WebBrowser1_->geometry();
    b.moveTopLeft(QPoint(0, 0));
    b.setWidth(width);
    WebBrowser1_->setGeometry(b);
}

void IE_frm::Form_Unload() {
    if (!owner_) return;
    QRect r = owner_->geometry();
    r.moveTopLeft(window_->geometry().topLeft());
    owner_->setGeometry(r);
}

void IE_frm::Move(int leftTwips, int topTwips) {
    const plat::Screen& screen = ctx_.platform.screen();
    QRect r = window_->geometry();
    r.moveTopLeft(QPoint(pixelsX(screen, leftTwips), pixelsY(screen, topTwips)));
    window_->setGeometry(r);
}

void IE_frm::Show() { window_->show(); }

void IE_frm::WebBrowser1_DocumentComplete(bool topLevel) {
    if (!topLevel) return;
    complete_ = true;
    fitToArticle();
}

// The page reports the article's size after it has been laid out, possibly after the document
// completed. A body as high as its browser is the viewport itself (a page without a standards
// doctype, or one sized to the window): fitting to it would grow the window without end.
void IE_frm::WebBrowser1_SizesChanged() {
    const dom::Document* doc = WebBrowser1_->document();
    const dom::Element* body = doc ? doc->body() : nullptr;
    if (!complete_ || !body || body->clientHeight() == WebBrowser1_->geometry().height()) return;
    fitToArticle();
}

// The window grows or shrinks to the article, so that the article itself never scrolls.
void IE_frm::fitToArticle() {
    dom::Document* doc = WebBrowser1_->document();
    dom::Element* body = doc ? doc->body() : nullptr;
    if (!body) return;
    const plat::Screen& screen = ctx_.platform.screen();
    const int bodyTwips = body->clientHeight() * TwipsPerBodyPixel;
    QRect r = window_->geometry();
    r.setHeight(pixelsY(screen, bodyTwips + WindowChromeTwips));
    window_->setGeometry(r);
    WebBrowser1_->setGeometry(
        QRect(0, 0, pixelsX(screen, WindowWidthTwips), pixelsY(screen, bodyTwips + BrowserMarginTwips)));
    body->setAttribute(QStringLiteral("scroll"), QStringLiteral("no"));
    // Today's engines read the overflow style rather than the old attribute.
    body->setStyle(QStringLiteral("overflow"), QStringLiteral("hidden"));
}

bool IE_frm::run(const char* where, const std::function<void()>& step) {
    return ResumeNext(ctx_.platform.log(), QStringLiteral("IE_frm.") + QString::fromLatin1(where), step);
}
