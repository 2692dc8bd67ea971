// Events, bound handlers, the inline-script interpreter, user clicks and the page sort.
#include "DomTestUtil.h"
#include "platform/dom/LocaleCompare.h"

using namespace dom;
using domtest::CountingHandler;
using domtest::rowTexts;
using domtest::S;

TEST(DomEvents, FireEventReachesOnlyTheBoundHandler) {
    auto d = Document::parse(S("<div id=a><span id=b style='display:none'>x</span></div>"));
    Element* e = d->getElementById(S("b"));
    // Without a handler: nothing happens.
    const QString before = d->serialize();
    EXPECT_FALSE(e->fireEvent(S("onclick")));
    e->click();
    EXPECT_EQ(d->serialize(), before);
    EXPECT_TRUE(d->takeOps().empty());
    auto parent = std::make_shared<CountingHandler>();
    d->getElementById(S("a"))->setHandler(S("onclick"), parent);
    auto h = std::make_shared<CountingHandler>();
    e->setHandler(S("onclick"), h);
    EXPECT_TRUE(e->fireEvent(S("onclick")));
    EXPECT_TRUE(e->fireEvent(S("click")));
    EXPECT_TRUE(e->fireEvent(S("onClick")));
    EXPECT_FALSE(e->fireEvent(S("onmousedown")));
    EXPECT_EQ(h->calls, 3);
    EXPECT_EQ(parent->calls, 0); // fired events do not bubble
    EXPECT_EQ(e->handler(S("ONCLICK")), h);
    // A second binding replaces the first; a null one removes it.
    auto h2 = std::make_shared<CountingHandler>();
    e->setHandler(S("onclick"), h2);
    e->fireEvent(S("onclick"));
    EXPECT_EQ(h->calls, 3);
    EXPECT_EQ(h2->calls, 1);
    e->setHandler(S("onclick"), nullptr);
    EXPECT_FALSE(e->fireEvent(S("onclick")));
}

TEST(DomScript, UnknownAndBrokenStatementsAreIgnored) {
    auto d = Document::parse(S("<div id=a>x</div><div id=b>y</div>"));
    Element* a = d->getElementById(S("a"));
    for (const char* s : {"alert('x')", "a.innerText=", "a.innerText='unterminated", "nosuch.innerText='z'",
                          "a.fireEvent(", "a.innerText = b.innerText", "(((", "';;;'", "a.b.c.d='e'",
                          "this.className=1", "", ";;;", "\\", "javascript:", "return false;a.innerText='never'",
                          "sortTable()", "sortTable('nosuch')", "a.fireEvent('onclick')"})
        d->runScript(a, S(s));
    EXPECT_EQ(a->innerText(), S("x"));
    d->runScript(a, S("javascript:a.innerText='it\\'s';B.innerText=\"t\\u00e9\";this.className='k'; return true"));
    EXPECT_EQ(a->innerText(), S("it's"));
    EXPECT_EQ(d->getElementById(S("b"))->innerText(), S("té"));
    EXPECT_EQ(a->className(), S("k"));
    d->runScript(a, S("a.style.display='none'"));
    EXPECT_EQ(a->style(S("display")), S("none"));
}

TEST(DomScript, SelfFiringScriptsStopAtTheNestingLimit) {
    auto d = Document::parse(S("<div id=a onclick=\"a.fireEvent('onclick')\">x</div>"));
    Element* a = d->getElementById(S("a"));
    auto handler = std::make_shared<CountingHandler>();
    a->setHandler(S("onclick"), handler);
    a->fireEvent(S("onclick"));
    // Each round is a fired event and the script it runs: two levels.
    EXPECT_EQ(handler->calls, Document::MaxScriptNesting / 2);
    handler->calls = 0;
    a->click(); // the user's click nests the same way
    EXPECT_GT(handler->calls, 1);
    EXPECT_LE(handler->calls, Document::MaxScriptNesting / 2);
}

TEST(DomUserEvent, BubblesToAncestorsAndDocumentUnlessTheControlIsDisabled) {
    auto d = Document::parse(domtest::mainPage());
    std::vector<QString> order;
    Element* tbody = d->getElementById(S("iTBody"));
    d->setHandler(S("onclick"), std::make_shared<CountingHandler>([&] { order.push_back(S("doc")); }));
    tbody->insertRow(-1)->insertCell(-1)->setInnerHTML(S("<INPUT style='cursor:pointer' type=checkbox id='w_3_chk1' "
                                                         "CHECKED ><INPUT type=radio id='w_1_chk1'  Disabled >"));
    Element* box = d->getElementById(S("w_3_chk1"));
    bool checkedSeen = true;
    tbody->setHandler(S("onclick"), std::make_shared<CountingHandler>([&] {
                          order.push_back(S("tbody"));
                          checkedSeen = d->activeElement()->checked();
                          EXPECT_EQ(d->activeElement()->id(), S("w_3_chk1"));
                      }));
    d->getElementById(S("w_1_chk1"))->click();
    EXPECT_TRUE(order.empty()); // a disabled control gets nothing
    EXPECT_FALSE(d->getElementById(S("w_1_chk1"))->checked());
    box->click();
    EXPECT_EQ(order, (std::vector<QString>{S("tbody"), S("doc")}));
    EXPECT_FALSE(checkedSeen); // toggled before the handlers ran
    EXPECT_FALSE(box->checked());
    box->click();
    EXPECT_TRUE(box->checked());
}

