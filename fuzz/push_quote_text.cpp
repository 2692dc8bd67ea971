// The quote list text and the news time text, read from a text field as the decoders do.
#include "wire/NewsTime.h"
#include "wire/QuoteText.h"
#include "wire/TextField.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView field(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = push::TextField::decode(field);
    for (const push::QuoteText::Quote& q : push::QuoteText::parse(text)) {
        // A cut price is never longer than the price received.
        if (q.bid.size() > text.size() || q.ask.size() > text.size()) __builtin_trap();
    }
    if (const auto shown = push::NewsTime::display(text); shown && shown->size() > 11) __builtin_trap();
    return 0;
}
