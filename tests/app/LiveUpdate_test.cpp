#include "StartedProgram.h"
#include "config/cls_Config.h"

// A newer version offered at start-up: the balloon, the download with its progress, the
// installer saved and handed over at the very end; and what a bad download leaves the user.
namespace {

struct LiveUpdate : StartedProgram {
    // Runs the update path until the program has ended, noting every progress text shown and
    // whether the main window was ever loaded or the update window ever shown.
    void runToExit() {
        ASSERT_TRUE(pumpUntil([&] {
            mainWindowLoaded = mainWindowLoaded || ctx().fxInfo;
            if (ctx().liveUpdate) {
                updateWindowShown = updateWindowShown || updateWindow().isVisible();
                const QString progress = updateTexts().value(2);
                if (!progress.isEmpty() && progressTexts.value(progressTexts.size() - 1) != progress)
                    progressTexts << progress;
            }
            return sim().loop.exitStatus().has_value();
        }));
    }
    // Runs the started update path until the download has ended without handing over.
    void runToRejectedDownload() {
        ASSERT_TRUE(pumpUntil([&] { return ctx().liveUpdate && updateTexts().value(1).startsWith("下载"); }));
        sim().loop.runPosted();
        ASSERT_TRUE(ctx().liveUpdate);
        EXPECT_TRUE(updateWindow().isVisible());
        EXPECT_FALSE(QFile::exists(installer()));
        EXPECT_FALSE(ctx().UpdatePending);
        EXPECT_FALSE(ctx().fxInfo);
    }

