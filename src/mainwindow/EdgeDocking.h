#pragma once
#include "core/clsSubClass.h"
#include "platform/loop/WindowTimer.h"
#include <QRect>

namespace plat {
class EventLoop;
class Log;
class Screen;
} // namespace plat

// Edge docking of the main window: dragged or sized against an edge of the virtual screen,
// the window docks there; it slides out of sight, leaving a 3-pixel strip, when it loses the
// focus and the mouse is not over it, and comes back when it is activated or the mouse
// touches its frame. Fed by the window's messages through its own hook.
class EdgeDocking {
public:
    enum Side { Top = 0, Right = 1, Bottom = 2, Left = 3 };

    static constexpr int MinimumDragHeight = 650;
    static constexpr int StripPixels = 3;
    static constexpr int LeaveCheckMs = 1000;
    static constexpr int HideTickMs = 10;
    static constexpr int HideSteps = 15;

    EdgeDocking(plat::Window& window, plat::Screen& screen, plat::EventLoop& loop, plat::Log& log);

    void install() { hook_.SetMsgHook(window_); }
    void remove() { hook_.SetMsgUnHook(); }

    bool docked() const { return docked_; }
    Side side() const { return side_; }
    // The window's rectangle when fully shown at its docked edge.
    QRect shownAtEdge() const;

    // Detection on a proposed rectangle (pixels); sizing keeps it at least 650 high.
    void cSizeMove_Moving(QRect& r) { detect(r, false); }
    void cSizeMove_Sizing(QRect& r) { detect(r, true); }
    void cSizeMove_Activate(bool clicked);
    void cSizeMove_Deactivate();
    void cSizeMove_ExitSizeMove();
    void cSizeMove_MouseOverForm();
    bool cSizeMove_AreaIn() const;

    void BerthShow();
    void BerthLeave();
    void ctlTimeLeave_Timer();
    void ctlTimeBerth_Timer();

    plat::WindowTimer ctlTimeLeave;
    plat::WindowTimer ctlTimeBerth;

private:
    void WindowProc(long& result, plat::WindowMessage& msg);
    bool dispatch(plat::WindowMessage& msg);
    void detect(QRect& r, bool sizing);
    static void start(plat::WindowTimer& timer, int intervalMs);
    // One step of the slide toward the edge; true when only the strip is left.
    bool slide(QRect& r, int step) const;
    QSize screenSize() const;

    plat::Window& window_;
    plat::Screen& screen_;
    plat::Log& log_;
    clsSubClass hook_;
    bool docked_ = false;
    Side side_ = Top;
    bool showByHover_ = false;
    bool inSizeMove_ = false;
    QRect slideFrom_; // where the last step of the slide started
};
