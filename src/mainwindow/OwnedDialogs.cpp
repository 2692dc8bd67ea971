#include "mainwindow/OwnedDialogs.h"
#include "core/AppContext.h"
#include "dialogs/frmaboutnew.h"
#include "dialogs/frmdispose.h"
#include "platform/window/Window.h"
#include "session/Form1.h"

bool OwnedDialogs::loginOpen() const { return ctx_.form1 && ctx_.LoginDialogOpen; }

bool OwnedDialogs::settingsOpen() const { return ctx_.settings && ctx_.SettingsOpen; }

void OwnedDialogs::hideOpen() {
    if (loginOpen()) ctx_.form1->window().hide();
    if (settingsOpen()) ctx_.settings->window().hide();
    if (ctx_.about) ctx_.about->window().hide();
}

void OwnedDialogs::showOpen() {
    if (loginOpen() && !ctx_.form1->Visible()) ctx_.form1->Show();
    if (settingsOpen() && !ctx_.settings->Visible()) ctx_.settings->window().show();
    // Loaded is open: its close unloads it.
    if (ctx_.about && !ctx_.about->Visible()) ctx_.about->window().show();
}
