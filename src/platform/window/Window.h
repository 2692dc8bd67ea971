#pragma once
#include "platform/window/Controls.h"
#include "platform/window/WindowMessage.h"
#include <QRect>
#include <QString>
#include <functional>
#include <memory>

namespace plat {

class Browser;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// What kind of top-level window a form needs; the backend picks the window flags.
enum class WindowKind {
    Main,    // borderless, resizable, own taskbar entry (the main information window)
    Popup,   // borderless, topmost, never takes the focus, no taskbar entry
    Dialog,  // borderless fixed dialog drawn with controls
    Browser, // ordinary framed window with a browser (news window, vote window)
    Hidden   // never shown (controller, socket windows)
};

// A top-level window. Geometry is in pixels; forms convert twips themselves.
class Window {
public:
    virtual ~Window() = default;

    virtual void setTitle(const QString& title) = 0;
    virtual QString title() const = 0;
    virtual void setIconFile(const QString& path) = 0;

    virtual QRect geometry() const = 0; // outer rectangle on the virtual screen
    // Nothing happens while the window is minimised or maximised (a form refuses to be
    // moved then); restoring brings back the rectangle it had before.
    virtual void setGeometry(const QRect& r) = 0;
    virtual void setMinimumSize(const QSize& s) = 0;
    // The inside of the window, without its frame and caption: what its controls fill.
    virtual QSize clientSize() const = 0;

    virtual WindowState state() const = 0;
    virtual void setState(WindowState s) = 0;
    virtual bool isVisible() const = 0;
    virtual void show() = 0;           // show and activate
    virtual void showNoActivate() = 0; // show, keep the focus where it is
    virtual void hide() = 0;
    virtual void activate() = 0;
    virtual bool isActive() const = 0;
    virtual void setEnabled(bool on) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setTopmost(bool on) = 0;
    // Alpha 0..255. Returns false where the window system cannot make windows translucent.
    virtual bool setAlpha(int alpha) = 0;
    virtual int alpha() const = 0;

    // Ownership for the taskbar: nullptr makes the window ownerless (own taskbar entry).
    virtual void setOwner(Window* owner) = 0;
    virtual Window* owner() const = 0;

    // Let the window system drag or size the window from the current mouse position.
    virtual void startSystemMove() = 0;
    virtual void startSystemResizeBottomRight() = 0;

    // Controls placed on the window.
    virtual Browser* createBrowser() = 0; // one per window at most; fills what it is given
    virtual Label* createLabel() = 0;
    virtual TextBox* createTextBox() = 0;
    virtual CheckBox* createCheckBox() = 0;
    virtual ComboBox* createComboBox() = 0;
    virtual ScrollBar* createScrollBar() = 0;
    virtual ImageBox* createImageBox() = 0;
    virtual ProgressBar* createProgressBar() = 0;
    virtual void setBackgroundImage(const QString& path) = 0;
    virtual void setBackgroundColor(uint32_t rgb) = 0; // 0xRRGGBB

    // The window hook: every message of this window reaches the hook first. The hook
    // returns true when it fully answered the message (msg.result holds the answer);
    // false passes it to the window's default handling.
    using MessageHook = std::function<bool(WindowMessage&)>;
    virtual void setMessageHook(MessageHook hook) = 0;
    virtual MessageHook messageHook() const = 0;

    std::function<void()> onResize; // size or state changed
    std::function<void()> onMove;
    std::function<void(bool& cancel)> onCloseRequest; // the user's close command
    std::function<void(int keyCode)> onKeyDown;
    std::function<void()> onMouseMove; // over the window's own background
    std::function<void()> onActivate;
};

} // namespace plat
