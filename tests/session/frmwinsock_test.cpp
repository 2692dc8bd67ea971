#include "SessionFixture.h"
#include "platform/sim/SimNetworkUdpPeer.h"
#include "wire/ClientIdRecord.h"
#include "session/ClientIdStore.h"
#include "wire/IdentityReportRecord.h"
#include "session/frmwinsock.h"

namespace {

class FrmwinsockTest : public SessionFixture {
protected:
    FrmwinsockTest() {
        sim.shell.setAdapters({
            {"Intel(R) PCI Ethernet", 6, QByteArray::fromHex("001A2B3C4D5E")},
            {"USB Ethernet", 6, QByteArray::fromHex("AABBCCDDEEFF")},
            {"wlan0", 71, QByteArray::fromHex("112233445566")},
        });
    }

    plat::SimNetworkUdpPeer& identityServer() { return sim.network.udpPeer(Server, 12355); }
    QString idFile() const { return dir.path() + "/windows/ZEP_ID.txt"; }
};

TEST_F(FrmwinsockTest, ReportsIdAdaptersAndVersionAfterASecond) {
    useConfig("<ZEPID>815</ZEPID>");
    ctx.ProgramVersion = QStringLiteral("1.7.0002");
    ctx.load(ctx.winsock);
    EXPECT_EQ(sim.loop.nowMs(), 1000);
    ASSERT_EQ(identityServer().datagrams().size(), 1u);
    EXPECT_EQ(identityServer().datagrams()[0].fromPort, 5003);
    // The USB adapter is left out of the list.
    const QString adapters = QStringLiteral("00-1A-2B-3C-4D-5E\r\n11-22-33-44-55-66\r");
    EXPECT_EQ(identityServer().datagrams()[0].bytes, (push::IdentityReportRecord{815, adapters, "1.7.0002"}.build()));

    // Without an adapter that qualifies there is nothing to report.
    ctx.unload(ctx.winsock);
    sim.shell.setAdapters({{"USB Ethernet", 6, QByteArray::fromHex("AABBCCDDEEFF")}});
    ctx.load(ctx.winsock);
    EXPECT_EQ(identityServer().datagrams().size(), 1u);
}

TEST_F(FrmwinsockTest, AnAssignmentIsStoredInBothPlacesOnlyWhenToBeKeptAndTheSocketCloses) {
    useConfig("<Settings/>");
    for (const bool keep : {false, true}) {
        identityServer().onDatagram = [this, keep](const QByteArray&) {
            identityServer().reply(push::ClientIdRecord{.clientId = 123456, .store = keep}.build());
        };
        ctx.load(ctx.winsock);
        sim.loop.runPosted();
        EXPECT_EQ(ctx.Config->isExist(QString(), "ZEPID"), keep);
        EXPECT_EQ(QFile::exists(idFile()), keep);
        EXPECT_EQ(ctx.winsock->Winsock1().state(), plat::Socket::Closed);
        ctx.unload(ctx.winsock);
    }
    EXPECT_EQ(ctx.Config->GetNodeText("ZEPID"), "123456");
    EXPECT_EQ(readFile(idFile()).trimmed(), "123456");
}

TEST_F(FrmwinsockTest, ClientIdComesFromTheNodeFirstThenTheFile) {
    push::ClientIdStore ids(ctx);
    EXPECT_EQ(ids.read(), 0); // neither
    QDir().mkpath(dir.path() + "/windows");
    for (const auto& [text, id] : {std::pair<QByteArray, int>{"  31337  \r\n", 31337}, {"-5", 0}, {"", 0}}) {
        ASSERT_TRUE(writeFile(idFile(), text));
        EXPECT_EQ(ids.read(), id) << text.toStdString();
    }

    ASSERT_TRUE(writeFile(idFile(), "31337"));
    useConfig("<ZEPID> 77 </ZEPID>");
    EXPECT_EQ(ids.read(), 77); // the node wins
    ctx.Config->SetNodeText("ZEPID", "0");
    EXPECT_EQ(ids.read(), 0); // and a node without an id means none
}

} // namespace
