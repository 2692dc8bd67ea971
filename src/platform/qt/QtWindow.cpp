#include "platform/qt/QtWindow.h"
#include "platform/qt/QtBrowser.h"
#include "platform/qt/QtCheckBox.h"
#include "platform/qt/QtComboBox.h"
#include "platform/qt/QtImageBox.h"
#include "platform/qt/QtLabel.h"
#include "platform/qt/QtPointerState.h"
#include "platform/qt/QtProgressBar.h"
#include "platform/qt/QtScrollBar.h"
#include "platform/qt/QtSizeMove.h"
#include "platform/qt/QtTextBox.h"
#include "platform/qt/QtVirtualKey.h"
#include "platform/qt/StartLog.h"
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace plat {

namespace {

Qt::WindowFlags flagsFor(WindowKind kind) {
    switch (kind) {
    case WindowKind::Main:
        // Borderless, yet the window manager still minimises, maximises and lists it.
        return Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint |
               Qt::WindowCloseButtonHint;
    case WindowKind::Popup:
        return Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;
    case WindowKind::Dialog:
        return Qt::Window | Qt::FramelessWindowHint;
    case WindowKind::Browser:
    case WindowKind::Hidden:
        break;
    }
    return Qt::Window;
}

} // namespace

QtWindow::QtWindow(WindowKind kind) : kind_(kind), widget_(new QWidget(nullptr, flagsFor(kind))) {
    widget_->setAttribute(Qt::WA_ShowWithoutActivating, kind == WindowKind::Popup);
    widget_->setMouseTracking(true);
    sizeMove_ = std::make_unique<QtSizeMove>(*widget_, *this, [this](WindowMessage& m) { sizeMoveMessage(m); });
    // Application-wide, for the keys that the window's controls receive (key preview).
    qApp->installEventFilter(this);
}

QtWindow::~QtWindow() {
    if (qApp) qApp->removeEventFilter(this);
    controls_.clear();
    widget_->hide();
    // The widget may be in the middle of delivering the event whose handler destroys this.
    widget_->deleteLater();
}

void QtWindow::setTitle(const QString& title) { widget_->setWindowTitle(title); }

QString QtWindow::title() const { return widget_->windowTitle(); }

void QtWindow::setIconFile(const QString& path) { widget_->setWindowIcon(QIcon(path)); }

QRect QtWindow::geometry() const { return widget_->frameGeometry(); }

void QtWindow::setGeometry(const QRect& r) {
    if (state() != WindowState::Normal) return;
    const QRect frame = widget_->frameGeometry();
    const QRect client = widget_->geometry();
    widget_->setGeometry(r.adjusted(client.left() - frame.left(), client.top() - frame.top(),
                                    client.right() - frame.right(), client.bottom() - frame.bottom()));
}

void QtWindow::setMinimumSize(const QSize& s) { widget_->setMinimumSize(s); }

QSize QtWindow::clientSize() const { return widget_->size(); }

WindowState QtWindow::state() const {
    const Qt::WindowStates s = widget_->windowState();
    if (s & Qt::WindowMinimized) return WindowState::Minimized;
    if (s & Qt::WindowMaximized) return WindowState::Maximized;
    return WindowState::Normal;
}

void QtWindow::setState(WindowState s) {
    if (!widget_->isVisible()) {
        // Taken when the window is shown.
        widget_->setWindowState(s == WindowState::Minimized   ? Qt::WindowMinimized
                                : s == WindowState::Maximized ? Qt::WindowMaximized
                                                              : Qt::WindowNoState);
        return;
    }
    if (s == WindowState::Minimized)
        widget_->showMinimized();
    else if (s == WindowState::Maximized)
        widget_->showMaximized();
    else
        widget_->showNormal();
}

bool QtWindow::isVisible() const { return widget_->isVisible(); }

void QtWindow::show() {
    qCInfo(lcStart).noquote() << "show" << widget_->windowTitle();
    if (!acceptsActivation()) {
        showNoActivate();
        return;
    }
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

void QtWindow::showNoActivate() {
    if (kind_ == WindowKind::Hidden) return;
    const bool never = widget_->testAttribute(Qt::WA_ShowWithoutActivating);
    widget_->setAttribute(Qt::WA_ShowWithoutActivating, true);
    widget_->show();
    widget_->raise();
    widget_->setAttribute(Qt::WA_ShowWithoutActivating, never);
}

void QtWindow::hide() { widget_->hide(); }

void QtWindow::activate() {
    if (!acceptsActivation() || !widget_->isVisible()) return;
    widget_->raise();
    widget_->activateWindow();
}

bool QtWindow::isActive() const { return widget_->isActiveWindow(); }

void QtWindow::setEnabled(bool on) { widget_->setEnabled(on); }

bool QtWindow::isEnabled() const { return widget_->isEnabled(); }

void QtWindow::setTopmost(bool on) {
    Qt::WindowFlags flags = widget_->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    takeFlags(flags);
}

void QtWindow::takeFlags(Qt::WindowFlags flags) {
    if (flags == widget_->windowFlags()) return;
    // setWindowFlags() would hide the window; the native window takes the change as it is.
    widget_->overrideWindowFlags(flags);
    if (QWindow* handle = widget_->windowHandle()) handle->setFlags(flags);
}

bool QtWindow::setAlpha(int alpha) {
    alpha_ = std::clamp(alpha, 0, 255);
    widget_->setWindowOpacity(alpha_ / 255.0);
    return true;
}

void QtWindow::setOwner(Window* owner) {
    owner_ = dynamic_cast<QtWindow*>(owner);
    QWindow* parent = nullptr;
    if (owner_) {
        owner_->widget_->winId();
        parent = owner_->widget_->windowHandle();
    }
    widget_->winId(); // the native window, which carries the owner for the window manager
    widget_->windowHandle()->setTransientParent(parent);
    // X11 names the owner (WM_TRANSIENT_FOR, which keeps the window above it) of dialogs
    // only: an owned dialog is one for the window system, before it is shown.
    if (kind_ == WindowKind::Dialog)
        takeFlags((widget_->windowFlags() & ~Qt::WindowType_Mask) | (parent ? Qt::Dialog : Qt::Window));
}

void QtWindow::startSystemMove() { sizeMove_->start(false); }

void QtWindow::startSystemResizeBottomRight() { sizeMove_->start(true); }

// The browser goes with this object, its view with the widget.
Browser* QtWindow::createBrowser() { return new QtBrowser(this, widget_); }

Label* QtWindow::createLabel() { return controls_.add<QtLabel>(widget_); }
TextBox* QtWindow::createTextBox() { return controls_.add<QtTextBox>(widget_); }
CheckBox* QtWindow::createCheckBox() { return controls_.add<QtCheckBox>(widget_); }
ComboBox* QtWindow::createComboBox() { return controls_.add<QtComboBox>(widget_); }
ScrollBar* QtWindow::createScrollBar() { return controls_.add<QtScrollBar>(widget_); }
ImageBox* QtWindow::createImageBox() { return controls_.add<QtImageBox>(widget_); }
ProgressBar* QtWindow::createProgressBar() { return controls_.add<QtProgressBar>(widget_); }

void QtWindow::setBackgroundImage(const QString& path) {
    QPalette palette = widget_->palette();
    palette.setBrush(QPalette::Window, QBrush(QPixmap(path)));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
}

void QtWindow::setBackgroundColor(uint32_t rgb) {
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(rgb & 0xFFFFFF));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
}

bool QtWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        keyPressed(watched, static_cast<QKeyEvent*>(event));
    else if (watched == widget_)
        return windowEvent(event);
    return false;
}

