#include "dialogs/frmaboutnew.h"
#include "platform/sim/SimImageBox.h"
#include "platform/sim/SimLabel.h"
#include "platform/sim/SimNetworkConnection.h"
#include "platform/sim/SimTextBox.h"
#include "platform/sim/SimWindow.h"
#include "resources/ProgramVersion.h"
#include "session/SessionFixture.h"
#include "session/wsckfrm.h"

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values) b.append(static_cast<char>(v));
    return b;
}

class AboutDialog : public SessionFixture {
protected:
    AboutDialog() {
        ctx.server.productSite = QStringLiteral("http://product.test");
        ctx.server.makerSite = QStringLiteral("http://maker.test");
        ctx.CurrentAccount = QStringLiteral("trader@example.com");
        ctx.CurrentPassword = QStringLiteral("pa55");
    }

    frmaboutnew& open(bool feedbackPage = false) { return frmaboutnew::Open(ctx, nullptr, feedbackPage); }
    // Logged in, with the push session on (connected when the server listens).
    void logIn(bool serverUp = true) {
        if (serverUp) sim.network.listen(Server, 8000);
        ctx.LoggedIn = 1;
        ctx.load(ctx.wsck);
    }
    plat::SimNetworkConnection* server() { return sim.network.lastConnection(Server, 8000); }
    // The feedback records the client sent on the newest connection.
    std::vector<QByteArray> feedbackSent() {
        std::vector<QByteArray> records;
        if (server())
            for (const QByteArray& r : server()->sends())
                if (r.startsWith(bytes({0xFE, 0x03}))) records.push_back(r);
        return records;
    }

    frmaboutnew& about() { return *ctx.about; }
    static plat::SimImageBox& image(plat::ImageBox* b) { return static_cast<plat::SimImageBox&>(*b); }
    static plat::SimLabel& label(plat::Label* l) { return static_cast<plat::SimLabel&>(*l); }
    plat::SimTextBox& text() { return static_cast<plat::SimTextBox&>(*about().Text1); }
    plat::SimWindow& window() { return static_cast<plat::SimWindow&>(about().window()); }
    QString picture(plat::ImageBox* b) const { return b->picture().section(u'/', -1); }

    void type(const QString& s) { text().userType(s); }
    void submit() { image(about().Image5).userClick(); }
    bool inputShown() { return about().Text1->isVisible() && about().Image5->isVisible(); }
    bool thanksShown() {
        return about().Label1->isVisible() && about().Label2->isVisible() && about().Image10->isVisible();
    }
};

TEST_F(AboutDialog, OpensOnTheAboutPageAndSwitchesPagesByItsTabs) {
    open();
    ASSERT_TRUE(about().Visible());
    EXPECT_EQ(window().kind(), plat::WindowKind::Dialog);
    EXPECT_EQ(about().LabelCaption->text(), QStringLiteral("关于"));
    bool versionShown = false;
    for (const auto& c : window().controls())
        if (auto* l = dynamic_cast<plat::SimLabel*>(c.get()); l && l->isVisible())
            versionShown |= l->text().contains(QLatin1String(zepversion::kVersionText));
    EXPECT_TRUE(versionShown);
    EXPECT_TRUE(about().Image6->isVisible());
    EXPECT_FALSE(about().Text1->isVisible());

    image(about().Image3).userClick();
    EXPECT_EQ(about().LabelCaption->text(), QStringLiteral("意见反馈"));
    EXPECT_TRUE(inputShown());
    EXPECT_FALSE(about().Image6->isVisible());
    EXPECT_FALSE(about().Label9->isVisible());
    EXPECT_FALSE(thanksShown());

    image(about().Image1).userClick();
    EXPECT_EQ(about().LabelCaption->text(), QStringLiteral("关于"));
    EXPECT_FALSE(about().Text1->isVisible());
    EXPECT_TRUE(about().Label11->isVisible());

    // Asked for the feedback page while open: the same dialog turns to it.
    frmaboutnew* first = ctx.about.get();
    open(true);
    EXPECT_EQ(ctx.about.get(), first);
    EXPECT_TRUE(inputShown());

    // The close image unloads it once its click is over.
    image(about().Image8).userClick();
    EXPECT_TRUE(ctx.about);
    sim.loop.runPosted();
    EXPECT_FALSE(ctx.about);
}

TEST_F(AboutDialog, ImagesLightUpUnderTheMouseAndTheBackgroundPutsThemBack) {
    open(true);
    image(about().Image5).userMouseMove();
    EXPECT_EQ(picture(about().Image5), QStringLiteral("submit2.gif"));
    image(about().Image1).userMouseMove();
    EXPECT_EQ(picture(about().Image1), QStringLiteral("about2.gif"));
    EXPECT_EQ(picture(about().Image5), QStringLiteral("submit1.gif"));
    image(about().Image8).userMouseMove();
    EXPECT_EQ(picture(about().Image8), QStringLiteral("close_button2.gif"));
    window().userMouseOverBackground();
    EXPECT_EQ(picture(about().Image1), QStringLiteral("about1.gif"));
    EXPECT_EQ(picture(about().Image3), QStringLiteral("ideaback1.gif"));
    EXPECT_EQ(picture(about().Image8), QStringLiteral("close_button1.gif"));
    EXPECT_EQ(picture(about().Image6), QStringLiteral("fun_introduce1.gif"));
}

