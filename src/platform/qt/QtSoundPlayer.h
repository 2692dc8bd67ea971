#pragma once
#include "platform/sys/SoundPlayer.h"
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>

namespace plat {

// Sound on QtMultimedia. Until the player has loaded a file, the duration comes from the
// file's WAV header. A machine without audio output, or a file the player cannot play, is
// silence: the position then reports the end, so that whoever waits for the end is done.
class QtSoundPlayer : public QObject, public SoundPlayer {
public:
    QtSoundPlayer();

    bool open(const QString& path) override;
    void play() override;
    void stop() override;
    void setPositionMs(qint64 ms) override;
    qint64 positionMs() const override;
    qint64 durationMs() const override;

private:
    QAudioOutput output_;
    QMediaPlayer player_;
    bool valid_ = false;
    bool silent_ = false; // nothing can be heard of this file
    bool ended_ = false;  // played to its end
    qint64 headerDurationMs_ = 0;
};

} // namespace plat