TEST(DomUserEvent, ActiveElementIsTheClickedCellOrItsLink) {
    auto d = Document::parse(S(
        "<table><tr id=r><td id=c>EURUSD</td><td><a id=a href='http://x/'><font id=f>go</font></a></td></tr></table>"));
    d->dispatchUserEvent(d->getElementById(S("c")), S("onmousedown"));
    EXPECT_EQ(d->activeElement()->id(), S("c"));
    EXPECT_EQ(d->activeElement()->parentElement()->id(), S("r")); // downtomove's row
    d->getElementById(S("f"))->click();
    EXPECT_EQ(d->activeElement()->tagName(), S("A"));
    d->setActiveElement(nullptr);
    EXPECT_EQ(d->activeElement(), d->body());
}

TEST(DomSort, LocaleCompareOrdersTimesAndChinese) {
    // Times among themselves and the header after them: the sorts below.
    EXPECT_GT(LocaleCompare::compare(S("时间"), S("99/99 99:99")), 0);
    EXPECT_LT(LocaleCompare::compare(S("时间"), S("时间a")), 0);
    EXPECT_LT(LocaleCompare::compare(S("a"), S("B")), 0);                    // not code-point order
    EXPECT_LT(LocaleCompare::compare(S("a"), S("A")), 0);                    // ICU tertiary: lower first
    EXPECT_GT(LocaleCompare::compare(S("12/06 9:00"), S("12/06 10:00")), 0); // text, not numbers
    EXPECT_LT(LocaleCompare::compare(S(""), S("0")), 0);
    // Chromium's default ("en"): Latin before Han; with zh-CN: Han before Latin. Digits
    // come before Han in both (checked against QtWebEngine's Chromium).
    EXPECT_LT(LocaleCompare::compare(S("zz"), S("时间")), 0);
    const QLocale saved = LocaleCompare::locale();
    LocaleCompare::setLocale(QLocale(QLocale::Chinese, QLocale::China));
    EXPECT_GT(LocaleCompare::compare(S("zz"), S("时间")), 0);
    EXPECT_LT(LocaleCompare::compare(S("12/06 08:00"), S("时间")), 0);
    LocaleCompare::setLocale(saved);
    EXPECT_LT(LocaleCompare::compare(S("zz"), S("时间")), 0);
}

// A sorted list that gains a row and one in no order at all end the same way: descending,
// equal times in their order.
TEST(DomSort, AListInAnyOrderSortsStably) {
    for (const bool sortedBefore : {true, false}) {
        QString html = S("<table id=t>");
        for (int i = 0; i < 12; ++i) {
            const int hour = sortedBefore ? 20 - i / 2 : 9 + (i * 5) % 12;
            html += S("<tr><td>12/06 %1:00</td><td>%2</td></tr>").arg(hour, 2, 10, QChar(u'0')).arg(i);
        }
        auto d = Document::parse(html + S("</table>"));
        Element* t = d->getElementById(S("t"));
        Element* added = t->insertRow(0);
        added->insertCell()->setInnerText(S("12/06 15:00"));
        added->insertCell()->setInnerText(S("new"));
        const auto rows = [t] {
            QStringList out;
            for (const Element* r : t->rows()) out << r->cells()[0]->innerText() + u'/' + r->cells()[1]->innerText();
            return out;
        };
        QStringList expected = rows();
        std::stable_sort(expected.begin(), expected.end(),
                         [](const QString& a, const QString& b) { return a.left(11) > b.left(11); });
        d->sortTable(S("t"));
        EXPECT_EQ(rows(), expected) << (sortedBefore ? "sorted before" : "no order");
    }
}

TEST(DomSort, ClickOnTheSortHeaderRunsSortTable) {
    auto d = Document::parse(domtest::mainPage());
    Element* t = d->getElementById(S("firstpage_table"));
    for (const char* time : {"12/06 10:00", "12/06 07:00", "12/06 11:00"})
        t->insertRow(-1)->insertCell()->setInnerText(S(time));
    d->takeOps();
    d->getElementById(S("iAllSort"))->fireEvent(S("onclick"));
    EXPECT_EQ(rowTexts(t), (QStringList{S("时间"), S("12/06 11:00"), S("12/06 10:00"), S("12/06 07:00")}));
    const auto ops = d->takeOps();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].kind, Op::Kind::Order);
    EXPECT_EQ(ops[0].parent, t->tBody()->nodeId());
    // Already sorted: nothing changes, nothing is journaled.
    d->getElementById(S("iAllSort"))->click();
    EXPECT_TRUE(d->takeOps().empty());
}

TEST(DomSort, RowsWithoutCellsAndWhitespaceNodes) {
    auto d = Document::parse(
        S("<table id=t>\n<tbody>\n<tr><td>1</td></tr>\n<tr></tr>\n<tr><td>3</td></tr>\n</tbody></table>"));
    d->sortTable(S("t"));
    Element* b = d->getElementById(S("t"))->tBody();
    // Rows re-appended after the other child nodes, as through a fragment.
    EXPECT_EQ(b->innerHTML(), S("\n\n\n\n<tr><td>3</td></tr><tr><td>1</td></tr><tr></tr>"));
}
