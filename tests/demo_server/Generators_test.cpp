#include "CalendarWeek.h"
#include "Loopback.h"
#include "NewsDesk.h"
#include "QuoteBoard.h"
#include "base/Cp936.h"
#include "wire/CalendarDayRecord.h"
#include "wire/QuoteText.h"
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

} // namespace

TEST(NewsGenerator, FlashesFitTheirRecordAndReadWell) {
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
}

TEST(NewsDesk, NumbersUpwardsAndHandsOutTheNewestAfterAnId) {
    const QList<NewsFlash> all = flashes(5, 20);
    for (int i = 0; i < all.size(); ++i) EXPECT_EQ(all[i].id, 500 + i);

    NewsDesk desk(5, 500);
    const QuoteBoard board(5);
    for (int i = 0; i < 20; ++i) desk.publish(kWednesday, board.quotes());
    const QList<NewsFlash> missed = desk.after(515, 10);
    ASSERT_EQ(missed.size(), 4);
    EXPECT_EQ(missed.first().id, 516);
    EXPECT_EQ(missed.last().id, 519);
    const QList<NewsFlash> newest = desk.after(0, 3);
    ASSERT_EQ(newest.size(), 3);
    EXPECT_EQ(newest.first().id, 517);
    EXPECT_EQ(desk.find(510)->text, all[10].text);
    EXPECT_EQ(desk.find(499), nullptr);
}

TEST(QuoteGenerator, BatchHasEveryPairWithItsDecimals) {
    QuoteBoard board(9);
    board.step();
    const QString text = board.batchText();
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
    EXPECT_EQ(QuoteBoard::priceText(233845, 2), QStringLiteral("2338.45"));
}

TEST(QuoteGenerator, WalkIsReproducibleAndStaysNearItsOpening) {
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
}

TEST(CalendarGenerator, DayTextsParseByTheClientsRules) {
    const CalendarWeek week(4, kWednesday);
    EXPECT_EQ(week.monday(), QDate(2026, 12, 7));
    for (int day = 1; day <= CalendarWeek::kDays; ++day) {
        SCOPED_TRACE(day);
        const QList<CalendarEvent>& events = week.events(day);
        EXPECT_GE(events.size(), 6);
        // Every event survives the client's record filter, in time order, with its fields.
        const QList<CalendarRecord> taken = demotest::clientCalendarRecords(week.recordsText(day));
        const QStringList written = week.recordsText(day).split(u'|');
        ASSERT_EQ(taken.size(), events.size());
        for (int i = 0; i < taken.size(); ++i) {
            EXPECT_EQ(written.at(i).count(u'#'), 6) << "seven fields";
            EXPECT_EQ(taken[i].time(), events[i].time.toString(QStringLiteral("HH:mm")));
            EXPECT_TRUE(QStringList({"低", "中", "高"}).contains(taken[i].importance()));
            if (i > 0) EXPECT_LE(taken[i - 1].time(), taken[i].time());
        }
        // The summary: "HH:MM#..." pieces each closed by "|".
        const QString summary = week.summaryText(day);
        EXPECT_TRUE(summary.endsWith(QLatin1Char('|')));
        for (const QString& piece : summary.chopped(1).split(QLatin1Char('|'))) {
            EXPECT_EQ(piece.indexOf(QLatin1Char(':')), 2) << piece.toStdString();
            EXPECT_EQ(piece.indexOf(QLatin1Char('#')), 5) << piece.toStdString();
        }
        // Through the record and back, as the client reads it.
        const auto record = push::CalendarDayRecord::parse(
            push::CalendarDayRecord{uint8_t('0' + day), week.recordsText(day), summary}.build());
        ASSERT_TRUE(record);
        EXPECT_EQ(record->records, week.recordsText(day));
        EXPECT_EQ(record->summary, summary);
    }
}

TEST(CalendarGenerator, ResultsArePublishedAsTheirTimeComes) {
    CalendarWeek week(4, kWednesday);
    auto results = [&week](int day) {
        QStringList r;
        for (const CalendarRecord& f : demotest::clientCalendarRecords(week.recordsText(day))) r.append(f.result());
        return r;
    };
    EXPECT_FALSE(results(1).contains(QStringLiteral("待公布"))); // Monday is over
    EXPECT_EQ(results(5).count(QStringLiteral("待公布")), results(5).size());
    // Today's releases in the next quarter of an hour are awaited, then published.
    const int awaited = int(results(3).count(QStringLiteral("待公布")));
    EXPECT_GE(awaited, 3);
    EXPECT_EQ(week.advance(kWednesday.addSecs(60)), QList<int>());
    EXPECT_EQ(week.advance(kWednesday.addSecs(20 * 60)), QList<int>({3}));
    EXPECT_EQ(results(3).count(QStringLiteral("待公布")), awaited - 3);
    // Next Monday is a new week.
    EXPECT_EQ(week.advance(QDateTime(QDate(2026, 12, 14), QTime(8, 0))), QList<int>({1, 2, 3, 4, 5}));
    EXPECT_EQ(week.monday(), QDate(2026, 12, 14));
}

// A new user sees reminders, releases and results within minutes of starting the server.
TEST(CalendarGenerator, TodayHasReleasesMinutesAfterTheStartTwoAtOneMinute) {
    CalendarWeek week(4, kWednesday.addSecs(25));
    QList<CalendarEvent> live;
    for (const CalendarEvent& ev : week.events(3))
        if (ev.time > kWednesday.time() && ev.time <= kWednesday.time().addSecs(11 * 60)) live.append(ev);
    ASSERT_EQ(live.size(), 3);
    EXPECT_EQ(live[0].time, QTime(10, 7));
    EXPECT_EQ(live[1].time, QTime(10, 7));
    EXPECT_EQ(live[2].time, QTime(10, 11));
    for (const CalendarEvent& ev : live) {
        const qint64 after = QDateTime(kWednesday.date(), ev.time).secsTo(ev.releaseAt);
        EXPECT_GE(after, 60);
        EXPECT_LE(after, 120);
    }
    EXPECT_EQ(week.advance(QDateTime(kWednesday.date(), QTime(10, 7, 59))), QList<int>());
    EXPECT_EQ(week.advance(QDateTime(kWednesday.date(), QTime(10, 9))), QList<int>({3}));
}

TEST(Generators, NewsAndCalendarAreReproducibleUnderASeedAndTime) {
    EXPECT_EQ(texts(flashes(11, 60)), texts(flashes(11, 60)));
    EXPECT_NE(texts(flashes(11, 60)), texts(flashes(12, 60)));
    const CalendarWeek a(4, kWednesday), b(4, kWednesday), c(5, kWednesday);
    EXPECT_EQ(a.recordsText(2), b.recordsText(2));
    EXPECT_EQ(a.summaryText(3), b.summaryText(3));
    EXPECT_NE(a.recordsText(2), c.recordsText(2));
}
