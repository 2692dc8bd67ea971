// Arbitrary bytes as ZEP.xml: loading, the reads and writes the program makes at start,
// in the calendar and the quote center, and saving. A save either fails and leaves the
// file as it was, or writes a file that loads again and saves to the same bytes.
//
// Input: the document, optionally followed by a NUL and a text that is used as an element
// name, attribute name and path by the operations.
#include "config/cls_Config.h"
#include "platform/Platform.h"
#include "platform/sim/SimLoop.h"
#include "platform/sim/SimRegistryStore.h"
#include "platform/sim/SimShell.h"
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Kept nothing: a run of millions of inputs would otherwise grow without end.
class NoLog : public plat::Log {
public:
    void write(const QString&, const QString&) override {}
};

class QuietBoxes : public plat::MessageBox {
public:
    void show(const QString&, int, const QString&) override {}
};

class FixedScreen : public plat::Screen {
public:
    QRect workArea() const override { return {0, 0, 1600, 960}; }
    QRect screenRect() const override { return {0, 0, 1600, 1000}; }
    QSize virtualScreen() const override { return {1600, 1000}; }
    QPoint cursorPos() const override { return {}; }
    void setBusyCursor(bool) override {}
};

class BoxesOnlyDesktop : public plat::Desktop {
public:
    plat::Screen& screen() override { return screen_; }
    std::unique_ptr<plat::Window> createWindow(plat::WindowKind) override { return nullptr; }
    std::unique_ptr<plat::TrayIcon> createTrayIcon() override { return nullptr; }
    std::unique_ptr<plat::SoundPlayer> createSoundPlayer() override { return nullptr; }
    plat::MessageBox& messageBox() override { return boxes_; }

private:
    FixedScreen screen_;
    QuietBoxes boxes_;
};

class NoNetwork : public plat::Network {
public:
    std::unique_ptr<plat::Socket> createSocket() override { return nullptr; }
    std::unique_ptr<plat::HttpFetch> createHttpFetch() override { return nullptr; }
};

struct Environment {
    plat::SimLoop loop;
    NoNetwork network;
    plat::SimShell shell;
    plat::SimRegistryStore registry;
    NoLog log;
    BoxesOnlyDesktop desktop;
    plat::Platform platform{loop, desktop, network, shell, registry, log};
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("ZEP.xml"));
};

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "config_document: %s\n", what);
        std::abort();
    }
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "cannot write input");
}

void exercise(cls_Config& config, const QString& text) {
    config.GetNodeAttrib(QStringLiteral("Settings/ZEP/Popup"), QStringLiteral("staytime"));
    config.GetNodeAttrib(QStringLiteral("Settings/ZEP/FXCalendar"), QStringLiteral("NotifyTime"));
    config.GetNodeText(QStringLiteral("ZEPID"));
    config.GetNodeText(text);
    config.GetNodeAttrib(text, text);
    if (!config.isExist(QString(), QStringLiteral("desktopshorcut"))) {
        config.CreateNode(QString(), QStringLiteral("desktopshorcut"));
    }
    config.CreateNode(QString(), text);
    config.CreateNode(text, QStringLiteral("ZEPID"));
    config.SetNodeText(QStringLiteral("ZEPID"), text);
    config.CreateAttrib(QStringLiteral("Window/ZEP_Main"), text, text);
    config.SetNodeAttrib(QStringLiteral("Window/ZEP_Main"), QStringLiteral("Left"), text);
    for (int16_t day = 1; day <= 5; ++day) {
        for (ConfigNode item : config.WeekList(day)) {
            item.setAttribute(QStringLiteral("Notify"), QStringLiteral("2"));
            item.setText(item.text() + text);
        }
    }
    auto held = config.WeekList(2);
    config.RemoveWeekFXCalendar(2);
    config.AddFXCalendar(2, QStringLiteral("21:30"), text, text, QString(), QStringLiteral("?"), QStringLiteral("高"),
                         text, QStringLiteral("1"));
    config.RemoveAllFXCalendar();
    for (ConfigNode item : held) item.setAttribute(QStringLiteral("Result"), text);
    config.AddQuota(QStringLiteral("XAUUSD"), QStringLiteral("1"));
    config.AddQuota(text, QStringLiteral("1"));
    for (ConfigNode pair : config.currencyList()) pair.attributeNames();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Environment env;
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype nul = input.indexOf('\0');
    const QByteArray document = nul < 0 ? input : input.left(nul);
    const QString text = nul < 0 ? QStringLiteral("EURUSD") : QString::fromUtf8(input.mid(nul + 1));

    writeAll(env.path, document);
    cls_Config config(env.platform);
    config.setXmlFile(env.path);
    if (!config.Initialize()) {
        check(!config.XMLSave() && readAll(env.path) == document, "a failed load let a save through");
        return 0;
    }
    exercise(config, text);
    if (!config.XMLSave()) {
        check(readAll(env.path) == document, "a failed save changed the file");
        return 0;
    }
    const QByteArray saved = readAll(env.path);
    cls_Config again(env.platform);
    again.setXmlFile(env.path);
    check(again.Initialize(), "a saved document does not load");
    check(again.XMLSave(), "a reloaded document does not save");
    check(readAll(env.path) == saved, "saving a reloaded document changed it");
    return 0;
}
