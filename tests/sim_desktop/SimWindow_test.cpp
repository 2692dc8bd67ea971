#include "MessageLog.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimLoop.h"
#include "platform/sim/SimWindow.h"
#include <gtest/gtest.h>

using namespace plat;

namespace {

class SimWindowTest : public testing::Test {
protected:
    SimWindow& make(WindowKind kind) {
        windows_.push_back(desktop.createWindow(kind));
        return static_cast<SimWindow&>(*windows_.back());
    }

    SimLoop loop;
    SimDesktop desktop{loop, SimDesktop::Mode::Recording};
    std::vector<std::unique_ptr<Window>> windows_;
};

TEST_F(SimWindowTest, ProgramSideChangesGenerateSizeLikeARealWindow) {
    SimWindow& w = make(WindowKind::Main);
    MessageLog log(w);
    int resizes = 0, moves = 0;
    w.onResize = [&] { ++resizes; };
    w.onMove = [&] { ++moves; };

    w.setGeometry(QRect(10, 20, 1020, 700));
    ASSERT_EQ(log.ids(), std::vector<int>{wm::SIZE});
    EXPECT_EQ(log.seen[0].wParam, wm::SIZE_RESTORED);
    EXPECT_EQ(log.seen[0].lParam, wm::makeLParam(1020, 700));
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(moves, 1);

    w.setGeometry(QRect(30, 40, 1020, 700)); // a move alone sends no SIZE
    EXPECT_EQ(log.seen.size(), 1u);
    EXPECT_EQ(moves, 2);

    log.answer = [](WindowMessage& m) { return m.msg == wm::SIZE; };
    w.setGeometry(QRect(30, 40, 800, 600)); // an answered SIZE skips the default handling
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(w.geometry(), QRect(30, 40, 800, 600));
}

TEST_F(SimWindowTest, MaximisedFillsTheAnsweredRectangleAndRestoresTheNormalOne) {
    SimWindow& w = make(WindowKind::Main);
    w.setGeometry(QRect(100, 100, 1096, 724));
    w.show();
    MessageLog log(w);

    w.setState(WindowState::Maximized);
    EXPECT_EQ(w.geometry(), QRect(0, 0, 1600, 960)); // the work area above the taskbar
    ASSERT_EQ(log.ids(), (std::vector<int>{wm::GETMINMAXINFO, wm::SIZE}));
    EXPECT_EQ(log.seen[1].wParam, wm::SIZE_MAXIMIZED);

    w.setGeometry(QRect(200, 200, 1100, 750)); // a maximised window is not moved
    EXPECT_EQ(w.geometry(), QRect(0, 0, 1600, 960));
    w.setState(WindowState::Normal);
    EXPECT_EQ(w.geometry(), QRect(100, 100, 1096, 724));

    log.answer = [](WindowMessage& m) {
        if (m.msg != wm::GETMINMAXINFO) return false;
        m.rect = QRect(0, 0, 1600, 950);
        return true;
    };
    w.setState(WindowState::Maximized);
    EXPECT_EQ(w.geometry(), QRect(0, 0, 1600, 950));
}

TEST_F(SimWindowTest, MinimisingKeepsTheGeometryAndGivesUpTheActivation) {
    SimWindow& w = make(WindowKind::Main);
    w.setGeometry(QRect(50, 60, 1020, 700));
    w.show();
    ASSERT_TRUE(w.isActive());
    MessageLog log(w);

    w.setState(WindowState::Minimized);
    EXPECT_FALSE(w.isActive());
    EXPECT_EQ(w.geometry(), QRect(50, 60, 1020, 700));
    ASSERT_EQ(log.ids(), (std::vector<int>{wm::ACTIVATE, wm::SIZE}));
    EXPECT_EQ(log.seen[0].wParam, wm::WA_INACTIVE);
    EXPECT_EQ(log.seen[1].wParam, wm::SIZE_MINIMIZED);
}

TEST_F(SimWindowTest, ADragMovesThroughTheHookStepByStep) {
    SimWindow& w = make(WindowKind::Main);
    w.setGeometry(QRect(100, 100, 1000, 700));
    w.show();
    MessageLog log(w);
    // The hook pins the window's top to the screen edge on the way (as docking might).
    log.answer = [](WindowMessage& m) {
        if (m.msg != wm::MOVING) return false;
        if (m.rect.top() < 0) m.rect.moveTop(0);
        return true;
    };

    w.userDrag(QPoint(40, -150), 3);

    ASSERT_EQ(log.ids(), (std::vector<int>{wm::ENTERSIZEMOVE, wm::MOVING, wm::MOVING, wm::MOVING, wm::EXITSIZEMOVE}));
    // Proposals follow the mouse, not what the hook made of the previous step.
    EXPECT_EQ(log.seen[1].rect, QRect(80, 17, 1000, 700));
    EXPECT_EQ(log.seen[2].rect.topLeft(), QPoint(60, -67));
    EXPECT_EQ(log.seen[3].rect.topLeft(), QPoint(40, -150));
    EXPECT_EQ(w.geometry(), QRect(40, 0, 1000, 700));
}

TEST_F(SimWindowTest, SizingByTheGripProposesAtLeastTheMinimumAndResizes) {
    SimWindow& w = make(WindowKind::Main);
    w.setGeometry(QRect(0, 0, 1020, 700));
    w.setMinimumSize(QSize(300, 200));
    w.show();
    MessageLog log(w);
    log.answer = [](WindowMessage& m) {
        if (m.msg != wm::SIZING) return false;
        m.rect.setHeight(std::max(m.rect.height(), 650));
        return true;
    };

    w.userSizeTo(QSize(100, 100), 2);

    ASSERT_EQ(log.ids(),
              (std::vector<int>{wm::ENTERSIZEMOVE, wm::SIZING, wm::SIZE, wm::SIZING, wm::SIZE, wm::EXITSIZEMOVE}));
    EXPECT_EQ(log.seen[1].wParam, wm::WMSZ_BOTTOMRIGHT);
    EXPECT_EQ(log.seen[3].rect, QRect(0, 0, 300, 200)); // proposed: no smaller than the minimum
    EXPECT_EQ(w.geometry(), QRect(0, 0, 300, 650));

    w.setState(WindowState::Maximized);
    log.seen.clear();
    w.userSizeTo(QSize(500, 500)); // a maximised window is not sized by the grip
    EXPECT_TRUE(log.seen.empty());
}

TEST_F(SimWindowTest, ActivationMovesBetweenWindowsLosingSideFirst) {
    SimWindow& a = make(WindowKind::Main);
    SimWindow& b = make(WindowKind::Dialog);
    std::vector<std::pair<char, std::intptr_t>> order;
    a.setMessageHook([&](WindowMessage& m) {
        if (m.msg == wm::ACTIVATE) order.push_back({'a', m.wParam});
        return false;
    });
    b.setMessageHook([&](WindowMessage& m) {
        if (m.msg == wm::ACTIVATE) order.push_back({'b', m.wParam});
        return false;
    });
    int activations = 0;
    a.onActivate = [&] { ++activations; };

    a.show();
    b.show();
    a.userClick();
    desktop.windows().userClickOutside();
    b.hide(); // not active: nothing
    using P = std::pair<char, std::intptr_t>;
    EXPECT_EQ(order, (std::vector<P>{{'a', wm::WA_ACTIVE},
                                     {'a', wm::WA_INACTIVE},
                                     {'b', wm::WA_ACTIVE},
                                     {'b', wm::WA_INACTIVE},
                                     {'a', wm::WA_CLICKACTIVE},
                                     {'a', wm::WA_INACTIVE}}));
    EXPECT_EQ(activations, 2);
    EXPECT_EQ(desktop.windows().activeWindow(), nullptr);
}

TEST_F(SimWindowTest, APopupIsNeverActivatedAndAHiddenWindowNeverShown) {
    SimWindow& main = make(WindowKind::Main);
    SimWindow& popup = make(WindowKind::Popup);
    SimWindow& hidden = make(WindowKind::Hidden);
    MessageLog popupLog(popup);
    main.show();

    popup.setTopmost(true);
    popup.showNoActivate();
    popup.show();
    popup.userClick();
    popup.activate();
    EXPECT_TRUE(popup.isVisible());
    EXPECT_TRUE(main.isActive());
    EXPECT_TRUE(popupLog.seen.empty());
    EXPECT_FALSE(popup.hasTaskbarButton());

    hidden.show();
    EXPECT_FALSE(hidden.isVisible());
    EXPECT_TRUE(main.isActive());
}

TEST_F(SimWindowTest, TheUsersCloseGoesThroughHookAndCloseRequest) {
    SimWindow& w = make(WindowKind::Main);
    w.show();
    MessageLog log(w);
    bool cancel = true;
    int requests = 0;
    w.onCloseRequest = [&](bool& c) {
        ++requests;
        c = cancel;
    };

    log.answer = [](WindowMessage& m) { return m.msg == wm::CLOSE; };
    EXPECT_FALSE(w.userClose());
    EXPECT_EQ(requests, 0);

    log.answer = nullptr;
    EXPECT_FALSE(w.userClose());
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(w.isVisible());

    cancel = false;
    EXPECT_TRUE(w.userClose());
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.isActive());
}

