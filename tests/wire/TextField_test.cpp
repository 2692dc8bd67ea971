#include "wire/TextField.h"
#include "base/Cp936.h"
#include <gtest/gtest.h>

using push::TextField::decode;
using push::TextField::encode;

TEST(TextField, FillsCutsAndPadsByBytesReadsUpToTheFirstZero) {
    const QString fifty(50, u'x');
    EXPECT_EQ(encode(fifty, 50), QByteArray(50, 'x'));        // full: no terminator
    EXPECT_EQ(encode(fifty + u'y', 50), QByteArray(50, 'x')); // 51 bytes: cut
    EXPECT_EQ(encode(QStringLiteral("ab"), 4), QByteArray("ab\0\0", 4));
    EXPECT_EQ(encode(QString(), 3), QByteArray(3, '\0'));
    // Mixed widths: "中" is two bytes, so "a中b" needs four.
    EXPECT_EQ(encode(QStringLiteral("a中b"), 4), QByteArray("a\xD6\xD0"
                                                            "b"));
    // Read up to the first zero byte.
    EXPECT_EQ(decode(QByteArray("ab\0cd", 5)), QStringLiteral("ab"));
    EXPECT_EQ(decode(QByteArray("\0ab", 3)), QString());
    EXPECT_EQ(decode(QByteArrayView()), QString());
    const QString chinese = QStringLiteral("美联储维持利率不变 EUR/USD");
    EXPECT_EQ(decode(encode(chinese, 60)), chinese);
    // The ASCII shortcut and the converter agree.
    QByteArray all;
    for (int b = 1; b < 128; ++b) all.append(static_cast<char>(b));
    EXPECT_EQ(decode(all), cp936::decode(all));
}

TEST(TextField, KeepsALeadByteThatAloneStillFits) {
    // 49 ASCII bytes, then a double-byte character: only its lead byte fits.
    const QByteArray field = encode(QString(49, u'p') + QStringLiteral("中"), 50);
    ASSERT_EQ(field.size(), 50);
    EXPECT_EQ(static_cast<uint8_t>(field[49]), 0xD6);
    // Read back, the lone lead byte is an undecodable byte, never a crash or an overrun.
    EXPECT_EQ(decode(field), QString(49, u'p') + QChar(0xFFFD));
}
