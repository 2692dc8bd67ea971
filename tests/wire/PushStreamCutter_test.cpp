#include "wire/CalendarDayRecord.h"
#include "wire/ControlRecord.h"
#include "wire/MessageId.h"
#include "wire/NewsFlashRecord.h"
#include "wire/PushStreamCutter.h"
#include "wire/QuoteBatchRecord.h"
#include "wire/RecordReader.h"
#include "QtPrinters.h"
#include <QStringList>
#include <gtest/gtest.h>
#include <random>

using namespace push;

namespace {

// Writes each record it is handed as one short event: "n<id>", "d<day>", "q<text>", "1017", "1021".
class Recorder : public PushRecordHandler {
public:
    QStringList events;
    void newsFlash(QByteArrayView r) override { events << QStringLiteral("n%1").arg(RecordReader(r).int32(106)); }
    void calendarDay(QByteArrayView r) override { events << QStringLiteral("d%1").arg(QChar(r[2])); }
    void quoteBatch(QByteArrayView r) override { events << QStringLiteral("q") + QuoteBatchRecord::parse(r)->text; }
    void loggedInElsewhere() override { events << QStringLiteral("1017"); }
    void heartbeatProbe() override { events << QStringLiteral("1021"); }
};

QByteArray news(int id) {
    return NewsFlashRecord{"000", QStringLiteral("美元指数走高"), id, "2026-12-06 10:15", '1'}.build();
}
QByteArray day(char code) {
    return CalendarDayRecord{static_cast<uint8_t>(code), QStringLiteral("08:30#美国#非农#1#高#2#"), "x#"}.build();
}
QByteArray quote(int n) { return QuoteBatchRecord{QStringLiteral("Q%1").arg(n)}.build(); }
QByteArray week() { return day('1') + day('2') + day('3') + day('4') + day('5'); }

struct Cutting : ::testing::Test {
    Recorder rec;
    PushStreamCutter cutter{rec};
    void feed(std::initializer_list<QByteArray> chunks) {
        for (const QByteArray& c : chunks) cutter.examine(c);
    }
};

} // namespace

// A chunk ends at an id the server never sends, in a run of flashes or of days; the next one
// is read afresh. (Runs that go on with other records: the property test below.)
TEST_F(Cutting, AForeignIdEndsTheChunk) {
    feed({news(1) + QByteArray("\xE7\x03", 2) + news(2), news(3)});
    feed({day('1') + day('2').left(10)});
    feed({day('2').mid(10) + QByteArray("\xE7\x03", 2) + QByteArray(300, 'a')});
    feed({day('3')});
    EXPECT_EQ(rec.events, QStringList({"n1", "n3", "d1", "d2", "d3"}));
}

// Whole batches read together: the property test below.
TEST_F(Cutting, QuoteBatchesAreWholeOrDropped) {
    feed({(quote(4) + quote(5)).left(1000), quote(6) + news(9) + quote(7)});
    EXPECT_EQ(rec.events, QStringList({"qQ4", "qQ6", "n9", "qQ7"}));
    rec.events.clear();
    feed({quote(8).mid(1)}); // not a quote chunk: nothing
    EXPECT_TRUE(rec.events.isEmpty());
}

TEST_F(Cutting, FiveDaysEndTheTransfer) {
    feed({week()});
    feed({QByteArray(100, 'z'), day('1').mid(1)}); // no transfer in progress: not assembled
    feed({day('2') + week()});                     // a sixth record starts the next transfer
    EXPECT_EQ(rec.events.join(' '), QStringLiteral("d1 d2 d3 d4 d5 d2 d1 d2 d3 d4 d5"));
}

TEST_F(Cutting, NewsContinuationIsRecordDataWhateverItsFirstBytes) {
    // A news id of id + 65536 puts the bytes of that id at offset 106.
    for (const int id : {NewsFlash, LoggedInElsewhere, CalendarDay, QuoteBatch, Heartbeat}) {
        Recorder r;
        PushStreamCutter c(r);
        const QByteArray n = news(id + 65536);
        for (const QByteArray& chunk : {n.left(106), n.mid(106), news(1)}) c.examine(chunk);
        EXPECT_EQ(r.events, QStringList({QStringLiteral("n%1").arg(id + 65536), "n1"})) << id;
    }
}

// A client that reads late gets the server's separate writes in one read: whatever follows
// a run of quotes or flashes still arrives, in order; nothing follows the end of the
// session. (Runs of days, probes and flashes in any mix: the property test below.)
TEST_F(Cutting, WritesReadTogetherAreNotLostUpToTheEndOfTheSession) {
    feed({quote(1) + news(7) + news(8), quote(2) + quote(3) + ControlRecord::loggedInElsewhere()});
    EXPECT_EQ(rec.events, QStringList({"qQ1", "n7", "n8", "qQ2", "qQ3", "1017"}));
    rec.events.clear();
    feed({news(5) + ControlRecord::loggedInElsewhere() + news(6)});
    feed({ControlRecord::loggedInElsewhere() + news(1) + quote(1)});
    feed({ControlRecord::heartbeatProbe()});
    feed({QByteArray(1, '\xFD')}); // half an id
    EXPECT_EQ(rec.events, QStringList({"n5", "1017", "1017", "1021"}));
}

