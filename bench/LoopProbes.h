#pragma once
// What the desktop benchmarks measure around the real event loop: how long the loop is away
// from its timers, when the real pages have applied the program's changes, and percentiles
// of the samples a benchmark collects itself.
#include "platform/qt/QtBrowser.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <functional>
#include <initializer_list>
#include <vector>

// The longest gap between the ticks of a 1 ms timer, and the most processor time this
// thread spent within one gap (on a busy machine a gap also holds time the thread waited
// for a processor).
class TurnWatch {
public:
    TurnWatch() {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const double cpu = threadCpuMs();
            worstMs = std::max(worstMs, clock_.nsecsElapsed() / 1e6 - 1);
            worstCpuMs = std::max(worstCpuMs, cpu - lastCpuMs_);
            lastCpuMs_ = cpu;
            clock_.restart();
        });
        clock_.start();
        lastCpuMs_ = threadCpuMs();
        timer_.start(1);
    }
    double worstMs = 0;
    double worstCpuMs = 0;

private:
    static double threadCpuMs() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    }
    QTimer timer_;
    QElapsedTimer clock_;
    double lastCpuMs_ = 0;
};

// Runs the loop until done() holds (at most 10 s); whether it does.
inline bool runUntil(const std::function<bool()>& done) {
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(10000);
    while (!done() && deadline.isActive()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

// Runs the loop for ms milliseconds.
inline void runFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, static_cast<int>(ms - clock.elapsed()));
}

// Whether every one of the pages has applied all the changes made to its model.
inline bool pagesUpToDate(std::initializer_list<plat::QtBrowser*> browsers) {
    return std::all_of(browsers.begin(), browsers.end(), [](plat::QtBrowser* b) { return b->pageUpToDate(); });
}

// Runs the loop until the pages are up to date (at most 10 s); whether they are.
inline bool runUntilPagesUpToDate(std::initializer_list<plat::QtBrowser*> browsers) {
    return runUntil([&] { return pagesUpToDate(browsers); });
}

// p in [0, 1]: the sample at or below which that share of the samples lies.
inline double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size())))];
}
