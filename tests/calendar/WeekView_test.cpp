#include "CalendarFixture.h"

namespace {

struct View : CalendarFixture {
    QString control(int row) { return cell(row, 3).innerHTML(); }
    dom::Element& input(int row) { return *cell(row, 3).firstElementChild(); }
};

// Wednesday 21:20: Tuesday is past, Thursday ahead; today's 21:00 has passed, 21:30 not.
TEST_F(View, TheReminderControlFollowsTheDayAndTheTime) {
    QStringList days = storedWeek(3, item("21:00", "已过", "1") + item("21:30", "开", "1") + item("21:40", "关", "0") +
                                         item("21:50", "已提醒", "2"))
                           .split('\n');
    days[3] = item("09:00", "明天开", "1") + item("10:00", "明天关", "0");
    openAt(wednesday(), "2026/12/07", days.join('\n'));
    logIn();
    ASSERT_EQ(rows().size(), 4u);
    EXPECT_EQ(control(0), "<input type=\"radio\" id=\"w_3_chk1\" disabled=\"\">");
    EXPECT_TRUE(input(1).checked());
    EXPECT_FALSE(input(1).disabled());
    EXPECT_EQ(input(1).getAttribute("type"), "checkbox");
    EXPECT_FALSE(input(2).checked());
    EXPECT_TRUE(input(3).checked());
    EXPECT_TRUE(input(3).disabled()) << "already reminded";

    click("week4");
    ASSERT_EQ(rows().size(), 2u);
    EXPECT_EQ(input(0).id(), "w_4_chk1");
    EXPECT_TRUE(input(0).checked());
    EXPECT_FALSE(input(1).checked());
    EXPECT_EQ(el("week4").firstElementChild()->style("background-color"), "#0094ee");
    EXPECT_EQ(el("week3").firstElementChild()->style("background-color"), "");

    click("week2");
    EXPECT_EQ(input(0).getAttribute("type"), "radio");
    EXPECT_TRUE(input(0).disabled());
}

// Friday's events are at a later time of day than Saturday's clock, yet over.
TEST_F(View, OnAWeekendEveryEventIsPastAndNoneIsAnnounced) {
    openAt(at(QDate(2026, 12, 12), "21:20:00"), "2026/12/07", storedWeek(5, item("21:30", "周五晚")));
    logIn(); // Saturday: no tab is today's
    EXPECT_TRUE(rows().empty());
    click("week5");
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_EQ(control(0), "<input type=\"radio\" id=\"w_5_chk1\" disabled=\"\">");
    sim().loop.advance(3600000);
    EXPECT_TRUE(popups().empty());
    EXPECT_EQ(notify(5), QStringList{"1"});
    EXPECT_TRUE(sim().desktop.messageBoxes().empty()) << "no weekend day is looked for";
}

TEST_F(View, ARowShowsTheEventsTextsAsTextAndTheKeyEventsAboveIt) {
    openAt(wednesday());
    logIn();
    sendDay(3,
            {record("21:30", "美国<b>CPI</b>", "1.0%", "高", "<i>1.1%</i>", "1.2%&amp;"),
             record("22:00", "<script>x()</script>", "", "怪", "", "")},
            "21:30#美国#CPI&lt;|讲话 20:00#美联储<img src=x>|末尾");
    for (int day : {1, 2, 4, 5}) sendDay(day, record("08:30", "数据"));
    ASSERT_EQ(rows().size(), 2u);
    EXPECT_EQ(cell(0, 0).innerText(), "21:30");
    EXPECT_EQ(cell(0, 1).innerHTML(),
              "美国&lt;b&gt;CPI&lt;/b&gt; <nobr>前值: 1.0%</nobr> <nobr>市场预测: &lt;i&gt;1.1%&lt;/i&gt;</nobr> "
              "<nobr style=\"color:#ff6666\">结果: 1.2%&amp;amp;</nobr>");
    EXPECT_TRUE(cell(1, 1).getElementsByTagName("script").empty());
    EXPECT_EQ(cell(1, 1).innerText(), "<script>x()</script>");
    EXPECT_EQ(
        cell(0, 2).innerHTML(),
        "<font style=\"color=#ff0000 ; font-size:14px;background-color:#EfEfEf; padding:2px 5px 2px 5px \">高</font>");
    EXPECT_EQ(cell(1, 2).innerHTML(), "<font>怪</font>");

    dom::Element& box = *el("iFXCalevent").rows()[0]->cells()[0];
    const auto pieces = box.getElementsByTagName("li");
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0]->innerHTML(), "21:30&nbsp;美国&nbsp;CPI&amp;lt;");
    EXPECT_EQ(pieces[1]->innerHTML(), "20:00&nbsp;美联储&lt;imgsrc=x&gt;") << "cut to its time, blanks gone";
    EXPECT_TRUE(box.getElementsByTagName("img").empty());
}

TEST_F(View, ACheckBoxClickSwitchesTheReminderInTheDocument) {
    openAt(wednesday(), "2026/12/07",
           storedWeek(3, item("21:30", "甲", "1") + item("21:40", "乙", "0") + item("21:50", "丙", "1")));
    logIn();
    box(3, 1)->click();
    box(3, 2)->click();
    EXPECT_EQ(notify(3), (QStringList{"0", "1", "1"}));
    // Ids that are not reminder boxes, and indexes beyond the day, change nothing.
    for (const char* id : {"w_3_xyz1", "w_3_chk9", "w_3_chk0"}) {
        cell(2, 3).firstElementChild()->setId(QString::fromLatin1(id));
        cell(2, 3).firstElementChild()->click();
    }
    EXPECT_EQ(notify(3), (QStringList{"0", "1", "1"}));
}

TEST_F(View, LoggedOutTheTabsChangeButNoEventIsDrawn) {
    openAt(wednesday(), "2026/12/07", storedWeek(3, item("21:30", "甲")));
    click("iFXCalendar");
    click("week2");
    EXPECT_EQ(el("week2").firstElementChild()->style("color"), "#ffffff");
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(el("FXecodata").style("display"), "none");
    ctx().LoggedIn = 1;
    click("week3");
    EXPECT_EQ(rows().size(), 1u);
    EXPECT_EQ(el("FXecodata").style("display"), "");
}

} // namespace
