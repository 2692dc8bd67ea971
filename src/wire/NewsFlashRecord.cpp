#include "wire/NewsFlashRecord.h"
#include "wire/MessageId.h"
#include "wire/RecordReader.h"
#include "wire/RecordWriter.h"

namespace push {

namespace {
enum Offset { Flags = 2, Text = 5, Id = 106, Time = 110, Detail = 135 };
enum Width { FlagsWidth = 3, TextWidth = 101, TimeWidth = 25 };
} // namespace

QByteArray NewsFlashRecord::build() const {
    return RecordWriter(NewsFlash, Length)
        .text(Flags, FlagsWidth, flags)
        .text(Text, TextWidth, text)
        .int32(Id, newsId)
        .text(Time, TimeWidth, time)
        .byte(Detail, detailFlag)
        .bytes();
}

std::optional<NewsFlashRecord> NewsFlashRecord::parse(QByteArrayView record) {
    const RecordReader r(record);
    if (r.id() != NewsFlash || !r.holds(Length)) return std::nullopt;
    NewsFlashRecord news;
    news.flags = r.text(Flags, FlagsWidth);
    news.text = r.text(Text, TextWidth).remove(QLatin1Char('\n'));
    news.newsId = r.int32(Id);
    news.time = r.text(Time, TimeWidth);
    news.detailFlag = *r.byte(Detail);
    return news;
}

} // namespace push
