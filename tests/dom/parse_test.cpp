// Parsing, ids, lookup, attributes, serialisation, innerHTML and fragment contexts.
#include "DomTestUtil.h"

using namespace dom;
using domtest::S;

TEST(DomParse, ImpliedElementsDoctypeAndTopLevelComments) {
    auto d = Document::parse(S("<table id=t><tr><td>a</td></tr></table>"));
    EXPECT_EQ(d->serialize(),
              S("<html><head></head><body><table id=\"t\"><tbody><tr><td>a</td></tr></tbody></table></body></html>"));
    EXPECT_TRUE(d->quirksMode());
    Document empty;
    EXPECT_EQ(empty.serialize(), S("<html><head></head><body></body></html>"));
    EXPECT_EQ(empty.activeElement(), empty.body());
    auto c = Document::parse(S("<!-- top --><!DOCTYPE html><html><body>x</body></html>"));
    EXPECT_FALSE(c->quirksMode());
    EXPECT_EQ(c->serializeDocument(), S("<!-- top --><!DOCTYPE html><html><head></head><body>x</body></html>"));
    auto dt = Document::parse(S("<!DOCTYPE html><p>x"));
    EXPECT_EQ(dt->serializeDocument(), S("<!DOCTYPE html><html><head></head><body><p>x</p></body></html>"));
}

TEST(DomParse, NodeIdsInDocumentOrderStartingAtOne) {
    auto d = Document::parse(S("<div id=a><p id=b></p></div><span id=c></span>"));
    EXPECT_EQ(d->documentElement()->nodeId(), 1);
    EXPECT_EQ(d->head()->nodeId(), 2);
    EXPECT_EQ(d->body()->nodeId(), 3);
    EXPECT_EQ(d->getElementById(S("a"))->nodeId(), 4);
    EXPECT_EQ(d->getElementById(S("b"))->nodeId(), 5);
    EXPECT_EQ(d->getElementById(S("c"))->nodeId(), 6);
    EXPECT_EQ(d->nextNodeId(), 7);
    EXPECT_EQ(d->elementByNodeId(5), d->getElementById(S("b")));
    EXPECT_EQ(d->elementCount(), 6);
    // Never reused, not even after a collection.
    Element* a = d->getElementById(S("a"));
    a->setInnerHTML(S("<i>y</i>"));
    EXPECT_EQ(a->firstElementChild()->nodeId(), 7);
    a->setInnerHTML(S("<i>z</i>"));
    EXPECT_EQ(a->firstElementChild()->nodeId(), 8);
    d->collectGarbage();
    a->setInnerHTML(S("<u>w</u>"));
    EXPECT_EQ(a->firstElementChild()->nodeId(), 9);
}

TEST(DomParse, GetElementByIdIgnoresCaseTakesTheFirstAndFollowsChanges) {
    auto d = Document::parse(S("<p id=x>1</p><p id=X>2</p>"));
    Element* first = d->getElementById(S("X"));
    EXPECT_EQ(first->innerText(), S("1"));
    first->setId(S("y"));
    EXPECT_EQ(d->getElementById(S("x"))->id(), S("X")); // kept as written
    EXPECT_EQ(d->getElementById(S("Y")), first);
    d->body()->setInnerHTML(S("<b id=x>3</b>"));
    EXPECT_EQ(d->getElementById(S("x"))->innerText(), S("3"));
    EXPECT_EQ(d->getElementById(S("y")), nullptr);
    EXPECT_EQ(d->getElementById(S("nothere")), nullptr);
    EXPECT_EQ(d->getElementById(QString()), nullptr);
}

TEST(DomParse, AttributesKeepOrderAndCase) {
    auto d = Document::parse(S("<div ID=a Class=c data-z=1 title='t' style='color:red'></div>"));
    Element* e = d->getElementById(S("a"));
    EXPECT_EQ(e->outerHTML(), S("<div id=\"a\" class=\"c\" data-z=\"1\" title=\"t\" style=\"color:red\"></div>"));
    e->setAttribute(S("Title"), S("new"));  // existing: keeps its place
    e->setAttribute(S("align"), S("left")); // new: appended
    e->removeAttribute(S("CLASS"));
    EXPECT_FALSE(e->hasAttribute(S("class")));
    EXPECT_EQ(e->getAttribute(S("DATA-Z")), S("1"));
    EXPECT_FALSE(e->setAttribute(S("bad name"), S("x")));
    EXPECT_FALSE(e->setAttribute(QString(), S("x")));
    EXPECT_EQ(e->outerHTML(), S("<div id=\"a\" data-z=\"1\" title=\"new\" style=\"color:red\" align=\"left\"></div>"));
}

