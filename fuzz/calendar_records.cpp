// A pushed day's records text, read from its text field and cut into events as the calendar
// does; every field goes into the page escaped.
#include "base/HtmlText.h"
#include "calendar/CalendarRecord.h"
#include "wire/TextField.h"
#include <cstddef>
#include <cstdint>

namespace {

void checkEscaped(const QString& field) {
    const QString shown = HtmlText::escape(field);
    if (shown.contains(u'<') || shown.contains(u'>') || shown.contains(u'"')) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView field(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString records = push::TextField::decode(field);
    for (const CalendarRecord& r : CalendarRecord::split(records)) {
        if (r.storable() && !r.complete()) __builtin_trap();
        for (const QString& f : {r.time(), r.name(), r.storedPrevious(), r.importance(), r.storedForecast(),
                                 r.storedResult(), r.refreshedForecast(), r.refreshedResult()})
            checkEscaped(f);
    }
    return 0;
}
