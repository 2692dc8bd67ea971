#include "core/SettingValues.h"
#include "base/VbText.h"
#include "core/AppContext.h"

namespace SettingValues {

void setPopup(AppContext& ctx, bool enabled, const QString& stayTime, const QString& soundFile) {
    ctx.PopupEnabled = enabled;
    ctx.PopupStayTime = vb::Trim(stayTime);
    ctx.PopupSoundFile = vb::Trim(soundFile);
}

void setCalendar(AppContext& ctx, const QString& notifyTime, const QString& stayTime) {
    ctx.CalendarNotifyTime = vb::CInt(vb::Val(notifyTime));
    ctx.CalendarStaySeconds = vb::CalendarStaySeconds(stayTime);
}

} // namespace SettingValues
