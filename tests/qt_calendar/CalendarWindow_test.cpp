// The calendar tab of the real main window (QtWebEngine on the X server): a day's events
// drawn into the real page, and the user's click on a reminder check box reaching
// TBodyClick, so that the choice is in ZEP.xml after the next save. A screenshot of the
// tab goes to artifacts/ for a person to look at.
#include "TestFiles.h"
#include "calendar/CalendarStore.h"
#include "config/cls_Config.h"
#include "core/AppContext.h"
#include "mainwindow/frmFXInfo.h"
#include "session/Form1.h"
#include "session/frmwinsock.h"
#include "platform/Platform.h"
#include "platform/qt/FileRegistryStore.h"
#include "platform/qt/QtBrowser.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtLoop.h"
#include "platform/qt/QtNetwork.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtWindow.h"
#include "platform/sim/SimLog.h"
#include "qt_browser/BrowserTesting.h"
#include <QDir>
#include <QWindow>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using browsertest::runJs;
using browsertest::S;

// The real loop on a Wednesday evening, a few minutes before two releases: the calendar
// offers check boxes only on weekdays, for the events still ahead.
class WednesdayEvening : public plat::QtLoop {
public:
    QDateTime now() const override { return QtLoop::now().addSecs(offset_); }

private:
    const qint64 offset_ = QDateTime::currentDateTime().secsTo(QDateTime(QDate(2026, 12, 9), QTime(21, 27)));
};

class CalendarWindow : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) GTEST_SKIP() << "needs scripts/with-desktop.sh";
        qputenv("XDG_CONFIG_HOME", home_.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", home_.path().toLocal8Bit());
        const QString app = home_.path() + u'/';
        QFile::copy(QStringLiteral(ZEP_SOURCE_DIR "/dist/ZEP.xml"), app + QStringLiteral("ZEP.xml"));
        QFile(app + QStringLiteral("ZEP.xml")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        ctx_.AppPath = app;
        ctx_.PageBase = browsertest::pageBase();
        ctx_.Config = std::make_shared<cls_Config>(platform_);
        ctx_.Config->setXmlFile(app + QStringLiteral("ZEP.xml"));
        ASSERT_TRUE(ctx_.Config->Initialize());
        ctx_.CalendarNotifyTime = 5;
        // As the live update opens the main window; nobody logs in from the dialog.
        frmFXInfo& main = ctx_.load(ctx_.fxInfo);
        ASSERT_TRUE(waitUntil([&] { return !main.Busy(); }, 30000));
        ctx_.unload(ctx_.form1);
        main.frm_initial();
        main.window().show();
        // The window manager places the window before the clicks can find their way.
        QWidget* widget = static_cast<plat::QtWindow&>(main.window()).widget();
        ASSERT_TRUE(waitUntil([&] { return widget->windowHandle() && widget->windowHandle()->isExposed(); }));
        runLoopFor(500);
        ctx_.LoggedIn = 1;
    }
    void TearDown() override {
        if (ctx_.fxInfo) ctx_.unload(ctx_.fxInfo);
        runLoopFor(100);
    }

    frmFXInfo& main() { return *ctx_.fxInfo; }
    QWebEnginePage* page() { return static_cast<plat::QtBrowser*>(main().WebBrowser())->view()->page(); }
    void click(const QString& id) {
        browsertest::clickAt(browsertest::screenCentre(static_cast<plat::QtBrowser*>(main().WebBrowser())->view(), id));
    }
    bool pageHas(const QString& script) {
        return waitUntil([&] { return runJs(page(), script).toBool(); }, 10000);
    }
    void sendWeek(const QString& wednesday) {
        const QString summary = S("21:30#美国#非农就业|22:00#美联储主席讲话|");
        for (int day = 1; day <= 5; ++day) {
            const QString records = day == 3 ? wednesday : record("10:00", "德国ZEW经济景气指数", "中", "待公布");
            ctx_.pushSink->GetInfo_DownCalendar(int16_t('0' + day), summary, records);
            ctx_.pushSink->GetInfo_UpdateCalendar(int16_t('0' + day), summary, records);
        }
    }
    static QString record(const char* time, const char* name, const char* importance, const char* result) {
        return S("%1#%2##1.2%#%3#1.3%#%4").arg(S(time), S(name), S(importance), S(result));
    }
    static QString wednesday() {
        return QStringList{
            record("09:30", "中国CPI年率", "中", "0.4%"), record("17:00", "欧元区CPI年率初值", "高", "2.4%"),
            record("21:30", "美国季调后非农就业人口", "高", "待公布"), record("21:30", "美国失业率", "高", "待公布"),
            record("22:00", "美国ISM制造业PMI", "低", "待公布")}
            .join('|');
    }

    QTemporaryDir home_;
    WednesdayEvening loop_;
    plat::QtNetwork network_;
    plat::QtShell shell_;
    plat::FileRegistryStore registry_{home_.path() + S("/registry.ini")};
    plat::SimLog log_;
    plat::QtDesktop desktop_;
    plat::Platform platform_{loop_, desktop_, network_, shell_, registry_, log_};
    AppContext ctx_{platform_};
};

TEST_F(CalendarWindow, AClickOnAReminderBoxSwitchesItOffAndTheChoiceIsSaved) {
    sendWeek(wednesday());
    click(S("iFXCalendar"));
    ASSERT_TRUE(waitUntil([&] { return main().CurrentTab() == S("iFXCalendar"); }))
        << "the tab's click reached the window";
    ASSERT_TRUE(pageHas(S("!!document.getElementById('w_3_chk5') && document.getElementById('w_3_chk3').checked")));
    EXPECT_EQ(runJs(page(), S("document.getElementById('w_3_chk1').type")).toString(), S("radio"));
    runLoopFor(800); // the view draws the changed page a little later
    QDir().mkpath(S(ZEP_SOURCE_DIR "/artifacts"));
    static_cast<plat::QtWindow&>(main().window())
        .widget()
        ->grab()
        .save(S(ZEP_SOURCE_DIR "/artifacts/calendar-tab.png"));

    click(S("w_3_chk3"));
    CalendarStore store(ctx_);
    ASSERT_TRUE(waitUntil([&] { return store.items(3).at(2).notify() == S("0"); }))
        << "the click did not reach TBodyClick";
    EXPECT_EQ(store.items(3).at(3).notify(), S("1"));
    EXPECT_FALSE(runJs(page(), S("document.getElementById('w_3_chk3').checked")).toBool());
    click(S("w_3_chk3"));
    ASSERT_TRUE(waitUntil([&] { return store.items(3).at(2).notify() == S("1"); }));
    click(S("w_3_chk4"));
    ASSERT_TRUE(waitUntil([&] { return store.items(3).at(3).notify() == S("0"); }));

    ASSERT_TRUE(ctx_.Config->XMLSave());
    const QByteArray xml = readFile(ctx_.AppPath + S("ZEP.xml"));
    EXPECT_TRUE(xml.contains("<Item Time=\"21:30\" Notify=\"1\"")) << xml.toStdString();
    EXPECT_TRUE(xml.contains("<Item Time=\"21:30\" Notify=\"0\"")) << xml.toStdString();
}

} // namespace
