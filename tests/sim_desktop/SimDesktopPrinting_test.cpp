#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimLoop.h"
#include <gtest/gtest.h>
#include <cstdio>

using namespace plat;

namespace {

// A stream in memory that a console can print to.
class Capture {
public:
    Capture() : file_(open_memstream(&data_, &size_)) {}
    ~Capture() {
        std::fclose(file_);
        std::free(data_);
    }
    std::FILE* file() { return file_; }
    QString text() {
        std::fflush(file_);
        return QString::fromUtf8(data_, static_cast<qsizetype>(size_));
    }

private:
    char* data_ = nullptr;
    size_t size_ = 0;
    std::FILE* file_;
};

TEST(SimDesktopPrinting, BoxesGoToErrorAndBalloonsToOutputAsLinesOnlyWhenPrinting) {
    Capture out, err;
    SimLoop loop;
    SimDesktop desktop(loop, SimDesktop::Mode::Printing, SimConsole(out.file(), err.file()));
    ASSERT_NE(desktop.console(), nullptr);

    desktop.messageBox().show(QStringLiteral("错误:#5 - 无效"), mb::Critical, QStringLiteral("Quenra极速版"));
    auto icon = desktop.createTrayIcon();
    icon->add(QString(), QString());
    icon->showBalloon(QStringLiteral("最小化到系统任务托盘栏!"), QStringLiteral("Quenra极速版仍在运行!"), 1, 300000);
    icon->closeBalloon();
    auto sound = desktop.createSoundPlayer();
    sound->play();

    EXPECT_EQ(err.text(), QStringLiteral("Quenra极速版: 错误:#5 - 无效\n"));
    EXPECT_EQ(out.text(), QStringLiteral("balloon: Quenra极速版仍在运行!: 最小化到系统任务托盘栏!\n"));
    EXPECT_EQ(desktop.messageBoxes().size(), 1u);

    // Recording only: nothing printed.
    Capture quiet;
    SimDesktop recording(loop, SimDesktop::Mode::Recording, SimConsole(quiet.file(), quiet.file()));
    recording.messageBox().show(QStringLiteral("text"), mb::Information, QStringLiteral("caption"));
    EXPECT_EQ(recording.console(), nullptr);
    EXPECT_TRUE(quiet.text().isEmpty());
    ASSERT_EQ(recording.messageBoxes().size(), 1u);
    EXPECT_EQ(recording.messageBoxes()[0].style, mb::Information);
}

} // namespace
