#include "e2e_push/DemoServerProcess.h"
#include "Wait.h"
#include "e2e_update/ScratchInstall.h"
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

// The Debian package as a user meets it: built with CPack, unpacked into a folder nobody may
// write, the program started headless by a user with a home of their own, against the demo
// server.
namespace {

const QString PackageDir = QStringLiteral(ZEP_BINARY_DIR "/e2e-package-debs");
// The user the program runs as when the test runs as the administrator, who may write anything.
const uid_t Nobody = 65534;

struct Outcome {
    int exitCode = -1;
    QString output;
};

QString runTool(const QString& program, const QStringList& args, int* exitCode, int timeoutMs = 600000) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool done = p.waitForFinished(timeoutMs);
    *exitCode = done && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAll());
}

// The packages of this build, made again when the programs or the package's settings are
// newer than they are.
QString buildPackages(QString* error) {
    const QString deb = QDir(PackageDir).entryList({QStringLiteral("quenra_*.deb")}, QDir::Files).value(0);
    QDateTime inputs;
    for (const char* input : {"/src/Zavez_ZEP", "/tools/demo-server/quenra-demo-server", "/CPackConfig.cmake"})
        inputs = std::max(inputs, QFileInfo(QStringLiteral(ZEP_BINARY_DIR) + QLatin1String(input)).lastModified());
    if (!deb.isEmpty() && QFileInfo(PackageDir + u'/' + deb).lastModified() > inputs) return PackageDir + u'/' + deb;
    QDir(PackageDir).removeRecursively();
    int code = 0;
    *error =
        runTool(QStringLiteral("cpack"), {"--config", ZEP_BINARY_DIR "/CPackConfig.cmake", "-B", PackageDir}, &code);
    const QString built = QDir(PackageDir).entryList({QStringLiteral("quenra_*.deb")}, QDir::Files).value(0);
    return code == 0 && !built.isEmpty() ? PackageDir + u'/' + built : QString();
}

void chmodTree(const QString& root, bool writable) {
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    QStringList paths{root};
    while (it.hasNext()) paths << it.next();
    for (const QString& path : paths) {
        struct stat st {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || S_ISLNK(st.st_mode)) continue;
        ::chmod(QFile::encodeName(path).constData(), writable ? (st.st_mode | S_IWUSR) : (st.st_mode & ~0222));
    }
}

void giveTree(const QString& root, uid_t uid) {
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    ::lchown(QFile::encodeName(root).constData(), uid, uid);
    while (it.hasNext()) ::lchown(QFile::encodeName(it.next()).constData(), uid, uid);
}

