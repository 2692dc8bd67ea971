#include "platform/qt/SignalWatcher.h"
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace plat {

namespace {

int pipeFds[2] = {-1, -1};

void onPosixSignal(int sig) {
    const int saved = errno;
    const char byte = static_cast<char>(sig);
    [[maybe_unused]] const ssize_t n = ::write(pipeFds[1], &byte, 1);
    errno = saved;
}

void install(int sig, void (*handler)(int)) {
    struct sigaction sa {};
    sa.sa_handler = handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(sig, &sa, nullptr);
}

} // namespace

SignalWatcher::SignalWatcher() {
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(pipeFds[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { drain(); });
    install(SIGINT, onPosixSignal);
    install(SIGTERM, onPosixSignal);
}

SignalWatcher::~SignalWatcher() {
    if (!notifier_) return;
    install(SIGINT, SIG_DFL);
    install(SIGTERM, SIG_DFL);
    notifier_.reset();
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

void SignalWatcher::drain() {
    char byte = 0;
    while (::read(pipeFds[0], &byte, 1) == 1) {
        if (onSignal) onSignal(static_cast<unsigned char>(byte));
    }
}

} // namespace plat
