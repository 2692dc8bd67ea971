// From a news record on the push socket to its row in the main page's model and its line in
// the popup page's model, on the simulated desktop: the stream cutter, news_analysis, the
// main window's Get_allMsg (list row, sort, popup request with the sound) as wsckfrm runs
// them on a data-arrival event and the loop's turns that its pacing takes.
#include "NewsClient.h"
#include "platform/sim/SimPlatform.h"
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

struct SimClient {
    plat::SimPlatform sim;
    NewsClient client{sim.platform, [this] { sim.loop.pumpMessages(); }};
};

// One flash per data-arrival event, the list full (300 rows) and the popup showing.
void BM_FlashToRow(benchmark::State& state) {
    SimClient s;
    NewsClient& client = s.client;
    int id = 1;
    for (; id <= 400; ++id) client.arriveAll(NewsClient::flash(id));
    for (auto _ : state) {
        state.PauseTiming();
        const QByteArray record = NewsClient::flash(id++);
        state.ResumeTiming();
        client.arriveAll(record);
    }
    if (client.listRows() != 300 || client.popupRows() != 10) state.SkipWithError("rows out of bounds");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FlashToRow)->Unit(benchmark::kMicrosecond);

// 1,000 flashes in one data-arrival event (200,000 bytes), handed on over as many turns as
// the pacing takes: the longest the loop is blocked in one of them; the list stays at 300
// rows, the popup at 10.
void BM_BurstOf1000(benchmark::State& state) {
    SimClient s;
    NewsClient& client = s.client;
    int id = 1;
    double worstMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QByteArray burst;
        for (int i = 0; i < 1000; ++i) burst += NewsClient::flash(id++);
        state.ResumeTiming();
        const auto turn = [&worstMs](const auto& fn) {
            const auto begin = std::chrono::steady_clock::now();
            fn();
            const std::chrono::duration<double, std::milli> blocked = std::chrono::steady_clock::now() - begin;
            worstMs = std::max(worstMs, blocked.count());
        };
        turn([&] { client.arrive(burst); });
        while (client.pending()) turn([&] { s.sim.loop.pumpMessages(); });
    }
    if (client.listRows() != 300 || client.popupRows() != 10) state.SkipWithError("rows out of bounds");
    state.counters["worst_blocked_ms"] = worstMs;
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_BurstOf1000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
