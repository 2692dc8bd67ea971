#include "base/AtomicFile.h"
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace atomicfile {

namespace {
bool syncToDisk(int fd) {
#ifdef Q_OS_WIN
    return ::_commit(fd) == 0;
#else
    return ::fsync(fd) == 0;
#endif
}
} // namespace

bool write(const QString& path, const QByteArray& bytes, QString& error, Access access) {
    QSaveFile file(path);
    // Unbuffered: a failed write shows in write()'s answer, not in a flush nobody checks.
    // The temporary file is narrowed before any byte goes in, so the content is never
    // readable by others, not even for a moment.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        (access == Access::OwnerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) ||
        file.write(bytes) != bytes.size()) {
        error = file.errorString();
        return false; // the temporary file goes with `file`
    }
    if (!syncToDisk(file.handle())) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace atomicfile
