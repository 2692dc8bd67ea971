#include "notify/PopupRequest.h"
#include "core/AppContext.h"
#include "core/ResumeNext.h"
#include "core/FileHelpers.h"
#include "base/VbText.h"
#include "notify/PlayMediaCls.h"
#include "notify/frmPopUp.h"
#include "platform/Platform.h"
#include <algorithm>
#include <cstdint>

PopupRequest::PopupRequest(AppContext& ctx) : ctx_(ctx) {}

PopupRequest::~PopupRequest() = default;

void PopupRequest::Popup(const QString& html, int32_t stay, plat::Window& owner) {
    if (!ctx_.PopupEnabled) return;
    plat::Log& log = ctx_.platform.log();
    const QString where = QStringLiteral("frmMain.Popup");
    ResumeNext(log, where, [&] {
        ensureWindow(owner);
        frmPopUp& popup = *ctx_.popup;
        popup.AddHtml(html);
        if (ctx_.PopupShowing) {
            popup.StayOn();
            return;
        }
        popup.ShowDelay(stayMs(stay));
        popup.Popup();
    });
    ResumeNext(log, where, [this] { playSound(); });
    ctx_.PopupShowing = true;
}

// A request that comes in while the first one waits for the page waits for it too, so that
// its rows are not lost on a page that is not there yet.
void PopupRequest::ensureWindow(plat::Window& owner) {
    frmPopUp& popup = ctx_.load(ctx_.popup);
    if (!popup.loaded()) popup.WaitLoad(owner);
}

// Any stay the timer can take is kept, beyond the minute the classic timer held; the
// longest is some 24 days.
int32_t PopupRequest::stayMs(int32_t stay) const {
    const qint64 seconds = stay != 0 ? stay : vb::PopupStaySeconds(ctx_.PopupStayTime);
    return static_cast<int32_t>(std::clamp<qint64>(seconds * 1000, INT32_MIN, INT32_MAX));
}

void PopupRequest::playSound() {
    if (ctx_.PopupSoundFile.isEmpty()) return;
    const QString path = ctx_.AppPath + QStringLiteral("Sound/") + ctx_.PopupSoundFile;
    if (!files::FileExists(path)) return;
    if (!player_) player_ = std::make_unique<PlayMediaCls>(ctx_);
    if (player_->Run()) return;
    if (player_->OpenMedia(path)) player_->Play(true);
}
