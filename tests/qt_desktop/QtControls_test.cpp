#include "DesktopTesting.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtWindow.h"
#include <QComboBox>
#include <QWidget>
#include <gtest/gtest.h>

using namespace plat;

// The settings dialog's controls on the real desktop, driven with the real mouse and keys.
namespace {

class QtControlsTest : public testing::Test {
protected:
    QtControlsTest() : window_(desktop_.createWindow(WindowKind::Dialog)) {
        window_->setGeometry(QRect(200, 200, 300, 200));
    }
    QtWindow& window() { return static_cast<QtWindow&>(*window_); }
    bool shown() {
        window_->show();
        return waitFor([&] { return window_->isActive(); });
    }
    QPoint onScreen(const QPoint& inWindow) { return window().widget()->mapToGlobal(inWindow); }
    static bool clickAt(const QPoint& p) {
        return xdotool({"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
    }

    QtDesktop desktop_;
    std::unique_ptr<Window> window_;
};

TEST_F(QtControlsTest, AComboBoxKeepsATextOfNoChoiceUntilTheUserChoosesAndNotWhileDisabled) {
    ComboBox* combo = window_->createComboBox();
    combo->setGeometry(QRect(10, 10, 120, 24));
    combo->setItems({"5s", "10s", "1m"});
    combo->setText("15s");
    EXPECT_EQ(combo->text(), "15s");
    combo->setText("1m");
    EXPECT_EQ(combo->text(), "1m");
    combo->setText("15s");
    ASSERT_TRUE(shown());

    combo->setEnabled(false);
    EXPECT_FALSE(combo->isEnabled());
    ASSERT_TRUE(clickAt(onScreen(QPoint(70, 22))));
    settle();
    EXPECT_EQ(combo->text(), "15s");

    combo->setEnabled(true);
    window().widget()->findChild<QComboBox*>()->setFocus();
    ASSERT_TRUE(xdotool({"key", "Down"}));
    ASSERT_TRUE(waitFor([&] { return combo->text() != "15s"; }));
    EXPECT_EQ(combo->text(), "5s");
}

TEST_F(QtControlsTest, AScrollBarTellsOnlyOfTheUsersMove) {
    ScrollBar* bar = window_->createScrollBar();
    bar->setGeometry(QRect(270, 10, 16, 180));
    bar->setRange(3);
    int changes = 0;
    bar->onChange = [&] { ++changes; };
    bar->setValue(2);
    bar->setValue(0);
    EXPECT_EQ(changes, 0);
    ASSERT_TRUE(shown());
    ASSERT_TRUE(clickAt(onScreen(QPoint(278, 182))));   // the bottom arrow
    ASSERT_TRUE(waitFor([&] { return changes > 0; }));
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(bar->maximum(), 3);
}

} // namespace
