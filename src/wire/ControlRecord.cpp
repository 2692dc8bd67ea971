#include "wire/ControlRecord.h"
#include "wire/MessageId.h"
#include "wire/RecordWriter.h"

namespace push::ControlRecord {

QByteArray loggedInElsewhere() { return RecordWriter(LoggedInElsewhere, 2).bytes(); }
QByteArray heartbeatProbe() { return RecordWriter(Heartbeat, 2).bytes(); }

} // namespace push::ControlRecord
