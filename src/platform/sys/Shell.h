#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace plat {

struct NetworkAdapter {
    QString description;
    int type = 0;       // 6 Ethernet, 71 IEEE 802.11, 144 IEEE 1394
    QByteArray address; // hardware address bytes
};

// Services of the desktop shell and the operating system.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file or web address with the default application; false when it cannot.
    virtual bool open(const QString& target) = 0;
    // Starts a program detached, without waiting for it.
    virtual bool startDetached(const QString& program, const QStringList& args, const QString& workingDir) = 0;
    virtual QString desktopDir() const = 0;
    // Stand-in for the Windows directory (per-machine data).
    virtual QString windowsDir() const = 0;
    // Per-user data directory (the log file lives here).
    virtual QString userDataDir() const = 0;
    virtual std::vector<NetworkAdapter> networkAdapters() const = 0;

    // Single instance: a top-level window title registered by a running process.
    virtual bool findWindowTitle(const QString& title) const = 0;
    virtual bool registerWindowTitle(const QString& title) = 0;
    virtual void unregisterWindowTitle(const QString& title) = 0;
};

} // namespace plat
