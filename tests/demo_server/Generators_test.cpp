#include "CalendarWeek.h"
#include "NewsDesk.h"
#include "QuoteBoard.h"
#include "base/Cp936.h"
#include "calendar/CalendarRecord.h"
#include "wire/QuoteText.h"
#include <QHash>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QDateTime kWednesday(QDate(2026, 12, 9), QTime(10, 0));

QList<NewsFlash> flashes(quint32 seed, int n) {
    NewsDesk desk(seed, 500);
    const QuoteBoard board(seed);
    QList<NewsFlash> out;
    for (int i = 0; i < n; ++i) out.append(desk.publish(kWednesday.addSecs(i * 10), board.quotes()));
    return out;
}

QStringList texts(const QList<NewsFlash>& list) {
    QStringList t;
    for (const NewsFlash& f : list) t.append(f.text + f.paragraphs.join(QString()) + QString::fromLatin1(f.flags));
    return t;
}

// The records of a calendar day text that the client stores.
QList<CalendarRecord> clientRecords(const QString& text) {
    QList<CalendarRecord> taken;
    for (const CalendarRecord& r : CalendarRecord::split(text))
        if (r.storable()) taken.append(r);
    return taken;
}

} // namespace

TEST(NewsGenerator, FlashesFitTheirRecordReadWellAndAreReproducibleUnderASeed) {
    int withPage = 0;
    int shortItems = 0;
    for (const NewsFlash& f : flashes(3, 400)) {
        SCOPED_TRACE(f.text.toStdString());
        EXPECT_FALSE(f.text.isEmpty());
        EXPECT_LE(cp936::encode(f.text).size(), 101);      // the record's text field
        EXPECT_FALSE(cp936::encode(f.text).contains('?')); // every character has a code
        EXPECT_FALSE((f.text + f.paragraphs.join(QString())).contains(QLatin1Char('{')));
        EXPECT_EQ(f.flags.size(), 3);
        const bool isShort = f.text.startsWith(QStringLiteral("[短讯]"));
        shortItems += isShort;
        if (f.hasPage) {
            ++withPage;
            EXPECT_FALSE(isShort);
            EXPECT_FALSE(f.paragraphs.isEmpty());
        }
    }
    // Both kinds of flash, with and without article, turn up.
    EXPECT_GT(withPage, 50);
    EXPECT_LT(withPage, 350);
    EXPECT_GT(shortItems, 20);
    // The same under the same seed, other under another.
    EXPECT_EQ(texts(flashes(11, 60)), texts(flashes(11, 60)));
    EXPECT_NE(texts(flashes(11, 60)), texts(flashes(12, 60)));
}

TEST(NewsDesk, NumbersUpwardsAndHandsOutTheNewestAfterAnId) {
    NewsDesk desk(5, 500);
    const QuoteBoard board(5);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(desk.publish(kWednesday, board.quotes()).id, 500 + i);
    const QList<NewsFlash> missed = desk.after(515, 10);
    ASSERT_EQ(missed.size(), 4);
    EXPECT_EQ(missed.first().id, 516);
    EXPECT_EQ(missed.last().id, 519);
    const QList<NewsFlash> newest = desk.after(0, 3);
    ASSERT_EQ(newest.size(), 3);
    EXPECT_EQ(newest.first().id, 517);
    EXPECT_EQ(desk.find(510)->id, 510);
    EXPECT_EQ(desk.find(499), nullptr);
}

// After a long walk: every pair with its decimals, the same walk under the same seed, and
// each price still near its opening.
TEST(QuoteGenerator, BatchHasEveryPairWithItsDecimalsAndTheWalkIsReproducibleAndStaysNear) {
    QuoteBoard a(21), b(21), c(22);
    for (int i = 0; i < 5000; ++i) {
        a.step();
        b.step();
        c.step();
    }
    EXPECT_EQ(a.batchText(), b.batchText());
    EXPECT_NE(a.batchText(), c.batchText());
    for (const auto& q : a.quotes()) {
        EXPECT_NEAR(double(q.bid), double(q.opening), q.opening * 0.03) << q.symbol.toStdString();
    }
    const QString text = a.batchText();
    EXPECT_LE(cp936::encode(text).size(), 510);
    const QList<push::QuoteText::Quote> quotes = push::QuoteText::parse(text);
    const QHash<QString, int> decimals = {{"EURUSD", 5}, {"GBPUSD", 5}, {"USDJPY", 3}, {"AUDUSD", 5},
                                          {"USDCAD", 5}, {"USDCHF", 5}, {"NZDUSD", 5}, {"EURJPY", 3},
                                          {"GBPJPY", 3}, {"EURGBP", 5}, {"XAUUSD", 2}, {"XAGUSD", 3}};
    ASSERT_EQ(quotes.size(), decimals.size());
    for (const auto& q : quotes) {
        SCOPED_TRACE(q.symbol.toStdString());
        ASSERT_TRUE(decimals.contains(q.symbol));
        EXPECT_EQ(q.bid.size() - q.bid.indexOf(QLatin1Char('.')) - 1, decimals[q.symbol]);
        EXPECT_GT(q.ask.toDouble(), q.bid.toDouble());
    }
    EXPECT_EQ(QuoteBoard::priceText(5, 3), QStringLiteral("0.005"));
}

