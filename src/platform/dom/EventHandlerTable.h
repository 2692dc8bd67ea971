#pragma once
#include "platform/dom/EventHandler.h"
#include <QString>
#include <memory>
#include <utility>
#include <vector>

namespace dom {

// The handlers bound to one element or document, by normalised event name ("onclick").
class EventHandlerTable {
public:
    // Binds h to the event, replacing an earlier one; a null h unbinds it.
    void set(const QString& name, std::shared_ptr<EventHandler> h);
    std::shared_ptr<EventHandler> get(const QString& name) const;

private:
    std::vector<std::pair<QString, std::shared_ptr<EventHandler>>> entries_;
};

} // namespace dom
