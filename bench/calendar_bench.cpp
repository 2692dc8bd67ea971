// The calendar on the simulated desktop: a day of 40 events drawn into the main page's
// model, and a week that the server sends again unchanged (five day records through the
// stream cutter and the decoder), which must store nothing and draw nothing.
#include "CalendarDays.h"
#include "NewsClient.h"
#include "platform/sim/SimPlatform.h"
#include <benchmark/benchmark.h>

namespace {

// Logged in on a Wednesday with this week's calendar loaded and Wednesday's tab shown.
struct CalendarClient {
    CalendarClient() {
        sim.loop.setDateTime(QDateTime(QDate(2026, 12, 9), QTime(21, 20)));
        client = std::make_unique<NewsClient>(sim.platform, [this] { sim.loop.pumpMessages(); });
        AppContext& ctx = client->context();
        ctx.LoggedIn = 1;
        client->arriveAll(calendarbench::week());
        ctx.fxInfo->SelWeekTab(3);
    }
    dom::Element& table() {
        return *client->context().fxInfo->WebBrowser()->document()->getElementById(QStringLiteral("iCalendar_Table"));
    }

    plat::SimPlatform sim;
    std::unique_ptr<NewsClient> client;
};

void BM_DrawDayOf40Events(benchmark::State& state) {
    CalendarClient c;
    for (auto _ : state) c.client->context().fxInfo->SelWeekTab(3);
    if (c.table().rows().size() != calendarbench::EventsPerDay + 1) state.SkipWithError("not 40 rows");
    state.SetItemsProcessed(state.iterations() * calendarbench::EventsPerDay);
}
BENCHMARK(BM_DrawDayOf40Events)->Unit(benchmark::kMicrosecond);

void BM_RefreshOfAnUnchangedWeek(benchmark::State& state) {
    CalendarClient c;
    const QByteArray week = calendarbench::week();
    const int firstRow = c.table().rows().at(1)->nodeId();
    for (auto _ : state) c.client->arriveAll(week);
    if (c.table().rows().at(1)->nodeId() != firstRow) state.SkipWithError("an unchanged week was drawn again");
    state.SetItemsProcessed(state.iterations() * 5 * calendarbench::EventsPerDay);
}
BENCHMARK(BM_RefreshOfAnUnchangedWeek)->Unit(benchmark::kMicrosecond);

} // namespace
