#include "TestFiles.h"
#include "ImageHeader.h"
#include "platform/res/ResourceStore.h"
#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString kGenerated = QStringLiteral(ZEP_BINARY_DIR "/resources/generated");

QByteArray installedFile(const QString& path) { return readFile(kGenerated + QLatin1Char('/') + path); }

QByteArray embedded(const char* name) {
    const auto found = ResourceStore().find(QString::fromLatin1(name));
    return found ? found->data : QByteArray();
}

} // namespace

TEST(PageImages, HaveTheSizesThePagesLayOutFor) {
    EXPECT_EQ(imageheader::size(embedded("2X.PNG")), QSize(150, 36));
    EXPECT_EQ(imageheader::size(embedded("CONTROL.PNG")), QSize(150, 36));
    EXPECT_EQ(imageheader::size(embedded("BT01_NORMAL.GIF")), QSize(31, 19));
    EXPECT_NE(embedded("2X.PNG"), embedded("CONTROL.PNG"));
    // The logo's cell is 124 px wide in a 48 px row; the popup box is 280 px wide.
    const QSize logo = imageheader::size(embedded("LOGO.PNG"));
    EXPECT_LE(logo.width(), 124);
    EXPECT_LE(logo.height(), 48);
    EXPECT_LE(imageheader::size(embedded("POPUP_CAPTION.GIF")).width(), 280);
    EXPECT_EQ(imageheader::size(embedded("BXX.PNG")).height(), 25);
}

TEST(PageImages, AreTheKindTheirNamesSay) {
    const ResourceStore store;
    for (const QString& name : store.names()) {
        const PageResource r = *store.find(name);
        if (!r.mimeType.startsWith("image/")) continue;
        EXPECT_EQ("image/" + imageheader::kind(r.data), r.mimeType) << name.toStdString();
    }
}

TEST(DialogImages, AreInstalledAsNormalAndHighlightedPairs) {
    const std::pair<const char*, const char*> pairs[] = {
        {"load1.gif", "load2.gif"},
        {"close_button1.gif", "close_button2.gif"},
        {"newsgather1.gif", "newsgather2.gif"},
        {"financalender1.gif", "financalender2.gif"},
        {"quotcenter1.gif", "quotcenter2.gif"},
        {"sound.gif", "sound1.gif"},
        {"setok1.gif", "setok.gif"},
        {"setcancel.gif", "setcancel1.gif"},
        {"setapply.gif", "setapply1.gif"},
        {"about1.gif", "about2.gif"},
        {"ideaback1.gif", "ideaback2.gif"},
        {"submit1.gif", "submit2.gif"},
        {"fun_introduce1.gif", "fun_introduce2.gif"},
        {"back1.gif", "back.gif"},
    };
    for (const auto& [normal, hover] : pairs) {
        const QByteArray a = installedFile(QStringLiteral("image/") + QLatin1String(normal));
        const QByteArray b = installedFile(QStringLiteral("image/") + QLatin1String(hover));
        EXPECT_EQ(imageheader::kind(a), "gif") << normal;
        EXPECT_EQ(imageheader::kind(b), "gif") << hover;
        EXPECT_EQ(imageheader::size(a), imageheader::size(b)) << normal;
        EXPECT_NE(a, b) << normal << " looks the same as " << hover;
    }
}

TEST(Icons, ComeInTenNamedSizesAndOneForTheDesktopEntry) {
    const QStringList icons = ResourceStore::applicationIconFiles();
    ASSERT_EQ(icons.size(), 10);
    for (const QString& icon : icons) {
        const int size = icon.section(QLatin1Char('_'), -1).section(QLatin1Char('.'), 0, 0).toInt();
        EXPECT_EQ(imageheader::size(readFile(icon)), QSize(size, size)) << icon.toStdString();
    }
    // The desktop entry takes the largest file of icons/.
    const QFileInfoList installed =
        QDir(kGenerated + QStringLiteral("/icons")).entryInfoList({QStringLiteral("*.png")}, QDir::Files, QDir::Size);
    ASSERT_FALSE(installed.isEmpty());
    EXPECT_EQ(installed.first().fileName(), QStringLiteral("Zavez_ZEP.png"));
    EXPECT_EQ(imageheader::size(installedFile(QStringLiteral("icons/Zavez_ZEP.png"))), QSize(512, 512));
}
