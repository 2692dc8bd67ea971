#pragma once
#include "app/TestInstallation.h"
#include "app/frmMain.h"
#include "app/frmSysTray.h"
#include "app/m_Main.h"
#include "mainwindow/frmFXInfo.h"
#include "platform/sim/SimImageBox.h"
#include "platform/sim/SimLabel.h"
#include "platform/sim/SimWindow.h"
#include "update/frmLiveUpdate.h"
#include <QCryptographicHash>
#include <gtest/gtest.h>
#include <functional>

// The program started through Main in a simulated process of a scratch installation, with
// the vendor's file server scripted on the simulated network.
class StartedProgram : public ::testing::Test {
protected:
    static inline const QString FileServer = QStringLiteral("http://127.0.0.1:8080");
    static inline const QString ManualPage = QStringLiteral("http://127.0.0.1:8081/download");
    static inline const QString InstallerUrl = FileServer + QStringLiteral("/download/QuenraSetup.exe");

    StartedProgram() {
        inst.writeConfig();
        proc = inst.process();
    }

    // A manifest naming the version and, when it is not empty, the installer's digest.
    static QByteArray manifest(const QString& version, const QByteArray& digestOf = {}) {
        QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<update><Version>%1</Version>"
                                     "<URL>%2</URL><Download>%3</Download>")
                          .arg(version, ManualPage, InstallerUrl);
        if (!digestOf.isEmpty()) xml += "<SHA256>" + sha256(digestOf) + "</SHA256>";
        return (xml + "</update>\n").toUtf8();
    }
    static QString sha256(const QByteArray& bytes) {
        return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    }
    void serveManifest(const QByteArray& body) {
        sim().network.serveHttp(FileServer + QStringLiteral("/spd_update.xml"), {200, body, true});
    }
    void serveInstaller(const QByteArray& body, bool lengthKnown = true) {
        sim().network.serveHttp(InstallerUrl, {200, body, lengthKnown});
    }
    // An installer large enough to arrive in three pieces.
    static QByteArray installerBytes() {
        QByteArray bytes("#!/bin/sh\n");
        bytes.append(150000 - bytes.size(), '#');
        return bytes;
    }

    void start() { ASSERT_EQ(m_Main::Main(ctx(), inst.appDir()), m_Main::Loaded); }
    // Runs the loop one turn at a time until the condition holds; false after 1000 turns.
    bool pumpUntil(const std::function<bool()>& condition) {
        for (int turn = 0; turn < 1000 && !condition(); ++turn) sim().loop.pumpMessages();
        return condition();
    }
    // Start-up with no update: the main window shown and the live-update window gone.
    void startToMainWindow() {
        start();
        ASSERT_TRUE(pumpUntil([&] { return ctx().fxInfo && !ctx().liveUpdate; }));
        sim().loop.runPosted();
        ASSERT_TRUE(mainWindow().isVisible());
    }

    AppContext& ctx() { return proc->ctx; }
    plat::SimPlatform& sim() { return proc->sim; }
    plat::SimWindow& mainWindow() { return static_cast<plat::SimWindow&>(ctx().fxInfo->window()); }
    plat::SimWindow& updateWindow() { return static_cast<plat::SimWindow&>(ctx().liveUpdate->window()); }
    plat::SimTrayIcon& tray() { return *sim().desktop.trayIcons().at(0); }
    QString installer() const { return inst.appDir() + QStringLiteral("/liveupdate.exe"); }

    // The live-update window's texts, in the order of its labels.
    QStringList updateTexts() {
        QStringList texts;
        for (const auto& c : updateWindow().controls())
            if (auto* label = dynamic_cast<plat::SimLabel*>(c.get())) texts << label->text();
        return texts;
    }
    // The user's click on the live-update window's OK (0) or cancel (1) picture.
    void clickUpdateButton(int index) {
        const QString picture = index == 0 ? QStringLiteral("setok.gif") : QStringLiteral("setcancel.gif");
        for (const auto& c : updateWindow().controls()) {
            auto* box = dynamic_cast<plat::SimImageBox*>(c.get());
            if (box && box->picture().endsWith(picture)) return box->userClick();
        }
        ADD_FAILURE() << "no button " << index;
    }
    bool logged(const QString& text) const { return !proc->sim.log.lines().filter(text).isEmpty(); }

    TestInstallation inst;
    std::unique_ptr<TestInstallation::Process> proc;
};
