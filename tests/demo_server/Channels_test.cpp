#include "ControlConsole.h"
#include "Loopback.h"
#include "wire/CalendarDayRecord.h"
#include "wire/ClientIdRecord.h"
#include "wire/FeedbackRecord.h"
#include "wire/HeartbeatAnswerRecord.h"
#include "wire/IdentityReportRecord.h"
#include "wire/LoginReplyRecord.h"
#include "wire/LoginRequestRecord.h"
#include "wire/MessageId.h"
#include "wire/NewsFlashRecord.h"
#include "wire/NewsTime.h"
#include "wire/QuoteBatchRecord.h"
#include "wire/QuoteText.h"
#include <QNetworkAccessManager>
#include <gtest/gtest.h>

using demotest::PushTestClient;
using demotest::TestServer;

// Both UDP channels on one server: the login reply per account, the identity per client.
TEST(UdpChannels, LoginRepliesPerAccountAndIdentityAssignsIdsToNewClientsOnly) {
    TestServer t;
    ASSERT_TRUE(t.start()) << t.error.toStdString();
    struct Case {
        const char* account;
        const char* password;
        char result;
        const char* nickname;
        char flag;
    };
    const Case cases[] = {
        {"demo@quenra.test", "demo123", '1', "金市老王", '1'}, {"13800138000", "demo123", '1', "汇海行舟", '0'},
        {"demo@quenra.test", "demo124", '2', "", 0},           {"inactive@quenra.test", "demo123", '3', "", 0},
        {"nobody@quenra.test", "demo123", '4', "", 0},         {"Demo@Quenra.TEST", "demo123", '1', "金市老王", '1'},
        {"demo@quenra.test", "Demo123", '2', "", 0}, // the address ignores case, the password does not
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.account) + " " + c.password);
        const auto datagram =
            demotest::exchange(t.server->loginPort(), push::LoginRequestRecord{c.account, c.password, 30001}.build());
        const auto reply = datagram ? push::LoginReplyRecord::parse(*datagram) : std::nullopt;
        ASSERT_TRUE(reply);
        EXPECT_TRUE(reply->isLoginReply());
        EXPECT_EQ(reply->result, uint8_t(c.result));
        EXPECT_EQ(reply->nickname, QString::fromUtf8(c.nickname));
        EXPECT_EQ(reply->accountFlag, uint8_t(c.flag));
    }
    EXPECT_TRUE(t.logged("login: 13800138000 (client id 30001)"));
    EXPECT_FALSE(t.logged("accounts: skipped")) << "the shipped file loads whole";

    auto ask = [&t](qint32 clientId) {
        const auto datagram = demotest::exchange(
            t.server->identityPort(), push::IdentityReportRecord{clientId, "00-1A-2B-3C-4D-5E\r", "1.6.1111"}.build());
        return datagram ? push::ClientIdRecord::parse(*datagram) : std::nullopt;
    };
    const auto first = ask(0), second = ask(0), known = ask(4242);
    ASSERT_TRUE(first && second && known);
    EXPECT_TRUE(first->isAssignment() && first->store);
    EXPECT_GT(first->clientId, 0);
    EXPECT_NE(second->clientId, first->clientId);
    EXPECT_EQ(known->clientId, 4242);
    EXPECT_TRUE(t.logged("version 1.6.1111, client id 0, adapters [00-1A-2B-3C-4D-5E]"));
}

