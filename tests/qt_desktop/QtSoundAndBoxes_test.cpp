#include "DesktopTesting.h"
#include "platform/qt/QtDesktop.h"
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace plat;

namespace {

// 8 kHz, mono, 8-bit PCM with durationMs of silence.
QByteArray wave(int durationMs) {
    auto le32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    const quint32 bytes = static_cast<quint32>(durationMs * 8);
    const QByteArray fmt =
        QByteArray("\x01\x00\x01\x00", 4) + le32(8000) + le32(8000) + QByteArray("\x01\x00\x08\x00", 4);
    const QByteArray body = QByteArray("WAVE") + "fmt " + le32(16) + fmt + "data" + le32(bytes) +
                            QByteArray(static_cast<int>(bytes), '\x80');
    return QByteArray("RIFF") + le32(body.size()) + body;
}

TEST(QtSoundPlayer, PlaysToTheEndOrIsSilentWithoutOutput) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("ding.wav")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(wave(300));
    file.close();
    QtDesktop desktop;
    auto player = desktop.createSoundPlayer();

    EXPECT_FALSE(player->open(dir.filePath(QStringLiteral("missing.wav"))));
    ASSERT_TRUE(player->open(file.fileName()));
    EXPECT_EQ(player->durationMs(), 300); // from the header, before loading
    player->setPositionMs(0);
    player->play();
    // Whether the machine has sound or not, whoever polls for the end sees it.
    EXPECT_TRUE(waitFor([&] { return player->positionMs() >= player->durationMs(); }, 10000));
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
