#pragma once
#include <QString>

struct AppContext;

// The process-wide values that follow the popup and reminder settings, from the settings'
// texts: the start-up reads them from ZEP.xml, the settings dialog sets them again when the
// user applies a page, so the next popup or reminder follows without a restart.
namespace SettingValues {

// PopupEnabled, and the stay time and sound file trimmed.
void setPopup(AppContext& ctx, bool enabled, const QString& stayTime, const QString& soundFile);
// CalendarNotifyTime from the leading number of notifyTime ("30分钟" is 30), and
// CalendarStaySeconds from stayTime, in minutes when it holds an "m" anywhere.
void setCalendar(AppContext& ctx, const QString& notifyTime, const QString& stayTime);

} // namespace SettingValues
