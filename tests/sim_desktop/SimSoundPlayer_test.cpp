#include "TestFiles.h"
#include "WaveFile.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimLoop.h"
#include "platform/sys/WavHeader.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace plat;

namespace {

class SimSoundPlayerTest : public testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        EXPECT_TRUE(writeFile(dir.filePath(name), bytes));
        return dir.filePath(name);
    }

    QTemporaryDir dir;
    SimLoop loop;
    SimDesktop desktop{loop, SimDesktop::Mode::Recording};
    std::unique_ptr<SoundPlayer> player = desktop.createSoundPlayer();
};

TEST_F(SimSoundPlayerTest, DurationComesFromTheWaveHeader) {
    EXPECT_EQ(WavHeader::durationMs(write("a.wav", silentWave(12000, true))), 1500);
    EXPECT_EQ(WavHeader::durationMs(write("cut.wav", silentWave(12000, true).left(30))), std::nullopt);
    EXPECT_EQ(WavHeader::durationMs(write("b.mp3", "ID3...")), std::nullopt);

    EXPECT_FALSE(player->open(dir.filePath("missing.wav")));
    EXPECT_EQ(player->durationMs(), 0);
    ASSERT_TRUE(player->open(dir.filePath("b.mp3")));
    EXPECT_EQ(player->durationMs(), 1000);
    ASSERT_TRUE(player->open(dir.filePath("a.wav")));
    EXPECT_EQ(player->durationMs(), 1500);
}

TEST_F(SimSoundPlayerTest, PositionFollowsVirtualTimeWhilePlaying) {
    const QString path = write("ding.wav", silentWave(4000, true)); // 500 ms
    ASSERT_TRUE(player->open(path));
    loop.advance(1000);
    EXPECT_EQ(player->positionMs(), 0); // not started

    player->play();
    loop.advance(200);
    EXPECT_EQ(player->positionMs(), 200);
    player->stop();
    loop.advance(100);
    EXPECT_EQ(player->positionMs(), 200);
    player->play(); // on from where it stopped
    loop.advance(1000);
    EXPECT_EQ(player->positionMs(), 500); // held at the end

    player->setPositionMs(0);
    player->play();
    loop.advance(100);
    EXPECT_EQ(player->positionMs(), 100);

    const auto& plays = desktop.soundPlays();
    ASSERT_EQ(plays.size(), 3u);
    EXPECT_EQ(plays[0].path, path);
    EXPECT_EQ(plays[0].atMs, 1000);
    EXPECT_EQ(plays[1].fromMs, 200);
    EXPECT_EQ(plays[2].fromMs, 0);
}

} // namespace
