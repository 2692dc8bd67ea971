#pragma once
#include "TestFiles.h"
#include "core/AppContext.h"
#include "platform/sim/SimPlatform.h"
#include <QDir>
#include <QTemporaryDir>
#include <memory>

// A scratch installation directory with a configuration document, a scratch desktop,
// and simulated processes started in it.
class TestInstallation {
public:
    // A simulated process of the program: its system and its process-wide values.
    struct Process {
        explicit Process(std::shared_ptr<plat::SimShell::Titles> titles) : sim(std::move(titles)) {}
        plat::SimPlatform sim;
        AppContext ctx{sim.platform};
    };

    TestInstallation() {
        QDir().mkpath(appDir());
        QDir().mkpath(desktopDir());
    }

    QString appDir() const { return root_.path() + QStringLiteral("/app"); }
    QString desktopDir() const { return root_.path() + QStringLiteral("/desktop"); }
    QString configFile() const { return appDir() + QStringLiteral("/ZEP.xml"); }

    // The document with every setting the start-up and the main window read.
    static QString defaultConfig() {
        return QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<App>
  <Settings>
    <ZEP>
      <Popup staytime=" 5m " SoundFile=" ding.wav " Checked="1"/>
      <FXCalendar staytime="2m" NotifyTime="10.5"/>
      <Server Address="127.0.0.1" PushPort="8000" LoginPort="12346" LoginLocalPort="5007"
              IdentityPort="12355" IdentityLocalPort="5003" WebSite="http://127.0.0.1:8081"
              FileServer="http://127.0.0.1:8080" ProductSite="http://product.test"
              MakerSite="http://maker.test"/>
    </ZEP>
  </Settings>
  <Window>
    <ZEP_Main Left="40" Top="30" Width="1020" Height="700"/>
    <ZEP_state windstate="0"/>
  </Window>
</App>
)");
    }

    void writeConfig(const QString& xml = defaultConfig()) const { writeFile(configFile(), xml.toUtf8()); }
    QString readConfig() const { return QString::fromUtf8(readFile(configFile())); }

    // A new process on the same machine: it sees the window titles of the others.
    std::unique_ptr<Process> process() {
        auto p = std::make_unique<Process>(titles_);
        p->sim.shell.setDesktopDir(desktopDir());
        p->sim.shell.setWindowsDir(root_.path());
        p->sim.shell.setUserDataDir(root_.path());
        return p;
    }

private:
    QTemporaryDir root_;
    std::shared_ptr<plat::SimShell::Titles> titles_ = std::make_shared<plat::SimShell::Titles>();
};
