#include "update/UpdateManifest.h"
#include <QCryptographicHash>
#include <gtest/gtest.h>

namespace {
QByteArray manifest(const QString& version, const QString& extra = {}) {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?><Update><Version>%1</Version>"
                          "<URL>http://h/dl.htm</URL><Download>http://h/setup.exe</Download>%2"
                          "</Update>")
        .arg(version, extra)
        .toUtf8();
}
} // namespace

TEST(UpdateManifest, ReadsTheThreeFieldsWhateverTheRootIsCalled) {
    const auto m = UpdateManifest::parse(manifest("1.6.1112"));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->version, "1.6.1112");
    EXPECT_EQ(m->url, "http://h/dl.htm");
    EXPECT_EQ(m->download, "http://h/setup.exe");
    EXPECT_TRUE(m->sha256.isEmpty());
    // Without a version nothing is offered.
    EXPECT_FALSE(UpdateManifest::parse(manifest(""))->isNewerThan("1.6.1111"));
}

TEST(UpdateManifest, NoDocumentElementMeansNoManifest) {
    EXPECT_FALSE(UpdateManifest::parse(""));
    EXPECT_FALSE(UpdateManifest::parse("<html><body>502 Bad Gateway"));
    EXPECT_FALSE(UpdateManifest::parse("\xff\xfe\x00garbage"));
    // An entity that would read a local file is not expanded.
    const auto m = UpdateManifest::parse("<!DOCTYPE u [<!ENTITY x SYSTEM \"file:///etc/hostname\">]>"
                                         "<u><Version>&x;</Version></u>");
    ASSERT_TRUE(m);
    EXPECT_TRUE(m->version.isEmpty());
}

TEST(UpdateManifest, DigestIsCheckedOnlyWhenGiven) {
    const QByteArray installer("#!/bin/sh\necho installing\n");
    const QString good = QCryptographicHash::hash(installer, QCryptographicHash::Sha256).toHex().toUpper();
    const auto withDigest = UpdateManifest::parse(manifest("1.7", "<SHA256>" + good + "</SHA256>"));
    EXPECT_TRUE(withDigest->digestMatches(installer));
    EXPECT_FALSE(withDigest->digestMatches(installer + "tampered"));
    EXPECT_TRUE(UpdateManifest::parse(manifest("1.7"))->digestMatches("anything"));
}

// The package's address and digest on the way to the user's folder: LiveUpdate's system-wide case.
TEST(UpdateManifest, ASystemWideInstallationIsOfferedThePackageOrNothingToDownload) {
    const auto m = UpdateManifest::parse(manifest("1.7", "<Package>http://h/quenra_1.7_amd64.deb</Package>"));
    EXPECT_EQ(m->packageOffer().download, "http://h/quenra_1.7_amd64.deb");
    EXPECT_EQ(m->packageOffer().url, "http://h/dl.htm");
    EXPECT_EQ(m->download, "http://h/setup.exe");
    EXPECT_TRUE(UpdateManifest::parse(manifest("1.7"))->packageOffer().download.isEmpty());
}
