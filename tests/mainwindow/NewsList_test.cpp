#include "MainWindowFixture.h"
#include "mainwindow/SeenFlashes.h"
#include "dialogs/IE_frm.h"
#include "notify/frmPopUp.h"
#include "platform/browser/Browser.h"

namespace {

struct News : MainWindowFixture {
    void SetUp() override {
        startWithController();
        completeNavigation();
    }
    void flash(const QString& time, const QString& title, int32_t id = 0, uint8_t flag = '0') {
        ctx().pushSink->Get_allMsg("1 0", time, title, id, flag);
    }
    // The news rows, newest first, below the hidden header row.
    std::vector<dom::Element*> rows() {
        std::vector<dom::Element*> all = el("firstpage_table").rows();
        return std::vector<dom::Element*>(all.begin() + 1, all.end());
    }
    QStringList times() {
        QStringList out;
        for (dom::Element* r : rows()) out << r->cells()[0]->innerText();
        return out;
    }
    dom::Element& titleCell(int row) { return *rows()[row]->cells()[1]; }
    // The rows of the notification popup's table, newest first.
    std::vector<dom::Element*> popupRows() {
        if (!ctx().popup) return {};
        return ctx().popup->WebBrowser()->document()->getElementById("popupWin_Table")->rows();
    }
    static QString minute(int i) {
        const auto two = [](int n) { return QString::number(n).rightJustified(2, '0'); };
        return "01/08 " + two(9 + i / 60) + ':' + two(i % 60);
    }
};

// Each flash is listed once, newest first, and the list keeps the 299 newest.
TEST_F(News, EachFlashIsListedOnceNewestFirstAndTheListKeepsThe299Newest) {
    flash("01/08 09:05", "欧元区通胀");
    flash("01/08 09:01", "美国非农就业");
    flash("01/08 09:05", "欧元区通胀"); // again
    flash("", "无时间");
    flash("01/08 09:07", "");
    flash("01/08 09:01", "美国非农"); // shorter title, same minute: a flash of its own
    flash("01/08 09:03", "黄金");
    EXPECT_EQ(times(), QStringList({"01/08 09:05", "01/08 09:03", "01/08 09:01", "01/08 09:01"}));
    EXPECT_EQ(popupRows().size(), 4u);
    // The header row stays hidden; the table shows with its tab.
    EXPECT_EQ(el("firstpage_table").rows()[0]->parentElement()->style("display"), "none");

    for (int i = 0; i < 305; ++i) flash(minute(i), QString("快讯 %1").arg(i));
    EXPECT_EQ(el("firstpage_table").rows().size(), 300u);
    EXPECT_EQ(times().front(), minute(304));
    EXPECT_EQ(times().back(), minute(6));
}

// The list's rows and the popup's line link the article, each its own way.
TEST_F(News, RowsAndThePopupLineLinkToTheirArticle) {
    flash("01/08 09:00", "[短讯]美元走强");
    flash("01/08 09:01", "日元回落");
    flash("01/08 09:02", "英镑", 42, '0');
    flash("01/08 09:03", "[短讯]金价", 43, '1');

    // Newest first: 09:03 with its article, then plain titles in their colours.
    const auto links = titleCell(0).getElementsByTagName("a");
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links.front()->innerText(), "[短讯]金价");
    EXPECT_TRUE(titleCell(1).getElementsByTagName("a").empty()); // no article page
    EXPECT_EQ(titleCell(2).getElementsByTagName("font").front()->getAttribute("color"), "#000106");
    EXPECT_EQ(titleCell(3).getElementsByTagName("font").front()->getAttribute("color"), "#001885");

    // The link opens the article in the news window, below where the main window opened.
    links.front()->click();
    ASSERT_TRUE(ctx().ieFrm);
    EXPECT_TRUE(ctx().ieFrm->window().isVisible());
    EXPECT_EQ(ctx().ieFrm->window().geometry().topLeft(), QPoint(100, 60 + 1905 / 15));
    sim().loop.runPosted();
    EXPECT_EQ(ctx().ieFrm->WebBrowser1()->locationUrl(), "http://web.test/datatransfer/rapidnews?news_id=43");

    // The popup's line goes through the popup page's own link.
    ASSERT_EQ(popupRows().size(), 4u);
    dom::Element* span = popupRows()[0]->getElementsByTagName("span").front();
    EXPECT_EQ(span->getAttribute("style"), "background-color:#F2F2F2");
    EXPECT_EQ(span->getAttribute("onclick"),
              "popupWin_iLink.innerText='http://web.test/datatransfer/rapidnews?news_id=43';"
              "popupWin_iLink.fireEvent('onclick');");
    EXPECT_EQ(span->getAttribute("onmouseover"), "this.className='popupTextHover';");
    EXPECT_EQ(span->innerText(), QString("01/08 09:03") + QChar(0xA0) + "[短讯]金价");
}

TEST_F(News, TitlesFromTheNetworkStayText) {
    const QString title = "<img src=x onerror=alert(1)>\"引号\" & 'x' ~ 1|2";
    flash("01/08 09:00", title, 7, '1');
    flash("01/08 09:01", title);
    for (int row : {0, 1}) {
        EXPECT_TRUE(titleCell(row).getElementsByTagName("img").empty());
        EXPECT_EQ(titleCell(row).innerText(), title);
    }
    ASSERT_EQ(popupRows().size(), 2u);
    for (dom::Element* row : popupRows()) {
        EXPECT_TRUE(row->getElementsByTagName("img").empty());
        EXPECT_TRUE(row->innerText().endsWith(title));
    }
}

// A long run remembers only the latest flashes: a repeat of a recent one is still known, the
// oldest is forgotten, and the memory stays bounded.
TEST(SeenFlashesTest, RemembersTheLatestOnly) {
    SeenFlashes seen;
    for (std::size_t i = 0; i <= SeenFlashes::Capacity; ++i) seen.insert("01/08 09:00", QString::number(i));
    seen.insert("01/08 09:00", "5"); // again: no new entry
    EXPECT_EQ(seen.size(), SeenFlashes::Capacity);
    EXPECT_FALSE(seen.contains("01/08 09:00", "0"));
    EXPECT_TRUE(seen.contains("01/08 09:00", "1"));
    EXPECT_TRUE(seen.contains("01/08 09:00", QString::number(SeenFlashes::Capacity)));
}

} // namespace
