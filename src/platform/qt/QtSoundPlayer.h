#pragma once
#include "platform/sys/SoundPlayer.h"
#include <QElapsedTimer>
#include <QObject>
#include <QSoundEffect>

namespace plat {

// Sound on QtMultimedia's sound effect: the program's sounds are short WAV chimes, played
// straight to the audio output. (The media player built a media pipeline for every popup's
// chime, and on a machine whose sound server refused it, one of them once hung the program
// for good in setSource.) The length comes from the file's WAV header and the position from
// the clock since play(). A machine without audio output, or a file that cannot be played,
// is silence: the position then reports the end, so that whoever waits for the end is done.
class QtSoundPlayer : public QObject, public SoundPlayer {
public:
    bool open(const QString& path) override;
    void play() override;
    void stop() override;
    void setPositionMs(qint64 ms) override;
    qint64 positionMs() const override;
    qint64 durationMs() const override;

private:
    bool silent() const;

    QSoundEffect effect_;
    QElapsedTimer clock_; // since play(), from startMs_
    qint64 startMs_ = 0;  // where play() starts counting, or where stop() left the position
    qint64 durationMs_ = 0;
    bool valid_ = false;
    bool playing_ = false;
    bool noOutput_ = false;
};

} // namespace plat
