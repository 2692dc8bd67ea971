#pragma once
#include <QProcess>
#include <QStringList>

// The built demo server as a child process: started on the ports given (0: its choice),
// read line by line, commanded through its console, killed.
class DemoServerProcess {
public:
    struct Ports {
        int login = 0;
        int identity = 0;
        int push = 0;
        int http = 0;
    };

    explicit DemoServerProcess(QString dataDir);
    ~DemoServerProcess();

    // Starts and waits until the server says where it listens; false when it did not.
    // extraArgs go to the server as they are (--offer-update VERSION, ...).
    bool start(const Ports& ports, const QStringList& extraArgs = {});
    // Ends the process at once, as a crash would.
    void kill();
    void command(const QString& line);

    // Output lines since the start of the process; the count marks a point to wait after.
    const QStringList& lines() const { return lines_; }
    // Waits until a line after the first `from` lines contains text.
    bool waitForLine(const QString& text, qsizetype from = 0);
    qsizetype count(const QString& text, qsizetype from = 0) const;
    const Ports& ports() const { return ports_; }

private:
    void readOutput();
    void readPort(const QString& line);

    QString dataDir_;
    QProcess process_;
    QByteArray pending_;
    QStringList lines_;
    Ports ports_;
};