TEST_F(AboutDialog, LinksOpenInTheUsersBrowserUnderTheHandCursor) {
    open();
    EXPECT_TRUE(image(about().Image6).handCursor());
    EXPECT_TRUE(label(about().Label9).handCursor());
    EXPECT_TRUE(label(about().Label11).handCursor());
    image(about().Image6).userClick();
    label(about().Label9).userClick();
    label(about().Label11).userClick();
    EXPECT_EQ(sim.shell.opened(), QStringList({"http://vendor.test/ruzezaro/ruzezaro", "http://product.test",
                                               "http://maker.test"}));
}

TEST_F(AboutDialog, FeedbackOfALoggedOutUserAsksForTheLoginAndSendsNothing) {
    open(true);
    type(QStringLiteral("希望增加原油报价"));
    submit();
    EXPECT_EQ(text().text(), QStringLiteral("请先登陆"));
    EXPECT_TRUE(inputShown());
    EXPECT_FALSE(thanksShown());
    EXPECT_TRUE(feedbackSent().empty());
}

TEST_F(AboutDialog, OneCharacterIsIgnored) {
    logIn();
    open(true);
    type(QStringLiteral("好"));
    submit();
    sim.loop.runPosted();
    EXPECT_TRUE(feedbackSent().empty());
    EXPECT_EQ(text().text(), QStringLiteral("好"));
    EXPECT_TRUE(inputShown());
    EXPECT_TRUE(about().LabelNotSent->text().isEmpty());
}

TEST_F(AboutDialog, SentFeedbackIsRecord1022WithAccountAndTextAndIsThankedFor) {
    logIn();
    open(true);
    type(QStringLiteral("ok 好"));
    submit();
    sim.loop.runPosted();
    ASSERT_EQ(feedbackSent().size(), 1u);
    const QByteArray r = feedbackSent()[0];
    ASSERT_EQ(r.size(), 1052);
    EXPECT_EQ(r.left(2), bytes({0xFE, 0x03}));
    EXPECT_EQ(r.mid(2, 50), QByteArray("trader@example.com") + QByteArray(32, '\0'));
    EXPECT_EQ(r.mid(52, 5), bytes({'o', 'k', ' ', 0xBA, 0xC3}));
    EXPECT_EQ(r.mid(57), QByteArray(995, '\0'));
    EXPECT_TRUE(thanksShown());
    EXPECT_FALSE(about().Text1->isVisible());
    EXPECT_FALSE(about().Image5->isVisible());

    // Other page and back: still the thanks; the back image empties the box for the next.
    image(about().Image1).userClick();
    EXPECT_FALSE(thanksShown());
    image(about().Image3).userClick();
    EXPECT_TRUE(thanksShown());
    image(about().Image10).userClick();
    EXPECT_TRUE(inputShown());
    EXPECT_FALSE(thanksShown());
    EXPECT_TRUE(text().text().isEmpty());
}

TEST_F(AboutDialog, ATextLongerThanItsFieldIsCutToTheField) {
    logIn();
    open(true);
    type(QString(600, QChar(u'好')));
    submit();
    image(about().Image10).userClick();
    type(QString(1001, u'a') + QStringLiteral("z"));
    submit();
    sim.loop.runPosted();
    ASSERT_EQ(feedbackSent().size(), 2u);
    QByteArray pairs;
    for (int i = 0; i < 500; ++i) pairs += bytes({0xBA, 0xC3});
    EXPECT_EQ(feedbackSent()[0].size(), 1052);
    EXPECT_EQ(feedbackSent()[0].mid(52), pairs);   // full: no terminating zero
    EXPECT_EQ(feedbackSent()[1].mid(52), QByteArray(1000, 'a'));
}

TEST_F(AboutDialog, FeedbackGoesOnlyOnAConnectedSessionAndOtherwiseStaysWithTheReason) {
    // Logged in, the push server not answering yet.
    logIn(false);
    open(true);
    type(QStringLiteral("行情刷新很快"));
    submit();
    EXPECT_EQ(text().text(), QStringLiteral("行情刷新很快"));
    EXPECT_TRUE(inputShown());
    EXPECT_FALSE(thanksShown());
    EXPECT_TRUE(about().LabelNotSent->isVisible());
    EXPECT_TRUE(about().LabelNotSent->text().contains(QStringLiteral("没有发送")));

    // The session reconnects on its keep-alive; the same text goes now.
    sim.network.listen(Server, 8000);
    sim.loop.advance(wsckfrm::KeepAliveMs);
    ASSERT_TRUE(server());
    submit();
    sim.loop.runPosted();
    ASSERT_EQ(feedbackSent().size(), 1u);
    EXPECT_TRUE(thanksShown());
    EXPECT_TRUE(about().LabelNotSent->text().isEmpty());

    // Without a push session at all.
    ctx.unload(ctx.wsck);
    image(about().Image10).userClick();
    type(QStringLiteral("再来一条"));
    submit();
    EXPECT_TRUE(inputShown());
    EXPECT_FALSE(about().LabelNotSent->text().isEmpty());
}

} // namespace
