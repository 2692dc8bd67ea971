// The program's changes to a page's model reach the real page: after each step of a
// sequence like the program's, the real page's markup is the model's; the page's own sort
// orders as the model's; sizes follow the page's layout.
#include "BrowserTesting.h"
#include "WebPageServer.h"
#include "mainwindow/NewsRow.h"
#include <set>

using namespace browsertest;
using dom::Element;

namespace {

class Projection : public PageFixture {
protected:
    // A news row as the news list adds it: time cell, then a cell with a generated link.
    void addNews(const QString& time, const QString& title, int id) {
        NewsRow::add(*byId("firstpage_table"), time, title,
                     S("http://web.test/datatransfer/rapidnews?news_id=") + QString::number(id));
    }

    QStringList pageChecks() const {
        return runJs(page(), S("Array.prototype.map.call(document.getElementsByTagName('input'), function (i) {"
                               " return i.id + '=' + i.checked; })"))
            .toStringList();
    }
    QStringList modelChecks() const {
        QStringList out;
        for (const Element* i : doc().getElementsByTagName(S("input")))
            out << i->id() + (i->checked() ? S("=true") : S("=false"));
        return out;
    }
};

} // namespace

TEST_F(Projection, MainPageFollowsTheProgramsChangesStepByStep) {
    // Changes made before the page has loaded wait for it.
    ASSERT_NO_FATAL_FAILURE(open(S("ruzezaro.htm"), QSize(1100, 720), plat::WindowKind::Main,
                                 [this] { byId("set_coloum")->setTitle(S("设置")); }));
    ASSERT_TRUE(pageMatchesModel()) << "the page as loaded, with what its own scripts did";

    // The news pane: shown, rows inserted at the top, one deleted, then sorted by the
    // hidden header's click.
    byId("iallnews")->setStyle(S("display"), S(""));
    byId("firstpage_table")->setStyle(S("display"), S(""));
    addNews(S("08:01"), S("美联储&nbsp;维持利率不变"), 11);
    addNews(S("09:30"), S("欧元区 PMI <b>超预期</b>"), 12);
    addNews(S("07:15"), S("黄金 & 白银"), 13);
    addNews(S("09:30"), S("Same minute, later news"), 14);
    addNews(S(""), S("no time"), 15);
    byId("firstpage_table")->deleteRow(2);
    ASSERT_TRUE(pageMatchesModel()) << "rows, styles, texts, links";
    byId("iAllSort")->click();
    ASSERT_TRUE(pageMatchesModel()) << "the model's sort";
    EXPECT_EQ(runJs(page(), S("(function () { var b = GetObj('firstpage_table').tBodies[0], before = b.innerHTML;"
                              " sortTable('firstpage_table'); return b.innerHTML === before; })()"))
                  .toBool(),
              true)
        << "the page's own sort of the model's order changes nothing";
    ASSERT_TRUE(pageMatchesModel());

    // The quote center: rows with alternating classes, one moved, one deleted.
    Element* quotes = byId("QuoteList");
    for (int i = 0; i < 4; ++i) {
        Element* r = quotes->insertRow(-1);
        r->setTitle(S("点击拖动排列"));
        r->setClassName(i % 2 ? S("bgccc") : S("bg8fc"));
        for (const char* cell : {"EURUSD", "1.0841", "1.0843"}) r->insertCell()->setInnerText(S(cell));
    }
    quotes->moveRow(4, 2);
    quotes->tBody()->deleteRow(3);
    ASSERT_TRUE(pageMatchesModel()) << "rows moved and deleted";
    saveScreenshot(S("qt_browser_main_news.png"));

    // The calendar: the body filled with a table fragment with check boxes, one unchecked.
    byId("iallnews")->setStyle(S("display"), S("none"));
    byId("iFXCal")->setStyle(S("display"), S(""));
    byId("FXecodata")->setStyle(S("display"), S(""));
    byId("iTBody")->setInnerHTML(
        S("<tr><td>08:30</td><td>非农就业<img src='ldata.gif'></td><td class=red>高</td>"
          "<td><INPUT style='cursor:pointer' type=checkbox id='w_1_chk0' CHECKED ></td></tr>"
          "<tr><td>10:00</td><td><table><tr><td>前值</td><td>预期</td></tr></table></td><td>中</td>"
          "<td><INPUT style='cursor:pointer' type=checkbox id='w_1_chk1' ></td></tr>"));
    byId("w_1_chk0")->setChecked(false);
    byId("w_1_chk1")->setChecked(true);
    byId("iFXCalevent")->rows()[0]->cells()[0]->setInnerHTML(S("<table><tr><td>今日</td></tr></table><p>重要事件"));
    ASSERT_TRUE(pageMatchesModel()) << "table fragments";
    EXPECT_TRUE(waitUntil([&] { return pageChecks() == modelChecks(); })) << pageChecks().join(' ').toStdString();

    // The header: account links, the maximise button, the tab colours; an attribute removed;
    // the quote center collapsed.
    byId("load_zep")->setStyle(S("display"), S("none"));
    byId("nickname")->setStyle(S("display"), S(""));
    byId("nickname")->setInnerText(S("demo@quenra.test"));
    byId("zep_max")->setTitle(S("还原"));
    byId("switch")->setAttribute(S("src"), S("2x.png"));
    byId("iFXCalendar")->setStyle(S("background-color"), S("#0077de"));
    byId("iFXCalendar")->setStyle(S("color"), S("#FFFFFF"));
    byId("footer")->removeAttribute(S("id"));
    byId("quotacenter")->setClassName(S("right_main right_col"));
    byId("contentarea")->setStyle(S("margin-right"), S("40px"));
    ASSERT_TRUE(pageMatchesModel()) << "styles, titles, attributes";

    // The page's own scripts change it too: texts, markup, attributes, an order.
    runJs(page(), S("GetObj('nickname').innerText = '第一行\\n第二行'; GetObj('quit').textContent = '退出登录';"
                    " GetObj('zep_min').removeAttribute('title'); var b = GetObj('QuoteList').tBodies[0];"
                    " b.appendChild(b.rows[1]);"));
    ASSERT_TRUE(pageMatchesModel()) << "the page's own changes, taken into the model";
    EXPECT_EQ(byId("nickname")->innerHTML(), S("第一行<br>第二行"));
    saveScreenshot(S("qt_browser_main_calendar.png"));

    // A resize: the page's own layout handlers set the panes' heights while the program sets
    // one of them too; the body's client height follows the view.
    window->widget()->resize(1100, 800);
    browser->setGeometry(QRect(0, 0, 1100, 800));
    byId("tabcontent2")->setStyle(S("height"), S("650px"));
    EXPECT_TRUE(waitUntil([&] { return doc().body()->clientHeight() == 800; })) << doc().body()->clientHeight();
    EXPECT_TRUE(pageMatchesModel()) << "the layout handlers' heights and the program's";
}