// Two clients logged on: one fresh, one coming back with the news it has. What each gets at
// logon, then from publishing and from released results; a wrong password is hung up on.
TEST(PushChannel, LogonBringsTheWeekNewsAndQuotesThenPublishingAndResultsReachEveryClient) {
    TestServer t;
    ASSERT_TRUE(t.start()) << t.error.toStdString();
    const qint32 newest = t.server->news().after(0, 1).first().id;
    PushTestClient fresh(t.server->pushPort()), returning(t.server->pushPort());
    fresh.logOn("demo@quenra.test", "demo123");
    returning.logOn("13800138000", "demo123", newest - 2);
    ASSERT_TRUE(fresh.waitFor(push::QuoteBatch) && returning.waitFor(push::QuoteBatch));
    EXPECT_TRUE(t.logged("account demo@quenra.test, highest news id 0"));
    EXPECT_EQ(returning.count(push::NewsFlash), 2);

    // The week: Monday to Friday, each day whole through its record (the generator's tests
    // check that the client takes every event of those texts).
    const QList<QByteArray> days = fresh.recordsOf(push::CalendarDay);
    ASSERT_EQ(days.size(), 5);
    for (int d = 0; d < 5; ++d) {
        const auto day = push::CalendarDayRecord::parse(days[d]);
        ASSERT_TRUE(day);
        EXPECT_EQ(day->dayCode, '1' + d);
        EXPECT_EQ(day->records, t.server->calendar().recordsText(d + 1));
        EXPECT_EQ(day->summary, t.server->calendar().summaryText(d + 1));
    }
    // The news on hand, oldest first, with times the client can show.
    const QList<QByteArray> news = fresh.recordsOf(push::NewsFlash);
    ASSERT_FALSE(news.isEmpty());
    qint32 previous = 0;
    for (const QByteArray& bytes : news) {
        const auto flash = push::NewsFlashRecord::parse(bytes);
        ASSERT_TRUE(flash);
        EXPECT_GT(flash->newsId, previous);
        previous = flash->newsId;
        EXPECT_TRUE(push::NewsTime::display(flash->time).has_value()) << flash->time.toStdString();
        EXPECT_EQ(flash->detailFlag == '1', t.server->news().find(flash->newsId)->hasPage);
    }
    const auto quotes = push::QuoteBatchRecord::parse(fresh.recordsOf(push::QuoteBatch).first());
    ASSERT_TRUE(quotes);
    EXPECT_EQ(push::QuoteText::parse(quotes->text).size(), 12);

    t.server->publishNews();
    t.server->publishQuotes();
    ASSERT_TRUE(fresh.waitFor(push::NewsFlash, int(news.size()) + 1) && returning.waitFor(push::NewsFlash, 3));
    EXPECT_EQ(push::NewsFlashRecord::parse(returning.recordsOf(push::NewsFlash).last())->newsId, newest + 1);
    EXPECT_TRUE(fresh.waitFor(push::QuoteBatch, 2));

    // A released result sends its day again.
    auto pending = [](const QByteArray& r) { return push::CalendarDayRecord::parse(r)->records.count("待公布"); };
    t.clock.pin(QDateTime(QDate(2026, 12, 9), QTime(10, 9))); // past the results of the first two releases
    t.server->releaseResults();
    ASSERT_TRUE(fresh.waitFor(push::CalendarDay, 6) && returning.waitFor(push::CalendarDay, 6));
    const QByteArray resent = fresh.recordsOf(push::CalendarDay).last();
    EXPECT_EQ(push::CalendarDayRecord::parse(resent)->dayCode, '3'); // Wednesday only
    EXPECT_EQ(pending(resent), pending(days[2]) - 2);
    EXPECT_TRUE(t.logged("calendar: new results, sending day(s) 3 again"));

    PushTestClient refused(t.server->pushPort());
    refused.logOn("demo@quenra.test", "guess");
    EXPECT_TRUE(refused.waitClosed());
    EXPECT_TRUE(refused.records.isEmpty());
    EXPECT_TRUE(t.logged("account demo@quenra.test, highest news id 0 - refused"));
}

// Records from clients: a heartbeat answer and a feedback sent in one write are cut apart
// and logged. A kick, from the web or the console, reaches only the named account.
TEST(PushChannel, ClientRecordsAreLoggedAndAKickSendsLoggedInElsewhereToTheNamedAccountOnly) {
    TestServer t;
    t.options.heartbeatMs = 20;
    ASSERT_TRUE(t.start()) << t.error.toStdString();
    PushTestClient demo(t.server->pushPort()), phone(t.server->pushPort());
    demo.logOn("demo@quenra.test", "demo123");
    phone.logOn("13800138000", "demo123");
    ASSERT_TRUE(demo.waitFor(push::QuoteBatch) && phone.waitFor(push::QuoteBatch));
    ASSERT_TRUE(demo.waitFor(push::Heartbeat));
    demo.send(push::HeartbeatAnswerRecord{200123}.build() +
              push::FeedbackRecord{"demo@quenra.test", "希望增加原油报价\r\n谢谢"}.build());
    EXPECT_TRUE(waitUntil([&] { return t.logged("heartbeat answer from demo@quenra.test: highest news id 200123"); }));
    EXPECT_TRUE(waitUntil([&] {
        return t.logged("feedback from demo@quenra.test (session demo@quenra.test): 希望增加原油报价\\n谢谢");
    }));

    QNetworkAccessManager http;
    const auto reply = demotest::get(http, t.url("/control/kick?account=demo@quenra.test"));
    EXPECT_EQ(reply.body, "kicked 1 session(s)\n");
    ASSERT_TRUE(demo.waitFor(push::LoggedInElsewhere));
    EXPECT_TRUE(demo.waitClosed());
    EXPECT_EQ(phone.count(push::LoggedInElsewhere), 0);

    // The console command does the same.
    ControlConsole console(*t.server, t.log, [] {});
    EXPECT_FALSE(console.run("frobnicate"));
    EXPECT_TRUE(console.run("kick 13800138000"));
    ASSERT_TRUE(phone.waitFor(push::LoggedInElsewhere));
    EXPECT_TRUE(phone.waitClosed());
    EXPECT_EQ(t.server->kick(QString()), 0);
}
