#pragma once
#include "FaultOptions.h"
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

class DemoLog;
class PushServer;
class PushSession;

// Injects the faults of a flaky network and server into the push channel: connections
// dropped (reset, closed, or closed after half a record), the listener gone for a while,
// connections that stall beyond the client's keep-alive, junk records. Each fault that
// is on fires at random times around its mean; all choices follow the seed.
class FaultInjector : public QObject {
public:
    FaultInjector(const FaultOptions& options, quint32 seed, PushServer& push, DemoLog& log);

    // Starts the schedule of every fault that is on.
    void start();
    // One fault now: drop, restart, stall or junk. False for another name.
    bool inject(const QString& name);

private:
    void arm(QTimer& timer, int meanMs, void (FaultInjector::*fault)());
    PushSession* anySession();
    void dropOne();
    void restartListener();
    void stallOne();
    void junkToAll();
    QByteArray junk();
    QByteArray randomBytes(int count);

    FaultOptions options_;
    QRandomGenerator random_;
    PushServer& push_;
    DemoLog& log_;
    QTimer drop_, restart_, stall_, junk_;
    bool down_ = false;
};
