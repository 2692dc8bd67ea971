#include "session/AdapterList.h"

namespace push::AdapterList {

namespace {
enum AdapterType { Ethernet = 6, Wireless80211 = 71, Ieee1394 = 144 };
constexpr int OneAddress = 17;

bool qualifies(const plat::NetworkAdapter& a) {
    if (a.address.isEmpty()) return false;
    if (a.type == Ethernet)
        return a.description.contains(QLatin1String("PCI")) || a.description.contains(QLatin1String("Wireless"));
    return a.type == Wireless80211 || a.type == Ieee1394;
}
} // namespace

QString format(const std::vector<plat::NetworkAdapter>& adapters) {
    QString list;
    for (const plat::NetworkAdapter& a : adapters) {
        if (!qualifies(a)) continue;
        list += QString::fromLatin1(a.address.toHex('-').toUpper()) + QLatin1String("\r\n");
    }
    if (list.size() < OneAddress) return {};
    list.chop(1);
    return list;
}

} // namespace push::AdapterList
