#include "base/VbText.h"
#include <gtest/gtest.h>

TEST(VbText, ValReadsTheLeadingNumber) {
    EXPECT_EQ(vb::Val("5m"), 5);
    EXPECT_EQ(vb::Val(" -3.5x"), -3.5);
    EXPECT_EQ(vb::Val("abc"), 0);
    EXPECT_EQ(vb::Val(""), 0);
    EXPECT_EQ(vb::Val("1.2.3"), 1.2);
    EXPECT_EQ(vb::Val("+7"), 7);
    EXPECT_EQ(vb::Val("-"), 0);
    EXPECT_EQ(vb::Val(".5"), 0.5);
}

TEST(VbText, RoundingTakesHalvesToEven) {
    EXPECT_EQ(vb::CInt(2.5), 2);
    EXPECT_EQ(vb::CInt(3.5), 4);
    EXPECT_EQ(vb::CInt(-2.5), -2);
    EXPECT_EQ(vb::CInt(2.51), 3);
    EXPECT_EQ(vb::CInt(1e9), 32767);
    EXPECT_EQ(vb::CLng(0.5), 0);
    EXPECT_EQ(vb::CLng(1.5), 2);
    EXPECT_EQ(vb::CLng(-1e20), INT32_MIN);
}

TEST(VbText, StayTimeReadersDifferOnWhereTheMStands) {
    EXPECT_EQ(vb::PopupStaySeconds("1m"), 60);
    EXPECT_EQ(vb::PopupStaySeconds("1m5"), 1);
    EXPECT_EQ(vb::PopupStaySeconds(""), 0);
    EXPECT_EQ(vb::PopupStaySeconds("10s"), 10);
    EXPECT_EQ(vb::CalendarStaySeconds("2m"), 120);
    EXPECT_EQ(vb::CalendarStaySeconds("2"), 2);
    EXPECT_EQ(vb::CalendarStaySeconds("m"), 0);
    EXPECT_EQ(vb::CalendarStaySeconds("1m5"), 60);
}

TEST(VbText, PositionsAreOneBasedAndCountCharacters) {
    const QString s = QStringLiteral("资讯ab资");
    EXPECT_EQ(vb::Len(s), 5);
    EXPECT_EQ(vb::Mid(s, 2, 2), QStringLiteral("讯a"));
    EXPECT_EQ(vb::Mid(s, 4), QStringLiteral("b资"));
    EXPECT_EQ(vb::Mid(s, 9), QString());
    EXPECT_EQ(vb::InStr(s, "b"), 4);
    EXPECT_EQ(vb::InStr(s, "资", 2), 5);
    EXPECT_EQ(vb::InStr(s, "z"), 0);
    EXPECT_EQ(vb::InStrNoCase("HTTP://x", "http"), 1);
    EXPECT_EQ(vb::Left(s, 2), QStringLiteral("资讯"));
    EXPECT_EQ(vb::Right(s, 1), QStringLiteral("资"));
    EXPECT_EQ(vb::Trim("  a b \t "), QStringLiteral("a b \t"));
}
