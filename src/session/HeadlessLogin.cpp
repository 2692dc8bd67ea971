#include "session/HeadlessLogin.h"
#include "core/AppContext.h"
#include "core/Controller.h"
#include "platform/Platform.h"
#include "platform/window/Controls.h"
#include "session/Form1.h"

namespace {

const QString Waiting = QStringLiteral("The login dialog (用户登录) is waiting for an account and a password.");
const QString HowToRemember =
    QStringLiteral("Nobody can answer it here. To log in by itself without a display, the program needs a "
                   "remembered login: run Zavez_ZEP --headless once in a terminal and answer y to 记住我, or "
                   "log in once with a display and tick 记住我.");

} // namespace

HeadlessLogin::HeadlessLogin(AppContext& ctx, Form1& dialog, plat::Terminal& terminal)
    : ctx_(ctx), dialog_(dialog), terminal_(terminal), ending_(ctx.platform.loop(), dialog.Timer1.Interval()) {
    ending_.onTimer = [this] { end(); };
}

HeadlessLogin::~HeadlessLogin() {
    if (asking_) terminal_.cancel();
}

void HeadlessLogin::waiting() {
    if (asking_ || ending_.Enabled()) return;
    terminal_.say(Waiting);
    sayWhatTheDialogShows();
    if (!terminal_.interactive()) return giveUp();
    asking_ = true;
    askAccount();
}

// The hints and the status line, as the dialog shows them.
void HeadlessLogin::sayWhatTheDialogShows() {
    for (const plat::Label* label : {dialog_.Label5, dialog_.Label6, dialog_.Label7})
        if (!label->text().isEmpty()) terminal_.say(QStringLiteral("  ") + label->text());
}

// An account already in the dialog (a remembered one) is kept when the answer is empty.
void HeadlessLogin::askAccount() {
    const QString account = dialog_.Text1->text();
    const QString shown = account.isEmpty() ? QString() : QStringLiteral(" [") + account + u']';
    terminal_.ask(QStringLiteral("账号 (account)") + shown + QStringLiteral(": "), true,
                  [this](std::optional<QString> line) {
                      if (!line) return giveUp();
                      if (!line->trimmed().isEmpty()) dialog_.Text1->setText(line->trimmed());
                      askPassword();
                  });
}

void HeadlessLogin::askPassword() {
    terminal_.ask(QStringLiteral("密码 (password, not shown): "), false, [this](std::optional<QString> line) {
        if (!line) return giveUp();
        dialog_.Text2->setText(*line);
        askRemember();
    });
}

// The box's state (ticked for a remembered login) is kept when the answer is empty.
void HeadlessLogin::askRemember() {
    const bool ticked = dialog_.Check1->value() == 1;
    const QString choices = ticked ? QStringLiteral("[Y/n]") : QStringLiteral("[y/N]");
    terminal_.ask(QStringLiteral("记住我 (remember this login) ") + choices + QStringLiteral(": "), true,
                  [this, ticked](std::optional<QString> line) {
                      if (!line) return giveUp();
                      const QString answer = line->trimmed().toLower();
                      const bool tick = answer.isEmpty() ? ticked : answer == u"y" || answer == u"yes";
                      dialog_.Check1->setValue(tick ? 1 : 0);
                      submit();
                  });
}

// As the dialog's button: a missing field gets its hint and the questions come again; a
// request that cannot be sent leaves nobody able to log in.
void HeadlessLogin::submit() {
    asking_ = false;
    dialog_.Image2_Click();
    if (dialog_.Timer1.Enabled()) return;
    if (!dialog_.Label5->text().isEmpty() || !dialog_.Label6->text().isEmpty()) return waiting();
    giveUp();
}

void HeadlessLogin::giveUp() {
    asking_ = false;
    terminal_.say(HowToRemember);
    terminal_.say(QStringLiteral("The program ends in %1 seconds.").arg(ending_.Interval() / 1000));
    ending_.setEnabled(true);
}

void HeadlessLogin::end() {
    ending_.setEnabled(false);
    ctx_.ExitStatus = NoLoginStatus;
    if (ctx_.controller) ctx_.controller->exitOutsideWaits();
}