TEST_F(SimWindowTest, AWindowMayBeDestroyedByItsOwnCloseRequest) {
    auto w = desktop.createWindow(WindowKind::Dialog);
    auto* sim = static_cast<SimWindow*>(w.get());
    sim->show();
    sim->onCloseRequest = [&](bool&) { w.reset(); };
    EXPECT_TRUE(sim->userClose());
    EXPECT_TRUE(desktop.windows().windows().empty());
    EXPECT_EQ(desktop.windows().activeWindow(), nullptr);
}

TEST_F(SimWindowTest, TheTaskbarButtonRestoresToThePreviousState) {
    SimWindow& main = make(WindowKind::Main);
    SimWindow& owned = make(WindowKind::Dialog);
    owned.setOwner(&main);
    owned.show();
    EXPECT_FALSE(owned.hasTaskbarButton());
    main.show();
    EXPECT_TRUE(main.hasTaskbarButton());

    main.setState(WindowState::Maximized);
    main.userTaskbarClick(); // the active window minimises
    EXPECT_EQ(main.state(), WindowState::Minimized);
    main.userTaskbarClick();
    EXPECT_EQ(main.state(), WindowState::Maximized);
    EXPECT_TRUE(main.isActive());
}

TEST_F(SimWindowTest, TheMouseOverTheFrameMovesTheCursorAndTellsTheHook) {
    SimWindow& w = make(WindowKind::Main);
    w.setGeometry(QRect(0, -697, 1000, 700));
    w.show();
    MessageLog log(w);
    w.userMouseOverFrame(QPoint(500, 1));
    ASSERT_EQ(log.ids(), std::vector<int>{wm::NCMOUSEMOVE});
    EXPECT_EQ(log.seen[0].lParam, wm::makeLParam(500, 1));
    EXPECT_EQ(desktop.screen().cursorPos(), QPoint(500, 1));

    w.setEnabled(false); // a disabled window hears no mouse
    w.userMouseOverFrame(QPoint(600, 1));
    EXPECT_EQ(log.seen.size(), 1u);
}

} // namespace
