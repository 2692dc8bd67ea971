#pragma once
#include "calendar/EconomicCalendar.h"
#include "core/Form.h"
#include "core/ForwardTarget.h"
#include "mainwindow/AccountPanel.h"
#include "mainwindow/EdgeDocking.h"
#include "mainwindow/FramePanes.h"
#include "mainwindow/MainPage.h"
#include "mainwindow/NewsList.h"
#include "mainwindow/OwnedDialogs.h"
#include "mainwindow/PageBridge.h"
#include "mainwindow/SizeLimitHook.h"
#include "mainwindow/TabSwitcher.h"
#include "mainwindow/WindowPlacement.h"
#include "mainwindow/WindowShell.h"
#include "quotes/QuoteCenter.h"
#include "session/LoginSink.h"
#include "wire/PushSink.h"
#include <QHash>
#include <functional>
#include <memory>

struct AppContext;
namespace plat {
class Browser;
class Window;
} // namespace plat

// The main information window: a borderless window whose whole client area is the main
// page. The page's buttons, tabs and links call the window's procedures by name; the push
// session hands it news, and the login dialog its account. Closing it hides it to the tray.
class frmFXInfo : public Form, public ForwardTarget, public push::PushSink, public push::LoginSink {
public:
    explicit frmFXInfo(AppContext& ctx);
    ~frmFXInfo() override;

    void Form_Load() override;
    void Form_Resize();
    // The user's close (unload mode 0) hides the window to the tray and cancels.
    bool Form_QueryUnload(int unloadMode) override;
    void Form_Unload() override;

    plat::Window& window() { return *window_; }
    // True until the page is loaded and wired.
    bool Busy() const;
    // Brings a window hidden at a screen edge back into view.
    void BerthShow();

    // The procedures that the page's forwarders call.
    void CallByName(const QString& procedure) override;
    void zep_Close();
    void SwitchTab(const QString& id);
    void SelWeekTab(int weekday);
    // The calendar's week and cache, once the page has loaded; the news tab shows.
    void frm_initial();

    // From the push session.
    void Get_allMsg(const QString& unused, const QString& time, const QString& title, int32_t newsId,
                    uint8_t detailFlag) override;
    void quot_center(const QString& symbol, const QString& bid, const QString& ask) override;
    void GetInfo_DownCalendar(int16_t dayCode, const QString& summary, const QString& records) override;
    void GetInfo_UpdateCalendar(int16_t dayCode, const QString& summary, const QString& records) override;

    // From the login dialog.
    void load_status1() override;
    void ClickToday(int weekday) override;
    void ClickAll() override;
    void pop_registry() override;

    // The main page's browser; nullptr where the system has none.
    plat::Browser* WebBrowser() const { return page_.get(); }

    // The settings changed which currency pairs show: the quote center follows at once.
    void refreshShownPairs();
    QuoteCenter& quotes() { return quotes_; }

    EdgeDocking& docking() { return docking_; }
    EconomicCalendar& calendar() { return calendar_; }
    const QString& CurrentTab() const { return tabs_.CurrentTab(); }

private:
    using Procedure = std::function<void()>;
    QHash<QString, Procedure> procedureTable();
    void wireWindow();
    void WebBrowser_SizesChanged();
    void fitPanes();
    void pageSetUp();
    void loadLoginDialog();
    void afterStartWait(const QString& where, std::function<void()> step);
    void btn_vote();
    void showTrayTipOnce();
    int today() const;
    bool run(const QString& where, const Procedure& fn);

    AppContext& ctx_;
    std::unique_ptr<plat::Window> window_;
    std::unique_ptr<plat::Window> setUpHost_; // hidden, carries WebBrowser1
    plat::Browser* WebBrowser1 = nullptr;     // only for the file server's set-up page
    MainPage page_;
    WindowPlacement placement_;
    OwnedDialogs dialogs_;
    WindowShell shell_;
    SizeLimitHook sizeLimit_;
    EdgeDocking docking_;
    FramePanes panes_;
    TabSwitcher tabs_;
    AccountPanel account_;
    NewsList news_;
    EconomicCalendar calendar_;
    QuoteCenter quotes_;
    PageBridge bridge_;
    QHash<QString, Procedure> procedures_; // by lower-case name
    bool trayTipShown_ = false;
    int fittedHeight_ = -1; // the body's client height the panes were last fitted to
};
