#pragma once
#include "wire/PushSink.h"
#include <QtGlobal>
#include <deque>
#include <functional>
#include <memory>

namespace plat {
class EventLoop;
}

// Stands between the push decoder and the main window. The decoded items go on in the order
// they came, as many in one turn of the loop as its budget allows; the rest wait for the
// next turn, so that a burst of flashes or quotes never holds the loop for long while the
// pages still get one batch a turn. Items of a trickle go on at once, in their own turn.
class PacedPushSink : public push::PushSink {
public:
    // How long one turn hands items on, by the loop's clock.
    static constexpr int TurnBudgetMs = 10;
    // At most this many items a turn; where work takes no time (the simulated loop), this
    // alone paces.
    static constexpr int ItemsPerTurn = 50;

    // target: where the items go, asked at each hand-on; nullptr drops the item.
    PacedPushSink(plat::EventLoop& loop, std::function<push::PushSink*()> target);

    // Whether items wait for a later turn.
    bool pending() const { return !items_.empty(); }
    // Forgets the waiting items; whether there were any.
    bool discard();

    void Get_allMsg(const QString& unused, const QString& time, const QString& title, int32_t newsId,
                    uint8_t detailFlag) override;
    void quot_center(const QString& symbol, const QString& bid, const QString& ask) override;
    void GetInfo_DownCalendar(int16_t dayCode, const QString& summary, const QString& records) override;
    void GetInfo_UpdateCalendar(int16_t dayCode, const QString& summary, const QString& records) override;

private:
    using Item = std::function<void(push::PushSink&)>;

    void take(Item item);
    void openTurn();
    bool withinBudget() const;
    void handOn();
    void closeTurnLater();

    plat::EventLoop& loop_;
    std::function<push::PushSink*()> target_;
    std::deque<Item> items_;
    bool turnOpen_ = false;
    qint64 turnStartMs_ = 0;
    int handedThisTurn_ = 0;
    bool closePosted_ = false;
    // A delivery may run the loop (a page load waits); items that come meanwhile queue up.
    bool delivering_ = false;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};
