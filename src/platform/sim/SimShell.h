#pragma once
#include "platform/sys/Shell.h"
#include <functional>
#include <memory>
#include <set>

namespace plat {

// The shell for tests: records what was opened and started, answers with the directories
// and adapters a test sets, and keeps window titles in a registry that the shells of
// several simulated processes can share.
class SimShell : public Shell {
public:
    struct Started {
        QString program;
        QStringList args;
        QString workingDir;
    };
    using Titles = std::multiset<QString>;

    explicit SimShell(std::shared_ptr<Titles> titles = std::make_shared<Titles>()) : titles_(std::move(titles)) {}

    bool open(const QString& target) override;
    bool startDetached(const QString& program, const QStringList& args, const QString& workingDir) override;
    QString desktopDir() const override { return desktopDir_; }
    QString windowsDir() const override { return windowsDir_; }
    QString userDataDir() const override { return userDataDir_; }
    std::vector<NetworkAdapter> networkAdapters() const override { return adapters_; }
    bool findWindowTitle(const QString& title) const override { return titles_->count(title); }
    bool registerWindowTitle(const QString& title) override;
    void unregisterWindowTitle(const QString& title) override;

    void setDesktopDir(const QString& dir) { desktopDir_ = dir; }
    void setWindowsDir(const QString& dir) { windowsDir_ = dir; }
    void setUserDataDir(const QString& dir) { userDataDir_ = dir; }
    void setAdapters(std::vector<NetworkAdapter> adapters) { adapters_ = std::move(adapters); }
    // While off, open() and startDetached() fail (and record nothing).
    void setSucceeds(bool on) { succeeds_ = on; }

    // Called as each start is recorded, for a test to look at that moment.
    std::function<void()> onStarted;

    const QStringList& opened() const { return opened_; }
    const std::vector<Started>& started() const { return started_; }
    // The registry to hand to the shell of another simulated process.
    std::shared_ptr<Titles> titles() const { return titles_; }

private:
    std::shared_ptr<Titles> titles_;
    QString desktopDir_;
    QString windowsDir_;
    QString userDataDir_;
    std::vector<NetworkAdapter> adapters_;
    bool succeeds_ = true;
    QStringList opened_;
    std::vector<Started> started_;
};

} // namespace plat
