#include "app/frmMain.h"
#include "dialogs/IE_frm.h"
#include "mainwindow/MainWindowFixture.h"
#include "notify/frmPopUp.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/PlainLayout.h"
#include "platform/sim/SimBrowser.h"

namespace {

// The news window and the popup's ways back to the main window.
class NewsWindow : public MainWindowFixture {
protected:
    void SetUp() override {
        start({100, 60, 1100, 760, 0});
        ctx().load(ctx().mainCtl);
        ctx().PopupEnabled = true;
        ctx().PopupStayTime = QStringLiteral("30");
    }

    plat::SimWindow& newsWindow() { return static_cast<plat::SimWindow&>(ctx().ieFrm->window()); }
    dom::Element& popupElement(const char* id) {
        return *ctx().popup->WebBrowser()->document()->getElementById(QString::fromLatin1(id));
    }
    void clickPopup(dom::Element& e) {
        ctx().popup->WebBrowser()->document()->dispatchUserEvent(&e, QStringLiteral("onclick"));
    }
    void popupWithLink(const QString& link) {
        const QString line = QStringLiteral("<span onclick=\"popupWin_iLink.innerText='%1';"
                                            "popupWin_iLink.fireEvent('onclick');\">12/06 10:15 标题</span>")
                                 .arg(link);
        ctx().mainCtl->Popup(line, 0);
        sim().loop.advance(700);
    }
};

// The list's link without its mark, used up; 12,405 twips wide, the window 375 twips and the
// browser 60 twips higher than the body.
TEST_F(NewsWindow, OpensTheListsLinkAtTheArticleWidthAndTakesTheArticleHeight) {
    ctx().NewsLink = "1http://web.test/a";
    auto& browser = static_cast<plat::SimBrowser&>(*ctx().load(ctx().ieFrm).WebBrowser1());
    // The empty page's body is as high as the browser when the page completes.
    const int body = browser.layout().viewport().height();
    sim().loop.runPosted();
    EXPECT_EQ(browser.locationUrl(), "http://web.test/a");
    EXPECT_TRUE(ctx().NewsLink.isEmpty());
    EXPECT_EQ(newsWindow().geometry().size(), QSize(827, body + 25));
    EXPECT_EQ(browser.geometry(), QRect(0, 0, 827, body + 4));
    EXPECT_EQ(browser.document()->body()->getAttribute("scroll"), "no");
    EXPECT_EQ(browser.document()->body()->style("overflow"), "hidden");
    newsWindow().show();
    newsWindow().userSizeTo(QSize(1000, 500));
    EXPECT_EQ(newsWindow().geometry().size(), QSize(827, 500));

    ctx().unload(ctx().ieFrm);
    ctx().NewsLink = "http://web.test/b";
    ctx().load(ctx().ieFrm);
    sim().loop.runPosted();
    EXPECT_EQ(ctx().ieFrm->WebBrowser1()->locationUrl(), "http://web.test/b");
}

// A popup link opens over the main window, which takes its place afterwards; "More" closes
// the popup and brings the main window back, minimised or not.
TEST_F(NewsWindow, APopupLinkOpensOverTheMainWindowAndMoreBringsTheMainWindowBack) {
    popupWithLink("http://web.test/datatransfer/rapidnews?news_id=7");
    const QRect main = win().geometry();
    clickPopup(*popupElement("popupWin_Table").getElementsByTagName("span").at(0));
    ASSERT_TRUE(ctx().ieFrm);
    EXPECT_EQ(newsWindow().geometry().topLeft(), main.topLeft());
    EXPECT_TRUE(newsWindow().isVisible());
    EXPECT_FALSE(ctx().PopupShowing);
    sim().loop.runPosted();
    EXPECT_EQ(ctx().ieFrm->WebBrowser1()->locationUrl(), "http://web.test/datatransfer/rapidnews?news_id=7");

    newsWindow().userDrag(QPoint(300, 200));
    EXPECT_TRUE(newsWindow().userClose());
    sim().loop.runPosted();
    EXPECT_FALSE(ctx().ieFrm);
    EXPECT_EQ(win().geometry(), QRect(QPoint(300, 200), main.size()));

    win().setState(plat::WindowState::Minimized);
    popupWithLink("");
    clickPopup(popupElement("popupWin_LinkMore"));
    EXPECT_FALSE(ctx().PopupShowing);
    EXPECT_EQ(win().state(), plat::WindowState::Normal);
    EXPECT_TRUE(win().isVisible());
}

} // namespace
