#pragma once
#include <QDateTime>
#include <functional>

namespace plat {

// The one user-interface thread's message loop. Every timer and every "now" of the
// program comes from here, so the simulated backend can run the program in virtual time.
class EventLoop {
public:
    using Callback = std::function<void()>;
    virtual ~EventLoop() = default;

    // Monotonic milliseconds since the loop started.
    virtual qint64 nowMs() const = 0;
    // Local wall-clock time (calendar days, usage time).
    virtual QDateTime now() const = 0;

    // A thread timer in the manner of SetTimer with a callback: fires every intervalMs
    // until killed. Returns 0 when the system refuses, otherwise a non-zero identifier.
    virtual int setThreadTimer(int intervalMs, Callback onTick) = 0;
    virtual void killThreadTimer(int id) = 0;

    // Runs fn on the loop after the current event has finished.
    virtual void post(Callback fn) = 0;
    // Runs fn once no wait that pumps messages is running any more: for work that unloads
    // the windows such a wait belongs to (the exit).
    virtual void postOutsideWaits(Callback fn) { post(std::move(fn)); }
    // Runs fn as one such wait, whether or not it pumps messages itself: what is posted with
    // postOutsideWaits meanwhile runs after it.
    virtual void runAsWait(const Callback& fn) { fn(); }

    // "Let pending messages run": processes what is pending, then returns. Waits that keep
    // the loop running call this in a loop; the simulated loop advances virtual time to the
    // next due timer when nothing is pending, so such waits end.
    virtual void pumpMessages() = 0;
    // "Hold the thread": nothing runs for ms milliseconds.
    virtual void holdThread(int ms) = 0;

    // Ends the loop's run with an exit status.
    virtual void quit(int status) = 0;
};

} // namespace plat