// Every file below root, relative to it.
QStringList filesBelow(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

class PackageInstall : public ::testing::Test {
protected:
    PackageInstall() : scratch_(QStringLiteral("e2e-package")), server_(scratch_.path(QStringLiteral("demo-data"))) {}
    ~PackageInstall() override { chmodTree(root(), true); }

    void SetUp() override {
        for (const char* tool : {"cpack", "dpkg-deb", "dpkg-shlibdeps", "file"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is missing: scripts/install-deps.sh installs the packaging tools";
        if (::geteuid() == 0 && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            GTEST_SKIP() << "running as the administrator without setpriv to start the program as a user";
        QString error;
        deb_ = buildPackages(&error);
        ASSERT_FALSE(deb_.isEmpty()) << error.toStdString();
    }

    QString root() const { return scratch_.path(QStringLiteral("app")); }
    QString home() const { return scratch_.path(QStringLiteral("home")); }
    QString userData(const QString& file) const { return home() + QStringLiteral("/.local/share/quenra/") + file; }
    QString installed(const QString& file) const { return root() + QStringLiteral("/usr/") + file; }

    void extract() {
        int code = 0;
        const QString out = runTool(QStringLiteral("dpkg-deb"), {"-x", deb_, root()}, &code);
        ASSERT_EQ(code, 0) << out.toStdString();
        chmodTree(root(), false);
        ::chmod(QFile::encodeName(scratch_.path(QString())).constData(), 0755);
        // Every user's single-instance socket goes there.
        ::chmod(QFile::encodeName(scratch_.path(QStringLiteral("tmp"))).constData(), 01777);
    }

    // The extracted program, headless, as the user uid (the test's own when it is not the
    // administrator) with the home given and nothing else of the test's folders.
    void launch(QProcess& program, uid_t uid, const QString& homeDir) {
        if (::geteuid() == 0) giveTree(homeDir, uid);
        QProcessEnvironment env = scratch_.environment(false);
        for (const char* name :
             {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR", "ZEP_WINDOWS_DIR"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("HOME"), homeDir);
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(homeDir);
        const QString exe = installed(QStringLiteral("bin/quenra"));
        if (::geteuid() == 0)
            program.start(QStringLiteral("setpriv"),
                          {QStringLiteral("--reuid=%1").arg(uid), QStringLiteral("--regid=%1").arg(uid),
                           QStringLiteral("--clear-groups"), exe, QStringLiteral("--headless")});
        else
            program.start(exe, {QStringLiteral("--headless")});
    }

    // Runs the user's program until its output satisfies until, then meanwhile, then ends it
    // as the desktop's log-out would.
    Outcome runProgram(const std::function<bool(const QString&)>& until, const std::function<void()>& meanwhile = {}) {
        QProcess program;
        QString output;
        QObject::connect(&program, &QProcess::readyReadStandardOutput, &program,
                         [&] { output += QString::fromUtf8(program.readAllStandardOutput()); });
        launch(program, Nobody, home());
        Outcome run;
        if (!program.waitForStarted(10000)) return run;
        waitUntil([&] { return until(output) || program.state() != QProcess::Running; }, 90000);
        if (meanwhile) meanwhile();
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        program.waitForFinished(30000);
        run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
        run.output = output + QString::fromUtf8(program.readAllStandardError());
        return run;
    }

    // While the user's program runs, their second start is refused; another user's is not.
    void expectOneInstancePerUser() {
        QProcess again;
        launch(again, Nobody, home());
        EXPECT_TRUE(again.waitForFinished(30000));
        EXPECT_EQ(again.exitCode(), 1) << again.readAllStandardOutput().toStdString();
        if (::geteuid() != 0) return; // no other user to be
        const QString other = scratch_.path(QStringLiteral("other"));
        QDir().mkpath(other);
        QProcess theirs;
        launch(theirs, Nobody - 1, other);
        EXPECT_TRUE(theirs.waitForStarted(10000));
        waitUntil(
            [&] {
                return QFileInfo::exists(other + QStringLiteral("/.local/share/quenra/ZEP.xml")) ||
                       theirs.state() != QProcess::Running;
            },
            30000);
        EXPECT_EQ(theirs.state(), QProcess::Running) << theirs.readAllStandardOutput().toStdString();
        ::kill(static_cast<pid_t>(theirs.processId()), SIGTERM);
        theirs.waitForFinished(30000);
    }

    ScratchInstall scratch_;
    DemoServerProcess server_;
    QString deb_;
};

TEST_F(PackageInstall, PackageHoldsTheMenuEntryAndPassesLintian) {
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^quenra_\\d+\\.\\d+\\.\\d+_[a-z0-9]+\\.deb$"))
                    .match(QFileInfo(deb_).fileName())
                    .hasMatch())
        << deb_.toStdString();
    int code = 0;
    const QString depends = runTool(QStringLiteral("dpkg-deb"), {"-f", deb_, "Depends"}, &code);
    EXPECT_TRUE(depends.contains(QStringLiteral("libqt6core6"))) << depends.toStdString();
    extract();
    for (const char* file :
         {"lib/quenra/Zavez_ZEP", "lib/quenra/SYSTEM-WIDE", "bin/quenra", "share/quenra/ZEP.xml", "lib/quenra/ZEP.xml",
          "lib/quenra/Sound/News.wav", "lib/quenra/image/setok.gif", "share/applications/com.quenra.Quenra.desktop",
          "share/metainfo/com.quenra.Quenra.metainfo.xml", "share/doc/quenra/copyright"})
        EXPECT_TRUE(QFileInfo::exists(installed(QString::fromLatin1(file)))) << file;
    for (int size : {16, 20, 24, 32, 40, 48, 64, 96, 128, 256, 512})
        EXPECT_TRUE(QFileInfo::exists(
            installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/com.quenra.Quenra.png").arg(size))))
            << size;
    EXPECT_FALSE(QFileInfo::exists(installed(QStringLiteral("lib/quenra/quenra-demo-server"))));
    EXPECT_EQ(QDir(PackageDir).entryList({QStringLiteral("quenra-demo-server_*.deb")}, QDir::Files).size(), 1);

    if (QStandardPaths::findExecutable(QStringLiteral("lintian")).isEmpty())
        GTEST_SKIP() << "lintian is missing: scripts/install-deps.sh installs it";
    for (const QString& package : QDir(PackageDir).entryList({QStringLiteral("*.deb")}, QDir::Files)) {
        const QString report = runTool(QStringLiteral("lintian"), {PackageDir + u'/' + package}, &code);
        std::printf("lintian %s:\n%s", qPrintable(package), qPrintable(report));
        EXPECT_EQ(code, 0) << report.toStdString();
        EXPECT_FALSE(report.contains(QRegularExpression(QStringLiteral("^E: "), QRegularExpression::MultilineOption)));
    }
}

TEST_F(PackageInstall, AReadOnlyInstallationKeepsTheUsersFilesInTheirDataFolder) {
    extract();
    const QStringList shipped = filesBelow(root());
    ASSERT_TRUE(QFileInfo::exists(installed(QStringLiteral("share/quenra/ZEP.xml"))));

    // The first start takes the shipped document; without a remembered login it waits.
    Outcome first = runProgram([&](const QString&) { return QFileInfo::exists(userData(QStringLiteral("ZEP.xml"))); });
    ASSERT_EQ(first.exitCode, 0) << first.output.toStdString();
    ASSERT_TRUE(QFileInfo::exists(userData(QStringLiteral("ZEP.xml")))) << first.output.toStdString();
    // Headless, it leaves the desktop shortcut to a start that has a desktop.
    EXPECT_FALSE(readFile(userData(QStringLiteral("ZEP.xml"))).contains("<desktopshorcut/>"));

    ASSERT_TRUE(server_.start({0, 0, 0, 0})) << server_.lines().join("\n").toStdString();
    ASSERT_TRUE(ScratchInstall::pointAt(server_.ports(), userData(QStringLiteral("ZEP.xml"))));
    ASSERT_TRUE(ScratchInstall::rememberLogin(QStringLiteral("demo@quenra.test"), QStringLiteral("demo123"),
                                              userData(QStringLiteral("registry"))));
    // Logged in: the pushed flashes pop up.
    Outcome second = runProgram([](const QString& out) { return out.contains(QStringLiteral("popup: ")); },
                                [&] { expectOneInstancePerUser(); });
    EXPECT_EQ(second.exitCode, 0);
    ASSERT_TRUE(second.output.contains(QStringLiteral("popup: "))) << second.output.toStdString();

    EXPECT_EQ(filesBelow(root()), shipped);
    EXPECT_TRUE(QFileInfo::exists(userData(QStringLiteral("ZEP_ID.txt"))));
    EXPECT_TRUE(QFileInfo::exists(userData(QStringLiteral("registry"))));
    const QString config = QString::fromLatin1(readFile(userData(QStringLiteral("ZEP.xml"))));
    EXPECT_TRUE(config.contains(QStringLiteral("PushPort=\"%1\"").arg(server_.ports().push)));
    // The user's data folder and their settings store: nothing else.
    for (const QString& file : filesBelow(home()))
        EXPECT_TRUE(file.startsWith(QStringLiteral(".local/share/quenra/")) ||
                    file.startsWith(QStringLiteral(".config/Quenra/")))
            << file.toStdString();
}

} // namespace
