#include "dialogs/frmvote.h"
#include "platform/sim/SimBrowser.h"
#include "platform/sim/SimWindow.h"
#include "session/SessionFixture.h"
#include "wire/QtPrinters.h"

namespace {

// MD5 of "pa55", as a tool outside the program computes it.
const QString Pa55Digest = "a40f2ce2dab5a02272023cdd0aa66d2b";

// Only an account with both marks takes the e-mail form; the window's test has the phone
// form in full.
TEST(VoteAddress, EmailAccountsUseTheEmailFormAndAllOthersThePhoneForm) {
    EXPECT_EQ(frmvote::LoginAddress("http://vendor.test", "trader@example.com", "pa55"),
              "http://vendor.test/votedatadock/userlogin?email=trader@example.com&password=" + Pa55Digest);
    for (const QString account : {"trader@localhost", "first.last"})
        EXPECT_TRUE(
            frmvote::LoginAddress("http://vendor.test", account, "pa55").contains("/phonelogin?phone=" + account + "&"))
            << account.toStdString();
}

using VoteWindow = SessionFixture;

TEST_F(VoteWindow, LogsInWaitsForTheLoginPageOpensThePollAndFillsTheWindow) {
    ctx.CurrentAccount = "13800138000";
    ctx.CurrentPassword = "pa55";
    // Loaded as the main window loads it, hearing every completed navigation.
    ctx.vote = std::make_shared<frmvote>(ctx);
    auto& browser = static_cast<plat::SimBrowser&>(*ctx.vote->WebBrowser1());
    QStringList completed;
    browser.onNavigateComplete = [&](const QString& url) { completed << url; };
    ctx.vote->Form_Load();
    // The login page had completed before the poll was asked for.
    EXPECT_EQ(completed,
              QStringList({"http://vendor.test/votedatadock/phonelogin?phone=13800138000&password=" + Pa55Digest}));
    EXPECT_TRUE(browser.silent());
    sim.loop.runPosted();
    EXPECT_EQ(completed.value(1), "http://vendor.test/voting/index?typestate=1");

    ctx.vote->Show();
    auto& window = static_cast<plat::SimWindow&>(ctx.vote->window());
    window.userSizeTo(QSize(700, 500));
    EXPECT_EQ(browser.geometry(), QRect(0, 0, 700, 500));
    ASSERT_TRUE(window.userClose());
    sim.loop.runPosted();
    EXPECT_FALSE(ctx.vote);
}

} // namespace
