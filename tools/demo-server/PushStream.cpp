#include "PushStream.h"
#include <QTcpSocket>
#include <algorithm>

PushStream::PushStream(QTcpSocket* socket, quint32 seed, bool forceSplits, int cutPercent)
    : socket_(socket), random_(seed), forceSplits_(forceSplits), cutPercent_(cutPercent) {
    gap_.setSingleShot(true);
    gap_.setInterval(kWriteGapMs);
    connect(&gap_, &QTimer::timeout, this, &PushStream::writeNext);
    stall_.setSingleShot(true);
    connect(&stall_, &QTimer::timeout, this, &PushStream::writeNext);
}

QList<qsizetype> PushStream::cuts(const QList<QByteArray>& records, bool splittable) {
    if (splittable && cutPercent_ > 0 && int(random_.bounded(100)) < cutPercent_) return scatteredCuts(records);
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

// Every record cut in one to three places, each where the client can still join it.
QList<qsizetype> PushStream::scatteredCuts(const QList<QByteArray>& records) {
    QList<qsizetype> at;
    qsizetype start = 0;
    for (const QByteArray& r : records) {
        if (start > 0 && random_.bounded(2) == 0) at.append(start);
        QList<qsizetype> inside;
        for (int n = 1 + int(random_.bounded(3)); r.size() > 4 && n > 0; --n)
            inside.append(start + random_.bounded(2, int(r.size()) - 1));
        std::sort(inside.begin(), inside.end());
        inside.erase(std::unique(inside.begin(), inside.end()), inside.end());
        at.append(inside);
        start += r.size();
    }
    return at;
}

void PushStream::sendRun(const QList<QByteArray>& records, bool splittable, const QStringList& labels) {
    if (closing_ || records.isEmpty()) return;
    const QByteArray all = records.join();
    QList<qsizetype> ends; // where each record ends in `all`
    for (qsizetype end = 0; const QByteArray& r : records) ends.append(end += r.size());
    QList<qsizetype> at = cuts(records, splittable);
    at.append(all.size());
    qsizetype from = 0;
    for (qsizetype cut : at) {
        Write w{all.mid(from, cut - from), {}};
        for (qsizetype i = 0; i < labels.size() && i < ends.size(); ++i)
            if (ends[i] > from && ends[i] <= cut) w.labels.append(labels[i]);
        writes_.push_back(std::move(w));
        from = cut;
    }
    if (!gap_.isActive() && !stall_.isActive()) writeNext();
}

void PushStream::closeWhenSent() {
    closing_ = true;
    if (!gap_.isActive() && !stall_.isActive()) writeNext();
}

void PushStream::stall(int ms) {
    gap_.stop();
    stall_.start(ms);
}

void PushStream::writeNext() {
    if (socket_->state() != QAbstractSocket::ConnectedState) {
        writes_.clear();
        return;
    }
    if (stall_.isActive()) return;
    if (writes_.empty()) {
        if (closing_) socket_->disconnectFromHost();
        return;
    }
    const Write w = std::move(writes_.front());
    writes_.pop_front();
    socket_->write(w.bytes);
    socket_->flush();
    if (!w.labels.isEmpty() && onWritten) onWritten(w.labels);
    gap_.start();
}
