// The model on the real pages (resources/pages): the program's sequences on them,
// replayed on a copy as the browser side would.
#include "DomTestUtil.h"
#include "base/Cp936.h"
#include "mainwindow/NewsRow.h"
#include <QFile>

using namespace dom;
using domtest::CountingHandler;
using domtest::rowTexts;
using domtest::S;

namespace {

QString readPage(const char* name) {
    QFile f(QStringLiteral(ZEP_SOURCE_DIR "/resources/pages/") + QString::fromLatin1(name));
    if (!f.open(QIODevice::ReadOnly)) return QString();
    const QByteArray bytes = f.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
    return cp936::decode(bytes); // the GB2312 main page
}

// Get_allMsg's list row and the sort that follows it.
void addNews(Document& d, const QString& time, const QString& title, int id) {
    const QString address =
        id > 0 ? S("http://web.test/datatransfer/rapidnews?news_id=") + QString::number(id) : QString();
    NewsRow::add(*d.getElementById(S("firstpage_table")), time, title, address);
    d.getElementById(S("iAllSort"))->fireEvent(S("onclick"));
}

} // namespace

TEST(DomPages, NewsListNewestFirstUnderItsHiddenHeader) {
    const QString html = readPage("ruzezaro.htm");
    ASSERT_FALSE(html.isEmpty());
    domtest::expectReplayMatches(html, [](Document& d) {
        addNews(d, S("12/06 08:00"), S("美元指数走高"), 1);
        addNews(d, S("12/06 09:30"), S("[短讯]欧元区PMI"), 2);
        addNews(d, S("12/06 07:15"), S("黄金回落"), 0); // older, arriving late
        addNews(d, S("12/06 09:30"), S("同一时间"), 3);
        Element* t = d.getElementById(S("firstpage_table"));
        EXPECT_EQ(rowTexts(t),
                  (QStringList{S("时间"), S("12/06 09:30"), S("12/06 09:30"), S("12/06 08:00"), S("12/06 07:15")}));
        // Equal times keep their order after the sort: the newer insert (index 1) first.
        EXPECT_TRUE(t->rows()[1]->cells()[1]->innerText().contains(S("同一时间")));
        EXPECT_TRUE(t->rows()[0]->isHiddenInline());
        // The article link of a row reaches display_news through news_item.
        QString link;
        Element* item = d.getElementById(S("news_item"));
        item->setHandler(S("onclick"), std::make_shared<CountingHandler>([&] { link = item->innerText(); }));
        t->rows()[3]->cells()[1]->firstElementChild()->click();
        EXPECT_EQ(link, S("http://web.test/datatransfer/rapidnews?news_id=1"));
    });
}

TEST(DomPages, QuoteRowsAndDrag) {
    const QString html = readPage("ruzezaro.htm");
    ASSERT_FALSE(html.isEmpty());
    domtest::expectReplayMatches(html, [](Document& d) {
        Element* q = d.getElementById(S("QuoteList"));
        for (const char* sym : {"EURUSD", "USDJPY", "GBPUSD", "XAUUSD"}) {
            Element* r = q->insertRow(-1);
            r->setTitle(S("点击拖动排列"));
            r->setStyle(S("cursor"), S("default"));
            r->setClassName(q->rows()[q->rows().size() - 2]->className() == S("bg8fc") ? S("bgccc") : S("bg8fc"));
            r->insertCell()->setInnerText(S(sym));
            r->insertCell()->setId(S(sym) + S("p"));
            r->insertCell()->setId(S(sym) + S("l"));
        }
        Element* ask = d.getElementById(S("xauusdP"));
        ASSERT_NE(ask, nullptr);
        ask->setStyle(S("color"), S("#FF0000"));
        ask->setInnerText(S("2034.50"));
        // Drag XAUUSD above the headings: it goes first among the data rows.
        Element* row = ask->parentElement();
        d.dispatchUserEvent(row->cells()[0], S("onmousedown"));
        Element* active = d.activeElement();
        Element* dragged = active->is("tr") ? active : active->parentElement();
        EXPECT_EQ(dragged, row);
        Element* section = d.getElementById(S("iTrFirst"))->parentElement();
        const int from = dragged->rowIndex() - 1;
        const int to = std::clamp(from - 10, 1, static_cast<int>(section->rows().size()) - 1);
        EXPECT_EQ(section->moveRow(from, to), dragged);
        EXPECT_EQ(rowTexts(q).mid(1), (QStringList{S("商 品"), S("XAUUSD"), S("EURUSD"), S("USDJPY"), S("GBPUSD")}));
    });
}

TEST(DomPages, PopupRowsAndLinks) {
    const QString html = readPage("iPopup.htm");
    ASSERT_FALSE(html.isEmpty());
    domtest::expectReplayMatches(html, [](Document& d) {
        Element* t = d.getElementById(S("popupWin_Table"));
        ASSERT_NE(t, nullptr);
        QString clicked;
        Element* iLink = d.getElementById(S("popupWin_iLink"));
        iLink->setHandler(S("onclick"), std::make_shared<CountingHandler>([&] { clicked = iLink->innerText(); }));
        for (int i = 0; i < 12; ++i) {
            const QString part =
                S("<span style='background-color:#F2F2F2' onClick=\"popupWin_iLink.innerText='http://web.test/n?id=") +
                QString::number(i) +
                S("';popupWin_iLink.fireEvent('onclick');\" onMouseOver=\"this.className='popupTextHover';\" "
                  "onMouseOut=\"this.className='popupText';\">08:0") +
                QString::number(i % 10) + S("&nbsp;快讯</span>");
            if (t->innerHTML().contains(part, Qt::CaseInsensitive)) continue;
            Element* r = t->insertRow(t->rows().empty() ? -1 : 0);
            Element* c = r->insertCell();
            c->setAttribute(S("valign"), S("middle"));
            c->setInnerHTML(part);
            if (t->rows().size() >= 11) t->deleteRow(static_cast<int>(t->rows().size()) - 1);
        }
        EXPECT_EQ(t->rows().size(), 10u);
        t->rows()[0]->cells()[0]->firstElementChild()->click();
        EXPECT_EQ(clicked, S("http://web.test/n?id=11"));
        while (!t->rows().empty()) t->deleteRow(static_cast<int>(t->rows().size()) - 1);
    });
}
