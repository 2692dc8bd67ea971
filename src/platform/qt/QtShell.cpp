#include "platform/qt/QtShell.h"
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <unistd.h>

namespace plat {

namespace {

QString madePath(const QString& dir) {
    QDir().mkpath(dir);
    return dir;
}

bool isWritableDir(const QString& dir) {
    QDir().mkpath(dir);
    const QFileInfo fi(dir);
    return fi.isDir() && fi.isWritable();
}

QByteArray hardwareAddress(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray text = f.readAll().trimmed();
    return QByteArray::fromHex(text.split(':').join());
}

} // namespace

bool QtShell::open(const QString& target) {
    const QUrl url = QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile);
    // Without a GUI application (headless) the desktop services are not there; the
    // desktop's own opener does the same job.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return QDesktopServices::openUrl(url);
    return QProcess::startDetached(QStringLiteral("xdg-open"), {url.toString()});
}

bool QtShell::startDetached(const QString& program, const QStringList& args, const QString& workingDir) {
    return QProcess::startDetached(program, args, workingDir);
}

QString QtShell::desktopDir() const {
    return madePath(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}

QString QtShell::windowsDir() const {
    const QString overridden = qEnvironmentVariable("ZEP_WINDOWS_DIR");
    if (!overridden.isEmpty()) return madePath(overridden);
    const QString machine = QStringLiteral("/var/lib/quenra");
    return isWritableDir(machine) ? machine : userDataDir();
}

QString QtShell::userDataDir() const {
    return madePath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quenra"));
}

std::vector<NetworkAdapter> QtShell::networkAdapters() const {
    // The kernel's view: one directory (or link to one) per interface.
    const QString netClass = QStringLiteral("/sys/class/net");
    std::vector<NetworkAdapter> adapters;
    const QStringList names = QDir(netClass).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) adapters.push_back(adapter(netClass + u'/' + name, name));
    return adapters;
}

NetworkAdapter QtShell::adapter(const QString& dir, const QString& name) {
    NetworkAdapter a;
    a.address = hardwareAddress(dir + QStringLiteral("/address"));
    if (QFileInfo::exists(dir + QStringLiteral("/wireless")) || QFileInfo::exists(dir + QStringLiteral("/phy80211"))) {
        a.type = 71;
        a.description = QStringLiteral("Wireless adapter ") + name;
        return a;
    }
    a.type = 6;
    const QString device = QFileInfo(dir + QStringLiteral("/device")).canonicalFilePath();
    a.description = device.contains(QStringLiteral("/pci")) ? QStringLiteral("PCI Ethernet adapter ") + name
                                                            : QStringLiteral("Virtual adapter ") + name;
    return a;
}

bool QtShell::findWindowTitle(const QString& title) const {
    QLocalSocket socket;
    socket.connectToServer(serverName(title));
    return socket.waitForConnected(1000);
}

bool QtShell::registerWindowTitle(const QString& title) {
    // A live holder of the title is never displaced; a socket left by a dead one is.
    if (findWindowTitle(title)) return false;
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = serverName(title);
    if (!server->listen(name)) {
        QLocalServer::removeServer(name);
        if (!server->listen(name)) return false;
    }
    QLocalServer* raw = server.get();
    QObject::connect(raw, &QLocalServer::newConnection, raw, [raw] {
        while (QLocalSocket* s = raw->nextPendingConnection()) s->deleteLater();
    });
    servers_[title] = std::move(server);
    return true;
}

void QtShell::unregisterWindowTitle(const QString& title) { servers_.erase(title); }

QString QtShell::serverName(const QString& title) {
    const QByteArray hash = QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("quenra-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash.toHex().left(16)));
}

} // namespace plat
