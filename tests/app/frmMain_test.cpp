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
    static QVariant value(Process& p, uint32_t root, const QString& section, const QString& name) {
        cRegistry reg(p.sim.registry);
        reg.setClassKey(root);
        reg.setSectionKey(section);
        reg.setValueKey(name);
        return reg.Value();
    }
    static void setValue(plat::RegistryStore& store, uint32_t root, const QString& section, const QString& name,
                         int type, const QVariant& v) {
        cRegistry reg(store);
        reg.setClassKey(root);
        reg.setSectionKey(section);
        reg.setValueKey(name);
        reg.setValueType(type);
        reg.setValue(v);
    }
    static QVariant usageTime(Process& p) { return value(p, cRegistry::HKEY_LOCAL_MACHINE, ProductKey, "Time"); }
    QString installer() const { return inst.appDir() + "/liveupdate.exe"; }
};

TEST_F(Controller, LoadSetsTheRegistryValuesAndRemovesALeftoverInstaller) {
    writeFile(installer(), "old");
    auto p = start();
    EXPECT_EQ(value(*p, cRegistry::HKEY_CURRENT_USER, InternetSettings, "MaxConnectionsPerServer"), 10);
    EXPECT_EQ(value(*p, cRegistry::HKEY_LOCAL_MACHINE, ProductKey, "Path").toString(), p->ctx.ExePath);
    EXPECT_FALSE(QFile::exists(installer()));
    EXPECT_EQ(p->ctx.StartTime, p->sim.loop.now());
    EXPECT_EQ(p->ctx.mainCtl->window().title(), "[brisaDesk_Class]");
    EXPECT_FALSE(p->ctx.mainCtl->window().isVisible());
}

TEST_F(Controller, RegistryFailuresAreLoggedAndTheLoadGoesOnWithoutNeedlessWrites) {
    auto p = inst.process();
    setValue(p->sim.registry, cRegistry::HKEY_CURRENT_USER, InternetSettings, "MaxConnectionsPerServer",
             cRegistry::REG_DWORD, 10);
    p->sim.registry.setFailWrites(true);
    ASSERT_EQ(m_Main::Main(p->ctx, inst.appDir()), m_Main::Loaded);
    const QStringList& log = p->sim.log.lines();
    EXPECT_TRUE(log.filter("MaxConnectionsPerServer").isEmpty());
    EXPECT_EQ(log.filter("Path").size(), 1);
    EXPECT_TRUE(p->ctx.mainCtl);
}

TEST_F(Controller, ExitAppSavesRecordsTheUsageTimeRemovesALeftoverInstallerAndEndsTheLoop) {
    auto p = start();
    writeFile(installer(), "partial download"); // no update pending
    p->sim.loop.advance(30'500);
    p->ctx.mainCtl->ExitApp();
    EXPECT_FALSE(p->ctx.mainCtl);
    EXPECT_EQ(p->sim.loop.exitStatus(), 0);
    EXPECT_TRUE(inst.readConfig().contains("<desktopshorcut/>"));
    EXPECT_EQ(usageTime(*p), 29); // from the -1 that a missing value reads as
    EXPECT_FALSE(p->sim.shell.findWindowTitle("[brisaDesk_Class]"));
    EXPECT_TRUE(p->sim.shell.started().empty());
    EXPECT_FALSE(QFile::exists(installer()));
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
    EXPECT_FALSE(ctx.fxInfo);
    EXPECT_FALSE(ctx.winsock);
    EXPECT_FALSE(ctx.form1);
    EXPECT_FALSE(ctx.wsck);
    EXPECT_FALSE(ctx.mainCtl);
    EXPECT_EQ(p->sim.loop.exitStatus(), 0);
    for (const auto& box : p->sim.desktop.messageBoxes()) ADD_FAILURE() << box.text.toStdString();
}

TEST_F(Controller, AFailedSaveOrRegistryWriteEndsWithAFailureStatusButSavesWhatItCan) {
    auto p = start();
    p->sim.registry.setFailWrites(true);
    p->ctx.mainCtl->ExitApp();
    EXPECT_EQ(p->sim.loop.exitStatus(), 1);
    EXPECT_TRUE(inst.readConfig().contains("<desktopshorcut/>"));

    auto q = start();
    q->ctx.Config->setXmlFile(inst.appDir() + "/missing/ZEP.xml");
    q->ctx.mainCtl->ExitApp();
    EXPECT_EQ(q->sim.loop.exitStatus(), 1);
    EXPECT_FALSE(q->sim.log.lines().isEmpty());
}

} // namespace
