#include "wire/PasswordScramble.h"
#include "wire/RememberFile.h"
#include "base/Cp936.h"
#include <gtest/gtest.h>

using namespace push;

TEST(RememberFile, LineBytesWithScrambledPasswordAndTheirReading) {
    const QByteArray line = RememberFile::build({1, "demo@quenra.test", "abc XYZ", QStringLiteral("老王")});
    EXPECT_EQ(line, QByteArray("1,1,demo@quenra.test,234 )*+,") + cp936::encode(QStringLiteral("老王")));
    const auto back = RememberFile::parse(line);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->account, QStringLiteral("demo@quenra.test"));
    EXPECT_EQ(back->password, QStringLiteral("abc XYZ"));
    EXPECT_EQ(back->nickname, QStringLiteral("老王"));
    // Read: trimmed, split at commas, only with the flag 1.
    const auto r = RememberFile::parse("  1,1,user,234  ");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->account, QStringLiteral("user"));
    EXPECT_EQ(r->password, QStringLiteral("abc"));
    EXPECT_EQ(r->nickname, QString());
    EXPECT_TRUE(RememberFile::parse("1"));
    EXPECT_FALSE(RememberFile::parse("0,1,user,234,n"));
    EXPECT_FALSE(RememberFile::parse("2,1,user,234,n"));
    EXPECT_FALSE(RememberFile::parse(""));
    EXPECT_FALSE(RememberFile::parse(QByteArray("\xFF\xFE,", 3)));
    // Unescaped commas shift the fields, as the format has always done.
    EXPECT_EQ(RememberFile::parse("1,1,a,b,c,d")->nickname, QStringLiteral("c"));
}

TEST(RememberFile, ScramblingRule) {
    // 33..79 and 80..126 swap by 47; others stay; "?" is an ordinary character.
    EXPECT_EQ(PasswordScramble::scramble("!O P~?\t"), QByteArray("P~ !On\t"));
    // "中" (D6 D0, signed -10544) moves five down; a character at or above -6000 stays.
    EXPECT_EQ(PasswordScramble::scramble(QStringLiteral("中")), QByteArray("\xD6\xCB"));
    EXPECT_EQ(PasswordScramble::scramble(QStringLiteral("齄")), QByteArray("\xF7\xFE"));
    // A scrambled trail byte below 0x40 is no longer valid code page 936: done on bytes, so
    // that the round trip (the remember file fuzz target) still holds.
    const QString edge = cp936::decode(QByteArray("\x81\x40", 2));
    EXPECT_EQ(PasswordScramble::scramble(edge), QByteArray("\x81\x3B", 2));
}
