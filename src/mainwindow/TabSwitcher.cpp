#include "mainwindow/TabSwitcher.h"
#include "core/AppContext.h"
#include "mainwindow/FramePanes.h"
#include "mainwindow/MainPage.h"
#include "platform/dom/Element.h"
#include <QStringList>
#include <stdexcept>

struct TabSwitcher::Tab {
    enum class Fill { None, AllNews, Calendar, Registration };

    QString id;
    bool hasTabElement;
    QStringList hiddenOnLeave;
    QStringList shownOnEnter;
    void (FramePanes::*frame)(bool); // the frame pane loaded on enter, emptied on leave
    Fill fill;
    QString fitted; // the element sized to the window; none when empty
    int margin;
};

namespace {

const QString HighlightBackground = QStringLiteral("#0077de");
const QString HighlightText = QStringLiteral("#ffffff");

} // namespace

const TabSwitcher::Tab* TabSwitcher::find(const QString& id) {
    using F = Tab::Fill;
    static const Tab tabs[] = {
        {"iCLRefer", true, {"iDivCLRefer"}, {"iDivCLRefer"}, &FramePanes::CLRefer, F::None, "iDivCLRefer", 108},
        {"iNewsReport",
         true,
         {"iDivNewsReport"},
         {"iDivNewsReport"},
         &FramePanes::NewsReport,
         F::None,
         "iDivNewsReport",
         108},
        {"prof_tactics",
         true,
         {"iprof_tactics"},
         {"iprof_tactics"},
         &FramePanes::prof_tactics,
         F::None,
         "iprof_tactics",
         125},
        {"iAll",
         true,
         {"iallnews", "firstpage_table"},
         {"iallnews", "firstpage_table"},
         nullptr,
         F::AllNews,
         "tabcontent1",
         116},
        {"iFXCalendar", true, {"iFXCal", "FXecodata"}, {"iFXCal"}, nullptr, F::Calendar, "tabcontent2", 150},
        {"register_page", false, {"register_page"}, {"register_page"}, nullptr, F::Registration, "register_page", 108},
        {"mydata", false, {"mydata"}, {"mydata"}, nullptr, F::None, QString(), 0},
    };
    for (const Tab& t : tabs)
        if (t.id == id) return &t;
    return nullptr;
}

TabSwitcher::TabSwitcher(AppContext& ctx, MainPage& page, FramePanes& panes, std::function<void()> calendarDay)
    : ctx_(ctx), page_(page), panes_(panes), calendarDay_(std::move(calendarDay)) {}

void TabSwitcher::SwitchTab(const QString& id) {
    if (id == CurrentTab_) return;
    const Tab* next = find(id);
    if (!next) throw std::invalid_argument(("no tab " + id).toStdString());
    highlight(id);
    if (const Tab* old = find(CurrentTab_)) leave(*old);
    enter(*next);
    fit(*next);
    CurrentTab_ = id;
}

void TabSwitcher::highlight(const QString& id) {
    if (!CurrentTab_.isEmpty()) {
        dom::Element& old = page_.element(CurrentTab_);
        old.setStyle(QStringLiteral("background-color"), QString());
        old.setStyle(QStringLiteral("color"), QString());
    }
    if (!find(id)->hasTabElement) return;
    dom::Element& tab = page_.element(id);
    tab.setStyle(QStringLiteral("background-color"), HighlightBackground);
    tab.setStyle(QStringLiteral("color"), HighlightText);
    tab.setStyle(QStringLiteral("visibility"), QStringLiteral("visible"));
}

void TabSwitcher::leave(const Tab& tab) {
    for (const QString& pane : tab.hiddenOnLeave) page_.setShown(pane, false);
    if (tab.frame) (panes_.*tab.frame)(false);
}

void TabSwitcher::enter(const Tab& tab) {
    if (tab.frame) (panes_.*tab.frame)(true);
    switch (tab.fill) {
    case Tab::Fill::AllNews:
        panes_.FXAllNews(true);
        break;
    case Tab::Fill::Registration:
        fillRegistration();
        break;
    case Tab::Fill::Calendar:
    case Tab::Fill::None:
        break;
    }
    for (const QString& pane : tab.shownOnEnter) page_.setShown(pane, true);
    if (tab.fill == Tab::Fill::Calendar) calendarDay_();
}

void TabSwitcher::fitCurrentPane() const {
    if (const Tab* tab = find(CurrentTab_)) fit(*tab);
}

void TabSwitcher::fit(const Tab& tab) const {
    if (!tab.fitted.isEmpty()) page_.fitHeight(tab.fitted, tab.margin);
}

void TabSwitcher::fillRegistration() {
    page_.element(QStringLiteral("register_page"))
        .setInnerHTML(QStringLiteral("<iframe width='100%' height='100%' marginwidth='0' frameborder='0' "
                                     "marginheight='0' src=") +
                      ctx_.server.webSite + QStringLiteral("/datatransfer/regroadking></iframe>"));
}
