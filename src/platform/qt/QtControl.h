#pragma once
#include "platform/window/Controls.h"
#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>

namespace plat {

// What every real control does: an absolutely placed child widget of its window, with the
// mouse events that the dialogs use. The widget belongs to the window (it goes with it).
template <class Base>
class QtControl : public QObject, public Base {
public:
    void setGeometry(const QRect& r) override { widget_->setGeometry(r); }
    QRect geometry() const override { return widget_->geometry(); }
    void setVisible(bool on) override { widget_->setVisible(on); }
    // The control's own visibility, whether or not its window is showing.
    bool isVisible() const override { return !widget_->isHidden(); }
    void setEnabled(bool on) override { widget_->setEnabled(on); }
    // The control's own state, whatever its window's.
    bool isEnabled() const override { return widget_->isEnabledTo(widget_->parentWidget()); }
    void setHandCursor(bool on) override {
        if (on)
            widget_->setCursor(Qt::PointingHandCursor);
        else
            widget_->unsetCursor();
    }

protected:
    // clickOnRelease: onClick when the left button comes up over the control (controls with
    // a click signal of their own raise it from there instead).
    explicit QtControl(QWidget* widget, bool clickOnRelease = true) : widget_(widget), clickOnRelease_(clickOnRelease) {
        attach(widget_);
    }

    QWidget* widget() const { return widget_; }

    // Puts w in the place of the current widget, with its geometry and visibility.
    void replaceWidget(QWidget* w) {
        w->setGeometry(widget_->geometry());
        w->setVisible(!widget_->isHidden());
        if (widget_->testAttribute(Qt::WA_SetCursor)) w->setCursor(widget_->cursor());
        widget_->deleteLater();
        widget_ = w;
        attach(w);
    }

    virtual void gotFocus() {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != widget_) return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                pressed_ = true;
                fire(this->onMouseDown);
            }
            break;
        case QEvent::MouseButtonRelease:
            if (released(static_cast<QMouseEvent*>(event)) && clickOnRelease_) fire(this->onClick);
            break;
        case QEvent::MouseMove:
            fire(this->onMouseMove);
            break;
        case QEvent::FocusIn:
            gotFocus();
            break;
        default:
            break;
        }
        return false;
    }

    static void fire(const std::function<void()>& event) {
        if (event) event();
    }

private:
    void attach(QWidget* w) {
        w->setMouseTracking(true);
        w->setAttribute(Qt::WA_NoMousePropagation); // the window's background hears only its own
        w->installEventFilter(this);
        w->show();
    }

    bool released(QMouseEvent* e) {
        const bool click =
            pressed_ && e->button() == Qt::LeftButton && widget_->rect().contains(e->position().toPoint());
        if (e->button() == Qt::LeftButton) pressed_ = false;
        return click;
    }

    QWidget* widget_;
    const bool clickOnRelease_;
    bool pressed_ = false;
};

} // namespace plat
