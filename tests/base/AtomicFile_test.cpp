#include "TestFiles.h"
#include "base/AtomicFile.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

mode_t modeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 0777) : 0;
}

} // namespace

// A file that holds a password is the owner's alone from its first byte, and one left
// readable by others (an older version, a copy) is narrowed when it is next written.
TEST(AtomicFile, OwnerOnlyFilesAreCreatedPrivateAndOpenOnesNarrowedAtTheNextWrite) {
    QTemporaryDir dir;
    const mode_t oldMask = ::umask(0); // the widest defaults, so nothing private comes by chance
    const QString fresh = dir.filePath(QStringLiteral("registry"));
    QString error;
    ASSERT_TRUE(atomicfile::write(fresh, "1,1,a,b,c", error, atomicfile::Access::OwnerOnly)) << error.toStdString();
    EXPECT_EQ(modeOf(fresh), 0600u);

    const QString open = dir.filePath(QStringLiteral("registry.txt"));
    ASSERT_TRUE(atomicfile::write(open, "old", error));
    ::chmod(QFile::encodeName(open).constData(), 0644);
    ASSERT_TRUE(atomicfile::write(open, "new", error, atomicfile::Access::OwnerOnly));
    EXPECT_EQ(modeOf(open), 0600u);
    EXPECT_EQ(readFile(open), "new");

    // Files that are not private keep whatever the user gave them.
    const QString shared = dir.filePath(QStringLiteral("ZEP.xml"));
    ASSERT_TRUE(atomicfile::write(shared, "<a/>", error));
    ::chmod(QFile::encodeName(shared).constData(), 0664);
    ASSERT_TRUE(atomicfile::write(shared, "<b/>", error));
    EXPECT_EQ(modeOf(shared), 0664u);
    ::umask(oldMask);
}
