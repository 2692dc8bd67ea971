#include "MainWindowFixture.h"
#include "platform/sim/SimTrayIcon.h"
#include "session/Form1.h"

namespace {

using plat::WindowState;
using Shell = MainWindowFixture;

TEST_F(Shell, OpensWhereItWasLeftWithinTheRulesAndUnloadKeepsGeometryAndState) {
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

    win().show();
    win().userDrag(QPoint(120, 80));
    fx().CallByName("zep_min");
    ctx().unload(ctx().fxInfo);
    EXPECT_EQ(stored("Window/ZEP_state", "windstate"), "1");
    EXPECT_EQ(stored("Window/ZEP_Main", "Left"), "120");
    EXPECT_EQ(stored("Window/ZEP_Main", "Width"), "1020");
    EXPECT_EQ(ctx().pushSink, nullptr);
    EXPECT_EQ(ctx().loginSink, nullptr);

    // Maximised: the maximised rectangle, so that it opens maximised again.
    start();
    fx().CallByName("zep_max_frm");
    ctx().unload(ctx().fxInfo);
    EXPECT_EQ(stored("Window/ZEP_state", "windstate"), "2");
    EXPECT_EQ(stored("Window/ZEP_Main", "Width"), "1600");
    EXPECT_EQ(stored("Window/ZEP_Main", "Height"), "960");
}

// It maximises within the work area and restores by the same button; the page drags and sizes it
// but never drags it maximised.
TEST_F(Shell, MaximisesRestoresAndIsDraggedByThePageAsItsStateAllowsAndOpensMaximisedAsLeft) {
    loadPage({100, 60, 1100, 760, 0});
    const auto face = [&] { return el("zep_max").title() + ' ' + el("switch").getAttribute("src"); };
    EXPECT_EQ(face(), "最大化 2x.png");
    fx().CallByName("WindowMove");
    fx().CallByName("SizeGrip");
    EXPECT_EQ(win().systemMoveRequests(), 1);
    EXPECT_EQ(win().systemResizeRequests(), 1);
    click("zep_max");
    EXPECT_EQ(win().state(), WindowState::Maximized);
    EXPECT_EQ(win().geometry(), sim().desktop.simScreen().workArea());
    EXPECT_EQ(face(), "还原 control.png");
    fx().CallByName("WindowMove");
    EXPECT_EQ(win().systemMoveRequests(), 1);
    click("zep_max");
    EXPECT_EQ(win().state(), WindowState::Normal);
    EXPECT_EQ(win().geometry(), QRect(100, 60, 1100, 760));
    EXPECT_EQ(face(), "最大化 2x.png");
    click("zep_max");
    EXPECT_EQ(win().state(), WindowState::Maximized);

    // Closed maximised on the full width, it opens maximised; the first click restores it to a
    // fixed place.
    loadPage({0, 0, 1598, 960, 2});
    EXPECT_EQ(win().state(), WindowState::Maximized);
    EXPECT_EQ(face(), "还原 control.png");
    click("zep_max");
    EXPECT_EQ(win().state(), WindowState::Normal);
    EXPECT_EQ(win().geometry(), QRect(100, 100, 1096, 724));
    EXPECT_EQ(face(), "最大化 2x.png");
    // Narrower than the screen less 2 px: it opens normal.
    loadPage({0, 0, 1590, 960, 2});
    EXPECT_EQ(win().state(), WindowState::Normal);
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

TEST_F(Shell, ClosingHidesToTheTrayWithOneBalloonPerRun) {
    startWithController({100, 60, 1100, 760, 0});
    ASSERT_TRUE(win().isVisible());
    ASSERT_TRUE(ctx().form1 && ctx().form1->Visible());
    win().userDrag(QPoint(120, 80));
    EXPECT_FALSE(win().userClose());
    EXPECT_FALSE(win().isVisible());
    EXPECT_TRUE(ctx().fxInfo);
    EXPECT_EQ(stored("Window/ZEP_Main", "Left"), "120");
    EXPECT_EQ(stored("Window/ZEP_Main", "Top"), "80");

    win().show();
    fx().CallByName("zep_Close");
    EXPECT_FALSE(win().isVisible());
    EXPECT_FALSE(ctx().form1->Visible());
    ASSERT_EQ(sim().desktop.trayIcons().size(), 1u);
    const auto& balloons = sim().desktop.trayIcons().front()->balloons();
    ASSERT_EQ(balloons.size(), 1u);
    EXPECT_EQ(balloons.front().text, "最小化到系统任务托盘栏!");
    EXPECT_EQ(balloons.front().title, "Quenra极速版仍在运行!");
    EXPECT_EQ(balloons.front().iconFlags, 1);
}

} // namespace
