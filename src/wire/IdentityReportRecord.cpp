#include "wire/IdentityReportRecord.h"
#include "wire/MessageId.h"
#include "wire/RecordReader.h"
#include "wire/RecordWriter.h"

namespace push {

namespace {
enum Offset { ClientId = 2, Adapters = 6, Version = 506 };
enum Width { AdaptersWidth = 500, VersionWidth = 100 };
} // namespace

QByteArray IdentityReportRecord::build() const {
    return RecordWriter(Logon, Length)
        .int32(ClientId, clientId)
        .text(Adapters, AdaptersWidth, adapters)
        .text(Version, VersionWidth, version)
        .bytes();
}

std::optional<IdentityReportRecord> IdentityReportRecord::parse(QByteArrayView datagram) {
    const RecordReader r(datagram);
    if (r.id() != Logon || !r.holds(Length)) return std::nullopt;
    return IdentityReportRecord{r.int32(ClientId), r.text(Adapters, AdaptersWidth), r.text(Version, VersionWidth)};
}

} // namespace push
