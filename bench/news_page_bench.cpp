// From news records on the push socket to the real pages (QtWebEngine): the time until every
// record is handed on and the main page (and for a burst the popup page too) has acknowledged
// the mutation batches that carry the rows, and the longest turn of the event loop meanwhile.
// Latencies are reported as percentiles of the iterations' samples. Runs on a display
// (scripts/with-desktop.sh).
#include "NewsClient.h"
#include "DesktopBenchmarks.h"
#include "LoopProbes.h"
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

plat::QtBrowser* mainPage() { return static_cast<plat::QtBrowser*>(shared().client.context().fxInfo->WebBrowser()); }
// Before the first flash there is no popup: the main page stands in.
plat::QtBrowser* popupPage() {
    const auto& popup = shared().client.context().popup;
    return popup ? static_cast<plat::QtBrowser*>(popup->WebBrowser()) : mainPage();
}

void reportPercentiles(benchmark::State& state, const char* name, const std::vector<double>& ms) {
    for (auto [suffix, p] : {std::pair{"_p50_ms", 0.50}, {"_p95_ms", 0.95}, {"_p99_ms", 0.99}})
        state.counters[std::string(name) + suffix] = percentile(ms, p);
}

// Every record handed on to the main window and the pages up to date (at most 10 s).
bool runUntilSettled(std::initializer_list<plat::QtBrowser*> pages) {
    return runUntil([&] { return !shared().client.pending() && pagesUpToDate(pages); });
}

int nextId = 1;

// One flash per data-arrival event, the list full (300 rows) and the popup showing. The
// argument is the pause before each flash, in ms: with 100, each flash comes to a program
// that has drawn the one before (flashes at some 10 a second, as in the soak); with 0, the
// next one comes the moment the page acknowledges a flash, while both pages still draw it,
// and waits behind that drawing on this machine's two cores.
void BM_FlashToRealPage(benchmark::State& state) {
    NewsClient& client = shared().client;
    for (; nextId <= 400; ++nextId) client.arriveAll(NewsClient::flash(nextId));
    runUntilSettled({mainPage(), popupPage()});
    const int pauseMs = static_cast<int>(state.range(0));
    std::vector<double> ms;
    TurnWatch turns;
    for (auto _ : state) {
        runFor(pauseMs);
        const QByteArray record = NewsClient::flash(nextId++);
        const Clock::time_point begin = Clock::now();
        client.arrive(record);
        if (!runUntilSettled({mainPage()})) state.SkipWithError("the page did not acknowledge");
        state.SetIterationTime(seconds(begin));
        ms.push_back(seconds(begin) * 1000);
    }
    if (client.listRows() != 300 || client.popupRows() != 10) state.SkipWithError("rows out of bounds");
    reportPercentiles(state, "flash_to_row", ms);
    state.counters["worst_turn_ms"] = turns.worstMs;
}
BENCHMARK(BM_FlashToRealPage)
    ->ArgName("pause_ms")
    ->Arg(100)
    ->Arg(0)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);

// 1,000 flashes in one data-arrival event: the longest loop turn from their arrival until
// every one is handed on and both pages are up to date, and how long that takes.
void BM_BurstToRealPage(benchmark::State& state) {
    NewsClient& client = shared().client;
    std::vector<double> ms;
    double worstTurnMs = 0, worstTurnCpuMs = 0;
    for (auto _ : state) {
        QByteArray burst;
        for (int i = 0; i < 1000; ++i) burst += NewsClient::flash(nextId++);
        runUntilSettled({mainPage(), popupPage()});
        TurnWatch turns;
        QCoreApplication::processEvents();
        const Clock::time_point begin = Clock::now();
        client.arrive(burst);
        if (!runUntilSettled({mainPage(), popupPage()})) state.SkipWithError("the pages did not acknowledge");
        state.SetIterationTime(seconds(begin));
        ms.push_back(seconds(begin) * 1000);
        worstTurnMs = std::max(worstTurnMs, turns.worstMs);
        worstTurnCpuMs = std::max(worstTurnCpuMs, turns.worstCpuMs);
    }
    if (client.listRows() != 300 || client.popupRows() != 10) state.SkipWithError("rows out of bounds");
    reportPercentiles(state, "settled", ms);
    state.counters["worst_turn_ms"] = worstTurnMs;
    state.counters["worst_turn_cpu_ms"] = worstTurnCpuMs;
}
BENCHMARK(BM_BurstToRealPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// A batch of 1,000 ops (250 rows: a row, a cell, its text and a style each): from the end of
// the turn that made them to the page's acknowledgement.
void BM_ThousandOpBatchToRealPage(benchmark::State& state) {
    NewsClient& client = shared().client;
    dom::Element& table = client.listTable();
    runUntilPagesUpToDate({mainPage()});
    for (auto _ : state) {
        for (int i = 0; i < 250; ++i) {
            dom::Element* cell = table.insertRow(1)->insertCell();
            cell->setInnerText(QStringLiteral("%1 行情快讯").arg(i));
            cell->setStyle(QStringLiteral("padding-left"), QStringLiteral("18px"));
        }
        const Clock::time_point begin = Clock::now();
        runUntilPagesUpToDate({mainPage()});
        state.SetIterationTime(seconds(begin));
        for (int i = 0; i < 250; ++i) table.deleteRow(1);
        runUntilPagesUpToDate({mainPage()});
    }
}
BENCHMARK(BM_ThousandOpBatchToRealPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    return runDesktopBenchmarks(argc, argv, [] { qtClient.reset(); });
}
