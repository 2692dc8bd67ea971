#include "base/Cp936.h"
#include <gtest/gtest.h>

TEST(Cp936, RoundTripsChineseAndAscii) {
    const QString text = QStringLiteral("非农就业 Nonfarm 1.3456 [短讯]");
    const QByteArray bytes = cp936::encode(text);
    EXPECT_EQ(bytes.size(), 2 * 6 + 18);
    EXPECT_EQ(cp936::decode(bytes), text);
    EXPECT_EQ(cp936::encodeChar(U'中'), QByteArray("\xD6\xD0"));
}

TEST(Cp936, MalformedBytesNeverFail) {
    const QByteArray broken("ab\xD6", 3); // a lead byte without its trail byte
    EXPECT_EQ(cp936::decode(broken), QStringLiteral("ab\uFFFD"));
    EXPECT_EQ(cp936::decode(QByteArray("\xFF\xFF\x41", 3)).right(1), QStringLiteral("A"));
    EXPECT_EQ(cp936::encodeChar(U'😀'), QByteArray("?"));
}
