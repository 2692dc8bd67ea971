#include "DesktopTesting.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtTrayIcon.h"
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using namespace plat;

namespace {

// Qt's own widgets of an XEmbed tray: the icon docked in the tray host, the balloon.
QWidget* shownWidget(const char* className) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits(className) && w->isVisible()) return w;
    return nullptr;
}

bool balloonShowing() { return shownWidget("QBalloonTip") != nullptr; }

class QtTrayIconTest : public testing::Test {
protected:
    QtTrayIconTest() {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        image.save(iconPath);
        icon = desktop.createTrayIcon();
        tray = static_cast<QtTrayIcon*>(icon.get());
        icon->onCallback = [this](int n) { notes.push_back(n); };
    }
    bool addDocked() {
        return icon->add(iconPath, QStringLiteral("Quenra极速版")) &&
               waitUntil([] { return shownWidget("QSystemTrayIconSys") != nullptr; });
    }
    // Qt places the docked icon at 0,0 (it does not know the tray's position), so the click
    // goes to the icon's own window.
    static void clickIcon(const QString& button) {
        const QString window = QString::number(shownWidget("QSystemTrayIconSys")->winId());
        ASSERT_TRUE(xdotool({"mousemove", "--window", window, "8", "8", "click", button}));
    }

    QTemporaryDir dir;
    QString iconPath = dir.filePath(QStringLiteral("app.png"));
    QtDesktop desktop;
    std::unique_ptr<TrayIcon> icon;
    QtTrayIcon* tray;
    std::vector<int> notes;
};

TEST_F(QtTrayIconTest, TheIconDocksAndItsBalloonComesAndGoes) {
    ASSERT_TRUE(addDocked());
    EXPECT_EQ(tray->icon().toolTip(), QStringLiteral("Quenra极速版"));

    icon->showBalloon(QStringLiteral("最小化到系统任务托盘栏!"), QStringLiteral("Quenra极速版仍在运行!"), 1, 300000);
    ASSERT_TRUE(waitUntil([this] { return notes == std::vector<int>{0x402}; }));
    EXPECT_TRUE(balloonShowing());
    icon->closeBalloon();
    EXPECT_TRUE(waitUntil([] { return !balloonShowing(); }));
}

TEST_F(QtTrayIconTest, ClicksOnTheIconArriveAsClassicNotifications) {
    ASSERT_TRUE(addDocked());
    clickIcon("3");
    ASSERT_TRUE(waitUntil([this] { return notes.size() >= 2; }));
    EXPECT_EQ(notes, (std::vector<int>{0x204, 0x205}));
    notes.clear();
    clickIcon("2"); // the middle button means nothing
    clickIcon("1");
    ASSERT_TRUE(waitUntil([this] { return notes.size() >= 2; }));
    EXPECT_EQ(notes, (std::vector<int>{0x201, 0x202}));
}

TEST_F(QtTrayIconTest, TheMenuKeepsAccessKeysAndShowsTheDefaultItemBold) {
    QStringList clicked;
    icon->onMenuClick = [&](const QString& key) { clicked << key; };
    icon->setMenu({{QStringLiteral("Main"), QStringLiteral("资讯窗口"), true},
                   {QStringLiteral("Settings"), QStringLiteral("配置(&S)"), false},
                   {QString(), QString(), false},
                   {QStringLiteral("Exit"), QStringLiteral("退出(&X)"), false}});
    const QList<QAction*> actions = tray->menu().actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_TRUE(actions[0]->font().bold());
    EXPECT_EQ(tray->menu().defaultAction(), actions[0]);
    EXPECT_TRUE(actions[2]->isSeparator());
    EXPECT_EQ(actions[1]->text(), QStringLiteral("配置(&S)"));

    ASSERT_TRUE(addDocked());
    icon->popupMenu();
    ASSERT_TRUE(waitUntil([this] { return tray->menu().isVisible(); }));
    ASSERT_TRUE(xdotool({"key", "x"})); // the access key of "退出(&X)"
    ASSERT_TRUE(waitUntil([&] { return !clicked.isEmpty(); }));
    EXPECT_EQ(clicked, QStringList{QStringLiteral("Exit")});
}

} // namespace