// Every kind of op the journal has reaches the real page through the page's applier; the
// fixture fails on any batch the applier could not apply whole.
TEST_F(Projection, EveryKindOfOpIsAppliedOnThePage) {
    ASSERT_NO_FATAL_FAILURE(open(S("ruzezaro.htm"), QSize(1100, 720)));
    std::set<dom::Op::Kind> sent;
    const auto step = [&](const char* what, const std::function<void()>& change) {
        change();
        for (const dom::Op& op : doc().journal().pending()) sent.insert(op.kind);
        EXPECT_TRUE(pageMatchesModel()) << what;
    };
    Element* quotes = byId("QuoteList");
    step("attr", [&] { byId("zep_max")->setTitle(S("还原")); });
    step("rmattr", [&] { byId("zep_min")->removeAttribute(S("title")); });
    step("style", [&] { byId("iallnews")->setStyle(S("display"), S("")); });
    step("text", [&] { byId("nickname")->setInnerText(S("demo@quenra.test")); });
    step("html",
         [&] { byId("iTBody")->setInnerHTML(S("<tr><td>08:30</td><td><input type=checkbox id=c1></td></tr>")); });
    step("insert", [&] {
        for (const char* symbol : {"EURUSD", "USDJPY", "XAUUSD"})
            quotes->insertRow(-1)->insertCell()->setInnerText(S(symbol));
    });
    step("move", [&] { quotes->moveRow(3, 1); });
    step("order", [&] {
        for (const char* time : {"08:01", "09:30", "07:15"})
            byId("firstpage_table")->insertRow(1)->insertCell()->setInnerText(S(time));
        byId("iAllSort")->click();
    });
    step("checked", [&] { byId("c1")->setChecked(true); });
    step("remove, forget", [&] {
        quotes->deleteRow(1);
        doc().collectGarbage();
    });
    EXPECT_TRUE(waitUntil([&] { return pageChecks() == modelChecks(); })) << pageChecks().join(' ').toStdString();
    EXPECT_EQ(sent.size(), 11u) << "a kind of op left out";
}

