#pragma once
#include <QString>
#include <cstdio>

namespace plat {

// Where the headless desktop says what a user would have seen: one line per thing shown,
// on standard output, and one line per message box on standard error. Lines are UTF-8 and
// flushed at once, so that a watching process sees them as they happen.
class SimConsole {
public:
    SimConsole(std::FILE* out = stdout, std::FILE* err = stderr) : out_(out), err_(err) {}

    void out(const QString& line) { write(out_, line); }
    void err(const QString& line) { write(err_, line); }

private:
    static void write(std::FILE* f, const QString& line);

    std::FILE* out_;
    std::FILE* err_;
};

} // namespace plat
