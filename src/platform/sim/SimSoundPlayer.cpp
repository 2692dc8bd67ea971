#include "platform/sim/SimSoundPlayer.h"
#include "platform/sys/WavHeader.h"
#include <QFileInfo>
#include <algorithm>

namespace plat {

bool SimSoundPlayer::open(const QString& path) {
    stop();
    const QFileInfo info(path);
    valid_ = info.isFile() && info.isReadable();
    if (!valid_) return false;
    path_ = path;
    durationMs_ = WavHeader::durationMs(path).value_or(defaultDurationMs);
    positionMs_ = 0;
    return true;
}

void SimSoundPlayer::play() {
    if (!valid_) return;
    positionMs_ = positionMs();
    startedAtMs_ = loop_.nowMs();
    playing_ = true;
    plays_.push_back({path_, positionMs_, startedAtMs_});
}

void SimSoundPlayer::stop() {
    positionMs_ = positionMs();
    playing_ = false;
}

void SimSoundPlayer::setPositionMs(qint64 ms) {
    positionMs_ = std::clamp<qint64>(ms, 0, durationMs_);
    startedAtMs_ = loop_.nowMs();
}

qint64 SimSoundPlayer::positionMs() const {
    if (!playing_) return positionMs_;
    return std::min(durationMs_, positionMs_ + loop_.nowMs() - startedAtMs_);
}

} // namespace plat
