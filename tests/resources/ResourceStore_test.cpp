#include "base/Cp936.h"
#include "platform/res/ResourceStore.h"
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

TEST(ResourceStore, DecodesTheMainPageFromGb2312AndThePopupWithoutItsMark) {
    const ResourceStore store;
    const PageResource main = *store.find(QStringLiteral("ruzezaro.htm"));
    EXPECT_TRUE(main.data.contains(cp936::encode(QStringLiteral("资讯汇总"))));
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
