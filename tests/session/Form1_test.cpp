#include "SessionFixture.h"
#include "platform/sim/SimCheckBox.h"
#include "platform/sim/SimImageBox.h"
#include "platform/sim/SimLabel.h"
#include "platform/sim/SimNetworkConnection.h"
#include "platform/sim/SimNetworkUdpPeer.h"
#include "platform/sim/SimTerminal.h"
#include "platform/sim/SimTextBox.h"
#include "platform/sim/SimWindow.h"
#include "calendar/RecordingController.h"
#include "session/Form1.h"
#include "session/HeadlessLogin.h"
#include "wire/LoginReplyRecord.h"
#include "wire/LoginRequestRecord.h"
#include "session/LoginSink.h"
#include "wire/PushLogonRecord.h"
#include "wire/RememberFile.h"
#include "session/wsckfrm.h"

namespace {

struct RecordingLoginSink : push::LoginSink {
    QStringList calls;
    void load_status1() override { calls << "load_status1"; }
    void ClickToday(int weekday) override { calls << QString("ClickToday %1").arg(weekday); }
    void ClickAll() override { calls << "ClickAll"; }
    void pop_registry() override { calls << "pop_registry"; }
};

QByteArray reply(char result, const QString& nickname = QString(), uint8_t flag = 0) {
    return push::LoginReplyRecord{.result = uint8_t(result), .nickname = nickname, .accountFlag = flag}.build();
}

QByteArray request(const QString& account, const QString& password, int32_t clientId) {
    return push::LoginRequestRecord{account, password, clientId}.build();
}

class Form1Test : public SessionFixture {
protected:
    Form1Test() {
        ctx.loginSink = &sinkCalls;
        sim.network.listen(Server, 8000);
    }

    plat::SimNetworkUdpPeer& loginServer() { return sim.network.udpPeer(Server, 12346); }
    // The server answers every request with this reply.
    void answerWith(const QByteArray& bytes) {
        loginServer().onDatagram = [this, bytes](const QByteArray&) { loginServer().reply(bytes); };
    }
    Form1& form() { return *ctx.form1; }
    plat::SimLabel& label(plat::Label* l) { return static_cast<plat::SimLabel&>(*l); }
    void type(const QString& account, const QString& password) {
        form().Text1->setText(account);
        form().Text2->setText(password);
    }
    void clickLogin() { static_cast<plat::SimImageBox*>(form().Image2)->userClick(); }
    void logIn(const QString& account, const QString& password) {
        type(account, password);
        clickLogin();
        sim.loop.runPosted();
    }
    void remembered(const QString& account, const QString& password) {
        ASSERT_TRUE(writeFile(ctx.AppPath + "registry",
                              push::RememberFile::build({1, account, password, QStringLiteral("老王")})));
    }
    void loadShown() { ctx.load(ctx.form1).Show(); }

