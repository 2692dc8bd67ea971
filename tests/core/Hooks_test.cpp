#include "core/clsForward.h"
#include "core/clsSubClass.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/sim/SimPlatform.h"
#include "platform/sim/SimWindow.h"
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Recorder : ForwardTarget {
    QStringList calls;
    void CallByName(const QString& procedure) override { calls << procedure; }
};

} // namespace

TEST(Forwarders, PageEventsReachTheNamedProcedureOnlyWhenArmed) {
    auto doc = dom::Document::parse(QStringLiteral(
        "<body><a id='zep_max'>max</a><span id='news_item'></span>"
        "<a id='link' onclick=\"news_item.innerText='http://x/1';news_item.fireEvent('onclick')\">t</a></body>"));
    Recorder window;
    auto armed = std::make_shared<clsForward>();
    armed->Set_Destination(&window, QStringLiteral("zep_max_frm"));
    doc->getElementById(QStringLiteral("ZEP_MAX"))->setHandler(QStringLiteral("onclick"), armed);
    auto news = std::make_shared<clsForward>();
    news->Set_Destination(&window, QStringLiteral("display_news"));
    doc->getElementById(QStringLiteral("news_item"))->setHandler(QStringLiteral("onclick"), news);
    doc->getElementById(QStringLiteral("link"))
        ->setHandler(QStringLiteral("onclick"), std::make_shared<clsForward>()); // never armed

    doc->getElementById(QStringLiteral("zep_max"))->click();
    // A generated link writes its target and fires the hidden element's click.
    doc->getElementById(QStringLiteral("link"))->click();
    EXPECT_EQ(window.calls, (QStringList{"zep_max_frm", "display_news"}));
    EXPECT_EQ(doc->getElementById(QStringLiteral("news_item"))->innerText(), QStringLiteral("http://x/1"));
}

TEST(WindowHook, AnsweredMessagesStopPassedOnesGoOnAndUnhookingRestoresThePrevious) {
    plat::SimPlatform sim;
    auto window = sim.platform.createWindow(plat::WindowKind::Main);
    int previousSaw = 0;
    window->setMessageHook([&](plat::WindowMessage&) {
        ++previousSaw;
        return false;
    });

    clsSubClass hook;
    QList<int> seen;
    hook.WindowProc = [&](long& result, plat::WindowMessage& msg) {
        seen << msg.msg;
        if (msg.msg == plat::wm::SIZE) result = hook.CallDefaultWindowProc(msg); // passed on
    };
    hook.SetMsgHook(*window);
    plat::WindowMessage size{plat::wm::SIZE};
    plat::WindowMessage close{plat::wm::CLOSE};
    EXPECT_FALSE(window->messageHook()(size)); // the window's own handling follows
    EXPECT_TRUE(window->messageHook()(close)); // swallowed
    EXPECT_EQ(seen, (QList<int>{plat::wm::SIZE, plat::wm::CLOSE}));
    EXPECT_EQ(previousSaw, 1);

    hook.SetMsgUnHook();
    EXPECT_FALSE(window->messageHook()(close));
    EXPECT_EQ(previousSaw, 2);
    EXPECT_EQ(seen.size(), 2);
}
