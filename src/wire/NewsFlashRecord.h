#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

namespace push {

// Record 1014, a news flash (push, server to client, 200 bytes).
struct NewsFlashRecord {
    static constexpr int Length = 200;

    QString flags; // three category flag characters, not interpreted
    QString text;  // line feeds removed when read
    int32_t newsId = 0;
    QString time;           // publication date and time as sent
    uint8_t detailFlag = 0; // '1' when the news has a detail page

    QByteArray build() const;
    // Empty unless the bytes hold a whole record of this id.
    static std::optional<NewsFlashRecord> parse(QByteArrayView record);
};

} // namespace push
