#include "PageTree.h"
#include "platform/res/ResourceStore.h"
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString pageText(const char* name) { return ResourceStore().find(QString::fromLatin1(name))->text(); }

const PageTree& mainPage() {
    static const PageTree tree(pageText("ruzezaro.htm"));
    return tree;
}

const PageTree& popupPage() {
    static const PageTree tree(pageText("iPopup.htm"));
    return tree;
}

bool hidden(const GumboNode* node) {
    return PageTree::attribute(node, "style").remove(QLatin1Char(' ')).contains(QStringLiteral("display:none"));
}

QString trimmedText(const GumboNode* node) { return PageTree::text(node).trimmed(); }

} // namespace

// Every id the program looks up: the bindings, the account panel, the news list and panes,
// the calendar, the quote centre and the popup.
TEST(Pages, HoldEveryIdTheProgramUsesExactlyOnce) {
    const auto expectOnce = [](const PageTree& page, const char* ids) {
        for (const QString& id : QString::fromLatin1(ids).split(u' '))
            EXPECT_EQ(page.countId(id), 1) << id.toStdString();
    };
    expectOnce(mainPage(), "Achange quit news_item set_coloum load_zep registe_zep nickname can_move zep_min zep_max "
                           "iqingxu feedback zep_close zep_about iCLRefer iNewsReport prof_tactics iAll quota_control "
                           "iFXCalendar week1 week2 week3 week4 week5 iTBody control_righttop mydata register_page "
                           "info_page retrieve_page switch Map firstpage_table iAllSort iallnews tabcontent1 "
                           "tabcontent2 iDivCLRefer iDivNewsReport iprof_tactics iFXCal iFXCalevent FXecodata "
                           "iCalendar_Table contentarea quotacenter QuoteList iTrFirst quotascroll");
    expectOnce(popupPage(), "mBody popupWin popupWin_CaptionText popupWin_CloseButton popupWin_BodyText "
                            "popupWin_Table iBottom popupWin_LinkMore popupWin_iLink");
}

TEST(MainPage, NewsListKeepsItsHiddenHeaderApartFromTheNews) {
    const GumboNode* table = mainPage().byId(QStringLiteral("firstpage_table"));
    EXPECT_EQ(PageTree::attribute(table, "class"), QStringLiteral("fina704 new_news"));
    EXPECT_TRUE(hidden(table));
    // insertRow(1) lands in the (empty) body; hiding the header row's parent hides only it.
    ASSERT_EQ(PageTree::childTags(table), QStringList({"thead", "tbody"}));
    const GumboNode* head = PageTree::elementChildren(table)[0];
    const GumboNode* body = PageTree::elementChildren(table)[1];
    EXPECT_TRUE(PageTree::elementChildren(body).empty());
    ASSERT_EQ(PageTree::childTags(head), QStringList({"tr"}));
    EXPECT_TRUE(hidden(PageTree::elementChildren(head)[0]));
    const GumboNode* sortCell = mainPage().byId(QStringLiteral("iAllSort"));
    EXPECT_EQ(sortCell->parent->parent, head);
    EXPECT_EQ(PageTree::attribute(sortCell, "onclick"), QStringLiteral("sortTable('firstpage_table')"));
}

TEST(MainPage, CalendarPaneHasWeekTabsAHeaderAndTheBody) {
    const PageTree& page = mainPage();
    const char* days[] = {"周一", "周二", "周三", "周四", "周五"};
    for (int n = 1; n <= 5; ++n) {
        const GumboNode* tab = page.byId(QStringLiteral("week%1").arg(n));
        ASSERT_FALSE(PageTree::elementChildren(tab).empty());
        const GumboNode* link = PageTree::elementChildren(tab)[0];
        EXPECT_EQ(PageTree::tag(link), QStringLiteral("a"));
        EXPECT_EQ(trimmedText(link), QString::fromUtf8(days[n - 1]));
    }
    const GumboNode* table = page.byId(QStringLiteral("iCalendar_Table"));
    ASSERT_EQ(PageTree::childTags(table), QStringList({"colgroup", "thead", "tbody"}));
    EXPECT_TRUE(hidden(PageTree::elementChildren(PageTree::elementChildren(table)[1])[0]));
    EXPECT_EQ(PageTree::elementChildren(table)[2], page.byId(QStringLiteral("iTBody")));

    const GumboNode* data = page.byId(QStringLiteral("FXecodata"));
    EXPECT_TRUE(hidden(data));
    const GumboNode* header = PageTree::elementChildren(PageTree::elementChildren(data)[1])[0];
    EXPECT_EQ(PageTree::attribute(header, "class"), QStringLiteral("bg666"));
    QStringList headings;
    for (const GumboNode* cell : PageTree::elementChildren(header)) headings << trimmedText(cell);
    EXPECT_EQ(headings, QStringList({"时间", "", "重要", "提醒"}));

    const GumboNode* tabcontent2 = page.byId(QStringLiteral("tabcontent2"));
    QStringList tables;
    for (const GumboNode* t : PageTree::elementChildren(tabcontent2)) tables << PageTree::attribute(t, "id");
    EXPECT_EQ(tables, QStringList({"iFXCalevent", "FXecodata", "iCalendar_Table"}));
}

