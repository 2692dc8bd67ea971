#include "TestFiles.h"
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Wave {
    QByteArray riff, wave, fmt;
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<int16_t> samples;
};

// A canonical 44-byte header followed by the samples.
Wave readWave(const QString& path) {
    Wave w;
    const QByteArray b = readFile(path);
    if (b.size() < 44) return w;
    const char* d = b.constData();
    w.riff = b.mid(0, 4);
    w.wave = b.mid(8, 4);
    w.fmt = b.mid(12, 4);
    w.format = qFromLittleEndian<quint16>(d + 20);
    w.channels = qFromLittleEndian<quint16>(d + 22);
    w.rate = static_cast<int>(qFromLittleEndian<quint32>(d + 24));
    w.bits = qFromLittleEndian<quint16>(d + 34);
    const quint32 riffSize = qFromLittleEndian<quint32>(d + 4);
    const quint32 dataSize = qFromLittleEndian<quint32>(d + 40);
    if (b.mid(36, 4) != "data" || dataSize + 44 != static_cast<quint32>(b.size()) || riffSize + 8 != dataSize + 44) {
        return w;
    }
    for (quint32 i = 0; i < dataSize / 2; ++i) w.samples.push_back(qFromLittleEndian<qint16>(d + 44 + 2 * i));
    return w;
}

class Sounds : public testing::TestWithParam<const char*> {};

} // namespace

TEST_P(Sounds, AreShortAudibleChimesIn16BitPcm) {
    const Wave w = readWave(QStringLiteral(ZEP_BINARY_DIR "/resources/generated/Sound/") + QLatin1String(GetParam()));
    EXPECT_EQ(w.riff, "RIFF");
    EXPECT_EQ(w.wave, "WAVE");
    EXPECT_EQ(w.fmt, "fmt ");
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bits, 16);
    ASSERT_GT(w.rate, 0);
    ASSERT_FALSE(w.samples.empty());
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
