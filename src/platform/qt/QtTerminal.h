#pragma once
#include "platform/sys/Terminal.h"
#include <QByteArray>
#include <QSocketNotifier>
#include <memory>
#include <optional>
#include <termios.h>

namespace plat {

// The process's own terminal: lines typed at standard input are read as they come, while
// the event loop runs; a question with echo off turns the terminal's echo off until it is
// answered (or dropped, or this object goes).
class QtTerminal : public Terminal {
public:
    // in: where lines are typed; out: where prompts and lines go.
    explicit QtTerminal(int in = 0, int out = 2);
    ~QtTerminal() override;
    QtTerminal(const QtTerminal&) = delete;
    QtTerminal& operator=(const QtTerminal&) = delete;

    bool interactive() const override;
    void say(const QString& line) override;
    void ask(const QString& prompt, bool echo, Answer answer) override;
    void cancel() override;

private:
    void readable();
    void answerWith(std::optional<QString> line);
    void write(const QByteArray& bytes) const;
    void restoreEcho();

    int in_;
    int out_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QByteArray typed_; // read, not yet handed over
    Answer answer_;
    std::optional<termios> echoing_; // the settings to restore while echo is off
};

} // namespace plat
