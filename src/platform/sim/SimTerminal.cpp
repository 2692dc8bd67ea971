#include "platform/sim/SimTerminal.h"

namespace plat {

void SimTerminal::ask(const QString& prompt, bool echo, Answer answer) {
    questions_.push_back({prompt, echo});
    answer_ = std::move(answer);
}

bool SimTerminal::type(std::optional<QString> line) {
    if (!answer_) return false;
    const Answer answer = std::move(answer_);
    answer_ = nullptr;
    answer(std::move(line));
    return true;
}

} // namespace plat
