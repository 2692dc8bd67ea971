#include "DemoServerProcess.h"
#include "Wait.h"
#include "core/AppContext.h"
#include "platform/Platform.h"
#include "platform/qt/QtLoop.h"
#include "platform/qt/QtNetwork.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimLog.h"
#include "platform/sim/SimRegistryStore.h"
#include "platform/sim/SimShell.h"
#include "session/ClientIdStore.h"
#include "wire/FeedbackRecord.h"
#include "session/Form1.h"
#include "session/frmwinsock.h"
#include "session/wsckfrm.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <gtest/gtest.h>

namespace {

const QString Account = QStringLiteral("demo@quenra.test");

int freeUdpPort() {
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

// The client's own code on the real loop and network; what it would show is recorded.
class PushSessionE2E : public ::testing::Test {
protected:
    PushSessionE2E() : server(dir.path() + "/demo-data") {
        QDir().mkpath(dir.path() + "/demo-data");
        QFile::copy(ZEP_SOURCE_DIR "/tools/demo-server/demo-data/accounts.txt", dir.path() + "/demo-data/accounts.txt");
        shell.setWindowsDir(dir.path() + "/windows");
        shell.setAdapters({{"Realtek PCI GbE", 6, QByteArray::fromHex("0021CC4F1A2B")}});
        ctx.AppPath = dir.path() + "/";
    }
    ~PushSessionE2E() override {
        ctx.unload(ctx.form1);
        ctx.unload(ctx.wsck);
        ctx.unload(ctx.winsock);
    }

    void startServer(const DemoServerProcess::Ports& ports = {}) {
        ASSERT_TRUE(server.start(ports)) << server.lines().join("\n").toStdString();
        ctx.server.address = QStringLiteral("127.0.0.1");
        ctx.server.loginPort = server.ports().login;
        ctx.server.identityPort = server.ports().identity;
        ctx.server.pushPort = server.ports().push;
        ctx.server.loginLocalPort = freeUdpPort();
        ctx.server.identityLocalPort = freeUdpPort();
    }
    int pushState() { return ctx.wsck->Winsock1().state(); }

    QTemporaryDir dir;
    DemoServerProcess server;
    plat::QtLoop loop;
    plat::QtNetwork network;
    plat::SimDesktop desktop{loop, plat::SimDesktop::Mode::Recording};
    plat::SimShell shell;
    plat::SimRegistryStore registry;
    plat::SimLog log;
    plat::Platform platform{loop, desktop, network, shell, registry, log};
    AppContext ctx{platform};
};

TEST_F(PushSessionE2E, LogsInOpensTheSessionComesBackAfterAServerRestartAndEndsWhenLoggedInElsewhere) {
    startServer();

    // The identity report is answered with an id, which the login then sends.
    ctx.load(ctx.winsock);
    ASSERT_TRUE(waitUntil([&] { return push::ClientIdStore(ctx).read() > 0; }));

    ctx.load(ctx.form1);
    ctx.form1->Text1->setText(Account);
    ctx.form1->Text2->setText(QStringLiteral("demo123"));
    ctx.form1->Image2_Click();
    ASSERT_TRUE(waitUntil([&] { return ctx.LoggedIn == 1 && !ctx.form1 && ctx.wsck; }));
    EXPECT_EQ(ctx.CurrentNickname, QStringLiteral("金市老王"));
    EXPECT_EQ(ctx.AccountFlag, '1');

    // Logged on, and every probe is answered. What the session delivers reaches the
    // program's windows in the headless news and calendar tests.
    ASSERT_TRUE(server.waitForLine("push: logon from"));
    EXPECT_EQ(server.count("account " + Account), 1);
    ASSERT_TRUE(server.waitForLine("heartbeat answer from " + Account));

    // The keep-alive ticks are given by hand from here, so that each step is seen.
    ctx.wsck->Timer1.setEnabled(false);
    const DemoServerProcess::Ports ports = server.ports();
    server.kill();
    ASSERT_TRUE(waitUntil([&] { return pushState() != plat::Socket::Connected; }));
    // What the lost connection looked like to the client: the logged errors, or none for
    // the close event alone. Either way the new connection must log on again.
    const QStringList errors = log.lines().filter("wsckfrm: error");
    RecordProperty("restart_seen_as", errors.isEmpty() ? "close event" : errors.join("; ").toStdString());

    startServer({ports.login, ports.identity, ports.push, 0});
    ctx.wsck->Timer1_Timer(); // finds it down: reconnects
    ASSERT_TRUE(waitUntil([&] { return pushState() == plat::Socket::Connected; }));
    ASSERT_TRUE(server.waitForLine("push: 127.0.0.1"));
    ctx.wsck->Timer1_Timer(); // up: logs on again
    // The server reads the connection in order: once it has the feedback, any logon sent
    // before it has been read too.
    ctx.wsck->Winsock1().sendData(push::FeedbackRecord{Account, QStringLiteral("after restart")}.build());
    ASSERT_TRUE(server.waitForLine("push: feedback from"));
    EXPECT_EQ(server.count("push: logon from"), 1);

    // A kick typed at the server's console: logged in elsewhere ends the session for good.
    const size_t boxes = desktop.messageBoxes().size();
    server.command("kick " + Account);
    ASSERT_TRUE(waitUntil([&] { return ctx.wsck->stopped(); }));
    EXPECT_EQ(pushState(), plat::Socket::Closed);
    EXPECT_EQ(desktop.messageBoxes().size(), boxes + 1);
}

} // namespace
