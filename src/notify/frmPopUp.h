#pragma once
#include "core/Form.h"
#include "core/ForwardTarget.h"
#include "platform/loop/WindowTimer.h"
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct AppContext;
class clsForward;
namespace dom {
class Document;
class Element;
} // namespace dom
namespace plat {
class Browser;
class Window;
} // namespace plat

// The notification window at the bottom-right corner of the work area. It hosts the popup
// page and writes one table row per item; a showing slides the window up out of the bottom
// edge while it fades in, stays, fades out and collapses to zero height. Items arriving
// meanwhile join the same showing. The window never takes the focus.
class frmPopUp : public Form, public ForwardTarget {
public:
    // Animation phases, as PopUpStatus reports them.
    static constexpr int32_t SlidingIn = 0; // also: idle
    static constexpr int32_t Showing = 1;
    static constexpr int32_t FadingOut = 2;
    static constexpr int FrameMs = 50;
    static constexpr int Frames = 12;
    static constexpr int MaxRows = 10;
    // A stay of this many ms keeps the window until the user closes it.
    static constexpr int32_t StayUntilClosed = -1;

    explicit frmPopUp(AppContext& ctx);
    ~frmPopUp() override;

    void Form_Load() override;

    // Stay time of the next showing, in ms.
    void ShowDelay(int32_t stayMs) { stay_ = stayMs; }
    void Popup();
    // A window that is fading out turns opaque again and stays its full time: an item that
    // joins it would otherwise vanish with the fade before it could be read.
    void StayOn();
    // Items separated by "~", written above the rows already there in their given order;
    // the window takes their size at the end of the loop's turn, or at the next Popup, and
    // again when the page reports the size it laid them out in.
    void AddHtml(const QString& text);
    int32_t PopUpStatus() const { return phase_; }
    void CloseFrm();
    void ClickMore();
    void ClickLink();
    void display_news();
    void WindowMove();
    // Keeps the loop running, owner disabled, until the page is loaded and wired.
    void WaitLoad(plat::Window& owner);
    bool SetTranslucency(int alpha);

    void CallByName(const QString& procedure) override;

    plat::Window& window() { return *window_; }
    plat::Browser* WebBrowser() const { return WebBrowser_; }
    bool loaded() const { return loaded_; }

    plat::WindowTimer Timer1;

private:
    void Timer1_Timer();
    void growStep();
    void settle();
    void startFade();
    void fadeStep();
    void WebBrowser_DocumentComplete(bool topLevel);
    void WebBrowser_SizesChanged();
    void anchor();
    void bindPage(dom::Document& doc);
    void addItem(dom::Element& table, const QString& item);
    void fitSoon();
    // Measures the page box and raises the window, when items came since the last time.
    void fitToPage();
    void measure();
    QPoint mainWindowPlace() const;
    QRect pixels(int topTwips, int heightTwips) const;
    // The window at (left, top, target width, height), twips, topmost, not activated.
    void place(int topTwips, int heightTwips);
    void raiseWithoutActivation();
    dom::Document& document() const;
    dom::Element& element(const QString& id) const;
    bool run(const char* where, const std::function<void()>& step);

    AppContext& ctx_;
    std::unique_ptr<plat::Window> window_;
    plat::Browser* WebBrowser_;
    std::vector<std::shared_ptr<clsForward>> forwarders_;

    // Twips.
    int32_t targetHeight_ = 0;
    int32_t targetWidth_ = 0;
    int32_t left_ = 0;
    int32_t currentTop_ = 0;
    int32_t currentHeight_ = 0;
    int32_t step_ = 0;
    int32_t finalTop_ = 0;
    int32_t bottom_ = 0;

    int32_t counter_ = 0;
    int32_t phase_ = SlidingIn;
    int32_t stay_ = 3500;
    bool canFade_ = false;
    bool loaded_ = false;
    bool waitGaveUp_ = false;
    bool fitPending_ = false;
    // Expires with the window, so that a fit posted for later finds it gone.
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};
