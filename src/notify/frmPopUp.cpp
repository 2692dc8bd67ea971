#include "notify/frmPopUp.h"
#include "core/AppContext.h"
#include "core/ResumeNext.h"
#include "core/clsForward.h"
#include "core/Controller.h"
#include "base/VbText.h"
#include "dialogs/IE_frm.h"
#include "mainwindow/frmFXInfo.h"
#include "platform/Platform.h"
#include "platform/browser/Browser.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include <QtMath>
#include <stdexcept>

namespace {

const QString TableId = QStringLiteral("popupWin_Table");
// A page that has not loaded by then is given up; the popups stay empty.
constexpr int WaitLoadLimitMs = 20000;

struct PageBinding {
    const char* element;
    const char* event;
    const char* procedure;
};

constexpr PageBinding Bindings[] = {
    {"popupWin_CloseButton", "onclick", "CloseFrm"},
    {"popupWin_iLink", "onclick", "ClickLink"},
    {"popupWin_LinkMore", "onclick", "ClickMore"},
    {"popupWin_CaptionText", "onmousedown", "WindowMove"},
};

int alphaOf(int counter) { return counter * 255 / frmPopUp::Frames; }

} // namespace

frmPopUp::frmPopUp(AppContext& ctx)
    : Timer1(ctx.platform.loop()), ctx_(ctx), window_(ctx.platform.createWindow(plat::WindowKind::Popup)),
      WebBrowser_(window_->createBrowser()) {
    Timer1.onTimer = [this] { run("Timer1_Timer", [this] { Timer1_Timer(); }); };
    if (!WebBrowser_) return;
    WebBrowser_->onDocumentComplete = [this](const QString&, bool topLevel) {
        run("DocumentComplete", [&] { WebBrowser_DocumentComplete(topLevel); });
    };
    WebBrowser_->onSizesChanged = [this] { run("SizesChanged", [this] { WebBrowser_SizesChanged(); }); };
}

frmPopUp::~frmPopUp() = default;

void frmPopUp::Form_Load() {
    window_->setTitle(ctx_.AppTitle);
    window_->setGeometry(QRect());
    stay_ = 3500;
    // Where the window system cannot make windows translucent, showings only slide.
    canFade_ = window_->setAlpha(window_->alpha());
    run("Form_Load", [this] {
        if (!WebBrowser_) throw std::runtime_error("no browser");
        WebBrowser_->navigate(ctx_.PageBase + QStringLiteral("iPopup.htm"));
        WebBrowser_->setDropTarget(false);
        WebBrowser_->setSilent(true);
    });
}

void frmPopUp::WebBrowser_DocumentComplete(bool topLevel) {
    if (!topLevel || loaded_) return;
    bindPage(document());
    loaded_ = true;
}

void frmPopUp::bindPage(dom::Document& doc) {
    for (const PageBinding& b : Bindings) {
        dom::Element* e = doc.getElementById(QString::fromLatin1(b.element));
        if (!e) continue;
        auto forward = std::make_shared<clsForward>();
        forward->Set_Destination(this, QString::fromLatin1(b.procedure));
        e->setHandler(QString::fromLatin1(b.event), forward);
        forwarders_.push_back(forward);
    }
}

