#include "mainwindow/FramePanes.h"
#include "core/AppContext.h"
#include "mainwindow/MainPage.h"
#include "platform/dom/Element.h"

namespace {
// What an emptied pane holds; shorter than this it counts as empty.
const QString Emptied = QStringLiteral("...");
constexpr int HoldsFrameLength = 5;
} // namespace

void FramePanes::CLRefer(bool show) { showFrame({"iDivCLRefer", "ifrmCLRefer", "/new/table", 111}, show); }

void FramePanes::NewsReport(bool show) {
    showFrame({"iDivNewsReport", "ifrmNewsReport", "/new/news?websiteid=0", 111}, show);
}

void FramePanes::prof_tactics(bool show) {
    showFrame({"iprof_tactics", "ifrmNewsReport", "/dailyreport/index?id=1", 115}, show);
}

void FramePanes::FXAllNews(bool show) { page_.setShown(QStringLiteral("iAllNews"), show); }

void FramePanes::showFrame(const Frame& frame, bool show) {
    const QString container = QString::fromLatin1(frame.container);
    dom::Element& pane = page_.element(container);
    if (!show) {
        pane.setInnerHTML(Emptied);
        return;
    }
    if (ctx_.LoggedIn != 1 || pane.innerHTML().size() >= HoldsFrameLength) return;
    pane.setInnerHTML(
        QStringLiteral("<iframe id ='%1'  width='100%' height='100%' marginwidth='0' "
                       "frameborder='0' marginheight='0' src='%2%3'></iframe>")
            .arg(QString::fromLatin1(frame.frameId), ctx_.server.webSite, QString::fromLatin1(frame.sitePath)));
    page_.fitHeight(container, frame.heightMargin);
}
