// From a news record on the push socket to its row in the real main page (QtWebEngine): the
// time until the page has acknowledged the mutation batch that carries the row. A read of the
// table's size sends the turn's pending batch and waits for the page's answer, which comes
// after the batch has been applied. Runs on a display (scripts/with-desktop.sh).
#include "NewsClient.h"
#include "DesktopBenchmarks.h"
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

struct QtClient {
    RealPlatform real;
    NewsClient client{real.platform, [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50); }};
};

// Made in main, between the application object's start and end.
std::unique_ptr<QtClient> qtClient;
QtClient& shared() {
    if (!qtClient) qtClient = std::make_unique<QtClient>();
    return *qtClient;
}

int nextId = 1;

// One flash per data-arrival event, the list full (300 rows) and the popup showing.
void BM_FlashToRealPage(benchmark::State& state) {
    NewsClient& client = shared().client;
    for (; nextId <= 400; ++nextId) client.arrive(NewsClient::flash(nextId));
    client.listTable().offsetHeight();
    for (auto _ : state) {
        const QByteArray record = NewsClient::flash(nextId++);
        const Clock::time_point begin = Clock::now();
        client.arrive(record);
        client.listTable().offsetHeight();
        state.SetIterationTime(seconds(begin));
        QCoreApplication::processEvents();
    }
    if (client.listRows() != 300 || client.popupRows() != 10) state.SkipWithError("rows out of bounds");
}
BENCHMARK(BM_FlashToRealPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

// 1,000 flashes in one data-arrival event: how long the loop is blocked, and when the real
// page shows the list of 300 rows.
void BM_BurstToRealPage(benchmark::State& state) {
    NewsClient& client = shared().client;
    double blockedMs = 0;
    for (auto _ : state) {
        QByteArray burst;
        for (int i = 0; i < 1000; ++i) burst += NewsClient::flash(nextId++);
        const Clock::time_point begin = Clock::now();
        client.arrive(burst);
        blockedMs = std::max(blockedMs, seconds(begin) * 1000);
        client.listTable().offsetHeight();
        state.SetIterationTime(seconds(begin));
        QCoreApplication::processEvents();
    }
    if (client.listRows() != 300 || client.popupRows() != 10) state.SkipWithError("rows out of bounds");
    state.counters["worst_blocked_ms"] = blockedMs;
}
BENCHMARK(BM_BurstToRealPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    return runDesktopBenchmarks(argc, argv, [] { qtClient.reset(); });
}
