#include "session/PacedPushSink.h"
#include "platform/loop/EventLoop.h"

PacedPushSink::PacedPushSink(plat::EventLoop& loop, std::function<push::PushSink*()> target)
    : loop_(loop), target_(std::move(target)) {}

bool PacedPushSink::discard() {
    const bool any = !items_.empty();
    items_.clear();
    return any;
}

void PacedPushSink::Get_allMsg(const QString& unused, const QString& time, const QString& title, int32_t newsId,
                               uint8_t detailFlag) {
    take([=](push::PushSink& s) { s.Get_allMsg(unused, time, title, newsId, detailFlag); });
}

void PacedPushSink::quot_center(const QString& symbol, const QString& bid, const QString& ask) {
    take([=](push::PushSink& s) { s.quot_center(symbol, bid, ask); });
}

void PacedPushSink::GetInfo_DownCalendar(int16_t dayCode, const QString& summary, const QString& records) {
    take([=](push::PushSink& s) { s.GetInfo_DownCalendar(dayCode, summary, records); });
}

void PacedPushSink::GetInfo_UpdateCalendar(int16_t dayCode, const QString& summary, const QString& records) {
    take([=](push::PushSink& s) { s.GetInfo_UpdateCalendar(dayCode, summary, records); });
}

void PacedPushSink::take(Item item) {
    items_.push_back(std::move(item));
    if (!turnOpen_) openTurn();
    handOn();
}

// The budget counts from the first item of the turn.
void PacedPushSink::openTurn() {
    turnOpen_ = true;
    turnStartMs_ = loop_.nowMs();
    handedThisTurn_ = 0;
}

bool PacedPushSink::withinBudget() const {
    return handedThisTurn_ < ItemsPerTurn && loop_.nowMs() - turnStartMs_ < TurnBudgetMs;
}

void PacedPushSink::handOn() {
    if (delivering_) return;
    delivering_ = true;
    const std::weak_ptr<int> alive = life_;
    while (!items_.empty() && withinBudget()) {
        const Item item = std::move(items_.front());
        items_.pop_front();
        ++handedThisTurn_;
        if (push::PushSink* s = target_()) item(*s);
        // The loop that a delivery ran may have unloaded the session and this with it.
        if (alive.expired()) return;
    }
    delivering_ = false;
    closeTurnLater();
}

// Posted after the turn's first delivery, so that it runs after what that delivery posted
// for the end of the turn (the pages' batches): each later turn's items get a batch of their own.
void PacedPushSink::closeTurnLater() {
    if (closePosted_) return;
    closePosted_ = true;
    loop_.post([this, alive = std::weak_ptr<int>(life_)] {
        if (alive.expired()) return;
        closePosted_ = false;
        turnOpen_ = false;
        if (items_.empty()) return;
        openTurn();
        handOn();
    });
}
