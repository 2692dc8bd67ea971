// The mutation journal: op records with the right ids, JSON batches, and replay on a copy
// of the page (what the browser side does) reaching the model's DOM.
#include "DomTestUtil.h"
#include "mainwindow/NewsRow.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

TEST(DomJournal, InsertRowRecordsNewIdsAndPositions) {
    auto d = Document::parse(S("<table id=t></table>"));
    Element* t = d->getElementById(S("t"));
    const int next = d->nextNodeId();
    Element* r = t->insertRow();
    Element* c = r->insertCell();
    const auto ops = d->takeOps();
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0].kind, Op::Kind::Insert);
    EXPECT_EQ(ops[0].name, S("tbody"));
    EXPECT_EQ(ops[0].parent, t->nodeId());
    EXPECT_EQ(ops[0].node, next);
    EXPECT_EQ(ops[1].name, S("tr"));
    EXPECT_EQ(ops[1].parent, next);
    EXPECT_EQ(ops[1].node, r->nodeId());
    EXPECT_EQ(ops[1].node, next + 1);
    EXPECT_EQ(ops[2].name, S("td"));
    EXPECT_EQ(ops[2].node, c->nodeId());
    EXPECT_EQ(ops[2].index, 0);
}

TEST(DomJournal, HtmlOpCarriesFirstIdAndCount) {
    auto d = Document::parse(S("<div id=a>old<b>x</b></div>"));
    Element* a = d->getElementById(S("a"));
    const int next = d->nextNodeId();
    a->setInnerHTML(S("<p id=p1><i>1</i></p>text<p id=p2></p>"));
    const auto ops = d->takeOps();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].kind, Op::Kind::Html);
    EXPECT_EQ(ops[0].node, a->nodeId());
    EXPECT_EQ(ops[0].first, next);
    EXPECT_EQ(ops[0].count, 3);
    EXPECT_EQ(d->getElementById(S("p1"))->nodeId(), next);
    EXPECT_EQ(d->getElementsByTagName(S("i"))[0]->nodeId(), next + 1);
    EXPECT_EQ(d->getElementById(S("p2"))->nodeId(), next + 2);
}

TEST(DomJournal, RemoveMoveOrderChecked) {
    auto d = Document::parse(
        S("<table id=t><tr id=r0><td>1</td></tr><tr id=r1><td>2</td></tr><tr id=r2><td>3</td></tr></table>"
          "<input type=checkbox id=c>"));
    Element* t = d->getElementById(S("t"));
    const int r0 = d->getElementById(S("r0"))->nodeId();
    const int r1 = d->getElementById(S("r1"))->nodeId();
    t->moveRow(0, 2);
    t->deleteRow(0);
    d->getElementById(S("c"))->setChecked(true);
    d->sortTable(S("t")); // rows "3", "1": already in order, no op
    d->getElementById(S("r0"))->cells()[0]->setInnerText(S("9"));
    d->sortTable(S("t"));
    auto ops = d->takeOps();
    ASSERT_EQ(ops.size(), 5u);
    ops.erase(ops.begin() + 3); // the text op
    EXPECT_EQ(ops[0].kind, Op::Kind::Move);
    EXPECT_EQ(ops[0].node, r0);
    EXPECT_EQ(ops[0].parent, t->tBody()->nodeId());
    EXPECT_EQ(ops[0].index, 2);
    EXPECT_EQ(ops[1].kind, Op::Kind::Remove);
    EXPECT_EQ(ops[1].node, r1);
    EXPECT_EQ(ops[2].kind, Op::Kind::Checked);
    EXPECT_TRUE(ops[2].flag);
    EXPECT_EQ(ops[3].kind, Op::Kind::Order);
    EXPECT_EQ(ops[3].ids, (std::vector<int>{r0, d->getElementById(S("r2"))->nodeId()}));
}

TEST(DomJournal, CollectGarbageJournalsTheFreedIds) {
    auto d =
        Document::parse(S("<table id=t><tr id=r><td id=c><b id=b>x</b></td></tr></table><div id=a><i id=i></i></div>"));
    const std::vector<int> dead = {d->getElementById(S("r"))->nodeId(), d->getElementById(S("c"))->nodeId(),
                                   d->getElementById(S("b"))->nodeId(), d->getElementById(S("i"))->nodeId()};
    d->getElementById(S("t"))->deleteRow(0);
    d->getElementById(S("a"))->setInnerText(S("y"));
    d->takeOps();
    d->collectGarbage();
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

TEST(DomJournal, JsonBatchFormat) {
    auto d = Document::parse(S("<div id=a></div>"));
    Element* a = d->getElementById(S("a"));
    a->setInnerText(S("引号\"\\\n") + QChar(0x2028) + QChar(0xD800) + S("😀"));
    a->setStyle(S("height"), S("10px"));
    const QByteArray json = Journal::toJson(d->takeOps(), 7);
    EXPECT_TRUE(json.contains("\\u2028"));
    EXPECT_TRUE(json.contains("\\ud800"));
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    ASSERT_TRUE(doc.isObject()) << json.constData();
    const QJsonObject root = doc.object();
    EXPECT_EQ(root.value(S("v")).toInt(), 1);
    EXPECT_EQ(root.value(S("seq")).toInt(), 7);
    const QJsonArray ops = root.value(S("ops")).toArray();
    ASSERT_EQ(ops.size(), 2);
    EXPECT_EQ(ops[0].toObject().value(S("op")).toString(), S("text"));
    EXPECT_EQ(ops[0].toObject().value(S("node")).toInt(), a->nodeId());
    EXPECT_EQ(ops[1].toObject().value(S("css")).toString(), S("height: 10px;"));
    EXPECT_EQ(Journal::toJson({}, 1), QByteArray("{\"v\":1,\"seq\":1,\"ops\":[]}"));
}

TEST(DomJournal, DisabledJournalRecordsNothing) {
    Document d;
    d.journal().setEnabled(false);
    d.body()->setInnerHTML(S("<p>x</p>"));
    EXPECT_TRUE(d.takeOps().empty());
}

TEST(DomReplay, StructureHashMatchesAfterReplay) {
    auto model = Document::parse(domtest::mainPage());
    auto mirror = Document::parse(domtest::mainPage());
    EXPECT_TRUE(model->journal().empty()); // parsing records nothing
    EXPECT_EQ(model->structureHash(), mirror->structureHash());
    model->getElementById(S("QuoteList"))->insertRow(-1);
    EXPECT_NE(model->structureHash(), mirror->structureHash());
    JournalReplay::apply(*mirror, model->takeOps());
    EXPECT_EQ(model->structureHash(), mirror->structureHash());
    EXPECT_EQ(model->elementCount(), mirror->elementCount());
}

TEST(DomReplay, NodeIdsStayInStepAcrossBatches) {
    auto model = Document::parse(domtest::mainPage());
    auto mirror = Document::parse(domtest::mainPage());
    for (int batch = 1; batch <= 5; ++batch) {
        Element* t = model->getElementById(S("firstpage_table"));
        t->insertRow(1)->insertCell()->setInnerHTML(S("<b>") + QString::number(batch) + S("</b>"));
        model->getElementById(S("news_item"))->setInnerText(QString::number(batch));
        ASSERT_TRUE(JournalReplay::apply(*mirror, JournalReplay::fromJson(Journal::toJson(model->takeOps(), batch))));
        model->collectGarbage();
        mirror->collectGarbage();
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
