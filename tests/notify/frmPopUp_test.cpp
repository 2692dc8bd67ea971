#include "NotifyFixture.h"
#include "dialogs/IE_frm.h"

namespace {

class PopupWindow : public NotifyFixture {
protected:
    PopupWindow() { preparePopup(); }

    QRect frame() { return popupWindow().geometry(); }
    int alpha() { return popupWindow().alpha(); }
    // The showing's phase at t ms after start.
    int32_t phaseAt(qint64 start, qint64 t) {
        advance(start + t - sim.loop.nowMs());
        return popupForm().PopUpStatus();
    }
};

// 301 px = 4515 twips high, 282 px wide; the work area's bottom-right corner is (1600, 960).
// Each frame grows by 376 twips, positions rounded to the nearest pixel.
TEST_F(PopupWindow, SlidesUpFadingInStaysFadesOutAndCollapses) {
    popup(QStringLiteral("A"), 1);
    for (int k = 1; k <= 12; ++k) {
        const int grown = 376 * k;
        const QRect expected(1318, qRound((14400 - grown) / 15.0), 282, qRound(grown / 15.0));
        EXPECT_EQ(frame(), expected) << "frame " << k;
        EXPECT_EQ(alpha(), k * 255 / 12) << "frame " << k;
        EXPECT_EQ(popupForm().PopUpStatus(), frmPopUp::SlidingIn);
        advance(50);
    }
    EXPECT_EQ(frame(), QRect(1318, 659, 282, 301));
    EXPECT_EQ(alpha(), 255);
    EXPECT_EQ(popupForm().PopUpStatus(), frmPopUp::Showing);
    EXPECT_TRUE(popupWindow().isTopmost());

    advance(1000);
    EXPECT_EQ(popupForm().PopUpStatus(), frmPopUp::FadingOut);
    for (int counter = 11; counter >= 0; --counter) {
        advance(50);
        EXPECT_EQ(alpha(), counter * 255 / 12);
        EXPECT_EQ(frame(), QRect(1318, 659, 282, 301));
    }
    EXPECT_TRUE(ctx.PopupShowing);
    advance(50);
    EXPECT_EQ(frame(), QRect(1318, 960, 282, 0));
    EXPECT_EQ(popupForm().PopUpStatus(), frmPopUp::SlidingIn);
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_FALSE(ctx.PopupShowing);
}

TEST_F(PopupWindow, StayComesFromTheRequestOrTheSetting) {
    // "m" counts as minutes only as the last character; stays beyond the old timer's
    // 65,535 ms are kept.
    const std::tuple<const char*, int32_t, qint64> cases[] = {
        {"1m", 0, 60000}, {"1m5", 0, 1000}, {"1m", 8, 8000}, {"90", 0, 90000}};
    for (const auto& [setting, stay, expectedMs] : cases) {
        ctx.PopupStayTime = QString::fromLatin1(setting);
        popup(QStringLiteral("item"), stay);
        const qint64 start = sim.loop.nowMs();
        EXPECT_EQ(phaseAt(start, 600 + expectedMs - 1), frmPopUp::Showing) << setting << " " << stay;
        EXPECT_EQ(phaseAt(start, 600 + expectedMs), frmPopUp::FadingOut) << setting << " " << stay;
        advance(13 * 50);
        ASSERT_FALSE(ctx.PopupShowing);
    }
}

// Requests while sliding in and showing add their rows and change nothing else: the showing
// ends when the first one would have. One that comes while the window fades out makes it
// opaque again for the showing's full stay, so that its row is not gone before it is read.
TEST_F(PopupWindow, RequestsDuringAShowingAddRowsAndOneDuringTheFadeBringsItBack) {
    popup(QStringLiteral("first"), 2);
    const qint64 start = sim.loop.nowMs();
    advance(100);
    popup(QStringLiteral("sliding"), 60);
    advance(1000);
    popup(QStringLiteral("showing"), 60);
    EXPECT_EQ(phaseAt(start, 600 + 2000 - 1), frmPopUp::Showing);
    advance(start + 600 + 2000 + 13 * 50 - 1 - sim.loop.nowMs());
    ASSERT_EQ(popupForm().PopUpStatus(), frmPopUp::FadingOut);
    ASSERT_LT(alpha(), 30);
    popup(QStringLiteral("fading"), 60);
    EXPECT_EQ(rows(), (QStringList{"fading", "showing", "sliding", "first"}));
    EXPECT_EQ(popupForm().PopUpStatus(), frmPopUp::Showing);
    EXPECT_EQ(alpha(), 255);
    EXPECT_EQ(frame().top() + frame().height(), 960);
    const qint64 revived = sim.loop.nowMs();
    EXPECT_EQ(phaseAt(revived, 2000 - 1), frmPopUp::Showing);
    EXPECT_EQ(phaseAt(revived, 2000 + 13 * 50 - 1), frmPopUp::FadingOut);
    EXPECT_EQ(phaseAt(revived, 2000 + 13 * 50), frmPopUp::SlidingIn);
    EXPECT_FALSE(ctx.PopupShowing);

    popup(QStringLiteral("next"));
    EXPECT_EQ(rows(), QStringList{"next"});
    EXPECT_EQ(popupForm().PopUpStatus(), frmPopUp::SlidingIn);
    EXPECT_EQ(frame().height(), 25);
}

TEST_F(PopupWindow, RowsKeepTheirOrderAtMostTenAndNoDuplicate) {
    popup(QStringLiteral("Alpha~Beta"));
    popup(QStringLiteral("Gamma"));
    EXPECT_EQ(rows(), (QStringList{"Gamma", "Alpha", "Beta"}));
    // Already there: ignoring case, and as the page writes the line back.
    popup(QStringLiteral("alpha"));
    const QString news = newsLine(QString(), QStringLiteral("美联储维持利率不变"));
    popup(news);
    popup(news);
    EXPECT_EQ(rows().size(), 4);
    // "b" is in the table's markup ("tbody"), but no row holds it.
    popup(QStringLiteral("b~1~2~3~4~5~6"));
    EXPECT_EQ(rows(), (QStringList{"b", "1", "2", "3", "4", "5", "6",
                                   QStringLiteral("12/06 10:15\u00a0美联储维持利率不变"), "Gamma", "Alpha"}));
}

// The first request waits for the page with the loop running and the controller disabled;
// a request that comes in meanwhile is shown too. The window never takes the focus.
TEST_F(PopupWindow, TheFirstRequestWaitsForThePageAndTheWindowNeverTakesTheFocus) {
    auto other = sim.platform.createWindow(plat::WindowKind::Main);
    other->show();
    ASSERT_TRUE(other->isActive());
    bool ownerEnabled = true;
    sim.loop.post([&] {
        ownerEnabled = owner->isEnabled();
        popup(QStringLiteral("during the wait"));
    });
    popup(QStringLiteral("first"));
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(owner->isEnabled());
    EXPECT_EQ(rows(), (QStringList{"first", "during the wait"}));
    advance(600);
    EXPECT_EQ(frame(), QRect(1318, 659, 282, 301));
    EXPECT_TRUE(popupWindow().isVisible());
    EXPECT_TRUE(other->isActive());
    EXPECT_FALSE(popupWindow().isActive());
}

// A click on a row without link does nothing; one on a link among other rows opens the
// article and keeps the popup.
TEST_F(PopupWindow, ARowWithoutLinkOrALinkAmongOtherRowsKeepsThePopup) {
    popup(newsLine(QString(), QStringLiteral("无链接")));
    advance(700);
    click(*element("popupWin_Table").getElementsByTagName(QStringLiteral("span")).at(0));
    EXPECT_TRUE(ctx.PopupShowing);
    EXPECT_EQ(rows().size(), 1);
    EXPECT_FALSE(ctx.ieFrm);
    popup(newsLine(QStringLiteral("http://web.test/a"), QStringLiteral("有链接")));
    click(*element("popupWin_Table").getElementsByTagName(QStringLiteral("span")).at(0));
    EXPECT_TRUE(ctx.PopupShowing);
    EXPECT_EQ(rows().size(), 2);
    EXPECT_TRUE(ctx.ieFrm);
}

// No stay (an empty setting and a request for the configured one): the window stays until
// the user closes it; its caption drags it. The real page reports the box's size once it has
// laid the rows out: a window that slides in or shows takes the new size where it is in its
// showing; a closed one stays closed.
TEST_F(PopupWindow, WithoutStayItWaitsForTheCloseButtonAndTakesTheBoxsSizeMeanwhile) {
    ctx.PopupStayTime = QString();
    plat::SimBrowser& browser = *popupWindow().browser();
    popup(QStringLiteral("A"));
    advance(250);                                                   // 6 frames
    browser.layout().setSize(QStringLiteral("popupWin"), 300, 421); // 6315 twips: a step of 526
    browser.onSizesChanged();
    EXPECT_EQ(frame(), QRect(1300, qRound((14400 - 6 * 526) / 15.0), 300, qRound(6 * 526 / 15.0)));
    advance(3600 * 1000);
    EXPECT_EQ(popupForm().PopUpStatus(), frmPopUp::Showing);
    EXPECT_EQ(frame(), QRect(1300, 539, 300, 421));

    browser.layout().setSize(QStringLiteral("popupWin"), 282, 301);
    browser.onSizesChanged();
    EXPECT_EQ(frame(), QRect(1318, 659, 282, 301));
    page().dispatchUserEvent(&element("popupWin_CaptionText"), QStringLiteral("onmousedown"));
    EXPECT_EQ(popupWindow().systemMoveRequests(), 1);
    click(element("popupWin_CloseButton"));
    EXPECT_EQ(frame().height(), 0);
    EXPECT_FALSE(ctx.PopupShowing);
    EXPECT_TRUE(rows().isEmpty());
    browser.layout().setSize(QStringLiteral("popupWin"), 300, 421);
    browser.onSizesChanged();
    EXPECT_EQ(frame().height(), 0);
}

} // namespace
