#include "mainwindow/frmFXInfo.h"
#include "core/AppContext.h"
#include "core/ResumeNext.h"
#include "core/Controller.h"
#include "core/TaskbarOwner.h"
#include "core/FileHelpers.h"
#include "config/cls_Config.h"
#include "dialogs/frmaboutnew.h"
#include "dialogs/frmvote.h"
#include "dialogs/frmdispose.h"
#include "platform/Platform.h"
#include "platform/browser/Browser.h"
#include "session/Form1.h"
#include "session/frmwinsock.h"

namespace {

const QString Here = QStringLiteral("frmFXInfo");
// The news window opens this far below the main window's top.
constexpr int NewsWindowDropTwips = 1905;

} // namespace

frmFXInfo::frmFXInfo(AppContext& ctx)
    : ctx_(ctx), window_(ctx.platform.createWindow(plat::WindowKind::Main)),
      setUpHost_(ctx.platform.createWindow(plat::WindowKind::Hidden)), WebBrowser1(setUpHost_->createBrowser()),
      page_(window_->createBrowser()), placement_(ctx.Config.get()), dialogs_(ctx),
      shell_(*window_, ctx.platform.screen(), page_, dialogs_, placement_),
      docking_(*window_, ctx.platform.screen(), ctx.platform.loop(), ctx.platform.log()), panes_(ctx, page_),
      tabs_(ctx, page_, panes_, [this] { SelWeekTab(today()); }), account_(ctx, page_, tabs_), news_(ctx, page_),
      calendar_(ctx, page_.get()), quotes_(ctx, page_, *this), bridge_(ctx, page_, *this, [this] { pageSetUp(); }),
      procedures_(procedureTable()) {
    wireWindow();
}

frmFXInfo::~frmFXInfo() {
    if (ctx_.pushSink == this) ctx_.pushSink = nullptr;
    if (ctx_.loginSink == this) ctx_.loginSink = nullptr;
}

void frmFXInfo::wireWindow() {
    window_->onResize = [this] { Form_Resize(); };
    window_->onCloseRequest = [this](bool& cancel) {
        run(QStringLiteral("Form_QueryUnload"), [&] { cancel = Form_QueryUnload(vbFormControlMenu); });
    };
    plat::Browser* browser = page_.get();
    if (!browser) return;
    browser->onDocumentComplete = [this](const QString&, bool topLevel) {
        run(QStringLiteral("DocumentComplete"), [&] { bridge_.DocumentComplete(topLevel); });
    };
    browser->onNewWindow = [this](bool& cancel) {
        run(QStringLiteral("NewWindow2"), [&] { bridge_.NewWindow2(cancel); });
    };
    browser->onSizesChanged = [this] { run(QStringLiteral("SizesChanged"), [&] { WebBrowser_SizesChanged(); }); };
}

// Each step on its own: a failing one is logged and the window opens with the rest.
void frmFXInfo::Form_Load() {
    ctx_.pushSink = this;
    ctx_.loginSink = this;
    ctx_.refreshShownPairs = [this] { refreshShownPairs(); };
    plat::Screen& screen = ctx_.platform.screen();
    const QString where = QStringLiteral("Form_Load");
    run(where, [&] { ctx_.LoginDialogOpen = false; });
    run(where, [&] { sizeLimit_.install(*window_, screen.workArea()); });
    run(where, [&] {
        window_->setTitle(ctx_.AppTitle);
        taskbar::AttachTaskbarProxy(ctx_, *window_);
    });
    run(where, [&] {
        plat::Browser& browser = page_.browser();
        browser.setSilent(true);
        browser.setDropTarget(false);
        browser.navigate(ctx_.PageBase + QStringLiteral("ruzezaro.htm"));
    });
    run(where, [&] { docking_.install(); });
    run(where, [&] { shell_.placeAtStart(); });
    afterStartWait(where, [this] { ctx_.load(ctx_.winsock); });
    run(where, [&] {
        const Twips twips(screen);
        const QRect r = window_->geometry();
        news_.setArticleWindowPos(
            QPoint(twips.fromPixelsX(r.left()), twips.fromPixelsY(r.top()) + NewsWindowDropTwips));
    });
}

void frmFXInfo::Form_Resize() {
    const QString where = QStringLiteral("Form_Resize");
    const plat::WindowState state = window_->state();
    run(where, [&] { shell_.keepMinimumSize(); });
    run(where, [&] { page_.browser().setGeometry(QRect(QPoint(0, 0), window_->geometry().size())); });
    if (state == plat::WindowState::Normal && page_.loaded()) run(where, [&] { shell_.showMaximiseFace(); });
    if (state != plat::WindowState::Minimized) run(where, [&] { dialogs_.showOpen(); });
    run(where, [&] { fitPanes(); });
}

