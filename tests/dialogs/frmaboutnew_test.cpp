#include "dialogs/frmaboutnew.h"
#include "platform/sim/SimImageBox.h"
#include "platform/sim/SimLabel.h"
#include "platform/sim/SimNetworkConnection.h"
#include "platform/sim/SimTextBox.h"
#include "platform/sim/SimWindow.h"
#include "session/SessionFixture.h"
#include "session/wsckfrm.h"
#include "wire/FeedbackRecord.h"

namespace {

class AboutDialog : public SessionFixture {
protected:
    AboutDialog() {
        ctx.server.productSite = "http://product.test";
        ctx.server.makerSite = "http://maker.test";
        ctx.CurrentAccount = "trader@example.com";
    }

    frmaboutnew& open(bool feedbackPage = false) { return frmaboutnew::Open(ctx, nullptr, feedbackPage); }
    // The feedback records (id bytes FE 03) on the newest push connection.
    std::vector<QByteArray> feedbackSent() {
        std::vector<QByteArray> records;
        if (auto* server = sim.network.lastConnection(Server, 8000))
            for (const QByteArray& r : server->sends())
                if (r.startsWith("\xFE\x03")) records.push_back(r);
        return records;
    }

    frmaboutnew& about() { return *ctx.about; }
    static plat::SimImageBox& image(plat::ImageBox* b) { return static_cast<plat::SimImageBox&>(*b); }
    plat::SimTextBox& text() { return static_cast<plat::SimTextBox&>(*about().Text1); }
    static QString picture(plat::ImageBox* b) { return b->picture().section(u'/', -1); }
    void submit(const QString& typed) {
        text().userType(typed);
        image(about().Image5).userClick();
        sim.loop.runPosted();
    }
    bool thanked() {
        return about().Label1->isVisible() && about().Image10->isVisible() && !about().Text1->isVisible();
    }
};

TEST_F(AboutDialog, TabsSwitchPagesImagesLightUpAndLinksOpenInTheBrowser) {
    open();
    EXPECT_TRUE(about().Image6->isVisible());
    EXPECT_FALSE(about().Text1->isVisible());
    image(about().Image3).userClick();
    EXPECT_EQ(about().LabelCaption->text(), "意见反馈");
    EXPECT_TRUE(about().Text1->isVisible() && about().Image5->isVisible());
    EXPECT_FALSE(about().Label9->isVisible() || about().Label1->isVisible());
    // Pictures light up under the mouse; the background puts them all back.
    image(about().Image5).userMouseMove();
    image(about().Image1).userMouseMove();
    EXPECT_EQ(picture(about().Image5), "submit2.gif");
    EXPECT_EQ(picture(about().Image1), "about2.gif");
    static_cast<plat::SimWindow&>(about().window()).userMouseOverBackground();
    EXPECT_EQ(picture(about().Image5), "submit1.gif");
    EXPECT_EQ(picture(about().Image1), "about1.gif");

    image(about().Image1).userClick();
    EXPECT_EQ(about().LabelCaption->text(), "关于");
    auto& product = static_cast<plat::SimLabel&>(*about().Label9);
    EXPECT_TRUE(product.handCursor() && image(about().Image6).handCursor());
    image(about().Image6).userClick();
    product.userClick();
    static_cast<plat::SimLabel&>(*about().Label11).userClick();
    EXPECT_EQ(sim.shell.opened(),
              QStringList({"http://vendor.test/ruzezaro/ruzezaro", "http://product.test", "http://maker.test"}));
    // The close image unloads it once its click is over.
    image(about().Image8).userClick();
    sim.loop.runPosted();
    EXPECT_FALSE(ctx.about);
}

// The text stays in the box until it can go, logged in with a connected push session.
TEST_F(AboutDialog, FeedbackWaitsForALoginAndAConnectionAndGoesAsRecord1022CutToItsField) {
    open(true);
    submit("希望增加原油报价");
    EXPECT_EQ(text().text(), "请先登陆");
    text().setText(QString());
    ctx.LoggedIn = 1; // no push session at all yet
    submit("行情刷新很快");
    EXPECT_TRUE(about().LabelNotSent->text().contains("没有发送"));
    about().LabelNotSent->setText(QString());
    ctx.load(ctx.wsck); // a session that cannot connect
    submit(QString());
    EXPECT_EQ(text().text(), "行情刷新很快");
    EXPECT_FALSE(thanked());
    EXPECT_TRUE(about().LabelNotSent->isVisible());
    EXPECT_TRUE(about().LabelNotSent->text().contains("没有发送"));

    // The session reconnects on its keep-alive; the same text goes now. The record's layout
    // has a test of its own; here, what the dialog puts in it.
    sim.network.listen(Server, 8000);
    sim.loop.advance(wsckfrm::KeepAliveMs);
    submit(QString());
    ASSERT_EQ(feedbackSent().size(), 1u);
    EXPECT_EQ(feedbackSent()[0], push::FeedbackRecord({"trader@example.com", "行情刷新很快"}).build());
    EXPECT_TRUE(thanked());
    EXPECT_TRUE(about().LabelNotSent->text().isEmpty());

    // The back image empties the box for the next: one character is ignored, a text longer
    // than the field is cut.
    image(about().Image10).userClick();
    EXPECT_TRUE(text().text().isEmpty() && about().Text1->isVisible());
    submit("好");
    EXPECT_EQ(text().text(), "好");
    EXPECT_FALSE(thanked());
    text().setText(QString());
    submit(QString(600, QChar(u'好')));
    ASSERT_EQ(feedbackSent().size(), 2u);
    EXPECT_EQ(feedbackSent()[1].mid(52), QByteArray("\xBA\xC3").repeated(500)); // full, no zero
}

} // namespace
