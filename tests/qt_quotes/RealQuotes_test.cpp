// The quote center of the real main window (QtWebEngine) on the X desktop: pushed quotes
// fill and colour the real page, the user's mouse (xdotool) drags a row into a new place,
// the panel collapses and comes back, and many pairs scroll. Screenshots go to artifacts/.
#include "config/cls_Config.h"
#include "core/AppContext.h"
#include "mainwindow/frmFXInfo.h"
#include "qt_browser/BrowserTesting.h"
#include "qt_desktop/RealProcess.h"
#include "session/Form1.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <iostream>

namespace {

const QString Artifacts = QStringLiteral(ZEP_SOURCE_DIR "/artifacts/");
const QStringList Pairs = {"EURUSD", "GBPUSD", "USDJPY", "AUDUSD", "USDCAD", "USDCHF",
                           "NZDUSD", "EURJPY", "GBPJPY", "EURGBP", "XAUUSD", "XAGUSD"};

class RealQuotes : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) GTEST_SKIP() << "needs scripts/with-desktop.sh";
        QDir().mkpath(Artifacts);
        const QString app = dir_.path() + u'/';
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZEP_SOURCE_DIR "/dist/ZEP.xml"), app + "ZEP.xml"));
        ctx_.AppPath = app;
        ctx_.PageBase = QStringLiteral("res://") + app + QStringLiteral("Zavez_ZEP.exe/");
        ctx_.server.webSite = ctx_.server.fileServer = QStringLiteral("http://127.0.0.1:9");
        ctx_.Config = std::make_shared<cls_Config>(real_.platform);
        ctx_.Config->setXmlFile(app + "ZEP.xml");
        ASSERT_TRUE(ctx_.Config->Initialize());
        frmFXInfo& fx = ctx_.load(ctx_.fxInfo);
        ASSERT_TRUE(waitUntil([&] { return !fx.Busy(); }, 30000));
        fx.window().show();
        runLoopFor(500);
        // The login dialog would cover the panel; the main window brings back an open one.
        ctx_.LoginDialogOpen = false;
        if (ctx_.form1) ctx_.form1->window().hide();
    }

    frmFXInfo& fx() { return *ctx_.fxInfo; }
    QWebEngineView* view() { return static_cast<plat::QtBrowser*>(fx().WebBrowser())->view(); }
    QVariant js(const QString& script) { return browsertest::runJs(view()->page(), script); }
    // The pairs in the real page; in the program's model.
    QString pageSymbols() {
        return js("Array.from(QuoteList.rows).slice(2).map(function (r) { return r.cells[0].textContent; }).join()")
            .toString();
    }
    QString modelSymbols() {
        QStringList out;
        for (dom::Element* r : fx().WebBrowser()->document()->getElementById("QuoteList")->rows())
            out << r->cells()[0]->innerText();
        return out.mid(2).join(u',');
    }
    // An element's rectangle on the screen, from a script expression.
    QRect screenRect(const QString& element) {
        const QVariantList r =
            js("(function (e) { var r = e.getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; })(" +
               element + ")")
                .toList();
        return r.size() != 4 ? QRect()
                             : QRect(r[0].toInt(), r[1].toInt(), r[2].toInt(), r[3].toInt())
                                   .translated(view()->mapToGlobal(QPoint()));
    }
    static void mouse(const QPoint& at, QStringList then = {}) {
        xdotool(QStringList{"mousemove", QString::number(at.x()), QString::number(at.y())} + then);
    }
    void batch(int tick) {
        for (int i = 0; i < Pairs.size(); ++i) {
            const double bid = 1 + i + (tick % 2 ? (i % 3) - 1 : 0) * 0.0007;
            ctx_.pushSink->quot_center(Pairs[i], QString::number(bid, 'f', 4), QString::number(bid + 0.0003, 'f', 4));
        }
    }
    void screenshot(const QRect& screen, const char* name) {
        runLoopFor(500); // the view draws a changed page a little later
        EXPECT_TRUE(view()->grab(QRect(view()->mapFromGlobal(screen.topLeft()), screen.size())).save(Artifacts + name));
        std::cout << "screenshot " << (Artifacts + name).toStdString() << std::endl;
    }

    QTemporaryDir dir_;
    RealPlatform real_;
    AppContext ctx_{real_.platform};
};

