// The popup on the real page: it is measured at once from the sizes the page reported last,
// and takes the box's new size when the page reports it.
#include "BrowserTesting.h"
#include "core/AppContext.h"
#include "notify/frmPopUp.h"
#include "qt_desktop/RealProcess.h"

using namespace browsertest;

TEST(RealPopup, TakesTheBoxsNewSizeWhenThePageReportsIt) {
    RealPlatform real;
    AppContext ctx(real.platform);
    ctx.PageBase = pageBase();
    std::unique_ptr<plat::Window> owner = real.platform.createWindow(plat::WindowKind::Hidden);
    frmPopUp& popup = ctx.load(ctx.popup);
    popup.WaitLoad(*owner);
    ASSERT_TRUE(popup.loaded());
    auto* browser = static_cast<plat::QtBrowser*>(popup.WebBrowser());
    const auto pageBox = [&] {
        return QSize(runJs(browser->view()->page(), S("document.getElementById('popupWin').offsetWidth")).toInt(),
                     runJs(browser->view()->page(), S("document.getElementById('popupWin').offsetHeight")).toInt());
    };
    const QSize before = pageBox();

    // The rows, and a taller body (as a style sheet of the vendor's could make it).
    popup.AddHtml(S("<span>09:30&nbsp;非农数据公布，美元走强</span>~<span>09:31&nbsp;黄金短线拉升</span>"));
    browser->document()->getElementById(S("popupWin_BodyText"))->setStyle(S("height"), S("260px"));
    popup.ShowDelay(frmPopUp::StayUntilClosed);
    popup.Popup();
    EXPECT_EQ(browser->geometry().size(), before) << "measured at once: the size the page reported last";

    // Sliding in or showing, the window follows the page's new size.
    ASSERT_TRUE(waitUntil([&] { return browser->pageUpToDate(); }));
    const QSize taller = pageBox();
    EXPECT_EQ(taller, QSize(before.width(), before.height() + 60));
    EXPECT_TRUE(waitUntil([&] { return browser->geometry().size() == taller; })) << browser->geometry().height();
    EXPECT_TRUE(waitUntil([&] { return popup.PopUpStatus() == frmPopUp::Showing; }));
    EXPECT_EQ(popup.window().geometry().size(), taller);
    EXPECT_EQ(popup.window().geometry().bottomRight(), real.platform.screen().workArea().bottomRight());
    popup.CloseFrm();
    ctx.unload(ctx.popup);
}
