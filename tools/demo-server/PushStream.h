#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>
#include <QStringList>
#include <deque>
#include <functional>

class QTcpSocket;

// The outgoing side of a push connection. Records go out back to back, as the vendor
// sends them: a run of records of one kind sometimes in one write, sometimes one write
// each, and news and calendar records sometimes cut across writes. The client only looks
// at the start of each chunk it reads, so writes are spaced a little apart to keep
// them from merging on the way.
class PushStream : public QObject {
public:
    // A share of cutPercent splittable runs is cut at several random offsets per record.
    PushStream(QTcpSocket* socket, quint32 seed, bool forceSplits, int cutPercent = 0);

    // Records of one kind. Splittable runs (news, calendar) may be cut anywhere but within
    // a record's first and last two bytes, which the client's cutter cannot reassemble.
    // Labels (one per record, or none) are reported by onWritten once the record's last
    // byte has gone to the socket.
    void sendRun(const QList<QByteArray>& records, bool splittable, const QStringList& labels = {});
    // A record that must start a write of its own (heartbeat probe, logged in elsewhere).
    void sendAlone(const QByteArray& record) { sendRun({record}, false); }
    // Closes the connection once everything queued is written.
    void closeWhenSent();
    // Writes nothing (heartbeat probes included) for that long; what is sent meanwhile waits.
    void stall(int ms);

    std::function<void(const QStringList& labels)> onWritten;

    static constexpr int kWriteGapMs = 30;

private:
    struct Write {
        QByteArray bytes;
        QStringList labels; // of the records that end in this write
    };

    QList<qsizetype> cuts(const QList<QByteArray>& records, bool splittable);
    QList<qsizetype> scatteredCuts(const QList<QByteArray>& records);
    void writeNext();

    QTcpSocket* socket_;
    QRandomGenerator random_;
    bool forceSplits_;
    int cutPercent_;
    bool closing_ = false;
    std::deque<Write> writes_;
    QTimer gap_;
    QTimer stall_;
};
