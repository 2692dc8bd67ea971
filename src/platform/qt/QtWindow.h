#pragma once
#include "platform/window/ControlList.h"
#include "platform/window/HookedWindow.h"
#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class QCloseEvent;
class QKeyEvent;
class QWidget;

namespace plat {

class QtSizeMove;

// A real top-level window: one QWidget whose flags follow the kind. Main is frameless and
// resizable with a taskbar entry of its own; Popup is a frameless, topmost tool window that
// never takes the focus (the window manager is asked not to give it any, and showing it
// never activates it); Dialog is frameless; Browser is an ordinary framed window; Hidden is
// never shown. Geometry is the outer rectangle in device-independent pixels.
//
// The hook hears Qt's window events as the classic messages. Where X11 differs from Windows:
// - SIZE follows Qt's resize and state-change events, so one change of state may bring two.
// - ACTIVATE says "by a click" (2) when a mouse button is down as the window gains the
//   activation; the window manager gives no other sign of how it was activated. While the
//   window manager drags the window it takes the focus away and back; the hook hears of
//   the activation only if it differs at the end of the drag.
// - MOVING and SIZING: the window manager drags the window itself and tells it afterwards,
//   so the rectangle is the one the window already has; a rectangle that the hook changes
//   is applied at once. Only where the window manager cannot drag (no _NET_WM_MOVERESIZE)
//   does the window follow the cursor itself, with a true proposal before each step.
//   EXITSIZEMOVE comes when the left button is up again; a drag asked for while it is
//   already up does not start.
// - NCMOUSEMOVE comes when the mouse enters the window (a borderless window has no frame
//   of its own to report); mouse moves over the window's own background are onMouseMove.
// - GETMINMAXINFO is never sent: the window manager maximises within the work area.
// - The user's close (closeEvent) brings CLOSE, then onCloseRequest; unless cancelled the
//   window hides.
class QtWindow : public QObject, public HookedWindow {
public:
    explicit QtWindow(WindowKind kind);
    ~QtWindow() override;

    void setTitle(const QString& title) override;
    QString title() const override;
    void setIconFile(const QString& path) override;

    QRect geometry() const override;
    void setGeometry(const QRect& r) override;
    void setMinimumSize(const QSize& s) override;
    QSize clientSize() const override;

    WindowState state() const override;
    void setState(WindowState s) override;
    bool isVisible() const override;
    void show() override;
    void showNoActivate() override;
    void hide() override;
    void activate() override;
    bool isActive() const override;
    void setEnabled(bool on) override;
    bool isEnabled() const override;
    void setTopmost(bool on) override;
    bool setAlpha(int alpha) override;
    int alpha() const override { return alpha_; }

    void setOwner(Window* owner) override;
    Window* owner() const override { return owner_.data(); }

    void startSystemMove() override;
    void startSystemResizeBottomRight() override;

    Browser* createBrowser() override;
    Label* createLabel() override;
    TextBox* createTextBox() override;
    CheckBox* createCheckBox() override;
    ComboBox* createComboBox() override;
    ScrollBar* createScrollBar() override;
    ImageBox* createImageBox() override;
    ProgressBar* createProgressBar() override;
    void setBackgroundImage(const QString& path) override;
    void setBackgroundColor(uint32_t rgb) override;

    // The widget, for the browser control and for tests.
    QWidget* widget() const { return widget_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool windowEvent(QEvent* event);
    bool closeRequested(QCloseEvent* event);
    void keyPressed(QObject* receiver, QKeyEvent* event);
    void activationChanged(int how);
    void sizeMoveMessage(WindowMessage& m);
    void sendClientSize();
    bool acceptsActivation() const;
    // Takes the window flags without the hide that QWidget::setWindowFlags would do.
    void takeFlags(Qt::WindowFlags flags);

    const WindowKind kind_;
    QWidget* widget_;
    std::unique_ptr<QtSizeMove> sizeMove_;
    ControlList controls_;
    QPointer<QtWindow> owner_;
    int alpha_ = 255;
    bool activeAtDragStart_ = false;
};

} // namespace plat
