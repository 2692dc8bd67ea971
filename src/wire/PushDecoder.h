#pragma once
#include "wire/PushSink.h"
#include <QByteArrayView>
#include <cstdint>

namespace push {

// Decodes the content records of the push stream and hands the results to the main window.
class PushDecoder {
public:
    // highestNewsId: the process-wide highest news id, only ever raised here.
    PushDecoder(PushSink& sink, int32_t& highestNewsId) : sink_(sink), highestNewsId_(highestNewsId) {}

    // A news flash: raises the highest news id, then shows the flash when its time text
    // gives a display time.
    void news_analysis(QByteArrayView record);
    // A calendar day: days '1'..'5' go to first fill and then refresh; others are ignored.
    void byte_strcv(QByteArrayView record);
    // A quote batch: one quot_center call per quote, in order.
    void quote_batch(QByteArrayView record);

private:
    PushSink& sink_;
    int32_t& highestNewsId_;
};

} // namespace push
