// A quote batch of the twelve demo pairs from the push socket into the main page's model, on
// the simulated desktop: the stream cutter, the batch's decoding and quot_center for every
// pair (its setting, its row, both prices recoloured and rewritten), as wsckfrm runs them on
// a data-arrival event.
#include "NewsClient.h"
#include "platform/sim/SimPlatform.h"
#include "wire/QuoteBatchRecord.h"
#include "wire/QuoteText.h"
#include <benchmark/benchmark.h>

namespace {

const char* const Pairs[] = {"EURUSD", "GBPUSD", "USDJPY", "AUDUSD", "USDCAD", "USDCHF",
                             "NZDUSD", "EURJPY", "GBPJPY", "EURGBP", "XAUUSD", "XAGUSD"};

// Every price differs from the batch before, so that every cell is recoloured and rewritten.
QByteArray batch(int tick) {
    QList<push::QuoteText::Item> items;
    for (int i = 0; i < 12; ++i) {
        const double bid = 1 + i + (tick % 2) * 0.0011;
        items.append(
            {QString::fromLatin1(Pairs[i]), QString::number(bid, 'f', 4), QString::number(bid + 0.0003, 'f', 4), 4});
    }
    return push::QuoteBatchRecord{push::QuoteText::compose(items)}.build();
}

struct SimClient {
    plat::SimPlatform sim;
    NewsClient client{sim.platform, [this] { sim.loop.pumpMessages(); }};
};

void BM_BatchOf12ToModel(benchmark::State& state) {
    SimClient s;
    const QByteArray records[2] = {batch(0), batch(1)};
    s.client.arriveAll(records[0]);
    int tick = 1;
    for (auto _ : state) s.client.arriveAll(records[tick++ % 2]);
    if (s.client.quoteRows() != 12) state.SkipWithError("not one row per pair");
    state.SetItemsProcessed(state.iterations() * 12);
}
BENCHMARK(BM_BatchOf12ToModel)->Unit(benchmark::kMicrosecond);

} // namespace
