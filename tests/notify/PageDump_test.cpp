#include "app/PageDump.h"
#include "app/frmMain.h"
#include "mainwindow/MainWindowFixture.h"
#include "notify/PopupRequest.h"
#include <QTemporaryDir>

namespace {

using PageDumpTest = MainWindowFixture;

TEST_F(PageDumpTest, WritesTheLoadedPagesAsTheyAreNow) {
    loadPage();
    QTemporaryDir dir;
    ctx().DumpPagesDir = dir.filePath("pages");
    PageDump(ctx()).write();
    EXPECT_TRUE(QFile::exists(dir.filePath("pages/ruzezaro.htm")));
    EXPECT_FALSE(QFile::exists(dir.filePath("pages/iPopup.htm")));

    ctx().PopupEnabled = true;
    auto owner = sim().platform.createWindow(plat::WindowKind::Hidden);
    PopupRequest(ctx()).Popup(QStringLiteral("美联储维持利率不变"), 0, *owner);
    el("load_zep").setInnerText(QStringLiteral("登录中"));
    PageDump(ctx()).write();
    const QString main = TestInstallation::readFile(dir.filePath("pages/ruzezaro.htm"));
    EXPECT_TRUE(main.contains("firstpage_table"));
    EXPECT_TRUE(main.contains("登录中"));
    const QString popup = TestInstallation::readFile(dir.filePath("pages/iPopup.htm"));
    EXPECT_TRUE(popup.contains("<td valign=\"middle\">美联储维持利率不变</td>"));
}

} // namespace