TEST(DomParse, SerialisationEscapesAsHtml5AndReadsBack) {
    auto d = Document::parse(S("<p title='a&amp;b\"c&nbsp;'>x &lt; y &amp; z&nbsp;&gt;</p>"
                               "<script>if (a < b && c) {}</script><style>a>b{}</style><br><img src=x>"
                               "<!-- note -->"));
    const QString html = d->body()->innerHTML();
    EXPECT_EQ(html, S("<p title=\"a&amp;b&quot;c&nbsp;\">x &lt; y &amp; z&nbsp;&gt;</p>"
                      "<script>if (a < b && c) {}</script><style>a>b{}</style><br><img src=\"x\"><!-- note -->"));
    d->body()->setInnerHTML(html); // reads back as written
    EXPECT_EQ(d->body()->innerHTML(), html);
}

// Foreign elements keep their case; the others' names are upper case and matched in any case.
TEST(DomParse, TagNamesAndGetElementsByTagNameInDocumentOrder) {
    auto d = Document::parse(S("<div id=a><span id=b></span></div><SPAN id=c></SPAN><svg viewBox='0 0 1 1'>"
                               "<foreignObject><p>x</p></foreignObject></svg><my-tag a=1>y</my-tag>"));
    EXPECT_EQ(d->body()->innerHTML(),
              S("<div id=\"a\"><span id=\"b\"></span></div><span id=\"c\"></span><svg viewBox=\"0 0 1 1\">"
                "<foreignObject><p>x</p></foreignObject></svg><my-tag a=\"1\">y</my-tag>"));
    auto spans = d->getElementsByTagName(S("SPAN"));
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0]->id(), S("b"));
    EXPECT_EQ(spans[1]->id(), S("c"));
    EXPECT_EQ(d->getElementById(S("a"))->getElementsByTagName(S("span")).size(), 1u);
    EXPECT_EQ(d->getElementsByTagName(S("*")).size(), 10u);
    EXPECT_EQ(d->getElementById(S("b"))->parentElement()->id(), S("a"));
    EXPECT_EQ(d->body()->children().size(), 4u);
    EXPECT_EQ(d->getElementsByTagName(S("foreignObject")).at(0)->tagName(), S("foreignObject"));
    EXPECT_EQ(d->getElementsByTagName(S("MY-TAG")).at(0)->tagName(), S("MY-TAG"));
}

// Table parts parse as such only where the context element allows them, as in a browser.
TEST(DomInnerHtml, TableFragmentsFollowTheirContext) {
    auto d = Document::parse(S("<table><tbody id=b></tbody><tr id=r><td id=c>x</td></tr></table>"));
    Element* b = d->getElementById(S("b"));
    b->setInnerHTML(S("<tr><td>1</td><td>2</td></tr><tr><td>3</td></tr>"));
    EXPECT_EQ(b->innerHTML(), S("<tr><td>1</td><td>2</td></tr><tr><td>3</td></tr>"));
    EXPECT_EQ(b->rows().size(), 2u);
    EXPECT_EQ(b->rows()[0]->cells().size(), 2u);
    d->getElementById(S("c"))->setInnerHTML(
        S("<table><tr><td><img src='warn.gif'></td><td>财经事件提醒</td></tr></table>"));
    EXPECT_EQ(d->getElementById(S("c"))->innerHTML(),
              S("<table><tbody><tr><td><img src=\"warn.gif\"></td><td>财经事件提醒</td></tr></tbody></table>"));
    Element* r = d->getElementById(S("r"));
    r->setInnerHTML(S("<td>a</td><th>b</th>"));
    EXPECT_EQ(r->cells().size(), 2u);
    EXPECT_EQ(r->cells()[1]->tagName(), S("TH"));
    // Outside a table the row and cell tags are dropped.
    d->body()->setInnerHTML(S("<tr><td>a</td></tr>"));
    EXPECT_EQ(d->body()->innerHTML(), S("a"));
}

