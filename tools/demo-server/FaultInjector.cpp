#include "FaultInjector.h"
#include "DemoLog.h"
#include "PushServer.h"
#include "wire/NewsFlashRecord.h"
#include "wire/QuoteBatchRecord.h"

FaultInjector::FaultInjector(const FaultOptions& options, quint32 seed, PushServer& push, DemoLog& log)
    : options_(options), random_(seed), push_(push), log_(log) {}

void FaultInjector::start() {
    arm(drop_, options_.dropEveryMs, &FaultInjector::dropOne);
    arm(restart_, options_.restartEveryMs, &FaultInjector::restartListener);
    arm(stall_, options_.stallEveryMs, &FaultInjector::stallOne);
    arm(junk_, options_.junkEveryMs, &FaultInjector::junkToAll);
}

// Fires again and again, each time after between half and one and a half of the mean.
void FaultInjector::arm(QTimer& timer, int meanMs, void (FaultInjector::*fault)()) {
    if (meanMs <= 0) return;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, [this, &timer, meanMs, fault] {
        (this->*fault)();
        timer.start(meanMs / 2 + int(random_.bounded(meanMs + 1)));
    });
    timer.start(meanMs / 2 + int(random_.bounded(meanMs + 1)));
}

bool FaultInjector::inject(const QString& name) {
    if (name == QStringLiteral("drop"))
        dropOne();
    else if (name == QStringLiteral("restart"))
        restartListener();
    else if (name == QStringLiteral("stall"))
        stallOne();
    else if (name == QStringLiteral("junk"))
        junkToAll();
    else
        return false;
    return true;
}

PushSession* FaultInjector::anySession() {
    QList<PushSession*> all;
    push_.forEachSession([&all](PushSession& s) { all.append(&s); });
    return all.isEmpty() ? nullptr : all[int(random_.bounded(all.size()))];
}

void FaultInjector::dropOne() {
    PushSession* s = anySession();
    if (!s) return;
    switch (random_.bounded(3)) {
    case 0:
        s->drop(true);
        break;
    case 1:
        s->drop(false);
        break;
    default: {
        // A flash nobody will miss (id 0), cut after its id and before its end.
        push::NewsFlashRecord r;
        r.flags = QStringLiteral("000");
        r.text = QStringLiteral("truncated");
        r.time = QStringLiteral("2000-01-01 00:00:00");
        s->endMidRecord(r.build().left(2 + int(random_.bounded(push::NewsFlashRecord::Length - 4))));
    }
    }
}

void FaultInjector::restartListener() {
    if (down_) return;
    down_ = true;
    log_.line(QStringLiteral("push: fault: listener down for %1 ms").arg(options_.downMs));
    push_.stopListening();
    QTimer::singleShot(options_.downMs, this, [this] {
        down_ = false;
        QString error;
        log_.line(push_.resumeListening(&error) ? QStringLiteral("push: fault: listener back")
                                                : QStringLiteral("push: fault: listener not back: ") + error);
    });
}

void FaultInjector::stallOne() {
    if (PushSession* s = anySession()) s->stall(options_.stallMs);
}

void FaultInjector::junkToAll() {
    const QByteArray bytes = junk();
    log_.line(QStringLiteral("push: fault: junk record of %1 bytes, id %2")
                  .arg(bytes.size())
                  .arg(quint8(bytes[0]) | quint8(bytes[1]) << 8));
    push_.forEachSession([&bytes](PushSession& s) { s.sendJunk(bytes); });
}

QByteArray FaultInjector::randomBytes(int count) {
    QByteArray bytes(count, Qt::Uninitialized);
    for (char& b : bytes) b = char(random_.bounded(256));
    return bytes;
}

// Bytes the client must survive and never show as a flash it was sent: a record of an
// id nobody knows, a flash of id 0 whose fields are garbage, a quote batch cut short.
QByteArray FaultInjector::junk() {
    switch (random_.bounded(3)) {
    case 0: {
        const quint16 id = quint16(1100 + random_.bounded(64000));
        return QByteArray(1, char(id & 0xff)) + char(id >> 8) + randomBytes(int(random_.bounded(8, 600)));
    }
    case 1: {
        push::NewsFlashRecord r;
        r.flags = QString::fromLatin1(randomBytes(3));
        for (int i = 0; i < 200; ++i) r.text.append(QChar(char16_t(random_.bounded(1, 0xD800))));
        r.time = QString::fromLatin1(randomBytes(19));
        r.detailFlag = uint8_t(random_.bounded(256));
        return r.build();
    }
    default: {
        const QByteArray batch = push::QuoteBatchRecord{QString::fromLatin1(randomBytes(400))}.build();
        return batch.left(2 + int(random_.bounded(batch.size() - 3)));
    }
    }
}
