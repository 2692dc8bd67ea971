#include "base/Cp936.h"
#include <QList>
#include <iconv.h>
#include <cerrno>
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

Converter& toUnicode() {
    static Converter c("UTF-32LE", "CP936");
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
    QString out;
    out.reserve(bytes.size());
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char32_t buf[256];
    while (inLeft > 0) {
        char* o = reinterpret_cast<char*>(buf);
        size_t oLeft = sizeof buf;
        const size_t r = iconv(c.cd, &in, &inLeft, &o, &oLeft);
        const int err = errno;
        const qsizetype produced = static_cast<qsizetype>((sizeof buf - oLeft) / sizeof(char32_t));
        out.append(QString::fromUcs4(buf, produced));
        if (r == static_cast<size_t>(-1) && err != E2BIG) {
            // Invalid or truncated sequence: replace one byte and go on.
            out.append(QChar(0xFFFD));
            ++in;
            --inLeft;
            iconv(c.cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
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
