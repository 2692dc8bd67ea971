#include "MainWindowFixture.h"
#include "session/Form1.h"
#include "session/wsckfrm.h"

namespace {

struct Account : MainWindowFixture {
    void logIn(const QString& nickname) {
        ctx().LoggedIn = 1;
        ctx().CurrentAccount = "demo@quenra.test";
        ctx().CurrentPassword = "demo123";
        ctx().CurrentNickname = nickname;
        ctx().loginSink->load_status1();
    }
};

TEST_F(Account, TheHeaderShowsTheLoggedInAccountUntilLogOutWhenItsLoginLinkOpensTheDialogAfresh) {
    loadPage();
    logIn("张三丰");
    EXPECT_FALSE(shown("load_zep"));
    EXPECT_FALSE(shown("registe_zep"));
    EXPECT_TRUE(shown("quit"));
    EXPECT_TRUE(shown("nickname"));
    EXPECT_EQ(el("nickname").innerText(), "用户名：张三丰");
    EXPECT_EQ(el("nickname").title(), "点击查看个人详细信息");
    // The account data pane's user-name row.
    EXPECT_EQ(el("mydata").getElementsByTagName("table").front()->rows()[1]->cells()[1]->innerText(), "张三丰");
    EXPECT_EQ(style("control_righttop", "width"), "220px");
    // The password page opens outside, with the account.
    click("Achange");
    ctx().CurrentAccount = "a+b&c@quenra.test";
    click("Achange");
    EXPECT_EQ(sim().shell.opened(),
              QStringList({"http://web.test/datatransfer/changepassword?id=demo@quenra.test",
                           "http://web.test/datatransfer/changepassword?id=a%2Bb%26c@quenra.test"}));

    logIn("张三丰人");
    EXPECT_EQ(style("control_righttop", "width"), "290px");

    // Logged out (the frame panes then stay empty: the tabs' test), the push session closed.
    ctx().load(ctx().wsck);
    click("quit");
    EXPECT_EQ(ctx().LoggedIn, 0);
    EXPECT_TRUE(ctx().CurrentAccount.isEmpty());
    EXPECT_TRUE(ctx().CurrentPassword.isEmpty());
    EXPECT_FALSE(ctx().wsck);
    EXPECT_TRUE(shown("load_zep"));
    EXPECT_TRUE(shown("registe_zep"));
    EXPECT_FALSE(shown("quit"));
    EXPECT_FALSE(shown("nickname"));
    EXPECT_EQ(style("control_righttop", "width"), "220px");

    // The login link opens the dialog afresh for a manual login.
    ctx().form1->Text1->setText("typed before");
    ctx().form1->window().hide();
    ctx().LoginDialogOpen = false;
    mouseDown("load_zep");
    ASSERT_TRUE(ctx().form1);
    EXPECT_TRUE(ctx().form1->Text1->text().isEmpty());
    EXPECT_TRUE(ctx().form1->Visible());
    EXPECT_TRUE(ctx().LoginDialogOpen);
    EXPECT_TRUE(ctx().ManualLogin);
}

} // namespace
