#include "mainwindow/AccountPanel.h"
#include "core/AppContext.h"
#include "core/FileHelpers.h"
#include "mainwindow/MainPage.h"
#include "mainwindow/TabSwitcher.h"
#include "platform/dom/Element.h"
#include "session/Form1.h"
#include "session/wsckfrm.h"
#include <QUrl>
#include <stdexcept>

namespace {
const QString NarrowCell = QStringLiteral("220px");
const QString WideCell = QStringLiteral("290px");
constexpr int WideNicknameLength = 4;
} // namespace

void AccountPanel::load_status1() {
    const bool loggedIn = ctx_.LoggedIn == 1;
    const bool wide = loggedIn && ctx_.CurrentNickname.size() >= WideNicknameLength;
    setHeader(loggedIn, wide ? WideCell : NarrowCell);
    if (loggedIn) showAccount();
}

void AccountPanel::setHeader(bool loggedIn, const QString& cellWidth) {
    page_.setShown(QStringLiteral("load_zep"), !loggedIn);
    page_.setShown(QStringLiteral("registe_zep"), !loggedIn);
    page_.setShown(QStringLiteral("quit"), loggedIn);
    page_.setShown(QStringLiteral("nickname"), loggedIn);
    page_.element(QStringLiteral("control_righttop")).setStyle(QStringLiteral("width"), cellWidth);
}

void AccountPanel::showAccount() {
    const QString& nickname = ctx_.CurrentNickname;
    dom::Element& name = page_.element(QStringLiteral("nickname"));
    name.setInnerText(QStringLiteral("用户名：") + nickname);
    name.setTitle(QStringLiteral("点击查看个人详细信息"));
    // The user-name row of the table in the account data pane: its value cell.
    const auto tables = page_.element(QStringLiteral("mydata")).getElementsByTagName(QStringLiteral("table"));
    if (tables.empty()) throw std::runtime_error("the account data pane has no table");
    const auto rows = tables.front()->rows();
    if (rows.size() < 2 || rows[1]->cells().size() < 2)
        throw std::runtime_error("the account data pane has no user-name cell");
    rows[1]->cells()[1]->setInnerText(nickname);
}

void AccountPanel::quituser() {
    ctx_.LoggedIn = 0;
    ctx_.CurrentAccount.clear();
    ctx_.CurrentPassword.clear();
    setHeader(false, NarrowCell);
    ctx_.unload(ctx_.wsck);
}

void AccountPanel::pop_load() {
    ctx_.ManualLogin = true;
    ctx_.unload(ctx_.form1);
    // After the unload, which clears it: the dialog is open from here on.
    ctx_.LoginDialogOpen = true;
    ctx_.load(ctx_.form1).Show();
}

void AccountPanel::pop_registry() { tabs_.SwitchTab(QStringLiteral("register_page")); }

void AccountPanel::frm_loadinfo() { tabs_.SwitchTab(QStringLiteral("mydata")); }

void AccountPanel::retrieve_page() {
    // The account as typed, with the characters that would change the address's meaning
    // (& # + space ...) encoded; an e-mail address stays as it reads.
    const QString account = QString::fromLatin1(QUrl::toPercentEncoding(ctx_.CurrentAccount, "@"));
    files::ShellOpen(ctx_, ctx_.server.webSite + QStringLiteral("/datatransfer/changepassword?id=") + account);
}
