#include "app/DesktopEntry.h"
#include "app/frmMain.h"
#include "app/m_Main.h"
#include "core/TaskbarOwner.h"
#include "core/FileHelpers.h"
#include "config/cls_Config.h"
#include "platform/sys/MessageBox.h"
#include "resources/ProgramVersion.h"
#include "TestInstallation.h"
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

namespace mb = plat::mb;
using Process = TestInstallation::Process;

struct StartUp : ::testing::Test {
    TestInstallation inst;

    std::unique_ptr<Process> start(int expected = m_Main::Loaded) {
        auto p = inst.process();
        EXPECT_EQ(m_Main::Main(p->ctx, inst.appDir()), expected);
        return p;
    }
    std::unique_ptr<Process> startWith(const QString& from, const QString& to) {
        inst.writeConfig(TestInstallation::defaultConfig().replace(from, to));
        return start();
    }
    QString product() const { return inst.desktopDir() + QStringLiteral("/Quenra极速版.desktop"); }
    QString older() const { return inst.desktopDir() + QStringLiteral("/Zavez_ZEP.exe.desktop"); }
    QString appPath() const { return inst.appDir() + u'/'; }
};

TEST_F(StartUp, RefusesASecondInstanceAndLeavesTheFirstRunning) {
    inst.writeConfig();
    auto first = start();
    auto second = start(m_Main::AlreadyRunning);
    ASSERT_EQ(second->sim.desktop.messageBoxes().size(), 1u);
    const plat::SimShownBox& box = second->sim.desktop.messageBoxes().front();
    EXPECT_EQ(box.text, "检测到一个正在运行的极速版Quenra!");
    EXPECT_EQ(box.style, mb::Exclamation | mb::OkOnly | mb::SystemModal);
    EXPECT_EQ(box.caption, "Quenra极速版");
    EXPECT_FALSE(second->ctx.mainCtl);
    EXPECT_FALSE(second->ctx.Config);
    ASSERT_TRUE(first->ctx.mainCtl);
    EXPECT_TRUE(first->sim.shell.findWindowTitle("[brisaDesk_Class]"));
    // Once the first has ended, the next one starts.
    first->ctx.mainCtl->ExitApp();
    start();
}

TEST_F(StartUp, RefusesWithoutTheConfigurationDocumentOrWithABrokenOneAfterItsParserHasSpoken) {
    auto p = start(m_Main::ConfigMissing);
    ASSERT_EQ(p->sim.desktop.messageBoxes().size(), 1u);
    EXPECT_EQ(p->sim.desktop.messageBoxes().front().text, "配置文件ZEP.xml 文件不存在!");
    EXPECT_EQ(p->sim.desktop.messageBoxes().front().style, mb::Exclamation | mb::OkOnly);
    EXPECT_FALSE(p->ctx.mainCtl);
    EXPECT_FALSE(p->sim.shell.findWindowTitle("[brisaDesk_Class]"));
    p.reset();

    inst.writeConfig("<?xml version=\"1.0\"?>\n<App>\n<Settings>\n</App>\n");
    auto q = start(m_Main::ConfigInvalid);
    ASSERT_EQ(q->sim.desktop.messageBoxes().size(), 1u);
    EXPECT_EQ(q->sim.desktop.messageBoxes().front().style & mb::Critical, mb::Critical);
    EXPECT_TRUE(q->sim.desktop.messageBoxes().front().text.endsWith(u'4'));
    EXPECT_FALSE(q->ctx.mainCtl);
    EXPECT_FALSE(QFile::exists(product()));
}

TEST_F(StartUp, SetsTheStartUpValues) {
    inst.writeConfig();
    auto p = start();
    const AppContext& ctx = p->ctx;
    EXPECT_EQ(ctx.AppPath, appPath());
    EXPECT_EQ(ctx.ExePath, appPath() + "Zavez_ZEP");
    EXPECT_EQ(ctx.PageBase, "res://" + appPath() + "Zavez_ZEP.exe/");
    EXPECT_EQ(ctx.CurrentAccount, "not loaded");
    EXPECT_EQ(ctx.ProgramVersion, zepversion::kVersionText);
    EXPECT_EQ(ctx.CalendarStaySeconds, 120);
    EXPECT_EQ(ctx.CalendarNotifyTime, 10);
    EXPECT_EQ(ctx.PopupStayTime, "5m");
    EXPECT_EQ(ctx.PopupSoundFile, "ding.wav");
    EXPECT_TRUE(ctx.PopupEnabled);
    EXPECT_EQ(ctx.server.address, "127.0.0.1");
    EXPECT_EQ(ctx.server.pushPort, 8000);
    EXPECT_EQ(ctx.server.loginLocalPort, 5007);
    EXPECT_EQ(ctx.server.identityPort, 12355);
    EXPECT_EQ(ctx.server.fileServer, "http://127.0.0.1:8080");
    EXPECT_EQ(ctx.server.makerSite, "http://maker.test");
    EXPECT_TRUE(p->sim.desktop.messageBoxes().empty());
    ASSERT_TRUE(ctx.mainCtl);
}

