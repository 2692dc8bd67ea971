#include "TestFiles.h"
#include "AccountBook.h"
#include "ClientRecordCutter.h"
#include "DemoOptions.h"
#include "wire/FeedbackRecord.h"
#include "wire/HeartbeatAnswerRecord.h"
#include "wire/PushLogonRecord.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The shipped accounts, their reply codes and the case rules are checked over the login channel.
TEST(AccountBook, SkipsMalformedLinesAndReportsAMissingFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("accounts.txt");
    ASSERT_TRUE(writeFile(file, "# comment\n\n"
                                "a@b.test | pw | 甲 | 1 | active\n"
                                "too | few | fields\n"
                                "c@d.test | pw | 乙 | 12 | active\n" // flag must be one character
                                "e@f.test | pw | 丙 | 0 | sleeping\n"));
    AccountBook book;
    QString error;
    ASSERT_TRUE(book.load(file, &error));
    EXPECT_EQ(book.all().size(), 1);
    EXPECT_EQ(book.skippedLines(), 3);
    EXPECT_EQ(book.find("a@b.test")->flag, '1');
    EXPECT_FALSE(AccountBook().load(dir.filePath("missing.txt"), &error));
    EXPECT_TRUE(error.contains("missing.txt"));
}

// Without options: the vendor's ports on loopback, no faults.
TEST(DemoOptions, HasTheVendorDefaultsReadsEveryOptionAndRefusesBadValues) {
    QString message;
    bool help = false;
    const auto parse = [&](const QString& line) {
        return DemoOptions::parse(line.split(u' '), "/opt/x/demo-data", &message, &help);
    };
    const auto plain = parse("server");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->bind, QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(plain->loginPort, 12346);
    EXPECT_EQ(plain->identityPort, 12355);
    EXPECT_EQ(plain->pushPort, 8000);
    EXPECT_EQ(plain->httpPort, 8080);
    EXPECT_EQ(plain->dataDir, "/opt/x/demo-data");
    EXPECT_FALSE(plain->faults.any());

    // A rate sets its interval.
    const auto o = parse("server --bind 0.0.0.0 --push-port 0 --http-port 9090 --news-interval-ms 250 "
                         "--quotes-per-second 5 --heartbeat-ms 40 --seed 4000000000 --data /tmp/d --offer-update "
                         "1.6.1112 --split-records --quiet --fault-drop-ms 30000 --fault-cut-percent 50");
    ASSERT_TRUE(o) << message.toStdString();
    EXPECT_EQ(o->bind, QHostAddress(QHostAddress::AnyIPv4));
    EXPECT_EQ(o->pushPort, 0);
    EXPECT_EQ(o->httpPort, 9090);
    EXPECT_EQ(o->newsIntervalMs, 250);
    EXPECT_EQ(o->quoteIntervalMs, 200);
    EXPECT_EQ(o->heartbeatMs, 40);
    EXPECT_EQ(o->seed, 4000000000u);
    EXPECT_EQ(o->dataDir, "/tmp/d");
    EXPECT_EQ(o->offerUpdate, "1.6.1112");
    EXPECT_TRUE(o->splitRecords && o->quiet);
    EXPECT_EQ(o->faults.dropEveryMs, 30000);
    EXPECT_EQ(o->faults.cutPercent, 50);

    EXPECT_FALSE(parse("server --push-port 70000"));
    EXPECT_TRUE(message.contains("--push-port"));
    EXPECT_FALSE(parse("server --quote-interval-ms 0"));
    EXPECT_FALSE(parse("server --fault-cut-percent 101"));
    EXPECT_FALSE(parse("server --bind localhost"));
    EXPECT_FALSE(parse("server --frobnicate"));
    EXPECT_FALSE(help);
    EXPECT_FALSE(parse("server --help"));
    EXPECT_TRUE(help);
    EXPECT_TRUE(message.contains("--offer-update"));
}

TEST(ClientRecordCutter, ReassemblesWhatTheClientSends) {
    const QByteArray logon = push::PushLogonRecord{"demo@quenra.test", "demo123", 42}.build();
    const QByteArray answer = push::HeartbeatAnswerRecord{42}.build();
    const QByteArray feedback = push::FeedbackRecord{"demo@quenra.test", "很好用"}.build();
    ClientRecordCutter cutter;
    EXPECT_TRUE(cutter.feed(logon.left(1)).isEmpty());
    EXPECT_TRUE(cutter.feed(logon.mid(1, 50)).isEmpty());
    EXPECT_EQ(cutter.feed(logon.mid(51) + answer + feedback.left(600)), QList<QByteArray>({logon, answer}));
    EXPECT_EQ(cutter.feed(feedback.mid(600)), QList<QByteArray>({feedback}));
    // An id nobody sends leaves nothing to resynchronise on.
    EXPECT_TRUE(cutter.feed(QByteArray("\x01\x02junk", 6)).isEmpty());
    EXPECT_EQ(cutter.dropped(), 6);
    EXPECT_EQ(cutter.feed(answer), QList<QByteArray>({answer}));
}
