// From a news record on the push socket to its row in the main page's model and its line in
// the popup page's model, on the simulated desktop: the stream cutter, news_analysis, the
// main window's Get_allMsg (list row, sort, popup request with the sound) as wsckfrm runs
// them on a data-arrival event.
#include "../tests/app/TestInstallation.h"
#include "app/frmMain.h"
#include "config/cls_Config.h"
#include "mainwindow/frmFXInfo.h"
#include "notify/frmPopUp.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "push/NewsFlashRecord.h"
#include "push/PushDecoder.h"
#include "push/PushStreamCutter.h"
#include <benchmark/benchmark.h>
#include <chrono>

using namespace push;

namespace {

// The program with its main page loaded and the popup enabled, as after a login.
class Client : public PushRecordHandler {
public:
    Client() {
        inst.writeConfig();
        QDir().mkpath(inst.appDir() + QStringLiteral("/Sound"));
        TestInstallation::writeFile(inst.appDir() + QStringLiteral("/Sound/ding.wav"), QStringLiteral("chime"));
        AppContext& c = ctx();
        c.AppPath = inst.appDir() + u'/';
        c.PageBase = QStringLiteral("res://") + c.AppPath + QStringLiteral("Zavez_ZEP.exe/");
        c.server.webSite = QStringLiteral("http://web.test");
        c.Config = std::make_shared<cls_Config>(c.platform);
        c.Config->setXmlFile(inst.configFile());
        c.Config->Initialize();
        c.PopupEnabled = true;
        c.PopupStayTime = QStringLiteral("5");
        c.PopupSoundFile = QStringLiteral("ding.wav");
        // The live update finds no server and opens the main window.
        c.load(c.mainCtl);
        proc->sim.loop.runPosted();
        decoder = std::make_unique<PushDecoder>(*c.fxInfo, c.HighestNewsId);
    }

    AppContext& ctx() { return proc->ctx; }
    int listRows() {
        return static_cast<int>(
            ctx().fxInfo->WebBrowser()->document()->getElementById("firstpage_table")->rows().size());
    }
    int popupRows() {
        if (!ctx().popup) return 0;
        return static_cast<int>(
            ctx().popup->WebBrowser()->document()->getElementById("popupWin_Table")->rows().size());
    }

    void newsFlash(QByteArrayView r) override { decoder->news_analysis(r); }
    void calendarDay(QByteArrayView) override {}
    void quoteBatch(QByteArrayView) override {}
    void loggedInElsewhere() override {}
    void heartbeatProbe() override {}

    TestInstallation inst;
    std::unique_ptr<TestInstallation::Process> proc = inst.process();
    std::unique_ptr<PushDecoder> decoder;
    PushStreamCutter cutter{*this};
};

// A flash the list has not seen: the seen list keeps time and title.
QByteArray flash(int id) {
    return NewsFlashRecord{QStringLiteral("100"),
                           QStringLiteral("现货黄金短线拉升10美元，现报2045.30美元/盎司 第%1条").arg(id), id,
                           QStringLiteral("2026-12-%1 %2:%3:05")
                               .arg(1 + id % 28, 2, 10, QChar('0'))
                               .arg(id % 24, 2, 10, QChar('0'))
                               .arg(id % 60, 2, 10, QChar('0')),
                           static_cast<uint8_t>(id % 2 ? '1' : '0')}
        .build();
}

// One flash per data-arrival event, the list full (300 rows) and the popup showing.
void BM_FlashToRow(benchmark::State& state) {
    Client client;
    int id = 1;
    for (; id <= 400; ++id) client.cutter.examine(flash(id));
    for (auto _ : state) {
        state.PauseTiming();
        const QByteArray record = flash(id++);
        state.ResumeTiming();
        client.cutter.examine(record);
    }
    if (client.listRows() != 300 || client.popupRows() != 10) state.SkipWithError("rows out of bounds");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FlashToRow)->Unit(benchmark::kMicrosecond);

// 1,000 flashes in one data-arrival event (200,000 bytes): the loop is blocked for the
// whole call; the list stays at 300 rows, the popup at 10.
void BM_BurstOf1000(benchmark::State& state) {
    Client client;
    int id = 1;
    double worstMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QByteArray burst;
        for (int i = 0; i < 1000; ++i) burst += flash(id++);
        state.ResumeTiming();
        const auto begin = std::chrono::steady_clock::now();
        client.cutter.examine(burst);
        const std::chrono::duration<double, std::milli> blocked = std::chrono::steady_clock::now() - begin;
        worstMs = std::max(worstMs, blocked.count());
    }
    if (client.listRows() != 300 || client.popupRows() != 10) state.SkipWithError("rows out of bounds");
    state.counters["worst_blocked_ms"] = worstMs;
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_BurstOf1000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
