#pragma once
#include "TestFiles.h"
#include "e2e_push/DemoServerProcess.h"
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// The build tree installed into a scratch folder, with a scratch home, configuration and
// data folders for the program, ZEP.xml pointed at a demo server, and the demo server's
// data folder ("demo-data") with its accounts.
class ScratchInstall {
public:
    // prefix names the scratch folder under the build tree ("e2e-update").
    explicit ScratchInstall(const QString& prefix);

    QString path(const QString& sub) const { return root_.path() + u'/' + sub; }
    QString app(const QString& file) const { return path(QStringLiteral("app/")) + file; }
    QString program() const { return app(QStringLiteral("Zavez_ZEP")); }

    // cmake --install of the build tree; false (with the reason) when it failed.
    bool install(QString* error);
    // Settings/ZEP/Server of the installed ZEP.xml: the server's ports on loopback, and
    // local UDP ports that were free a moment ago.
    bool pointAt(const DemoServerProcess::Ports& ports) { return pointAt(ports, app(QStringLiteral("ZEP.xml"))); }
    // The same for the configuration document at config (a user's own).
    static bool pointAt(const DemoServerProcess::Ports& ports, const QString& config);
    // The remember file, so that the program logs in by itself.
    bool rememberLogin(const QString& account, const QString& password) {
        return rememberLogin(account, password, app(QStringLiteral("registry")));
    }
    static bool rememberLogin(const QString& account, const QString& password, const QString& file);

    // The program's environment: its own home, XDG folders and "Windows directory"; the
    // display only when withDisplay.
    QProcessEnvironment environment(bool withDisplay) const;

private:
    QTemporaryDir root_;
};