// The page reports its client height after the resize that fitted the panes to the one it
// had before; once per height, so that a pane's new height cannot start another round.
void frmFXInfo::WebBrowser_SizesChanged() {
    if (page_.loaded() && page_.clientHeight() != fittedHeight_) fitPanes();
}

void frmFXInfo::fitPanes() {
    tabs_.fitCurrentPane();
    if (page_.loaded()) fittedHeight_ = page_.clientHeight();
}

bool frmFXInfo::Form_QueryUnload(int unloadMode) {
    // Docked and slid out of sight, the window is kept as it shows at its edge.
    const QRect geometry = docking_.docked() ? docking_.shownAtEdge() : window_->geometry();
    run(QStringLiteral("Form_QueryUnload"), [&] { placement_.saveGeometry(geometry); });
    if (unloadMode != vbFormControlMenu) return false;
    window_->hide();
    showTrayTipOnce();
    return true;
}

void frmFXInfo::showTrayTipOnce() {
    if (trayTipShown_) return;
    trayTipShown_ = true;
    run(QStringLiteral("Form_QueryUnload"), [&] {
        if (!ctx_.controller) throw std::runtime_error("no controller for the tray balloon");
        ctx_.controller->ShowBalloonTip(QStringLiteral("最小化到系统任务托盘栏!"),
                                        QStringLiteral("Quenra极速版仍在运行!"), 1);
    });
}

void frmFXInfo::Form_Unload() {
    const QString where = QStringLiteral("Form_Unload");
    run(where, [&] { placement_.saveState(window_->state()); });
    docking_.remove();
    sizeLimit_.remove();
    taskbar::DetachTaskbarProxy(ctx_, *window_);
    ctx_.pushSink = nullptr;
    ctx_.loginSink = nullptr;
    ctx_.refreshShownPairs = nullptr;
}

bool frmFXInfo::Busy() const { return bridge_.Busy(); }

void frmFXInfo::BerthShow() {
    run(QStringLiteral("BerthShow"), [&] { docking_.BerthShow(); });
}

void frmFXInfo::pageSetUp() {
    const QString where = QStringLiteral("page set-up");
    run(where, [&] {
        if (!WebBrowser1) throw std::runtime_error("no browser for the set-up page");
        WebBrowser1->navigate(ctx_.server.fileServer + QStringLiteral("/mrvx43.htm"));
    });
    run(where, [&] {
        const int weekday = today();
        if (weekday <= 5) SelWeekTab(weekday);
    });
    run(where, [&] { shell_.restoreMaximised(); });
    afterStartWait(where, [this] { loadLoginDialog(); });
}

// The identity report and the login each hold the thread for a second, and the browser engine
// works on this thread: held while the start path waits for the main page, they would hold
// the page and the window with it. They run once that wait is over, if this window is still
// loaded then.
void frmFXInfo::afterStartWait(const QString& where, std::function<void()> step) {
    ctx_.platform.loop().postOutsideWaits(
        [this, loaded = std::weak_ptr<frmFXInfo>(ctx_.fxInfo), where, step = std::move(step)] {
            if (!loaded.expired()) run(where, step);
        });
}

// Without a remembered login the dialog shows; with one it logs in by itself.
void frmFXInfo::loadLoginDialog() {
    if (files::FileExists(ctx_.Folders.userFile(ctx_, QStringLiteral("registry")))) {
        ctx_.load(ctx_.form1);
        return;
    }
    ctx_.LoginDialogOpen = true;
    ctx_.LoggedIn = 0;
    ctx_.load(ctx_.form1).Show();
}

