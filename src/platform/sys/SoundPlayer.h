#pragma once
#include <QString>

namespace plat {

// Plays one sound file. A machine without audio makes open() or play() fail quietly.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual bool open(const QString& path) = 0;
    virtual void play() = 0; // from the current position
    virtual void stop() = 0;
    virtual void setPositionMs(qint64 ms) = 0;
    virtual qint64 positionMs() const = 0;
    virtual qint64 durationMs() const = 0; // 0 while unknown
};

} // namespace plat
