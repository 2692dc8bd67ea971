#include "core/FileHelpers.h"
#include "core/AppContext.h"
#include "platform/Platform.h"
#include <QFile>
#include <QFileInfo>

namespace files {

bool FileExists(const QString& path) {
    const QFileInfo fi(path);
    return fi.exists() && !fi.isDir();
}

bool DeleteFile(const QString& path) { return QFile::remove(path) || !QFileInfo(path).exists(); }

void ShellOpen(AppContext& ctx, const QString& target) {
    if (target.isEmpty()) return;
    plat::Screen& screen = ctx.platform.screen();
    screen.setBusyCursor(true);
    if (!ctx.platform.shell().open(target))
        ctx.platform.log().write(QStringLiteral("ShellOpen"), QStringLiteral("cannot open ") + target);
    screen.setBusyCursor(false);
}

} // namespace files