TEST_F(StartUp, AnOlderDocumentWithoutServerValuesGetsTheShippedOnes) {
    const auto values = [](const ServerSettings& s) {
        return QStringList{s.address,
                           QString::number(s.pushPort),
                           QString::number(s.loginPort),
                           QString::number(s.loginLocalPort),
                           QString::number(s.identityPort),
                           QString::number(s.identityLocalPort),
                           s.webSite,
                           s.fileServer,
                           s.productSite,
                           s.makerSite};
    };
    const QString shipped = QString::fromUtf8(readFile(QStringLiteral(ZEP_SOURCE_DIR "/dist/ZEP.xml")));
    inst.writeConfig(shipped);
    const QStringList shippedValues = values(start()->ctx.server);

    QString older = shipped;
    older.remove(QRegularExpression(QStringLiteral("<Server[^>]*>")));
    ASSERT_NE(older, shipped);
    inst.writeConfig(older);
    auto p = start();
    EXPECT_TRUE(p->sim.desktop.messageBoxes().empty());
    EXPECT_EQ(values(p->ctx.server), shippedValues);
    EXPECT_EQ(p->sim.log.lines().filter("Settings/ZEP/Server").size(), 1)
        << p->sim.log.lines().join('\n').toStdString();
    p->ctx.mainCtl->ExitApp();
    EXPECT_TRUE(inst.readConfig().contains(R"(<Server Address="127.0.0.1" PushPort="8000")"));

    // One value missing: only it takes the shipped value.
    auto q = startWith(R"(MakerSite="http://maker.test")", QString());
    EXPECT_TRUE(q->sim.desktop.messageBoxes().empty());
    EXPECT_EQ(q->ctx.server.makerSite, shippedValues.last());
    EXPECT_EQ(q->ctx.server.productSite, "http://product.test");
}

TEST_F(StartUp, AppPathGetsOneSeparatorAlsoAtTheRoot) {
    auto root = inst.process();
    m_Main::Main(root->ctx, "/");
    EXPECT_EQ(root->ctx.AppPath, "/");
    EXPECT_EQ(root->ctx.ExePath, "/Zavez_ZEP");

    inst.writeConfig();
    auto p = inst.process();
    EXPECT_EQ(m_Main::Main(p->ctx, inst.appDir() + '/'), m_Main::Loaded);
    EXPECT_EQ(p->ctx.AppPath, appPath());
}

TEST_F(StartUp, PopupsAreOnOnlyForAPositiveNumber) {
    EXPECT_TRUE(startWith("Checked=\"1\"", "Checked=\"1\"")->ctx.PopupEnabled);
    for (const char* off : {"0", "-1", "", "yes"}) {
        auto p = startWith("Checked=\"1\"", QStringLiteral("Checked=\"%1\"").arg(off));
        EXPECT_FALSE(p->ctx.PopupEnabled) << off;
        p->ctx.mainCtl->ExitApp();
    }
}

// The desktop shortcut.

struct Shortcut : StartUp {
    QString program() const { return appPath() + "Zavez_ZEP"; }
    void writeShortcut(const QString& file, const QString& target) {
        DesktopEntry e(file);
        e.setName("mine");
        e.setTarget(target);
        ASSERT_TRUE(e.save());
    }
    DesktopEntry read(const QString& file) {
        DesktopEntry e(file);
        EXPECT_TRUE(e.load());
        return e;
    }
    void startOnce() {
        inst.writeConfig();
        start();
        EXPECT_FALSE(QFile::exists(older()));
        EXPECT_TRUE(QFile::exists(product()));
    }
    void addIcons() {
        QDir().mkpath(inst.appDir() + "/icons");
        writeFile(inst.appDir() + "/icons/16.png", "small");
        writeFile(inst.appDir() + "/icons/256.png", "a much larger picture");
    }
    QString file(const QString& path) { return QString::fromUtf8(readFile(path)); }
};

TEST_F(Shortcut, NoneYetGivesTheProductShortcutWithoutIcon) {
    addIcons();
    startOnce();
    const QString text = file(product());
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("Type=Application\n"));
    EXPECT_TRUE(text.contains("Name=Quenra极速版\n"));
    EXPECT_TRUE(text.contains("Path=" + appPath() + "\n"));
    EXPECT_FALSE(text.contains("Icon="));
    EXPECT_EQ(read(product()).target(), program());
    EXPECT_TRUE(QFileInfo(product()).isExecutable());
}

