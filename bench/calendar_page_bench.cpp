// A day of 40 calendar events from the main window's procedure to the real main page
// (QtWebEngine): the time until the page has acknowledged the mutation batch that carries
// the day's rows. Runs on a display (scripts/with-desktop.sh).
#include "CalendarDays.h"
#include "DesktopBenchmarks.h"
#include "LoopProbes.h"
#include "NewsClient.h"
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

void BM_DrawDayToRealPage(benchmark::State& state) {
    RealPlatform real;
    NewsClient client{real.platform, [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50); }};
    AppContext& ctx = client.context();
    ctx.LoggedIn = 1;
    client.arriveAll(calendarbench::week());
    ctx.fxInfo->SwitchTab(QStringLiteral("iFXCalendar"));
    auto* page = static_cast<plat::QtBrowser*>(ctx.fxInfo->WebBrowser());
    dom::Element& table = *page->document()->getElementById(QStringLiteral("iCalendar_Table"));
    runUntilPagesUpToDate({page});
    int day = 1;
    for (auto _ : state) {
        day = day % 5 + 1;
        const Clock::time_point begin = Clock::now();
        ctx.fxInfo->SelWeekTab(day);
        runUntilPagesUpToDate({page});
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - begin).count());
    }
    if (table.rows().size() != calendarbench::EventsPerDay + 1) state.SkipWithError("not 40 rows");
    state.SetItemsProcessed(state.iterations() * calendarbench::EventsPerDay);
}
BENCHMARK(BM_DrawDayToRealPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

int main(int argc, char** argv) { return runDesktopBenchmarks(argc, argv); }
