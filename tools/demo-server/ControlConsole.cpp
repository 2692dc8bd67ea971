#include "ControlConsole.h"
#include "DemoLog.h"
#include "DemoServer.h"
#include <unistd.h>

ControlConsole::ControlConsole(DemoServer& server, DemoLog& log, std::function<void()> quit)
    : server_(server), log_(log), quit_(std::move(quit)), notifier_(STDIN_FILENO, QSocketNotifier::Read) {
    connect(&notifier_, &QSocketNotifier::activated, this, &ControlConsole::readInput);
}

void ControlConsole::readInput() {
    char chunk[512];
    const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (n <= 0) {
        // End of input (started in the background, or the terminal went away): keep serving.
        notifier_.setEnabled(false);
        return;
    }
    buffer_.append(chunk, n);
    qsizetype end;
    while ((end = buffer_.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(buffer_.left(end)).trimmed();
        buffer_.remove(0, end + 1);
        if (!line.isEmpty() && !run(line))
            log_.announce(QStringLiteral("commands: kick [account] | news | fault drop|restart|stall|junk | quit"));
    }
}

bool ControlConsole::run(const QString& line) {
    const QString command = line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    const QString argument = line.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty);
    if (command == QStringLiteral("kick")) {
        const int told = server_.kick(argument);
        log_.announce(QStringLiteral("kick: told %1 session(s)").arg(told));
    } else if (command == QStringLiteral("news") && argument.isEmpty()) {
        server_.publishNews();
    } else if (command == QStringLiteral("fault")) {
        if (!server_.injectFault(argument)) return false;
    } else if (command == QStringLiteral("quit") && argument.isEmpty()) {
        quit_();
    } else {
        return false;
    }
    return true;
}
