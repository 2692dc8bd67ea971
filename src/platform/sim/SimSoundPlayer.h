#pragma once
#include "platform/loop/EventLoop.h"
#include "platform/sys/SoundPlayer.h"
#include <vector>

namespace plat {

// One start of a sound, as the simulated desktop records it.
struct SimSoundPlay {
    QString path;
    qint64 fromMs = 0; // position the sound started from
    qint64 atMs = 0;   // the loop's time of the start
};

// A silent sound player in the loop's virtual time: opening succeeds for a readable file;
// the duration comes from a WAV header, 1000 ms for any other file; while playing, the
// position advances with the loop's clock up to the duration. Every start is recorded.
class SimSoundPlayer : public SoundPlayer {
public:
    SimSoundPlayer(EventLoop& loop, std::vector<SimSoundPlay>& plays) : loop_(loop), plays_(plays) {}

    bool open(const QString& path) override;
    void play() override;
    void stop() override;
    void setPositionMs(qint64 ms) override;
    qint64 positionMs() const override;
    qint64 durationMs() const override { return valid_ ? durationMs_ : 0; }

    // Started and not yet at its end.
    bool playing() const { return playing_ && positionMs() < durationMs_; }

private:
    static constexpr qint64 defaultDurationMs = 1000;

    EventLoop& loop_;
    std::vector<SimSoundPlay>& plays_;
    QString path_;
    bool valid_ = false;
    bool playing_ = false;
    qint64 durationMs_ = 0;
    qint64 positionMs_ = 0; // while playing: the position at startedAtMs_
    qint64 startedAtMs_ = 0;
};

} // namespace plat
