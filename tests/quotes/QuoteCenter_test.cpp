#include "mainwindow/MainWindowFixture.h"
#include "platform/sim/SimPlatform.h"
#include "wire/QtPrinters.h"

namespace {

struct Quote {
    const char* symbol;
    const char* bid;
    const char* ask;
};

class Quotes : public MainWindowFixture {
protected:
    // The pairs as shipped.
    void SetUp() override {
        loadPage();
        ctx().Config->CreateNode("Settings/ZEP", "currency");
        for (const char* p : {"EURUSD", "GBPUSD", "USDJPY", "XAUUSD"}) ctx().Config->AddQuota(p, "1");
    }

    void batch(std::initializer_list<Quote> quotes) {
        for (const Quote& q : quotes) ctx().pushSink->quot_center(q.symbol, q.bid, q.ask);
    }
    std::vector<dom::Element*> rows() {
        std::vector<dom::Element*> all = el("QuoteList").rows();
        return std::vector<dom::Element*>(all.begin() + 2, all.end());
    }
    QStringList column(int cell) {
        QStringList out;
        for (dom::Element* r : rows()) out << r->cells()[static_cast<size_t>(cell)]->innerText();
        return out;
    }
    QStringList symbols() { return column(0); }
    QStringList stripes() {
        QStringList out;
        for (dom::Element* r : rows()) out << r->className();
        return out;
    }
    // The pair's Checked in the configuration; "(none)" without one.
    QString pair(const char* symbol) {
        const QString path = QStringLiteral("Settings/ZEP/currency/") + symbol;
        if (!ctx().Config->isExistAttrib(path, "Checked")) return QStringLiteral("(none)");
        return ctx().Config->GetNodeAttrib(path, "Checked");
    }
    void setChecked(const char* symbol, const char* value) {
        ctx().Config->SetNodeAttrib(QStringLiteral("Settings/ZEP/currency/") + symbol, "Checked", value);
    }
    size_t boxes() { return sim().desktop.messageBoxes().size(); }
    static QStringList pairsIn(cls_Config& config) {
        QStringList names;
        for (const ConfigNode& n : config.currencyList()) names << n.name();
        return names;
    }

