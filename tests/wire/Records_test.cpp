#include "session/AdapterList.h"
#include "wire/CalendarDayRecord.h"
#include "wire/ClientIdRecord.h"
#include "wire/ControlRecord.h"
#include "wire/FeedbackRecord.h"
#include "wire/HeartbeatAnswerRecord.h"
#include "wire/IdentityReportRecord.h"
#include "wire/LoginReplyRecord.h"
#include "wire/LoginRequestRecord.h"
#include "wire/NewsFlashRecord.h"
#include "wire/PushLogonRecord.h"
#include "wire/QuoteBatchRecord.h"
#include <gtest/gtest.h>

using namespace push;

namespace {
QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values) b.append(static_cast<char>(v));
    return b;
}

// A record written by hand: zero bytes of that length, then each field's bytes at its
// offset (the id's two bytes among them).
QByteArray handWritten(int length, std::initializer_list<std::pair<int, QByteArray>> fields) {
    QByteArray r(length, '\0');
    for (const auto& [offset, field] : fields) r.replace(offset, field.size(), field);
    return r;
}
} // namespace

// The layouts as the servers write them, byte by byte: a field read from a shifted offset
// would fail here even when builder and reader agree with each other.
TEST(Records, ServerRecordsAreReadAtTheirOffsets) {
    const auto news = NewsFlashRecord::parse(handWritten(200, {{0, bytes({0xF6, 0x03})},
                                                               {2, "019"},
                                                               {5, "Gold up\nagain"},
                                                               {106, bytes({0x78, 0x56, 0x34, 0x12})},
                                                               {110, "2026-12-06 10:15:30"},
                                                               {135, "1"},
                                                               {136, "not read"}}));
    ASSERT_TRUE(news);
    EXPECT_EQ(news->flags, QStringLiteral("019"));
    EXPECT_EQ(news->text, QStringLiteral("Gold upagain"));
    EXPECT_EQ(news->newsId, 0x12345678);
    EXPECT_EQ(news->time, QStringLiteral("2026-12-06 10:15:30"));
    EXPECT_EQ(news->detailFlag, '1');

    const auto reply = LoginReplyRecord::parse(
        handWritten(55, {{0, bytes({0xF7, 0x03})}, {2, "1"}, {3, "nick"}, {53, "x"}, {54, bytes({0x2A})}}));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->result, LoginReplyRecord::Success);
    EXPECT_EQ(reply->nickname, QStringLiteral("nick"));
    EXPECT_EQ(reply->accountFlag, 0x2A);

    const auto assignment =
        ClientIdRecord::parse(handWritten(7, {{0, bytes({0xE9, 0x03, 0x39, 0x30, 0, 0})}, {6, "1"}}));
    ASSERT_TRUE(assignment);
    EXPECT_EQ(assignment->clientId, 12345);
    EXPECT_TRUE(assignment->store);
    EXPECT_FALSE(ClientIdRecord::parse(handWritten(7, {{0, bytes({0xE9, 0x03, 1, 0, 0, 0})}, {6, "0"}}))->store);
    // Six bytes: no status byte, nothing to store; five bytes: ignored.
    const auto six = ClientIdRecord::parse(bytes({0xE9, 0x03, 1, 0, 0, 0}));
    ASSERT_TRUE(six);
    EXPECT_EQ(six->clientId, 1);
    EXPECT_FALSE(six->store);
    EXPECT_FALSE(ClientIdRecord::parse(bytes({0xE9, 0x03, 1, 0, 0})));

    const auto quotes = QuoteBatchRecord::parse(handWritten(512, {{0, bytes({0xFC, 0x03})}, {2, "EURUSD#1.1#1.2#4|"}}));
    ASSERT_TRUE(quotes);
    EXPECT_EQ(quotes->text, QStringLiteral("EURUSD#1.1#1.2#4|"));
}

