#include "base/AtomicFile.h"
#include "config/ConfigFixture.h"
#include "config/cRegistry.h"
#include "platform/qt/FileRegistryStore.h"
#include "wire/RememberFile.h"
#include <QDir>
#include <QElapsedTimer>
#include <csignal>
#include <functional>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// The program can be killed at any moment (power cut, OOM killer, logout): each file it
// saves must then hold either what it held before or the new content, never a cut-short
// or empty file. A child process saves one file over and over, alternating between two
// versions, and is killed at a random moment of a save; the file must be one of the two.
namespace {

constexpr int kKillsPerFile = 350;

struct SavedFile {
    QString path;
    std::function<void(int version)> save; // runs in the child as well
    QByteArray versions[2];
};

void childSavesForever(SavedFile& file, int readyFd) {
    const char ready = 1;
    if (::write(readyFd, &ready, 1) != 1) ::_exit(1);
    for (int v = 1;; v ^= 1) file.save(v);
}

// Kills a saving child at random moments; answers how many kills left a damaged file.
int killWhileSaving(SavedFile& file, std::mt19937& random) {
    file.save(1);
    file.versions[1] = readFile(file.path);
    QElapsedTimer timer;
    timer.start();
    constexpr int kTimed = 20;
    for (int i = 0; i < kTimed; ++i) file.save(0);
    file.versions[0] = readFile(file.path);
    if (file.versions[0].isEmpty() || file.versions[0] == file.versions[1]) return -1; // nothing to tell apart
    // Kill moments spread over two saves' time, so that every step of a save gets hit.
    const auto saveMicros = qMax<qint64>(1, timer.nsecsElapsed() / 1000 / kTimed);
    std::uniform_int_distribution<qint64> delay(0, 2 * saveMicros + 20);

    int damaged = 0;
    for (int i = 0; i < kKillsPerFile; ++i) {
        int fds[2];
        if (::pipe(fds) != 0) return -1;
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(fds[0]);
            childSavesForever(file, fds[1]);
        }
        ::close(fds[1]);
        char ready = 0;
        const bool started = ::read(fds[0], &ready, 1) == 1;
        ::close(fds[0]);
        if (started) ::usleep(useconds_t(delay(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const QByteArray now = readFile(file.path);
        if (now != file.versions[0] && now != file.versions[1]) ++damaged;
    }
    return damaged;
}

mode_t modeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 0777) : 0;
}

// Temporary files a killed save left behind in the file's folder.
int leftovers(const QString& path) {
    const QFileInfo info(path);
    return int(QDir(info.absolutePath()).entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files).size());
}

class KillDuringSave : public ConfigFixture {
protected:
    std::mt19937 random{20261206};
};

} // namespace

TEST_F(KillDuringSave, ConfigurationDocumentIsAlwaysTheOldOrTheNewOne) {
    loadShipped();
    // A working document carries a week of calendar items: a save of some size.
    for (int i = 0; i < 150; ++i) {
        config.AddFXCalendar(int16_t(1 + i % 5), QStringLiteral("%1:30").arg(i % 24), QStringLiteral("Event %1").arg(i),
                             QStringLiteral("1.2%"), QStringLiteral("1.3%"), QString(), QStringLiteral("High"),
                             QString(), QStringLiteral("0"));
    }
    SavedFile file{path,
                   [this](int v) {
                       config.SetNodeAttrib(QStringLiteral("Settings/ZEP/Popup"), QStringLiteral("staytime"),
                                            v ? "20s" : "10s");
                       config.XMLSave();
                   },
                   {}};
    EXPECT_EQ(killWhileSaving(file, random), 0);
    RecordProperty("leftover_temporary_files", leftovers(path));
}

TEST_F(KillDuringSave, PerUserStoreAndRememberFileAreAlwaysTheOldOrTheNewOneAndPrivate) {
    plat::FileRegistryStore store(dir.filePath(QStringLiteral("Quenra/registry.txt")));
    for (int i = 0; i < 40; ++i)
        store.write(cRegistry::HKEY_CURRENT_USER, QStringLiteral("Software\\Zavez_ZEP\\Key%1").arg(i),
                    QStringLiteral("Value"), 1, QByteArray(20, 'x'));
    SavedFile registry{dir.filePath(QStringLiteral("Quenra/registry.txt")),
                       [&store](int v) {
                           store.write(cRegistry::HKEY_CURRENT_USER, QStringLiteral("Software\\Zavez_ZEP\\"),
                                       QStringLiteral("Time"), 4, v ? "\x01\0\0\0" : "\x02\0\0\0");
                       },
                       {}};
    EXPECT_EQ(killWhileSaving(registry, random), 0);
    EXPECT_EQ(modeOf(registry.path), 0600u);

    // As the login dialog saves it.
    SavedFile remember{dir.filePath(QStringLiteral("registry")),
                       [this](int v) {
                           push::RememberFile::RememberedLogin login;
                           login.account = QStringLiteral("demo@quenra.test");
                           login.password = v ? QStringLiteral("demo123") : QStringLiteral("changed456");
                           login.nickname = QStringLiteral("Demo");
                           QString error;
                           atomicfile::write(dir.filePath(QStringLiteral("registry")), push::RememberFile::build(login),
                                             error, atomicfile::Access::OwnerOnly);
                       },
                       {}};
    EXPECT_EQ(killWhileSaving(remember, random), 0);
    EXPECT_EQ(modeOf(remember.path), 0600u);
}
