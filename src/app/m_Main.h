#pragma once
#include <QString>

struct AppContext;

// The start-up module: the process entry and the desktop shortcut.
namespace m_Main {

// Why Main ended the process before the controller was loaded (the process exit status).
enum MainResult { Loaded = 0, AlreadyRunning = 1, ConfigMissing = 2, ConfigInvalid = 3 };

inline const QString ControllerTitle = QStringLiteral("[brisaDesk_Class]");

// Refuses a second instance and a missing or broken ZEP.xml, makes the desktop shortcut
// once per configuration document, reads the start-up values and loads the hidden
// controller. exeDir is the directory of the running executable.
int Main(AppContext& ctx, const QString& exeDir);
// Makes the desktop hold the product shortcut, and only it, pointing at this installation.
void CreateDesktopShortcut(AppContext& ctx);

} // namespace m_Main
