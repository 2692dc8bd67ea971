#pragma once
#include "core/AppContext.h"
#include "app/TestInstallation.h"
#include "app/frmMain.h"
#include "config/cls_Config.h"
#include "mainwindow/frmFXInfo.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/sim/SimWindow.h"
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <stdexcept>

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
        xml.replace(
            QStringLiteral(R"(Left="40" Top="30" Width="1020" Height="700")"),
            QString::asprintf(R"(Left="%d" Top="%d" Width="%d" Height="%d")", s.left, s.top, s.width, s.height));
        return xml.replace(QStringLiteral(R"(windstate="0")"), QStringLiteral(R"(windstate="%1")").arg(s.windstate));
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
    // As at start-up: the hidden controller with its tray icon and popup, which opens the
    // main window when it finds no update.
    void startWithController(const Stored& stored = Stored()) {
        prepare(stored);
        ctx().PopupEnabled = true;
        ctx().load(ctx().mainCtl);
        sim().loop.runPosted();
        ASSERT_TRUE(ctx().fxInfo);
    }
    // The main page loaded and wired.
    void loadPage(const Stored& stored = Stored()) {
        start(stored);
        completeNavigation();
    }
    void completeNavigation() {
        sim().loop.runPosted();
        ASSERT_FALSE(fx().Busy());
    }

    dom::Document& doc() { return *fx().WebBrowser()->document(); }
    dom::Element& el(const QString& id) {
        dom::Element* e = doc().getElementById(id);
        if (!e) throw std::runtime_error(("no element " + id).toStdString());
        return *e;
    }
    void click(const QString& id) { el(id).click(); }
    void mouseDown(const QString& id) { doc().dispatchUserEvent(&el(id), QStringLiteral("onmousedown")); }
    QString style(const QString& id, const char* property) { return el(id).style(QString::fromLatin1(property)); }
    bool shown(const QString& id) { return !el(id).displayNoneInline(); }
    // The CSS height that fills the window less margin.
    QString heightLess(int margin) { return QString::number(win().geometry().height() - margin) + "px"; }

    AppContext& ctx() { return proc->ctx; }
    plat::SimPlatform& sim() { return proc->sim; }
    frmFXInfo& fx() { return *ctx().fxInfo; }
    plat::SimWindow& win() { return static_cast<plat::SimWindow&>(fx().window()); }
    QString stored(const char* node, const char* key) {
        return ctx().Config->GetNodeAttrib(QString::fromLatin1(node), QString::fromLatin1(key));
    }
    bool logged(const QString& text) const { return !proc->sim.log.lines().filter(text).isEmpty(); }

    TestInstallation inst;
    std::unique_ptr<TestInstallation::Process> proc;
};
