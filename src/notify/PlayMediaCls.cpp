#include "notify/PlayMediaCls.h"
#include "core/AppContext.h"
#include "core/CTimer.h"
#include "platform/Platform.h"

PlayMediaCls::PlayMediaCls(AppContext& ctx) : ctx_(ctx) {}

PlayMediaCls::~PlayMediaCls() { release(); }

bool PlayMediaCls::OpenMedia(const QString& path) {
    release();
    graph_ = ctx_.platform.createSoundPlayer();
    valid_ = graph_ && graph_->open(path);
    return valid_;
}

void PlayMediaCls::Play(bool watchEnd) {
    if (!valid_) return;
    graph_->setPositionMs(0);
    running_ = true;
    graph_->play();
    if (!watchEnd) return;
    if (!endTimer_) {
        endTimer_ = std::make_unique<CTimer>(ctx_.Timers);
        endTimer_->ThatTime = [this] { mTimer_ThatTime(); };
    }
    endTimer_->setInterval(EndPollMs);
}

void PlayMediaCls::Stop_() {
    if (valid_) graph_->stop();
}

void PlayMediaCls::mTimer_ThatTime() {
    if (graph_ && graph_->positionMs() < graph_->durationMs()) return;
    endTimer_->setInterval(0);
    running_ = false;
}

void PlayMediaCls::release() {
    if (graph_ && valid_) graph_->stop();
    graph_.reset();
    valid_ = false;
}
