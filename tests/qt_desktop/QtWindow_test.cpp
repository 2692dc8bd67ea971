#include "DesktopTesting.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtWindow.h"
#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

using namespace plat;

namespace {

class QtWindowTest : public testing::Test {
protected:
    QtWindow& make(WindowKind kind, const QRect& r) {
        windows_.push_back(desktop.createWindow(kind));
        auto& w = static_cast<QtWindow&>(*windows_.back());
        w.setGeometry(r);
        return w;
    }
    // Shows w and waits until the window manager has made it the active window.
    static bool showActive(QtWindow& w) {
        w.show();
        return waitUntil([&] { return w.isActive(); });
    }
    // Records what the hook hears, answering nothing.
    static void record(QtWindow& w, std::vector<WindowMessage>& seen) {
        w.setMessageHook([&seen](WindowMessage& m) {
            seen.push_back(m);
            return false;
        });
    }
    static int count(const std::vector<WindowMessage>& seen, int msg, std::intptr_t wParam = -1) {
        return static_cast<int>(std::count_if(seen.begin(), seen.end(), [&](const WindowMessage& m) {
            return m.msg == msg && (wParam < 0 || m.wParam == wParam);
        }));
    }
    static QPoint centre(const QtWindow& w) { return w.geometry().center(); }
    static bool mouseTo(const QPoint& p) {
        return xdotool({"mousemove", QString::number(p.x()), QString::number(p.y())});
    }

