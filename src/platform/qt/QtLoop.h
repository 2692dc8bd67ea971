#pragma once
#include "platform/loop/EventLoop.h"
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <map>
#include <optional>
#include <vector>

namespace plat {

// The real message loop: the application object's event loop, QTimer thread timers and a
// monotonic clock. Create it after the application object.
class QtLoop : public QObject, public EventLoop {
public:
    QtLoop();

    qint64 nowMs() const override { return clock_.elapsed(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    int setThreadTimer(int intervalMs, Callback onTick) override;
    void killThreadTimer(int id) override;
    void post(Callback fn) override;
    void pumpMessages() override;
    void holdThread(int ms) override;
    void quit(int status) override;

    // Runs the loop until quit() and returns its status; at once when quit() came first.
    int run();
    // Runs fn on the loop once no wait is pumping messages: work that unloads windows must
    // not pull them from under a wait that is still using them.
    void postOutsideWaits(Callback fn) override;
    void runAsWait(const Callback& fn) override;

private:
    static constexpr int kDrawnFirstMs = 250;

    void waiting(const Callback& fn, int thenAfterMs);
    void runOutsideWaits();

    // A callback's exception must not unwind through Qt's event dispatch.
    static void guarded(const Callback& fn);

    QElapsedTimer clock_;
    std::map<int, QPointer<QTimer>> timers_;
    int nextId_ = 1;
    std::optional<int> quitStatus_;
    int pumpDepth_ = 0;
    std::vector<Callback> outsideWaits_;
};

} // namespace plat
