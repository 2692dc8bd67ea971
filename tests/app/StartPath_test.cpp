#include "SilentFileServer.h"
#include "StartedProgram.h"

// From Main to the main window when no newer version is offered, or the offer cannot be read.
namespace {

struct StartPath : StartedProgram {
    // The main window shown, the live-update window never shown and unloaded, nothing said.
    void expectMainWindowOnly() {
        ASSERT_TRUE(pumpUntil([&] { return ctx().fxInfo && mainWindow().isVisible(); }));
        if (ctx().liveUpdate) EXPECT_FALSE(updateWindow().isVisible());
        sim().loop.runPosted();
        EXPECT_FALSE(ctx().liveUpdate);
        EXPECT_TRUE(mainWindow().isVisible());
        EXPECT_FALSE(sim().desktop.simScreen().busyCursor());
        EXPECT_TRUE(sim().desktop.messageBoxes().empty());
        EXPECT_TRUE(tray().balloons().empty());
        EXPECT_FALSE(QFile::exists(installer()));
        EXPECT_FALSE(ctx().UpdatePending);
        EXPECT_FALSE(sim().loop.exitStatus());
    }
};

// The same version, an older text ("1.10.0001" sorts before "1.6.1111"), a manifest that is no
// XML document, no manifest at all or an unreachable file server.
TEST_F(StartPath, NoNewerVersionOrNoOfferOpensTheMainWindow) {
    for (const QByteArray body : {manifest("1.6.1111"), manifest("1.10.0001"),
                                  QByteArray("<html><body>502 Bad Gateway"), QByteArray(), QByteArray("1.6.1112")}) {
        SCOPED_TRACE(body.toStdString());
        proc = inst.process();
        serveManifest(body);
        serveInstaller(installerBytes());
        start();
        ASSERT_TRUE(ctx().liveUpdate);
        expectMainWindowOnly();
        EXPECT_EQ(sim().network.httpRequests(), QStringList{FileServer + "/spd_update.xml"});
        // The tray comes first: the main window's close balloon has somewhere to go.
        EXPECT_TRUE(tray().isAdded());
        EXPECT_EQ(tray().tip(), "Quenra极速版");
    }

    proc = inst.process();
    start();
    expectMainWindowOnly();
    EXPECT_TRUE(logged("no update manifest: HTTP 404"));
    proc = inst.process();
    sim().network.setUnreachable("127.0.0.1", true);
    start();
    expectMainWindowOnly();
}

TEST_F(StartPath, AFileServerThatNeverAnswersCountsAsNoUpdateAfterThirtySeconds) {
    SilentFileServer silent(sim().network);
    plat::Platform platform(sim().loop, sim().desktop, silent, sim().shell, sim().registry, sim().log);
    AppContext silentCtx(platform);
    ASSERT_EQ(m_Main::Main(silentCtx, inst.appDir()), m_Main::Loaded);
    sim().loop.advance(29'999);
    EXPECT_FALSE(silentCtx.fxInfo);
    sim().loop.advance(1);
    ASSERT_TRUE(silentCtx.fxInfo);
    EXPECT_TRUE(silentCtx.fxInfo->window().isVisible());
    EXPECT_FALSE(silentCtx.liveUpdate);
    EXPECT_TRUE(logged("no update manifest within 30 s"));
    EXPECT_TRUE(sim().desktop.trayIcons().at(0)->balloons().empty());
}

TEST_F(StartPath, WithoutATrayTheProgramGoesOnAndBalloonsGoNowhere) {
    sim().desktop.setTrayAvailable(false);
    startToMainWindow();
    EXPECT_TRUE(logged("the tray refused the icon"));
    EXPECT_FALSE(tray().isAdded());
    ctx().mainCtl->ShowBalloonTip("text", "title", 1);
    EXPECT_FALSE(mainWindow().userClose());
    sim().loop.advance(1000);
    EXPECT_TRUE(tray().balloons().empty());
    EXPECT_TRUE(ctx().fxInfo);

    ctx().mainCtl->exitOutsideWaits();
    sim().loop.runPosted();
    EXPECT_EQ(sim().loop.exitStatus(), 0);
    EXPECT_TRUE(inst.readConfig().contains("<desktopshorcut/>"));
}

} // namespace
