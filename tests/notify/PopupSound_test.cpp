#include "NotifyFixture.h"
#include "notify/PlayMediaCls.h"

namespace {

using PopupSound = NotifyFixture;

// Disabled popups make no window; without a sound file, or with a missing one, the popup
// shows silently.
TEST_F(PopupSound, DisabledPopupsMakeNoWindowAndNoSoundFileIsSilent) {
    ctx.PopupEnabled = false;
    popup(QStringLiteral("A"));
    popup(QStringLiteral("B"), 8);
    EXPECT_FALSE(ctx.popup);
    EXPECT_FALSE(ctx.PopupShowing);
    ctx.PopupEnabled = true;
    ctx.PopupSoundFile.clear();
    popup(QStringLiteral("C"));
    EXPECT_TRUE(ctx.PopupShowing);
    ctx.PopupShowing = false;
    ctx.PopupSoundFile = QStringLiteral("gone.wav");
    popup(QStringLiteral("D"));
    EXPECT_TRUE(ctx.PopupShowing);
    EXPECT_TRUE(plays().empty());
}

// The sound lasts 1000 ms; the end poll runs every 100 ms.
TEST_F(PopupSound, PlaysOnceWhilePlayingAndAgainSoonAfterItsEnd) {
    popup(QStringLiteral("A"));
    ASSERT_EQ(plays().size(), 1u);
    const qint64 start = plays()[0].atMs;
    EXPECT_EQ(plays()[0].path, soundFile());
    advance(50);
    popup(QStringLiteral("B"));
    advance(start + 990 - sim.loop.nowMs());
    popup(QStringLiteral("C"));
    EXPECT_EQ(plays().size(), 1u);
    advance(start + 1100 - sim.loop.nowMs());
    popup(QStringLiteral("D"));
    ASSERT_EQ(plays().size(), 2u);
    EXPECT_EQ(plays()[1].fromMs, 0);
}

TEST_F(PopupSound, PlayerRewindsAndRefusesWhatItCannotOpen) {
    PlayMediaCls player(ctx);
    EXPECT_FALSE(player.OpenMedia(ctx.AppPath + QStringLiteral("Sound/gone.wav")));
    EXPECT_FALSE(player.Valid());

    ASSERT_TRUE(player.OpenMedia(soundFile()));
    player.Play(false);
    advance(400);
    player.Stop_();
    player.Play(true);
    ASSERT_EQ(plays().size(), 2u);
    EXPECT_EQ(plays()[1].fromMs, 0);
    advance(1000);
    EXPECT_FALSE(player.Run());
}

} // namespace
