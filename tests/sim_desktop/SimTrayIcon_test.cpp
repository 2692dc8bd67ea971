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

} // namespace
