#include "app/m_Main.h"
#include "core/AppContext.h"
#include "app/DesktopEntry.h"
#include "app/frmMain.h"
#include "core/FileHelpers.h"
#include "core/SettingValues.h"
#include "base/VbText.h"
#include "config/cls_Config.h"
#include "platform/Platform.h"
#include "resources/ProgramVersion.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace m_Main {

namespace {

const QString ProductShortcut = QStringLiteral("Quenra极速版.desktop");
const QString OlderShortcut = QStringLiteral("Zavez_ZEP.exe.desktop");
// The installed program's fixed name, whatever this process was started as.
const QString ShortcutProgram = QStringLiteral("Zavez_ZEP");

void refuse(AppContext& ctx, const QString& text, int extraStyle) {
    ctx.platform.messageBox().show(text, plat::mb::Exclamation | plat::mb::OkOnly | extraStyle, ctx.AppTitle);
}

// The largest picture the installation ships for launchers; empty when there is none.
QString largestIcon(const QString& appPath) {
    const QFileInfoList icons =
        QDir(appPath + QStringLiteral("icons")).entryInfoList({QStringLiteral("*.png")}, QDir::Files, QDir::Size);
    return icons.isEmpty() ? QString() : icons.first().absoluteFilePath();
}

void saveShortcut(AppContext& ctx, const DesktopEntry& entry, const QString& file) {
    if (!entry.save())
        ctx.platform.log().write(QStringLiteral("CreateDesktopShortcut"), QStringLiteral("cannot write ") + file);
}

void writeShortcut(AppContext& ctx, const QString& file, bool withIcon) {
    DesktopEntry entry(file);
    entry.setName(ctx.AppTitle);
    entry.setTarget(ctx.AppPath + ShortcutProgram);
    const QString icon = withIcon ? largestIcon(ctx.AppPath) : QString();
    if (!icon.isEmpty()) entry.setIcon(icon);
    entry.setWorkingDirectory(ctx.AppPath);
    saveShortcut(ctx, entry, file);
}

// An existing product shortcut is rewritten only when it starts another program.
void repointShortcut(AppContext& ctx, const QString& file) {
    DesktopEntry entry(file);
    const QString expected = ctx.AppPath + ShortcutProgram;
    if (!entry.load() || entry.target() == expected) return;
    entry.setTarget(expected);
    entry.setWorkingDirectory(ctx.AppPath);
    saveShortcut(ctx, entry, file);
}

// Empty when there is no desktop.
QString shortcutFile(AppContext& ctx, const QString& name) {
    const QString desktop = ctx.platform.shell().desktopDir();
    return desktop.isEmpty() ? QString() : desktop + u'/' + name;
}

// Once per document, by a start with a desktop that took the shortcut (a headless run has
// none to show it on): the marker reaches the file only with the save at exit.
void makeShortcutOnce(AppContext& ctx) {
    const QString marker = QStringLiteral("desktopshorcut");
    if (ctx.headless || ctx.Config->isExist(QString(), marker)) return;
    CreateDesktopShortcut(ctx);
    if (files::FileExists(shortcutFile(ctx, ProductShortcut))) ctx.Config->CreateNode(QString(), marker);
}

void readStartupSettings(AppContext& ctx) {
    cls_Config& cfg = *ctx.Config;
    const QString calendar = QStringLiteral("Settings/ZEP/FXCalendar");
    const QString popup = QStringLiteral("Settings/ZEP/Popup");
    // Read in this order: each missing one shows its own error box.
    const QString calendarStay = cfg.GetNodeAttrib(calendar, QStringLiteral("staytime"));
    const QString notifyTime = cfg.GetNodeAttrib(calendar, QStringLiteral("NotifyTime"));
    SettingValues::setCalendar(ctx, notifyTime, calendarStay);
    const QString popupStay = cfg.GetNodeAttrib(popup, QStringLiteral("staytime"));
    const QString soundFile = cfg.GetNodeAttrib(popup, QStringLiteral("SoundFile"));
    const bool enabled = vb::Val(cfg.GetNodeAttrib(popup, QStringLiteral("Checked"))) > 0;
    SettingValues::setPopup(ctx, enabled, popupStay, soundFile);
}

// The server node is this program's own addition to ZEP.xml, in the shipped document with
// these values (in its order); an older document kept from an earlier installation lacks
// it. Missing values are added with the shipped ones, so that the next save writes them.
const std::pair<const char*, const char*> ShippedServerValues[] = {
    {"Address", "127.0.0.1"},
    {"PushPort", "8000"},
    {"LoginPort", "12346"},
    {"LoginLocalPort", "5007"},
    {"IdentityPort", "12355"},
    {"IdentityLocalPort", "5003"},
    {"WebSite", "http://127.0.0.1:8080"},
    {"FileServer", "http://127.0.0.1:8080"},
    {"ProductSite", "http://127.0.0.1:8080/product"},
    {"MakerSite", "http://127.0.0.1:8080/maker"},
};

void completeServerNode(AppContext& ctx, const QString& node) {
    cls_Config& cfg = *ctx.Config;
    const QString parent = node.section(u'/', 0, -2);
    const QString name = node.section(u'/', -1);
    if (!cfg.isExist(parent, name)) cfg.CreateNode(parent, name);
    QStringList added;
    for (const auto& [attribute, shipped] : ShippedServerValues) {
        const QString key = QString::fromLatin1(attribute);
        if (cfg.isExistAttrib(node, key)) continue;
        cfg.CreateAttrib(node, key, QString::fromLatin1(shipped));
        added << key;
    }
    if (!added.isEmpty())
        ctx.platform.log().write(QStringLiteral("Main"), node + QStringLiteral(" lacked ") + added.join(u' ') +
                                                             QStringLiteral(": the shipped values are used and saved"));
}

void readServerSettings(AppContext& ctx) {
    cls_Config& cfg = *ctx.Config;
    const QString node = QStringLiteral("Settings/ZEP/Server");
    completeServerNode(ctx, node);
    const auto text = [&](const char* name) { return vb::Trim(cfg.GetNodeAttrib(node, QString::fromLatin1(name))); };
    const auto port = [&](const char* name) { return vb::CLng(vb::Val(text(name))); };
    ServerSettings& s = ctx.server;
    s.address = text("Address");
    s.pushPort = port("PushPort");
    s.loginPort = port("LoginPort");
    s.loginLocalPort = port("LoginLocalPort");
    s.identityPort = port("IdentityPort");
    s.identityLocalPort = port("IdentityLocalPort");
    s.webSite = text("WebSite");
    s.fileServer = text("FileServer");
    s.productSite = text("ProductSite");
    s.makerSite = text("MakerSite");
}

// Opens the configuration document; a refusal (the user has been told) when it is missing
// or broken.
int openConfig(AppContext& ctx) {
    const QString file = ctx.Folders.userFile(ctx, QStringLiteral("ZEP.xml"));
    if (!ctx.Folders.seed(ctx))
        ctx.platform.log().write(QStringLiteral("Main"),
                                 QStringLiteral("cannot copy the installation's ZEP.xml to ") + file);
    if (!ctx.Config) ctx.Config = std::make_shared<cls_Config>(ctx.platform);
    ctx.Config->setXmlFile(file);
    if (!files::FileExists(file)) {
        refuse(ctx, QStringLiteral("配置文件ZEP.xml 文件不存在!"), 0);
        return ConfigMissing;
    }
    ctx.PageBase = QStringLiteral("res://") + ctx.AppPath + ctx.ExeName + QStringLiteral(".exe/");
    // A parse error has been shown by the document itself.
    return ctx.Config->Initialize() ? Loaded : ConfigInvalid;
}

} // namespace

