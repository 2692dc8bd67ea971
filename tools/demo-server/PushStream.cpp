#include "PushStream.h"
#include <QTcpSocket>
#include <algorithm>

PushStream::PushStream(QTcpSocket* socket, quint32 seed, bool forceSplits)
    : socket_(socket), random_(seed), forceSplits_(forceSplits) {
    gap_.setSingleShot(true);
    gap_.setInterval(kWriteGapMs);
    connect(&gap_, &QTimer::timeout, this, &PushStream::writeNext);
}

QList<qsizetype> PushStream::cuts(const QList<QByteArray>& records, bool splittable) {
    QList<qsizetype> at;
    const bool oneWrite = records.size() > 1 && random_.bounded(2) == 0;
    const bool split = splittable && (forceSplits_ || random_.bounded(4) == 0);
    qsizetype start = 0;
    for (const QByteArray& r : records) {
        if (split && (forceSplits_ || at.isEmpty()) && r.size() > 4) {
            at.append(start + random_.bounded(2, int(r.size()) - 1));
        } else if (!oneWrite && start > 0) {
            at.append(start);
        }
        start += r.size();
    }
    return at;
}

void PushStream::sendRun(const QList<QByteArray>& records, bool splittable) {
    if (closing_ || records.isEmpty()) return;
    const QByteArray all = records.join();
    qsizetype from = 0;
    for (qsizetype cut : cuts(records, splittable)) {
        writes_.push_back(all.mid(from, cut - from));
        from = cut;
    }
    writes_.push_back(all.mid(from));
    if (!gap_.isActive()) writeNext();
}

void PushStream::closeWhenSent() {
    closing_ = true;
    if (!gap_.isActive()) writeNext();
}

void PushStream::writeNext() {
    if (socket_->state() != QAbstractSocket::ConnectedState) {
        writes_.clear();
        return;
    }
    if (writes_.empty()) {
        if (closing_) socket_->disconnectFromHost();
        return;
    }
    socket_->write(writes_.front());
    socket_->flush();
    writes_.pop_front();
    gap_.start();
}