// An older shortcut, or the product's own alone pointing elsewhere, is made anew with icon.
TEST_F(Shortcut, AnOlderOneOrAProductOneAloneIsReplacedByTheProductShortcutWithIcon) {
    addIcons();
    for (const QString& existing : {older(), product()}) {
        writeShortcut(existing, "/elsewhere/Zavez_ZEP.exe");
        startOnce();
        const QString text = file(product());
        EXPECT_FALSE(text.contains("Name=mine"));
        EXPECT_TRUE(text.contains("Icon=" + appPath() + "icons/256.png\n"));
        EXPECT_EQ(read(product()).target(), program());
    }
}

TEST_F(Shortcut, WithBothTheProductShortcutIsRepointedOnlyWhenItPointsElsewhere) {
    writeShortcut(product(), program());
    writeShortcut(older(), "/elsewhere");
    const QString untouched = file(product());
    startOnce();
    EXPECT_EQ(file(product()), untouched);

    writeShortcut(product(), "/opt/other place/Zavez_ZEP");
    writeShortcut(older(), "/elsewhere");
    startOnce();
    EXPECT_EQ(read(product()).target(), program());
    EXPECT_TRUE(file(product()).contains("Name=mine\n"));
    EXPECT_TRUE(file(product()).contains("Path=" + appPath() + "\n"));
}

TEST_F(Shortcut, TargetsWithSpacesAndShellCharactersReadBackAsWritten) {
    const QString odd = R"(/opt/my "odd" $dir\100%/Zavez_ZEP)";
    writeShortcut(product(), odd);
    EXPECT_EQ(read(product()).target(), odd);
}

TEST_F(Shortcut, IsMadeOncePerSavedDocument) {
    inst.writeConfig();
    start(); // ends without its exit: the marker never reached the file
    QFile::remove(product());
    auto second = start();
    EXPECT_TRUE(QFile::exists(product()));
    EXPECT_TRUE(second->ctx.Config->isExist("", "desktopshorcut"));
    second->ctx.mainCtl->ExitApp();
    QFile::remove(product());
    start();
    EXPECT_FALSE(QFile::exists(product()));
}

TEST_F(Shortcut, IsLeftForAStartThatHasADesktop) {
    inst.writeConfig();
    const auto startSaveAndExit = [&](bool headless, const QString& desktop = QString()) {
        auto p = inst.process();
        p->ctx.headless = headless;
        if (!desktop.isEmpty()) p->sim.shell.setDesktopDir(desktop);
        EXPECT_EQ(m_Main::Main(p->ctx, inst.appDir()), m_Main::Loaded);
        p->ctx.mainCtl->ExitApp();
    };
    startSaveAndExit(true);
    EXPECT_FALSE(QFile::exists(product()));
    EXPECT_FALSE(inst.readConfig().contains("desktopshorcut"));
    startSaveAndExit(false);
    EXPECT_TRUE(QFile::exists(product()));
    EXPECT_TRUE(inst.readConfig().contains("desktopshorcut"));
    // The other order: once made, a headless start leaves shortcut and marker alone.
    startSaveAndExit(true);
    EXPECT_TRUE(QFile::exists(product()));
    EXPECT_TRUE(inst.readConfig().contains("desktopshorcut"));

    // A desktop that cannot take the shortcut (a file stands in its place) leaves the marker
    // unwritten too.
    inst.writeConfig();
    startSaveAndExit(false, inst.configFile());
    EXPECT_FALSE(inst.readConfig().contains("desktopshorcut"));
}

// Helpers of the module.

TEST(MainHelpers, ShellOpenOpensWithTheHourglassOnlyMeanwhile) {
    TestInstallation inst;
    auto p = inst.process();
    files::ShellOpen(p->ctx, "");
    EXPECT_TRUE(p->sim.shell.opened().isEmpty());
    files::ShellOpen(p->ctx, "http://example.test/a");
    EXPECT_EQ(p->sim.shell.opened(), QStringList{"http://example.test/a"});
    EXPECT_FALSE(p->sim.desktop.simScreen().busyCursor());
    p->sim.shell.setSucceeds(false);
    files::ShellOpen(p->ctx, "http://example.test/b");
    EXPECT_FALSE(p->sim.desktop.simScreen().busyCursor());
    EXPECT_EQ(p->sim.log.lines().size(), 1);
}

TEST(MainHelpers, TheMainWindowLeavesItsOwnerAndComesBack) {
    TestInstallation inst;
    auto p = inst.process();
    auto owner = p->sim.platform.createWindow(plat::WindowKind::Hidden);
    auto main = p->sim.platform.createWindow(plat::WindowKind::Main);
    main->setOwner(owner.get());
    taskbar::AttachTaskbarProxy(p->ctx, *main);
    EXPECT_EQ(main->owner(), nullptr);
    taskbar::DetachTaskbarProxy(p->ctx, *main);
    EXPECT_EQ(main->owner(), owner.get());
}

} // namespace
