#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtSoundPlayer.h"
#include "platform/qt/QtTrayIcon.h"
#include "platform/qt/QtWindow.h"
#include <QGuiApplication>

namespace plat {

QtDesktop::QtDesktop() { QGuiApplication::setQuitOnLastWindowClosed(false); }

std::unique_ptr<Window> QtDesktop::createWindow(WindowKind kind) { return std::make_unique<QtWindow>(kind); }

std::unique_ptr<TrayIcon> QtDesktop::createTrayIcon() { return std::make_unique<QtTrayIcon>(); }

std::unique_ptr<SoundPlayer> QtDesktop::createSoundPlayer() { return std::make_unique<QtSoundPlayer>(); }

} // namespace plat