TEST_F(Cutting, ANewConnectionDropsPartialRecords) {
    feed({day('1').left(4000), news(1).left(150)});
    cutter.connectionRestarted();
    feed({news(2), day('3')});
    EXPECT_EQ(rec.events, QStringList({"n2", "d3"}));
}

namespace {

// Where a split puts the start of a field (or a byte of a 32-bit field) at the start of the
// next chunk.
const int NewsSplits[] = {1, 2, 5, 106, 107, 108, 109, 110, 135, 136};
const int DaySplits[] = {1, 2, 3, 5123, 5124};

// A news id whose bytes at 106 hold a message id at offset 0, 1 or 2: a split there starts
// the next chunk with what looks like a record of that id.
int32_t idLookingLikeARecord(std::mt19937& rng) {
    const int ids[] = {NewsFlash, LoggedInElsewhere, CalendarDay, QuoteBatch, Heartbeat};
    const int32_t id = ids[rng() % 5];
    const int shift = static_cast<int>(rng() % 3);
    if (shift == 0) return id | static_cast<int32_t>(1 + rng() % 200) << 16;
    return id << (8 * shift) | static_cast<int32_t>(rng() % (1u << (8 * shift)));
}

// A valid stream as a server writes it, cut where the rules promise delivery: inside runs
// of news records and of calendar days anywhere (at every field boundary among others)
// once the run's id has come, quote runs between batches, heartbeat probes alone.
struct Stream {
    enum Kind { News, Day, Quote, Probe };
    QList<QByteArray> chunks;
    QStringList expected;
};

Stream randomStream(std::mt19937& rng) {
    Stream s;
    QByteArray run;
    Stream::Kind runKind = Stream::Probe;
    // The end of the next chunk inside the run, from its current start.
    const auto chunkEnd = [&](qsizetype start) -> qsizetype {
        const int pick = static_cast<int>(rng() % 4);
        if (pick == 0 || runKind == Stream::Probe) return run.size();
        if (runKind == Stream::Quote) return start + 512 * (1 + rng() % 4);
        if (pick == 1) return start + 1 + rng() % 9000;
        const bool isNews = runKind == Stream::News;
        const qsizetype length = isNews ? 200 : 8192;
        const qsizetype record = start / length + rng() % (run.size() / length - start / length);
        const int split = isNews ? NewsSplits[rng() % std::size(NewsSplits)] : DaySplits[rng() % std::size(DaySplits)];
        const qsizetype end = record * length + split;
        return end > start ? end : end + length;
    };
    const auto cutRun = [&] {
        for (qsizetype start = 0; start < run.size();) {
            // A run's first chunk holds at least the id that says what the run is.
            const qsizetype end = std::min(std::max<qsizetype>(chunkEnd(start), 2), run.size());
            s.chunks << run.mid(start, end - start);
            start = end;
        }
        run.clear();
    };
    const auto add = [&](Stream::Kind kind, const QByteArray& record, const QString& event) {
        if (kind != runKind || kind == Stream::Probe) cutRun();
        runKind = kind;
        run += record;
        s.expected << event;
    };
    int quoteNo = 0, dayNo = 0;
    for (int i = 0; i < 60; ++i) {
        switch (rng() % 4) {
        case 0: {
            const int32_t id = rng() % 2 ? idLookingLikeARecord(rng) : static_cast<int32_t>(5000 + i);
            add(Stream::News, news(id), QStringLiteral("n%1").arg(id));
            break;
        }
        case 1:
            add(Stream::Quote, quote(quoteNo), QStringLiteral("qQ%1").arg(quoteNo)), ++quoteNo;
            break;
        case 2:
            add(Stream::Probe, ControlRecord::heartbeatProbe(), "1021");
            break;
        default: {
            const char code = static_cast<char>('1' + dayNo++ % 5);
            add(Stream::Day, day(code), QStringLiteral("d") + QChar(code));
        }
        }
    }
    cutRun();
    return s;
}

} // namespace

// Read as written, or by a client that reads late and gets neighbouring writes in one read.
TEST(CuttingProperty, ValidStreamsCutAtPromisedPointsDeliverEveryRecordInOrder) {
    std::mt19937 rng(20261206);
    for (int round = 0; round < 400; ++round) {
        const Stream s = randomStream(rng);
        QList<QByteArray> reads;
        for (const QByteArray& c : s.chunks) {
            if (round % 2 && !reads.isEmpty() && rng() % 3 == 0)
                reads.last() += c;
            else
                reads << c;
        }
        Recorder rec;
        PushStreamCutter cutter(rec);
        for (const QByteArray& c : reads) cutter.examine(c);
        ASSERT_EQ(rec.events.join(' ').toStdString(), s.expected.join(' ').toStdString()) << "round " << round;
    }
}
