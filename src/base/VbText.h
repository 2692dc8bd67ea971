#pragma once
#include <QString>
#include <cstdint>

// Text and number semantics of the classic desktop runtime that settings, records and
// pages rely on: the leading-number value, rounding halves to even, 1-based positions,
// lengths in characters.
namespace vb {

// The leading number a text spells: blanks skipped, optional sign, digits with an optional
// decimal point; reading stops at the first character that cannot continue it; 0 if none.
double Val(const QString& text);

// Rounding to 16- and 32-bit integers, halves to the even neighbour. Values beyond the
// range saturate (the runtime would raise an overflow, which no caller wants).
int16_t CInt(double v);
int32_t CLng(double v);

// 1-based substring; length < 0 means to the end. Out-of-range starts give "".
QString Mid(const QString& s, int start, int length = -1);
QString Left(const QString& s, int n);
QString Right(const QString& s, int n);
// 1-based position of what in s at or after start, 0 when absent. An empty what is found
// at start (as the runtime does).
int InStr(const QString& s, const QString& what, int start = 1);
int InStrNoCase(const QString& s, const QString& what, int start = 1);
// Length in characters: a Chinese character counts one.
inline int Len(const QString& s) { return static_cast<int>(s.length()); }
// Removes leading and trailing spaces (spaces only, not tabs or line ends).
QString Trim(const QString& s);

// Popup stay time in seconds: minutes only when "m" is the last character.
int32_t PopupStaySeconds(const QString& setting);
// Calendar reminder stay time in seconds: minutes when "m" occurs anywhere.
int16_t CalendarStaySeconds(const QString& setting);

} // namespace vb
