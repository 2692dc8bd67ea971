#include "TestFiles.h"
#include "core/AppContext.h"
#include "core/DataFolders.h"
#include "platform/sim/SimPlatform.h"
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// An installation folder with its shipped ZEP.xml, and a user whose data folder is elsewhere.
struct DataFoldersTest : ::testing::Test {
    QTemporaryDir root;
    plat::SimPlatform sim;
    AppContext ctx{sim.platform};

    DataFoldersTest() {
        QDir().mkpath(install());
        ctx.AppPath = install() + u'/';
        sim.shell.setUserDataDir(root.path() + "/home/.local/share/quenra");
        sim.shell.setWindowsDir(root.path() + "/machine");
        EXPECT_TRUE(writeFile(install() + "/ZEP.xml", "<App>shipped</App>"));
        QFile::setPermissions(install() + "/ZEP.xml", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    QString install() const { return root.path() + "/install"; }
    QString userDir() const { return root.path() + "/home/.local/share/quenra/"; }
};

TEST_F(DataFoldersTest, AWritableInstallationKeepsTheUsersFilesBesideTheProgram) {
    for (const DataFolders& folders : {DataFolders(), DataFolders::choose(false, sim.shell)}) {
        EXPECT_FALSE(folders.perUser());
        EXPECT_EQ(folders.userFile(ctx, "registry"), install() + "/registry");
        EXPECT_EQ(folders.clientIdDir(ctx), root.path() + "/machine");
        EXPECT_EQ(folders.updateFile(ctx), install() + "/liveupdate.exe");
        EXPECT_TRUE(folders.seed(ctx));
    }
    EXPECT_FALSE(QFileInfo::exists(userDir()));
    EXPECT_EQ(DataFolders::logFile(sim.shell), userDir() + "quenra.log");
}

TEST_F(DataFoldersTest, ASystemWideInstallationKeepsThemInTheUsersDataFolderFromTheFirstStartOn) {
    const DataFolders folders = DataFolders::choose(true, sim.shell);
    EXPECT_TRUE(folders.perUser());
    EXPECT_EQ(folders.userFile(ctx, "ZEP.xml"), userDir() + "ZEP.xml");
    EXPECT_EQ(folders.userFile(ctx, "registry"), userDir() + "registry");
    EXPECT_EQ(folders.clientIdDir(ctx), userDir());
    EXPECT_EQ(folders.updateFile(ctx), userDir() + "quenra-update.deb");

    // The first start copies the shipped document, writable for the user.
    ASSERT_TRUE(folders.seed(ctx));
    EXPECT_EQ(readFile(userDir() + "ZEP.xml"), "<App>shipped</App>");
    EXPECT_TRUE(QFileInfo(userDir() + "ZEP.xml").permissions() & QFile::WriteOwner);
    EXPECT_EQ(QDir(userDir()).entryList(QDir::Files), QStringList{"ZEP.xml"});
    EXPECT_EQ(readFile(install() + "/ZEP.xml"), "<App>shipped</App>");

    // The user's document outlives a newer package's copy.
    ASSERT_TRUE(writeFile(userDir() + "ZEP.xml", "<App>mine</App>"));
    // The upgrade replaces the shipped copy.
    QFile::remove(install() + "/ZEP.xml");
    ASSERT_TRUE(writeFile(install() + "/ZEP.xml", "<App>newer</App>"));
    EXPECT_TRUE(folders.seed(ctx));
    EXPECT_EQ(readFile(userDir() + "ZEP.xml"), "<App>mine</App>");
}

TEST_F(DataFoldersTest, WithoutAShippedDocumentNothingHalfIsLeft) {
    QFile::remove(install() + "/ZEP.xml");
    const DataFolders folders = DataFolders::choose(true, sim.shell);
    EXPECT_FALSE(folders.seed(ctx));
    EXPECT_TRUE(QDir(userDir()).entryList(QDir::Files).isEmpty());
}

TEST_F(DataFoldersTest, SharedAreFoldersTheUserCannotWriteAndThePackages) {
    EXPECT_FALSE(DataFolders::isSystemWide(install()));
    EXPECT_TRUE(DataFolders::isSystemWide(install() + "/ZEP.xml"));
    EXPECT_TRUE(DataFolders::isSystemWide(root.path() + "/missing"));
    ASSERT_TRUE(writeFile(install() + "/SYSTEM-WIDE", ""));
    EXPECT_TRUE(DataFolders::isSystemWide(install()));
    QFile::remove(install() + "/SYSTEM-WIDE");
    // The administrator may write any folder; the package test runs the program as another user.
    if (::geteuid() == 0) return;
    QFile::setPermissions(install(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_TRUE(DataFolders::isSystemWide(install()));
    QFile::setPermissions(install(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
