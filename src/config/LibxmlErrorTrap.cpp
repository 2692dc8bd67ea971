#include "config/LibxmlErrorTrap.h"
#include <libxml/globals.h>
#include <libxml/xmlerror.h>

LibxmlErrorTrap::LibxmlErrorTrap() : previousContext_(xmlStructuredErrorContext), previousHandler_(xmlStructuredError) {
    xmlSetStructuredErrorFunc(this, &LibxmlErrorTrap::collect);
}

LibxmlErrorTrap::~LibxmlErrorTrap() { xmlSetStructuredErrorFunc(previousContext_, previousHandler_); }

void LibxmlErrorTrap::collect(void* self, xmlError* error) {
    auto* trap = static_cast<LibxmlErrorTrap*>(self);
    if (!error || !error->message || trap->fatal_) return;
    const bool fatal = error->level == XML_ERR_FATAL;
    if (!fatal && !trap->message_.isEmpty()) return;
    trap->message_ = QString::fromUtf8(error->message);
    trap->line_ = error->line;
    trap->fatal_ = fatal;
}