TEST_F(RealQuotes, PricesFillAndColourARowDragsWithTheMouseAndThePanelCollapsesAndComesBack) {
    batch(0);
    batch(1);
    ASSERT_TRUE(waitUntil([&] { return pageSymbols() == Pairs.join(u','); }, 10000)) << pageSymbols().toStdString();
    EXPECT_EQ(js("getComputedStyle(EURUSDp).color").toString(), "rgb(0, 143, 0)") << "fell";
    EXPECT_EQ(js("getComputedStyle(GBPUSDp).color").toString(), "rgb(0, 0, 0)") << "unchanged";
    EXPECT_EQ(js("getComputedStyle(USDJPYl).color").toString(), "rgb(255, 0, 0)") << "rose";
    const QRect panel = screenRect("quotacenter");
    screenshot(panel, "quotes-panel.png");

    // The user drags the first pair two and a half headings' heights down.
    const int dy = js("iTrFirst.offsetHeight").toInt() * 5 / 2;
    const QPoint from = screenRect("QuoteList.rows[2]").center();
    mouse(from, {"mousedown", "1"});
    ASSERT_TRUE(waitUntil([&] { return fx().quotes().drag().dragging(); }));
    for (int step = 1; step <= 10; ++step) {
        mouse(from + QPoint(0, dy * step / 10));
        runLoopFor(30);
    }
    EXPECT_TRUE(waitUntil([&] { return screenRect("EURUSDp").center().y() >= from.y() + dy - 2; }))
        << "the row follows the pointer in the page";
    xdotool({"mouseup", "1"});
    ASSERT_TRUE(waitUntil([&] { return !fx().quotes().drag().dragging(); }));
    QStringList moved = Pairs;
    moved.move(0, 2);
    EXPECT_EQ(modelSymbols(), moved.join(u','));
    EXPECT_TRUE(waitUntil([&] { return pageSymbols() == moved.join(u','); })) << pageSymbols().toStdString();
    EXPECT_EQ(js("Array.from(QuoteList.rows).slice(2, 5).map(function (r) { return r.className + ' ' + r.style.top; })"
                 ".join()")
                  .toString(),
              "bg8fc ,bgccc ,bg8fc 0px")
        << "restriped, the moved row back in its place";

    // The page's link collapses the panel to its strip and brings it back as it was.
    const QRect content = screenRect("contentarea");
    mouse(screenRect("quota_control").center(), {"click", "1"});
    ASSERT_TRUE(waitUntil([&] { return fx().quotes().panel().collapsed(); }));
    ASSERT_TRUE(waitUntil([&] { return screenRect("quotacenter").width() < panel.width() / 4; }));
    EXPECT_GT(screenRect("contentarea").width(), content.width());
    screenshot(screenRect("quotacenter").adjusted(-300, 0, 0, 0), "quotes-collapsed.png");
    mouse(screenRect("quota_control").center(), {"click", "1"});
    ASSERT_TRUE(waitUntil([&] { return !fx().quotes().panel().collapsed(); }));
    EXPECT_TRUE(waitUntil([&] { return screenRect("quotacenter") == panel && screenRect("contentarea") == content; }));
}

// More pairs than the panel holds: all are there, the list scrolls under the mouse wheel and
// the caption and headings stay in view.
TEST_F(RealQuotes, MorePairsThanThePanelHoldsScrollUnderTheHeadings) {
    for (int i = 0; i < 30; ++i)
        ctx_.pushSink->quot_center(QStringLiteral("PAIR%1").arg(i, 2, 10, QChar(u'0')), "1.2345", "1.2347");
    ASSERT_TRUE(waitUntil([&] { return js("QuoteList.rows.length").toInt() == 32; }, 10000));
    const QRect box = screenRect("quotacenter.firstElementChild");
    const QRect caption = screenRect("QuoteList.rows[0].cells[0]");
    EXPECT_GT(screenRect("QuoteList.rows[31]").top(), box.bottom()) << "the last pair is below the fold";

    mouse(box.center(), {"click", "--repeat", "20", "--delay", "20", "5"});
    EXPECT_TRUE(waitUntil([&] { return screenRect("QuoteList.rows[31]").bottom() <= box.bottom(); }))
        << "the wheel brings the last pair into view";
    EXPECT_EQ(screenRect("QuoteList.rows[0].cells[0]").top(), caption.top()) << "the caption stays";
    EXPECT_EQ(screenRect("iTrFirst.cells[0]").top(), caption.bottom() + 1) << "the headings stay under it";
    screenshot(screenRect("quotacenter"), "quotes-30-pairs-scrolled.png");
}

} // namespace
