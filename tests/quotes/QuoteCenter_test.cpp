#include "mainwindow/MainWindowFixture.h"
#include "platform/sim/SimPlatform.h"
#include "wire/QtPrinters.h"

namespace {

struct Quote {
    const char* symbol;
    const char* bid;
    const char* ask;
};

const QStringList Striped = {"bg8fc", "bgccc", "bg8fc", "bgccc", "bg8fc", "bgccc"};

class Quotes : public MainWindowFixture {
protected:
    // Some of the shipped pairs.
    void SetUp() override {
        loadPage();
        ctx().Config->CreateNode("Settings/ZEP", "currency");
        for (const char* p : {"EURUSD", "GBPUSD", "USDJPY", "XAUUSD"}) ctx().Config->AddQuota(p, "1");
    }

    void batch(std::initializer_list<Quote> quotes) {
        for (const Quote& q : quotes) ctx().pushSink->quot_center(q.symbol, q.bid, q.ask);
    }
    std::vector<dom::Element*> rows() {
        const std::vector<dom::Element*> all = el("QuoteList").rows();
        return {all.begin() + 2, all.end()};
    }
    QStringList column(int cell, bool classes = false) {
        QStringList out;
        for (dom::Element* r : rows()) out << (classes ? r->className() : r->cells()[size_t(cell)]->innerText());
        return out;
    }
    QStringList symbols() { return column(0); }
    QStringList stripes() { return column(0, true); }
    void setChecked(const char* symbol, const char* value) {
        ctx().Config->SetNodeAttrib(QStringLiteral("Settings/ZEP/currency/") + symbol, "Checked", value);
        fx().refreshShownPairs(); // as the settings' Apply does
    }
    size_t boxes() { return sim().desktop.messageBoxes().size(); }