    RecordingLoginSink sinkCalls;
};

TEST_F(Form1Test, LoginButtonAsksForMissingFieldsThenSendsTheRequestWithTheClientId) {
    sim.shell.setWindowsDir(dir.path());
    ASSERT_TRUE(writeFile(dir.path() + "/ZEP_ID.txt", " 4711 \r\n"));
    loadShown();
    EXPECT_TRUE(static_cast<plat::SimWindow&>(form().window()).isTopmost());
    clickLogin();
    EXPECT_EQ(label(form().Label5).text(), QStringLiteral("请输入您注册时的邮箱或者手机号码"));
    form().Text1->setText("trader@example.com");
    clickLogin();
    EXPECT_EQ(label(form().Label6).text(), QStringLiteral("请输入密码"));
    EXPECT_TRUE(loginServer().datagrams().empty());

    form().Text2->setText("pa55");
    form().window().onKeyDown(13); // Enter does what the button does
    ASSERT_EQ(loginServer().datagrams().size(), 1u);
    EXPECT_EQ(loginServer().datagrams()[0].bytes, request("trader@example.com", "pa55", 4711));
    EXPECT_EQ(loginServer().datagrams()[0].fromPort, 5007);
    EXPECT_EQ(label(form().Label7).text(), QStringLiteral("正在为您登陆，请稍等..."));
}

TEST_F(Form1Test, FailureRepliesShowTheirTextsAndTheDialog) {
    const std::tuple<char, plat::Label * Form1::*, QString> cases[] = {
        {'2', &Form1::Label6, QStringLiteral("密码不正确")},
        {'3', &Form1::Label7, QStringLiteral("账户未激活，请登陆该邮箱，点击收到的ＺＥＰ注册链接激活")},
        {'4', &Form1::Label5, QStringLiteral("若已成功注册，请检查邮箱输入是否正确")},
    };
    for (const auto& [code, which, text] : cases) {
        remembered("trader@example.com", "pa55"); // logs in hidden, by itself
        answerWith(reply(code, "nick"));
        ctx.LoggedIn = 1;
        ctx.load(ctx.form1);
        ASSERT_FALSE(form().Visible());
        sim.loop.runPosted();
        EXPECT_TRUE(form().Visible()) << code;
        EXPECT_EQ(label(form().*which).text(), text) << code;
        EXPECT_EQ(ctx.LoggedIn, 0);
        EXPECT_EQ(ctx.CurrentNickname, "nick");
        // The answer stopped the time-out.
        sim.loop.advance(10000);
        EXPECT_NE(label(form().Label7).text(), QStringLiteral("登陆超时,请重新登陆"));
        ctx.unload(ctx.form1);
    }
}

TEST_F(Form1Test, OddRepliesOnlyStopTheTimeOut) {
    loadShown();
    type("trader@example.com", "pa55");
    QByteArray otherId = reply('1', "other");
    otherId[0] = char(0xE9); // 1001, not a login reply
    for (const QByteArray& odd : {QByteArray("\xF7\x03"), otherId, reply('9', "nine")}) {
        answerWith(odd);
        clickLogin();
        sim.loop.advance(10000);
        EXPECT_EQ(label(form().Label7).text(), QStringLiteral("正在为您登陆，请稍等..."));
        EXPECT_EQ(ctx.LoggedIn, 0);
        ASSERT_TRUE(ctx.form1);
    }
    // The nickname comes from every datagram of three bytes or more.
    EXPECT_EQ(ctx.CurrentNickname, "nine");
    // No answer at all: a shown dialog says so and leaves automatic login on.
    loginServer().onDatagram = nullptr;
    clickLogin();
    sim.loop.advance(10000);
    EXPECT_EQ(label(form().Label7).text(), QStringLiteral("登陆超时,请重新登陆"));
    EXPECT_FALSE(ctx.ManualLogin);
}

TEST_F(Form1Test, TimeOutWhileHiddenShowsTheDialogAndSwitchesToManualLogin) {
    remembered("trader@example.com", "pa55");
    ctx.load(ctx.form1);
    ASSERT_EQ(loginServer().datagrams().size(), 1u);
    sim.loop.advance(9999);
    EXPECT_FALSE(form().Visible());
    sim.loop.advance(1);
    EXPECT_TRUE(form().Visible());
    EXPECT_EQ(label(form().Label7).text(), QStringLiteral("登陆超时,请重新登陆"));
    EXPECT_TRUE(ctx.ManualLogin);
    EXPECT_TRUE(ctx.LoginDialogOpen);
    EXPECT_FALSE(form().Timer1.running());

    // While manual, loading the dialog again fills the fields but sends nothing.
    ctx.unload(ctx.form1);
    EXPECT_FALSE(ctx.LoginDialogOpen);
    ctx.load(ctx.form1);
    EXPECT_EQ(form().Text1->text(), "trader@example.com");
    EXPECT_EQ(form().Text2->text(), "pa55");
    EXPECT_EQ(form().Check1->value(), 1);
    EXPECT_EQ(loginServer().datagrams().size(), 1u);
}

TEST_F(Form1Test, SuccessPublishesTheSessionAndHandsOverToThePushSession) {
    useConfig("<FXCalendar><Week1><Item Time=\"09:30\">CPI</Item></Week1></FXCalendar>");
    answerWith(reply('1', "老王", 3));
    loadShown();
    logIn("trader@example.com", "pa55");
    // The loop starts on a Monday, which has events.
    EXPECT_EQ(sinkCalls.calls, (QStringList{"load_status1", "ClickToday 1", "ClickAll"}));
    EXPECT_GE(sim.loop.nowMs(), 1000); // the hold before the push session
    EXPECT_FALSE(ctx.form1);
    EXPECT_FALSE(ctx.LoginDialogOpen);
    ASSERT_TRUE(ctx.wsck);
    // The push session logs on with the account and password just used.
    ASSERT_EQ(sim.network.connections(Server, 8000).size(), 1u);
    EXPECT_EQ(sim.network.lastConnection(Server, 8000)->sends()[0],
              (push::PushLogonRecord{"trader@example.com", "pa55", 0}.build()));
    // Unchecked: no remember file.
    EXPECT_FALSE(QFile::exists(ctx.AppPath + "registry"));

    // The session is stopped (logged in elsewhere); a new login on a Sunday shows the news
    // without looking for a calendar day, and replaces the session with one of its own.
    sim.network.lastConnection(Server, 8000)->send(QByteArray("\xF9\x03", 2)); // 1017
    sim.loop.runPosted();
    ASSERT_TRUE(ctx.wsck->stopped());
    sinkCalls.calls.clear();
    sim.loop.setDateTime(QDateTime(QDate(2024, 1, 14), QTime(9, 0)));
    loadShown();
    logIn("b@b.c", "xyz");
    EXPECT_EQ(sinkCalls.calls, (QStringList{"load_status1", "ClickAll"}));
    EXPECT_TRUE(sim.log.lines().filter("FXCalendar").isEmpty()) << sim.log.lines().join('\n').toStdString();
    EXPECT_FALSE(ctx.wsck->stopped());
    EXPECT_EQ(sim.network.connections(Server, 8000).size(), 2u);
    EXPECT_EQ(sim.network.lastConnection(Server, 8000)->sends()[0], (push::PushLogonRecord{"b@b.c", "xyz", 0}.build()));
}

TEST_F(Form1Test, CheckedRememberWritesAPrivateFileAndUncheckedLeavesAnOldOneAlone) {
    answerWith(reply('1', "老王"));
    loadShown();
    static_cast<plat::SimCheckBox*>(form().Check1)->userClick();
    logIn("a@b.c", "xyz");
    EXPECT_EQ(readFile(ctx.AppPath + "registry"),
              push::RememberFile::build({1, "a@b.c", "xyz", QStringLiteral("老王")}));
    // It holds the password: the user's alone.
    EXPECT_EQ(QFile::permissions(ctx.AppPath + "registry"),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

    const QByteArray before = readFile(ctx.AppPath + "registry");
    ctx.ManualLogin = true;
    loadShown();
    static_cast<plat::SimCheckBox*>(form().Check1)->userClick(); // off again
    logIn("other@b.c", "abc");
    EXPECT_EQ(ctx.CurrentAccount, "other@b.c");
    EXPECT_EQ(readFile(ctx.AppPath + "registry"), before);
}

TEST_F(Form1Test, LinksOpenTheirPagesAndCloseTheDialog) {
    loadShown();
    static_cast<plat::SimLabel*>(form().Label3)->userClick();
    EXPECT_EQ(sim.shell.opened(), QStringList{"http://vendor.test/resetpassword/resetpassword"});
    EXPECT_FALSE(ctx.form1);

    loadShown();
    static_cast<plat::SimLabel*>(form().Label4)->userClick();
    EXPECT_EQ(sinkCalls.calls, QStringList{"pop_registry"});
    EXPECT_FALSE(ctx.form1);

    loadShown();
    static_cast<plat::SimImageBox*>(form().Image1)->userClick();
    EXPECT_FALSE(ctx.form1);
}

TEST_F(Form1Test, NoRequestWhenTheLoginPortCannotBeBound) {
    sim.network.setLocalPortInUse(5007, true);
    remembered("trader@example.com", "pa55");
    loadShown();
    clickLogin();
    EXPECT_TRUE(loginServer().datagrams().empty());
    EXPECT_FALSE(form().Timer1.running());
    EXPECT_TRUE(label(form().Label7).text().isEmpty());
}

// Without a display the dialog waits on the terminal.

class HeadlessLoginTest : public Form1Test {
protected:
    explicit HeadlessLoginTest(bool interactive = true) : terminal(interactive) {
        sim.platform.setTerminal(&terminal);
        ctx.controller = &controller;
    }
    QString said() const { return terminal.lines().join(u'\n'); }
    void answer(std::initializer_list<const char*> lines) {
        for (const char* line : lines) ASSERT_TRUE(terminal.type(QString::fromUtf8(line))) << line;
    }

    plat::SimTerminal terminal;
    RecordingController controller{sim.loop};
};

TEST_F(HeadlessLoginTest, AsksOnTheTerminalAsTheDialogWouldThenLogsIn) {
    answerWith(reply('1', "老王"));
    loadShown();
    EXPECT_TRUE(said().contains("login dialog")) << said().toStdString();
    answer({"", "", "n"}); // nothing typed: the dialog's hint, and the questions again
    EXPECT_TRUE(said().contains(QStringLiteral("请输入您注册时的邮箱或者手机号码"))) << said().toStdString();
    EXPECT_TRUE(loginServer().datagrams().empty());
    answer({" trader@example.com ", "pa 55", "y"});
    sim.loop.runPosted();
    // Account, password and remember-me, as the request and the remember file show.
    ASSERT_EQ(terminal.questions().size(), 6u);
    EXPECT_TRUE(terminal.questions()[3].echo);
    EXPECT_FALSE(terminal.questions()[4].echo) << "the password is not shown";
    ASSERT_EQ(loginServer().datagrams().size(), 1u);
    EXPECT_EQ(loginServer().datagrams()[0].bytes, request("trader@example.com", "pa 55", 0));
    EXPECT_EQ(ctx.LoggedIn, 1);
    EXPECT_TRUE(QFile::exists(ctx.AppPath + "registry")); // remembered, as asked
    EXPECT_FALSE(terminal.asking());
}

TEST_F(HeadlessLoginTest, AFailedRememberedLoginAsksAgainKeepingTheAccount) {
    remembered("trader@example.com", "old");
    answerWith(reply('2'));
    ctx.load(ctx.form1);
    sim.loop.runPosted();
    EXPECT_TRUE(said().contains(QStringLiteral("密码不正确"))) << said().toStdString();
    ASSERT_FALSE(terminal.questions().empty());
    EXPECT_TRUE(terminal.questions()[0].prompt.contains("[trader@example.com]"));
    answerWith(reply('1'));
    answer({"", "new", ""});
    sim.loop.runPosted();
    EXPECT_EQ(loginServer().datagrams().back().bytes, request("trader@example.com", "new", 0));
    EXPECT_EQ(ctx.LoggedIn, 1);
    EXPECT_EQ(push::RememberFile::parse(readFile(ctx.AppPath + "registry"))->password, "new");
}

TEST_F(HeadlessLoginTest, TheEndOfInputGivesUpAfterTheDialogsTimeOut) {
    loadShown();
    ASSERT_TRUE(terminal.type(std::nullopt));
    EXPECT_TRUE(said().contains(QStringLiteral("记住我"))) << said().toStdString();
    sim.loop.advance(9999);
    EXPECT_EQ(controller.exits, 0);
    sim.loop.advance(1);
    EXPECT_EQ(controller.exits, 1);
    EXPECT_EQ(ctx.ExitStatus, HeadlessLogin::NoLoginStatus);
}

// It gives up the same way (see above), without asking.
struct HeadlessLoginWithoutTerminal : HeadlessLoginTest {
    HeadlessLoginWithoutTerminal() : HeadlessLoginTest(false) {}
};

TEST_F(HeadlessLoginWithoutTerminal, AsksNothingAndSaysHowToRememberALogin) {
    loadShown();
    EXPECT_TRUE(terminal.questions().empty());
    EXPECT_TRUE(said().contains(QStringLiteral("--headless"))) << said().toStdString();
}

} // namespace
