#include "SettingsFixture.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"

namespace {

using Settings = SettingsFixture;

TEST_F(Settings, OpensOnPageOneWithTheStoredSettingsAndSwitchesPagesByTab) {
    openFromTray();
    EXPECT_TRUE(ctx().SettingsOpen);
    EXPECT_EQ(dialogWindow().owner(), &ctx().fxInfo->window());
    EXPECT_EQ(dialog().Label1->text(), QStringLiteral("资讯速递窗口"));
    EXPECT_EQ(picture(dialog().Image1), "newsgather2.gif");
    EXPECT_EQ(dialog().Combo1->text() + dialog().Combo2->text(), "10sNews.wav");
    EXPECT_EQ(dialog().Combo4->text() + dialog().Combo5->text(), QStringLiteral("5分钟前15s"));
    EXPECT_FALSE(dialog().Combo4->isVisible());

    click(dialog().Image3);
    EXPECT_EQ(dialog().Label1->text(), QStringLiteral("行情中心币种显示"));
    EXPECT_EQ(picture(dialog().Image1), "newsgather1.gif");
    const CurrencyPage& page = *dialog().currencies;
    EXPECT_EQ(page.Label13[1]->text(), "GBPUSD");
    EXPECT_EQ(page.Check2[0]->value() * 10 + page.Check2[1]->value(), 10);
    EXPECT_FALSE(page.Check2[3]->isVisible());
    EXPECT_FALSE(dialog().Combo1->isVisible());

    // The highlighted picture follows the mouse; the selected tab keeps its own.
    static_cast<plat::SimImageBox*>(dialog().Image8)->userMouseMove();
    EXPECT_EQ(picture(dialog().Image8), "setapply1.gif");
    dialogWindow().userMouseOverBackground();
    EXPECT_EQ(picture(dialog().Image8), "setapply.gif");
    EXPECT_EQ(picture(dialog().Image3), "quotcenter2.gif");

    // The box enables the two lists of page 1.
    click(dialog().Image1);
    click(dialog().Check1);
    EXPECT_FALSE(choose(dialog().Combo1, "1m"));
    EXPECT_FALSE(dialog().Combo2->isEnabled());
    click(dialog().Check1);
    EXPECT_TRUE(choose(dialog().Combo1, "1m"));

    // The close button drops the edits; the page's "设置" loads the dialog anew.
    click(dialog().Image10);
    EXPECT_FALSE(ctx().settings);
    EXPECT_FALSE(ctx().SettingsOpen);
    ctx().fxInfo->CallByName(QStringLiteral("pop_set"));
    ASSERT_TRUE(ctx().settings);
    EXPECT_TRUE(dialogWindow().isVisible());
    EXPECT_EQ(dialog().Combo1->text(), "10s");
    EXPECT_TRUE(sim().desktop.messageBoxes().empty());
}

// Apply keeps the dialog open; OK closes it and stores the page showing only. The values go
// to the document as texts, in its encoding.
TEST_F(Settings, ApplyAndOkStoreThePageShowingInTheDocumentsEncodingAndSetTheValues) {
    openFromTray();
    ASSERT_TRUE(choose(dialog().Combo1, "3m"));
    click(dialog().Check1);
    click(dialog().Image8);
    EXPECT_TRUE(dialogWindow().isVisible()) << "Apply keeps the dialog open";
    EXPECT_EQ(ctx().PopupStayTime, "3m"); // what the next popup reads its stay from
    EXPECT_FALSE(ctx().PopupEnabled);
    click(dialog().Image2);
    ASSERT_TRUE(choose(dialog().Combo4, QStringLiteral("30分钟")));
    ASSERT_TRUE(choose(dialog().Combo5, "1m"));
    click(dialog().Image8);
    EXPECT_EQ(ctx().CalendarStaySeconds, 60);
    EXPECT_EQ(ctx().CalendarNotifyTime, 30);
    // The settings as the document had them, with the values changed, in its encoding
    // (what follows them belongs to the window's and the calendar's own saves).
    QString expected = document();
    expected.replace(QStringLiteral("<Popup staytime=\"10s\" SoundFile=\"News.wav\" Checked=\"1\"/>"),
                     QStringLiteral("<Popup staytime=\"3m\" SoundFile=\"News.wav\" Checked=\"0\"/>"));
    expected.replace(QStringLiteral("<FXCalendar staytime=\"15s\" NotifyTime=\"5分钟前\"/>"),
                     QStringLiteral("<FXCalendar staytime=\"1m\" NotifyTime=\"30分钟\"/>"));
    expected.truncate(expected.indexOf(QStringLiteral("</Settings>")));
    EXPECT_TRUE(savedBytes().startsWith(cp936::encode(expected))) << savedBytes().toStdString();

    click(dialog().Image1);
    click(dialog().Check1);
    ASSERT_TRUE(choose(dialog().Combo1, "1m"));
    click(dialog().Image2);
    ASSERT_TRUE(choose(dialog().Combo5, "45s"));
    click(dialog().Image6);
    EXPECT_FALSE(ctx().settings);
    EXPECT_FALSE(ctx().SettingsOpen);
    EXPECT_TRUE(savedBytes().contains("<Popup staytime=\"3m\" SoundFile=\"News.wav\" Checked=\"0\"/>"));
    EXPECT_TRUE(
        savedBytes().contains(cp936::encode(QStringLiteral("<FXCalendar staytime=\"45s\" NotifyTime=\"30分钟\"/>"))));
    EXPECT_EQ(ctx().PopupStayTime, "3m");
    EXPECT_FALSE(ctx().PopupEnabled);
    EXPECT_EQ(ctx().CalendarStaySeconds, 45);
}

TEST_F(Settings, HidesWithTheMainWindowAndComesBackUntilCancelled) {
    openFromTray();
    ctx().fxInfo->CallByName(QStringLiteral("zep_min"));
    EXPECT_FALSE(dialogWindow().isVisible());
    mainWindow().userTaskbarClick();
    EXPECT_TRUE(dialogWindow().isVisible());

    click(dialog().Image7);
    EXPECT_FALSE(ctx().settings);
    EXPECT_FALSE(ctx().SettingsOpen);
    ctx().fxInfo->CallByName(QStringLiteral("zep_min"));
    mainWindow().userTaskbarClick();
    EXPECT_EQ(mainWindow().state(), plat::WindowState::Normal);
    EXPECT_FALSE(ctx().settings);
    EXPECT_EQ(savedBytes(), cp936::encode(document())) << "Cancel writes nothing";
}

TEST_F(Settings, UntickingAPairWritesItAndTheQuoteCenterFollowsAtOnce) {
    for (const char* pair : {"EURUSD", "GBPUSD", "XAUUSD"}) ctx().pushSink->quot_center(pair, "1.1", "1.2");
    const auto shown = [&] {
        QStringList symbols;
        const auto rows = ctx().fxInfo->WebBrowser()->document()->getElementById("QuoteList")->rows();
        for (size_t i = 2; i < rows.size(); ++i) symbols << rows[i]->cells()[0]->innerText();
        return symbols.join(' ');
    };
    ASSERT_EQ(shown(), "EURUSD XAUUSD") << "GBPUSD ships hidden";
    openFromTray();
    click(dialog().Image3);
    click(dialog().currencies->Check2[0]);
    click(dialog().currencies->Check2[1]);
    click(dialog().Image8);
    EXPECT_EQ(shown(), "XAUUSD GBPUSD");
    EXPECT_TRUE(savedBytes().contains("<EURUSD Checked=\"0\"/>\n        <GBPUSD Checked=\"1\"/>"));
}

TEST_F(Settings, ThePreviewPlaysTheChosenSoundAndAFailedSaveIsReported) {
    QDir().mkpath(inst.appDir() + "/Sound");
    writeFile(inst.appDir() + "/Sound/Band.wav", "a sound");
    openFromTray();
    ASSERT_TRUE(choose(dialog().Combo2, "Band.wav"));
    click(dialog().Image5);
    ASSERT_TRUE(choose(dialog().Combo2, "SSNotify.wav")); // not installed: nothing, silently
    click(dialog().Image5);
    ASSERT_EQ(sim().desktop.soundPlays().size(), 1u);
    EXPECT_EQ(sim().desktop.soundPlays()[0].path, inst.appDir() + "/Sound/Band.wav");
    EXPECT_TRUE(sim().desktop.messageBoxes().empty());

    // The new values hold for this run all the same.
    ctx().Config->setXmlFile(inst.appDir() + "/missing/ZEP.xml");
    click(dialog().Image8);
    EXPECT_EQ(ctx().PopupSoundFile, "SSNotify.wav");
    EXPECT_EQ(sim().desktop.messageBoxes().size(), 1u);
}

// More pairs than cells: the table scrolls by rows, and every pair keeps its box.
struct ManyPairs : SettingsFixture {
    ManyPairs() : SettingsFixture(config(pairs(26))) {}
};

TEST_F(ManyPairs, ScrollToReachEveryPairAndApplyThemAll) {
    openFromTray();
    click(dialog().Image3);
    CurrencyPage& page = *dialog().currencies;
    auto& scroll = static_cast<plat::SimScrollBar&>(*page.VScroll1);
    EXPECT_EQ(scroll.maximum(), 1);
    click(page.Check2[0]); // PAIR00
    scroll.userScrollTo(1);
    EXPECT_EQ(page.Label13[22]->text(), "PAIR25");
    EXPECT_FALSE(page.Check2[23]->isVisible());
    click(page.Check2[22]); // PAIR25
    scroll.userScrollTo(0);
    EXPECT_EQ(page.Check2[0]->value(), 0);
    click(dialog().Image6);
    const QByteArray saved = savedBytes();
    EXPECT_TRUE(saved.contains("<PAIR00 Checked=\"0\"/>\n        <PAIR01 Checked=\"1\"/>"));
    EXPECT_TRUE(saved.contains("<PAIR25 Checked=\"0\"/>"));
}

} // namespace
