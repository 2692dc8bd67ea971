#include "base/Cp936.h"
#include <QList>
#include <iconv.h>
#include <mutex>

namespace cp936 {
namespace {

// One converter per direction; iconv descriptors are not thread-safe, the lock keeps
// helper threads (tests, benchmarks) honest.
struct Converter {
    iconv_t cd;
    std::mutex m;
    Converter(const char* to, const char* from) : cd(iconv_open(to, from)) {}
    ~Converter() {
        if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    }
};

// Straight into QString's UTF-16: code page 936 has no character beyond the basic plane.
Converter& toUnicode() {
    static Converter c("UTF-16LE", "CP936");
    return c;
}
Converter& fromUnicode() {
    static Converter c("CP936", "UTF-32LE");
    return c;
}

} // namespace

QString decode(const QByteArray& bytes) {
    Converter& c = toUnicode();
    std::lock_guard lock(c.m);
    iconv(c.cd, nullptr, nullptr, nullptr, nullptr);
    // One unit a byte at the most: a character is one or two bytes, a replaced byte one unit.
    QString out(bytes.size(), Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char16_t* o = reinterpret_cast<char16_t*>(out.data());
    while (inLeft > 0) {
        char* to = reinterpret_cast<char*>(o);
        size_t toLeft = static_cast<size_t>(out.size() - (o - reinterpret_cast<char16_t*>(out.data()))) * 2;
        const size_t r = iconv(c.cd, &in, &inLeft, &to, &toLeft);
        o = reinterpret_cast<char16_t*>(to);
        if (r != static_cast<size_t>(-1) || inLeft == 0) break;
        // Invalid or truncated sequence: replace one byte and go on.
        *o++ = u'\uFFFD';
        ++in;
        --inLeft;
        iconv(c.cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.truncate(o - reinterpret_cast<char16_t*>(out.data()));
    return out;
}

QByteArray encodeChar(char32_t ch) {
    if (ch < 0x80) return QByteArray(1, static_cast<char>(ch));
    Converter& c = fromUnicode();
    std::lock_guard lock(c.m);
    iconv(c.cd, nullptr, nullptr, nullptr, nullptr);
    char32_t src = ch;
    char* in = reinterpret_cast<char*>(&src);
    size_t inLeft = sizeof src;
    char out[8];
    char* o = out;
    size_t oLeft = sizeof out;
    if (iconv(c.cd, &in, &inLeft, &o, &oLeft) == static_cast<size_t>(-1)) return QByteArray("?");
    return QByteArray(out, static_cast<qsizetype>(sizeof out - oLeft));
}

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size() * 2);
    for (char32_t ch : text.toUcs4()) out.append(encodeChar(ch));
    return out;
}

} // namespace cp936