TEST(CalendarGenerator, DayTextsParseByTheClientsRulesAndAreReproducibleUnderASeedAndTime) {
    const CalendarWeek week(4, kWednesday), same(4, kWednesday), other(5, kWednesday);
    EXPECT_EQ(week.monday(), QDate(2026, 12, 7));
    EXPECT_EQ(week.recordsText(2), same.recordsText(2));
    EXPECT_EQ(week.summaryText(3), same.summaryText(3));
    EXPECT_NE(week.recordsText(2), other.recordsText(2));
    for (int day = 1; day <= CalendarWeek::kDays; ++day) {
        SCOPED_TRACE(day);
        const QList<CalendarEvent>& events = week.events(day);
        EXPECT_GE(events.size(), 6);
        // Every event survives the client's record filter, in time order, with its fields.
        const QList<CalendarRecord> taken = clientRecords(week.recordsText(day));
        const QStringList written = week.recordsText(day).split(u'|');
        ASSERT_EQ(taken.size(), events.size());
        for (int i = 0; i < taken.size(); ++i) {
            EXPECT_EQ(written.at(i).count(u'#'), 6) << "seven fields";
            EXPECT_EQ(taken[i].time(), events[i].time.toString(QStringLiteral("HH:mm")));
            EXPECT_TRUE(QStringList({"低", "中", "高"}).contains(taken[i].importance()));
            if (i > 0) EXPECT_LE(taken[i - 1].time(), taken[i].time());
        }
        // The summary: "HH:MM#..." pieces each closed by "|".
        static const QRegularExpression summary(QStringLiteral("^(\\d\\d:\\d\\d#[^|]*\\|)+$"));
        EXPECT_TRUE(summary.match(week.summaryText(day)).hasMatch()) << week.summaryText(day).toStdString();
    }
}

// A new user sees reminders, releases and results within minutes of starting the server;
// the other results come as their time comes, and next Monday is a new week.
TEST(CalendarGenerator, TodayHasReleasesMinutesAfterTheStartAndResultsArePublishedAsTheirTimeComes) {
    CalendarWeek week(4, kWednesday.addSecs(25));
    QList<QTime> live;
    for (const CalendarEvent& ev : week.events(3)) {
        if (ev.time <= kWednesday.time() || ev.time > kWednesday.time().addSecs(11 * 60)) continue;
        live.append(ev.time);
        const qint64 after = QDateTime(kWednesday.date(), ev.time).secsTo(ev.releaseAt);
        EXPECT_TRUE(after >= 60 && after <= 120) << after;
    }
    EXPECT_EQ(live, QList<QTime>({QTime(10, 7), QTime(10, 7), QTime(10, 11)}));
    auto awaited = [&week](int day) {
        const QList<CalendarRecord> taken = clientRecords(week.recordsText(day));
        return std::count_if(taken.begin(), taken.end(),
                             [](const CalendarRecord& r) { return r.result() == "待公布"; });
    };
    EXPECT_EQ(awaited(1), 0); // Monday is over
    EXPECT_EQ(awaited(5), week.events(5).size());
    const auto today = awaited(3);
    EXPECT_EQ(week.advance(QDateTime(kWednesday.date(), QTime(10, 7, 59))), QList<int>());
    EXPECT_EQ(week.advance(QDateTime(kWednesday.date(), QTime(10, 9))), QList<int>({3}));
    EXPECT_EQ(awaited(3), today - 2);
    EXPECT_EQ(week.advance(kWednesday.addSecs(20 * 60)), QList<int>({3}));
    EXPECT_EQ(awaited(3), today - 3);
    EXPECT_EQ(week.advance(QDateTime(QDate(2026, 12, 14), QTime(8, 0))), QList<int>({1, 2, 3, 4, 5}));
    EXPECT_EQ(week.monday(), QDate(2026, 12, 14));
}
