#include "wire/NewsTime.h"
#include "base/VbText.h"
#include <QDate>
#include <array>

namespace push::NewsTime {

namespace {

struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Reads 'min' to 'max' decimal digits at pos.
std::optional<int> number(QStringView t, qsizetype& pos, int min, int max) {
    int value = 0, digits = 0;
    while (pos < t.size() && digits < max && t[pos] >= u'0' && t[pos] <= u'9') {
        value = value * 10 + (t[pos].unicode() - u'0');
        ++pos;
        ++digits;
    }
    if (digits < min) return std::nullopt;
    return value;
}

bool separator(QStringView t, qsizetype& pos, QStringView allowed) {
    if (pos >= t.size() || !allowed.contains(t[pos])) return false;
    ++pos;
    return true;
}

bool readTime(QStringView t, qsizetype& pos, DateTime& dt) {
    const qsizetype start = pos;
    while (pos < t.size() && t[pos] == u' ') ++pos;
    if (pos == start) return false;
    const auto h = number(t, pos, 1, 2);
    if (!h || !separator(t, pos, u":")) return false;
    const auto m = number(t, pos, 1, 2);
    if (!m) return false;
    std::optional<int> s = 0;
    if (separator(t, pos, u":")) s = number(t, pos, 1, 2);
    if (!s || *h > 23 || *m > 59 || *s > 59) return false;
    dt.hour = *h;
    dt.minute = *m;
    dt.second = *s;
    return true;
}

std::optional<DateTime> readDateTime(QStringView t) {
    qsizetype pos = 0;
    const auto y = number(t, pos, 4, 4);
    if (!y || !separator(t, pos, u"-/.")) return std::nullopt;
    const auto mo = number(t, pos, 1, 2);
    if (!mo || !separator(t, pos, u"-/.")) return std::nullopt;
    const auto d = number(t, pos, 1, 2);
    if (!d || !QDate::isValid(*y, *mo, *d)) return std::nullopt;
    DateTime dt{*y, *mo, *d};
    if (pos < t.size() && !readTime(t, pos, dt)) return std::nullopt;
    if (pos != t.size()) return std::nullopt;
    return dt;
}

// Writes value as 'digits' decimal digits, then the separator unless it is 0.
void put(char*& out, int value, int digits, char separator) {
    for (int i = digits - 1; i >= 0; --i, value /= 10) out[i] = static_cast<char>('0' + value % 10);
    out += digits;
    if (separator) *out++ = separator;
}

// "yyyy/MM/dd HH:mm:ss", written by hand: this runs for every news flash.
QString format(const DateTime& dt) {
    std::array<char, 19> text{};
    char* out = text.data();
    put(out, dt.year, 4, '/');
    put(out, dt.month, 2, '/');
    put(out, dt.day, 2, ' ');
    put(out, dt.hour, 2, ':');
    put(out, dt.minute, 2, ':');
    put(out, dt.second, 2, 0);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString normalise(const QString& timeText) {
    QString t = vb::Trim(timeText);
    if (const auto dt = readDateTime(t)) return format(*dt);
    return t.replace(u'-', u'/');
}

} // namespace

std::optional<QString> display(const QString& timeText) {
    const QString t = normalise(timeText);
    const int colon = vb::InStr(t, QStringLiteral(":"));
    if (colon < 2) return std::nullopt;
    const QString dateAndTime = vb::Left(t, 10) + u' ' + vb::Mid(t, colon - 2, 5);
    return vb::Mid(dateAndTime, 6, 11);
}

} // namespace push::NewsTime