// Handlers may destroy this window: nothing of it is touched after one has run.
bool QtWindow::windowEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
        sizeMove_->windowChanged(false);
        if (onMove) onMove();
        break;
    case QEvent::Resize:
        sizeMove_->windowChanged(true);
        sendClientSize();
        break;
    case QEvent::WindowStateChange:
        sendClientSize();
        break;
    case QEvent::WindowActivate:
        activationChanged(QtPointerState::buttons() != Qt::NoButton ? wm::WA_CLICKACTIVE : wm::WA_ACTIVE);
        break;
    case QEvent::WindowDeactivate:
        activationChanged(wm::WA_INACTIVE);
        break;
    case QEvent::Enter:
        sendMouseOverFrame(QCursor::pos());
        break;
    case QEvent::MouseMove:
        if (onMouseMove) onMouseMove();
        break;
    case QEvent::Close:
        return closeRequested(static_cast<QCloseEvent*>(event));
    default:
        break;
    }
    return false;
}

void QtWindow::activationChanged(int how) {
    if (!sizeMove_->active()) sendActivation(how);
}

void QtWindow::sizeMoveMessage(WindowMessage& m) {
    if (m.msg == wm::ENTERSIZEMOVE) activeAtDragStart_ = isActive();
    send(m);
    if (m.msg == wm::EXITSIZEMOVE && isActive() != activeAtDragStart_)
        sendActivation(isActive() ? wm::WA_ACTIVE : wm::WA_INACTIVE);
}

bool QtWindow::closeRequested(QCloseEvent* event) {
    if (sendClose() == CloseOutcome::Close) return false; // Qt hides the window
    event->ignore();
    return true;
}

// The key goes first to the focused widget and then, unless taken, to its parents; the
// window hears it once, on the first delivery.
void QtWindow::keyPressed(QObject* receiver, QKeyEvent* event) {
    auto* target = qobject_cast<QWidget*>(receiver);
    if (!target || target->window() != widget_ || !onKeyDown) return;
    QWidget* focus = QApplication::focusWidget();
    if (target != (focus ? focus : widget_)) return;
    if (const int key = QtVirtualKey::fromQtKey(event->key())) onKeyDown(key);
}

void QtWindow::sendClientSize() { sendSize(state(), widget_->size()); }

bool QtWindow::acceptsActivation() const { return kind_ != WindowKind::Popup && kind_ != WindowKind::Hidden; }

} // namespace plat
