#include "platform/dom/EventHandlerTable.h"

namespace dom {

void EventHandlerTable::set(const QString& name, std::shared_ptr<EventHandler> h) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->first == name) {
            if (h)
                it->second = std::move(h);
            else
                entries_.erase(it);
            return;
        }
    }
    if (h) entries_.emplace_back(name, std::move(h));
}

std::shared_ptr<EventHandler> EventHandlerTable::get(const QString& name) const {
    for (const auto& [n, h] : entries_)
        if (n == name) return h;
    return nullptr;
}

} // namespace dom
