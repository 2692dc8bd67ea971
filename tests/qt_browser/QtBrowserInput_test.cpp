// The user's mouse and keys on the real page, through the X server: clicks reach the
// program's handlers with what they read; the page shows no context menu, opens no window
// of its own outside its frames, does not reload on F5 and never leaves itself.
#include "BrowserTesting.h"
#include <QApplication>
#include <QMenu>
#include <memory>

using namespace browsertest;
using dom::Element;

namespace {

int visibleWebWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<QWebEngineView*>(w)) ++n;
    return n;
}

class Input : public PageFixture {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(open(S("ruzezaro.htm"), QSize(1100, 720)));
        byId("iallnews")->setStyle(S("display"), S(""));
        Element* t = byId("firstpage_table");
        t->setStyle(S("display"), S(""));
        Element* r = t->insertRow(1);
        r->insertCell()->setInnerText(S("08:01"));
        r->insertCell()->setInnerHTML(
            S("<a id=newslink href='' target='_blank' onClick=news_item.innerText="
              "'http://web.test/datatransfer/rapidnews?news_id=42';news_item.fireEvent('onclick')"
              " >美联储维持利率不变</a>"));
        browser->onNewWindow = [this](bool& cancel) { newWindows << cancel; };
        ASSERT_TRUE(pageMatchesModel());
    }

    QList<bool> newWindows; // the cancel flag each request came with
};

} // namespace

TEST_F(Input, ClickOnAGeneratedNewsLinkReachesTheHandlerWithTheWrittenText) {
    QString text;
    bool journaledBack = true;
    auto display = std::make_shared<Handler>([&] {
        text = byId("news_item")->innerText();
        journaledBack = !doc().journal().empty();
    });
    byId("news_item")->setHandler(S("onclick"), display);
    QString activeTag;
    auto onDocClick = std::make_shared<Handler>([&] { activeTag = doc().activeElement()->tagName(); });
    doc().setHandler(S("onclick"), onDocClick);

    clickAt(screenCentre(S("newslink")));
    ASSERT_TRUE(waitUntil([&] { return onDocClick->calls > 0; }));
    EXPECT_EQ(display->calls, 1);
    EXPECT_EQ(text, S("http://web.test/datatransfer/rapidnews?news_id=42"));
    EXPECT_FALSE(journaledBack) << "the page's own text is not sent back to it";
    EXPECT_EQ(activeTag, S("A")) << "the document's handler sees the clicked link";
    ASSERT_TRUE(waitUntil([&] { return !newWindows.isEmpty(); })) << "the link's target asks for a window";
    EXPECT_EQ(newWindows, QList<bool>{true});
    runLoopFor(300);
    EXPECT_EQ(visibleWebWindows(), 0);
    EXPECT_EQ(runJs(page(), S("location.href")).toString(), pageBase() + S("ruzezaro.htm"));
    EXPECT_TRUE(pageMatchesModel());
}

TEST_F(Input, ClickOnACheckBoxReachesTheBodysHandlerWithItsNewState) {
    byId("iallnews")->setStyle(S("display"), S("none"));
    byId("iFXCal")->setStyle(S("display"), S(""));
    byId("iTBody")->setInnerHTML(S("<tr><td>08:30</td><td>非农</td><td>高</td>"
                                   "<td><INPUT type=checkbox id='w_3_chk0'></td></tr>"));
    QString active;
    bool checked = false;
    auto onBody = std::make_shared<Handler>([&] {
        active = doc().activeElement()->id();
        checked = doc().activeElement()->checked();
    });
    byId("iTBody")->setHandler(S("onclick"), onBody);
    ASSERT_TRUE(pageMatchesModel());

    clickAt(screenCentre(S("w_3_chk0")));
    ASSERT_TRUE(waitUntil([&] { return onBody->calls > 0; }));
    EXPECT_EQ(active, S("w_3_chk0"));
    EXPECT_TRUE(checked);
    EXPECT_EQ(runJs(page(), S("GetObj('w_3_chk0').checked")).toBool(), true) << "the page's box, toggled once";
}

TEST_F(Input, RightClickShowsNoMenuButReachesTheDocument) {
    auto onMenu = std::make_shared<Handler>();
    doc().setHandler(S("oncontextmenu"), onMenu);
    clickAt(screenCentre(S("tabcontent1")), 3);
    ASSERT_TRUE(waitUntil([&] { return onMenu->calls > 0; }));
    runLoopFor(300);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible() && qobject_cast<QMenu*>(w));
}

TEST_F(Input, LinksNeverTakeThePageAwayAndOnlyFrameLinksOpenWindows) {
    QString activeHref;
    auto onDocClick = std::make_shared<Handler>([&] { activeHref = doc().activeElement()->href(); });
    doc().setHandler(S("onclick"), onDocClick);
    byId("firstpage_table")
        ->insertRow(1)
        ->insertCell()
        ->setInnerHTML(S("<a id=plain href='http://web.test/page'>web page</a>"));
    ASSERT_TRUE(pageMatchesModel());
    clickAt(screenCentre(S("plain")));
    ASSERT_TRUE(waitUntil([&] { return onDocClick->calls == 1; }));
    EXPECT_EQ(activeHref, S("http://web.test/page")) << "the program opens it itself";
    runLoopFor(300);
    EXPECT_EQ(runJs(page(), S("location.href")).toString(), pageBase() + S("ruzezaro.htm"));

    clickAt(screenCentre(S("#footer a")));
    ASSERT_TRUE(waitUntil([&] { return !newWindows.isEmpty(); }));
    EXPECT_EQ(newWindows, QList<bool>{true}) << "a link of the page itself";
    EXPECT_EQ(visibleWebWindows(), 0);

    byId("iallnews")->setStyle(S("display"), S("none"));
    byId("register_page")->setStyle(S("display"), S(""));
    byId("register_page")
        ->setInnerHTML(
            S("<iframe width='100%' height='100%' frameborder='0' srcdoc=\"<a href='http://web.test/' target='_blank'"
              " style='position:absolute;inset:0;background:#cde'>frame link</a>\"></iframe>"));
    ASSERT_TRUE(waitUntil([&] { return completed.size() == 2; }));
    EXPECT_EQ(completed.last(), S("about:srcdoc frame"));
    clickAt(screenCentre(S("#register_page iframe")));
    ASSERT_TRUE(waitUntil([&] { return newWindows.size() == 2; }));
    EXPECT_EQ(newWindows.last(), false);
    EXPECT_TRUE(waitUntil([] { return visibleWebWindows() == 1; }));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QWebEngineView*>(w)) w->close();
}

TEST_F(Input, F5DoesNotReloadThePage) {
    byId("nickname")->setInnerText(S("kept"));
    ASSERT_TRUE(pageMatchesModel());
    clickAt(screenCentre(S("tabcontent1")));
    xdotool({S("key"), S("F5")});
    runLoopFor(1000);
    byId("quit")->setStyle(S("display"), S(""));
    EXPECT_TRUE(pageMatchesModel()) << "the page still holds every change";
    EXPECT_EQ(completed.size(), 1);
}