TEST(MainPage, QuoteCentreHasCaptionHeadingsAndItsCollapsedForm) {
    const PageTree& page = mainPage();
    const GumboNode* panel = page.byId(QStringLiteral("quotacenter"));
    EXPECT_EQ(PageTree::attribute(panel, "class"), QStringLiteral("right_main"));
    const auto parts = PageTree::elementChildren(panel);
    ASSERT_EQ(parts.size(), 3u);
    // The first div is the table area that collapsing hides; the toggle stays outside it.
    EXPECT_EQ(PageTree::tag(parts[0]), QStringLiteral("div"));
    EXPECT_EQ(page.byId(QStringLiteral("QuoteList"))->parent, parts[0]);
    EXPECT_EQ(parts[1], page.byId(QStringLiteral("quotascroll")));
    EXPECT_TRUE(hidden(parts[1]));
    EXPECT_EQ(parts[2], page.byId(QStringLiteral("quota_control")));
    EXPECT_EQ(trimmedText(parts[2]), QStringLiteral("展开收起"));

    const GumboNode* list = page.byId(QStringLiteral("QuoteList"));
    ASSERT_EQ(PageTree::childTags(list), QStringList({"thead", "tbody"}));
    EXPECT_EQ(trimmedText(PageTree::elementChildren(list)[0]), QStringLiteral("行情中心"));
    // Row 0 of the body section is the headings row, so dragged rows stay below it.
    const GumboNode* headings = PageTree::elementChildren(PageTree::elementChildren(list)[1])[0];
    EXPECT_EQ(headings, page.byId(QStringLiteral("iTrFirst")));
    EXPECT_EQ(PageTree::attribute(headings, "class"), QStringLiteral("th"));
    QStringList cells;
    for (const GumboNode* cell : PageTree::elementChildren(headings)) cells << trimmedText(cell);
    EXPECT_EQ(cells, QStringList({"商 品", "卖 出", "买 入"}));
}

TEST(MainPage, HeaderStartsLoggedOutWithTheWindowButtonsMapped) {
    const PageTree& page = mainPage();
    for (const char* shown : {"load_zep", "registe_zep", "set_coloum"}) {
        EXPECT_FALSE(hidden(page.byId(QString::fromLatin1(shown)))) << shown;
    }
    for (const char* notYet : {"nickname", "quit"})
        EXPECT_TRUE(hidden(page.byId(QString::fromLatin1(notYet)))) << notYet;
    EXPECT_EQ(trimmedText(page.byId(QStringLiteral("can_move"))), QString());

    const GumboNode* strip = page.byId(QStringLiteral("switch"));
    EXPECT_EQ(PageTree::attribute(strip, "src"), QStringLiteral("control.png"));
    EXPECT_EQ(PageTree::attribute(strip, "usemap"), QStringLiteral("#Map"));
    const std::pair<const char*, const char*> areas[] = {{"zep_about", "10,2,30,32"},
                                                         {"zep_min", "35,2,69,32"},
                                                         {"zep_max", "70,2,107,32"},
                                                         {"zep_close", "110,2,143,32"}};
    for (const auto& [id, coords] : areas) {
        const GumboNode* area = page.byId(QString::fromLatin1(id));
        EXPECT_EQ(area->parent, page.byId(QStringLiteral("Map")));
        EXPECT_EQ(PageTree::attribute(area, "coords"), QString::fromLatin1(coords)) << id;
    }
    EXPECT_EQ(PageTree::attribute(page.byId(QStringLiteral("zep_max")), "title"), QStringLiteral("最大化"));

    QStringList tabs;
    for (const char* id : {"iAll", "iFXCalendar", "prof_tactics", "iCLRefer", "iNewsReport", "iqingxu", "feedback"}) {
        tabs << trimmedText(page.byId(QString::fromLatin1(id)));
    }
    EXPECT_EQ(tabs,
              QStringList({"资讯汇总", "财经日历", "每日专业策略", "策略参考", "要闻简报", "情绪墙", "意见反馈"}));
}

