#include "wire/CalendarDayRecord.h"
#include "wire/NewsFlashRecord.h"
#include "wire/NewsTime.h"
#include "wire/PushDecoder.h"
#include "wire/QuoteBatchRecord.h"
#include "wire/QuoteText.h"
#include "QtPrinters.h"
#include <QStringList>
#include <gtest/gtest.h>

using namespace push;

namespace {

class SinkLog : public PushSink {
public:
    QStringList calls;
    void Get_allMsg(const QString&, const QString& time, const QString& title, int32_t id, uint8_t detail) override {
        calls << QStringLiteral("news %1|%2|%3|%4").arg(time, title).arg(id).arg(QChar(detail));
    }
    void quot_center(const QString& symbol, const QString& bid, const QString& ask) override {
        calls << QStringLiteral("quote %1 %2 %3").arg(symbol, bid, ask);
    }
    void GetInfo_DownCalendar(int16_t day, const QString& summary, const QString& records) override {
        calls << QStringLiteral("down %1 %2 %3").arg(day).arg(summary, records);
    }
    void GetInfo_UpdateCalendar(int16_t day, const QString& summary, const QString& records) override {
        calls << QStringLiteral("update %1 %2 %3").arg(day).arg(summary, records);
    }
};

struct Decoding : ::testing::Test {
    SinkLog sink;
    int32_t highest = 0;
    PushDecoder decoder{sink, highest};
    void newsFlash(int32_t id, const QString& time, const QString& text = QStringLiteral("快讯")) {
        decoder.news_analysis(NewsFlashRecord{"000", text, id, time, '1'}.build());
    }
    void quotes(const QString& text) { decoder.quote_batch(QuoteBatchRecord{text}.build()); }
};

std::optional<QString> shown(const char* time) { return NewsTime::display(QString::fromUtf8(time)); }

} // namespace

TEST(NewsTime, UsualDateFormsBecomeMonthDayHoursMinutesOtherTextsNeedAColon) {
    EXPECT_EQ(shown("2026-12-06 10:15:30"), QStringLiteral("12/06 10:15"));
    EXPECT_EQ(shown("2026/12/6 9:05"), QStringLiteral("12/06 09:05"));
    EXPECT_EQ(shown("  2026.1.2 23:59:59 "), QStringLiteral("01/02 23:59"));
    EXPECT_EQ(shown("2026-12-06"), QStringLiteral("12/06 00:00")); // midnight has a ":"
    // Not dates: passed on with "-" made "/", then cut around the first ":".
    EXPECT_EQ(shown("2026-02-30 10:15"), QStringLiteral("02/30 10:15"));
    EXPECT_EQ(shown("26-12-06 10:15"), QStringLiteral("/06 1 10:15"));
    EXPECT_EQ(shown("x:y"), QStringLiteral(""));
    EXPECT_EQ(shown("2026-12-06 25:00"), QStringLiteral("12/06 25:00"));
    EXPECT_FALSE(shown("2026-12-06x"));
    EXPECT_FALSE(shown(":15"));
    EXPECT_FALSE(shown(""));
}

TEST_F(Decoding, NewsFlashShownAndHighestIdOnlyRisesEvenForADroppedOne) {
    newsFlash(120, "2026-12-06 10:15:30", QStringLiteral("美联储\n加息"));
    newsFlash(100, "2026-12-06 10:16:00");
    EXPECT_EQ(highest, 120);
    newsFlash(500, "soon"); // no readable time: not shown
    EXPECT_EQ(highest, 500);
    decoder.news_analysis(QByteArray(150, '\xF6')); // short: nothing at all
    EXPECT_EQ(highest, 500);
    EXPECT_EQ(sink.calls, QStringList({"news 12/06 10:15|美联储加息|120|1", "news 12/06 10:16|快讯|100|1"}));
}

TEST_F(Decoding, CalendarDaysOneToFiveGoToFirstFillThenRefresh) {
    decoder.byte_strcv(CalendarDayRecord{'2', "a#b", "s#"}.build());
    decoder.byte_strcv(CalendarDayRecord{'6', "a#b", "s#"}.build());
    decoder.byte_strcv(CalendarDayRecord{'0', "a#b", "s#"}.build());
    EXPECT_EQ(sink.calls, QStringList({"down 50 s# a#b", "update 50 s# a#b"}));
}

TEST_F(Decoding, QuotePricesCutNotRounded) {
    quotes("EURUSD#1.345678#1.345712#4|USDJPY#151.2#151.25#0|XAUUSD#2650#2651.456#2|GBPUSD#1.2#1.3|");
    EXPECT_EQ(sink.calls,
              QStringList({"quote EURUSD 1.3456 1.3457", "quote USDJPY 151.2 151.25", "quote XAUUSD 2650 2651.45"}));
}

TEST(QuoteText, TailRuleSeparatorsAndExtraFields) {
    using Q = QuoteText::Quote;
    // "|" second to last: the last two characters go.
    EXPECT_EQ(QuoteText::parse("A#1.11#1.12#1|B#2#3#0|x"), QList<Q>({{"A", "1.1", "1.1"}, {"B", "2", "3"}}));
    EXPECT_EQ(QuoteText::parse("A#1#2#0#extra#more||"), QList<Q>({{"A", "1", "2"}}));
    EXPECT_EQ(QuoteText::parse("A#1.5#2.5#x"), QList<Q>({{"A", "1.5", "2.5"}})); // digits 0
    EXPECT_EQ(QuoteText::parse("A#.123#9.#2"), QList<Q>({{"A", ".12", "9."}}));
    EXPECT_TRUE(QuoteText::parse("|||").isEmpty());
    EXPECT_TRUE(QuoteText::parse("").isEmpty());
    const QString composed = QuoteText::compose({{"EURUSD", "1.1", "1.2", 4}, {"XAUUSD", "2650.1", "2650.9", 1}});
    EXPECT_EQ(composed, QStringLiteral("EURUSD#1.1#1.2#4|XAUUSD#2650.1#2650.9#1"));
    EXPECT_EQ(QuoteText::parse(composed).size(), 2);
}
