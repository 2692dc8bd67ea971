#pragma once

namespace dom {

// What a page element calls when one of its events fires: the program's forwarder
// (clsForward, src/app) implements it. Bound per element and event name with
// Element::setHandler ("onclick", "onmousedown", ...); the document can hold handlers too.
class EventHandler {
public:
    virtual ~EventHandler() = default;
    // The forwarder's default member: called by the page when the event fires.
    virtual void theDefault() = 0;
};

} // namespace dom
