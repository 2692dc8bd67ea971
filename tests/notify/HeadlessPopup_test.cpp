#include "core/AppContext.h"
#include "notify/PopupRequest.h"
#include "platform/sim/SimPlatform.h"
#include <QFile>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

// The headless desktop prints each popup row once, when the user could first have seen it.
class HeadlessPopup : public ::testing::Test {
protected:
    HeadlessPopup() {
        ctx.PageBase = QStringLiteral("res:///opt/quenra/Zavez_ZEP.exe/");
        ctx.PopupEnabled = true;
        ctx.PopupStayTime = QStringLiteral("1");
    }
    ~HeadlessPopup() override { std::fclose(out); }

    void popup(const QString& html) { request.Popup(html, 0, *owner); }
    QStringList printed() {
        std::fflush(out);
        QFile file;
        file.open(fileno(out), QIODevice::ReadOnly);
        file.seek(0);
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    std::FILE* out = std::tmpfile();
    plat::SimLoop loop;
    plat::SimDesktop desktop{loop, plat::SimDesktop::Mode::Printing, plat::SimConsole(out, out)};
    plat::SimNetwork network{loop};
    plat::SimShell shell{std::make_shared<plat::SimShell::Titles>()};
    plat::SimRegistryStore registry;
    plat::SimLog log;
    plat::Platform platform{loop, desktop, network, shell, registry, log};
    AppContext ctx{platform};
    std::unique_ptr<plat::Window> owner = platform.createWindow(plat::WindowKind::Hidden);
    PopupRequest request{ctx};
};

TEST_F(HeadlessPopup, PrintsEachRowOnceAsItComesIntoView) {
    popup(QStringLiteral("<span>12/06 10:15&nbsp;美联储维持利率不变</span>~Beta"));
    EXPECT_EQ(printed(), (QStringList{"popup: 12/06 10:15 美联储维持利率不变", "popup: Beta"}));
    loop.advance(700);
    popup(QStringLiteral("<table><tr><td>财经事件提醒</td></tr><tr><td>美国CPI</td></tr></table>"));
    // A row that joins a showing comes into view at the end of the loop's turn.
    EXPECT_EQ(printed().size(), 2);
    loop.runPosted();
    EXPECT_EQ(printed().mid(2), QStringList{"popup: 财经事件提醒 美国CPI"});
    loop.advance(5000);
    ASSERT_FALSE(ctx.PopupShowing);
    popup(QStringLiteral("Beta"));
    EXPECT_EQ(printed().mid(3), QStringList{"popup: Beta"});
}

} // namespace
