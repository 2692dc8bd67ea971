#pragma once
#include "platform/window/ControlList.h"
#include "platform/window/HookedWindow.h"
#include <QSize>
#include <memory>
#include <vector>

namespace plat {

class SimBrowser;
class SimWindowManager;

// A top-level window of the simulated window system, in memory. It behaves as a Windows
// window does for the program: every message it generates reaches the hook first; program
// side changes generate SIZE like a real window; maximised fills the work area (the answer
// to GETMINMAXINFO); minimised keeps the normal geometry; Popup windows are never activated
// and Hidden windows are never shown. Tests act as the user through the user...() methods,
// which do nothing on a hidden or disabled window.
class SimWindow : public HookedWindow {
public:
    SimWindow(SimWindowManager& manager, WindowKind kind);
    ~SimWindow() override;

    void setTitle(const QString& title) override { title_ = title; }
    QString title() const override { return title_; }
    void setIconFile(const QString& path) override { iconFile_ = path; }

    QRect geometry() const override { return geometry_; }
    void setGeometry(const QRect& r) override;
    void setMinimumSize(const QSize& s) override { minimumSize_ = s; }
    // Simulated windows have no frame.
    QSize clientSize() const override { return geometry_.size(); }

    WindowState state() const override { return state_; }
    void setState(WindowState s) override;
    bool isVisible() const override { return visible_; }
    void show() override;
    void showNoActivate() override;
    void hide() override;
    void activate() override;
    bool isActive() const override;
    void setEnabled(bool on) override { enabled_ = on; }
    bool isEnabled() const override { return enabled_; }
    void setTopmost(bool on) override { topmost_ = on; }
    bool setAlpha(int alpha) override;
    int alpha() const override { return alpha_; }

    void setOwner(Window* owner) override { owner_ = owner; }
    Window* owner() const override { return owner_; }

    void startSystemMove() override { ++systemMoves_; }
    void startSystemResizeBottomRight() override { ++systemResizes_; }

    Browser* createBrowser() override;
    Label* createLabel() override;
    TextBox* createTextBox() override;
    CheckBox* createCheckBox() override;
    ComboBox* createComboBox() override;
    ScrollBar* createScrollBar() override;
    ImageBox* createImageBox() override;
    ProgressBar* createProgressBar() override;
    void setBackgroundImage(const QString& path) override { backgroundImage_ = path; }
    void setBackgroundColor(uint32_t rgb) override { backgroundColor_ = rgb; }

    // What tests look at.
    WindowKind kind() const { return kind_; }
    bool isTopmost() const { return topmost_; }
    QSize minimumSize() const { return minimumSize_; }
    QString iconFile() const { return iconFile_; }
    QString backgroundImage() const { return backgroundImage_; }
    uint32_t backgroundColor() const { return backgroundColor_; }
    // Shown, ownerless and of a kind that the taskbar lists.
    bool hasTaskbarButton() const;
    // How often the program asked the system to drag or size the window (the drag itself is
    // the test's userDrag or userSizeTo).
    int systemMoveRequests() const { return systemMoves_; }
    int systemResizeRequests() const { return systemResizes_; }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_.items(); }
    Control* focusedControl() const { return focus_; }
    SimBrowser* browser() const { return browser_.get(); }

    // The user's actions.
    // A click on the window: activates it, ACTIVATE with wm::WA_CLICKACTIVE.
    void userClick();
    // Drags the window by its caption to topLeft in equal steps: ENTERSIZEMOVE, one MOVING
    // per step with the proposed rectangle (which the hook may change and the window then
    // takes), EXITSIZEMOVE. Proposals follow the mouse, whatever the hook did to the last one.
    void userDrag(const QPoint& topLeft, int steps = 1);
    // The same with the bottom-right grip to size: SIZING per step, and SIZE as it grows.
    void userSizeTo(const QSize& size, int steps = 1);
    // The mouse moves over the window's frame at screenPos: the cursor goes there and the
    // hook hears NCMOUSEMOVE.
    void userMouseOverFrame(const QPoint& screenPos);
    // The mouse moves over the window's own background: onMouseMove.
    void userMouseOverBackground();
    // The user's close command: CLOSE to the hook (answered: nothing more), then
    // onCloseRequest; unless cancelled the window hides. True when it closed.
    bool userClose();
    // A click on the window's taskbar button: restores a minimised window, minimises the
    // active one, activates any other.
    void userTaskbarClick();

    // For the window manager and the controls.
    void receiveActivation(int how) { sendActivation(how); }
    // Gives c the keyboard focus; false when it had it already.
    bool focusControl(Control* c);

private:
    // Takes r as the window's rectangle: SIZE when the size or the state changed, onMove
    // when the position changed.
    void place(const QRect& r, bool stateChanged);
    QRect maximisedRect();
    QRect withMinimum(const QRect& r) const;
    bool acceptsActivation() const;
    bool acceptsInput() const { return visible_ && enabled_; }
    // The system's modal size-move loop: ENTERSIZEMOVE, msg per step, EXITSIZEMOVE.
    void sizeMoveLoop(int msg, int edge, int steps, const std::function<QRect(int step)>& proposal);

    SimWindowManager& manager_;
    const WindowKind kind_;
    QString title_;
    QString iconFile_;
    QRect geometry_{0, 0, 640, 480};
    QRect normalGeometry_{0, 0, 640, 480};
    QSize minimumSize_;
    WindowState state_ = WindowState::Normal;
    WindowState restoreState_ = WindowState::Normal; // the state a minimised window returns to
    bool visible_ = false;
    bool enabled_ = true;
    bool topmost_ = false;
    int alpha_ = 255;
    Window* owner_ = nullptr;
    int systemMoves_ = 0;
    int systemResizes_ = 0;
    QString backgroundImage_;
    uint32_t backgroundColor_ = 0xFFFFFF;
    ControlList controls_;
    Control* focus_ = nullptr;
    std::unique_ptr<SimBrowser> browser_;
};

} // namespace plat
