#pragma once
#include "mainwindow/Twips.h"
#include <QRect>

class MainPage;
class OwnedDialogs;
class WindowPlacement;
namespace plat {
class Screen;
class Window;
} // namespace plat

// What the borderless main window does as a window, driven by the buttons its page draws:
// its minimum size, the program's own maximise and restore with the button's two faces,
// minimise, and dragging or sizing by the page.
class WindowShell {
public:
    static constexpr int MinWidthTwips = 15300;
    static constexpr int MinHeightTwips = 10500;
    // Where a restore from the work-area maximised state puts the window, in pixels.
    static constexpr QRect RestoredRect{100, 100, 1096, 724};

    WindowShell(plat::Window& window, plat::Screen& screen, MainPage& page, OwnedDialogs& dialogs,
                const WindowPlacement& placement);

    // Geometry of the previous run.
    void placeAtStart();
    // A window made smaller than 1020 x 700 (at 15 twips per pixel) grows back to it.
    void keepMinimumSize();
    // The page's maximise button: the maximise symbol ("2x.png") or the restore symbol.
    void showMaximiseFace();
    void showRestoreFace();
    // A window closed maximised on the full screen width opens maximised; the button shows
    // the face for the window's state.
    void restoreMaximised();
    bool workAreaMaximised() const { return workAreaMaximised_; }

    void zep_max_frm();
    void zep_min();
    void WindowMove();
    void SizeGrip();

private:
    void setFace(const QString& title, const QString& image);

    plat::Window& window_;
    plat::Screen& screen_;
    Twips twips_;
    MainPage& page_;
    OwnedDialogs& dialogs_;
    const WindowPlacement& placement_;
    bool workAreaMaximised_ = false;
};
