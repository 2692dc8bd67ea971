#pragma once
#include <QByteArray>
#include <cstdint>
#include <vector>

// RIFF WAVE files of 16-bit mono PCM.
class WavWriter {
public:
    static QByteArray encode(const std::vector<int16_t>& samples, int sampleRate);
};
