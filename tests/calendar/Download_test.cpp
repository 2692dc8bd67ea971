#include "CalendarFixture.h"

namespace {

struct Download : CalendarFixture {
    // The week loaded from the server on Wednesday evening, Wednesday's tab shown.
    void loadWeek(const QStringList& wednesdayRecords) {
        openAt(wednesday());
        logIn();
        QStringList days;
        for (int day = 1; day <= 5; ++day) days << record("08:30", QString("数据%1").arg(day));
        days[2] = wednesdayRecords.join(u'|');
        sendWeek(days);
        ASSERT_TRUE(state().CalendarLoaded);
    }
    QStringList names(int day) {
        QStringList out;
        for (const CalendarItem& i : items(day)) out << i.name();
        return out;
    }
};

TEST_F(Download, OnlyRecordsWithAReleaseTimeAndAllFieldsAreStoredWithoutTheProvidersCredit) {
    openAt(wednesday());
    sendDay(1,
            {record("00:30", "半夜"), record("-", "无时间"), record("--:--", "横线"), "09:00#美国#短记录#1#高#2",
             record("09:30", "澳大利亚", " 3.9% ", " 高 "), ""},
            "21:30#美联储#讲话|");
    const auto day = items(1);
    ASSERT_EQ(day.size(), 1u);
    EXPECT_EQ(day[0].name(), "澳大利亚");
    EXPECT_EQ(day[0].previous(), "3.9%") << "fields are trimmed";
    EXPECT_EQ(day[0].importance(), "高");
    EXPECT_EQ(day[0].notify(), "1");
    EXPECT_EQ(day[0].comment(), "");
    EXPECT_EQ(stored("FXCalendar/Week1", "Event"), "21:30#美联储#讲话|");
    // A summary without "#" is not stored by the first fill.
    sendDay(2, record("10:00", "德国"), "无事件");
    EXPECT_EQ(stored("FXCalendar/Week2", "Event"), "");

    // The provider's credit and placeholders are removed.
    sendDay(4, {record("10:00", "德国", "1.2%讯源网", "中", "---", "fxsrc出品2.0%"),
                record("11:00", "英国", "---", "低", "1.5%出品", "待公布")});
    const auto credited = items(4);
    ASSERT_EQ(credited.size(), 2u);
    EXPECT_EQ(credited[0].previous(), "1.2%");
    EXPECT_EQ(credited[0].forecast(), "");
    EXPECT_EQ(credited[0].result(), "2.0%");
    EXPECT_EQ(credited[1].previous(), "---") << "only the forecast and result lose the placeholder";
    EXPECT_EQ(credited[1].forecast(), "1.5%");
    EXPECT_EQ(credited[1].result(), "");
}

TEST_F(Download, MondayToThursdayLeaveTheWeekUnloadedAndTheRemindersStopped) {
    openAt(wednesday());
    logIn();
    for (int day = 1; day <= 4; ++day) sendDay(day, record("21:22", QString("数据%1").arg(day)));
    EXPECT_FALSE(state().CalendarLoaded);
    EXPECT_EQ(reminders().ctlTimeCalc.Interval(), 0);
    sim().loop.advance(10 * 60000);
    EXPECT_TRUE(popups().empty());
    // A transfer sent again before the week was whole stores each day once.
    sendDay(1, record("21:22", "数据1"));
    EXPECT_EQ(items(1).size(), 1u);
    sendDay(5, record("09:00", "数据5"));
    EXPECT_TRUE(state().CalendarLoaded);
    EXPECT_EQ(reminders().ctlTimeCalc.Interval(), 45000);
}

TEST_F(Download, AnotherNumberOfEventsRebuildsTheDayKeepingTheChoicesByName) {
    loadWeek({record("21:30", "甲"), record("21:40", "乙"), record("21:50", "丙")});
    auto day = items(3);
    day[0].setNotify("0");
    day[1].setNotify("2");
    sendDay(3, {record("21:00", "新"), record("21:30", "甲"), record("21:40", "乙"),
                record("21:50", "丙", "1.0%", "高", "1.1%", "1.3%")});
    EXPECT_EQ(names(3), (QStringList{"新", "甲", "乙", "丙"}));
    EXPECT_EQ(notify(3), (QStringList{"1", "1", "2", "1"})) << "switched off comes back on";
    EXPECT_EQ(items(3)[3].result(), "1.3%");
    ASSERT_EQ(rows().size(), 4u) << "the day shown is drawn again";
    EXPECT_EQ(cell(0, 0).innerText(), "21:00");
    // A record cut short counts for the refresh but is not stored: the day is rebuilt again.
    sendDay(3,
            {record("21:00", "新"), record("21:30", "甲"), record("21:40", "乙"), record("21:50", "丙"), "22:00#短"});
    EXPECT_EQ(names(3), (QStringList{"新", "甲", "乙", "丙"}));
}

TEST_F(Download, ASameDayRefreshWritesChangedFieldsAndRedrawsOnlyThen) {
    loadWeek({record("21:30", "甲"), record("21:40", "乙")});
    const int firstRow = rows()[0]->nodeId();
    sendDay(3, {record("21:30", "甲"), record("21:40", "乙")}, "21:30#甲|");
    EXPECT_EQ(rows()[0]->nodeId(), firstRow) << "nothing changed, nothing drawn";
    EXPECT_EQ(stored("FXCalendar/Week3", "Event"), "21:30#甲|");

    sendDay(3, {record("21:35", "甲", "0.9%", "低", "---"), record("21:40", "乙")});
    const auto day = items(3);
    EXPECT_EQ(day[0].time(), "21:35");
    EXPECT_EQ(day[0].previous(), "0.9%");
    EXPECT_EQ(day[0].forecast(), "");
    EXPECT_EQ(day[0].importance(), "高") << "the importance stays";
    EXPECT_NE(rows()[0]->nodeId(), firstRow);
    EXPECT_EQ(cell(0, 0).innerText(), "21:35");
    EXPECT_TRUE(resultBalloons().empty()) << "no result awaited";
}

// The scanner marks today's 21:30 events as awaited; their results come a minute later.
TEST_F(Download, AResultForTheAwaitedTimeIsAnnouncedInABalloon) {
    loadWeek({record("21:30", "美国CPI"), record("21:30", "美国零售", "", "中", ""), record("21:40", "加拿大")});
    advanceTo("21:31:00");
    ASSERT_EQ(state().AwaitedResultTime, "21:30");
    EXPECT_EQ(items(3)[0].result(), "?");
    sendDay(3, {record("21:30", "美国CPI", "1.0%", "高", "1.1%", "1.2%"),
                record("21:30", "美国零售", "", "中", "", "0.4%"), record("21:40", "加拿大")});
    ASSERT_EQ(resultBalloons().size(), 1u);
    EXPECT_EQ(resultBalloons()[0].title, "财经数据 21:30");
    EXPECT_EQ(resultBalloons()[0].text, "美国CPI (前值: 1.0% 市场预测: 1.1% 结果: 1.2%)\r\n美国零售 (结果: 0.4%)");
    EXPECT_EQ(resultBalloons()[0].value, 1);
    EXPECT_TRUE(cell(0, 1).innerHTML().contains("结果: 1.2%"));

    // A result of another time, or of another day, only updates the table.
    sendDay(3,
            {record("21:30", "美国CPI", "1.0%", "高", "1.1%", "1.2%"),
             record("21:30", "美国零售", "", "中", "", "0.4%"), record("21:40", "加拿大", "1.0%", "高", "1.1%", "5%")});
    sendDay(2, record("08:30", "数据2", "1.0%", "高", "1.1%", "7%"));
    EXPECT_EQ(resultBalloons().size(), 1u);
    EXPECT_EQ(items(3)[2].result(), "5%");
    EXPECT_EQ(items(2)[0].result(), "7%");
}

TEST_F(Download, AwaitedResultsAreGivenUpFiveMinutesAfterTheirTime) {
    loadWeek({record("21:30", "甲"), record("22:00", "乙")});
    advanceTo("21:32:00");
    ASSERT_EQ(items(3)[0].result(), "?");
    ASSERT_TRUE(cell(0, 1).innerHTML().contains("ldata.gif"));
    const QStringList same = {record("21:30", "甲"), record("22:00", "乙")};
    advanceTo("21:35:30");
    sendDay(3, same);
    EXPECT_EQ(items(3)[0].result(), "?") << "five minutes: still awaited";
    advanceTo("21:36:00");
    sendDay(3, same);
    EXPECT_EQ(items(3)[0].result(), "");
    EXPECT_FALSE(cell(0, 1).innerHTML().contains("ldata.gif"));
    EXPECT_TRUE(resultBalloons().empty());
}

} // namespace
