#include "platform/sim/SimShell.h"

namespace plat {

bool SimShell::open(const QString& target) {
    if (!succeeds_) return false;
    opened_ << target;
    return true;
}

bool SimShell::startDetached(const QString& program, const QStringList& args, const QString& workingDir) {
    if (!succeeds_) return false;
    started_.push_back({program, args, workingDir});
    if (onStarted) onStarted();
    return true;
}

bool SimShell::registerWindowTitle(const QString& title) {
    titles_->insert(title);
    return true;
}

void SimShell::unregisterWindowTitle(const QString& title) {
    const auto it = titles_->find(title);
    if (it != titles_->end()) titles_->erase(it);
}

} // namespace plat
