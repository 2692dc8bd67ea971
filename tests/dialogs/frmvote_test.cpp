#include "dialogs/frmvote.h"
#include "platform/browser/Browser.h"
#include "platform/sim/SimBrowser.h"
#include "platform/sim/SimWindow.h"
#include "session/SessionFixture.h"
#include "wire/QtPrinters.h"

namespace {

// MD5 of "pa55", as a tool outside the program computes it.
const QString Pa55Digest = QStringLiteral("a40f2ce2dab5a02272023cdd0aa66d2b");

TEST(VoteAddress, EmailAccountsUseTheEmailFormAndAllOthersThePhoneForm) {
    const QString site = QStringLiteral("http://vendor.test");
    EXPECT_EQ(frmvote::LoginAddress(site, "trader@example.com", "pa55"),
              "http://vendor.test/votedatadock/userlogin?email=trader@example.com&password=" + Pa55Digest);
    EXPECT_EQ(frmvote::LoginAddress(site, "13800138000", "pa55"),
              "http://vendor.test/votedatadock/phonelogin?phone=13800138000&password=" + Pa55Digest);
    // Both marks are needed for the e-mail form.
    EXPECT_TRUE(frmvote::LoginAddress(site, "trader@localhost", "pa55").contains("/phonelogin?phone=trader@localhost&"));
    EXPECT_TRUE(frmvote::LoginAddress(site, "first.last", "pa55").contains("/phonelogin?phone=first.last&"));
    EXPECT_TRUE(frmvote::LoginAddress(site, "a", "").endsWith("&password=d41d8cd98f00b204e9800998ecf8427e"));
}

class VoteWindow : public SessionFixture {
protected:
    VoteWindow() {
        ctx.CurrentAccount = QStringLiteral("13800138000");
        ctx.CurrentPassword = QStringLiteral("pa55");
    }

    // Loads the window as the main window does, hearing every completed navigation.
    frmvote& load() {
        ctx.vote = std::make_shared<frmvote>(ctx);
        browser().onNavigateComplete = [this](const QString& url) { completed << url; };
        ctx.vote->Form_Load();
        return *ctx.vote;
    }
    plat::SimBrowser& browser() { return static_cast<plat::SimBrowser&>(*ctx.vote->WebBrowser1()); }
    plat::SimWindow& window() { return static_cast<plat::SimWindow&>(ctx.vote->window()); }

    QStringList completed;
};

TEST_F(VoteWindow, LogsInWithTheDigestWaitsForTheLoginPageThenOpensThePollSilently) {
    load();
    // The login page had completed before the poll was asked for.
    EXPECT_EQ(completed, QStringList({"http://vendor.test/votedatadock/phonelogin?phone=13800138000&password=" +
                                      Pa55Digest}));
    EXPECT_TRUE(browser().silent());
    sim.loop.runPosted();
    ASSERT_EQ(completed.size(), 2);
    EXPECT_EQ(completed[1], "http://vendor.test/voting/index?typestate=1");
    EXPECT_FALSE(window().isVisible());
    ctx.vote->Show();
    EXPECT_TRUE(window().isVisible());
}

TEST_F(VoteWindow, ThePageFillsTheWindowAndTheUsersCloseUnloadsIt) {
    load();
    ctx.vote->Show();
    window().userSizeTo(QSize(700, 500));
    EXPECT_EQ(browser().geometry(), QRect(0, 0, 700, 500));
    ASSERT_TRUE(window().userClose());
    sim.loop.runPosted();
    EXPECT_FALSE(ctx.vote);
}

} // namespace
