#pragma once
#include <QString>
#include <functional>

// The server's console log: one line per event, prefixed with the wall-clock time. Tests
// attach a listener to see what the server noticed without parsing its output.
class DemoLog {
public:
    explicit DemoLog(bool quiet = false) : quiet_(quiet) {}

    void line(const QString& text);
    // Lines that must reach the console even with --quiet (where the server listens).
    void announce(const QString& text);

    std::function<void(const QString&)> listener;

private:
    bool quiet_;
};