QHash<QString, frmFXInfo::Procedure> frmFXInfo::procedureTable() {
    const auto tab = [this](const char* id) { return [this, id] { tabs_.SwitchTab(QString::fromLatin1(id)); }; };
    const std::pair<const char*, Procedure> table[] = {
        {"retrieve_page", [this] { account_.retrieve_page(); }},
        {"quituser", [this] { account_.quituser(); }},
        {"display_news", [this] { news_.display_news(); }},
        {"pop_load", [this] { account_.pop_load(); }},
        {"pop_registry", [this] { account_.pop_registry(); }},
        {"frm_loadinfo", [this] { account_.frm_loadinfo(); }},
        {"WindowMove", [this] { shell_.WindowMove(); }},
        {"SizeGrip", [this] { shell_.SizeGrip(); }},
        {"zep_min", [this] { shell_.zep_min(); }},
        {"zep_max_frm", [this] { shell_.zep_max_frm(); }},
        {"zep_Close", [this] { zep_Close(); }},
        {"btn_vote", [this] { btn_vote(); }},
        {"feedback_idea", [this] { frmaboutnew::Open(ctx_, window_.get(), true); }},
        {"zep_about", [this] { frmaboutnew::Open(ctx_, window_.get()); }},
        {"ClickCLRefer", tab("iCLRefer")},
        {"ClickNewsReport", tab("iNewsReport")},
        {"everyday_tactics", tab("prof_tactics")},
        {"ClickAll", tab("iAll")},
        {"Calendar", tab("iFXCalendar")},
        {"WebDoc_onclick", [this] { bridge_.WebDoc_onclick(); }},
        {"control_quota", [this] { quotes_.panel().control_quota(); }},
        {"downtomove", [this] { quotes_.drag().downtomove(); }},
        {"movetomove", [this] { quotes_.drag().movetomove(); }},
        {"uptomove", [this] { quotes_.drag().uptomove(); }},
        {"pop_set", [this] { ctx_.load(ctx_.settings).Show(window_.get()); }},
        {"onweek1", [this] { calendar_.SelWeekTab(1); }},
        {"onweek2", [this] { calendar_.SelWeekTab(2); }},
        {"onweek3", [this] { calendar_.SelWeekTab(3); }},
        {"onweek4", [this] { calendar_.SelWeekTab(4); }},
        {"onweek5", [this] { calendar_.SelWeekTab(5); }},
        {"TBodyClick", [this] { calendar_.TBodyClick(); }},
    };
    QHash<QString, Procedure> byName;
    for (const auto& [name, fn] : table) byName.insert(QString::fromLatin1(name).toLower(), fn);
    return byName;
}

void frmFXInfo::CallByName(const QString& procedure) {
    const auto it = procedures_.constFind(procedure.toLower());
    if (it == procedures_.constEnd()) {
        ctx_.platform.log().write(Here, QStringLiteral("no procedure named ") + procedure);
        return;
    }
    run(procedure, *it);
}

void frmFXInfo::zep_Close() {
    dialogs_.hideOpen();
    Form_QueryUnload(vbFormControlMenu);
}

void frmFXInfo::SwitchTab(const QString& id) {
    run(QStringLiteral("SwitchTab"), [&] { tabs_.SwitchTab(id); });
}

void frmFXInfo::SelWeekTab(int weekday) {
    run(QStringLiteral("SelWeekTab"), [&] { calendar_.SelWeekTab(weekday); });
}

void frmFXInfo::frm_initial() {
    ClickAll();
    run(QStringLiteral("frm_initial"), [&] { calendar_.frm_initial(); });
}

// The vote needs a login first.
void frmFXInfo::btn_vote() {
    if (ctx_.LoggedIn == 1) {
        // The vote window's load waits for its login page, which the browser does not fetch
        // while the page's event that asked for it is still running: it loads after it.
        ctx_.platform.loop().post([&ctx = ctx_] { ctx.load(ctx.vote).Show(); });
        return;
    }
    ctx_.LoginDialogOpen = true;
    ctx_.load(ctx_.form1).Show();
}

void frmFXInfo::Get_allMsg(const QString&, const QString& time, const QString& title, int32_t newsId,
                           uint8_t detailFlag) {
    run(QStringLiteral("Get_allMsg"), [&] { news_.Get_allMsg(time, title, newsId, detailFlag); });
}

void frmFXInfo::quot_center(const QString& symbol, const QString& bid, const QString& ask) {
    run(QStringLiteral("quot_center"), [&] { quotes_.quot_center(symbol, bid, ask); });
}

void frmFXInfo::refreshShownPairs() {
    run(QStringLiteral("refreshShownPairs"), [&] { quotes_.refreshShownPairs(); });
}

void frmFXInfo::GetInfo_DownCalendar(int16_t dayCode, const QString& summary, const QString& records) {
    run(QStringLiteral("GetInfo_DownCalendar"), [&] { calendar_.GetInfo_DownCalendar(dayCode, summary, records); });
}

void frmFXInfo::GetInfo_UpdateCalendar(int16_t dayCode, const QString& summary, const QString& records) {
    run(QStringLiteral("GetInfo_UpdateCalendar"), [&] { calendar_.GetInfo_UpdateCalendar(dayCode, summary, records); });
}

void frmFXInfo::load_status1() {
    run(QStringLiteral("load_status1"), [&] { account_.load_status1(); });
}

void frmFXInfo::ClickToday(int weekday) {
    run(QStringLiteral("ClickToday"), [&] { calendar_.ClickToday(weekday); });
}

void frmFXInfo::ClickAll() { SwitchTab(QStringLiteral("iAll")); }

void frmFXInfo::pop_registry() {
    run(QStringLiteral("pop_registry"), [&] { account_.pop_registry(); });
}

// Monday 1 .. Sunday 7.
int frmFXInfo::today() const { return ctx_.platform.loop().now().date().dayOfWeek(); }

bool frmFXInfo::run(const QString& where, const Procedure& fn) {
    return ResumeNext(ctx_.platform.log(), Here + u'.' + where, fn);
}
