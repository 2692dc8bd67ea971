#pragma once
#include "core/ForwardTarget.h"
#include "platform/dom/EventHandler.h"
#include <QString>
#include <memory>

// Assigned as the handler of one page event, it calls one named procedure of a window.
class clsForward : public dom::EventHandler {
public:
    // A forwarder already pointed at the procedure, to assign as a handler.
    static std::shared_ptr<clsForward> to(ForwardTarget& destination, const QString& procedure);

    void Set_Destination(ForwardTarget* destination, const QString& procedure);
    // Called by the page when the event fires; does nothing until armed.
    void theDefault() override;

private:
    ForwardTarget* destination_ = nullptr;
    QString procedure_;
    bool armed_ = false;
};
