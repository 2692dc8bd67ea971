#include "MainWindowFixture.h"

namespace {

using Side = EdgeDocking::Side;

struct Docking : MainWindowFixture {
    // The virtual screen is 1600 x 1000; the window 1020 x 700 at (300, 150), shown.
    void SetUp() override {
        start({300, 150, 1020, 700, 0});
        win().show();
    }
    EdgeDocking& dock() { return fx().docking(); }
    void cursorTo(const QPoint& p) { sim().desktop.simScreen().setCursorPos(p); }
    void cursorAway() { cursorTo(QPoint(1590, 990)); }
    // The window's rectangle after each tick of the hide animation, until it stops.
    std::vector<QRect> hideTicks() {
        std::vector<QRect> out;
        for (int i = 0; i < 100 && dock().ctlTimeBerth.Enabled(); ++i) {
            sim().loop.advance(EdgeDocking::HideTickMs);
            out.push_back(win().geometry());
        }
        return out;
    }
};

TEST_F(Docking, DocksAtTheEdgeItIsDraggedToTheLaterTestWinningAndSizingKeepsItAtLeast650High) {
    win().userDrag(QPoint(-20, -20));
    EXPECT_TRUE(dock().docked());
    EXPECT_EQ(dock().side(), Side::Top);
    // Shown in full at the edge once the drag ends.
    EXPECT_EQ(win().geometry(), QRect(-20, 0, 1020, 700));

    win().userDrag(QPoint(700, 200));
    EXPECT_EQ(dock().side(), Side::Right);
    EXPECT_EQ(win().geometry().left(), 1600 - 1020);

    win().userDrag(QPoint(400, 350));
    EXPECT_EQ(dock().side(), Side::Bottom);
    EXPECT_EQ(win().geometry().top(), 1000 - 700);

    win().userDrag(QPoint(200, 100));
    EXPECT_FALSE(dock().docked());
    EXPECT_EQ(win().geometry(), QRect(200, 100, 1020, 700));

    // Sizing, unlike moving, keeps the window at least 650 high.
    QRect proposed(10, 10, 1020, 600);
    dock().cSizeMove_Sizing(proposed);
    EXPECT_EQ(proposed.height(), 650);
    QRect moved(10, 10, 1020, 600);
    dock().cSizeMove_Moving(moved);
    EXPECT_EQ(moved.height(), 600);
}

// Hidden in fifteenths when the mouse leaves, stopping at a three-pixel strip; back on activation
// or hover, and staying while active or hovered, even when activated during the slide.
TEST_F(Docking, HidesInFifteenthsToAStripAndComesBackOnActivationOrHover) {
    win().userDrag(QPoint(300, -5));
    ASSERT_EQ(dock().side(), Side::Top);
    sim().loop.advance(3000); // the mouse is still over the window
    EXPECT_EQ(win().geometry().top(), 0);

    cursorAway();
    sim().loop.advance(EdgeDocking::LeaveCheckMs);
    ASSERT_TRUE(dock().ctlTimeBerth.Enabled());
    const std::vector<QRect> ticks = hideTicks();
    ASSERT_EQ(ticks.size(), 16u); // 700 px in steps of 46
    for (size_t i = 0; i + 1 < ticks.size(); ++i) EXPECT_EQ(ticks[i].top(), -46 * int(i + 1));
    EXPECT_EQ(ticks.back().top(), 3 - 700);
    EXPECT_FALSE(dock().ctlTimeBerth.Enabled());

    win().userClick();
    EXPECT_EQ(win().geometry().top(), 0);
    sim().loop.advance(10'000);
    EXPECT_EQ(win().geometry().top(), 0);

    // Losing the activation with the mouse elsewhere hides it again; an activation during the
    // slide stops it.
    sim().desktop.windows().userClickOutside();
    sim().loop.advance(3 * EdgeDocking::HideTickMs);
    ASSERT_LT(win().geometry().top(), 0);
    win().userClick();
    sim().loop.advance(500);
    EXPECT_EQ(win().geometry().top(), 0);
    sim().desktop.windows().userClickOutside();
    hideTicks();
    EXPECT_EQ(win().geometry().top(), 3 - 700);

    // Hovering over the strip shows it until the mouse leaves.
    win().userMouseOverFrame(QPoint(500, 1));
    EXPECT_EQ(win().geometry().top(), 0);
    sim().loop.advance(3 * EdgeDocking::LeaveCheckMs);
    EXPECT_EQ(win().geometry().top(), 0);
    cursorAway();
    sim().loop.advance(EdgeDocking::LeaveCheckMs);
    hideTicks();
    EXPECT_EQ(win().geometry().top(), 3 - 700);
}

// Closed while hidden, it is kept as it shows at its edge.
TEST_F(Docking, HidesToEachEdgeExactlyAndClosedThereIsKeptAsItShows) {
    const auto hideAt = [&](const QPoint& dragTo) {
        win().userDrag(dragTo);
        cursorTo(QPoint(800, 500));
        if (win().geometry().contains(QPoint(800, 500))) cursorTo(QPoint(5, 5));
        sim().loop.advance(EdgeDocking::LeaveCheckMs);
        hideTicks();
        return win().geometry();
    };
    EXPECT_EQ(hideAt(QPoint(700, 150)).left(), 1600 - 3);
    EXPECT_EQ(dock().side(), Side::Right);
    EXPECT_FALSE(fx().Form_QueryUnload(Form::vbFormCode));
    EXPECT_EQ(stored("Window/ZEP_Main", "Left"), "580");
    EXPECT_EQ(stored("Window/ZEP_Main", "Top"), "150");
    win().userClick();
    EXPECT_EQ(hideAt(QPoint(-10, 150)).left(), 3 - 1020);
    win().userClick();
    EXPECT_EQ(hideAt(QPoint(300, 320)).top(), 1000 - 3);
}

} // namespace
