#pragma once
#include <QString>
#include <memory>

struct AppContext;
class CTimer;
namespace plat {
class SoundPlayer;
}

// Plays one sound file at a time. Whoever plays through it asks Run() first, so a sound is
// never cut off by the next; the end timer notices the end and frees the player.
class PlayMediaCls {
public:
    static constexpr int EndPollMs = 100;

    explicit PlayMediaCls(AppContext& ctx);
    ~PlayMediaCls();
    PlayMediaCls(const PlayMediaCls&) = delete;
    PlayMediaCls& operator=(const PlayMediaCls&) = delete;

    // Drops the previous file and opens this one; false when it cannot be played.
    bool OpenMedia(const QString& path);
    bool Valid() const { return valid_; }
    // From the start; watchEnd polls for the end so that Run() turns false there.
    void Play(bool watchEnd);
    void Stop_();
    // Started and its end not yet seen.
    bool Run() const { return running_; }

private:
    void mTimer_ThatTime();
    void release();

    AppContext& ctx_;
    std::unique_ptr<plat::SoundPlayer> graph_;
    std::unique_ptr<CTimer> endTimer_;
    bool valid_ = false;
    bool running_ = false;
};
