#include "mainwindow/OwnedDialogs.h"
#include "core/AppContext.h"
#include "platform/window/Window.h"
#include "session/Form1.h"

bool OwnedDialogs::loginOpen() const { return ctx_.form1 && ctx_.LoginDialogOpen; }

void OwnedDialogs::hideOpen() {
    if (loginOpen()) ctx_.form1->window().hide();
}

void OwnedDialogs::showOpen() {
    if (loginOpen() && !ctx_.form1->Visible()) ctx_.form1->Show();
}
