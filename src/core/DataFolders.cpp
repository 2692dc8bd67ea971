#include "core/DataFolders.h"
#include "core/AppContext.h"
#include "platform/Platform.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString ConfigName = QStringLiteral("ZEP.xml");
} // namespace

bool DataFolders::isSystemWide(const QString& installDir) {
    const QFileInfo fi(installDir);
    return !fi.isDir() || !fi.isWritable() ||
           QFileInfo::exists(QDir(installDir).filePath(QStringLiteral("SYSTEM-WIDE")));
}

DataFolders DataFolders::choose(bool systemWide, const plat::Shell& shell) {
    DataFolders folders;
    if (!systemWide) return folders;
    folders.userDir_ = shell.userDataDir();
    if (!folders.userDir_.endsWith(u'/')) folders.userDir_ += u'/';
    return folders;
}

QString DataFolders::userDir(const AppContext& ctx) const { return perUser() ? userDir_ : ctx.AppPath; }

QString DataFolders::clientIdDir(const AppContext& ctx) const {
    return perUser() ? userDir_ : ctx.platform.shell().windowsDir();
}

QString DataFolders::logFile(const plat::Shell& shell) { return shell.userDataDir() + QStringLiteral("/quenra.log"); }

QString DataFolders::updateFile(const AppContext& ctx) const {
    return perUser() ? userDir_ + QStringLiteral("quenra-update.deb") : ctx.AppPath + QStringLiteral("liveupdate.exe");
}

bool DataFolders::seed(const AppContext& ctx) const {
    const QString mine = userFile(ctx, ConfigName);
    if (!perUser() || QFileInfo::exists(mine)) return true;
    QDir().mkpath(userDir_);
    // Copied to a side name first: a start cut short leaves no half document behind.
    const QString partial = mine + QStringLiteral(".new");
    QFile::remove(partial);
    if (!QFile::copy(ctx.AppPath + ConfigName, partial)) return false;
    // The shipped copy is read-only; the user's must take their settings.
    QFile::setPermissions(partial, QFile::ReadOwner | QFile::WriteOwner);
    return QFile::rename(partial, mine);
}
