#include "platform/qt/QtSoundPlayer.h"
#include "platform/sys/WavHeader.h"
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>
#include <algorithm>

namespace plat {

bool QtSoundPlayer::open(const QString& path) {
    stop();
    const QFileInfo info(path);
    valid_ = info.isFile() && info.isReadable();
    startMs_ = 0;
    if (!valid_) return false;
    durationMs_ = WavHeader::durationMs(path).value_or(0);
    noOutput_ = QMediaDevices::audioOutputs().isEmpty();
    effect_.setSource(noOutput_ ? QUrl() : QUrl::fromLocalFile(info.absoluteFilePath()));
    return true;
}

// The effect plays from its start: callers rewind first (setPositionMs(0)).
void QtSoundPlayer::play() {
    if (!valid_) return;
    playing_ = true;
    clock_.start();
    if (!silent()) effect_.play();
}

// As the classic media control's stop: the position stays where it was.
void QtSoundPlayer::stop() {
    if (!playing_) return;
    startMs_ = positionMs();
    playing_ = false;
    effect_.stop();
}

void QtSoundPlayer::setPositionMs(qint64 ms) {
    if (!valid_) return;
    startMs_ = std::clamp<qint64>(ms, 0, durationMs_);
    if (playing_) clock_.start();
}

qint64 QtSoundPlayer::positionMs() const {
    if (!valid_) return 0;
    if (silent()) return durationMs_;
    if (!playing_) return startMs_;
    return std::min(durationMs_, startMs_ + clock_.elapsed());
}

qint64 QtSoundPlayer::durationMs() const { return valid_ ? durationMs_ : 0; }

bool QtSoundPlayer::silent() const { return noOutput_ || effect_.status() == QSoundEffect::Error; }

} // namespace plat
