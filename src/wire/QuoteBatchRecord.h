#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace push {

// Record 1020, a quote batch (push, server to client, 512 bytes): one quote list text
// (see QuoteText).
struct QuoteBatchRecord {
    static constexpr int Length = 512;

    QString text;

    QByteArray build() const;
    // Empty unless the bytes hold a whole record of this id.
    static std::optional<QuoteBatchRecord> parse(QByteArrayView record);
};

} // namespace push
