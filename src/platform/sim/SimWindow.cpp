#include "platform/sim/SimWindow.h"
#include "platform/sim/SimBrowser.h"
#include "platform/sim/SimCheckBox.h"
#include "platform/sim/SimComboBox.h"
#include "platform/sim/SimImageBox.h"
#include "platform/sim/SimLabel.h"
#include "platform/sim/SimProgressBar.h"
#include "platform/sim/SimScrollBar.h"
#include "platform/sim/SimScreen.h"
#include "platform/sim/SimTextBox.h"
#include "platform/sim/SimWindowManager.h"
#include <algorithm>

namespace plat {

SimWindow::SimWindow(SimWindowManager& manager, WindowKind kind) : manager_(manager), kind_(kind) {
    manager_.add(this);
}

SimWindow::~SimWindow() { manager_.remove(this); }

void SimWindow::setGeometry(const QRect& r) {
    if (state_ == WindowState::Normal) place(withMinimum(r), false);
}

void SimWindow::setState(WindowState s) {
    if (s == state_) return;
    if (state_ == WindowState::Normal) normalGeometry_ = geometry_;
    if (s == WindowState::Minimized) restoreState_ = state_;
    state_ = s;
    if (s == WindowState::Minimized) manager_.deactivate(this);
    place(s == WindowState::Maximized ? maximisedRect() : normalGeometry_, true);
}

void SimWindow::show() {
    if (kind_ == WindowKind::Hidden) return;
    visible_ = true;
    if (acceptsActivation()) manager_.activate(this, wm::WA_ACTIVE);
}

void SimWindow::showNoActivate() {
    if (kind_ == WindowKind::Hidden) return;
    visible_ = true;
}

void SimWindow::hide() {
    visible_ = false;
    manager_.deactivate(this);
}

void SimWindow::activate() {
    if (acceptsActivation()) manager_.activate(this, wm::WA_ACTIVE);
}

bool SimWindow::isActive() const { return manager_.activeWindow() == this; }

bool SimWindow::setAlpha(int alpha) {
    alpha_ = std::clamp(alpha, 0, 255);
    return true;
}

Browser* SimWindow::createBrowser() {
    if (!browser_) browser_ = std::make_unique<SimBrowser>(manager_.loop(), manager_.resources(), geometry_.size());
    return browser_.get();
}

Label* SimWindow::createLabel() { return controls_.add<SimLabel>(*this); }
TextBox* SimWindow::createTextBox() { return controls_.add<SimTextBox>(*this); }
CheckBox* SimWindow::createCheckBox() { return controls_.add<SimCheckBox>(*this); }
ComboBox* SimWindow::createComboBox() { return controls_.add<SimComboBox>(*this); }
ScrollBar* SimWindow::createScrollBar() { return controls_.add<SimScrollBar>(*this); }
ImageBox* SimWindow::createImageBox() { return controls_.add<SimImageBox>(*this); }
ProgressBar* SimWindow::createProgressBar() { return controls_.add<SimProgressBar>(*this); }

bool SimWindow::hasTaskbarButton() const {
    const bool listedKind = kind_ == WindowKind::Main || kind_ == WindowKind::Dialog || kind_ == WindowKind::Browser;
    return listedKind && visible_ && owner_ == nullptr;
}

void SimWindow::userClick() {
    if (acceptsInput() && acceptsActivation()) manager_.activate(this, wm::WA_CLICKACTIVE);
}

void SimWindow::userDrag(const QPoint& topLeft, int steps) {
    if (!acceptsInput() || state_ != WindowState::Normal || steps < 1) return;
    const QRect start = geometry_;
    const QPoint delta = topLeft - start.topLeft();
    sizeMoveLoop(wm::MOVING, 0, steps, [&](int step) { return start.translated(delta * step / steps); });
}

void SimWindow::userSizeTo(const QSize& size, int steps) {
    if (!acceptsInput() || state_ != WindowState::Normal || steps < 1) return;
    const QRect start = geometry_;
    const QSize delta = size - start.size();
    sizeMoveLoop(wm::SIZING, wm::WMSZ_BOTTOMRIGHT, steps,
                 [&](int step) { return QRect(start.topLeft(), start.size() + delta * step / steps); });
}

void SimWindow::sizeMoveLoop(int msg, int edge, int steps, const std::function<QRect(int step)>& proposal) {
    WindowMessage enter = wm::make(wm::ENTERSIZEMOVE);
    send(enter);
    for (int step = 1; step <= steps; ++step) {
        WindowMessage m = wm::make(msg, edge);
        m.rect = withMinimum(proposal(step));
        send(m);
        place(m.rect, false);
    }
    WindowMessage exit = wm::make(wm::EXITSIZEMOVE);
    send(exit);
}

void SimWindow::userMouseOverFrame(const QPoint& screenPos) {
    if (!acceptsInput()) return;
    manager_.screen().setCursorPos(screenPos);
    sendMouseOverFrame(screenPos);
}

void SimWindow::userMouseOverBackground() {
    if (acceptsInput() && onMouseMove) onMouseMove();
}

bool SimWindow::userClose() {
    if (!acceptsInput()) return false;
    const CloseOutcome outcome = sendClose();
    if (outcome == CloseOutcome::Close) hide();
    return outcome != CloseOutcome::Keep;
}

void SimWindow::userTaskbarClick() {
    if (!hasTaskbarButton()) return;
    if (state_ == WindowState::Minimized) {
        setState(restoreState_);
        manager_.activate(this, wm::WA_ACTIVE);
    } else if (isActive()) {
        setState(WindowState::Minimized);
    } else {
        manager_.activate(this, wm::WA_ACTIVE);
    }
}

bool SimWindow::focusControl(Control* c) {
    if (focus_ == c) return false;
    focus_ = c;
    return true;
}

void SimWindow::place(const QRect& r, bool stateChanged) {
    const bool resized = stateChanged || r.size() != geometry_.size();
    const bool moved = r.topLeft() != geometry_.topLeft();
    geometry_ = r;
    if (resized) sendSize(state_, r.size());
    if (moved && onMove) onMove();
}

QRect SimWindow::maximisedRect() {
    WindowMessage m = wm::make(wm::GETMINMAXINFO);
    m.rect = manager_.screen().workArea();
    send(m);
    return m.rect;
}

QRect SimWindow::withMinimum(const QRect& r) const { return QRect(r.topLeft(), r.size().expandedTo(minimumSize_)); }

bool SimWindow::acceptsActivation() const {
    return visible_ && kind_ != WindowKind::Popup && kind_ != WindowKind::Hidden;
}

} // namespace plat
