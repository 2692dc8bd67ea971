#pragma once
#include <QString>
#include <optional>

namespace push {

// The display time of a news flash, "MM/dd HH:mm", from the time text of the record.
namespace NewsTime {

// The text, trimmed of spaces, is read as a date with an optional time ("2026-12-06
// 10:15:30", "2026/12/6 9:05", "2026.12.06") and written "yyyy/MM/dd HH:mm:ss"; a text that
// is not such a date passes on unchanged, as the old runtime's Format did. Every "-"
// becomes "/". The display time is the month/day and the hours:minutes around the first
// ":"; empty when there is no ":" at the second character or later (the flash is then not
// shown).
std::optional<QString> display(const QString& timeText);

} // namespace NewsTime
} // namespace push
