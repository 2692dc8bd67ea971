#include "ScratchInstall.h"
#include "e2e_push/DemoServerProcess.h"
#include "Wait.h"
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

// The installed program, headless, against a demo server that offers a newer version: it
// downloads the installer, saves it beside itself, ends by itself and the installer runs.
namespace {

class HeadlessUpdate : public ::testing::Test {
protected:
    HeadlessUpdate() : install_(QStringLiteral("e2e-update")), server_(install_.path("demo-data")) {}

    void startProgram() {
        program_.setProcessEnvironment(install_.environment(false));
        program_.setWorkingDirectory(install_.path("home"));
        program_.start(install_.program(), {QStringLiteral("--headless")});
        ASSERT_TRUE(program_.waitForStarted(10000));
    }
    QString installerLog() const { return QString::fromUtf8(readFile(install_.path("demo-data/installer-runs.log"))); }

    ScratchInstall install_;
    DemoServerProcess server_;
    QProcess program_;
};

TEST_F(HeadlessUpdate, DownloadsTheInstallerExitsAndTheInstallerRunsSilently) {
    ASSERT_TRUE(server_.start({}, {QStringLiteral("--offer-update"), QStringLiteral("1.6.1112")}))
        << server_.lines().join("\n").toStdString();
    ASSERT_NE(server_.ports().http, 0);
    QString error;
    ASSERT_TRUE(install_.install(&error)) << error.toStdString();
    ASSERT_TRUE(install_.pointAt(server_.ports()));
    // A value the document lacks is added at start and reaches the file only with the save.
    // The document is GB2312; Latin-1 keeps every byte.
    QString config = QString::fromLatin1(readFile(install_.app("ZEP.xml")));
    config.remove(QRegularExpression(QStringLiteral(" MakerSite=\"[^\"]*\"")));
    ASSERT_TRUE(writeFile(install_.app("ZEP.xml"), config.toLatin1()));
    startProgram();

    ASSERT_TRUE(waitUntil([&] { return program_.state() == QProcess::NotRunning; }, 60000))
        << "the program did not end by itself";
    const QString out = QString::fromUtf8(program_.readAllStandardOutput());
    const QString err = QString::fromUtf8(program_.readAllStandardError());
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.exitCode(), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("balloon: 升级提醒: 软件正在升级"))) << out.toStdString();

    // The demo installer, saved whole and runnable.
    const QByteArray saved = readFile(install_.app("liveupdate.exe"));
    EXPECT_TRUE(saved.startsWith("#!/bin/sh\n# Quenra极速版 1.6.1112 demo installer")) << saved.toStdString();
    EXPECT_TRUE(QFileInfo(install_.app("liveupdate.exe")).isExecutable());
    // Started detached at the very end: its note may follow the exit by a moment.
    ASSERT_TRUE(waitUntil([&] { return installerLog().contains(u'\n'); }, 10000)) << err.toStdString();
    const QStringList runs = installerLog().trimmed().split(u'\n');
    ASSERT_EQ(runs.size(), 1) << installerLog().toStdString();
    EXPECT_TRUE(runs.front().endsWith(QStringLiteral(" /sp- /verysilent /norestart"))) << runs.front().toStdString();

    // Everything was saved on the way out; the main window was never opened.
    EXPECT_TRUE(readFile(install_.app("ZEP.xml")).contains("MakerSite=\"http://127.0.0.1:8080/maker\""));
    EXPECT_FALSE(err.contains(QStringLiteral("ruzezaro"))) << err.toStdString();
    EXPECT_EQ(server_.count(QStringLiteral("/spd_update.xml -> 200")), 1);
    EXPECT_EQ(server_.count(QStringLiteral("/download/QuenraSetup-1.6.1112.exe -> 200")), 1);
    EXPECT_EQ(server_.count(QStringLiteral(" login: ")), 0);
}

} // namespace
