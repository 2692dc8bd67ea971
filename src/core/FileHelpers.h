#pragma once
#include <QString>

struct AppContext;

// Small file and shell helpers every window uses.
namespace files {

bool FileExists(const QString& path);
// True when the file is gone afterwards (also when it never existed).
bool DeleteFile(const QString& path);
// Opens a file or web address with the desktop's default application, hourglass meanwhile.
void ShellOpen(AppContext& ctx, const QString& target);

} // namespace files
