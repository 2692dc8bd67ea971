#pragma once
#include "resources/ProgramVersion.h"
#include <QByteArray>
#include <QString>

// The live-update side of the file server: the manifest and a stand-in installer. The
// installer is a shell script that installs nothing; it appends the time and its
// arguments to a log in the data directory, so one can see that the client started it and
// how.
class UpdateOffer {
public:
    // The version the client reports; a manifest naming it offers nothing.
    static constexpr const char* kCurrentVersion = zepversion::kVersionText;

    UpdateOffer(const QString& offeredVersion, const QString& dataDir);

    QString version() const { return version_; }
    QString installerPath() const; // on the site
    QString runLogPath() const;    // where the installer notes its runs
    QByteArray installer() const { return installer_; }
    QString installerSha256() const;
    // spd_update.xml, with addresses on the given site ("http://host:port").
    QByteArray manifest(const QString& site) const;

private:
    QString version_;
    QString dataDir_;
    QByteArray installer_;
};
