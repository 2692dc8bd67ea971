#include "TestFiles.h"
#include "DesktopTesting.h"
#include "sim_desktop/WaveFile.h"
#include "platform/qt/QtDesktop.h"
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace plat;

namespace {

TEST(QtSoundPlayer, PlaysToTheEndOrIsSilentWithoutOutput) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ding.wav"));
    ASSERT_TRUE(writeFile(file, silentWave(300 * 8))); // 300 ms
    QtDesktop desktop;
    auto player = desktop.createSoundPlayer();

    EXPECT_FALSE(player->open(dir.filePath(QStringLiteral("missing.wav"))));
    ASSERT_TRUE(player->open(file));
    EXPECT_EQ(player->durationMs(), 300); // from the header, before loading
    player->setPositionMs(0);
    player->play();
    // Whether the machine has sound or not, whoever polls for the end sees it.
    EXPECT_TRUE(waitUntil([&] { return player->positionMs() >= player->durationMs(); }, 10000));
}

TEST(QtMessageBox, ShowsCaptionTextAndIconUntilAnswered) {
    QtDesktop desktop;
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool onTop = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        onTop = box->windowFlags() & Qt::WindowStaysOnTopHint;
        box->button(QMessageBox::Ok)->click();
    });
    answer.start(50);

    desktop.messageBox().show(QStringLiteral("错误:#5 - 无效"), mb::Critical | mb::SystemModal,
                              QStringLiteral("Quenra极速版"));
    EXPECT_EQ(caption, QStringLiteral("Quenra极速版"));
    EXPECT_EQ(text, QStringLiteral("错误:#5 - 无效"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(onTop);
}

} // namespace
