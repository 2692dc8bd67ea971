#pragma once
#include "app/AppContext.h"
#include "app/TestInstallation.h"
#include "config/cls_Config.h"
#include "mainwindow/frmFXInfo.h"
#include "platform/sim/SimWindow.h"
#include <gtest/gtest.h>

// A main window loaded in a simulated process, with the geometry of the previous run as
// the configuration document keeps it.
struct StoredPlacement {
    int left = 100;
    int top = 60;
    int width = 1020;
    int height = 700;
    int windstate = 0;
};

class MainWindowFixture : public ::testing::Test {
protected:
    using Stored = StoredPlacement;

    static QString config(const Stored& s) {
        QString xml = TestInstallation::defaultConfig();
        xml.replace(QStringLiteral("</App>"),
                    QStringLiteral("  <Window>\n    <ZEP_Main Left=\"%1\" Top=\"%2\" Width=\"%3\" Height=\"%4\"/>\n"
                                   "    <ZEP_state windstate=\"%5\"/>\n  </Window>\n</App>")
                        .arg(s.left).arg(s.top).arg(s.width).arg(s.height).arg(s.windstate));
        return xml;
    }

    // The process with its configuration, before the main window loads.
    void prepare(const Stored& stored = Stored()) {
        inst.writeConfig(config(stored));
        proc = inst.process();
        AppContext& c = ctx();
        c.AppPath = inst.appDir() + u'/';
        c.PageBase = QStringLiteral("res://") + c.AppPath + QStringLiteral("Zavez_ZEP.exe/");
        c.server.webSite = QStringLiteral("http://web.test");
        c.server.fileServer = QStringLiteral("http://files.test:8080");
        c.Config = std::make_shared<cls_Config>(c.platform);
        c.Config->setXmlFile(inst.configFile());
        ASSERT_TRUE(c.Config->Initialize());
    }
    void start(const Stored& stored = Stored()) {
        prepare(stored);
        ctx().load(ctx().fxInfo);
    }

    AppContext& ctx() { return proc->ctx; }
    plat::SimPlatform& sim() { return proc->sim; }
    frmFXInfo& fx() { return *ctx().fxInfo; }
    plat::SimWindow& win() { return static_cast<plat::SimWindow&>(fx().window()); }
    QString stored(const char* node, const char* key) {
        return ctx().Config->GetNodeAttrib(QString::fromLatin1(node), QString::fromLatin1(key));
    }
    bool logged(const QString& text) const {
        for (const QString& line : proc->sim.log.lines())
            if (line.contains(text)) return true;
        return false;
    }

    TestInstallation inst;
    std::unique_ptr<TestInstallation::Process> proc;
};
