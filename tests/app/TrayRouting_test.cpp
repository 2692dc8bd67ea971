#include "StartedProgram.h"
#include "config/cls_Config.h"
#include "dialogs/frmaboutnew.h"

// The controller's answers to the tray: the menu, bringing the main window back from
// wherever it is, the exit, and balloons that close after their time-out.
namespace {

constexpr int FiveMinutes = 300000;

struct TrayRouting : StartedProgram {
    void SetUp() override { startToMainWindow(); }

    // The two ways back: the menu's "Main" and a left click on the icon.
    void bringBack(bool byMenu) {
        if (byMenu)
            ASSERT_TRUE(tray().userChooseMenuItem("Main"));
        else
            tray().userNotify(frmSysTray::LButtonDown);
        sim().loop.runPosted();
    }
    // Minimised away from the stored place, with the saved state given.
    void minimiseElsewhere(const char* savedState) {
        mainWindow().userDrag(QPoint(300, 200));
        ctx().fxInfo->CallByName("zep_min");
        ASSERT_EQ(mainWindow().state(), plat::WindowState::Minimized);
        ctx().Config->SetNodeAttrib("Window/ZEP_state", "windstate", savedState);
    }
};

TEST_F(TrayRouting, TheRightButtonShowsTheMenuWhoseAboutOpensTheAboutDialogOwnedByTheMainWindow) {
    ASSERT_FALSE(mainWindow().userClose());
    tray().userNotify(frmSysTray::RButtonDown);
    EXPECT_EQ(tray().menuPopups(), 1);
    EXPECT_FALSE(mainWindow().isVisible());
    ASSERT_GE(tray().menu().size(), 5u);
    EXPECT_EQ(tray().menu().front().key, "Main");
    EXPECT_TRUE(tray().menu().front().isDefault);
    EXPECT_EQ(tray().menu().back().key, "Exit");
    // Other buttons and notifications mean nothing.
    tray().userNotify(0x207);
    tray().userNotify(frmSysTray::MouseMove);
    EXPECT_EQ(tray().menuPopups(), 1);
    EXPECT_FALSE(mainWindow().isVisible());

    ASSERT_TRUE(tray().userChooseMenuItem("About"));
    ASSERT_TRUE(ctx().about && ctx().about->Visible());
    EXPECT_EQ(ctx().about->window().owner(), &mainWindow());
}

// A window closed to the tray comes back; a minimised one as saved: normal at the stored
// place, or maximised; one hidden at the top edge into view.
TEST_F(TrayRouting, TheWindowComesBackByEitherWayMinimisedInItsSavedStateOrHiddenIntoView) {
    for (const bool byMenu : {false, true}) {
        SCOPED_TRACE(byMenu ? "menu" : "left button");
        ASSERT_FALSE(mainWindow().userClose());
        ASSERT_FALSE(mainWindow().isVisible());
        bringBack(byMenu);
        EXPECT_TRUE(mainWindow().isVisible());
        EXPECT_EQ(mainWindow().state(), plat::WindowState::Normal);
        EXPECT_EQ(mainWindow().geometry(), QRect(40, 30, 1020, 700));

        minimiseElsewhere("0");
        bringBack(byMenu);
        EXPECT_EQ(mainWindow().state(), plat::WindowState::Normal);
        EXPECT_EQ(mainWindow().geometry(), QRect(40, 30, 1020, 700));
        minimiseElsewhere("2");
        bringBack(byMenu);
        EXPECT_EQ(mainWindow().state(), plat::WindowState::Maximized);
        EXPECT_EQ(mainWindow().geometry(), sim().desktop.simScreen().workArea());
        // Back where it was: the close stores the place the next round expects.
        mainWindow().setState(plat::WindowState::Normal);
        mainWindow().userDrag(QPoint(40, 30));
    }

    // The menu brings one hidden at the top edge back into view.
    mainWindow().userDrag(QPoint(300, -5));
    sim().desktop.windows().userClickOutside();
    sim().desktop.simScreen().setCursorPos(QPoint(1590, 990));
    sim().loop.advance(5000);
    ASSERT_EQ(mainWindow().geometry().top(), 3 - 700);
    bringBack(true);
    EXPECT_EQ(mainWindow().geometry(), QRect(300, 0, 1020, 700));
    EXPECT_TRUE(mainWindow().isActive());
}

TEST_F(TrayRouting, ExitUnloadsEverythingSavesAndRemovesTheIcon) {
    ASSERT_TRUE(tray().userChooseMenuItem("Exit"));
    sim().loop.runPosted();
    // What ExitApp unloads and saves is the controller's test; here the menu's way to it.
    EXPECT_EQ(sim().loop.exitStatus(), 0);
    EXPECT_FALSE(ctx().mainCtl);
    EXPECT_FALSE(ctx().sysTray);
    EXPECT_TRUE(sim().desktop.trayIcons().empty());
    EXPECT_EQ(sim().loop.activeTimers(), 0);
}

TEST_F(TrayRouting, ABalloonClosesAfterFiveMinutesCountedFromTheLatestBalloon) {
    ctx().mainCtl->ShowBalloonTip("first", "title", 1);
    sim().loop.advance(4 * 60'000);
    ctx().mainCtl->ShowBalloonTip("second", "title", 2);
    sim().loop.advance(FiveMinutes - 1);
    ASSERT_TRUE(tray().balloonShowing());
    EXPECT_EQ(tray().balloons().back().text, "second");
    EXPECT_EQ(tray().balloons().back().timeoutMs, FiveMinutes);
    sim().loop.advance(1);
    EXPECT_FALSE(tray().balloonShowing());
}

} // namespace
