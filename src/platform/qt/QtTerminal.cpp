#include "platform/qt/QtTerminal.h"
#include <cerrno>
#include <unistd.h>

namespace plat {

QtTerminal::QtTerminal(int in, int out) : in_(in), out_(out) {}

QtTerminal::~QtTerminal() { cancel(); }

// A run in the background of its terminal would be stopped at its first read. (A terminal
// that is not this process's controlling one has no foreground to ask about.)
bool QtTerminal::interactive() const {
    if (::isatty(in_) != 1) return false;
    const pid_t foreground = ::tcgetpgrp(in_);
    return foreground < 0 || foreground == ::getpgrp();
}

void QtTerminal::say(const QString& line) { write(line.toUtf8() + '\n'); }

void QtTerminal::ask(const QString& prompt, bool echo, Answer answer) {
    cancel();
    answer_ = std::move(answer);
    termios settings{};
    if (!echo && ::tcgetattr(in_, &settings) == 0) {
        echoing_ = settings;
        settings.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(in_, TCSANOW, &settings);
    }
    write(prompt.toUtf8());
    if (!notifier_) {
        notifier_ = std::make_unique<QSocketNotifier>(in_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { readable(); });
    }
    notifier_->setEnabled(true);
    // A line typed ahead answers at once.
    if (typed_.contains('\n')) readable();
}

void QtTerminal::cancel() {
    if (notifier_) notifier_->setEnabled(false);
    answer_ = nullptr;
    restoreEcho();
}

void QtTerminal::readable() {
    char buffer[4096];
    const ssize_t n = typed_.contains('\n') ? 0 : ::read(in_, buffer, sizeof buffer);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (n > 0) typed_.append(buffer, n);
    const qsizetype end = typed_.indexOf('\n');
    if (end >= 0) {
        const QByteArray line = typed_.left(end);
        typed_.remove(0, end + 1);
        answerWith(QString::fromLocal8Bit(line.endsWith('\r') ? line.chopped(1) : line));
    } else if (n <= 0) {
        answerWith(std::nullopt); // the input has ended (or cannot be read)
    }
}

void QtTerminal::answerWith(std::optional<QString> line) {
    // Enter typed without echo did not move the cursor to the next line.
    if (echoing_) write("\n");
    const Answer answer = std::move(answer_);
    cancel();
    if (answer) answer(std::move(line));
}

void QtTerminal::write(const QByteArray& bytes) const {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(out_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += n;
    }
}

void QtTerminal::restoreEcho() {
    if (!echoing_) return;
    ::tcsetattr(in_, TCSANOW, &*echoing_);
    echoing_.reset();
}

} // namespace plat
