#pragma once
#include "XDesktop.h"
#include "e2e_push/DemoServerProcess.h"
#include "Wait.h"
#include "e2e_update/ScratchInstall.h"
#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>
#include <functional>
#include <iostream>

// The installed program on the desktop of scripts/with-desktop.sh against the demo server,
// with a remembered login so that it logs in by itself. Screenshots go to artifacts/ for a
// person to look at; the program's own output is shown when a test fails.
class InstalledProgram : public ::testing::Test {
protected:
    static inline const QString WindowClass = QStringLiteral("Zavez_ZEP");
    static inline const QString Artifacts = QStringLiteral(ZEP_SOURCE_DIR "/artifacts/");

    // prefix names the scratch folder under the build tree.
    explicit InstalledProgram(const QString& prefix) : install_(prefix), server_(install_.path("demo-data")) {}

    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) GTEST_SKIP() << "needs scripts/with-desktop.sh";
        QDir().mkpath(Artifacts);
    }
    void TearDown() override {
        if (HasFailure())
            std::cout << "the program said:\n"
                      << readFile(install_.path("program-stderr.txt")).toStdString() << std::endl;
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished(10000);
        }
    }

    // The demo server running, the program installed, pointed at it and logging in by itself.
    void installLoggedIn() {
        ASSERT_TRUE(server_.start({})) << server_.lines().join("\n").toStdString();
        QString error;
        ASSERT_TRUE(install_.install(&error)) << error.toStdString();
        ASSERT_TRUE(install_.pointAt(server_.ports()));
        ASSERT_TRUE(install_.rememberLogin(QStringLiteral("demo@quenra.test"), QStringLiteral("demo123")));
    }
    void startProgram() {
        QProcessEnvironment env = install_.environment(true);
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        program_.setProcessEnvironment(env);
        program_.setWorkingDirectory(install_.path("home"));
        program_.setStandardOutputFile(QProcess::nullDevice());
        program_.setStandardErrorFile(install_.path("program-stderr.txt"));
        program_.start(install_.program(), {});
        ASSERT_TRUE(program_.waitForStarted(10000));
    }
    // Waits for the condition while the program runs.
    bool waitWhileRunning(const std::function<bool()>& condition, int boundMs) {
        return waitUntil([&] { return program_.state() != QProcess::Running || condition(); }, boundMs) &&
               program_.state() == QProcess::Running;
    }
    void screenshot(const char* name) {
        const QString file = Artifacts + QLatin1String(name);
        EXPECT_TRUE(XDesktop::screenshot(file)) << file.toStdString();
        std::cout << "screenshot " << file.toStdString() << std::endl;
    }
    QByteArray savedConfig() const { return readFile(install_.app("ZEP.xml")); }

    ScratchInstall install_;
    DemoServerProcess server_;
    QProcess program_;
};
