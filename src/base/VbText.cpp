#include "base/VbText.h"
#include <cmath>
#include <limits>

namespace vb {

double Val(const QString& text) {
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r')) ++i;
    QString number;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) number += text[i++];
    bool digits = false, point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            number += c;
            digits = true;
        } else if (c == u'.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    return number.toDouble();
}

namespace {
template <typename T>
T roundHalfEven(double v) {
    if (std::isnan(v)) return 0;
    const double r = std::nearbyint(v); // default rounding mode: to nearest, ties to even
    if (r <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    if (r >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}
} // namespace

int16_t CInt(double v) { return roundHalfEven<int16_t>(v); }
int32_t CLng(double v) { return roundHalfEven<int32_t>(v); }

QString Mid(const QString& s, int start, int length) {
    if (start < 1 || start > s.size()) return {};
    if (length < 0) return s.mid(start - 1);
    return s.mid(start - 1, length);
}

QString Left(const QString& s, int n) { return n <= 0 ? QString() : s.left(n); }
QString Right(const QString& s, int n) { return n <= 0 ? QString() : s.right(n); }

int InStr(const QString& s, const QString& what, int start) {
    if (start < 1) start = 1;
    if (start > s.size() + 1) return 0;
    if (what.isEmpty()) return start;
    const qsizetype at = s.indexOf(what, start - 1, Qt::CaseSensitive);
    return at < 0 ? 0 : static_cast<int>(at) + 1;
}

int InStrNoCase(const QString& s, const QString& what, int start) {
    if (start < 1) start = 1;
    if (start > s.size() + 1) return 0;
    if (what.isEmpty()) return start;
    const qsizetype at = s.indexOf(what, start - 1, Qt::CaseInsensitive);
    return at < 0 ? 0 : static_cast<int>(at) + 1;
}

QString Trim(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == u' ') ++b;
    while (e > b && s[e - 1] == u' ') --e;
    return s.mid(b, e - b);
}

int32_t PopupStaySeconds(const QString& setting) {
    const double v = Val(setting);
    return CLng(setting.endsWith(u'm') ? v * 60 : v);
}

int16_t CalendarStaySeconds(const QString& setting) {
    const double v = Val(setting);
    return CInt(setting.contains(u'm') ? v * 60 : v);
}

} // namespace vb
