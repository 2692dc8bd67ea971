#pragma once
#include "ClientRecordCutter.h"
#include "NewsFlash.h"
#include "PushStream.h"
#include <QObject>
#include <QTimer>
#include <functional>

class AccountBook;
class CalendarWeek;
class DemoLog;
class QTcpSocket;

// One client on the push channel: waits for its logon, then probes it with heartbeats and
// carries what the server publishes. Logs every record the client sends.
class PushSession : public QObject {
public:
    struct Settings {
        int heartbeatMs;
        quint32 seed;
        bool forceSplits;
        int cutPercent = 0;
    };

    PushSession(QTcpSocket* socket, const Settings& settings, DemoLog& log, const AccountBook& accounts);

    bool isLoggedOn() const { return !account_.isEmpty() && !kicked_; }
    QString account() const { return account_; }
    QString peer() const { return peer_; }

    void sendNews(const QList<NewsFlash>& flashes);
    void sendQuotes(const QString& quoteText);
    // Day records of the week (1 Monday .. 5 Friday), back to back.
    void sendCalendarDays(const CalendarWeek& week, const QList<int>& days);
    // Tells the client that its account logged in elsewhere and hangs up.
    void kick();

    // Faults (see FaultInjector).
    // Hangs up at once: a reset (RST, what is queued is lost) or an orderly close.
    void drop(bool reset);
    // The first bytes of a record, then an orderly close: the client is left holding a tail.
    void endMidRecord(const QByteArray& part);
    void stall(int ms);
    // Bytes the client cannot use, in a write of their own.
    void sendJunk(const QByteArray& bytes) { stream_.sendAlone(bytes); }

    std::function<void(PushSession&, qint32 highestNewsId)> onLogon;
    std::function<void(PushSession&)> onEnd;

private:
    void readIncoming();
    void handle(const QByteArray& record);
    void logOn(const QByteArray& record);

    QTcpSocket* socket_;
    PushStream stream_;
    DemoLog& log_;
    const AccountBook& accounts_;
    ClientRecordCutter cutter_;
    QTimer heartbeat_;
    QString peer_;
    QString account_;
    bool kicked_ = false;
};