// A read answers at once what the page reported last; the page's new sizes follow its
// layout of the turn's batch and are told in a turn of their own.
TEST_F(Projection, SizesAreReadWithoutWaitingAndToldWhenTheyChange) {
    ASSERT_NO_FATAL_FAILURE(open(S("iPopup.htm"), QSize(282, 320), plat::WindowKind::Popup));
    int told = 0;
    bool reading = false;
    browser->onSizesChanged = [&] {
        EXPECT_FALSE(reading) << "told inside a read";
        ++told;
    };
    const auto pageSize = [&](const char* js) { return runJs(page(), S(js)).toInt(); };
    Element* box = byId("popupWin");
    EXPECT_EQ(box->offsetWidth(), 282) << "watched from the start";
    EXPECT_EQ(box->offsetHeight(), pageSize("popupWin.offsetHeight"));
    Element* table = byId("popupWin_Table");
    told = 0;
    table->offsetHeight(); // an element read for the first time is watched from then on
    ASSERT_TRUE(waitUntil([&] { return told > 0; })) << "its first report";
    const int before = table->offsetHeight();
    EXPECT_EQ(before, pageSize("popupWin_Table.offsetHeight"));
    told = 0;

    for (int i = 0; i < 3; ++i) {
        Element* cell = table->insertRow(0)->insertCell();
        cell->setAttribute(S("valign"), S("middle"));
        cell->setInnerHTML(S("<span>09:3") + QString::number(i) + S("&nbsp;非农数据公布，美元走强</span>"));
    }
    reading = true;
    EXPECT_EQ(table->offsetHeight(), before) << "the last size, while the rows are on their way";
    reading = false;
    EXPECT_EQ(told, 0);
    ASSERT_TRUE(waitUntil([&] { return told > 0 && table->offsetHeight() != before; }));
    EXPECT_EQ(table->offsetHeight(), pageSize("popupWin_Table.offsetHeight"));
    EXPECT_GT(table->offsetHeight(), before);
    EXPECT_EQ(doc().body()->clientHeight(), pageSize("document.body.clientHeight"));

    // A change that moves nothing: nothing is told, the last sizes stay.
    ASSERT_TRUE(waitUntil([&] { return browser->pageUpToDate(); }));
    const int after = table->offsetHeight();
    told = 0;
    table->rows()[0]->setAttribute(S("title"), S("unchanged size"));
    ASSERT_TRUE(waitUntil([&] { return browser->pageUpToDate(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(table->offsetHeight(), after);
    EXPECT_EQ(told, 0);
    saveScreenshot(S("qt_browser_popup_page.png"));
}

// A batch of 1,000 ops is applied whole, and the table's size follows. (How long that takes:
// bench_news_page_bench.)
TEST_F(Projection, ThousandOpBatchIsAppliedAndAcknowledged) {
    ASSERT_NO_FATAL_FAILURE(open(S("ruzezaro.htm"), QSize(1100, 720)));
    byId("iallnews")->setStyle(S("display"), S(""));
    byId("firstpage_table")->setStyle(S("display"), S(""));
    pageMatchesModel();
    for (int round = 0; round < 2; ++round) {
        Element* t = byId("firstpage_table");
        for (int i = 0; i < 250; ++i) {
            Element* c = t->insertRow(1)->insertCell();              // insert, insert
            c->setInnerText(S("%1 行情快讯").arg(round * 1000 + i)); // text
            c->setStyle(S("padding-left"), S("18px"));               // style
        }
        ASSERT_EQ(doc().journal().size(), 1000u);
        t->offsetHeight(); // watched from the first read
        ASSERT_TRUE(waitUntil([&] { return browser->pageUpToDate(); }));
        const int height = runJs(page(), S("GetObj('firstpage_table').offsetHeight")).toInt();
        EXPECT_TRUE(waitUntil([&] { return t->offsetHeight() == height; })) << t->offsetHeight() << " " << height;
        for (int i = 0; i < 250; ++i) t->deleteRow(1);
        ASSERT_TRUE(pageMatchesModel());
    }
}

TEST_F(Projection, WebPageHasAnEmptyModelAndReportsItsSize) {
    WebPageServer server("<!DOCTYPE html><html><body style='margin:0'><div style='height:1234px'>article</div>"
                         "<a id=next href='/next.htm'>next</a></body></html>");
    ASSERT_NO_FATAL_FAILURE(open(server.url("/article.htm"), QSize(900, 600)));
    EXPECT_EQ(doc().serialize(), S("<html><head></head><body></body></html>"));
    const int height = runJs(page(), S("document.body.clientHeight")).toInt();
    EXPECT_GT(height, 1234);
    EXPECT_TRUE(waitUntil([&] { return doc().body()->clientHeight() == height; })) << doc().body()->clientHeight();
    doc().body()->setAttribute(S("scroll"), S("no")); // nothing of a web page's model goes to the page
    runJs(page(), S("document.getElementById('next').click()"));
    EXPECT_TRUE(waitUntil([&] { return completed.size() == 2; })) << "a link followed inside a web page";
    EXPECT_EQ(completed.value(1), server.url("/next.htm") + S(" top"));
    EXPECT_EQ(browser->locationUrl(), server.url("/next.htm"));
}
