// The mutation journal: op records with the right ids, JSON batches, and replay on a copy
// of the page (what the browser side does) reaching the model's DOM.
#include "DomTestUtil.h"
#include "mainwindow/NewsRow.h"
#include <QJsonDocument>
#include <algorithm>

using namespace dom;
using domtest::S;

TEST(DomJournal, AttributeStyleTextOpsCarryTheNodeId) {
    auto d = Document::parse(S("<div id=a></div>"));
    Element* a = d->getElementById(S("a"));
    a->setClassName(S("red"));
    a->setStyle(S("display"), S("none"));
    a->setInnerText(S("x"));
    a->removeAttribute(S("class"));
    a->removeAttribute(S("nothere")); // no change, no op
    a->setClassName(S("red"));
    a->setClassName(S("red")); // same value, no op
    QByteArray expected = R"({"v":1,"seq":1,"ops":[{"op":"attr","node":#,"name":"class","value":"red"},)"
                          R"({"op":"style","node":#,"name":"display","value":"none","css":"display: none;"},)"
                          R"({"op":"text","node":#,"value":"x"},{"op":"rmattr","node":#,"name":"class"},)"
                          R"({"op":"attr","node":#,"name":"class","value":"red"}]})";
    EXPECT_EQ(Journal::toJson(d->takeOps(), 1), expected.replace('#', QByteArray::number(a->nodeId())));
    EXPECT_TRUE(d->takeOps().empty()); // taken and cleared
}

// New elements take the next ids, in document order, and their ops say which.
TEST(DomJournal, InsertAndHtmlOpsCarryTheNewIds) {
    auto d = Document::parse(S("<table id=t></table><div id=a>old<b>x</b></div>"));
    Element* t = d->getElementById(S("t"));
    Element* a = d->getElementById(S("a"));
    const int n = d->nextNodeId();
    t->insertRow()->insertCell();
    a->setInnerHTML(S("<p id=p1><i>1</i></p>text<p id=p2></p>"));
    const QString expected = QString::asprintf(
        R"({"v":1,"seq":1,"ops":[{"op":"insert","parent":%d,"index":0,"tag":"tbody","id":%d},)"
        R"({"op":"insert","parent":%d,"index":0,"tag":"tr","id":%d},)"
        R"({"op":"insert","parent":%d,"index":0,"tag":"td","id":%d},)"
        R"({"op":"html","node":%d,"value":"<p id=p1><i>1</i></p>text<p id=p2></p>","first":%d,"count":3}]})",
        t->nodeId(), n, n, n + 1, n + 1, n + 2, a->nodeId(), n + 3);
    EXPECT_EQ(QString::fromUtf8(Journal::toJson(d->takeOps(), 1)), expected);
    EXPECT_EQ(d->getElementById(S("p1"))->nodeId(), n + 3);
    EXPECT_EQ(d->getElementsByTagName(S("i"))[0]->nodeId(), n + 4);
    EXPECT_EQ(d->getElementById(S("p2"))->nodeId(), n + 5);
    d->journal().setEnabled(false); // a disabled journal records nothing
    a->setInnerHTML(S("<p>x</p>"));
    EXPECT_TRUE(d->takeOps().empty());
}

TEST(DomJournal, RemoveMoveOrderChecked) {
    auto d = Document::parse(
        S("<table id=t><tr id=r0><td id=c0>1</td></tr><tr id=r1><td>2</td></tr><tr id=r2><td>3</td></tr></table>"
          "<input type=checkbox id=c>"));
    const auto id = [&](const char* e) { return d->getElementById(S(e))->nodeId(); };
    const int r0 = id("r0"), r1 = id("r1"), r2 = id("r2"), c0 = id("c0"), c = id("c");
    Element* t = d->getElementById(S("t"));
    t->moveRow(0, 2);
    t->deleteRow(0);
    d->getElementById(S("c"))->setChecked(true);
    d->sortTable(S("t")); // rows "3", "1": already in order, no op
    d->getElementById(S("c0"))->setInnerText(S("9"));
    d->sortTable(S("t"));
    const int b = t->tBody()->nodeId();
    const QString expected = QString::asprintf(
        R"({"v":1,"seq":1,"ops":[{"op":"move","node":%d,"parent":%d,"index":2},{"op":"remove","node":%d},)"
        R"({"op":"checked","node":%d,"value":true},{"op":"text","node":%d,"value":"9"},)"
        R"({"op":"order","parent":%d,"ids":[%d,%d]}]})",
        r0, b, r1, c, c0, b, r0, r2);
    EXPECT_EQ(QString::fromUtf8(Journal::toJson(d->takeOps(), 1)), expected);
}

