#pragma once
#include <QByteArray>
#include <QList>

// Cuts what a push client sends (logon, heartbeat answers, feedback) into records. The
// client writes each record whole, but the stream may deliver several at once or one in
// pieces; an unknown id leaves nothing to resynchronise on, so the rest is dropped.
class ClientRecordCutter {
public:
    // The whole records completed by these bytes, in order.
    QList<QByteArray> feed(const QByteArray& bytes);
    // Bytes dropped because they began with an unknown id.
    qsizetype dropped() const { return dropped_; }

private:
    QByteArray pending_;
    qsizetype dropped_ = 0;
};