TEST(DomInnerHtml, ArbitraryBytesNeverBreakTheTree) {
    Document d;
    const char raw[] = "\x00<\xff\xfe<td><tr></table></td><table><tr><td>\x01\x02</select><svg><math></p>"
                       "<!--<a href='\xc3('>&#0;&#xD800;&#x110000;<script><!--<script>";
    const QString s = QString::fromLatin1(raw, sizeof(raw) - 1) + QChar(0xD800) + S("x") + QChar(0xDC00);
    // Each context element where the parser keeps it (table parts only inside a table).
    for (const char* markup :
         {"<div id=ctx></div>", "<table><tbody id=ctx></tbody></table>", "<table><tr id=ctx></tr></table>",
          "<table><tr><td id=ctx></td></tr></table>", "<table id=ctx></table>", "<select id=ctx></select>",
          "<textarea id=ctx></textarea>", "<script id=ctx></script>"}) {
        Document doc;
        doc.body()->setInnerHTML(S(markup));
        Element* e = doc.getElementById(S("ctx"));
        ASSERT_NE(e, nullptr) << markup;
        e->setInnerHTML(s);
        e->setInnerText(s);
        e->setInnerHTML(e->innerHTML());
        (void)doc.serializeDocument();
    }
    d.body()->setInnerHTML(s);
    EXPECT_TRUE(d.body()->isConnected());
}

TEST(DomInnerHtml, DeepNestingIsFlattenedNotFatal) {
    QString deep;
    for (int i = 0; i < 5000; ++i) deep += S("<div>");
    auto d = Document::parse(deep + S("x"));
    int depth = 0;
    for (Node* n = d->getElementsByTagName(S("div")).back(); n; n = n->parentNode()) ++depth;
    EXPECT_LE(depth, 520);
    EXPECT_EQ(d->getElementsByTagName(S("div")).size(), 5000u);
    EXPECT_FALSE(d->serialize().isEmpty());
}

TEST(DomInnerText, GetOnSimplePagesAndSet) {
    auto d = Document::parse(S("<div id=a>  hello   <b>big</b>\n world </div>"
                               "<table id=t><tr><td> a </td><td>b</td></tr><tr><td>c</td></tr></table>"
                               "<div id=m>one<br>two<p>para</p>three<div>blk</div></div>"
                               "<span id=h style='display:none'> raw  text </span>"
                               "<div id=s>x<script>var a;</script><span style='display:none'>hid</span>y</div>"));
    EXPECT_EQ(d->getElementById(S("a"))->innerText(), S("hello big world"));
    EXPECT_EQ(d->getElementById(S("t"))->innerText(), S("a\tb\nc"));
    EXPECT_EQ(d->getElementById(S("m"))->innerText(), S("one\ntwo\n\npara\n\nthree\nblk"));
    EXPECT_EQ(d->getElementById(S("h"))->innerText(), S(" raw  text ")); // not rendered: textContent
    EXPECT_EQ(d->getElementById(S("s"))->innerText(), S("xy"));
    auto sel = Document::parse(S("<div id=d>a<select id=s><option>1<option>2</select>b</div>"));
    EXPECT_EQ(sel->getElementById(S("s"))->innerText(), QString()); // as Chromium
    EXPECT_EQ(sel->getElementById(S("d"))->innerText(), S("ab"));
    // Set: one text node, never markup.
    Element* a = d->getElementById(S("a"));
    a->setInnerText(S("<b>not markup</b> & more"));
    ASSERT_EQ(a->childCount(), 1);
    EXPECT_TRUE(a->firstChild()->isText());
    EXPECT_EQ(a->innerHTML(), S("&lt;b&gt;not markup&lt;/b&gt; &amp; more"));
    a->setInnerText(QString());
    EXPECT_EQ(a->childCount(), 0);
}
