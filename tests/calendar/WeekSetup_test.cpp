#include "CalendarFixture.h"
#include <QLocale>

namespace {

struct Week : CalendarFixture {};

// A cache of this week without Friday's events, or on a Sunday the cache of the week just ended.
TEST_F(Week, ACacheThatIsNotThisWholeWeeksIsEmptied) {
    QStringList days = storedWeek(3, item("21:30", "美国CPI")).split('\n');
    days[4].clear();
    openAt(wednesday(), "2026/12/07", days.join('\n'));
    EXPECT_FALSE(state().CalendarLoaded);
    EXPECT_TRUE(items(3).empty());
    EXPECT_EQ(reminders().ctlTimeCalc.Interval(), 0);

    openAt(at(QDate(2026, 12, 13), "10:00:00"), "2026/11/30", storedWeek(1, item("09:00", "旧数据")));
    EXPECT_EQ(stored("FXCalendar", "DateFrom"), "2026/12/07");
    for (int day = 1; day <= 5; ++day) EXPECT_TRUE(items(day).empty()) << day;
    EXPECT_FALSE(state().CalendarLoaded);
    EXPECT_EQ(reminders().ctlTimeCalc.Interval(), 0);
    // Each tab is titled with its day's long date.
    const QLocale locale = QLocale::system();
    for (int day = 1; day <= 5; ++day)
        EXPECT_EQ(el(QString("week%1").arg(day)).title(),
                  locale.toString(QDate(2026, 12, 6 + day), QLocale::LongFormat));
    EXPECT_EQ(el("iAll").style("background-color"), "#0077de") << "the news tab shows";
}

TEST_F(Week, ADocumentWithoutTheCalendarGetsItQuietly) {
    prepare();
    sim().loop.setDateTime(wednesday());
    ctx().load(ctx().fxInfo);
    completeNavigation();
    fx().frm_initial();
    EXPECT_EQ(stored("FXCalendar", "DateFrom"), "2026/12/07");
    sendDay(2, record("10:00", "德国"), "10:00#德国#数据|");
    ASSERT_EQ(items(2).size(), 1u);
    EXPECT_EQ(stored("FXCalendar/Week2", "Event"), "10:00#德国#数据|");
    EXPECT_TRUE(sim().desktop.messageBoxes().empty());
    // An element already there is not added twice.
    fx().frm_initial();
    ASSERT_TRUE(ctx().Config->XMLSave());
    EXPECT_EQ(inst.readConfig().count("<Week2"), 1);
}

// Left running over the weekend, the program shows Monday's calendar as the server sends it.
TEST_F(Week, ANewWeekIsSetUpWhenTheScannerSeesItOrWhenItsFirstDayArrives) {
    openAt(at(QDate(2026, 12, 11), "23:58:00"), "2026/12/07", storedWeek(5, item("22:00", "周五数据")));
    logIn();
    ASSERT_EQ(rows().size(), 1u);
    sim().loop.setDateTime(at(QDate(2026, 12, 14), "00:00:30")); // asleep over the weekend
    sim().loop.advance(45000);
    EXPECT_EQ(stored("FXCalendar", "DateFrom"), "2026/12/14");
    EXPECT_FALSE(state().CalendarLoaded);
    EXPECT_TRUE(rows().empty()) << "last week's events left the table";
    EXPECT_EQ(el("week1").title(), QLocale::system().toString(QDate(2026, 12, 14), QLocale::LongFormat));

    QStringList days;
    for (int day = 1; day <= 5; ++day) days << record("09:30", QString("新一周%1").arg(day));
    sendWeek(days);
    EXPECT_TRUE(state().CalendarLoaded);
    EXPECT_EQ(items(1).front().name(), "新一周1");
    sim().loop.advance(45000);
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_EQ(cell(0, 0).innerText(), "09:30");

    // The week turned before the scanner looked: the first day that arrives sets it up.
    openAt(at(QDate(2026, 12, 11), "23:59:50"), "2026/12/07", storedWeek(5, item("22:00", "周五数据")));
    sim().loop.setDateTime(at(QDate(2026, 12, 14), "00:00:05"));
    sendDay(1, record("09:30", "新一周"));
    EXPECT_EQ(stored("FXCalendar", "DateFrom"), "2026/12/14");
    ASSERT_EQ(items(1).size(), 1u);
    EXPECT_EQ(items(1).front().name(), "新一周");
    EXPECT_TRUE(items(5).empty());
}

} // namespace
