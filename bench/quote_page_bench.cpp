// Quotes from the demo server into the real main page (QtWebEngine) while news arrives too.
// The program runs in this process as on the desktop (start-up, update check, login by the
// remembered account, push session) against the demo server sending 20 quote batches a
// second and a news flash every half second (or, for comparison, no news). Reported:
//  - arrival_to_page p50/p95/p99/max: from a batch reaching the main window (its first
//    quot_center) to the page's acknowledgement of the first mutation batch sent after it,
//    which carries its prices;
//  - worst_turn_ms: the longest time the event loop was away from a 1 ms timer, and
//    worst_turn_cpu_ms the most processor time the loop's thread used within such a gap.
// Runs on a display: scripts/with-desktop.sh build/bench/bench_quote_page_bench
#include "core/AppContext.h"
#include "DesktopBenchmarks.h"
#include "LoopProbes.h"
#include "app/frmMain.h"
#include "app/m_Main.h"
#include "e2e_push/DemoServerProcess.h"
#include "Wait.h"
#include "e2e_update/ScratchInstall.h"
#include "mainwindow/frmFXInfo.h"
#include "platform/qt/QtBrowser.h"
#include "platform/qt/QtBrowserBridge.h"
#include "wire/PushSink.h"
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <deque>

namespace {

constexpr int RunMs = 20000;

// Stands between the push session and the main window and times each batch into the page.
class Probe : public push::PushSink {
public:
    Probe(frmFXInfo& fx, plat::QtBrowserBridge& bridge) : fx_(fx) {
        clock_.start();
        QObject::connect(&bridge, &plat::QtBrowserBridge::batch, &bridge,
                         [this](int seq, const QString&) { sent(seq); });
        bridge.onMessage = [this, page = bridge.onMessage](const QJsonObject& m) {
            if (m.value(QLatin1String("kind")).toString() == QLatin1String("applied"))
                applied(m.value(QLatin1String("seq")).toInt());
            page(m);
        };
    }

    void Get_allMsg(const QString& unused, const QString& time, const QString& title, int32_t newsId,
                    uint8_t detailFlag) override {
        ++news;
        fx_.Get_allMsg(unused, time, title, newsId, detailFlag);
    }
    void quot_center(const QString& symbol, const QString& bid, const QString& ask) override {
        if (!inBatch_) {
            inBatch_ = true;
            pending_.push_back({clock_.nsecsElapsed(), 0});
            QTimer::singleShot(0, [this] { inBatch_ = false; });
        }
        fx_.quot_center(symbol, bid, ask);
    }
    void GetInfo_DownCalendar(int16_t day, const QString& summary, const QString& records) override {
        fx_.GetInfo_DownCalendar(day, summary, records);
    }
    void GetInfo_UpdateCalendar(int16_t day, const QString& summary, const QString& records) override {
        fx_.GetInfo_UpdateCalendar(day, summary, records);
    }

    std::vector<double> latenciesMs;
    int news = 0;

private:
    struct Arrival {
        qint64 atNs;
        int seq;
    };
    void sent(int seq) {
        for (Arrival& a : pending_)
            if (a.seq == 0) a.seq = seq;
    }
    void applied(int seq) {
        while (!pending_.empty() && pending_.front().seq != 0 && pending_.front().seq <= seq) {
            latenciesMs.push_back((clock_.nsecsElapsed() - pending_.front().atNs) / 1e6);
            pending_.pop_front();
        }
    }

    frmFXInfo& fx_;
    QElapsedTimer clock_;
    std::deque<Arrival> pending_;
    bool inBatch_ = false;
};

struct QtProcess {
    RealPlatform real;
    AppContext ctx{real.platform};
};

// Argument: the time between news flashes in ms (0: practically none, for comparison).
void BM_DemoServerQuotesToRealPage(benchmark::State& state) {
    ScratchInstall install(QStringLiteral("quote-page-bench"));
    DemoServerProcess server(install.path("demo-data"));
    const QString newsMs = QString::number(state.range(0) > 0 ? state.range(0) : 3600000);
    for (auto _ : state) {
        if (!server.start({}, {"--quote-interval-ms", "50", "--news-interval-ms", newsMs, "--quiet"})) {
            state.SkipWithError("the demo server did not start");
            return;
        }
        QFile::copy(QStringLiteral(ZEP_SOURCE_DIR "/dist/ZEP.xml"), install.app("ZEP.xml"));
        install.pointAt(server.ports());
        install.rememberLogin(QStringLiteral("demo@quenra.test"), QStringLiteral("demo123"));
        QtProcess p;
        if (m_Main::Main(p.ctx, install.path("app")) != 0 ||
            !waitUntil([&] { return p.ctx.fxInfo && !p.ctx.fxInfo->Busy() && p.ctx.LoggedIn == 1; }, 60000)) {
            state.SkipWithError("the program did not log in");
            return;
        }
        auto* browser = static_cast<plat::QtBrowser*>(p.ctx.fxInfo->WebBrowser());
        auto* bridge = qobject_cast<plat::QtBrowserBridge*>(
            browser->view()->page()->webChannel()->registeredObjects().value(QStringLiteral("zepBridge")));
        Probe probe(*p.ctx.fxInfo, *bridge);
        p.ctx.pushSink = &probe;
        TurnWatch turns;
        waitUntil([] { return false; }, RunMs);
        p.ctx.pushSink = p.ctx.fxInfo.get();
        state.counters["batches"] = static_cast<double>(probe.latenciesMs.size());
        state.counters["news"] = probe.news;
        state.counters["arrival_to_page_p50_ms"] = percentile(probe.latenciesMs, 0.50);
        state.counters["arrival_to_page_p95_ms"] = percentile(probe.latenciesMs, 0.95);
        state.counters["arrival_to_page_p99_ms"] = percentile(probe.latenciesMs, 0.99);
        state.counters["arrival_to_page_max_ms"] = percentile(probe.latenciesMs, 1.0);
        state.counters["worst_turn_ms"] = turns.worstMs;
        state.counters["worst_turn_cpu_ms"] = turns.worstCpuMs;
        if (p.ctx.mainCtl) p.ctx.mainCtl->ExitApp();
        server.kill();
    }
}
BENCHMARK(BM_DemoServerQuotesToRealPage)->Arg(500)->Arg(0)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) { return runDesktopBenchmarks(argc, argv); }
