#include "platform/qt/QtSoundPlayer.h"
#include "platform/sys/WavHeader.h"
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>

namespace plat {

QtSoundPlayer::QtSoundPlayer() {
    player_.setAudioOutput(&output_);
    connect(&player_, &QMediaPlayer::errorOccurred, this, [this] { silent_ = true; });
    connect(&player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
        if (s == QMediaPlayer::EndOfMedia) ended_ = true;
        if (s == QMediaPlayer::InvalidMedia) silent_ = true;
    });
}

bool QtSoundPlayer::open(const QString& path) {
    player_.stop();
    const QFileInfo info(path);
    valid_ = info.isFile() && info.isReadable();
    if (!valid_) return false;
    silent_ = QMediaDevices::audioOutputs().isEmpty();
    ended_ = false;
    headerDurationMs_ = WavHeader::durationMs(path).value_or(0);
    player_.setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    return true;
}

void QtSoundPlayer::play() {
    if (!valid_ || silent_) return;
    ended_ = false;
    player_.play();
}

// As the classic media control's stop: the position stays where it was.
void QtSoundPlayer::stop() {
    if (valid_) player_.pause();
}

void QtSoundPlayer::setPositionMs(qint64 ms) {
    if (!valid_) return;
    ended_ = false;
    player_.setPosition(ms);
}

qint64 QtSoundPlayer::positionMs() const {
    if (!valid_) return 0;
    return silent_ || ended_ ? durationMs() : player_.position();
}

qint64 QtSoundPlayer::durationMs() const {
    if (!valid_) return 0;
    return player_.duration() > 0 ? player_.duration() : headerDurationMs_;
}

} // namespace plat