void frmPopUp::CallByName(const QString& procedure) {
    static const std::pair<const char*, void (frmPopUp::*)()> procedures[] = {
        {"CloseFrm", &frmPopUp::CloseFrm},
        {"ClickLink", &frmPopUp::ClickLink},
        {"ClickMore", &frmPopUp::ClickMore},
        {"WindowMove", &frmPopUp::WindowMove},
    };
    for (const auto& [name, fn] : procedures)
        if (procedure.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            run(name, [this, fn = fn] { (this->*fn)(); });
}

void frmPopUp::WaitLoad(plat::Window& owner) {
    if (!WebBrowser_ || waitGaveUp_) return;
    plat::EventLoop& loop = ctx_.platform.loop();
    bool late = false;
    const int guard = loop.setThreadTimer(WaitLoadLimitMs, [&late] { late = true; });
    owner.setEnabled(false);
    while ((WebBrowser_->busy() || !loaded_) && !late) loop.pumpMessages();
    owner.setEnabled(true);
    if (guard) loop.killThreadTimer(guard);
    if (!late) return;
    waitGaveUp_ = true;
    ctx_.platform.log().write(QStringLiteral("frmPopUp"), QStringLiteral("the popup page did not load"));
}

void frmPopUp::AddHtml(const QString& text) {
    const QStringList items = text.split(u'~');
    run("AddHtml", [&] {
        dom::Element& table = element(TableId);
        for (qsizetype i = items.size() - 1; i >= 0; --i) addItem(table, items[i]);
    });
    fitSoon();
}

// The page box is measured and the window raised once at the end of the loop's turn, however
// many items came in it.
void frmPopUp::fitSoon() {
    if (fitPending_) return;
    fitPending_ = true;
    ctx_.platform.loop().post([this, alive = std::weak_ptr<int>(life_)] {
        if (!alive.expired()) fitToPage();
    });
}

void frmPopUp::fitToPage() {
    if (!fitPending_) return;
    fitPending_ = false;
    run("AddHtml", [this] { measure(); });
    run("AddHtml", [this] { raiseWithoutActivation(); });
}

// An item already in the table is not added again. Items are compared with the rows as
// the page writes them back (attribute quotes and case normalised), whole: a short item
// must not match the table's own markup. Rows whose texts differ cannot match: only rows
// alike in text are written out for the comparison.
void frmPopUp::addItem(dom::Element& table, const QString& item) {
    const std::vector<dom::Element*> earlier = table.rows();
    dom::Element* row = earlier.empty() ? table.insertRow(-1) : table.insertRow(0);
    dom::Element* cell = row->insertCell();
    cell->setAttribute(QStringLiteral("valign"), QStringLiteral("middle"));
    cell->setInnerHTML(item);
    const QString text = row->textContent();
    QString written;
    for (const dom::Element* other : earlier) {
        if (other->textContent().compare(text, Qt::CaseInsensitive) != 0) continue;
        if (written.isNull()) written = row->innerHTML();
        if (other->innerHTML().compare(written, Qt::CaseInsensitive) != 0) continue;
        table.deleteRow(row->rowIndex());
        return;
    }
    const int rows = static_cast<int>(table.rows().size());
    if (rows > MaxRows) table.deleteRow(rows - 1);
}

void frmPopUp::measure() {
    const plat::Screen& screen = ctx_.platform.screen();
    const dom::Element& box = element(QStringLiteral("popupWin"));
    const int width = box.offsetWidth();
    const int height = box.offsetHeight();
    targetWidth_ = width * screen.twipsPerPixelX();
    targetHeight_ = height * screen.twipsPerPixelY();
    WebBrowser_->setGeometry(QRect(0, 0, width, height));
}

// The real page reports the box's size once it has laid out the rows, after they were
// measured: a window that shows takes the new size where it is in its showing.
void frmPopUp::WebBrowser_SizesChanged() {
    if (!loaded_) return;
    measure();
    if (phase_ == SlidingIn && !Timer1.Enabled()) return;
    anchor();
    if (phase_ == SlidingIn) {
        currentHeight_ = step_ * counter_;
        currentTop_ = bottom_ - currentHeight_;
        place(currentTop_, currentHeight_);
        return;
    }
    if (phase_ == FadingOut) {
        currentHeight_ = targetHeight_;
        currentTop_ = finalTop_;
    }
    place(finalTop_, targetHeight_);
}

void frmPopUp::Popup() {
    fitToPage();
    anchor();
    currentTop_ = bottom_;
    window_->setGeometry(pixels(bottom_, 0));
    counter_ = 0;
    phase_ = SlidingIn;
    currentHeight_ = 0;
    Timer1.setInterval(FrameMs);
    Timer1.setEnabled(true);
    run("Timer1_Timer", [this] { Timer1_Timer(); });
}

// The target size against the work area's bottom-right corner, and the slide's step.
void frmPopUp::anchor() {
    const plat::Screen& screen = ctx_.platform.screen();
    const QRect work = screen.workArea();
    const int32_t right = (work.left() + work.width()) * screen.twipsPerPixelX();
    bottom_ = (work.top() + work.height()) * screen.twipsPerPixelY();
    step_ = targetHeight_ / Frames;
    finalTop_ = bottom_ - targetHeight_;
    left_ = right - targetWidth_;
}

void frmPopUp::Timer1_Timer() {
    if (phase_ == SlidingIn) {
        if (counter_ != Frames)
            growStep();
        else
            settle();
    } else if (phase_ == Showing) {
        startFade();
    } else if (counter_ != 0) {
        fadeStep();
    } else {
        CloseFrm();
    }
}

void frmPopUp::growStep() {
    currentTop_ -= step_;
    currentHeight_ += step_;
    place(currentTop_, currentHeight_);
    ++counter_;
    SetTranslucency(alphaOf(counter_));
}

void frmPopUp::settle() {
    place(finalTop_, targetHeight_);
    phase_ = Showing;
    // A stay of 0 keeps the window too: a timer without interval never fires.
    if (stay_ != StayUntilClosed)
        Timer1.setInterval(stay_);
    else
        Timer1.setEnabled(false);
    if (canFade_) window_->setAlpha(255);
}

void frmPopUp::StayOn() {
    if (phase_ == FadingOut) run("StayOn", [this] { settle(); });
}

void frmPopUp::startFade() {
    Timer1.setInterval(FrameMs);
    currentHeight_ = targetHeight_;
    currentTop_ = finalTop_;
    phase_ = FadingOut;
    counter_ = Frames;
}

void frmPopUp::fadeStep() {
    --counter_;
    SetTranslucency(alphaOf(counter_));
}

bool frmPopUp::SetTranslucency(int alpha) { return canFade_ && window_->setAlpha(alpha); }

void frmPopUp::CloseFrm() {
    Timer1.setEnabled(false);
    phase_ = SlidingIn;
    window_->setGeometry(pixels(bottom_, 0));
    run("CloseFrm", [this] {
        dom::Element& table = element(TableId);
        for (int i = static_cast<int>(table.rows().size()) - 1; i >= 0; --i) table.deleteRow(i);
    });
    ctx_.PopupShowing = false;
}

void frmPopUp::ClickLink() {
    const QString link = element(QStringLiteral("popupWin_iLink")).innerText();
    if (vb::InStrNoCase(link, QStringLiteral("http")) == 0) return;
    if (element(TableId).rows().size() == 1) CloseFrm();
    ctx_.NewsLink = link;
    display_news();
}

void frmPopUp::display_news() {
    ctx_.unload(ctx_.ieFrm);
    IE_frm& news = ctx_.load(ctx_.ieFrm);
    if (ctx_.fxInfo) news.setOwnerWindow(&ctx_.fxInfo->window());
    const QPoint at = mainWindowPlace();
    news.Move(at.x(), at.y());
    news.Show();
}

void frmPopUp::ClickMore() {
    CloseFrm();
    if (!ctx_.fxInfo) return;
    plat::Window& main = ctx_.fxInfo->window();
    if (main.state() == plat::WindowState::Minimized) {
        if (ctx_.controller) ctx_.controller->ShowFxInfo();
        return;
    }
    main.show();
}

void frmPopUp::WindowMove() { window_->startSystemMove(); }

// The main window's left and top, in twips.
QPoint frmPopUp::mainWindowPlace() const {
    if (!ctx_.fxInfo) return QPoint();
    const plat::Screen& screen = ctx_.platform.screen();
    const QRect r = ctx_.fxInfo->window().geometry();
    return QPoint(r.left() * screen.twipsPerPixelX(), r.top() * screen.twipsPerPixelY());
}

// Twips to pixels, each value rounded to the nearest.
QRect frmPopUp::pixels(int topTwips, int heightTwips) const {
    const plat::Screen& screen = ctx_.platform.screen();
    const auto px = [](int twips, int perPixel) { return qRound(double(twips) / perPixel); };
    const int x = screen.twipsPerPixelX();
    const int y = screen.twipsPerPixelY();
    return QRect(px(left_, x), px(topTwips, y), px(targetWidth_, x), px(heightTwips, y));
}

void frmPopUp::place(int topTwips, int heightTwips) {
    window_->setGeometry(pixels(topTwips, heightTwips));
    raiseWithoutActivation();
}

void frmPopUp::raiseWithoutActivation() {
    window_->setTopmost(true);
    window_->showNoActivate();
}

dom::Document& frmPopUp::document() const {
    dom::Document* doc = WebBrowser_ ? WebBrowser_->document() : nullptr;
    if (!doc) throw std::runtime_error("the popup page is not loaded");
    return *doc;
}

dom::Element& frmPopUp::element(const QString& id) const {
    dom::Element* e = document().getElementById(id);
    if (!e) throw std::runtime_error("the popup page has no " + id.toStdString());
    return *e;
}

bool frmPopUp::run(const char* where, const std::function<void()>& step) {
    return ResumeNext(ctx_.platform.log(), QStringLiteral("frmPopUp.") + QString::fromLatin1(where), step);
}
