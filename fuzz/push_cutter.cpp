// The push stream cutter with its state carried across chunks, feeding the decoders.
// Input: byte 0 = number of cuts (low 4 bits) and whether to restart the connection once
// (bit 7); then two bytes per cut giving chunk lengths; the rest is the stream.
#include "wire/PushDecoder.h"
#include "wire/PushStreamCutter.h"
#include <cstddef>
#include <cstdint>

namespace {

class TouchingSink : public push::PushSink {
public:
    size_t seen = 0;
    void Get_allMsg(const QString& u, const QString& t, const QString& title, int32_t, uint8_t) override {
        seen += u.size() + t.size() + title.size();
    }
    void quot_center(const QString& s, const QString& b, const QString& a) override {
        seen += s.size() + b.size() + a.size();
    }
    void GetInfo_DownCalendar(int16_t, const QString& s, const QString& r) override { seen += s.size() + r.size(); }
    void GetInfo_UpdateCalendar(int16_t, const QString& s, const QString& r) override { seen += s.size() + r.size(); }
};

class Session : public push::PushRecordHandler {
public:
    TouchingSink sink;
    int32_t highest = 0;
    push::PushDecoder decoder{sink, highest};
    void newsFlash(QByteArrayView r) override { check(r, 200), decoder.news_analysis(r); }
    void calendarDay(QByteArrayView r) override { check(r, 8192), decoder.byte_strcv(r); }
    void quoteBatch(QByteArrayView r) override { check(r, 512), decoder.quote_batch(r); }
    void loggedInElsewhere() override {}
    void heartbeatProbe() override {}
    static void check(QByteArrayView r, qsizetype length) {
        if (r.size() != length) __builtin_trap(); // a record handed on is always whole
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const unsigned cuts = data[0] & 0x0F;
    const bool restart = data[0] & 0x80;
    size_t pos = 1;
    size_t lengths[16];
    for (unsigned i = 0; i < cuts; ++i, pos += 2) lengths[i] = pos + 1 < size ? (data[pos] | data[pos + 1] << 8) : 0;
    if (pos > size) return 0;
    Session session;
    push::PushStreamCutter cutter(session);
    const auto* stream = reinterpret_cast<const char*>(data + pos);
    size_t left = size - pos;
    for (unsigned i = 0; i <= cuts && left > 0; ++i) {
        const size_t n = i < cuts ? std::min(lengths[i], left) : left;
        cutter.examine(QByteArrayView(stream, static_cast<qsizetype>(n)));
        if (restart && i == cuts / 2) cutter.connectionRestarted();
        stream += n;
        left -= n;
    }
    return 0;
}
