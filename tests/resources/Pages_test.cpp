#include "PageTree.h"
#include "platform/res/ResourceStore.h"
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString pageText(const char* name) { return ResourceStore().find(QString::fromLatin1(name))->text(); }

} // namespace

// Every id the program looks up: the bindings, the account panel, the news list and panes,
// the calendar, the quote centre and the popup. The main page's panes start hidden.
TEST(Pages, HoldEveryIdTheProgramUsesExactlyOnceAndThePanesStartHidden) {
    const PageTree mainPage(pageText("ruzezaro.htm"));
    const auto expectOnce = [](const PageTree& page, const char* ids) {
        for (const QString& id : QString::fromLatin1(ids).split(u' '))
            EXPECT_EQ(page.byId(id).size(), 1u) << id.toStdString();
    };
    expectOnce(mainPage, "Achange quit news_item set_coloum load_zep registe_zep nickname can_move zep_min zep_max "
                         "iqingxu feedback zep_close zep_about iCLRefer iNewsReport prof_tactics iAll quota_control "
                         "iFXCalendar week1 week2 week3 week4 week5 iTBody control_righttop mydata register_page "
                         "info_page retrieve_page switch Map firstpage_table iAllSort iallnews tabcontent1 "
                         "tabcontent2 iDivCLRefer iDivNewsReport iprof_tactics iFXCal iFXCalevent FXecodata "
                         "iCalendar_Table contentarea quotacenter QuoteList iTrFirst quotascroll");
    expectOnce(PageTree(pageText("iPopup.htm")),
               "mBody popupWin popupWin_CaptionText popupWin_CloseButton popupWin_BodyText "
               "popupWin_Table iBottom popupWin_LinkMore popupWin_iLink");

    for (const char* pane : {"mydata", "register_page", "info_page", "retrieve_page", "iDivCLRefer", "iDivNewsReport",
                             "iprof_tactics", "iFXCal", "iallnews"}) {
        const GumboNode* node = mainPage.byId(QString::fromLatin1(pane)).at(0);
        EXPECT_TRUE(PageTree::attribute(node, "style").remove(u' ').contains(QStringLiteral("display:none"))) << pane;
        EXPECT_EQ(node->parent, mainPage.byId(QStringLiteral("contentarea")).at(0)) << pane;
    }
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
}
