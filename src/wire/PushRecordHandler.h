#pragma once
#include <QByteArrayView>

namespace push {

// Receives the records that PushStreamCutter cuts out of the push stream. The views hold
// exactly one whole record and are valid only during the call.
class PushRecordHandler {
public:
    virtual ~PushRecordHandler() = default;

    virtual void newsFlash(QByteArrayView record) = 0;   // 1014, 200 bytes
    virtual void calendarDay(QByteArrayView record) = 0; // 1019, 8192 bytes
    virtual void quoteBatch(QByteArrayView record) = 0;  // 1020, 512 bytes
    virtual void loggedInElsewhere() = 0;                // 1017
    virtual void heartbeatProbe() = 0;                   // 1021
};

} // namespace push