TEST(DomJournal, RemovedElementsStayValidUntilCollectedWhichJournalsTheirIds) {
    auto d =
        Document::parse(S("<table id=t><tr id=r><td id=c><b id=b>x</b></td></tr></table><div id=a><i id=i></i></div>"));
    Element* c = d->getElementById(S("c"));
    const std::vector<int> dead = {d->getElementById(S("r"))->nodeId(), c->nodeId(),
                                   d->getElementById(S("b"))->nodeId(), d->getElementById(S("i"))->nodeId()};
    d->getElementById(S("t"))->deleteRow(0);
    d->getElementById(S("a"))->setInnerText(S("y"));
    EXPECT_FALSE(c->isConnected());
    EXPECT_EQ(c->innerText(), S("x"));
    EXPECT_EQ(d->elementByNodeId(dead[1]), c);
    EXPECT_EQ(d->getElementById(S("c")), nullptr);
    d->takeOps();
    d->collectGarbage();
    EXPECT_EQ(d->elementByNodeId(dead[1]), nullptr);
    const auto ops = d->takeOps();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].kind, Op::Kind::Forget);
    EXPECT_EQ(ops[0].ids, dead);
    EXPECT_EQ(Journal::toJson(ops, 3), QByteArray("{\"v\":1,\"seq\":3,\"ops\":[{\"op\":\"forget\",\"ids\":[") +
                                           QByteArray::number(dead[0]) + "," + QByteArray::number(dead[1]) + "," +
                                           QByteArray::number(dead[2]) + "," + QByteArray::number(dead[3]) + "]}]}");
    d->collectGarbage(); // nothing left: no op
    EXPECT_TRUE(d->takeOps().empty());
}

// Each op's fields, and the batch around them: the tests above.
TEST(DomJournal, JsonBatchIsValidJsonWhateverTheText) {
    auto d = Document::parse(S("<div id=a></div>"));
    const QString text = S("引号\"\\\n") + QChar(0x2028) + S("😀");
    d->getElementById(S("a"))->setInnerText(text + QChar(0xD800));
    const QByteArray json = Journal::toJson(d->takeOps(), 7);
    EXPECT_TRUE(json.contains("\\u2028")); // a line end to JavaScript
    EXPECT_TRUE(json.contains("\\ud800"));
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    ASSERT_TRUE(doc.isObject()) << json.constData();
    EXPECT_TRUE(doc[S("ops")][0][S("value")].toString().startsWith(text)) << json.constData();
    EXPECT_EQ(Journal::toJson({}, 1), QByteArray("{\"v\":1,\"seq\":1,\"ops\":[]}"));
}

