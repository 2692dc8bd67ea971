#include "mainwindow/EdgeDocking.h"
#include "core/ResumeNext.h"
#include "platform/loop/EventLoop.h"
#include "platform/window/Screen.h"

namespace wm = plat::wm;

EdgeDocking::EdgeDocking(plat::Window& window, plat::Screen& screen, plat::EventLoop& loop, plat::Log& log)
    : ctlTimeLeave(loop, 100, false), ctlTimeBerth(loop, 200, false), window_(window), screen_(screen), log_(log) {
    hook_.WindowProc = [this](long& result, plat::WindowMessage& msg) { WindowProc(result, msg); };
    ctlTimeLeave.onTimer = [this] {
        ResumeNext(log_, QStringLiteral("ctlTimeLeave_Timer"), [this] { ctlTimeLeave_Timer(); });
    };
    ctlTimeBerth.onTimer = [this] {
        ResumeNext(log_, QStringLiteral("ctlTimeBerth_Timer"), [this] { ctlTimeBerth_Timer(); });
    };
}

void EdgeDocking::WindowProc(long& result, plat::WindowMessage& msg) {
    bool answered = false;
    ResumeNext(log_, QStringLiteral("EdgeDocking.WindowProc"), [&] { answered = dispatch(msg); });
    result = answered ? 0 : hook_.CallDefaultWindowProc(msg);
}

// True when the message is fully answered here; the others go on to the window.
bool EdgeDocking::dispatch(plat::WindowMessage& msg) {
    switch (msg.msg) {
    case wm::SIZING:
        cSizeMove_Sizing(msg.rect);
        return true;
    case wm::MOVING:
        cSizeMove_Moving(msg.rect);
        return true;
    case wm::ACTIVATE:
        if (msg.wParam == wm::WA_INACTIVE)
            cSizeMove_Deactivate();
        else
            cSizeMove_Activate(msg.wParam == wm::WA_CLICKACTIVE);
        return false;
    case wm::NCMOUSEMOVE:
        cSizeMove_MouseOverForm();
        return true;
    case wm::NCMOUSELEAVE:
        return true;
    case wm::ENTERSIZEMOVE:
    case wm::EXITSIZEMOVE:
        inSizeMove_ = msg.msg == wm::ENTERSIZEMOVE;
        cSizeMove_ExitSizeMove();
        return true;
    case wm::SIZE:
        if (!inSizeMove_) {
            QRect r = window_.geometry(); // only the detection counts, not the raised height
            cSizeMove_Sizing(r);
        }
        return false;
    default:
        return false;
    }
}

// The tests run in this order and a later hit wins: a corner docks at the top or bottom.
void EdgeDocking::detect(QRect& r, bool sizing) {
    const QSize screen = screenSize();
    docked_ = false;
    if (sizing && r.height() < MinimumDragHeight) r.setHeight(MinimumDragHeight);
    const auto dock = [this](Side s) {
        docked_ = true;
        side_ = s;
    };
    if (r.left() < 1) dock(Left);
    if (r.top() < 1) dock(Top);
    if (r.left() + r.width() >= screen.width()) dock(Right);
    if (r.top() + r.height() >= screen.height()) dock(Bottom);
}

QRect EdgeDocking::shownAtEdge() const {
    const QSize screen = screenSize();
    QRect r = window_.geometry();
    switch (side_) {
    case Top:
        r.moveTop(0);
        break;
    case Right:
        r.moveLeft(screen.width() - r.width());
        break;
    case Bottom:
        r.moveTop(screen.height() - r.height());
        break;
    case Left:
        r.moveLeft(0);
        break;
    }
    return r;
}

void EdgeDocking::cSizeMove_Activate(bool /*clicked*/) {
    if (!docked_) return;
    showByHover_ = false; // an active window stays shown
    BerthShow();
}

void EdgeDocking::cSizeMove_Deactivate() {
    if (docked_) BerthLeave();
}

void EdgeDocking::cSizeMove_ExitSizeMove() {
    if (!docked_) {
        ctlTimeLeave.setEnabled(false);
        return;
    }
    showByHover_ = true;
    BerthShow();
}

void EdgeDocking::cSizeMove_MouseOverForm() {
    if (ctlTimeBerth.Enabled() || !docked_) return;
    showByHover_ = true;
    BerthShow();
}

bool EdgeDocking::cSizeMove_AreaIn() const { return window_.geometry().contains(screen_.cursorPos()); }

void EdgeDocking::BerthShow() {
    if (window_.state() != plat::WindowState::Normal) return;
    // A slide still under way would hide the window again right after.
    ctlTimeBerth.setEnabled(false);
    window_.setGeometry(shownAtEdge());
    if (showByHover_) start(ctlTimeLeave, LeaveCheckMs);
}

void EdgeDocking::BerthLeave() {
    if (cSizeMove_AreaIn()) return;
    slideFrom_ = QRect();
    start(ctlTimeBerth, HideTickMs);
}

void EdgeDocking::ctlTimeLeave_Timer() {
    if (cSizeMove_AreaIn()) return;
    ctlTimeLeave.setEnabled(false);
    BerthLeave();
}

void EdgeDocking::ctlTimeBerth_Timer() {
    if (window_.state() != plat::WindowState::Normal) {
        ctlTimeBerth.setEnabled(false);
        return;
    }
    QRect r = window_.geometry();
    // A window manager that keeps part of every window on screen holds it where it is:
    // the slide has gone as far as it can.
    if (r == slideFrom_) {
        ctlTimeBerth.setEnabled(false);
        return;
    }
    slideFrom_ = r;
    const int across = (side_ == Top || side_ == Bottom) ? r.height() : r.width();
    const bool hidden = slide(r, across / HideSteps);
    window_.setGeometry(r);
    if (hidden) ctlTimeBerth.setEnabled(false);
}

bool EdgeDocking::slide(QRect& r, int step) const {
    const QSize screen = screenSize();
    switch (side_) {
    case Top:
        r.moveTop(r.top() - step);
        if (r.top() + r.height() > StripPixels) return false;
        r.moveTop(StripPixels - r.height());
        return true;
    case Right:
        r.moveLeft(r.left() + step);
        if (r.left() < screen.width() - StripPixels) return false;
        r.moveLeft(screen.width() - StripPixels);
        return true;
    case Bottom:
        r.moveTop(r.top() + step);
        if (r.top() < screen.height() - StripPixels) return false;
        r.moveTop(screen.height() - StripPixels);
        return true;
    case Left:
        r.moveLeft(r.left() - step);
        if (r.left() + r.width() > StripPixels) return false;
        r.moveLeft(StripPixels - r.width());
        return true;
    }
    return false;
}

void EdgeDocking::start(plat::WindowTimer& timer, int intervalMs) {
    timer.setInterval(intervalMs);
    timer.setEnabled(true);
}

QSize EdgeDocking::screenSize() const { return screen_.virtualScreen(); }