    // The user's mouse on a row's symbol cell, at screen y.
    void mouse(const char* event, dom::Element& row, int y) {
        sim().desktop.simScreen().setCursorPos(QPoint(900, y));
        doc().dispatchUserEvent(row.cells()[0], QString::fromLatin1(event));
    }
    void drag(int row, int dy) {
        dom::Element& r = *rows()[static_cast<size_t>(row)];
        mouse("onmousedown", r, 300);
        mouse("onmousemove", r, 300 + dy / 2);
        EXPECT_EQ(r.style("top"), QString::number(dy / 2) + "px") << "the row follows the pointer";
        mouse("onmouseup", r, 300 + dy);
    }
    void sixPairs() {
        batch({{"A1", "1", "1"}, {"A2", "2", "2"}, {"A3", "3", "3"},
               {"A4", "4", "4"}, {"A5", "5", "5"}, {"A6", "6", "6"}});
    }
};

const QStringList Striped = {"bg8fc", "bgccc", "bg8fc", "bgccc", "bg8fc", "bgccc"};

TEST_F(Quotes, FirstBatchBuildsTheRowsLaterBatchesOnlyRecolourAndRewrite) {
    batch({{"XAUUSD", "2045.10", "2045.60"}, {"EURUSD", "1.0851", "1.0853"}, {"USDJPY", "148.20", "148.23"}});
    EXPECT_EQ(symbols(), QStringList({"XAUUSD", "EURUSD", "USDJPY"}));
    EXPECT_EQ(stripes(), Striped.mid(0, 3));
    dom::Element& first = *rows()[0];
    EXPECT_EQ(first.title(), "点击拖动排列");
    EXPECT_EQ(first.style("cursor"), "default");
    EXPECT_EQ(el("XAUUSDp").innerText(), "2045.60") << "ask first";
    EXPECT_EQ(el("XAUUSDl").innerText(), "2045.10");
    EXPECT_EQ(el("XAUUSDp").style("color"), "") << "a new row has no colour";

    batch({{"XAUUSD", "2044.90", "2045.60"}, {"EURUSD", "1.0852", "1.0854"}, {"USDJPY", "148.20", "148.23"}});
    EXPECT_EQ(rows()[0], &first) << "rows are kept, not rebuilt";
    EXPECT_EQ(symbols(), QStringList({"XAUUSD", "EURUSD", "USDJPY"}));
    EXPECT_EQ(style("XAUUSDl", "color"), "#008F00");
    EXPECT_EQ(style("XAUUSDp", "color"), "#000000");
    EXPECT_EQ(style("EURUSDp", "color"), "#FF0000");
    EXPECT_EQ(el("XAUUSDl").innerText(), "2044.90");
    EXPECT_EQ(pair("XAUUSD"), "1") << "the shipped pair stays as it was";
}

// Prices compare as texts: fewer integer digits compare greater.
TEST_F(Quotes, PricesCompareAsTexts) {
    batch({{"XAUUSD", "1.2345", "100.5"}});
    batch({{"XAUUSD", "1.2346", "99.8"}});
    EXPECT_EQ(style("XAUUSDl", "color"), "#FF0000");
    EXPECT_EQ(style("XAUUSDp", "color"), "#FF0000") << "99.8 is greater than 100.5 as text";
    batch({{"XAUUSD", "1.2346", "100.1"}});
    EXPECT_EQ(style("XAUUSDp", "color"), "#008F00");
    EXPECT_EQ(style("XAUUSDl", "color"), "#000000");
}

TEST_F(Quotes, HiddenPairsNeverShowAndComeBackAtTheEndWhenSwitchedOn) {
    setChecked("GBPUSD", "0");
    batch({{"EURUSD", "1.1", "1.2"}, {"GBPUSD", "1.3", "1.4"}, {"CADCHF", "0.6", "0.7"}});
    EXPECT_EQ(symbols(), QStringList({"EURUSD", "CADCHF"}));
    EXPECT_EQ(pair("CADCHF"), "1") << "a new pair is kept, shown";
    batch({{"GBPUSD", "1.31", "1.41"}});
    EXPECT_EQ(symbols(), QStringList({"EURUSD", "CADCHF"}));

    // The settings switch it on: its row comes at once, with its latest prices.
    setChecked("GBPUSD", "1");
    fx().refreshShownPairs();
    EXPECT_EQ(symbols(), QStringList({"EURUSD", "CADCHF", "GBPUSD"}));
    EXPECT_EQ(el("GBPUSDp").innerText(), "1.41");
    EXPECT_EQ(stripes(), Striped.mid(0, 3));

    // Switched off, the row goes at once and the stripes close up.
    setChecked("EURUSD", "0");
    fx().refreshShownPairs();
    EXPECT_EQ(symbols(), QStringList({"CADCHF", "GBPUSD"}));
    EXPECT_EQ(stripes(), Striped.mid(0, 2));
}

// Symbols and prices come off the network: text only, and a symbol that cannot be an
// element name is shown without being kept.
TEST_F(Quotes, ForeignSymbolsShowAsTextAreNeverStoredAndNeverBoxed) {
    const auto notes = [&] { return sim().log.lines().filter("EUR/USD").size(); };
    qsizetype firstNotes = 0;
    for (int second = 0; second < 3; ++second) {
        batch({{"EUR/USD", "1.1", "1.2"}, {"<img src=x onerror=alert(1)>", "<b>1</b>", "2"}, {"x:y", "3", "4"},
               {"商 品", "5", "6"}, {"  GOLD \t OZ ", "7", "8"}, {"黄金", "9", "10"}});
        if (second == 0) firstNotes = notes();
    }
    EXPECT_GT(firstNotes, 0);
    EXPECT_EQ(notes(), firstNotes) << "logged with its first quote only";
    EXPECT_EQ(symbols(), QStringList({"EUR/USD", "<img src=x onerror=alert(1)>", "x:y", "商 品", "GOLD OZ", "黄金"}));
    EXPECT_EQ(column(2)[1], "<b>1</b>");
    EXPECT_TRUE(el("QuoteList").getElementsByTagName("img").empty());
    EXPECT_TRUE(el("QuoteList").getElementsByTagName("b").empty());
    EXPECT_EQ(el("iTrFirst").cells()[1]->innerText(), "卖 出") << "the headings stay";
    EXPECT_EQ(boxes(), 0u);

    // Only the valid name is kept, and the saved document loads again.
    ASSERT_TRUE(ctx().Config->XMLSave());
    cls_Config saved(sim().platform);
    saved.setXmlFile(inst.configFile());
    ASSERT_TRUE(saved.Initialize());
    EXPECT_EQ(pairsIn(saved), QStringList({"EURUSD", "GBPUSD", "USDJPY", "XAUUSD", "黄金"}));
}

// Two pairs whose cell ids differ only in case each keep their own prices.
TEST_F(Quotes, EachRowKeepsItsOwnCells) {
    batch({{"EURUSD", "1.1", "1.2"}, {"eurusd", "2.1", "2.2"}});
    batch({{"eurusd", "2.0", "2.3"}});
    EXPECT_EQ(column(1), QStringList({"1.2", "2.3"}));
    EXPECT_EQ(column(2), QStringList({"1.1", "2.0"}));
}

TEST_F(Quotes, APairWithoutItsCheckedAttributeShowsOneBoxAndNoRow) {
    ctx().Config->CreateNode("Settings/ZEP/currency", "NOFLAG");
    for (int i = 0; i < 5; ++i) batch({{"NOFLAG", "1", "2"}});
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(boxes(), 1u);
}

TEST_F(Quotes, MorePairsThanTheSettingsListAreAllShown) {
    for (int i = 0; i < 30; ++i)
        ctx().pushSink->quot_center(QStringLiteral("P%1").arg(i), "1", "2");
    EXPECT_EQ(rows().size(), 30u);
    EXPECT_EQ(ctx().Config->currencyList().size(), 34u);
}

TEST_F(Quotes, CollapsingAndExpandingTwiceGivesTheSameMarkup) {
    batch({{"EURUSD", "1.1", "1.2"}});
    const auto markup = [&] { return el("main").outerHTML(); };
    click("quota_control");
    EXPECT_EQ(el("quotacenter").className(), "right_main right_col");
    EXPECT_EQ(style("contentarea", "margin-right"), "58px");
    EXPECT_TRUE(el("quotacenter").children()[0]->displayNoneInline()) << "the table area";
    EXPECT_TRUE(shown("quotascroll"));
    const QString collapsed = markup();
    click("quota_control");
    EXPECT_EQ(el("quotacenter").className(), "right_main");
    EXPECT_EQ(style("contentarea", "margin-right"), "317px");
    EXPECT_FALSE(shown("quotascroll"));
    EXPECT_FALSE(el("quotacenter").children()[0]->displayNoneInline());
    const QString expanded = markup();
    click("quota_control");
    EXPECT_EQ(markup(), collapsed);
    click("quota_control");
    EXPECT_EQ(markup(), expanded);
}

TEST_F(Quotes, ADragMovesTheRowByWholeRowHeightsWithinTheTable) {
    sixPairs();
    drag(0, 50);   // 2.5 row heights of 20 px
    EXPECT_EQ(symbols(), QStringList({"A2", "A3", "A1", "A4", "A5", "A6"}));
    EXPECT_EQ(stripes(), Striped);
    dom::Element& moved = *rows()[2];
    EXPECT_EQ(moved.style("top"), "0px");
    EXPECT_EQ(moved.style("z-index"), "0");
    drag(4, -39);   // under two rows up: one place
    EXPECT_EQ(symbols(), QStringList({"A2", "A3", "A1", "A5", "A4", "A6"}));
    drag(3, -400);   // above the headings: first
    EXPECT_EQ(symbols(), QStringList({"A5", "A2", "A3", "A1", "A4", "A6"}));
    drag(1, 400);   // below the last: last
    EXPECT_EQ(symbols(), QStringList({"A5", "A3", "A1", "A4", "A6", "A2"}));
    EXPECT_EQ(stripes(), Striped);
    batch({{"A2", "9", "9"}});
    EXPECT_EQ(symbols().last(), "A2") << "the order lasts";
}

// A button released outside the rows still ends the drag.
TEST_F(Quotes, ReleasingOutsideTheRowsEndsTheDrag) {
    sixPairs();
    dom::Element& r = *rows()[0];
    mouse("onmousedown", r, 300);
    sim().desktop.simScreen().setCursorPos(QPoint(900, 340));
    doc().dispatchUserEvent(&el("iTrFirst"), "onmousemove");
    EXPECT_EQ(r.style("top"), "40px") << "the row catches up with the pointer";
    doc().dispatchUserEvent(&el("contentarea"), "onmouseup");
    EXPECT_EQ(symbols(), QStringList({"A2", "A3", "A1", "A4", "A5", "A6"}));
    mouse("onmousemove", *rows()[1], 500);
    EXPECT_EQ(rows()[1]->style("top"), "") << "no drag goes on";
}

} // namespace