    QtDesktop desktop;
    std::vector<std::unique_ptr<Window>> windows_;
};

TEST_F(QtWindowTest, APopupShownWithoutActivationLeavesTheFocusWhereItWas) {
    QtWindow& main = make(WindowKind::Main, QRect(100, 100, 600, 400));
    ASSERT_TRUE(showActive(main));
    QtWindow& popup = make(WindowKind::Popup, QRect(1300, 700, 280, 200));
    popup.setTopmost(true);
    popup.setAlpha(128);

    popup.showNoActivate();
    ASSERT_TRUE(waitUntil([&] { return popup.widget()->windowHandle()->isExposed(); }));
    runLoopFor(300);
    EXPECT_TRUE(main.isActive());
    EXPECT_FALSE(popup.isActive());
    EXPECT_EQ(QGuiApplication::focusWindow(), main.widget()->windowHandle());

    popup.show(); // a popup never takes the focus, however it is shown
    popup.activate();
    runLoopFor(300);
    EXPECT_TRUE(main.isActive());
    EXPECT_NEAR(popup.widget()->windowOpacity(), 128 / 255.0, 0.01);
    EXPECT_EQ(popup.alpha(), 128);
    EXPECT_TRUE(popup.widget()->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
}

TEST_F(QtWindowTest, AFramelessMainWindowMaximisesMinimisesAndRestores) {
    QtWindow& main = make(WindowKind::Main, QRect(100, 100, 700, 500));
    std::vector<WindowMessage> seen;
    record(main, seen);
    ASSERT_TRUE(showActive(main));

    main.setState(WindowState::Maximized);
    ASSERT_TRUE(waitUntil([&] { return main.geometry() == desktop.screen().workArea(); }));
    EXPECT_EQ(main.state(), WindowState::Maximized);
    EXPECT_GE(count(seen, wm::SIZE, wm::SIZE_MAXIMIZED), 1);

    main.setGeometry(QRect(150, 120, 720, 520)); // a maximised window is not moved
    main.setState(WindowState::Normal);
    ASSERT_TRUE(waitUntil([&] { return main.geometry() == QRect(100, 100, 700, 500); }));
    EXPECT_EQ(main.state(), WindowState::Normal);

    main.setState(WindowState::Minimized);
    ASSERT_TRUE(waitUntil([&] { return !main.widget()->windowHandle()->isExposed(); }));
    EXPECT_EQ(main.state(), WindowState::Minimized);
    EXPECT_GE(count(seen, wm::SIZE, wm::SIZE_MINIMIZED), 1);

    main.setState(WindowState::Normal);
    ASSERT_TRUE(waitUntil([&] { return main.widget()->windowHandle()->isExposed(); }));
    EXPECT_EQ(main.state(), WindowState::Normal);
    EXPECT_EQ(main.geometry(), QRect(100, 100, 700, 500));
}

TEST_F(QtWindowTest, TheHookHearsSizeAndActivationAndAClickActivation) {
    QtWindow& a = make(WindowKind::Main, QRect(100, 100, 500, 400));
    QtWindow& b = make(WindowKind::Dialog, QRect(800, 100, 400, 300));
    std::vector<WindowMessage> seen;
    record(a, seen);
    ASSERT_TRUE(showActive(a));
    EXPECT_EQ(count(seen, wm::ACTIVATE, wm::WA_ACTIVE), 1);

    a.setGeometry(QRect(100, 100, 520, 410));
    ASSERT_TRUE(waitUntil([&] {
        return std::any_of(seen.begin(), seen.end(), [](const WindowMessage& m) {
            return m.msg == wm::SIZE && m.lParam == wm::makeLParam(520, 410);
        });
    }));

    ASSERT_TRUE(showActive(b));
    EXPECT_EQ(count(seen, wm::ACTIVATE, wm::WA_INACTIVE), 1);

    ASSERT_TRUE(mouseTo(centre(a)));
    ASSERT_TRUE(xdotool({"mousedown", "1"}));
    const bool clicked = waitUntil([&] { return count(seen, wm::ACTIVATE, wm::WA_CLICKACTIVE) == 1; });
    ASSERT_TRUE(xdotool({"mouseup", "1"}));
    EXPECT_TRUE(clicked);
}

TEST_F(QtWindowTest, ASystemDragReportsEachStepAndEndsWithTheButton) {
    QtWindow& w = make(WindowKind::Main, QRect(200, 200, 400, 300));
    std::vector<WindowMessage> seen;
    record(w, seen);
    ImageBox* handle = w.createImageBox();
    handle->setGeometry(QRect(0, 0, 400, 40));
    handle->onMouseDown = [&] { w.startSystemMove(); };
    ASSERT_TRUE(showActive(w));
    ASSERT_TRUE(mouseTo(QPoint(300, 210)));
    ASSERT_TRUE(waitUntil([&] { return count(seen, wm::NCMOUSEMOVE) > 0; }));
    seen.clear();

    ASSERT_TRUE(xdotool({"mousedown", "1"}));
    ASSERT_TRUE(waitUntil([&] { return count(seen, wm::ENTERSIZEMOVE) == 1; }));
    for (int step = 1; step <= 4; ++step) ASSERT_TRUE(mouseTo(QPoint(300 + 40 * step, 210 + 25 * step)));
    runLoopFor(100);
    EXPECT_EQ(count(seen, wm::EXITSIZEMOVE), 0); // the button is still down
    ASSERT_TRUE(xdotool({"mouseup", "1"}));
    ASSERT_TRUE(waitUntil([&] { return count(seen, wm::EXITSIZEMOVE) == 1; }));

    // The window manager tells of the move when it is done, at the latest with the end.
    std::vector<int> order;
    for (const auto& m : seen)
        if (m.msg != wm::NCMOUSEMOVE) order.push_back(m.msg);
    EXPECT_EQ(order.front(), wm::ENTERSIZEMOVE);
    EXPECT_EQ(order.back(), wm::EXITSIZEMOVE);
    ASSERT_GE(count(seen, wm::MOVING), 1);
    EXPECT_EQ(std::find_if(seen.rbegin(), seen.rend(), [](auto& m) { return m.msg == wm::MOVING; })->rect,
              QRect(360, 300, 400, 300));
    EXPECT_EQ(w.geometry(), QRect(360, 300, 400, 300));
    EXPECT_EQ(count(seen, wm::ACTIVATE), 0); // the drag's grab is no deactivation

    seen.clear();
    w.startSystemMove(); // the button is up: no drag
    runLoopFor(100);
    EXPECT_TRUE(seen.empty());
}

TEST_F(QtWindowTest, ARectangleTheHookChangesWhileSizingIsApplied) {
    QtWindow& w = make(WindowKind::Main, QRect(200, 200, 400, 400));
    std::vector<int> sizing;
    bool entered = false;
    w.setMessageHook([&](WindowMessage& m) {
        entered = entered || m.msg == wm::ENTERSIZEMOVE;
        if (m.msg != wm::SIZING) return false;
        sizing.push_back(m.rect.height());
        m.rect.setHeight(std::max(m.rect.height(), 350));
        return true;
    });
    Label* grip = w.createLabel();
    grip->setGeometry(QRect(380, 380, 20, 20));
    grip->onMouseDown = [&] { w.startSystemResizeBottomRight(); };
    ASSERT_TRUE(showActive(w));

    ASSERT_TRUE(mouseTo(QPoint(590, 590)));
    ASSERT_TRUE(xdotool({"mousedown", "1"}));
    ASSERT_TRUE(waitUntil([&] { return entered; }));
    // The window manager may take the pointer only after the first moves: keep moving.
    int moves = 0;
    const bool sized =
        waitUntil([&] { return w.geometry().size() == QSize(450, 350) || !mouseTo(QPoint(640, 500 + ++moves % 2)); });
    ASSERT_TRUE(xdotool({"mouseup", "1"}));
    ASSERT_TRUE(sized);
    ASSERT_FALSE(sizing.empty());
    EXPECT_LT(sizing.front(), 350); // the window manager's height, then raised
}

TEST_F(QtWindowTest, TheUsersCloseAsksFirstAndHidesUnlessCancelled) {
    QtWindow& w = make(WindowKind::Browser, QRect(100, 100, 400, 300));
    std::vector<WindowMessage> seen;
    record(w, seen);
    bool cancel = true;
    w.onCloseRequest = [&](bool& c) { c = cancel; };
    ASSERT_TRUE(showActive(w));

    w.widget()->close();
    EXPECT_EQ(count(seen, wm::CLOSE), 1);
    EXPECT_TRUE(w.isVisible());
    cancel = false;
    w.widget()->close();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(QtWindowTest, AnOwnedWindowIsTransientForItsOwner) {
    QtWindow& main = make(WindowKind::Main, QRect(100, 100, 600, 400));
    QtWindow& dialog = make(WindowKind::Dialog, QRect(200, 200, 300, 200));
    dialog.setOwner(&main);
    main.show();
    dialog.show();
    ASSERT_TRUE(waitUntil([&] { return dialog.widget()->windowHandle()->isExposed(); }));
    EXPECT_EQ(dialog.widget()->windowHandle()->transientParent(), main.widget()->windowHandle());
    EXPECT_EQ(dialog.owner(), &main);
    // The window manager hears of the owner, which keeps the dialog above it.
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(dialog.widget()->winId()), "WM_TRANSIENT_FOR"});
    ASSERT_TRUE(xprop.waitForFinished(10000));
    EXPECT_TRUE(xprop.readAllStandardOutput().contains(QByteArray::number(qulonglong(main.widget()->winId()), 16)));
    dialog.setOwner(nullptr);
    EXPECT_EQ(dialog.widget()->windowHandle()->transientParent(), nullptr);
}

TEST_F(QtWindowTest, KeysOnAControlReachTheWindowOnce) {
    QtWindow& w = make(WindowKind::Dialog, QRect(100, 100, 300, 200));
    TextBox* box = w.createTextBox();
    box->setGeometry(QRect(10, 10, 200, 24));
    std::vector<int> keys;
    w.onKeyDown = [&](int k) { keys.push_back(k); };
    ASSERT_TRUE(showActive(w));
    box->setFocus();
    ASSERT_TRUE(waitUntil([&] { return QApplication::focusWidget() != nullptr; }));

    ASSERT_TRUE(xdotool({"type", "ab"}));
    ASSERT_TRUE(xdotool({"key", "Return"}));
    ASSERT_TRUE(waitUntil([&] { return keys.size() == 3; }));
    EXPECT_EQ(keys, (std::vector<int>{'A', 'B', 13}));
    EXPECT_EQ(box->text(), QStringLiteral("ab"));
}

} // namespace