TEST(Records, ClientRecordsPutTheirFieldsAtTheirOffsets) {
    const QByteArray feedback = FeedbackRecord{"a@b.c", "slow quotes"}.build();
    EXPECT_EQ(feedback, handWritten(1052, {{0, bytes({0xFE, 0x03})}, {2, "a@b.c"}, {52, "slow quotes"}}));
    const auto read = FeedbackRecord::parse(handWritten(1052, {{0, bytes({0xFE, 0x03})}, {2, "me"}, {52, "hi"}}));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->account, QStringLiteral("me"));
    EXPECT_EQ(read->text, QStringLiteral("hi"));

    const QByteArray request = LoginRequestRecord{"13800138000", "pw", 0x0A0B0C0D}.build();
    EXPECT_EQ(
        request,
        handWritten(
            107, {{0, bytes({0xF7, 0x03})}, {2, "13800138000"}, {52, "pw"}, {102, bytes({0x0D, 0x0C, 0x0B, 0x0A})}}));

    EXPECT_EQ(PushLogonRecord({"demo@quenra.test", "demo123", 0x01020304}).build(),
              handWritten(106, {{0, bytes({0xF8, 0x03})},
                                {2, "demo@quenra.test"},
                                {52, "demo123"},
                                {102, bytes({0x04, 0x03, 0x02, 0x01})}}));

    const QString adapters = QStringLiteral("00-1A-2B-3C-4D-5E\r");
    EXPECT_EQ(IdentityReportRecord({0, adapters, "1.6.1111"}).build(),
              handWritten(606, {{0, bytes({0xF8, 0x03})}, {6, adapters.toLatin1()}, {506, "1.6.1111"}}));

    EXPECT_EQ(HeartbeatAnswerRecord{-2}.build(), bytes({0xFD, 0x03, 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(ControlRecord::heartbeatProbe(), bytes({0xFD, 0x03}));
    EXPECT_EQ(ControlRecord::loggedInElsewhere(), bytes({0xF9, 0x03}));
}

TEST(Records, LoginRequestCarriesAFiftyBytePasswordWhole) {
    const QString password(50, u'k');
    const QByteArray request = LoginRequestRecord{"13800138000", password, 77}.build();
    EXPECT_EQ(request.mid(52, 50), QByteArray(50, 'k'));
    const auto back = LoginRequestRecord::parse(request);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->password, password);
    EXPECT_EQ(back->clientId, 77);
    EXPECT_EQ(LoginRequestRecord::parse(LoginRequestRecord{"a", password + "zz", 0}.build())->password, password);
}

// PCI, USB and type 71 adapters as the identity report takes them: the session's tests.
TEST(Records, AdapterListTakesWirelessByItsNameAndNeedsAnAddress) {
    const QByteArray mac = bytes({0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E});
    EXPECT_EQ(AdapterList::format({{"PCI", 6, mac}, {"Wireless LAN", 6, bytes({1, 2, 3, 4, 5, 0xAB})}}),
              QStringLiteral("00-1A-2B-3C-4D-5E\r\n01-02-03-04-05-AB\r"));
    // An address-less adapter does not eat the previous address's line end.
    EXPECT_EQ(AdapterList::format({{"PCI", 6, mac}, {"x", 144, {}}}), QStringLiteral("00-1A-2B-3C-4D-5E\r"));
    EXPECT_EQ(AdapterList::format({{"PCI", 6, bytes({1, 2})}}), QString()); // shorter than 17
}

// Short and foreign datagrams still give the nickname bytes that are there.
TEST(Records, LoginReplyFromAnyDatagramOfThreeBytes) {
    EXPECT_FALSE(LoginReplyRecord::parse(bytes({0xF7, 0x03})));
    const auto shortReply = LoginReplyRecord::parse(bytes({0xF7, 0x03, '2', 0xC0, 0xCF, 0xCD, 0xF5}));
    ASSERT_TRUE(shortReply);
    EXPECT_EQ(shortReply->nickname, QStringLiteral("老王"));
    EXPECT_FALSE(shortReply->accountFlag);
    const auto other = LoginReplyRecord::parse(bytes({0x01, 0x02}) + "1nick");
    ASSERT_TRUE(other);
    EXPECT_FALSE(other->isLoginReply());
    EXPECT_EQ(other->nickname, QStringLiteral("nick"));
}

// Whole records go both ways in the decoder's, the cutter's and the demo server's tests.
TEST(Records, ShortOrForeignBytesAreRefusedAndFeedbackCutToItsField) {
    const QByteArray news = NewsFlashRecord{"001", QStringLiteral("非农"), 42, "2026-12-06 10:15:30", '1'}.build();
    ASSERT_EQ(news.size(), 200);
    EXPECT_FALSE(NewsFlashRecord::parse(news.left(199)));
    EXPECT_FALSE(QuoteBatchRecord::parse(news));
    const auto f = FeedbackRecord::parse(FeedbackRecord{"a@b.c", QString(600, QChar(u'好'))}.build());
    ASSERT_TRUE(f);
    EXPECT_EQ(f->text, QString(500, QChar(u'好'))); // cut to the 1000-byte field
}

TEST(Records, CalendarReaderDropsTheServersTrailingCharacters) {
    QByteArray raw = CalendarDayRecord{'1', "", ""}.build();
    raw.replace(3, 6, QByteArray("ab|cd\0", 6));
    raw.replace(5124, 4, QByteArray("x#y\0", 4));
    const auto d = CalendarDayRecord::parse(raw);
    EXPECT_EQ(d->records, QStringLiteral("ab|"));
    EXPECT_EQ(d->summary, QStringLiteral("x#"));
    raw.replace(3, 3, QByteArray("ab\0", 3));
    raw.replace(5124, 2, QByteArray("x\0", 2));
    EXPECT_EQ(CalendarDayRecord::parse(raw)->records, QStringLiteral("ab"));
    EXPECT_EQ(CalendarDayRecord::parse(raw)->summary, QStringLiteral("x"));
}
