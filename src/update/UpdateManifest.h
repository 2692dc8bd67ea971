#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The update manifest "spd_update.xml": the current release's version, a page to download
// it by hand, the installer's address and, when the vendor gives it, the installer's
// SHA-256 digest, and the Debian package's address and digest.
struct UpdateManifest {
    QString version;
    QString url;
    QString download;
    QString sha256; // lower-case hex, empty when the manifest carries none
    // The same release as a Debian package, for system-wide installations; empty when
    // the vendor offers none.
    QString package;
    QString packageSha256;

    // The offer for a system-wide installation: the package in place of the installer
    // (no address when there is no package).
    UpdateManifest packageOffer() const;

    // Empty when the bytes hold no XML document element.
    static std::optional<UpdateManifest> parse(const QByteArray& bytes);

    // Versions are compared as texts, code unit by code unit, as the vendor's releases
    // have always been: "1.10.0001" is not newer than "1.6.1111".
    bool isNewerThan(const QString& ownVersion) const { return version > ownVersion; }

    // True when there is no digest to check, or the data has the digest given.
    bool digestMatches(const QByteArray& data) const;
};
