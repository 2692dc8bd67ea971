#pragma once
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <functional>

// Runs the real event loop until done() holds or the time is up; true when it holds. The
// bound only keeps a broken build from hanging: every wait ends on an event.
inline bool waitUntil(const std::function<bool()>& done, int boundMs = 15000) {
    const QDeadlineTimer deadline(boundMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

// Runs the real event loop for a while: for what is drawn or sent a moment later, and for
// checks that something did not happen.
inline void runLoopFor(int ms) {
    waitUntil([] { return false; }, ms);
}
