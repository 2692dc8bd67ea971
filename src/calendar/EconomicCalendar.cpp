#include "calendar/EconomicCalendar.h"

EconomicCalendar::EconomicCalendar(AppContext& ctx, plat::Browser* page)
    : store_(ctx), page_(page), view_(ctx, state_, store_, page_), setup_(ctx, state_, store_, page_, view_),
      engine_(ctx, state_, store_, page_, view_, setup_), download_(ctx, state_, store_, view_) {}

void EconomicCalendar::frm_initial() {
    if (setup_.setUp()) engine_.start();
}

// A day of a new week, before the scanner saw the week turn, fills the new week.
void EconomicCalendar::GetInfo_DownCalendar(int16_t dayCode, const QString& summary, const QString& records) {
    setup_.rollOver();
    if (download_.GetInfo_DownCalendar(dayCode, summary, records)) engine_.start();
}

void EconomicCalendar::GetInfo_UpdateCalendar(int16_t dayCode, const QString& summary, const QString& records) {
    download_.GetInfo_UpdateCalendar(dayCode, summary, records);
}
