#include "ScratchInstall.h"
#include "wire/RememberFile.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char* const Folders[] = {"app", "home", "config", "data", "windows", "tmp", "demo-data"};

// A loopback UDP port that was free a moment ago.
int freeUdpPort() {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

} // namespace

ScratchInstall::ScratchInstall(const QString& prefix)
    : root_(QStringLiteral(ZEP_BINARY_DIR "/") + prefix + QStringLiteral("-XXXXXX")) {
    for (const char* folder : Folders) QDir().mkpath(path(QString::fromLatin1(folder)));
    QFile::copy(QStringLiteral(ZEP_SOURCE_DIR "/tools/demo-server/demo-data/accounts.txt"),
                path("demo-data/accounts.txt"));
}

bool ScratchInstall::install(QString* error) {
    QProcess cmake;
    cmake.setStandardOutputFile(QProcess::nullDevice());
    cmake.start(QStringLiteral("cmake"), {"--install", ZEP_BINARY_DIR, "--prefix", path("app")});
    if (cmake.waitForFinished(120000) && cmake.exitCode() == 0) return true;
    *error = QString::fromLocal8Bit(cmake.readAllStandardError());
    return false;
}

bool ScratchInstall::pointAt(const DemoServerProcess::Ports& ports, const QString& config) {
    const QString site = QStringLiteral("http://127.0.0.1:%1").arg(ports.http);
    const QString element =
        QStringLiteral("<Server Address=\"127.0.0.1\" PushPort=\"%1\" LoginPort=\"%2\" LoginLocalPort=\"%3\" "
                       "IdentityPort=\"%4\" IdentityLocalPort=\"%5\" WebSite=\"%6\" FileServer=\"%6\" "
                       "ProductSite=\"%6/product\" MakerSite=\"%6/maker\"/>")
            .arg(ports.push)
            .arg(ports.login)
            .arg(freeUdpPort())
            .arg(ports.identity)
            .arg(freeUdpPort())
            .arg(site);
    // The document is GB2312; the element is ASCII, so Latin-1 keeps every other byte.
    QString text = QString::fromLatin1(readFile(config));
    if (!text.contains(QStringLiteral("<Server "))) return false;
    text.replace(QRegularExpression(QStringLiteral("<Server [^>]*/>")), element);
    return writeFile(config, text.toLatin1());
}

bool ScratchInstall::rememberLogin(const QString& account, const QString& password, const QString& file) {
    const push::RememberFile::RememberedLogin login{1, account, password, account.section(u'@', 0, 0)};
    return writeFile(file, push::RememberFile::build(login));
}

QProcessEnvironment ScratchInstall::environment(bool withDisplay) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!withDisplay) {
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    env.insert(QStringLiteral("HOME"), path("home"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), path("data"));
    env.insert(QStringLiteral("ZEP_WINDOWS_DIR"), path("windows"));
    env.insert(QStringLiteral("TMPDIR"), path("tmp"));
    return env;
}
