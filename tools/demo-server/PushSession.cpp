#include "PushSession.h"
#include "AccountBook.h"
#include "CalendarWeek.h"
#include "DemoLog.h"
#include "wire/CalendarDayRecord.h"
#include "wire/ControlRecord.h"
#include "wire/FeedbackRecord.h"
#include "wire/HeartbeatAnswerRecord.h"
#include "wire/MessageId.h"
#include "wire/NewsFlashRecord.h"
#include "wire/PushLogonRecord.h"
#include "wire/QuoteBatchRecord.h"
#include "wire/RecordReader.h"
#include <QTcpSocket>
#include <sys/socket.h>

PushSession::PushSession(QTcpSocket* socket, const Settings& settings, DemoLog& log, const AccountBook& accounts)
    : socket_(socket), stream_(socket, settings.seed, settings.forceSplits, settings.cutPercent), log_(log),
      accounts_(accounts),
      peer_(QStringLiteral("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort())) {
    socket_->setParent(this);
    heartbeat_.setInterval(settings.heartbeatMs);
    connect(&heartbeat_, &QTimer::timeout, this, [this] { stream_.sendAlone(push::ControlRecord::heartbeatProbe()); });
    // Which flashes really went out, so that a soak can tell what the client should have.
    stream_.onWritten = [this](const QStringList& ids) {
        log_.line(QStringLiteral("push: to %1 (%2) news %3").arg(peer_, account_, ids.join(QLatin1Char(','))));
    };
    connect(socket_, &QTcpSocket::readyRead, this, &PushSession::readIncoming);
    connect(socket_, &QTcpSocket::disconnected, this, [this] {
        heartbeat_.stop();
        log_.line(QStringLiteral("push: %1 (%2) disconnected").arg(peer_, account_));
        if (onEnd) onEnd(*this);
    });
}

void PushSession::readIncoming() {
    for (const QByteArray& record : cutter_.feed(socket_->readAll())) handle(record);
}

void PushSession::handle(const QByteArray& record) {
    switch (push::RecordReader::idOf(record)) {
    case push::Logon:
        logOn(record);
        break;
    case push::Heartbeat:
        log_.line(QStringLiteral("push: heartbeat answer from %1: highest news id %2")
                      .arg(account_)
                      .arg(push::HeartbeatAnswerRecord::parse(record)->highestNewsId));
        break;
    case push::Feedback: {
        const auto feedback = push::FeedbackRecord::parse(record);
        // One log line a feedback: its line breaks written as "\n".
        QString text = feedback->text;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n")).replace(u'\n', QStringLiteral("\\n"));
        log_.line(QStringLiteral("push: feedback from %1 (session %2): %3").arg(feedback->account, account_, text));
        break;
    }
    }
}

void PushSession::logOn(const QByteArray& record) {
    const auto logon = push::PushLogonRecord::parse(record);
    const auto verdict = accounts_.check(logon->account, logon->password);
    log_.line(QStringLiteral("push: logon from %1: account %2, highest news id %3%4")
                  .arg(peer_, logon->account)
                  .arg(logon->highestNewsId)
                  .arg(verdict == AccountBook::Verdict::Success ? QString() : QStringLiteral(" - refused")));
    if (verdict != AccountBook::Verdict::Success) {
        stream_.closeWhenSent();
        return;
    }
    account_ = logon->account;
    heartbeat_.start();
    if (onLogon) onLogon(*this, logon->highestNewsId);
}

void PushSession::sendNews(const QList<NewsFlash>& flashes) {
    QList<QByteArray> records;
    QStringList ids;
    for (const NewsFlash& f : flashes) {
        ids.append(QString::number(f.id));
        push::NewsFlashRecord r;
        r.flags = QString::fromLatin1(f.flags);
        r.text = f.text;
        r.newsId = f.id;
        r.time = f.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        r.detailFlag = f.hasPage ? '1' : '0';
        records.append(r.build());
    }
    stream_.sendRun(records, true, ids);
}

void PushSession::sendQuotes(const QString& quoteText) {
    stream_.sendRun({push::QuoteBatchRecord{quoteText}.build()}, false);
}

void PushSession::sendCalendarDays(const CalendarWeek& week, const QList<int>& days) {
    QList<QByteArray> records;
    for (int day : days) {
        records.append(
            push::CalendarDayRecord{uint8_t('0' + day), week.recordsText(day), week.summaryText(day)}.build());
    }
    stream_.sendRun(records, true);
}

void PushSession::kick() {
    if (kicked_) return;
    kicked_ = true;
    heartbeat_.stop();
    log_.line(QStringLiteral("push: %1 (%2) logged in elsewhere: sending 1017 and hanging up").arg(peer_, account_));
    stream_.sendAlone(push::ControlRecord::loggedInElsewhere());
    stream_.closeWhenSent();
}

void PushSession::drop(bool reset) {
    log_.line(QStringLiteral("push: fault: %1 %2 (%3)")
                  .arg(reset ? QStringLiteral("reset") : QStringLiteral("close"), peer_, account_));
    if (!reset) {
        socket_->disconnectFromHost();
        return;
    }
    // Linger 0: the system answers with RST instead of an orderly end.
    const linger hard{1, 0};
    ::setsockopt(int(socket_->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    socket_->abort();
}

void PushSession::endMidRecord(const QByteArray& part) {
    log_.line(QStringLiteral("push: fault: truncated record (%1 bytes) and close %2 (%3)")
                  .arg(part.size())
                  .arg(peer_, account_));
    stream_.sendAlone(part);
    stream_.closeWhenSent();
}

void PushSession::stall(int ms) {
    log_.line(QStringLiteral("push: fault: stall %1 (%2) for %3 ms").arg(peer_, account_).arg(ms));
    stream_.stall(ms);
}
