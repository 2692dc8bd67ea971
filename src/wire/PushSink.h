#pragma once
#include <QString>
#include <cstdint>

namespace push {

// What the push session hands to the main window, one call per decoded item.
class PushSink {
public:
    virtual ~PushSink() = default;

    // A news flash: display time "MM/dd HH:mm", text, news id, detail flag ('1': has a
    // detail page). The first argument carries the three category flag characters, which
    // the news list does not use.
    virtual void Get_allMsg(const QString& unused, const QString& time, const QString& title, int32_t newsId,
                            uint8_t detailFlag) = 0;
    // One quote, prices already cut to their digits.
    virtual void quot_center(const QString& symbol, const QString& bid, const QString& ask) = 0;
    // A calendar day, day code 49..53 ('1' Monday .. '5' Friday); each day goes to both,
    // first fill then refresh.
    virtual void GetInfo_DownCalendar(int16_t dayCode, const QString& summary, const QString& records) = 0;
    virtual void GetInfo_UpdateCalendar(int16_t dayCode, const QString& summary, const QString& records) = 0;
};

} // namespace push
