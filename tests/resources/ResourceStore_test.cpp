#include "base/Cp936.h"
#include "resources/ProgramVersion.h"
#include "platform/res/ResourceStore.h"
#include <QFile>
#include <gtest/gtest.h>

TEST(ResourceStore, FindsANameWhateverItsCaseAndPath) {
    const ResourceStore store;
    for (const char* reference : {"LOGO.PNG", "logo.png", "Logo.Png", "./logo.png", "/logo.png", "images/old/logo.png",
                                  "res:///opt/quenra/Zavez_ZEP.exe/logo.png", "C:\\Quenra\\Zavez_ZEP.exe\\logo.png",
                                  "logo.png?v=2", "logo.png#top"}) {
        const auto found = store.find(QString::fromUtf8(reference));
        ASSERT_TRUE(found) << reference;
        EXPECT_EQ(found->name, QStringLiteral("LOGO.PNG")) << reference;
    }
    EXPECT_FALSE(store.find(QStringLiteral("missing.png")));
    EXPECT_FALSE(store.find(QString()));
    EXPECT_FALSE(store.find(QStringLiteral("logo.png/")));
    EXPECT_FALSE(store.find(QStringLiteral("logo")));
}

TEST(ResourceStore, HoldsEveryFileThePagesAreBuiltFrom) {
    const QStringList names = ResourceStore().names();
    for (const char* name :
         {"RUZEZARO.HTM", "IPOPUP.HTM", "PUBLIC.CSS", "LOGO.PNG", "2X.PNG", "CONTROL.PNG", "WARN.GIF", "LDATA.GIF",
          "CALENDAR_BG.GIF", "HEADER_LINE.PNG", "TRIANGLE.PNG", "SUBMIT_BUTTON.PNG", "ARROW-L.GIF", "ARROW-R.GIF",
          "BT01_NORMAL.GIF", "BXX.PNG", "POPUP_CAPTION.GIF", "POPCC.JPG"}) {
        EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;
    }
}

TEST(ResourceStore, ServesEachFileWithItsTypeAndCharset) {
    const ResourceStore store;
    const std::pair<const char*, const char*> expected[] = {
        {"ruzezaro.htm", "text/html;charset=gb2312"},
        {"iPopup.htm", "text/html;charset=utf-8"},
        {"public.css", "text/css;charset=gb2312"},
        {"2x.png", "image/png"},
        {"warn.gif", "image/gif"},
        {"popcc.jpg", "image/jpeg"},
    };
    for (const auto& [name, type] : expected) {
        const auto found = store.find(QString::fromLatin1(name));
        ASSERT_TRUE(found) << name;
        EXPECT_EQ(found->contentType(), QByteArray(type)) << name;
    }
}

TEST(ResourceStore, DecodesTheMainPageFromGb2312AndThePopupWithoutItsMark) {
    const ResourceStore store;
    const PageResource main = *store.find(QStringLiteral("ruzezaro.htm"));
    EXPECT_TRUE(main.data.contains(cp936::encode(QStringLiteral("资讯汇总"))));
    EXPECT_TRUE(main.text().contains(QStringLiteral("<meta charset=\"gb2312\">")));
    EXPECT_TRUE(main.text().contains(QStringLiteral("资讯汇总")));
    EXPECT_FALSE(main.text().contains(QChar(0xFFFD)));

    const PageResource popup = *store.find(QStringLiteral("ipopup.htm"));
    EXPECT_TRUE(popup.data.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(popup.text().startsWith(QStringLiteral("<!DOCTYPE html>")));
    EXPECT_TRUE(popup.text().contains(QStringLiteral("Quenra极速版速递")));

    const PageResource css = *store.find(QStringLiteral("PUBLIC.CSS"));
    EXPECT_TRUE(css.text().startsWith(QStringLiteral("@charset \"gb2312\";")));
    EXPECT_TRUE(store.find(QStringLiteral("logo.png"))->text().isEmpty());
}

TEST(ResourceStore, CarriesTheApplicationIconInTenSizes) {
    const QStringList icons = ResourceStore::applicationIconFiles();
    ASSERT_EQ(icons.size(), 10);
    EXPECT_TRUE(icons.first().endsWith(QStringLiteral("_16.png")));
    EXPECT_TRUE(icons.last().endsWith(QStringLiteral("_256.png")));
    for (const QString& icon : icons) EXPECT_TRUE(QFile::exists(icon)) << icon.toStdString();
}

TEST(ProgramVersion, ReadsAsTheProgramAndItsFileRecordWriteIt) {
    EXPECT_STREQ(zepversion::kVersionText, "1.6.1111");
    EXPECT_STREQ(zepversion::kFileVersion, "1.06.1111");
}
