#include "MainWindowFixture.h"
#include "platform/browser/Browser.h"
#include "dialogs/frmaboutnew.h"
#include "dialogs/frmvote.h"
#include "dialogs/frmdispose.h"
#include "session/Form1.h"

namespace {

using Bridge = MainWindowFixture;

// An unknown procedure or a missing element is logged and skipped.
TEST_F(Bridge, BindsEveryElementOfTheTableToItsProcedureAndSkipsWhatIsMissing) {
    loadPage();
    for (const PageBridge::Binding& b : PageBridge::bindings()) EXPECT_TRUE(el(b.id).handler(b.event)) << b.id;
    // A bound element reaches its procedure (the others' clicks are in the tests of what they do).
    mouseDown("set_coloum");
    ASSERT_TRUE(ctx().settings);
    EXPECT_TRUE(ctx().settings->Visible());

    fx().CallByName("no_such_procedure");
    EXPECT_TRUE(logged("no procedure named no_such_procedure"));

    // A reloaded page without the feedback tab: the rest is bound again.
    el("feedback").setId("feedback_gone");
    el("iAll").setHandler("onclick", nullptr);
    fx().WebBrowser()->onDocumentComplete(fx().WebBrowser()->locationUrl(), true);
    EXPECT_TRUE(logged("the page has no element feedback for feedback_idea"));
    EXPECT_TRUE(el("iAll").handler("onclick"));
    // A frame finishing its page binds nothing.
    el("iAll").setHandler("onclick", nullptr);
    fx().WebBrowser()->onDocumentComplete("http://web.test/new/table", false);
    EXPECT_FALSE(el("iAll").handler("onclick"));
}

TEST_F(Bridge, SetUpOnTheFirstPageWithTheLoginDialogUnlessALoginIsRemembered) {
    start();
    EXPECT_TRUE(fx().Busy());
    completeNavigation();
    // Without a remembered login the dialog shows, logged out.
    ASSERT_TRUE(ctx().form1);
    EXPECT_TRUE(ctx().form1->Visible());
    EXPECT_TRUE(ctx().LoginDialogOpen);
    EXPECT_EQ(ctx().LoggedIn, 0);
    // Today's tab of the calendar is selected (the test clock starts on a Monday).
    EXPECT_EQ(el("week1").firstElementChild()->style("background-color"), "#0094ee");
    EXPECT_EQ(fx().WebBrowser()->geometry(), QRect(QPoint(0, 0), win().geometry().size()));

    // A remembered login loads the dialog hidden.
    prepare();
    writeFile(inst.appDir() + "/registry", "1,1,a@b.test,x,nick");
    ctx().load(ctx().fxInfo);
    completeNavigation();
    ASSERT_TRUE(ctx().form1);
    EXPECT_FALSE(ctx().form1->Visible());
    EXPECT_FALSE(ctx().LoginDialogOpen);
}

TEST_F(Bridge, WebLinksOpenInTheUsersBrowserAndOnlyFramesOpenWindows) {
    loadPage();
    dom::Element* footerLink = el("footer").getElementsByTagName("a").front();
    footerLink->click();
    ASSERT_EQ(sim().shell.opened().size(), 1u);
    EXPECT_EQ(sim().shell.opened().front(), footerLink->href());
    EXPECT_EQ(doc().activeElement(), &el("iAll"));
    // A link that is not a web address stays with the page.
    click("quota_control");
    EXPECT_EQ(sim().shell.opened().size(), 1u);

    bool cancel = false;
    footerLink->click();
    fx().WebBrowser()->onNewWindow(cancel);
    EXPECT_TRUE(cancel);
    el("iDivCLRefer").setInnerHTML("<iframe id='f' src='http://web.test/new/table'></iframe>");
    doc().setActiveElement(&el("f"));
    fx().WebBrowser()->onNewWindow(cancel);
    EXPECT_FALSE(cancel);
}

// The dialogs' buttons: the vote asks for a login first; about and feedback open the about
// dialog, owned by the main window, on their pages.
TEST_F(Bridge, TheVoteAsksForALoginFirstAndAboutAndFeedbackOpenTheirPages) {
    loadPage();
    ctx().unload(ctx().form1);
    click("iqingxu");
    ASSERT_TRUE(ctx().form1);
    EXPECT_TRUE(ctx().form1->Visible());
    ctx().LoggedIn = 1;
    click("iqingxu");
    sim().loop.runPosted();
    ASSERT_TRUE(ctx().vote);
    EXPECT_TRUE(ctx().vote->window().isVisible());

    win().show();
    click("zep_about");
    ASSERT_TRUE(ctx().about);
    frmaboutnew& about = *ctx().about;
    EXPECT_TRUE(about.Visible());
    EXPECT_EQ(about.window().owner(), &win());
    EXPECT_EQ(about.LabelCaption->text(), "关于");
    click("feedback");
    EXPECT_EQ(about.LabelCaption->text(), "意见反馈");

    // It goes away with the minimised main window and comes back with it.
    click("zep_min");
    EXPECT_FALSE(about.Visible());
    win().userTaskbarClick();
    EXPECT_TRUE(about.Visible());
}

} // namespace
