#include "wire/PushStreamCutter.h"
#include "wire/MessageId.h"
#include "wire/RecordReader.h"
#include <algorithm>

namespace push {

namespace {
int idOf(QByteArrayView bytes) { return RecordReader::idOf(bytes); }

// A calendar day may start here: its id is there, or only its first byte has come.
bool mayStartDay(QByteArrayView bytes) { return bytes.size() == 1 || idOf(bytes) == CalendarDay; }
} // namespace

void PushStreamCutter::examine(QByteArrayView chunk) {
    while (!chunk.isEmpty()) chunk = examineOne(chunk);
}

QByteArrayView PushStreamCutter::examineOne(QByteArrayView chunk) {
    // A chunk that continues a pending news record is record data, whatever its first
    // bytes look like.
    const bool continuesNews = newsPending_;
    const int id = idOf(chunk);
    if (id == QuoteBatch && !continuesNews) {
        const QByteArrayView rest = cutQuotes(chunk);
        return idOf(rest) == QuoteBatch ? QByteArrayView() : nextWrite(rest);
    }
    // A probe inside a day record that is being assembled went into the record too.
    const bool dayPending = calendarHeld_ > 0;
    Left left;
    if (id == NewsFlash || continuesNews) {
        const NewsOutcome news = cutNews(chunk);
        left = news.left;
        if (!left.chunkEnds && !news.calendarStart.isEmpty()) left = cutCalendar(news.calendarStart, true);
    } else {
        left = cutCalendar(chunk, false);
    }
    if (left.chunkEnds || continuesNews) return nextWrite(left.rest);
    const QByteArrayView afterControl = checkControl(chunk);
    return nextWrite(afterControl.isEmpty() || dayPending ? left.rest : afterControl);
}

QByteArrayView PushStreamCutter::nextWrite(QByteArrayView rest) {
    if (rest.size() < 2) return {};
    switch (idOf(rest)) {
    case NewsFlash:
    case QuoteBatch:
    case CalendarDay:
    case LoggedInElsewhere:
    case Heartbeat:
        return rest;
    default:
        return {};
    }
}

void PushStreamCutter::connectionRestarted() {
    newsHeld_ = 0;
    newsPending_ = false;
    endTransfer();
}

QByteArrayView PushStreamCutter::cutQuotes(QByteArrayView chunk) {
    while (chunk.size() >= QuoteLength && idOf(chunk) == QuoteBatch) {
        handler_.quoteBatch(chunk.first(QuoteLength));
        chunk = chunk.sliced(QuoteLength);
    }
    return chunk;
}

PushStreamCutter::NewsOutcome PushStreamCutter::cutNews(QByteArrayView chunk) {
    QByteArrayView rest = chunk;
    if (newsPending_) {
        const qsizetype used = completePendingNews(chunk);
        if (newsPending_) return {{true, {}}, {}};
        rest = chunk.sliced(used);
    }
    while (rest.size() >= NewsLength && idOf(rest) == NewsFlash) {
        handler_.newsFlash(rest.first(NewsLength));
        rest = rest.sliced(NewsLength);
    }
    if (rest.isEmpty()) return {};
    const int id = idOf(rest);
    if (id == CalendarDay) return {{}, rest};
    if (id != NewsFlash && rest.size() >= 2) return {{true, rest}, {}};
    holdNews(rest);
    return {};
}

// Adds the chunk's first bytes to the pending record; hands the record on once whole.
// Returns how many bytes of the chunk it used.
qsizetype PushStreamCutter::completePendingNews(QByteArrayView chunk) {
    const qsizetype used = std::min(chunk.size(), NewsLength - newsHeld_);
    std::copy_n(chunk.data(), used, news_.data() + newsHeld_);
    newsHeld_ += used;
    if (newsHeld_ < NewsLength) return used;
    newsPending_ = false;
    newsHeld_ = 0;
    const QByteArrayView record(news_.data(), NewsLength);
    if (idOf(record) == NewsFlash) handler_.newsFlash(record);
    return used;
}

void PushStreamCutter::holdNews(QByteArrayView bytes) {
    std::copy_n(bytes.data(), bytes.size(), news_.data());
    newsHeld_ = bytes.size();
    newsPending_ = true;
}

PushStreamCutter::Left PushStreamCutter::cutCalendar(QByteArrayView bytes, bool recordStart) {
    if (!calendarAssembling_) {
        if (!recordStart && idOf(bytes) != CalendarDay) return {};
        calendarAssembling_ = true;
    } else if (recordStart) {
        calendarHeld_ = 0;
    } else if (calendarHeld_ == 0 && !mayStartDay(bytes)) {
        return {};
    }
    if (calendarHeld_ > 0) {
        const qsizetype used = std::min(bytes.size(), CalendarLength - calendarHeld_);
        std::copy_n(bytes.data(), used, calendar_.data() + calendarHeld_);
        calendarHeld_ += used;
        if (calendarHeld_ < CalendarLength) return {};
        calendarHeld_ = 0;
        handleDay(QByteArrayView(calendar_.data(), CalendarLength));
        bytes = bytes.sliced(used);
    }
    return cutWholeDays(bytes);
}

// Whole day records; a short tail that may start a day is held. Days after the fifth
// start the next transfer, also when only the first byte of the next one has come.
PushStreamCutter::Left PushStreamCutter::cutWholeDays(QByteArrayView rest) {
    while (!rest.isEmpty()) {
        if (!calendarAssembling_) {
            if (!mayStartDay(rest)) return {false, rest};
            calendarAssembling_ = true;
        }
        if (rest.size() < CalendarLength && mayStartDay(rest)) {
            std::copy_n(rest.data(), rest.size(), calendar_.data());
            calendarHeld_ = rest.size();
            return {};
        }
        if (idOf(rest) != CalendarDay) {
            calendarHeld_ = 0;
            return {true, rest};
        }
        handleDay(rest.first(CalendarLength));
        rest = rest.sliced(CalendarLength);
    }
    return {};
}

void PushStreamCutter::handleDay(QByteArrayView record) {
    if (idOf(record) != CalendarDay) return;
    handler_.calendarDay(record);
    if (++calendarDaysDone_ >= DaysPerTransfer) endTransfer();
}

void PushStreamCutter::endTransfer() {
    calendarHeld_ = 0;
    calendarAssembling_ = false;
    calendarDaysDone_ = 0;
}

QByteArrayView PushStreamCutter::checkControl(QByteArrayView chunk) {
    const int id = idOf(chunk);
    if (id == LoggedInElsewhere) {
        handler_.loggedInElsewhere();
    } else if (id == Heartbeat) {
        handler_.heartbeatProbe();
        return chunk.sliced(2);
    }
    return {};
}

} // namespace push
