// Tables: rows, cells, insertRow/deleteRow/insertCell/moveRow and their edge cases.
#include "DomTestUtil.h"

using namespace dom;
using domtest::rowTexts;
using domtest::S;

TEST(DomTable, RowsInTheadTbodyTfootOrder) {
    auto d = Document::parse(S("<table id=t><tfoot><tr><td>f</td></tr></tfoot><tbody><tr><td>b1</td></tr></tbody>"
                               "<thead><tr><td>h</td></tr></thead><tbody><tr><td>b2</td></tr></tbody></table>"));
    Element* t = d->getElementById(S("t"));
    EXPECT_EQ(rowTexts(t), (QStringList{S("h"), S("b1"), S("b2"), S("f")}));
    EXPECT_EQ(t->tBodies().size(), 2u);
    EXPECT_EQ(t->tBody()->rows()[0]->cells()[0]->innerText(), S("b1"));
    EXPECT_EQ(t->tHead()->rows().size(), 1u);
    EXPECT_EQ(t->tFoot()->rows().size(), 1u);
    Element* f = t->rows()[3];
    EXPECT_EQ(f->rowIndex(), 3);
    EXPECT_EQ(f->sectionRowIndex(), 0);
    EXPECT_EQ(t->rows()[2]->rowIndex(), 2);
    EXPECT_EQ(t->rows()[2]->sectionRowIndex(), 0);
    EXPECT_EQ(t->rows()[0]->cells()[0]->cellIndex(), 0);
}

TEST(DomTable, InsertRowIntoEmptyTableCreatesTbody) {
    auto d = Document::parse(S("<table id=t></table>"));
    Element* t = d->getElementById(S("t"));
    Element* r = t->insertRow();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(t->innerHTML(), S("<tbody><tr></tr></tbody>"));
    EXPECT_EQ(r->parentElement(), t->tBody());
    EXPECT_EQ(t->insertRow(5), nullptr);
    EXPECT_EQ(t->insertRow(-2), nullptr);
    // Into a section: 0 before its first row, -1 after its last.
    Element* b = t->tBody();
    b->insertRow(0)->insertCell()->setInnerText(S("0"));
    b->insertRow(-1)->insertCell()->setInnerText(S("2"));
    EXPECT_EQ(rowTexts(b), (QStringList{S("0"), QString(), S("2")}));
    EXPECT_EQ(b->insertRow(4), nullptr);
    EXPECT_EQ(d->body()->insertRow(), nullptr); // not a table
}

TEST(DomTable, AppendGoesToLastTbodyNotTfootAndSeparateHeader) {
    auto d =
        Document::parse(S("<table id=t><thead><tr><td>h</td></tr></thead><tfoot><tr><td>f</td></tr></tfoot></table>"));
    Element* t = d->getElementById(S("t"));
    // A header in thead, no tbody: index == rows.length appends to a new last tbody.
    Element* r = t->insertRow(2);
    ASSERT_NE(r, nullptr);
    r->insertCell()->setInnerText(S("b"));
    EXPECT_EQ(r->parentElement()->tagName(), S("TBODY"));
    EXPECT_EQ(t->innerHTML(), S("<thead><tr><td>h</td></tr></thead><tfoot><tr><td>f</td></tr></tfoot>"
                                "<tbody><tr><td>b</td></tr></tbody>"));
    EXPECT_EQ(rowTexts(t), (QStringList{S("h"), S("b"), S("f")}));
    // -1 appends to that tbody again; index 1 inserts before rows[1] in its section.
    t->insertRow(-1)->insertCell()->setInnerText(S("c"));
    t->insertRow(1)->insertCell()->setInnerText(S("a"));
    EXPECT_EQ(rowTexts(t), (QStringList{S("h"), S("a"), S("b"), S("c"), S("f")}));
    // A row moved across sections: into the header.
    t->moveRow(2, 0);
    EXPECT_EQ(rowTexts(t), (QStringList{S("b"), S("h"), S("a"), S("c"), S("f")}));
    EXPECT_EQ(t->tHead()->rows().size(), 2u);
}

TEST(DomTable, DeleteRowEdgeCases) {
    auto d = Document::parse(S("<table id=t><tr><td>0</td></tr><tr><td>1</td></tr><tr><td>2</td></tr></table>"));
    Element* t = d->getElementById(S("t"));
    EXPECT_FALSE(t->deleteRow(3));
    EXPECT_FALSE(t->deleteRow(-2));
    EXPECT_TRUE(t->deleteRow(-1));
    EXPECT_EQ(rowTexts(t), (QStringList{S("0"), S("1")}));
    EXPECT_TRUE(t->deleteRow(0));
    EXPECT_TRUE(t->deleteRow(0));
    EXPECT_TRUE(t->rows().empty());
    EXPECT_EQ(t->innerHTML(), S("<tbody></tbody>")); // the section stays
    EXPECT_TRUE(t->deleteRow(-1));                   // nothing to delete: no error
    EXPECT_FALSE(t->deleteRow(0));
}

TEST(DomTable, InsertAndDeleteCell) {
    auto d = Document::parse(S("<table><tr id=r><td>a</td><td>c</td></tr></table>"));
    Element* r = d->getElementById(S("r"));
    r->insertCell(1)->setInnerText(S("b"));
    r->insertCell(-1)->setInnerText(S("d"));
    EXPECT_EQ(r->innerHTML(), S("<td>a</td><td>b</td><td>c</td><td>d</td>"));
    EXPECT_EQ(r->insertCell(9), nullptr);
    EXPECT_TRUE(r->deleteCell(0));
    EXPECT_TRUE(r->deleteCell(-1));
    EXPECT_EQ(r->innerHTML(), S("<td>b</td><td>c</td>"));
    EXPECT_EQ(r->cells()[1]->cellIndex(), 1);
}

TEST(DomTable, MoveRowAsIE) {
    auto d = Document::parse(S("<table><tbody id=b><tr><td>A</td></tr><tr><td>B</td></tr><tr><td>C</td></tr>"
                               "<tr><td>D</td></tr><tr><td>E</td></tr></tbody></table>"));
    Element* b = d->getElementById(S("b"));
    Element* moved = b->moveRow(1, 3);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->cells()[0]->innerText(), S("B"));
    EXPECT_EQ(rowTexts(b), (QStringList{S("A"), S("C"), S("D"), S("B"), S("E")}));
    EXPECT_EQ(moved->sectionRowIndex(), 3);
    b->moveRow(3, 0);
    EXPECT_EQ(rowTexts(b), (QStringList{S("B"), S("A"), S("C"), S("D"), S("E")}));
    b->moveRow(0, 4); // to the last place
    EXPECT_EQ(rowTexts(b), (QStringList{S("A"), S("C"), S("D"), S("E"), S("B")}));
    b->moveRow(0, -1);
    EXPECT_EQ(rowTexts(b), (QStringList{S("C"), S("D"), S("E"), S("B"), S("A")}));
    EXPECT_EQ(b->moveRow(2, 2)->cells()[0]->innerText(), S("E"));
    EXPECT_EQ(b->moveRow(5, 0), nullptr);
    EXPECT_EQ(b->moveRow(0, 5), nullptr);
    EXPECT_EQ(b->moveRow(-1, 0), nullptr);
    EXPECT_EQ(rowTexts(b), (QStringList{S("C"), S("D"), S("E"), S("B"), S("A")}));
}
