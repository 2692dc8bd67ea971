// Decoding speed of the push stream: cutter plus decoders into a sink that keeps nothing,
// on a stream recorded from the builders the demo server uses; and the code page 936 text of
// its records through our decoder beside glibc's iconv alone, its floor.
#include "base/Cp936.h"
#include "wire/CalendarDayRecord.h"
#include "wire/ControlRecord.h"
#include "wire/NewsFlashRecord.h"
#include "wire/PushDecoder.h"
#include "wire/PushStreamCutter.h"
#include "wire/QuoteBatchRecord.h"
#include "wire/QuoteText.h"
#include <benchmark/benchmark.h>
#include <iconv.h>
#include <cstring>
#include <random>
#include <vector>

using namespace push;

namespace {

class NullSink : public PushSink {
public:
    int64_t items = 0;
    void Get_allMsg(const QString&, const QString& time, const QString& title, int32_t, uint8_t) override {
        items += time.size() + title.size() > 0;
    }
    void quot_center(const QString& symbol, const QString&, const QString&) override { items += !symbol.isEmpty(); }
    void GetInfo_DownCalendar(int16_t, const QString&, const QString& records) override { items += !records.isEmpty(); }
    void GetInfo_UpdateCalendar(int16_t, const QString&, const QString&) override {}
};

// What wsckfrm does with the cut records.
class Session : public PushRecordHandler {
public:
    NullSink sink;
    int32_t highest = 0;
    PushDecoder decoder{sink, highest};
    PushStreamCutter cutter{*this};
    int64_t probes = 0;
    void newsFlash(QByteArrayView r) override { decoder.news_analysis(r); }
    void calendarDay(QByteArrayView r) override { decoder.byte_strcv(r); }
    void quoteBatch(QByteArrayView r) override { decoder.quote_batch(r); }
    void loggedInElsewhere() override {}
    void heartbeatProbe() override { ++probes; }
};

const QStringList headlines = {
    QStringLiteral("【美国11月非农就业人口】前值15.0万，预期18.0万，公布值19.9万"),
    QStringLiteral("欧洲央行行长：通胀前景仍存在上行风险，将继续保持政策紧缩"),
    QStringLiteral("现货黄金短线拉升10美元，现报2045.30美元/盎司"),
    QStringLiteral("日本财务大臣：密切关注汇市走势，必要时将采取适当行动"),
    QStringLiteral("[短讯] 美元指数跌破103关口，日内跌0.45%"),
};

QByteArray newsRecord(int id) {
    return NewsFlashRecord{"100", headlines[id % headlines.size()], id,
                           QStringLiteral("2026-12-%1 %2:%3:05")
                               .arg(1 + id % 28, 2, 10, QChar('0'))
                               .arg(id % 24, 2, 10, QChar('0'))
                               .arg(id % 60, 2, 10, QChar('0')),
                           static_cast<uint8_t>(id % 2 ? '1' : '0')}
        .build();
}

QByteArray quoteRecord(std::mt19937& rng) {
    static const char* pairs[] = {"EURUSD", "GBPUSD", "USDJPY", "USDCHF", "AUDUSD", "USDCAD",
                                  "NZDUSD", "EURJPY", "GBPJPY", "EURGBP", "XAUUSD", "XAGUSD"};
    QList<QuoteText::Item> items;
    for (const char* p : pairs) {
        const double bid = 1 + (rng() % 200000) / 1000.0;
        items.append({p, QString::number(bid, 'f', 5), QString::number(bid + 0.00023, 'f', 5), 4});
    }
    return QuoteBatchRecord{QuoteText::compose(items)}.build();
}

QString dayEvents() {
    QStringList events;
    for (int i = 0; i < 40; ++i)
        events << QStringLiteral("%1:30#美国#第%2项经济指标#1.2%#高#1.5%#").arg(8 + i % 12).arg(i);
    return events.join('|');
}

QByteArray calendarTransfer() {
    QByteArray week;
    for (char d = '1'; d <= '5'; ++d)
        week += CalendarDayRecord{static_cast<uint8_t>(d), dayEvents(), QStringLiteral("非农#CPI#")}.build();
    return week;
}

// The chunks as a socket delivers them: one write of the server per chunk.
QList<QByteArray> recordedStream(int newsCount, int quoteCount) {
    std::mt19937 rng(42);
    QList<QByteArray> chunks;
    const QByteArray week = calendarTransfer();
    for (int off = 0; off < week.size(); off += 4096) chunks << week.mid(off, 4096);
    for (int i = 0; i < std::max(newsCount, quoteCount); ++i) {
        if (i < newsCount) chunks << newsRecord(10000 + i);
        if (i < quoteCount) chunks << quoteRecord(rng);
        if (i % 50 == 0) chunks << ControlRecord::heartbeatProbe();
    }
    return chunks;
}

qint64 totalBytes(const QList<QByteArray>& chunks) {
    qint64 n = 0;
    for (const QByteArray& c : chunks) n += c.size();
    return n;
}

void run(benchmark::State& state, const QList<QByteArray>& chunks, int64_t itemsPerPass) {
    Session session;
    for (auto _ : state) {
        for (const QByteArray& c : chunks) session.cutter.examine(c);
        benchmark::DoNotOptimize(session.sink.items);
    }
    state.SetItemsProcessed(state.iterations() * itemsPerPass);
    state.SetBytesProcessed(state.iterations() * totalBytes(chunks));
}

void BM_NewsFlashes(benchmark::State& state) {
    run(state, recordedStream(1000, 0).mid(10), 1000); // news and probes only
}
BENCHMARK(BM_NewsFlashes);

void BM_QuoteBatches(benchmark::State& state) { run(state, recordedStream(0, 1000).mid(10), 1000); }
BENCHMARK(BM_QuoteBatches);

// The mixed stream: items are news flashes plus quote batches.
void BM_RecordedStream(benchmark::State& state) { run(state, recordedStream(1000, 1000), 2000); }
BENCHMARK(BM_RecordedStream);

// Same bytes, only copied: the machine's memory speed beside the decoders.
void BM_Memcpy(benchmark::State& state) {
    const QList<QByteArray> chunks = recordedStream(1000, 1000);
    QByteArray target(64 * 1024, '\0');
    for (auto _ : state) {
        for (const QByteArray& c : chunks) std::memcpy(target.data(), c.constData(), static_cast<size_t>(c.size()));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * totalBytes(chunks));
}
BENCHMARK(BM_Memcpy);

// The stream's Chinese text as the decoders hand it over: a thousand headlines and the
// week's five day records, one field each, in code page 936.
QList<QByteArray> textFields() {
    QList<QByteArray> fields;
    for (int i = 0; i < 1000; ++i) fields << cp936::encode(headlines[i % headlines.size()]);
    for (int d = 0; d < 5; ++d) fields << cp936::encode(dayEvents());
    return fields;
}

void textRun(benchmark::State& state, const QList<QByteArray>& fields) {
    state.SetItemsProcessed(state.iterations() * fields.size());
    state.SetBytesProcessed(state.iterations() * totalBytes(fields));
}

// Our decoder: into a QString, unmappable bytes replaced.
void BM_Cp936Decode(benchmark::State& state) {
    const QList<QByteArray> fields = textFields();
    for (auto _ : state)
        for (const QByteArray& f : fields) benchmark::DoNotOptimize(cp936::decode(f));
    textRun(state, fields);
}
BENCHMARK(BM_Cp936Decode);

// Its floor: the same bytes through one iconv descriptor straight to UTF-16 in a buffer.
void BM_IconvCp936ToUtf16(benchmark::State& state) {
    const QList<QByteArray> fields = textFields();
    iconv_t cd = iconv_open("UTF-16LE", "CP936");
    std::vector<char16_t> out(64 * 1024);
    for (auto _ : state) {
        for (const QByteArray& f : fields) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            char* in = const_cast<char*>(f.constData());
            size_t inLeft = static_cast<size_t>(f.size());
            char* o = reinterpret_cast<char*>(out.data());
            size_t outLeft = out.size() * sizeof(char16_t);
            if (iconv(cd, &in, &inLeft, &o, &outLeft) == static_cast<size_t>(-1)) state.SkipWithError("iconv failed");
            benchmark::DoNotOptimize(out.data());
        }
        benchmark::ClobberMemory();
    }
    iconv_close(cd);
    textRun(state, fields);
}
BENCHMARK(BM_IconvCp936ToUtf16);

} // namespace
