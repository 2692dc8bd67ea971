#include "app/frmMain.h"
#include "app/m_Main.h"
#include "config/cRegistry.h"
#include "config/cls_Config.h"
#include "dialogs/IE_frm.h"
#include "dialogs/frmaboutnew.h"
#include "dialogs/frmdispose.h"
#include "dialogs/frmvote.h"
#include "mainwindow/frmFXInfo.h"
#include "notify/frmPopUp.h"
#include "platform/sim/SimWindow.h"
#include "session/Form1.h"
#include "session/frmwinsock.h"
#include "session/wsckfrm.h"
#include "TestInstallation.h"
#include <gtest/gtest.h>

namespace {

using Process = TestInstallation::Process;

const QString InternetSettings = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const QString ProductKey = "Software\\Zavez_ZEP\\";

struct Controller : ::testing::Test {
    TestInstallation inst;

    Controller() { inst.writeConfig(); }

    std::unique_ptr<Process> start() {
        auto p = inst.process();
        EXPECT_EQ(m_Main::Main(p->ctx, inst.appDir()), m_Main::Loaded);
        return p;
    }
    static cRegistry key(Process& p, uint32_t root, const QString& section, const QString& name) {
        cRegistry reg(p.sim.registry);
        reg.setClassKey(root);
        reg.setSectionKey(section);
        reg.setValueKey(name);
        return reg;
    }
    static QVariant value(Process& p, uint32_t root, const QString& section, const QString& name) {
        return key(p, root, section, name).Value();
    }
    QString installer() const { return inst.appDir() + "/liveupdate.exe"; }
};

// A leftover installer goes at the load and, with no update pending, at the exit.
TEST_F(Controller, LoadSetsTheRegistryValuesAndExitAppSavesRecordsTheUsageTimeAndEndsTheLoop) {
    writeFile(installer(), "old");
    auto p = start();
    EXPECT_EQ(value(*p, cRegistry::HKEY_CURRENT_USER, InternetSettings, "MaxConnectionsPerServer"), 10);
    EXPECT_EQ(value(*p, cRegistry::HKEY_LOCAL_MACHINE, ProductKey, "Path").toString(), p->ctx.ExePath);
    EXPECT_FALSE(QFile::exists(installer()));
    EXPECT_EQ(p->ctx.StartTime, p->sim.loop.now());
    EXPECT_EQ(p->ctx.mainCtl->window().title(), "[brisaDesk_Class]");
    EXPECT_FALSE(p->ctx.mainCtl->window().isVisible());

    writeFile(installer(), "partial download");
    p->sim.loop.advance(30'500);
    p->ctx.mainCtl->ExitApp();
    EXPECT_FALSE(p->ctx.mainCtl);
    EXPECT_EQ(p->sim.loop.exitStatus(), 0);
    EXPECT_TRUE(inst.readConfig().contains("<desktopshorcut/>"));
    // From the -1 that a missing value reads as.
    EXPECT_EQ(value(*p, cRegistry::HKEY_LOCAL_MACHINE, ProductKey, "Time"), 29);
    EXPECT_FALSE(p->sim.shell.findWindowTitle("[brisaDesk_Class]"));
    EXPECT_TRUE(p->sim.shell.started().empty());
    EXPECT_FALSE(QFile::exists(installer()));
}

// Registry failures are logged and the load goes on without needless writes; a failed registry
// write or save at the exit ends with a failure status, but what can be saved is.
TEST_F(Controller, RegistryOrSaveFailuresAreLoggedAndTheExitEndsWithAFailureStatusButSavesWhatItCan) {
    auto p = inst.process();
    cRegistry preset = key(*p, cRegistry::HKEY_CURRENT_USER, InternetSettings, "MaxConnectionsPerServer");
    preset.setValueType(cRegistry::REG_DWORD);
    preset.setValue(10);
    p->sim.registry.setFailWrites(true);
    ASSERT_EQ(m_Main::Main(p->ctx, inst.appDir()), m_Main::Loaded);
    const QStringList& log = p->sim.log.lines();
    EXPECT_TRUE(log.filter("MaxConnectionsPerServer").isEmpty());
    EXPECT_EQ(log.filter("Path").size(), 1);
    ASSERT_TRUE(p->ctx.mainCtl);
    p->ctx.mainCtl->ExitApp();
    EXPECT_EQ(p->sim.loop.exitStatus(), 1);
    EXPECT_TRUE(inst.readConfig().contains("<desktopshorcut/>"));

    auto q = start();
    q->ctx.Config->setXmlFile(inst.appDir() + "/missing/ZEP.xml");
    q->ctx.mainCtl->ExitApp();
    EXPECT_EQ(q->sim.loop.exitStatus(), 1);
    EXPECT_FALSE(q->sim.log.lines().isEmpty());
}

TEST_F(Controller, ExitAppUnloadsEveryLoadedWindowInItsPlaceAndTheControllerLast) {
    // With the currency list that the settings dialog shows.
    inst.writeConfig(TestInstallation::defaultConfig().replace(
        "</ZEP>", "  <currency><EURUSD Checked=\"1\"/></currency>\n    </ZEP>"));
    auto p = start();
    AppContext& ctx = p->ctx;
    ctx.load(ctx.winsock);
    ctx.load(ctx.form1);
    ctx.load(ctx.wsck);
    ctx.load(ctx.fxInfo);
    ctx.load(ctx.ieFrm);
    ctx.load(ctx.vote);
    frmaboutnew::Open(ctx, &ctx.fxInfo->window());
    ctx.load(ctx.settings);
    ctx.load(ctx.popup);
    const std::pair<plat::Window*, const char*> named[] = {
        {&ctx.ieFrm->window(), "news"},  {&ctx.fxInfo->window(), "main"},       {&ctx.form1->window(), "login"},
        {&ctx.vote->window(), "vote"},   {&ctx.about->window(), "about"},       {&ctx.settings->window(), "settings"},
        {&ctx.popup->window(), "popup"}, {&ctx.mainCtl->window(), "controller"}};
    QStringList order;
    p->sim.desktop.windows().onWindowGone = [&](plat::SimWindow& gone) {
        for (const auto& [window, name] : named)
            if (window == &gone) order << name;
    };
    ctx.mainCtl->ExitApp();
    p->sim.desktop.windows().onWindowGone = nullptr;
    EXPECT_EQ(order, QStringList({"news", "main", "login", "vote", "about", "settings", "popup", "controller"}));
    // The two without a window of their own.
    EXPECT_FALSE(ctx.winsock);
    EXPECT_FALSE(ctx.wsck);
    EXPECT_EQ(p->sim.loop.exitStatus(), 0);
    for (const auto& box : p->sim.desktop.messageBoxes()) ADD_FAILURE() << box.text.toStdString();
}

} // namespace
