#include "push/ControlRecord.h"
#include "push/MessageId.h"
#include "push/RecordWriter.h"

namespace push::ControlRecord {

QByteArray loggedInElsewhere() { return RecordWriter(LoggedInElsewhere, 2).bytes(); }
QByteArray heartbeatProbe() { return RecordWriter(Heartbeat, 2).bytes(); }

} // namespace push::ControlRecord
