#pragma once
#include <QString>
#include <optional>

namespace plat {

// The playing time of a RIFF WAVE file from its header: the data chunk's size over the
// format chunk's byte rate. Both sound backends use it before (or instead of) a player
// reporting the duration itself.
class WavHeader {
public:
    // Empty when the file cannot be read or is not a WAVE file with both chunks.
    static std::optional<qint64> durationMs(const QString& path);
};

} // namespace plat
