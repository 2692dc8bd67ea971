#pragma once
#include <QString>

struct AppContext;
namespace plat { class Window; }

// The start-up module: the process entry, the desktop shortcut, small file and shell
// helpers, and the main window's own place on the taskbar.
namespace m_Main {

// Why Main ended the process before the controller was loaded (the process exit status).
enum MainResult { Loaded = 0, AlreadyRunning = 1, ConfigMissing = 2, ConfigInvalid = 3 };

inline const QString ControllerTitle = QStringLiteral("[brisaDesk_Class]");

// Refuses a second instance and a missing or broken ZEP.xml, makes the desktop shortcut
// once per configuration document, reads the start-up values and loads the hidden
// controller. exeDir is the directory of the running executable.
int Main(AppContext& ctx, const QString& exeDir);

bool FileExists(const QString& path);
// True when the file is gone afterwards (also when it never existed).
bool DeleteFile(const QString& path);
// Opens a file or web address with the desktop's default application, hourglass meanwhile.
void ShellOpen(AppContext& ctx, const QString& target);
// Makes the desktop hold the product shortcut, and only it, pointing at this installation.
void CreateDesktopShortcut(AppContext& ctx);

// The main window leaves its owner for a taskbar button of its own, and goes back at unload.
void AttachTaskbarProxy(AppContext& ctx, plat::Window& main);
void DetachTaskbarProxy(AppContext& ctx, plat::Window& main);
// attach: gives the window newOwner and remembers the one it had; detach: gives that back.
void SetOwner(AppContext& ctx, plat::Window& window, bool attach, plat::Window* newOwner);

} // namespace m_Main