int Main(AppContext& ctx, const QString& exeDir) {
    ctx.CurrentAccount = QStringLiteral("not loaded");
    ctx.ManualLogin = false;
    ctx.ProgramVersion = QString::fromLatin1(zepversion::kVersionText);
    ctx.AppPath = QDir::toNativeSeparators(exeDir);
    if (!ctx.AppPath.endsWith(QDir::separator())) ctx.AppPath += QDir::separator();
    if (ctx.platform.shell().findWindowTitle(ControllerTitle)) {
        refuse(ctx, QStringLiteral("检测到一个正在运行的极速版Quenra!"), plat::mb::SystemModal);
        return AlreadyRunning;
    }
    ctx.ExePath = ctx.AppPath + ctx.ExeName;
    ctx.Folders = DataFolders::choose(DataFolders::isSystemWide(ctx.AppPath), ctx.platform.shell());
    if (const int refused = openConfig(ctx)) return refused;
    makeShortcutOnce(ctx);
    readStartupSettings(ctx);
    readServerSettings(ctx);
    ctx.load(ctx.mainCtl);
    return Loaded;
}

void CreateDesktopShortcut(AppContext& ctx) {
    const QString product = shortcutFile(ctx, ProductShortcut);
    const QString older = shortcutFile(ctx, OlderShortcut);
    if (product.isEmpty()) return;
    const bool hasProduct = files::FileExists(product);
    const bool hasOlder = files::FileExists(older);
    if (hasOlder) files::DeleteFile(older);
    if (hasProduct && hasOlder) {
        repointShortcut(ctx, product);
        return;
    }
    if (hasProduct) files::DeleteFile(product);
    writeShortcut(ctx, product, hasProduct || hasOlder);
}

} // namespace m_Main
