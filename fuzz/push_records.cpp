// Every record parser and decoder on arbitrary bytes: byte 0 picks the reader.
#include "wire/CalendarDayRecord.h"
#include "wire/ClientIdRecord.h"
#include "wire/FeedbackRecord.h"
#include "wire/HeartbeatAnswerRecord.h"
#include "wire/IdentityReportRecord.h"
#include "wire/LoginReplyRecord.h"
#include "wire/LoginRequestRecord.h"
#include "wire/NewsFlashRecord.h"
#include "wire/PushDecoder.h"
#include "wire/PushLogonRecord.h"
#include "wire/QuoteBatchRecord.h"
#include <cstddef>
#include <cstdint>

namespace {

class Sink : public push::PushSink {
public:
    void Get_allMsg(const QString&, const QString& t, const QString&, int32_t, uint8_t) override {
        if (t.size() > 11) __builtin_trap(); // "MM/dd HH:mm" at the most
    }
    void quot_center(const QString&, const QString&, const QString&) override {}
    void GetInfo_DownCalendar(int16_t day, const QString&, const QString&) override {
        if (day < '1' || day > '5') __builtin_trap();
    }
    void GetInfo_UpdateCalendar(int16_t, const QString&, const QString&) override {}
};

// Whatever parses must build back to a record of the same length that parses again.
template <class R>
void roundTrip(QByteArrayView bytes) {
    if (const auto r = R::parse(bytes)) {
        if (!R::parse(r->build())) __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // Copy so that the bytes end exactly at the input's end for the sanitizer.
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    Sink sink;
    int32_t highest = 0;
    push::PushDecoder decoder(sink, highest);
    switch (data[0] % 12) {
    case 0:
        decoder.news_analysis(bytes);
        break;
    case 1:
        decoder.byte_strcv(bytes);
        break;
    case 2:
        decoder.quote_batch(bytes);
        break;
    case 3:
        roundTrip<push::NewsFlashRecord>(bytes);
        break;
    case 4:
        roundTrip<push::LoginReplyRecord>(bytes);
        break;
    case 5:
        roundTrip<push::ClientIdRecord>(bytes);
        break;
    case 6:
        roundTrip<push::LoginRequestRecord>(bytes);
        break;
    case 7:
        roundTrip<push::PushLogonRecord>(bytes);
        break;
    case 8:
        roundTrip<push::IdentityReportRecord>(bytes);
        break;
    case 9:
        roundTrip<push::HeartbeatAnswerRecord>(bytes);
        break;
    case 10:
        roundTrip<push::FeedbackRecord>(bytes);
        break;
    default:
        roundTrip<push::CalendarDayRecord>(bytes), roundTrip<push::QuoteBatchRecord>(bytes);
        break;
    }
    return 0;
}
