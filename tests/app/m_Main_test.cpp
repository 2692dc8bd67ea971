#include "app/DesktopEntry.h"
#include "app/frmMain.h"
#include "app/m_Main.h"
#include "core/TaskbarOwner.h"
#include "core/FileHelpers.h"
#include "config/cls_Config.h"
#include "platform/sys/MessageBox.h"
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

QStringList serverValues(const ServerSettings& s) {
    QStringList v{s.address, s.webSite, s.fileServer, s.productSite, s.makerSite};
    for (int port : {s.pushPort, s.loginPort, s.loginLocalPort, s.identityPort, s.identityLocalPort})
        v << QString::number(port);
    return v;
}

// Refused without the configuration document, with a broken one after its parser has spoken, and
// as a second instance, which leaves the first running. The texts of the boxes are checked by the
// headless end-to-end start.
TEST_F(StartUp, RefusesWithoutAGoodConfigurationDocumentOrAsASecondInstance) {
    auto p = start(m_Main::ConfigMissing);
    ASSERT_EQ(p->sim.desktop.messageBoxes().size(), 1u);
    EXPECT_EQ(p->sim.desktop.messageBoxes().front().style, mb::Exclamation | mb::OkOnly);
    EXPECT_FALSE(p->ctx.mainCtl);
    EXPECT_FALSE(p->sim.shell.findWindowTitle("[brisaDesk_Class]"));
    p.reset();

    inst.writeConfig("<?xml version=\"1.0\"?>\n<App>\n<Settings>\n</App>\n");
    auto q = start(m_Main::ConfigInvalid);
    ASSERT_EQ(q->sim.desktop.messageBoxes().size(), 1u);
    EXPECT_EQ(q->sim.desktop.messageBoxes().front().style & mb::Critical, mb::Critical);
    EXPECT_FALSE(q->ctx.mainCtl);
    EXPECT_FALSE(QFile::exists(product()));

    inst.writeConfig();
    auto first = start();
    auto second = start(m_Main::AlreadyRunning);
    ASSERT_EQ(second->sim.desktop.messageBoxes().size(), 1u);
    const plat::SimShownBox& box = second->sim.desktop.messageBoxes().front();
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

TEST_F(StartUp, SetsTheStartUpValuesWithPopupsOnOnlyForAPositiveNumber) {
    inst.writeConfig();
    auto p = start();
    const AppContext& ctx = p->ctx;
    EXPECT_EQ(ctx.AppPath, appPath());
    EXPECT_EQ(ctx.ExePath, appPath() + "Zavez_ZEP");
    EXPECT_EQ(ctx.PageBase, "res://" + appPath() + "Zavez_ZEP.exe/");
    EXPECT_EQ(ctx.CalendarStaySeconds, 120);
    EXPECT_EQ(ctx.CalendarNotifyTime, 10);
    EXPECT_EQ(ctx.PopupStayTime, "5m");
    EXPECT_EQ(ctx.PopupSoundFile, "ding.wav");
    EXPECT_TRUE(ctx.PopupEnabled);
    EXPECT_EQ(serverValues(ctx.server),
              QStringList({"127.0.0.1", "http://127.0.0.1:8081", "http://127.0.0.1:8080", "http://product.test",
                           "http://maker.test", "8000", "12346", "5007", "12355", "5003"}));
    EXPECT_TRUE(p->sim.desktop.messageBoxes().empty());

    p->ctx.mainCtl->ExitApp();
    // Popups are on only for a positive number.
    for (const char* value : {"0", "-1", "", "yes"}) {
        auto off = startWith("Checked=\"1\"", QStringLiteral("Checked=\"%1\"").arg(value));
        EXPECT_FALSE(off->ctx.PopupEnabled) << value;
        off->ctx.mainCtl->ExitApp();
    }

    // One separator, also at the root and after one given.
    auto root = inst.process();
    m_Main::Main(root->ctx, "/");
    EXPECT_EQ(root->ctx.AppPath, "/");
    EXPECT_EQ(root->ctx.ExePath, "/Zavez_ZEP");
    auto q = inst.process();
    EXPECT_EQ(m_Main::Main(q->ctx, inst.appDir() + '/'), m_Main::Loaded);
    EXPECT_EQ(q->ctx.AppPath, appPath());
}

// A document lacking one server value is the headless end-to-end update's case.
TEST_F(StartUp, AnOlderDocumentWithoutServerValuesGetsTheShippedOnes) {
    const QString shipped = QString::fromUtf8(readFile(QStringLiteral(ZEP_SOURCE_DIR "/dist/ZEP.xml")));
    inst.writeConfig(shipped);
    const QStringList shippedValues = serverValues(start()->ctx.server);

    QString older = shipped;
    older.remove(QRegularExpression(QStringLiteral("<Server[^>]*>")));
    ASSERT_NE(older, shipped);
    inst.writeConfig(older);
    auto p = start();
    EXPECT_TRUE(p->sim.desktop.messageBoxes().empty());
    EXPECT_EQ(serverValues(p->ctx.server), shippedValues);
    EXPECT_EQ(p->sim.log.lines().filter("Settings/ZEP/Server").size(), 1)
        << p->sim.log.lines().join('\n').toStdString();
    p->ctx.mainCtl->ExitApp();
    EXPECT_TRUE(inst.readConfig().contains(R"(<Server Address="127.0.0.1" PushPort="8000")"));
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

// None yet gives the product shortcut without icon; an older shortcut, or the product's own
// alone pointing elsewhere, is made anew with the largest icon.
TEST_F(Shortcut, NoneYetAnOlderOneOrAProductOneAloneGivesANewProductShortcut) {
    addIcons();
    for (const QString& existing : {QString(), older(), product()}) {
        SCOPED_TRACE(existing.toStdString());
        QFile::remove(product());
        if (!existing.isEmpty()) writeShortcut(existing, "/elsewhere/Zavez_ZEP.exe");
        startOnce();
        const QString text = file(product());
        EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
        EXPECT_TRUE(text.contains("Type=Application\n"));
        EXPECT_TRUE(text.contains("Name=Quenra极速版\n"));
        EXPECT_TRUE(text.contains("Path=" + appPath() + "\n"));
        const QString icon = text.contains("Icon=") ? text.section("Icon=", 1).section('\n', 0, 0) : "none";
        EXPECT_EQ(icon, existing.isEmpty() ? "none" : appPath() + "icons/256.png");
        EXPECT_EQ(read(product()).target(), program());
        EXPECT_TRUE(QFileInfo(product()).isExecutable());
    }
}

TEST_F(Shortcut, WithBothTheProductShortcutIsRepointedOnlyWhenItPointsElsewhere) {
    writeShortcut(product(), program());
    writeShortcut(older(), "/elsewhere");
    const QString untouched = file(product());
    startOnce();
    EXPECT_EQ(file(product()), untouched);

    // A target with spaces and shell characters reads back as written.
    const QString odd = R"(/opt/my "odd" $dir\100%/Zavez_ZEP)";
    writeShortcut(product(), odd);
    EXPECT_EQ(read(product()).target(), odd);
    writeShortcut(older(), "/elsewhere");
    startOnce();
    EXPECT_EQ(read(product()).target(), program());
    EXPECT_TRUE(file(product()).contains("Name=mine\n"));
    EXPECT_TRUE(file(product()).contains("Path=" + appPath() + "\n"));
}

TEST_F(Shortcut, IsMadeOncePerSavedDocumentByAStartThatHasADesktop) {
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
    start(); // ends without its exit: the marker never reached the file
    QFile::remove(product());
    startSaveAndExit(false);
    EXPECT_TRUE(QFile::exists(product()));
    EXPECT_TRUE(inst.readConfig().contains("desktopshorcut"));
    // Once made, a headless start leaves shortcut and marker alone, and no start makes it again.
    startSaveAndExit(true);
    EXPECT_TRUE(QFile::exists(product()));
    QFile::remove(product());
    startSaveAndExit(false);
    EXPECT_FALSE(QFile::exists(product()));

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
