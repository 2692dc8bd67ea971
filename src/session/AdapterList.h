#pragma once
#include "platform/sys/Shell.h"
#include <QString>
#include <vector>

namespace push {

// The adapter address list of the identity report.
namespace AdapterList {

// Each qualifying adapter's hardware address as upper-case hex bytes joined by "-" and
// followed by CR LF, the last line feed removed. Qualifying: Ethernet (6) whose
// description contains "PCI" or "Wireless", any IEEE 802.11 (71) or IEEE 1394 (144)
// adapter. Empty when the list would be shorter than one six-byte address (17 characters).
// An adapter without address bytes is left out (it would otherwise eat the line end of the
// address before it).
QString format(const std::vector<plat::NetworkAdapter>& adapters);

} // namespace AdapterList
} // namespace push
