#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

namespace push {

// Record 1016, the client identity report (identity channel, client to server, 606 bytes).
struct IdentityReportRecord {
    static constexpr int Length = 606;

    int32_t clientId = 0; // 0 when none is known
    QString adapters;     // see AdapterList
    QString version;      // the client version text

    QByteArray build() const;
    static std::optional<IdentityReportRecord> parse(QByteArrayView datagram);
};

} // namespace push
