#include "MainWindowFixture.h"
#include "platform/browser/Browser.h"

namespace {

using Tabs = MainWindowFixture;

QString frameSource(dom::Element& pane) {
    const auto frames = pane.getElementsByTagName("iframe");
    return frames.size() == 1 ? frames.front()->getAttribute("src") : QString();
}

// The real page reports its client height after the resize has fitted the pane to the one
// before: the pane follows it then, once per height.
TEST_F(Tabs, TheNewsTabLightsUpShowsTheListAndFillsTheWindowAndAClientHeightThatArrivesLater) {
    loadPage();
    click("iAll");
    EXPECT_EQ(fx().CurrentTab(), "iAll");
    EXPECT_EQ(style("iAll", "background-color"), "#0077de");
    EXPECT_EQ(style("iAll", "color"), "#ffffff");
    EXPECT_EQ(style("iAll", "visibility"), "visible");
    EXPECT_TRUE(shown("iallnews"));
    EXPECT_TRUE(shown("firstpage_table"));
    EXPECT_EQ(style("tabcontent1", "height"), heightLess(116));

    click("iFXCalendar");
    EXPECT_EQ(style("iAll", "background-color"), "");
    EXPECT_EQ(style("iAll", "color"), "");
    EXPECT_FALSE(shown("iallnews"));
    EXPECT_FALSE(shown("firstpage_table"));
    EXPECT_TRUE(shown("iFXCal"));
    EXPECT_EQ(style("tabcontent2", "height"), heightLess(150));

    // The pane follows the window's size.
    win().show();
    win().userSizeTo(QSize(1200, 820));
    EXPECT_EQ(style("tabcontent2", "height"), QString::number(820 - 150) + "px");

    click("iAll");
    plat::Browser& browser = *fx().WebBrowser();
    browser.setGeometry(QRect(0, 0, 1020, 640));
    EXPECT_EQ(style("tabcontent1", "height"), heightLess(116)) << "told in a turn of its own";
    sim().loop.runPosted();
    EXPECT_EQ(style("tabcontent1", "height"), "524px");
    el("tabcontent1").setStyle("height", "1px");
    browser.onSizesChanged();
    EXPECT_EQ(style("tabcontent1", "height"), "1px") << "the same client height is not fitted again";
}

// The registration and account panes have no tab of their own.
TEST_F(Tabs, FramePanesLoadOnlyWhenLoggedInExceptRegistrationAndAreEmptiedOnLeaving) {
    loadPage();
    click("iCLRefer");
    EXPECT_TRUE(shown("iDivCLRefer"));
    EXPECT_TRUE(frameSource(el("iDivCLRefer")).isEmpty());
    click("iAll");
    mouseDown("registe_zep");
    EXPECT_EQ(fx().CurrentTab(), "register_page");
    EXPECT_EQ(style("iAll", "background-color"), "");
    EXPECT_EQ(style("register_page", "background-color"), "");
    EXPECT_TRUE(shown("register_page"));
    EXPECT_EQ(frameSource(el("register_page")), "http://web.test/datatransfer/regroadking");
    EXPECT_EQ(style("register_page", "height"), heightLess(108));
    mouseDown("nickname");
    EXPECT_EQ(fx().CurrentTab(), "mydata");
    EXPECT_FALSE(shown("register_page"));
    EXPECT_TRUE(shown("mydata"));

    click("iAll");
    ctx().LoggedIn = 1;
    click("iCLRefer");
    EXPECT_EQ(frameSource(el("iDivCLRefer")), "http://web.test/new/table");
    EXPECT_EQ(style("iDivCLRefer", "height"), heightLess(108));

    click("iNewsReport");
    EXPECT_FALSE(shown("iDivCLRefer"));
    EXPECT_EQ(el("iDivCLRefer").innerHTML(), "...");
    EXPECT_EQ(frameSource(el("iDivNewsReport")), "http://web.test/new/news?websiteid=0");

    click("prof_tactics");
    EXPECT_EQ(el("iDivNewsReport").innerHTML(), "...");
    EXPECT_EQ(frameSource(el("iprof_tactics")), "http://web.test/dailyreport/index?id=1");
    EXPECT_EQ(style("iprof_tactics", "height"), heightLess(125));

    // Back again: the emptied pane gets its page anew.
    click("iCLRefer");
    EXPECT_EQ(frameSource(el("iDivCLRefer")), "http://web.test/new/table");
    // A click on the tab that is showing leaves its pane alone.
    dom::Element* frame = el("iDivCLRefer").getElementsByTagName("iframe").front();
    el("iDivCLRefer").setStyle("height", "1px");
    click("iCLRefer");
    EXPECT_EQ(el("iDivCLRefer").getElementsByTagName("iframe").front(), frame);
    EXPECT_EQ(style("iDivCLRefer", "height"), "1px");
}

} // namespace
