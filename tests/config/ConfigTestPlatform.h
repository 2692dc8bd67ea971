#pragma once
#include "platform/Platform.h"
#include "platform/sim/SimLog.h"
#include "platform/sim/SimLoop.h"
#include "platform/sim/SimRegistryStore.h"
#include "platform/sim/SimShell.h"
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <vector>

// Message boxes as the configuration code shows them, recorded in order.
class RecordingMessageBox : public plat::MessageBox {
public:
    struct Box {
        QString text;
        int style;
        QString caption;
    };
    void show(const QString& text, int style, const QString& caption) override {
        boxes.push_back({text, style, caption});
    }
    std::vector<Box> boxes;
};

// A screen that only knows whether its pointer is busy.
class PointerScreen : public plat::Screen {
public:
    QRect workArea() const override { return {0, 0, 1600, 960}; }
    QRect screenRect() const override { return {0, 0, 1600, 1000}; }
    QSize virtualScreen() const override { return {1600, 1000}; }
    QPoint cursorPos() const override { return {}; }
    void setBusyCursor(bool busy) override { busy_ = busy; }
    bool busyCursor() const { return busy_; }

private:
    bool busy_ = false;
};

// The configuration code uses no network.
class NoNetwork : public plat::Network {
public:
    std::unique_ptr<plat::Socket> createSocket() override { return nullptr; }
    std::unique_ptr<plat::HttpFetch> createHttpFetch() override { return nullptr; }
};

// A desktop that only has a screen and message boxes: all the configuration code uses.
class BoxesOnlyDesktop : public plat::Desktop {
public:
    plat::Screen& screen() override { return screen_; }
    std::unique_ptr<plat::Window> createWindow(plat::WindowKind) override { return nullptr; }
    std::unique_ptr<plat::TrayIcon> createTrayIcon() override { return nullptr; }
    std::unique_ptr<plat::SoundPlayer> createSoundPlayer() override { return nullptr; }
    plat::MessageBox& messageBox() override { return boxes_; }

    PointerScreen screen_;
    RecordingMessageBox boxes_;
};

struct ConfigTestPlatform {
    plat::SimLoop loop;
    NoNetwork network;
    plat::SimShell shell;
    plat::SimRegistryStore registry;
    plat::SimLog log;
    BoxesOnlyDesktop desktop;
    plat::Platform platform{loop, desktop, network, shell, registry, log};

    std::vector<RecordingMessageBox::Box>& boxes() { return desktop.boxes_.boxes; }
    PointerScreen& screen() { return desktop.screen_; }
};

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

inline QString shippedConfigPath() { return QStringLiteral(ZEP_SOURCE_DIR "/dist/ZEP.xml"); }
