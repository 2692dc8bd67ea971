#pragma once
#include "platform/sys/Shell.h"
#include <QLocalServer>
#include <map>
#include <memory>

namespace plat {

// The desktop shell and the system on Linux: opening with the desktop's default
// application, detached processes, the XDG directories, the kernel's network interfaces,
// and single instance through a local socket named after the window title and the user.
class QtShell : public Shell {
public:
    bool open(const QString& target) override;
    bool startDetached(const QString& program, const QStringList& args, const QString& workingDir) override;
    QString desktopDir() const override;
    QString windowsDir() const override;
    QString userDataDir() const override;
    std::vector<NetworkAdapter> networkAdapters() const override;

    bool findWindowTitle(const QString& title) const override;
    bool registerWindowTitle(const QString& title) override;
    void unregisterWindowTitle(const QString& title) override;

private:
    static QString serverName(const QString& title);
    static NetworkAdapter adapter(const QString& dir, const QString& name);

    std::map<QString, std::unique_ptr<QLocalServer>> servers_;
};

} // namespace plat