TEST(MainPage, PanesStartHidden) {
    for (const char* pane : {"mydata", "register_page", "info_page", "retrieve_page", "iDivCLRefer", "iDivNewsReport",
                             "iprof_tactics", "iFXCal", "iallnews"}) {
        const GumboNode* node = mainPage().byId(QString::fromLatin1(pane));
        EXPECT_TRUE(hidden(node)) << pane;
        EXPECT_EQ(node->parent, mainPage().byId(QStringLiteral("contentarea"))) << pane;
    }
}

TEST(PopupPage, HasItsCaptionBodyAndLinks) {
    const PageTree& page = popupPage();
    EXPECT_EQ(PageTree::attribute(page.byId(QStringLiteral("popupWin")), "class"), QStringLiteral("popup"));
    const GumboNode* caption = page.byId(QStringLiteral("popupWin_CaptionText"));
    EXPECT_EQ(PageTree::attribute(caption, "class"), QStringLiteral("popupCaptionText"));
    EXPECT_EQ(trimmedText(caption), QStringLiteral("Quenra极速版速递"));
    const GumboNode* close = page.byId(QStringLiteral("popupWin_CloseButton"));
    EXPECT_EQ(PageTree::attribute(close, "src"), QStringLiteral("bt01_normal.gif"));
    EXPECT_EQ(PageTree::attribute(close, "class"), QStringLiteral("popupButton"));
    const GumboNode* more = page.byId(QStringLiteral("popupWin_LinkMore"));
    EXPECT_EQ(trimmedText(more), QStringLiteral("更多..."));
    EXPECT_EQ(PageTree::attribute(more, "class"), QStringLiteral("popupText"));
    EXPECT_TRUE(hidden(page.byId(QStringLiteral("popupWin_iLink"))));
    EXPECT_EQ(page.byId(QStringLiteral("popupWin_Table"))->parent, page.byId(QStringLiteral("popupWin_BodyText")));
    EXPECT_TRUE(
        pageText("iPopup.htm").contains(QRegularExpression(QStringLiteral("\\.popup\\s*\\{[^}]*\\bwidth:\\s*280px"))));
}

TEST(Pages, CallTheirScriptsAndShareKeyDown) {
    const QString main = pageText("ruzezaro.htm");
    for (const char* fn :
         {"function compareTRs(", "function sortTable(", "function GetObj(", "function findDimensions("}) {
        EXPECT_TRUE(main.contains(QString::fromLatin1(fn))) << fn;
    }
    const QString shared = pageText("common.js");
    EXPECT_TRUE(shared.contains(QStringLiteral("function KeyDown(")));
    EXPECT_TRUE(shared.contains(QStringLiteral("Element.prototype.fireEvent")));
    for (const char* name : {"ruzezaro.htm", "iPopup.htm"}) {
        const QString text = pageText(name);
        EXPECT_TRUE(text.contains(QStringLiteral("src=\"common.js\""))) << name;
        EXPECT_TRUE(text.contains(QStringLiteral("onkeydown=\"return KeyDown(event)\""))) << name;
    }
    EXPECT_TRUE(main.contains(QStringLiteral("onselectstart=\"return false\"")));
}

TEST(Pages, EveryReferencedFileIsEmbedded) {
    const ResourceStore store;
    const QRegularExpression reference(QStringLiteral("(?:src|href)=\"([^\"]+)\"|url\\(([^)]+)\\)"));
    for (const char* name : {"ruzezaro.htm", "iPopup.htm", "public.css"}) {
        auto it = reference.globalMatch(pageText(name));
        while (it.hasNext()) {
            const auto m = it.next();
            const QString target = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
            if (target.startsWith(u"http://") || target.startsWith(u"javascript:") || target.startsWith(u'#')) continue;
            EXPECT_TRUE(store.find(target)) << name << " names " << target.toStdString();
        }
    }
}

TEST(StyleSheet, DefinesEveryClassTheProgramSets) {
    const QString css = pageText("public.css");
    for (const char* cls : {"bg8fc", "bgccc", "bg666", "red", "right_main", "right_col", "popupText", "popupTextHover",
                            "fina704", "new_news", "main_list_date", "main_list_text", "fina_list_impot"}) {
        const QRegularExpression rule(QStringLiteral("\\.%1\\b[^{}]*\\{").arg(QString::fromLatin1(cls)));
        EXPECT_TRUE(css.contains(rule)) << cls;
    }
    EXPECT_TRUE(css.contains(QRegularExpression(QStringLiteral("\\.bg8fc\\s*\\{[^}]*#e7f1ff"))));
    EXPECT_TRUE(css.contains(QRegularExpression(QStringLiteral("\\.bgccc\\s*\\{[^}]*#d5dce6"))));
}
