#include "wire/PushDecoder.h"
#include "wire/CalendarDayRecord.h"
#include "wire/NewsFlashRecord.h"
#include "wire/NewsTime.h"
#include "wire/QuoteBatchRecord.h"
#include "wire/QuoteText.h"

namespace push {

namespace {
enum DayCode : uint8_t { Monday = '1', Friday = '5' };
}

void PushDecoder::news_analysis(QByteArrayView record) {
    const auto news = NewsFlashRecord::parse(record);
    if (!news) return;
    if (news->newsId > highestNewsId_) highestNewsId_ = news->newsId;
    const auto time = NewsTime::display(news->time);
    if (!time) return;
    sink_.Get_allMsg(news->flags, *time, news->text, news->newsId, news->detailFlag);
}

void PushDecoder::byte_strcv(QByteArrayView record) {
    const auto day = CalendarDayRecord::parse(record);
    if (!day || day->dayCode < Monday || day->dayCode > Friday) return;
    sink_.GetInfo_DownCalendar(day->dayCode, day->summary, day->records);
    sink_.GetInfo_UpdateCalendar(day->dayCode, day->summary, day->records);
}

void PushDecoder::quote_batch(QByteArrayView record) {
    const auto batch = QuoteBatchRecord::parse(record);
    if (!batch) return;
    for (const QuoteText::Quote& q : QuoteText::parse(batch->text)) sink_.quot_center(q.symbol, q.bid, q.ask);
}

} // namespace push
