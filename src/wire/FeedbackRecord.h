#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace push {

// Record 1022, user feedback (push, client to server, 1052 bytes).
struct FeedbackRecord {
    static constexpr int Length = 1052;

    QString account;
    QString text;

    QByteArray build() const;
    static std::optional<FeedbackRecord> parse(QByteArrayView record);
};

} // namespace push
