#pragma once
#include <QByteArray>
#include <QString>

// Replacing a file that holds the user's settings: the new content goes to a temporary file
// beside it, is flushed to the disk, and only then renamed over the old one. Whatever fails
// on the way (disk full, no permission, the process killed mid-write) leaves the old file
// as it was. Every step's result is checked: QSaveFile alone (Qt 6.4) renames a file whose
// buffered flush failed, and ignores a failed sync.
namespace atomicfile {

// False, with the system's reason in `error`, when the file was not replaced.
bool write(const QString& path, const QByteArray& bytes, QString& error);

} // namespace atomicfile
