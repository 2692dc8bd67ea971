#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <functional>

// Runs the event loop until condition holds; false when it did not within timeoutMs.
inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Lets the window manager and the application answer each other for a while, for checks
// that something did not happen.
inline void settle(int ms = 300) {
    waitFor([] { return false; }, ms);
}

// The user's mouse on the X server: xdotool mousemove X Y, mousedown 1, ...
inline bool xdotool(const QStringList& args) { return QProcess::execute(QStringLiteral("xdotool"), args) == 0; }
