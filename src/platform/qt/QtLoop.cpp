#include "platform/qt/QtLoop.h"
#include <QTimer>
#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <exception>

namespace plat {

QtLoop::QtLoop() { clock_.start(); }

int QtLoop::setThreadTimer(int intervalMs, Callback onTick) {
    auto* timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(std::max(intervalMs, 1));
    connect(timer, &QTimer::timeout, timer, [fn = std::move(onTick)] { guarded(fn); });
    timer->start();
    const int id = nextId_++;
    timers_[id] = timer;
    return id;
}

void QtLoop::killThreadTimer(int id) {
    const auto it = timers_.find(id);
    if (it == timers_.end()) return;
    if (QTimer* timer = it->second) {
        timer->stop();
        // Later: the timer may be the one whose tick is running now.
        timer->deleteLater();
    }
    timers_.erase(it);
}

void QtLoop::post(Callback fn) {
    QMetaObject::invokeMethod(
        this, [fn = std::move(fn)] { guarded(fn); }, Qt::QueuedConnection);
}

void QtLoop::postOutsideWaits(Callback fn) {
    outsideWaits_.push_back(std::move(fn));
    QMetaObject::invokeMethod(
        this, [this] { runOutsideWaits(); }, Qt::QueuedConnection);
}

void QtLoop::runOutsideWaits() {
    // Inside a wait: the end of the outermost pump asks again.
    if (pumpDepth_ > 0) return;
    std::vector<Callback> due;
    due.swap(outsideWaits_);
    for (const Callback& fn : due) guarded(fn);
}

void QtLoop::pumpMessages() {
    // Waits for the next event, but never longer than a few milliseconds, so that a wait
    // which pumps in a loop neither spins the processor nor oversleeps its own deadline.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(5);
    waiting([] { QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents); }, 0);
}

// A wait of the program's usually ends by showing a window (the start path's): what waited
// for it comes a moment later, so that the window and its page are drawn first. The browser
// engine draws on this thread, and what comes next may hold the thread.
void QtLoop::runAsWait(const Callback& fn) { waiting(fn, kDrawnFirstMs); }

void QtLoop::waiting(const Callback& fn, int thenAfterMs) {
    // Also when fn throws: the exit must not wait for ever.
    struct Depth {
        QtLoop& loop;
        int afterMs;
        Depth(QtLoop& l, int ms) : loop(l), afterMs(ms) { ++loop.pumpDepth_; }
        ~Depth() {
            if (--loop.pumpDepth_ == 0 && !loop.outsideWaits_.empty())
                QTimer::singleShot(afterMs, &loop, [l = &loop] { l->runOutsideWaits(); });
        }
    } depth(*this, thenAfterMs);
    fn();
}

void QtLoop::holdThread(int ms) { QThread::msleep(static_cast<unsigned long>(std::max(ms, 0))); }

void QtLoop::quit(int status) {
    quitStatus_ = status;
    QCoreApplication::exit(status);
}

int QtLoop::run() {
    if (quitStatus_) return *quitStatus_;
    return QCoreApplication::exec();
}

void QtLoop::guarded(const Callback& fn) {
    try {
        fn();
    } catch (const std::exception& e) {
        qWarning("Unhandled error in an event handler: %s", e.what());
    }
}

} // namespace plat
