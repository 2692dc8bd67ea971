// Page document model: the program's hot paths.
//   bench_dom_bench --benchmark_min_time=0.5
#include "mainwindow/NewsRow.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/Journal.h"
#include <benchmark/benchmark.h>

using namespace dom;

namespace {

QString newsPage(int rows) {
    QString html =
        QStringLiteral("<html><body><table id=firstpage_table><thead><tr style='display:none'>"
                       "<td id=iAllSort onclick=\"sortTable('firstpage_table')\">时间</td><td></td></tr></thead>");
    for (int i = 0; i < rows - 1; ++i) {
        const int m = 24 * 60 - 1 - i; // newest first
        html += QString::asprintf(
            "<tr><td style='padding-left:18px;width:80px'>12/06 %02d:%02d</td>"
            "<td><a href='' onClick=news_item.innerText='http://w/x?id=%d';news_item.fireEvent('onclick')>"
            "title %d</a></td></tr>",
            m / 60, m % 60, i, i);
    }
    html += QStringLiteral("</table><span id=news_item style='display:none'></span></body></html>");
    return html;
}

// Get_allMsg on a full list: the list row (the oldest deleted, the new one at index 1), then
// the sort.
void BM_InsertRowAndSort300(benchmark::State& state) {
    auto d = Document::parse(newsPage(300));
    Element* table = d->getElementById(QStringLiteral("firstpage_table"));
    int n = 0;
    for (auto _ : state) {
        // Alternate between the newest time (already in place) and an older one (moves).
        NewsRow::add(*table, n % 2 ? QStringLiteral("12/06 23:59") : QStringLiteral("12/06 12:00"),
                     QStringLiteral("title"), QStringLiteral("http://w/x?id=1"));
        d->sortTable(QStringLiteral("firstpage_table"));
        ++n;
        state.PauseTiming();
        d->takeOps();
        d->collectGarbage();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertRowAndSort300)->Unit(benchmark::kMicrosecond);

// Only the sort of a 300-row table whose order changes each time.
void BM_Sort300Reversing(benchmark::State& state) {
    auto d = Document::parse(newsPage(300));
    Element* first = d->getElementById(QStringLiteral("firstpage_table"))->rows()[1]->cells()[0];
    int n = 0;
    for (auto _ : state) {
        first->setInnerText(n++ % 2 ? QStringLiteral("12/06 00:00") : QStringLiteral("12/06 23:59"));
        first = first->parentElement()->parentElement()->rows()[0]->cells()[0];
        d->sortTable(QStringLiteral("firstpage_table"));
        state.PauseTiming();
        d->takeOps();
        d->collectGarbage();
        first = d->getElementById(QStringLiteral("firstpage_table"))->rows()[n % 2 ? 1 : 299]->cells()[0];
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Sort300Reversing)->Unit(benchmark::kMicrosecond);

// Rewriting 1,000 cells (quote updates by id: colour and text).
void BM_Rewrite1000Cells(benchmark::State& state) {
    QString html = QStringLiteral("<table id=q>");
    for (int i = 0; i < 500; ++i)
        html += QString::asprintf("<tr><td>S%d</td><td id=S%dp>1.0</td><td id=S%dl>1.0</td></tr>", i, i, i);
    html += QStringLiteral("</table>");
    auto d = Document::parse(html);
    std::vector<QString> ids;
    for (int i = 0; i < 500; ++i) {
        ids.push_back(QString::asprintf("s%dP", i));
        ids.push_back(QString::asprintf("s%dL", i));
    }
    int n = 0;
    const QString prices[2] = {QStringLiteral("1.2345"), QStringLiteral("1.2346")};
    for (auto _ : state) {
        for (const QString& id : ids) {
            Element* c = d->getElementById(id);
            c->setStyle(QStringLiteral("color"), n % 2 ? QStringLiteral("#FF0000") : QStringLiteral("#008F00"));
            c->setInnerText(prices[n % 2]);
        }
        ++n;
        state.PauseTiming();
        d->takeOps();
        d->collectGarbage();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_Rewrite1000Cells)->Unit(benchmark::kMicrosecond);

// Serialising a batch of 1,000 mutations to JSON.
void BM_Serialise1000Ops(benchmark::State& state) {
    auto d = Document::parse(QStringLiteral("<table id=q><tr><td id=c>x</td></tr></table>"));
    Element* c = d->getElementById(QStringLiteral("c"));
    for (int i = 0; i < 250; ++i) {
        c->setInnerText(QString::asprintf("1.%04d", i));
        c->setStyle(QStringLiteral("color"), i % 2 ? QStringLiteral("#FF0000") : QStringLiteral("#008F00"));
        c->setClassName(i % 2 ? QStringLiteral("bg8fc") : QStringLiteral("bgccc"));
        c->setInnerHTML(QStringLiteral("<a href='' onClick=news_item.innerText='http://w/x?id=1'>美元 title</a>"));
    }
    const std::vector<Op> ops = d->takeOps();
    size_t bytes = 0;
    for (auto _ : state) {
        QByteArray json = Journal::toJson(ops, 1);
        bytes = static_cast<size_t>(json.size());
        benchmark::DoNotOptimize(json);
    }
    state.counters["ops"] = static_cast<double>(ops.size());
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_Serialise1000Ops)->Unit(benchmark::kMicrosecond);

// Parsing the main page sized like the real one, with a full news list.
void BM_ParseNewsPage300(benchmark::State& state) {
    const QString html = newsPage(300);
    for (auto _ : state) benchmark::DoNotOptimize(Document::parse(html));
}
BENCHMARK(BM_ParseNewsPage300)->Unit(benchmark::kMicrosecond);

} // namespace