    // The user's mouse on a row's symbol cell, at screen y.
    void mouse(const char* event, dom::Element& row, int y) {
        sim().desktop.simScreen().setCursorPos(QPoint(900, y));
        doc().dispatchUserEvent(row.cells()[0], QString::fromLatin1(event));
    }
    void drag(int row, int dy) {
        dom::Element& r = *rows()[size_t(row)];
        mouse("onmousedown", r, 300);
        mouse("onmousemove", r, 300 + dy / 2);
        EXPECT_EQ(r.style("top"), QString::number(dy / 2) + "px") << "the row follows the pointer";
        mouse("onmouseup", r, 300 + dy);
    }
};

TEST_F(Quotes, FirstBatchBuildsTheRowsLaterBatchesOnlyRecolourAndRewrite) {
    batch({{"XAUUSD", "2045.10", "2045.60"}, {"EURUSD", "1.0851", "1.0853"}, {"CADCHF", "0.60", "0.70"}});
    EXPECT_EQ(symbols(), QStringList({"XAUUSD", "EURUSD", "CADCHF"}));
    EXPECT_EQ(stripes(), Striped.mid(0, 3));
    dom::Element& first = *rows()[0];
    EXPECT_EQ(first.title(), "点击拖动排列");
    EXPECT_EQ(first.style("cursor"), "default");
    EXPECT_EQ(el("XAUUSDp").innerText(), "2045.60") << "ask first";
    EXPECT_EQ(el("XAUUSDl").innerText(), "2045.10");
    EXPECT_EQ(style("XAUUSDp", "color"), "") << "a new row has no colour";
    EXPECT_EQ(ctx().Config->GetNodeAttrib("Settings/ZEP/currency/CADCHF", "Checked"), "1") << "a new pair is kept";

    // Prices compare as texts: 99.8 is greater than 100.5.
    batch({{"XAUUSD", "2044.90", "2045.60"}, {"EURUSD", "1.0852", "1.0854"}, {"CADCHF", "0.60", "100.5"}});
    batch({{"CADCHF", "0.60", "99.8"}});
    EXPECT_EQ(rows()[0], &first) << "rows are kept, not rebuilt";
    EXPECT_EQ(symbols(), QStringList({"XAUUSD", "EURUSD", "CADCHF"}));
    EXPECT_EQ(style("XAUUSDl", "color"), "#008F00");
    EXPECT_EQ(style("XAUUSDp", "color"), "#000000");
    EXPECT_EQ(style("EURUSDp", "color"), "#FF0000");
    EXPECT_EQ(style("CADCHFp", "color"), "#FF0000");
    EXPECT_EQ(el("XAUUSDl").innerText(), "2044.90");
}

TEST_F(Quotes, HiddenPairsNeverShowAndTheSettingsSwitchThemAtOnce) {
    setChecked("GBPUSD", "0");
    batch({{"EURUSD", "1.1", "1.2"}, {"GBPUSD", "1.3", "1.4"}, {"USDJPY", "150", "151"}});
    batch({{"GBPUSD", "1.31", "1.41"}});
    EXPECT_EQ(symbols(), QStringList({"EURUSD", "USDJPY"}));

    setChecked("GBPUSD", "1"); // at the end, with its latest prices
    EXPECT_EQ(symbols(), QStringList({"EURUSD", "USDJPY", "GBPUSD"}));
    EXPECT_EQ(el("GBPUSDp").innerText(), "1.41");
    setChecked("EURUSD", "0"); // gone, the stripes closed up
    EXPECT_EQ(symbols(), QStringList({"USDJPY", "GBPUSD"}));
    EXPECT_EQ(stripes(), Striped.mid(0, 2));
}

// Symbols and prices come off the network: text only, each row with its own cells, and a
// symbol that cannot be an element name shown but not kept, logged once and never boxed.
TEST_F(Quotes, ForeignSymbolsShowAsTextAndOnlyValidNamesAreKept) {
    const auto notes = [&] { return sim().log.lines().filter("EUR/USD").size(); };
    qsizetype firstNotes = 0;
    for (int second = 0; second < 3; ++second) {
        batch({{"EUR/USD", "1.1", "1.2"},
               {"<img src=x onerror=alert(1)>", "<b>1</b>", "2"},
               {"x:y", "3", "4"},
               {"商 品", "5", "6"},
               {"  GOLD \t OZ ", "7", "8"},
               {"黄金", "9", "10"},
               {"eurusd", "1", "2"}});
        if (second == 0) firstNotes = notes();
    }
    batch({{"EURUSD", "5", "6"}});
    EXPECT_EQ(symbols(), QStringList({"EUR/USD", "<img src=x onerror=alert(1)>", "x:y", "商 品", "GOLD OZ", "黄金",
                                      "eurusd", "EURUSD"}));
    EXPECT_EQ(column(2).mid(1), QStringList({"<b>1</b>", "3", "5", "7", "9", "1", "5"})) << "each row its own cells";
    EXPECT_TRUE(el("QuoteList").getElementsByTagName("img").empty());
    EXPECT_EQ(el("iTrFirst").cells()[1]->innerText(), "卖 出") << "the headings stay";
    EXPECT_EQ(boxes(), 0u);
    EXPECT_GT(firstNotes, 0);
    EXPECT_EQ(notes(), firstNotes) << "logged with its first quote only";

    // The saved document loads again, with the valid names only.
    ASSERT_TRUE(ctx().Config->XMLSave());
    cls_Config saved(sim().platform);
    saved.setXmlFile(inst.configFile());
    ASSERT_TRUE(saved.Initialize());
    QStringList kept;
    for (const ConfigNode& n : saved.currencyList()) kept << n.name();
    EXPECT_EQ(kept, QStringList({"EURUSD", "GBPUSD", "USDJPY", "XAUUSD", "黄金", "eurusd"}));
}

TEST_F(Quotes, APairWithoutItsCheckedAttributeShowsOneBoxAndNoRow) {
    ctx().Config->CreateNode("Settings/ZEP/currency", "NOFLAG");
    for (int i = 0; i < 5; ++i) batch({{"NOFLAG", "1", "2"}});
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(boxes(), 1u);
}

TEST_F(Quotes, CollapsingAndExpandingTwiceGivesTheSameMarkup) {
    batch({{"EURUSD", "1.1", "1.2"}});
    const auto look = [&] {
        return el("main").outerHTML() + (fx().quotes().panel().collapsed() ? " collapsed" : " expanded");
    };
    click("quota_control");
    EXPECT_EQ(el("quotacenter").className(), "right_main right_col");
    EXPECT_EQ(style("contentarea", "margin-right"), "58px");
    EXPECT_TRUE(el("quotacenter").children()[0]->displayNoneInline() && shown("quotascroll"));
    const QString collapsed = look();
    click("quota_control");
    EXPECT_EQ(el("quotacenter").className(), "right_main");
    EXPECT_EQ(style("contentarea", "margin-right"), "317px");
    const QString expanded = look();
    click("quota_control");
    EXPECT_EQ(look(), collapsed);
    click("quota_control");
    EXPECT_EQ(look(), expanded);
}

TEST_F(Quotes, ADragMovesTheRowByWholeRowHeightsWithinTheTable) {
    batch({{"A1", "1", "1"}, {"A2", "2", "2"}, {"A3", "3", "3"}, {"A4", "4", "4"}, {"A5", "5", "5"}, {"A6", "6", "6"}});
    drag(0, 50); // 2.5 row heights of 20 px
    EXPECT_EQ(symbols(), QStringList({"A2", "A3", "A1", "A4", "A5", "A6"}));
    EXPECT_EQ(stripes(), Striped);
    EXPECT_EQ(rows()[2]->style("top"), "0px");
    EXPECT_EQ(rows()[2]->style("z-index"), "0");
    drag(4, -39); // not quite two rows up: one place
    EXPECT_EQ(symbols(), QStringList({"A2", "A3", "A1", "A5", "A4", "A6"}));
    drag(3, -400); // above the headings: first
    EXPECT_EQ(symbols(), QStringList({"A5", "A2", "A3", "A1", "A4", "A6"}));
    drag(1, 400); // below the last: last
    EXPECT_EQ(symbols(), QStringList({"A5", "A3", "A1", "A4", "A6", "A2"}));
    EXPECT_EQ(stripes(), Striped);
    batch({{"A2", "9", "9"}});
    EXPECT_EQ(symbols().last(), "A2") << "the order lasts";

    // A button released outside the rows still ends the drag.
    dom::Element& r = *rows()[0];
    mouse("onmousedown", r, 300);
    sim().desktop.simScreen().setCursorPos(QPoint(900, 340));
    doc().dispatchUserEvent(&el("iTrFirst"), "onmousemove");
    EXPECT_EQ(r.style("top"), "40px") << "the row catches up with the pointer";
    doc().dispatchUserEvent(&el("contentarea"), "onmouseup");
    EXPECT_EQ(symbols(), QStringList({"A3", "A1", "A5", "A4", "A6", "A2"}));
    const auto tops = [&] {
        QStringList out;
        for (dom::Element* row : rows()) out << row->style("top");
        return out;
    };
    const QStringList settled = tops();
    mouse("onmousemove", *rows()[1], 500);
    EXPECT_EQ(tops(), settled) << "no drag goes on";
}

} // namespace
