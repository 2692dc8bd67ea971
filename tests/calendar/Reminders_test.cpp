#include "CalendarFixture.h"

namespace {

const QString Rule = "<HR style='BORDER: #987cb9 1px dashed; ' width='100%' SIZE=1>";

// Wednesday's events stored and shown; reminders five minutes ahead.
struct Reminders : CalendarFixture {
    void start(const QString& today, const char* time = "21:20:00") {
        openAt(wednesday(time), "2026/12/07", storedWeek(3, today));
        logIn();
    }
    static QString twoAtHalfPast() {
        return item("21:30", "美国CPI") + item("21:30", "美国零售") + item("22:00", "美国ISM");
    }
};

TEST_F(Reminders, TwoEventsOfOneMinuteComeInOnePopupFiveMinutesAhead) {
    start(twoAtHalfPast());
    advanceTo("21:24:58");
    EXPECT_TRUE(popups().empty());
    advanceTo("21:25:00");
    ASSERT_EQ(popups().size(), 1u);
    EXPECT_GE(popups()[0].at, wednesday("21:24:59"));
    const QString lines = "21:30  美国CPI (前值: 1.0% 市场预测: 1.1% 重要: 高)" + Rule +
                          "21:30  美国零售 (前值: 1.0% 市场预测: 1.1% 重要: 高)";
    EXPECT_TRUE(popups()[0].text.contains(lines)) << popups()[0].text.toStdString();
    EXPECT_EQ(popups()[0].value, 15);
    ASSERT_EQ(balloons().size(), 1u);
    EXPECT_EQ(balloons()[0].title, "财经事件提醒!");
    EXPECT_EQ(balloons()[0].text, "21:30  美国CPI (前值: 1.0% 市场预测: 1.1% 重要: 高)\r\n"
                                  "21:30  美国零售 (前值: 1.0% 市场预测: 1.1% 重要: 高)");
    EXPECT_EQ(notify(3), (QStringList{"2", "2", "1"}));
    for (int i : {1, 2}) EXPECT_TRUE(box(3, i)->checked() && box(3, i)->disabled()) << "reminded: " << i;
    // Each event once; then the next minute's in its turn.
    advanceTo("21:54:59");
    EXPECT_EQ(popups().size(), 1u);
    advanceTo("21:55:00");
    EXPECT_EQ(popups().size(), 2u);
    EXPECT_TRUE(popups()[1].text.contains("22:00  美国ISM"));
}

TEST_F(Reminders, AnEventSwitchedOffIsNotAnnouncedButTurnsPast) {
    start(item("21:30", "美国CPI", "0") + item("22:00", "美国ISM", "0"));
    advanceTo("21:30:01");
    EXPECT_TRUE(popups().empty());
    EXPECT_EQ(cell(0, 3).innerHTML(), "<input type=\"radio\" id=\"w_3_chk1\" disabled=\"\">");
    EXPECT_EQ(items(3)[0].result(), "?");
    EXPECT_TRUE(cell(0, 1).innerHTML().endsWith("<img src=\"ldata.gif\" align=\"absmiddle\">"));
    EXPECT_EQ(state().AwaitedResultTime, "21:30");
    EXPECT_EQ(cell(1, 3).firstElementChild()->getAttribute("type"), "checkbox");
}

TEST_F(Reminders, APastEventIsAwaitedOnlyWithinFiveMinutes) {
    start(item("21:30", "甲", "0") + item("21:32", "乙", "0", "1.5%") + item("23:00", "丙"), "21:36:00");
    advanceTo("21:36:45");
    EXPECT_EQ(items(3)[0].result(), "") << "six minutes past";
    EXPECT_EQ(items(3)[1].result(), "1.5%") << "published already";
    EXPECT_EQ(state().AwaitedResultTime, "");
    EXPECT_EQ(cell(0, 3).firstElementChild()->getAttribute("type"), "radio");
}

// The server drops an event of the morning: the evening's still comes.
TEST_F(Reminders, ADayRebuiltWithFewerEventsStillRemindsOfTheNext) {
    start(item("09:00", "甲") + item("10:00", "乙") + item("21:30", "丙"));
    advanceTo("21:21:00");
    sendDay(3, {record("10:00", "乙"), record("21:30", "丙")});
    advanceTo("21:25:00");
    ASSERT_EQ(balloons().size(), 1u);
    EXPECT_TRUE(balloons()[0].text.startsWith("21:30  丙"));
}

// The names come off the network: the popup shows them as text.
TEST_F(Reminders, WhatTheReminderSays) {
    start(item("21:30", "美国&lt;b&gt;CPI~核心") + item("22:00", "乙"));
    advanceTo("21:25:00");
    ASSERT_EQ(popups().size(), 1u);
    EXPECT_TRUE(popups()[0].text.contains("美国&lt;b&gt;CPI&#126;核心")) << popups()[0].text.toStdString();
    EXPECT_TRUE(balloons()[0].text.contains("美国<b>CPI~核心"));

    // An event with nothing but its time is announced by its time.
    start("<Item Time=\"21:30\" Notify=\"1\" BeforeValue=\"\" PredictValue=\"\" Result=\"\" Importance=\"\" "
          "Comment=\"\">讲话</Item>");
    advanceTo("21:25:00");
    ASSERT_EQ(balloons().size(), 1u);
    EXPECT_EQ(balloons()[0].text, "21:30  ");
}

// A machine asleep across the moment: the reminder comes on waking while its event is
// ahead, once; not when the event is over a minute past, though the row still turns past.
TEST_F(Reminders, AfterASleepTheReminderComesOnceOnlyWhileItsEventIsAhead) {
    for (const bool ahead : {true, false}) {
        start(twoAtHalfPast());
        advanceTo("21:24:31");
        ASSERT_EQ(reminders().ctlTimeNotify.Interval(), 1000) << "counting down";
        sim().loop.setDateTime(wednesday(ahead ? "21:28:30" : "21:31:30"));
        sim().loop.advance(1000);
        ASSERT_EQ(popups().size(), ahead ? 1u : 0u);
        if (ahead) EXPECT_EQ(popups()[0].at, wednesday("21:28:31"));
        sim().loop.advance(120000);
        EXPECT_EQ(popups().size(), ahead ? 1u : 0u);
        EXPECT_EQ(reminders().ctlTimeNotify.Interval(), 0);
        EXPECT_EQ(cell(0, 3).firstElementChild()->getAttribute("type"), "radio");
    }
}

// A modal wait holds the loop: the countdown's ticks merge, the clock does not.
TEST_F(Reminders, ALoopHeldUpAnnouncesWhenItRunsAgain) {
    start(twoAtHalfPast());
    advanceTo("21:24:31");
    sim().loop.holdThread(30000);
    sim().loop.advance(1000);
    ASSERT_EQ(popups().size(), 1u);
    EXPECT_LE(popups()[0].at, wednesday("21:25:02"));
    sim().loop.advance(60000);
    EXPECT_EQ(popups().size(), 1u);
}

TEST_F(Reminders, ALargeNotifyTimeDoesNotWrapAround) {
    start(item("21:30", "甲") + item("22:00", "乙"), "09:00:00");
    ctx().CalendarNotifyTime = 800; // 800 x 60 does not fit 16 bits
    advanceTo("09:00:45");
    ASSERT_EQ(popups().size(), 1u) << "due long ago: at once";
    EXPECT_EQ(balloons()[0].title, "财经事件提醒");
}

} // namespace
