#pragma once
#include <QRect>
#include <QString>
#include <QStringList>

// The X desktop that the test runs on, seen and driven through the X command-line tools
// (xdotool, xwininfo, xprop, import), as a user of the program would see and drive it.
namespace XDesktop {

// Standard output of the tool, empty when it failed.
QString run(const QString& tool, const QStringList& args);

// The largest mapped window of the class; 0 when there is none.
qulonglong largestWindow(const QString& windowClass);
// The window's outer rectangle on the screen; empty when it is gone.
QRect geometry(qulonglong window);
// True while the window manager holds the window maximised.
bool maximised(qulonglong window);
// The desktop's work area.
QRect workArea();
// True when the tray host (trayer) holds an embedded window of the class.
bool trayHolds(const QString& windowClass);
// Where the tray host shows that window, on the screen; empty when it holds none.
QRect trayIcon(const QString& windowClass);
// The mapped windows of the class (menus included).
QList<qulonglong> windows(const QString& windowClass);
// The mapped window with exactly this title; 0 when there is none.
qulonglong windowNamed(const QString& title);

// The user's mouse.
void click(const QPoint& at);
void rightClick(const QPoint& at);
// Presses the left button at from, moves to `to` in steps, releases.
void drag(const QPoint& from, const QPoint& to);
// The user's keyboard: types the text into the window that has the focus.
void type(const QString& text);

// The whole screen into a PNG file; false when it was not written.
bool screenshot(const QString& file);

} // namespace XDesktop
