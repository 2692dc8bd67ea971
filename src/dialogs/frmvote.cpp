#include "dialogs/frmvote.h"
#include "core/AppContext.h"
#include "platform/Platform.h"
#include "platform/browser/Browser.h"
#include "wire/PasswordDigest.h"

namespace {

constexpr QSize WindowSize(900, 640);
const QString PollPath = QStringLiteral("/voting/index?typestate=1");

} // namespace

frmvote::frmvote(AppContext& ctx)
    : ctx_(ctx), window_(ctx.platform.createWindow(plat::WindowKind::Browser)), WebBrowser1_(window_->createBrowser()) {
    window_->onResize = [this] { Form_Resize(); };
    // The user's close unloads the window, once its close has finished.
    window_->onCloseRequest = [this](bool&) {
        ctx_.platform.loop().post([&ctx = ctx_, self = this] {
            if (ctx.vote.get() == self) ctx.unload(ctx.vote);
        });
    };
}

frmvote::~frmvote() = default;

QString frmvote::LoginAddress(const QString& webSite, const QString& account, const QString& password) {
    const bool email = account.contains(u'.') && account.contains(u'@');
    const QString form =
        email ? QStringLiteral("/votedatadock/userlogin?email=") : QStringLiteral("/votedatadock/phonelogin?phone=");
    return webSite + form + account + QStringLiteral("&password=") + push::PasswordDigest::digest(password);
}

void frmvote::Form_Load() {
    window_->setTitle(ctx_.AppTitle + QStringLiteral(" 情绪墙"));
    QRect r(QPoint(0, 0), WindowSize);
    r.moveCenter(ctx_.platform.screen().workArea().center());
    window_->setGeometry(r);
    if (!WebBrowser1_) return;
    // The wait lets other events run, one of which may unload this window: it stays alive
    // until the load is done, and opens the poll only while it is still the vote window.
    const std::shared_ptr<frmvote> self = ctx_.vote.get() == this ? ctx_.vote : nullptr;
    WebBrowser1_->navigate(LoginAddress(ctx_.server.webSite, ctx_.CurrentAccount, ctx_.CurrentPassword));
    waitWhileBusy();
    if (self && ctx_.vote != self) return;
    WebBrowser1_->navigate(ctx_.server.webSite + PollPath);
    WebBrowser1_->setSilent(true);
}

// The login page sets the session that the poll needs. A login page that never comes does
// not hold the window (nor the end of the program) for ever.
void frmvote::waitWhileBusy() {
    plat::EventLoop& loop = ctx_.platform.loop();
    bool late = false;
    const int guard = loop.setThreadTimer(LoginWaitLimitMs, [&late] { late = true; });
    while (WebBrowser1_->busy() && !late) loop.pumpMessages();
    if (guard) loop.killThreadTimer(guard);
    if (late) ctx_.platform.log().write(QStringLiteral("frmvote"), QStringLiteral("the vote login page did not load"));
}

// The page fills the window.
void frmvote::Form_Resize() {
    if (WebBrowser1_) WebBrowser1_->setGeometry(QRect(QPoint(0, 0), window_->clientSize()));
}

void frmvote::Form_Unload() { window_->hide(); }

void frmvote::Show() { window_->show(); }
