#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <functional>

class DemoServer;
class DemoLog;

// Commands typed on standard input while the server runs:
//   kick [account]  "logged in elsewhere" to the account's sessions, or to all
//   news            publish a news flash now
//   quit            stop the server
class ControlConsole : public QObject {
public:
    ControlConsole(DemoServer& server, DemoLog& log, std::function<void()> quit);

    // Runs one command line; false when it is not a command.
    bool run(const QString& line);

private:
    void readInput();

    DemoServer& server_;
    DemoLog& log_;
    std::function<void()> quit_;
    QSocketNotifier notifier_;
    QByteArray buffer_;
};