    bool mainWindowLoaded = false;
    bool updateWindowShown = false;
    QStringList progressTexts;
};

TEST_F(LiveUpdate, ANewerVersionIsDownloadedSavedAndInstalledAfterTheExit) {
    const QByteArray bytes = installerBytes();
    serveManifest(manifest("1.6.1112", bytes));
    serveInstaller(bytes);
    // When the installer starts: everything unloaded, the document saved, the update pending.
    bool readyAtStart = false;
    sim().shell.onStarted = [&] {
        AppContext& c = ctx();
        readyAtStart = !c.mainCtl && !c.sysTray && !c.liveUpdate && !c.fxInfo &&
                       !sim().shell.findWindowTitle(m_Main::ControllerTitle) && sim().desktop.trayIcons().empty() &&
                       inst.readConfig().contains("<desktopshorcut/>") && c.UpdatePending;
    };
    start();
    runToExit();

    EXPECT_EQ(sim().loop.exitStatus(), 0);
    EXPECT_TRUE(updateWindowShown);
    EXPECT_FALSE(mainWindowLoaded);
    EXPECT_EQ(progressTexts, QStringList({"已下载 64 KB / 146 KB（43%）", "已下载 128 KB / 146 KB（87%）",
                                          "已下载 146 KB / 146 KB（100%）"}));
    EXPECT_EQ(sim().network.httpRequests(), QStringList({FileServer + "/spd_update.xml", InstallerUrl}));

    EXPECT_EQ(readFile(installer()), bytes);
    ASSERT_EQ(sim().shell.started().size(), 1u);
    // Its arguments and its being runnable are checked by the headless end-to-end update.
    EXPECT_EQ(sim().shell.started().front().program, installer());
    EXPECT_TRUE(readyAtStart);
}

TEST_F(LiveUpdate, ASystemWideInstallationDownloadsThePackageIntoTheUsersFolder) {
    const QString packageUrl = FileServer + "/download/quenra_1.6.1112_amd64.deb";
    const QByteArray deb = "!<arch>\n" + installerBytes();
    QByteArray offer = manifest("1.6.1112", installerBytes());
    offer.replace(
        "</update>",
        ("<Package>" + packageUrl + "</Package><PackageSHA256>" + sha256(deb) + "</PackageSHA256></update>").toUtf8());
    serveManifest(offer);
    serveInstaller(installerBytes());
    sim().network.serveHttp(packageUrl, {200, deb, true});
    start();
    // The installation folder is writable here: the choice a system-wide one gets.
    ctx().Folders = DataFolders::choose(true, sim().shell);
    runToExit();

    EXPECT_EQ(sim().network.httpRequests(), QStringList({FileServer + "/spd_update.xml", packageUrl}));
    const QString saved = ctx().Folders.updateFile(ctx());
    EXPECT_EQ(readFile(saved), deb);
    EXPECT_FALSE(QFile::exists(installer()));
    EXPECT_TRUE(sim().shell.started().empty());
    // Handed to the desktop's package installer, and the user told how else to install it.
    EXPECT_EQ(sim().shell.opened(), QStringList{saved});
    ASSERT_EQ(sim().desktop.messageBoxes().size(), 1u);
    EXPECT_TRUE(sim().desktop.messageBoxes().front().text.contains("sudo apt install " + saved));
}

// The installer is not served: the failed download leaves the program running.
TEST_F(LiveUpdate, TheUpdateIsAnnouncedAndAfterAFailedDownloadAndCancelTheTrayStillOpensTheMainWindow) {
    serveManifest(manifest("1.6.1112"));
    start();
    ASSERT_TRUE(pumpUntil([&] { return !tray().balloons().empty(); }));
    const plat::SimBalloon balloon = tray().balloons().front();
    EXPECT_EQ(balloon.title, "升级提醒");
    EXPECT_EQ(balloon.text, "软件正在升级，请等待。若升级失败，请到官网：http://127.0.0.1:8081 下载安装最新版。");
    EXPECT_EQ(balloon.iconFlags, 1);
    EXPECT_EQ(balloon.timeoutMs, 300000);
    ASSERT_TRUE(ctx().liveUpdate);
    EXPECT_TRUE(updateWindow().isVisible());
    EXPECT_TRUE(updateTexts().value(1).contains("1.6.1112"));

    runToRejectedDownload();
    EXPECT_EQ(updateTexts().value(1), "下载失败。请点击确定到官网下载，或点击取消。");
    clickUpdateButton(1);
    sim().loop.advance(300'000);
    EXPECT_FALSE(ctx().liveUpdate);
    EXPECT_FALSE(sim().loop.exitStatus());
    EXPECT_TRUE(sim().shell.opened().isEmpty());

    ASSERT_TRUE(tray().userChooseMenuItem("Main"));
    ASSERT_TRUE(ctx().fxInfo);
    sim().loop.runPosted();
    EXPECT_TRUE(mainWindow().isVisible());
    EXPECT_FALSE(ctx().fxInfo->Busy());
}

TEST_F(LiveUpdate, AnInstallerOfAnotherSizeOrDigestIsNotSavedAndOkOpensTheManualPageThenExits) {
    const QByteArray bytes = installerBytes();
    struct Case {
        const char* what;
        QByteArray digestOf;
        bool lengthKnown;
    };
    for (const Case& c : {Case{"size unknown, so 0 expected", {}, false},
                          Case{"digest of other bytes", QByteArray("#!/bin/sh\necho other\n"), true}}) {
        SCOPED_TRACE(c.what);
        proc = inst.process();
        serveManifest(manifest("1.6.1112", c.digestOf));
        serveInstaller(bytes, c.lengthKnown);
        start();
        runToRejectedDownload();
        EXPECT_EQ(updateTexts().value(1), "下载的安装程序不完整。请点击确定到官网下载，或点击取消。");
        EXPECT_TRUE(logged("installer rejected"));

        clickUpdateButton(0);
        EXPECT_EQ(sim().shell.opened(), QStringList{ManualPage});
        sim().loop.runPosted();
        EXPECT_FALSE(ctx().liveUpdate);
        EXPECT_TRUE(ctx().mainCtl) << "the exit waits for the deferred-exit timer";
        sim().loop.advance(100);
        EXPECT_EQ(sim().loop.exitStatus(), 0);
        EXPECT_FALSE(ctx().mainCtl);
        EXPECT_TRUE(sim().shell.started().empty());
        EXPECT_FALSE(QFile::exists(installer()));
    }
}

} // namespace
