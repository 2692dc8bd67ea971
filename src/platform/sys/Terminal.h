#pragma once
#include <QString>
#include <functional>
#include <optional>

namespace plat {

// The terminal that a run without a display was started from: where a dialog that waits
// for its user can say so and ask instead.
class Terminal {
public:
    // The line typed, without its line end; none when the input has ended.
    using Answer = std::function<void(std::optional<QString> line)>;

    virtual ~Terminal() = default;
    // True when someone can type at standard input (a terminal, this run in its foreground).
    virtual bool interactive() const = 0;
    // One line for the user, on standard error.
    virtual void say(const QString& line) = 0;
    // Shows the prompt and hands over the line once it is typed; the event loop runs
    // meanwhile. With echo off the typing is not shown. A new question replaces an open one.
    virtual void ask(const QString& prompt, bool echo, Answer answer) = 0;
    // Drops the open question, if any, unanswered.
    virtual void cancel() = 0;
};

} // namespace plat
