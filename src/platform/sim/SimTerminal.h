#pragma once
#include "platform/sys/Terminal.h"
#include <QStringList>
#include <vector>

namespace plat {

// A terminal for tests: keeps what is said and asked; the test types the answers.
class SimTerminal : public Terminal {
public:
    struct Question {
        QString prompt;
        bool echo = true;
    };

    explicit SimTerminal(bool interactive = true) : interactive_(interactive) {}

    bool interactive() const override { return interactive_; }
    void say(const QString& line) override { lines_ << line; }
    void ask(const QString& prompt, bool echo, Answer answer) override;
    void cancel() override { answer_ = nullptr; }

    // Answers the open question with a line, or ends the input (nullopt). False when no
    // question is open.
    bool type(std::optional<QString> line);
    bool asking() const { return static_cast<bool>(answer_); }

    const QStringList& lines() const { return lines_; }
    const std::vector<Question>& questions() const { return questions_; }

private:
    bool interactive_;
    QStringList lines_;
    std::vector<Question> questions_;
    Answer answer_;
};

} // namespace plat
