#pragma once
#include "wire/PushRecordHandler.h"
#include <QByteArray>
#include <QByteArrayView>
#include <array>

namespace push {

// Cuts the push channel's byte stream into records. Each data-arrival chunk is examined
// once, in this order:
//  1. A chunk that begins with 1020 is a run of 512-byte quote batches, taken while their
//     id is 1020; an incomplete batch at the end is dropped.
//  2. News, when the chunk begins with 1014 or a news record is pending: the chunk first
//     completes the pending record, then whole 200-byte 1014 records are taken. What
//     remains: nothing clears the news state; a 1019 start goes to the calendar; another
//     id ends the chunk; less than a record is held as pending.
//  3. Calendar: a 1019 chunk starts a transfer of five 8192-byte day records, assembled
//     over chunks; whole records in a chunk are taken while their id is 1019, a short tail
//     that begins with 1019 (or is a single byte) is held, another tail is dropped and ends
//     the chunk. The fifth day ends the transfer.
//  4. Control: a chunk that begins with 1017 or 1021 is reported, unless a step above ended
//     the chunk.
// Choices where the rules leave room, and guards against faults:
//  - A client that reads late gets several of the server's writes in one read. Where a run
//    of quote batches, news records or calendar days, or a heartbeat probe, is followed by
//    a record of another id the server sends, the rest is examined as the chunk it was
//    meant to be, in order, instead of being dropped with the flashes in it. Only bytes
//    that begin with an id the server never sends end the chunk: their length is unknown.
//  - A chunk that continues a pending news record is news data even when its first bytes
//    read as 1020 (a news id of 1020 + k * 65536 cut before its id field).
//  - A pending news record that a chunk cannot complete keeps collecting (the stream
//    brings its bytes in order), so a flash split over three or more chunks still arrives.
//  - A chunk that continues a pending news record is record data: its first bytes are never
//    taken for a quote batch or a control message (a split inside a news id whose bytes
//    spell 1020 or 1017 would otherwise show a corrupt flash or end the session), nor
//    appended to the calendar.
//  - While a transfer is in progress but no part of a day record is held, only a chunk that
//    begins with 1019 is appended; anything else (a heartbeat probe between two days) is
//    left out of the calendar instead of shifting every later day.
//  - Day records that follow the fifth in the same chunk start the next transfer rather
//    than being dropped (the next week's Monday would otherwise be lost).
//  - A completed calendar or news record is handed on only when its id is right (a held
//    single byte may have started something else); a calendar day counts only then.
//  - Nothing is ever read beyond a record's length; malformed bytes are dropped, never fatal.
class PushStreamCutter {
public:
    static constexpr int NewsLength = 200;
    static constexpr int CalendarLength = 8192;
    static constexpr int QuoteLength = 512;
    static constexpr int DaysPerTransfer = 5;

    explicit PushStreamCutter(PushRecordHandler& handler) : handler_(handler) {}

    void examine(QByteArrayView chunk);
    // A new connection cannot continue a record of the old one: partial records are dropped
    // and a calendar transfer starts over.
    void connectionRestarted();

private:
    // What a step leaves of the chunk: whether the chunk ends there, and the bytes from
    // where a record of another id begins.
    struct Left {
        bool chunkEnds = false;
        QByteArrayView rest;
    };
    struct NewsOutcome {
        Left left;
        QByteArrayView calendarStart;
    };

    // Examines one write's worth; returns the bytes of the next write read with it.
    QByteArrayView examineOne(QByteArrayView chunk);
    // The bytes when they begin with a record the server sends, else none.
    static QByteArrayView nextWrite(QByteArrayView rest);
    // Hands on the whole batches at the chunk's start; returns what follows them.
    QByteArrayView cutQuotes(QByteArrayView chunk);
    NewsOutcome cutNews(QByteArrayView chunk);
    qsizetype completePendingNews(QByteArrayView chunk);
    void holdNews(QByteArrayView bytes);
    Left cutCalendar(QByteArrayView bytes, bool recordStart);
    Left cutWholeDays(QByteArrayView rest);
    void handleDay(QByteArrayView record);
    void endTransfer();
    // Returns what follows a heartbeat probe; nothing follows the end of the session.
    QByteArrayView checkControl(QByteArrayView chunk);

    PushRecordHandler& handler_;

    std::array<char, NewsLength> news_{};
    qsizetype newsHeld_ = 0;
    bool newsPending_ = false;

    std::array<char, CalendarLength> calendar_{};
    qsizetype calendarHeld_ = 0;
    bool calendarAssembling_ = false;
    int calendarDaysDone_ = 0;
};

} // namespace push
