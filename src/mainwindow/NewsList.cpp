#include "mainwindow/NewsList.h"
#include "core/AppContext.h"
#include "core/ResumeNext.h"
#include "core/Controller.h"
#include "dialogs/IE_frm.h"
#include "mainwindow/frmFXInfo.h"
#include "base/HtmlText.h"
#include "mainwindow/MainPage.h"
#include "mainwindow/NewsRow.h"
#include "platform/Platform.h"
#include "platform/dom/Element.h"
#include <stdexcept>

void NewsList::Get_allMsg(const QString& time, const QString& title, int32_t newsId, uint8_t detailFlag) {
    if (time.isEmpty() || title.isEmpty() || seen_.contains(time, title)) return;
    const QString address = articleAddress(newsId, detailFlag);
    step("list row", [&] { addRow(time, title, address); });
    step("popup", [&] { offerToPopup(popupLine(address, time, title)); });
    seen_.insert(time, title);
    // The page's own script orders the rows by their time, newest first.
    step("sort", [&] { page_.element(QStringLiteral("iAllSort")).fireEvent(QStringLiteral("onclick")); });
}

QString NewsList::articleAddress(int32_t newsId, uint8_t detailFlag) const {
    if (newsId < 1 || detailFlag != '1') return QString();
    return ctx_.server.webSite + QStringLiteral("/datatransfer/rapidnews?news_id=") + QString::number(newsId);
}

// The line targets the popup page's hidden link element.
QString NewsList::popupLine(const QString& address, const QString& time, const QString& title) {
    const auto text = [](const QString& s) { return HtmlText::escapePopupItem(s); };
    QString open =
        QStringLiteral("<span style='background-color:#F2F2F2' onClick=|popupWin_iLink.innerText='%1';"
                       "popupWin_iLink.fireEvent('onclick');| onMouseOver=|this.className='popupTextHover';| "
                       "onMouseOut=|this.className='popupText';|>");
    open.replace(u'|', u'"');
    return open.arg(address) + text(time) + QStringLiteral("&nbsp;") + text(title) + QStringLiteral("</span>");
}

void NewsList::addRow(const QString& time, const QString& title, const QString& address) {
    NewsRow::add(page_.element(QStringLiteral("firstpage_table")), time, title, address);
}

void NewsList::step(const char* what, const std::function<void()>& fn) {
    ResumeNext(ctx_.platform.log(), QStringLiteral("Get_allMsg ") + QString::fromLatin1(what), fn);
}

// Stay time 0: the configured one. The controller decides whether and how it shows.
void NewsList::offerToPopup(const QString& line) {
    if (!ctx_.controller) throw std::runtime_error("no controller to show the popup");
    ctx_.controller->Popup(line, 0);
}

// The news window reads the address and uses it up; it opens where the main window was
// when it loaded.
void NewsList::display_news() {
    ctx_.NewsLink = QStringLiteral("1") + page_.element(QStringLiteral("news_item")).innerText();
    ctx_.unload(ctx_.ieFrm);
    IE_frm& news = ctx_.load(ctx_.ieFrm);
    if (ctx_.fxInfo) news.setOwnerWindow(&ctx_.fxInfo->window());
    news.Move(articleWindowPos_.x(), articleWindowPos_.y());
    news.Show();
}
