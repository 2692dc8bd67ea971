#pragma once
#include "core/ForwardTarget.h"
#include "platform/dom/EventHandler.h"
#include <QString>

// Assigned as the handler of one page event, it calls one named procedure of a window.
class clsForward : public dom::EventHandler {
public:
    void Set_Destination(ForwardTarget* destination, const QString& procedure);
    // Called by the page when the event fires; does nothing until armed.
    void theDefault() override;

private:
    ForwardTarget* destination_ = nullptr;
    QString procedure_;
    bool armed_ = false;
};
