#include "e2e_update/ScratchInstall.h"
#include "resources/ProgramVersion.h"
#include <QDir>
#include <QElapsedTimer>
#include <QtEndian>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <csignal>
#include <functional>
#include <unistd.h>

// The built program, started headless in a scratch installation with a scratch home.
namespace {

class HeadlessStart : public ::testing::Test {
protected:
    HeadlessStart() : install_(QStringLiteral("e2e-start")) {
        // A hard link keeps the executable's own directory in the scratch installation.
        const QByteArray exe = QByteArrayLiteral(ZEP_BINARY_DIR "/src/Zavez_ZEP");
        if (::link(exe.constData(), program().toLocal8Bit().constData()) != 0)
            QFile::copy(QString::fromLocal8Bit(exe), program());
    }

    QString path(const char* sub) const { return install_.path(QLatin1String(sub)); }
    QString program() const { return path("app") + QStringLiteral("/Zavez_ZEP"); }
    QString config() const { return path("app") + QStringLiteral("/ZEP.xml"); }
    QString registryFile() const { return path("config") + QStringLiteral("/Quenra/registry.txt"); }

    void installShippedConfig() { ASSERT_TRUE(QFile::copy(QStringLiteral(ZEP_SOURCE_DIR "/dist/ZEP.xml"), config())); }

    // Without a display.
    void start(QProcess& p, const QStringList& args = {QStringLiteral("--headless")}) {
        QProcessEnvironment env = install_.environment(false);
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(path("home"));
        p.start(program(), args);
        ASSERT_TRUE(p.waitForStarted(10000));
    }

    struct Ended {
        int status = -1;
        QString out;
        QString err;
    };
    Ended run(const QStringList& args) {
        QProcess p;
        start(p, args);
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    // Waits (no longer than a minute) until the condition holds or the process ends.
    static bool waitUntil(QProcess& p, const std::function<bool()>& condition) {
        QElapsedTimer clock;
        clock.start();
        while (!condition()) {
            if (p.state() != QProcess::Running || clock.elapsed() > 60000) return false;
            p.waitForFinished(50);
        }
        return true;
    }

    // The usage time as the registry file holds it; -1 while there is none.
    int usageTime() const {
        for (const QByteArray& line : readFile(registryFile()).split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() == 5 && fields[2] == "Time") {
                const QByteArray data = QByteArray::fromHex(fields[4]);
                return data.size() == 4 ? qFromLittleEndian<qint32>(data.constData()) : -1;
            }
        }
        return -1;
    }

    void seedUsageTime(qint32 seconds) {
        QDir().mkpath(path("config") + QStringLiteral("/Quenra"));
        QByteArray data(4, '\0');
        qToLittleEndian(seconds, data.data());
        ASSERT_TRUE(writeFile(registryFile(), "# Quenra registry 1\n80000002\tSoftware%5CZavez_ZEP%5C\tTime\t4\t" +
                                                  data.toHex() + "\n"));
    }

    ScratchInstall install_;
};

TEST_F(HeadlessStart, HelpAndVersionAnswerAnywhere) {
    installShippedConfig();
    for (const QStringList& args : {QStringList{"--help"}, QStringList{"--headless", "--help"}}) {
        const Ended e = run(args);
        EXPECT_EQ(e.status, 0) << e.err.toStdString();
        EXPECT_TRUE(e.out.startsWith(QStringLiteral("usage: Zavez_ZEP"))) << e.out.toStdString();
        EXPECT_TRUE(e.out.contains(QStringLiteral("--headless"))) << e.out.toStdString();
    }
    const Ended version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("Quenra极速版 (Zavez_ZEP) %1\n").arg(zepversion::kVersionText));
    const Ended wrong = run({QStringLiteral("--dump-pages")});
    EXPECT_NE(wrong.status, 0);
    EXPECT_TRUE(wrong.err.startsWith(QStringLiteral("usage: Zavez_ZEP"))) << wrong.err.toStdString();
}

TEST_F(HeadlessStart, WithoutADisplayAndWithoutHeadlessSaysHowToRun) {
    installShippedConfig();
    const Ended e = run({});
    EXPECT_NE(e.status, 0);
    EXPECT_EQ(e.err.count(u'\n'), 1) << e.err.toStdString();
    EXPECT_TRUE(e.err.contains(QStringLiteral("Zavez_ZEP --headless"))) << e.err.toStdString();
}

TEST_F(HeadlessStart, WithoutARememberedLoginOrATerminalSaysHowToRememberAndEnds) {
    installShippedConfig();
    const Ended e = run({QStringLiteral("--headless")}); // standard input is a pipe
    EXPECT_EQ(e.status, 4) << e.err.toStdString();
    EXPECT_TRUE(e.err.contains(QStringLiteral("login dialog"))) << e.err.toStdString();
    EXPECT_TRUE(e.err.contains(QStringLiteral("记住我"))) << e.err.toStdString();
}

TEST_F(HeadlessStart, RefusesToRunWithoutItsConfigurationDocumentOrABrokenOneNamingTheLine) {
    const Ended missing = run({QStringLiteral("--headless")});
    EXPECT_NE(missing.status, 0);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("配置文件ZEP.xml 文件不存在!"))) << missing.err.toStdString();

    ASSERT_TRUE(writeFile(config(), "<?xml version=\"1.0\"?>\n<App>\n<Settings>\n</App>\n"));
    const Ended broken = run({QStringLiteral("--headless")});
    EXPECT_NE(broken.status, 0);
    // The parser's reason (which ends its own line), then the line number.
    const QString box = broken.err.mid(broken.err.indexOf(QStringLiteral("Quenra极速版: "))).trimmed();
    EXPECT_TRUE(box.contains(QStringLiteral("mismatch"))) << broken.err.toStdString();
    EXPECT_TRUE(box.endsWith(QStringLiteral("\n4"))) << broken.err.toStdString();
}

TEST_F(HeadlessStart, ASecondInstanceIsRefusedAndAnInterruptedRunStillSaves) {
    installShippedConfig();
    seedUsageTime(100);
    QProcess first;
    start(first);
    QElapsedTimer running;
    running.start();
    // The controller has loaded once its install path is in the registry.
    ASSERT_TRUE(waitUntil(first, [&] { return readFile(registryFile()).contains("\tPath\t"); }))
        << first.readAllStandardError().toStdString();

    const Ended second = run({QStringLiteral("--headless")});
    EXPECT_NE(second.status, 0);
    EXPECT_TRUE(second.err.contains(QStringLiteral("检测到一个正在运行的极速版Quenra!"))) << second.err.toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);

    // Long enough for a whole second of use to count.
    while (running.elapsed() < 1200) first.waitForFinished(100);
    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    ASSERT_TRUE(first.waitForFinished(60000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    EXPECT_GT(usageTime(), 100);
    // A headless run has no desktop to show a shortcut on: it leaves it to a start that has.
    const QByteArray saved = readFile(config());
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_FALSE(saved.contains("desktopshorcut"));
    EXPECT_FALSE(QFile::exists(path("home") + QStringLiteral("/Desktop/Quenra极速版.desktop")));
}

} // namespace
