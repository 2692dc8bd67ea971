#pragma once
#include <QByteArray>

namespace push {

// The server's id-only push records: the client reads nothing but their id.
namespace ControlRecord {

QByteArray loggedInElsewhere(); // 1017
QByteArray heartbeatProbe();    // 1021

} // namespace ControlRecord
} // namespace push
