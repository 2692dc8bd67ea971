#include "core/clsForward.h"

std::shared_ptr<clsForward> clsForward::to(ForwardTarget& destination, const QString& procedure) {
    auto f = std::make_shared<clsForward>();
    f->Set_Destination(&destination, procedure);
    return f;
}

void clsForward::Set_Destination(ForwardTarget* destination, const QString& procedure) {
    destination_ = destination;
    procedure_ = procedure;
    armed_ = true;
}

void clsForward::theDefault() {
    if (armed_ && destination_) destination_->CallByName(procedure_);
}
