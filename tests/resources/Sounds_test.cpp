#include "TestFiles.h"
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Wave {
    int rate = 0;
    std::vector<int16_t> samples;
};

// One channel of 16-bit PCM behind a canonical 44-byte header; nothing from any other file.
Wave readWave(const QString& path) {
    const QByteArray b = readFile(path);
    if (b.size() < 44) return {};
    const char* d = b.constData();
    const quint32 size = static_cast<quint32>(b.size());
    const quint32 dataSize = qFromLittleEndian<quint32>(d + 40);
    if (!b.startsWith("RIFF") || b.mid(8, 8) != "WAVEfmt " || b.mid(36, 4) != "data" ||
        qFromLittleEndian<quint32>(d + 4) + 8 != size || dataSize + 44 != size)
        return {};
    // Format 1 (PCM), 1 channel, 16 bits a sample.
    if (qFromLittleEndian<quint16>(d + 20) != 1 || qFromLittleEndian<quint16>(d + 22) != 1 ||
        qFromLittleEndian<quint16>(d + 34) != 16)
        return {};
    Wave w{static_cast<int>(qFromLittleEndian<quint32>(d + 24)), {}};
    for (quint32 i = 0; i < dataSize / 2; ++i) w.samples.push_back(qFromLittleEndian<qint16>(d + 44 + 2 * i));
    return w;
}

class Sounds : public testing::TestWithParam<const char*> {};

} // namespace

TEST_P(Sounds, AreShortAudibleChimesIn16BitPcm) {
    const Wave w = readWave(QStringLiteral(ZEP_BINARY_DIR "/resources/generated/Sound/") + QLatin1String(GetParam()));
    ASSERT_FALSE(w.samples.empty()) << "not mono 16-bit PCM with a canonical header";
    ASSERT_GT(w.rate, 0);
    const double seconds = static_cast<double>(w.samples.size()) / w.rate;
    EXPECT_GE(seconds, 0.3);
    EXPECT_LE(seconds, 1.5);

    int peak = 0;
    double energy = 0;
    for (int16_t s : w.samples) {
        peak = std::max(peak, std::abs(static_cast<int>(s)));
        energy += static_cast<double>(s) * s;
    }
    EXPECT_GT(peak, 16000);                                  // loud enough to notice
    EXPECT_LT(peak, 32767);                                  // never clipped
    EXPECT_GT(std::sqrt(energy / w.samples.size()), 1000.0); // not a lone click
    // Starts and ends at rest, so playing it does not click.
    EXPECT_LT(std::abs(static_cast<int>(w.samples.front())), 200);
    EXPECT_LT(std::abs(static_cast<int>(w.samples.back())), 200);
}

INSTANTIATE_TEST_SUITE_P(SoundDirectory, Sounds, testing::Values("Band.wav", "News.wav", "SSNotify.wav"));
