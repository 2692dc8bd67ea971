#pragma once
#include <QByteArray>
#include <QString>

// Replacing a file that holds the user's settings: the new content goes to a temporary file
// beside it, is flushed to the disk, and only then renamed over the old one. Whatever fails
// on the way (disk full, no permission, the process killed mid-write) leaves the old file
// as it was. Every step's result is checked: QSaveFile alone (Qt 6.4) renames a file whose
// buffered flush failed, and ignores a failed sync.
namespace atomicfile {

// Who may read the file. Private files (a scrambled password, the user's settings) are
// readable and writable by their owner only, whether new or replacing a file that was
// more open; otherwise a replaced file keeps its permissions.
enum class Access { Keep, OwnerOnly };

// False, with the system's reason in `error`, when the file was not replaced.
bool write(const QString& path, const QByteArray& bytes, QString& error, Access access = Access::Keep);

} // namespace atomicfile
