#include "MainWindowFixture.h"
#include "push/Form1.h"

namespace {

using plat::WindowState;
using Shell = MainWindowFixture;

TEST_F(Shell, OpensWhereItWasLeftWithinTheRules) {
    start({100, 60, 1100, 760, 0});
    EXPECT_EQ(win().geometry(), QRect(100, 60, 1100, 760));
    EXPECT_EQ(win().kind(), plat::WindowKind::Main);
    EXPECT_EQ(win().title(), "Quenra极速版");
    EXPECT_EQ(win().owner(), nullptr);

    // Off the screen's top-left corner, and smaller than the minimum.
    start({-50, -10, 800, 500, 0});
    EXPECT_EQ(win().geometry(), QRect(0, 0, 1020, 700));

    // Left minimised: the stored size does not count.
    start({30, 40, 1200, 800, 1});
    EXPECT_EQ(win().geometry(), QRect(30, 40, 1020, 700));
}

TEST_F(Shell, StaysAtLeastTheMinimumSize) {
    start();
    win().show();
    win().userSizeTo(QSize(900, 680));
    EXPECT_EQ(win().geometry().size(), QSize(1020, 700));
    win().userSizeTo(QSize(1300, 900));
    EXPECT_EQ(win().geometry().size(), QSize(1300, 900));
}

TEST_F(Shell, MaximisesWithinTheWorkAreaAndRestoresByTheSameButton) {
    start({100, 60, 1100, 760, 0});
    fx().CallByName("zep_max_frm");
    EXPECT_EQ(win().state(), WindowState::Maximized);
    EXPECT_EQ(win().geometry(), sim().desktop.simScreen().workArea());
    fx().CallByName("zep_max_frm");
    EXPECT_EQ(win().state(), WindowState::Normal);
    EXPECT_EQ(win().geometry(), QRect(100, 60, 1100, 760));
    fx().CallByName("zep_max_frm");
    EXPECT_EQ(win().state(), WindowState::Maximized);
}

TEST_F(Shell, MinimiseTakesTheOpenLoginDialogAlongAndRestoringBringsItBack) {
    start();
    win().show();
    ctx().load(ctx().form1).Show();
    ctx().LoginDialogOpen = true;
    fx().CallByName("zep_min");
    EXPECT_EQ(win().state(), WindowState::Minimized);
    EXPECT_FALSE(ctx().form1->Visible());
    win().userTaskbarClick();
    EXPECT_EQ(win().state(), WindowState::Normal);
    EXPECT_TRUE(ctx().form1->Visible());

    // A dialog that is not open stays away.
    ctx().form1->window().hide();
    ctx().LoginDialogOpen = false;
    fx().CallByName("zep_min");
    win().userTaskbarClick();
    EXPECT_FALSE(ctx().form1->Visible());
}

TEST_F(Shell, DragsAndSizesByThePageButNeverDragsAMaximisedWindow) {
    start();
    fx().CallByName("WindowMove");
    fx().CallByName("SizeGrip");
    EXPECT_EQ(win().systemMoveRequests(), 1);
    EXPECT_EQ(win().systemResizeRequests(), 1);
    fx().CallByName("zep_max_frm");
    fx().CallByName("WindowMove");
    EXPECT_EQ(win().systemMoveRequests(), 1);
}

TEST_F(Shell, UnloadKeepsGeometryAndStateAndGivesTheWindowBack) {
    start({100, 60, 1100, 760, 0});
    win().show();
    win().userDrag(QPoint(150, 90));
    fx().CallByName("zep_max_frm");
    ctx().unload(ctx().fxInfo);
    EXPECT_FALSE(ctx().fxInfo);
    EXPECT_EQ(stored("Window/ZEP_state", "windstate"), "2");
    // The maximised rectangle: a window closed maximised on the full width opens so again.
    EXPECT_EQ(stored("Window/ZEP_Main", "Left"), "0");
    EXPECT_EQ(stored("Window/ZEP_Main", "Width"), "1600");
    EXPECT_EQ(stored("Window/ZEP_Main", "Height"), "960");
    EXPECT_EQ(ctx().pushSink, nullptr);
    EXPECT_EQ(ctx().loginSink, nullptr);
}

TEST_F(Shell, UnloadWritesTheMinimisedAndNormalStates) {
    start();
    fx().CallByName("zep_min");
    ctx().unload(ctx().fxInfo);
    EXPECT_EQ(stored("Window/ZEP_state", "windstate"), "1");

    start({100, 60, 1100, 760, 1});
    win().show();
    win().userDrag(QPoint(120, 80));
    ctx().unload(ctx().fxInfo);
    EXPECT_EQ(stored("Window/ZEP_state", "windstate"), "0");
    EXPECT_EQ(stored("Window/ZEP_Main", "Left"), "120");
    EXPECT_EQ(stored("Window/ZEP_Main", "Top"), "80");
    EXPECT_EQ(stored("Window/ZEP_Main", "Width"), "1020");
}

} // namespace
