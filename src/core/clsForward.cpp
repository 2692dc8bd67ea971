#include "core/clsForward.h"

void clsForward::Set_Destination(ForwardTarget* destination, const QString& procedure) {
    destination_ = destination;
    procedure_ = procedure;
    armed_ = true;
}

void clsForward::theDefault() {
    if (armed_ && destination_) destination_->CallByName(procedure_);
}
