#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>
#include <deque>

class QTcpSocket;

// The outgoing side of a push connection. Records go out back to back, as the vendor
// sends them: a run of records of one kind sometimes in one write, sometimes one write
// each, and news and calendar records sometimes cut across writes. The client only looks
// at the start of each chunk it reads, so writes are spaced a little apart to keep
// them from merging on the way.
class PushStream : public QObject {
public:
    PushStream(QTcpSocket* socket, quint32 seed, bool forceSplits);

    // Records of one kind. Splittable runs (news, calendar) may be cut anywhere but within
    // a record's first and last two bytes, which the client's cutter cannot reassemble.
    void sendRun(const QList<QByteArray>& records, bool splittable);
    // A record that must start a write of its own (heartbeat probe, logged in elsewhere).
    void sendAlone(const QByteArray& record) { sendRun({record}, false); }
    // Closes the connection once everything queued is written.
    void closeWhenSent();

    static constexpr int kWriteGapMs = 30;

private:
    QList<qsizetype> cuts(const QList<QByteArray>& records, bool splittable);
    void writeNext();

    QTcpSocket* socket_;
    QRandomGenerator random_;
    bool forceSplits_;
    bool closing_ = false;
    std::deque<QByteArray> writes_;
    QTimer gap_;
};
