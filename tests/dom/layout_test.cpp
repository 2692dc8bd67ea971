// Layout metrics: the plain provider and reported values.
#include "DomTestUtil.h"
#include "platform/dom/PlainLayout.h"
#include "platform/dom/ReportedLayout.h"

using namespace dom;
using domtest::S;

TEST(DomLayout, PlainBodyClientHeightIsTheViewport) {
    auto d = Document::parse(S("<div id=a>x</div>"));
    auto plain = std::make_shared<PlainLayout>();
    plain->setViewport(1024, 700);
    d->setMetrics(plain);
    EXPECT_EQ(d->body()->clientHeight(), 700);
    EXPECT_EQ(d->body()->clientWidth(), 1024);
    EXPECT_EQ(d->getElementById(S("a"))->offsetWidth(), 1024);
    EXPECT_EQ(d->getElementById(S("a"))->offsetHeight(), 18);
    plain->setSize(S("A"), 282, 290); // a fixed size, by id
    EXPECT_EQ(d->getElementById(S("a"))->offsetWidth(), 282);
    EXPECT_EQ(d->getElementById(S("a"))->offsetHeight(), 290);
}

TEST(DomLayout, PlainSizesFromStyleAttributesAndRowsInPixelsOnly) {
    auto d = Document::parse(
        S("<div id=box style='width:280px'><div style='height:25px'></div>"
          "<div id=body style='height:200px'>x</div><span id=s>abc</span></div>"
          "<table id=t width=300><tr id=r><td>a</td><td>b</td></tr><tr><td height=40>c</td></tr></table>"
          "<div id=h style='display:none;width:10px'>x</div><img id=i width=31 height=19>"));
    EXPECT_EQ(d->getElementById(S("box"))->offsetWidth(), 280);
    EXPECT_EQ(d->getElementById(S("box"))->offsetHeight(), 25 + 200 + 18);
    EXPECT_EQ(d->getElementById(S("s"))->offsetWidth(), 21);
    EXPECT_EQ(d->getElementById(S("t"))->offsetWidth(), 300);
    EXPECT_EQ(d->getElementById(S("t"))->offsetHeight(), 20 + 40);
    EXPECT_EQ(d->getElementById(S("r"))->offsetHeight(), 20);
    EXPECT_EQ(d->getElementById(S("r"))->cells()[0]->offsetWidth(), 150);
    EXPECT_EQ(d->getElementById(S("h"))->offsetWidth(), 0);
    EXPECT_EQ(d->getElementById(S("h"))->offsetHeight(), 0);
    EXPECT_EQ(d->getElementById(S("i"))->offsetWidth(), 31);
    EXPECT_EQ(d->getElementById(S("i"))->offsetHeight(), 19);
    Element* t = d->getElementById(S("t"));
    for (int i = 0; i < 5; ++i) t->insertRow()->insertCell()->setInnerText(S("x"));
    EXPECT_EQ(t->offsetHeight(), 60 + 5 * 20); // grows with its rows
    // Only pixels are taken; anything else is left to the layout.
    EXPECT_EQ(PlainLayout::pixels(S(" 12 ")), 12);
    EXPECT_EQ(PlainLayout::pixels(S("100%")), -1);
    EXPECT_EQ(PlainLayout::pixels(S("auto")), -1);
    EXPECT_EQ(PlainLayout::pixels(QString()), -1);
}

TEST(DomLayout, ReportedValuesWinElseFallback) {
    auto d = Document::parse(S("<div id=a style='width:50px'></div><div id=b style='width:60px'></div>"));
    auto rep = std::make_shared<ReportedLayout>();
    rep->setClientSize(900, 640);
    Element* a = d->getElementById(S("a"));
    rep->report(a->nodeId(), 123, 45);
    d->setMetrics(rep);
    EXPECT_EQ(a->offsetWidth(), 123);
    EXPECT_EQ(a->offsetHeight(), 45);
    EXPECT_EQ(d->getElementById(S("b"))->offsetWidth(), 60);
    EXPECT_EQ(d->body()->clientHeight(), 640);
    rep->forget(a->nodeId());
    EXPECT_EQ(a->offsetWidth(), 50);
    d->setMetrics(nullptr); // back to a plain provider
    EXPECT_EQ(d->body()->clientHeight(), 600);
}