TEST(DomReplay, NodeIdsAndStructureStayInStepAcrossBatches) {
    auto model = Document::parse(domtest::mainPage());
    auto mirror = Document::parse(domtest::mainPage());
    EXPECT_TRUE(model->journal().empty()); // parsing records nothing
    EXPECT_EQ(model->structureHash(), mirror->structureHash());
    for (int batch = 1; batch <= 5; ++batch) {
        Element* t = model->getElementById(S("firstpage_table"));
        t->insertRow(1)->insertCell()->setInnerHTML(S("<b>") + QString::number(batch) + S("</b>"));
        model->getElementById(S("news_item"))->setInnerText(QString::number(batch));
        EXPECT_NE(model->structureHash(), mirror->structureHash());
        ASSERT_TRUE(JournalReplay::apply(*mirror, JournalReplay::fromJson(Journal::toJson(model->takeOps(), batch))));
        EXPECT_EQ(model->structureHash(), mirror->structureHash());
        model->collectGarbage();
        mirror->collectGarbage();
        EXPECT_EQ(model->elementCount(), mirror->elementCount());
        EXPECT_EQ(mirror->serializeDocument(), model->serializeDocument());
        for (Element* e : model->getElementsByTagName(S("*")))
            EXPECT_EQ(mirror->elementByNodeId(e->nodeId())->localName(), e->localName());
    }
}

// A burst of news rows, each followed by the page's sort: one order goes to the page, which
// still ends as the model.
TEST(DomReplay, ABurstOfSortedRowsNeedsOneOrder) {
    auto model = Document::parse(domtest::mainPage());
    auto mirror = Document::parse(domtest::mainPage());
    Element* t = model->getElementById(S("firstpage_table"));
    for (int i = 0; i < 12; ++i) {
        if (t->rows().size() >= 10) t->deleteRow(static_cast<int>(t->rows().size()) - 1);
        NewsRow::add(*t, QString::asprintf("12/06 %02d:%02d", (i * 7) % 24, (i * 13) % 60), S("标题"), QString());
        model->getElementById(S("iAllSort"))->fireEvent(S("onclick"));
    }
    model->collectGarbage();
    std::vector<Op> ops = model->takeOps();
    const auto orders = [&] {
        return std::count_if(ops.begin(), ops.end(), [](const Op& op) { return op.kind == Op::Kind::Order; });
    };
    ASSERT_GT(orders(), 1);
    Journal::dropSupersededOrders(ops);
    EXPECT_EQ(orders(), 1);
    ASSERT_TRUE(JournalReplay::apply(*mirror, JournalReplay::fromJson(Journal::toJson(ops, 1))));
    EXPECT_EQ(mirror->serializeDocument(), model->serializeDocument());
}

// An order stays when anything but a row went into its section before the next order, or
// when no later order of the same section follows.
TEST(DomJournal, AnOrderStaysUnlessALaterOneMakesItMoot) {
    const auto op = [](Op::Kind kind, int parent, const char* tag = "") {
        Op o;
        o.kind = kind;
        o.parent = kind == Op::Kind::Html ? 0 : parent;
        o.node = kind == Op::Kind::Html ? parent : 0;
        o.name = QString::fromLatin1(tag);
        o.ids = {parent + 1, parent + 2};
        return o;
    };
    using K = Op::Kind;
    const auto kept = [](std::vector<Op> ops) {
        Journal::dropSupersededOrders(ops);
        return ops.size();
    };
    EXPECT_EQ(kept({op(K::Order, 5), op(K::Insert, 5, "tr"), op(K::Remove, 9), op(K::Order, 5)}), 3u);
    EXPECT_EQ(kept({op(K::Order, 5), op(K::Insert, 5, "div"), op(K::Order, 5)}), 3u);
    EXPECT_EQ(kept({op(K::Order, 5), op(K::Move, 5), op(K::Order, 5)}), 3u);
    EXPECT_EQ(kept({op(K::Order, 5), op(K::Html, 5), op(K::Order, 5)}), 3u);
    EXPECT_EQ(kept({op(K::Order, 5), op(K::Insert, 7, "div"), op(K::Order, 6)}), 3u);
    std::vector<Op> ops{op(K::Order, 5), op(K::Order, 6), op(K::Order, 6)};
    Journal::dropSupersededOrders(ops);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].ids, (std::vector<int>{6, 7})) << "what stays is whole";
    EXPECT_EQ(ops[1].parent, 6);
    EXPECT_EQ(ops[1].ids, (std::vector<int>{7, 8}));
}
