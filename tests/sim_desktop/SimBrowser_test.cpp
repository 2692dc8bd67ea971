#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/LayoutMetrics.h"
#include "platform/sim/SimBrowser.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimLoop.h"
#include "platform/sim/SimWindow.h"
#include <gtest/gtest.h>

using namespace plat;

namespace {

const QString base = QStringLiteral("res:///opt/quenra/Zavez_ZEP.exe/");

class SimBrowserTest : public testing::Test {
protected:
    SimBrowserTest() {
        window->setGeometry(QRect(1320, 960, 280, 300));
        browser = window->createBrowser();
        browser->onNavigateComplete = [this](const QString& url) { events << "navigate " + url; };
        browser->onDocumentComplete = [this](const QString& url, bool top) {
            events << QStringLiteral("document %1 %2").arg(url).arg(top);
        };
    }

    SimLoop loop;
    SimDesktop desktop{loop, SimDesktop::Mode::Recording};
    std::unique_ptr<Window> window = desktop.createWindow(WindowKind::Popup);
    Browser* browser;
    QStringList events;
};

TEST_F(SimBrowserTest, AnEmbeddedPageLoadsOnceTheLoopRuns) {
    browser->navigate(base + QStringLiteral("iPopup.htm"));
    EXPECT_TRUE(browser->busy());
    EXPECT_EQ(browser->document(), nullptr);
    EXPECT_TRUE(events.isEmpty());

    loop.runPosted();
    EXPECT_FALSE(browser->busy());
    EXPECT_EQ(events, QStringList({"navigate " + base + "iPopup.htm", "document " + base + "iPopup.htm 1"}));
    EXPECT_EQ(browser->locationUrl(), base + QStringLiteral("iPopup.htm"));
    dom::Document* page = browser->document();
    ASSERT_NE(page, nullptr);
    EXPECT_NE(page->getElementById(QStringLiteral("popupWin_Table")), nullptr);
    EXPECT_EQ(page->metrics().clientHeight(*page->body()), 300); // the browser's height
    browser->setGeometry(QRect(0, 0, 280, 250));
    EXPECT_EQ(page->metrics().clientHeight(*page->body()), 250);
    EXPECT_TRUE(page->journal().empty());
    page->body()->setInnerText(QStringLiteral("x"));
    EXPECT_TRUE(page->journal().empty()); // nothing projects it
}

TEST_F(SimBrowserTest, OnlyTheLastOfQuickNavigationsCompletes) {
    browser->navigate(base + QStringLiteral("iPopup.htm"));
    browser->navigate(base + QStringLiteral("ruzezaro.htm"));
    loop.runPosted();
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(browser->locationUrl(), base + QStringLiteral("ruzezaro.htm"));
    EXPECT_NE(browser->document()->getElementById(QStringLiteral("firstpage_table")), nullptr);

    browser->navigate(base + QStringLiteral("iPopup.htm"));
    window.reset(); // gone with its window before completing
    loop.runPosted();
    EXPECT_EQ(events.size(), 2);
}

} // namespace

// A page that lives as long as the program (the news list) drops a row for every flash once
// it is full: what it removes must be freed, not kept until the page goes.
TEST_F(SimBrowserTest, RemovedElementsAreFreedOnceTheEventIsOver) {
    browser->navigate(base + QStringLiteral("iPopup.htm"));
    loop.runPosted();
    dom::Document* page = browser->document();
    dom::Element* table = page->getElementById(QStringLiteral("popupWin_Table"));
    ASSERT_NE(table, nullptr);
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 5; ++i) table->insertRow(-1)->insertCell()->setInnerText(QStringLiteral("row"));
        for (int i = 0; i < 5; ++i) table->deleteRow(-1);
        EXPECT_GT(page->buried(), 0u); // still usable within the event that removed them
        loop.runPosted();
        EXPECT_EQ(page->buried(), 0u);
    }
}
