#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimLoop.h"
#include <gtest/gtest.h>

using namespace plat;

namespace {

class SimTrayIconTest : public testing::Test {
protected:
    SimLoop loop;
    SimDesktop desktop{loop, SimDesktop::Mode::Recording};
};

TEST_F(SimTrayIconTest, ABalloonIsAnnouncedOnceTheLoopRuns) {
    auto icon = desktop.createTrayIcon();
    std::vector<int> notes;
    icon->onCallback = [&](int n) { notes.push_back(n); };
    icon->showBalloon(QStringLiteral("text"), QStringLiteral("title"), 1, 300000);
    EXPECT_TRUE(desktop.trayIcons()[0]->balloons().empty()); // not in the tray yet

    ASSERT_TRUE(icon->add(QStringLiteral("app.png"), QStringLiteral("Quenra极速版")));
    icon->showBalloon(QStringLiteral("text"), QStringLiteral("title"), 1, 300000);
    EXPECT_TRUE(notes.empty());
    loop.runPosted();
    EXPECT_EQ(notes, std::vector<int>{0x402});
    SimTrayIcon& sim = *desktop.trayIcons()[0];
    EXPECT_TRUE(sim.balloonShowing());
    icon->closeBalloon();
    EXPECT_FALSE(sim.balloonShowing());

    icon->showBalloon(QStringLiteral("again"), QString(), 0, 1000);
    icon.reset(); // gone before the shell's answer
    loop.runPosted();
    EXPECT_EQ(notes.size(), 1u);
    EXPECT_TRUE(desktop.trayIcons().empty());
}

TEST_F(SimTrayIconTest, UserClicksAndMenuItemsReachTheProgram) {
    auto icon = desktop.createTrayIcon();
    SimTrayIcon& sim = *desktop.trayIcons()[0];
    std::vector<int> notes;
    QStringList keys;
    icon->onCallback = [&](int n) { notes.push_back(n); };
    icon->onMenuClick = [&](const QString& k) { keys << k; };
    icon->setMenu({{QStringLiteral("Main"), QStringLiteral("资讯窗口"), true},
                   {QString(), QString(), false},
                   {QStringLiteral("Exit"), QStringLiteral("退出(&X)"), false}});

    sim.userNotify(0x204); // not in the tray: nothing
    icon->add(QString(), QString());
    sim.userNotify(0x204);
    icon->popupMenu();
    EXPECT_TRUE(sim.userChooseMenuItem(QStringLiteral("Exit")));
    EXPECT_FALSE(sim.userChooseMenuItem(QString())); // the separator is not an item
    EXPECT_EQ(notes, std::vector<int>{0x204});
    EXPECT_EQ(keys, QStringList{QStringLiteral("Exit")});
    EXPECT_EQ(sim.menuPopups(), 1);
}

} // namespace
