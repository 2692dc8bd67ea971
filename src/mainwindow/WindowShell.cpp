#include "mainwindow/WindowShell.h"
#include "mainwindow/MainPage.h"
#include "mainwindow/OwnedDialogs.h"
#include "mainwindow/WindowPlacement.h"
#include "platform/dom/Element.h"
#include "platform/window/Screen.h"
#include "platform/window/Window.h"
#include <algorithm>

using plat::WindowState;

namespace {
// How close to the screen's width (twips) a stored width must be to count as maximised.
constexpr int FullWidthSlackTwips = 30;
} // namespace

WindowShell::WindowShell(plat::Window& window, plat::Screen& screen, MainPage& page, OwnedDialogs& dialogs,
                         const WindowPlacement& placement)
    : window_(window), screen_(screen), twips_(screen), page_(page), dialogs_(dialogs), placement_(placement) {}

void WindowShell::placeAtStart() { window_.setGeometry(placement_.startGeometry()); }

void WindowShell::keepMinimumSize() {
    if (window_.state() == WindowState::Minimized) return;
    const QRect r = window_.geometry();
    const int width = std::max(twips_.fromPixelsX(r.width()), MinWidthTwips);
    const int height = std::max(twips_.fromPixelsY(r.height()), MinHeightTwips);
    const QSize size(twips_.toPixelsX(width), twips_.toPixelsY(height));
    if (size != r.size()) window_.setGeometry(QRect(r.topLeft(), size));
}

void WindowShell::showMaximiseFace() { setFace(QStringLiteral("最大化"), QStringLiteral("2x.png")); }

void WindowShell::showRestoreFace() { setFace(QStringLiteral("还原"), QStringLiteral("control.png")); }

void WindowShell::setFace(const QString& title, const QString& image) {
    page_.element(QStringLiteral("zep_max")).setTitle(title);
    page_.element(QStringLiteral("switch")).setAttribute(QStringLiteral("src"), image);
}

void WindowShell::restoreMaximised() {
    const int screenWidth = twips_.fromPixelsX(screen_.screenRect().width());
    const bool fullWidth = twips_.fromPixelsX(placement_.storedWidth()) >= screenWidth - FullWidthSlackTwips;
    if (placement_.windstate() != WindowPlacement::Maximised || !fullWidth) {
        // The page comes with the restore face; a normal window shows the maximise one.
        if (window_.state() == WindowState::Normal) showMaximiseFace();
        return;
    }
    window_.setState(WindowState::Maximized);
    showRestoreFace();
    workAreaMaximised_ = true;
}

void WindowShell::zep_max_frm() {
    if (workAreaMaximised_) {
        showMaximiseFace();
        // A maximised window cannot be placed: it is made normal first.
        window_.setState(WindowState::Normal);
        window_.setGeometry(RestoredRect);
        workAreaMaximised_ = false;
    } else if (window_.state() == WindowState::Maximized) {
        window_.setState(WindowState::Normal);
        showMaximiseFace();
    } else {
        window_.setState(WindowState::Maximized);
        showRestoreFace();
    }
}

void WindowShell::zep_min() {
    dialogs_.hideOpen();
    window_.setState(WindowState::Minimized);
}

void WindowShell::WindowMove() {
    if (window_.state() != WindowState::Maximized) window_.startSystemMove();
}

void WindowShell::SizeGrip() { window_.startSystemResizeBottomRight(); }
