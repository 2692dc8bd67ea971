#pragma once
#include "RecordingController.h"
#include "calendar/EconomicCalendar.h"
#include "mainwindow/MainWindowFixture.h"
#include <QStringList>

// The main window of a simulated process on a chosen day and time, with the calendar
// sub-tree in its configuration, reminders five minutes ahead and a controller that
// records the popups and balloons it is asked for.
class CalendarFixture : public MainWindowFixture {
protected:
    // Wednesday 9 December 2026; its week begins on Monday the 7th.
    static QDateTime wednesday(const char* time = "21:20:00") { return at(QDate(2026, 12, 9), time); }
    static QDateTime at(const QDate& date, const char* time) {
        return QDateTime(date, QTime::fromString(QString::fromLatin1(time), QStringLiteral("HH:mm:ss")));
    }

    // A record in the server's syntax.
    static QString record(const QString& time, const QString& name, const QString& previous = "1.0%",
                          const QString& importance = "高", const QString& forecast = "1.1%",
                          const QString& result = "待公布") {
        return QStringList{time, name, "", previous, importance, forecast, result}.join('#');
    }

    // The process at that moment, its configuration holding that calendar; the main page
    // loaded and the week set up as the live update does when it opens the window.
    // A test may open more than one in turn: each has its own recorder, on its own loop.
    void openAt(const QDateTime& now, const QString& dateFrom = {}, const QString& items = {}) {
        prepare();
        recorder_.reset();
        QString xml = inst.readConfig();
        xml.replace("</App>", calendarXml(dateFrom, items) + "</App>");
        inst.writeConfig(xml);
        ASSERT_TRUE(ctx().Config->Initialize());
        sim().loop.setDateTime(now);
        ctx().controller = &recorder();
        ctx().CalendarNotifyTime = 5;
        ctx().CalendarStaySeconds = 15;
        ctx().load(ctx().fxInfo);
        completeNavigation();
        fx().frm_initial();
        sim().loop.setDateTime(now); // the window's load held the thread for a moment
    }
    // <Item> elements of day n for the configuration: {day, "<Item .../>..."}.
    static QString calendarXml(const QString& dateFrom, const QString& items) {
        QString xml = QStringLiteral("  <FXCalendar DateFrom=\"%1\">\n").arg(dateFrom);
        for (int day = 1; day <= 5; ++day) {
            const QString own = items.section(u'\n', day - 1, day - 1);
            xml += QStringLiteral("    <Week%1 Event=\"\">%2</Week%1>\n").arg(day).arg(own);
        }
        return xml + QStringLiteral("  </FXCalendar>\n");
    }
    static QString item(const QString& time, const QString& name, const QString& notify = "1",
                        const QString& result = {}, const QString& importance = "高") {
        return QStringLiteral("<Item Time=\"%1\" Notify=\"%2\" BeforeValue=\"1.0%\" PredictValue=\"1.1%\" "
                              "Result=\"%3\" Importance=\"%4\" Comment=\"\">%5</Item>")
            .arg(time, notify, result, importance, name);
    }
    // A stored week whose five days each hold one morning event, today's `today` instead.
    static QString storedWeek(int todayDay, const QString& today) {
        QStringList days;
        for (int day = 1; day <= 5; ++day) days << (day == todayDay ? today : item("08:30", "早间数据"));
        return days.join('\n');
    }

    void logIn() {
        ctx().LoggedIn = 1;
        ctx().loginSink->ClickToday(sim().loop.now().date().dayOfWeek());
    }
    // A message of the push session for a weekday.
    void sendDay(int day, const QString& records, const QString& summary = {}) {
        ctx().pushSink->GetInfo_DownCalendar(int16_t('0' + day), summary, records);
        ctx().pushSink->GetInfo_UpdateCalendar(int16_t('0' + day), summary, records);
    }
    void sendDay(int day, const QStringList& records, const QString& summary = {}) {
        sendDay(day, records.join(u'|'), summary);
    }
    void sendWeek(const QStringList& days) {
        for (int day = 1; day <= 5; ++day) sendDay(day, days.value(day - 1));
    }
    void advanceTo(const char* time) {
        sim().loop.advance(sim().loop.now().msecsTo(at(sim().loop.now().date(), time)));
    }

    const CalendarState& state() { return fx().calendar().state(); }
    ReminderEngine& reminders() { return fx().calendar().reminders(); }
    std::vector<CalendarItem> items(int day) { return CalendarStore(ctx()).items(day); }
    QStringList notify(int day) {
        QStringList out;
        for (const CalendarItem& i : items(day)) out << i.notify();
        return out;
    }
    // The table's rows below the hidden header.
    std::vector<dom::Element*> rows() {
        auto all = el("iCalendar_Table").rows();
        return {all.begin() + 1, all.end()};
    }
    dom::Element& cell(int row, int column) { return *rows().at(row)->cells().at(column); }
    dom::Element* box(int day, int index) { return doc().getElementById(CalendarPage::reminderId(day, index)); }

    RecordingController& recorder() {
        if (!recorder_) recorder_ = std::make_unique<RecordingController>(sim().loop);
        return *recorder_;
    }
    const std::vector<RecordingController::Request>& popups() { return recorder().popups; }
    const std::vector<RecordingController::Request>& balloons() { return recorder().balloons; }
    // The balloons that announce results.
    std::vector<RecordingController::Request> resultBalloons() {
        std::vector<RecordingController::Request> out;
        for (const auto& b : balloons())
            if (b.title.startsWith("财经数据")) out.push_back(b);
        return out;
    }

    void TearDown() override {
        if (proc) ctx().controller = nullptr;
    }

private:
    std::unique_ptr<RecordingController> recorder_;
};
