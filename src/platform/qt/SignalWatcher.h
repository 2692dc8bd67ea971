#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace plat {

// Turns SIGINT and SIGTERM into a call on the event loop (the self-pipe pattern), so that
// an interrupted run can end through the program's own exit sequence. One per process.
class SignalWatcher : public QObject {
public:
    SignalWatcher();
    ~SignalWatcher() override;
    SignalWatcher(const SignalWatcher&) = delete;
    SignalWatcher& operator=(const SignalWatcher&) = delete;

    // Called on the loop with the signal's number.
    std::function<void(int signal)> onSignal;

private:
    void drain();

    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace plat
