#include "SettingsFixture.h"
#include "notify/frmPopUp.h"

namespace {

using Settings = SettingsFixture;

TEST_F(Settings, OpensFromTheTrayAndThePageOnPageOneOwnedByTheMainWindow) {
    openFromTray();
    EXPECT_TRUE(ctx().SettingsOpen);
    EXPECT_TRUE(dialogWindow().isVisible());
    EXPECT_EQ(dialogWindow().owner(), &ctx().fxInfo->window());
    EXPECT_EQ(dialog().Label14->text(), QStringLiteral("软件设置"));
    EXPECT_EQ(dialog().CurrentPage(), "Image1");
    EXPECT_EQ(dialog().Label1->text(), QStringLiteral("资讯速递窗口"));
    EXPECT_EQ(picture(dialog().Image1), "newsgather2.gif");
    EXPECT_EQ(picture(dialog().Image2), "financalender1.gif");
    EXPECT_EQ(dialog().Check1->value(), 1);
    EXPECT_EQ(dialog().Combo1->text(), "10s");
    EXPECT_EQ(dialog().Combo2->text(), "News.wav");
    EXPECT_EQ(dialog().Combo4->text(), QStringLiteral("5分钟前"));
    EXPECT_EQ(dialog().Combo5->text(), "15s");
    EXPECT_TRUE(dialog().Combo1->isVisible());
    EXPECT_FALSE(dialog().Combo4->isVisible());
    EXPECT_FALSE(dialog().currencies->Check2[0]->isVisible());
    EXPECT_TRUE(dialog().Image6->isVisible());

    // The title strip drags the window; the close button closes it unsaved.
    static_cast<plat::SimLabel*>(dialog().Label14)->userMouseDown();
    static_cast<plat::SimLabel*>(dialog().Label15)->userMouseDown();
    EXPECT_EQ(dialogWindow().systemMoveRequests(), 2);
    click(dialog().Image10);
    EXPECT_FALSE(ctx().settings);
    EXPECT_FALSE(ctx().SettingsOpen);

    // The page's "设置" opens it again, loaded anew.
    ctx().fxInfo->CallByName(QStringLiteral("pop_set"));
    ASSERT_TRUE(ctx().settings);
    EXPECT_TRUE(dialogWindow().isVisible());
    EXPECT_TRUE(ctx().SettingsOpen);
    EXPECT_TRUE(sim().desktop.messageBoxes().empty());
}

TEST_F(Settings, TabsSwitchPagesAndTheBoxEnablesThePopupLists) {
    openFromTray();
    click(dialog().Image2);
    EXPECT_EQ(dialog().CurrentPage(), "Image2");
    EXPECT_EQ(dialog().Label1->text(), QStringLiteral("财经日历提醒"));
    EXPECT_EQ(picture(dialog().Image1), "newsgather1.gif");
    EXPECT_EQ(picture(dialog().Image2), "financalender2.gif");
    EXPECT_FALSE(dialog().Combo1->isVisible());
    EXPECT_TRUE(dialog().Combo4->isVisible());

    click(dialog().Image3);
    EXPECT_EQ(dialog().Label1->text(), QStringLiteral("行情中心币种显示"));
    const CurrencyPage& page = *dialog().currencies;
    EXPECT_EQ(page.Label13[1]->text(), "GBPUSD");
    EXPECT_EQ(page.Check2[0]->value(), 1);
    EXPECT_EQ(page.Check2[1]->value(), 0);
    EXPECT_TRUE(page.Check2[2]->isVisible());
    EXPECT_FALSE(page.Check2[3]->isVisible());
    EXPECT_FALSE(page.VScroll1->isVisible());
    EXPECT_FALSE(dialog().Combo4->isVisible());

    // The highlighted picture follows the mouse; the selected tab keeps its own.
    static_cast<plat::SimImageBox*>(dialog().Image8)->userMouseMove();
    static_cast<plat::SimImageBox*>(dialog().Image1)->userMouseMove();
    EXPECT_EQ(picture(dialog().Image8), "setapply1.gif");
    dialogWindow().userMouseOverBackground();
    EXPECT_EQ(picture(dialog().Image8), "setapply.gif");
    EXPECT_EQ(picture(dialog().Image1), "newsgather1.gif");
    EXPECT_EQ(picture(dialog().Image3), "quotcenter2.gif");

    click(dialog().Image1);
    click(dialog().Check1);
    EXPECT_FALSE(dialog().Combo1->isEnabled());
    EXPECT_FALSE(dialog().Combo2->isEnabled());
    EXPECT_FALSE(choose(dialog().Combo1, "1m"));
    click(dialog().Check1);
    EXPECT_TRUE(choose(dialog().Combo1, "1m"));
    EXPECT_FALSE(choose(dialog().Combo1, "2m")) << "not a choice";
}

TEST_F(Settings, ThreeMinutesOnPageOneMakeTheNextPopupStayThreeMinutes) {
    openFromTray();
    ASSERT_TRUE(choose(dialog().Combo1, "3m"));
    ASSERT_TRUE(choose(dialog().Combo2, "Band.wav"));
    click(dialog().Image8);
    EXPECT_TRUE(dialogWindow().isVisible()) << "Apply keeps the dialog open";
    EXPECT_EQ(ctx().PopupStayTime, "3m");
    EXPECT_EQ(ctx().PopupSoundFile, "Band.wav");
    EXPECT_TRUE(ctx().PopupEnabled);
    EXPECT_TRUE(savedBytes().contains("<Popup staytime=\"3m\" SoundFile=\"Band.wav\" Checked=\"1\"/>"));

    ctx().mainCtl->Popup(QStringLiteral("news"), 0);
    const qint64 start = sim().loop.nowMs();
    sim().loop.advance(600 + 180'000 - 1);
    EXPECT_EQ(ctx().popup->PopUpStatus(), frmPopUp::Showing);
    sim().loop.advance(1);
    EXPECT_EQ(ctx().popup->PopUpStatus(), frmPopUp::FadingOut);
    EXPECT_EQ(sim().loop.nowMs() - start, 180'600);

    // Popups switched off: the next news has none.
    click(dialog().Check1);
    click(dialog().Image6);
    EXPECT_FALSE(ctx().PopupEnabled);
    EXPECT_EQ(stored("Settings/ZEP/Popup", "Checked"), "0");
}

TEST_F(Settings, PageTwoStoresTheChoicesAsTextsAndSetsTheReminderValues) {
    openFromTray();
    click(dialog().Image2);
    ASSERT_TRUE(choose(dialog().Combo4, QStringLiteral("30分钟")));
    ASSERT_TRUE(choose(dialog().Combo5, "1m"));
    click(dialog().Image8);
    EXPECT_EQ(ctx().CalendarStaySeconds, 60);
    EXPECT_EQ(ctx().CalendarNotifyTime, 30);

    // The same document, in its own encoding, with the two values changed (and the
    // desktop shortcut's marker that start-up added).
    QString expected = document();
    expected.replace(QStringLiteral("<FXCalendar staytime=\"15s\" NotifyTime=\"5分钟前\"/>"),
                     QStringLiteral("<FXCalendar staytime=\"1m\" NotifyTime=\"30分钟\"/>"));
    expected.replace(QStringLiteral("</App>"), QStringLiteral("  <desktopshorcut/>\n</App>"));
    EXPECT_EQ(savedBytes(), cp936::encode(expected));
}

TEST_F(Settings, OkStoresThePageShowingOnlyAndCloses) {
    openFromTray();
    ASSERT_TRUE(choose(dialog().Combo1, "1m"));
    click(dialog().Check1);
    click(dialog().Image2);
    ASSERT_TRUE(choose(dialog().Combo5, "45s"));
    click(dialog().Image6);
    EXPECT_FALSE(ctx().settings);
    EXPECT_FALSE(ctx().SettingsOpen);
    const QByteArray saved = savedBytes();
    EXPECT_TRUE(saved.contains("<Popup staytime=\"10s\" SoundFile=\"News.wav\" Checked=\"1\"/>"));
    EXPECT_TRUE(saved.contains("<FXCalendar staytime=\"45s\" NotifyTime=\""));
    EXPECT_TRUE(ctx().PopupEnabled);
    EXPECT_EQ(ctx().PopupStayTime, "10s");
    EXPECT_EQ(ctx().CalendarStaySeconds, 45);
    EXPECT_EQ(ctx().CalendarNotifyTime, 5);
}

TEST_F(Settings, HidesWithTheMainWindowAndComesBackUntilCancelled) {
    openFromTray();
    ctx().fxInfo->CallByName(QStringLiteral("zep_min"));
    EXPECT_FALSE(dialogWindow().isVisible());
    mainWindow().userTaskbarClick();
    EXPECT_EQ(mainWindow().state(), plat::WindowState::Normal);
    EXPECT_TRUE(dialogWindow().isVisible());

    // Closed to the tray, it stays open out of sight: the tray's "配置" shows it again as
    // the user left it.
    click(dialog().Image2);
    ctx().fxInfo->CallByName(QStringLiteral("zep_Close"));
    EXPECT_FALSE(dialogWindow().isVisible());
    EXPECT_TRUE(ctx().SettingsOpen);
    openFromTray();
    EXPECT_TRUE(dialogWindow().isVisible());
    EXPECT_EQ(dialog().CurrentPage(), "Image2");
    ASSERT_TRUE(tray().userChooseMenuItem(QStringLiteral("Main")));
    sim().loop.runPosted();

    click(dialog().Image7);
    EXPECT_FALSE(ctx().settings);
    EXPECT_FALSE(ctx().SettingsOpen);
    ctx().fxInfo->CallByName(QStringLiteral("zep_min"));
    mainWindow().userTaskbarClick();
    EXPECT_EQ(mainWindow().state(), plat::WindowState::Normal);
    EXPECT_FALSE(ctx().settings);
    EXPECT_EQ(savedBytes(), cp936::encode(document())) << "Cancel writes nothing";
}

TEST_F(Settings, UntickingAPairWritesItAndTellsTheQuoteCenterBeforeTheSave) {
    QString seen;
    ctx().refreshShownPairs = [&] {
        seen = stored("Settings/ZEP/currency/EURUSD", "Checked") + stored("Settings/ZEP/currency/GBPUSD", "Checked");
        EXPECT_FALSE(savedBytes().contains("<EURUSD Checked=\"0\"/>"));
    };
    openFromTray();
    click(dialog().Image3);
    click(dialog().currencies->Check2[0]);
    click(dialog().currencies->Check2[1]);
    click(dialog().Image8);
    EXPECT_EQ(seen, "01");
    const QByteArray saved = savedBytes();
    EXPECT_TRUE(saved.contains("<EURUSD Checked=\"0\"/>\n        <GBPUSD Checked=\"1\"/>\n        <XAUUSD Checked=\"1\"/>"));
}

TEST_F(Settings, ThePreviewPlaysTheChosenSoundAndAMissingOneNothing) {
    QDir().mkpath(inst.appDir() + "/Sound");
    TestInstallation::writeFile(inst.appDir() + "/Sound/Band.wav", "a sound");
    openFromTray();
    ASSERT_TRUE(choose(dialog().Combo2, "Band.wav"));
    click(dialog().Image5);
    ASSERT_EQ(sim().desktop.soundPlays().size(), 1u);
    EXPECT_EQ(sim().desktop.soundPlays()[0].path, inst.appDir() + "/Sound/Band.wav");
    ASSERT_TRUE(choose(dialog().Combo2, "SSNotify.wav"));
    click(dialog().Image5);
    EXPECT_EQ(sim().desktop.soundPlays().size(), 1u);
    EXPECT_TRUE(sim().desktop.messageBoxes().empty());
}

TEST_F(Settings, ASaveThatFailsIsReportedWhileTheNewValuesHoldForThisRun) {
    openFromTray();
    ctx().Config->setXmlFile(inst.appDir() + "/missing/ZEP.xml");
    ASSERT_TRUE(choose(dialog().Combo1, "1m"));
    click(dialog().Image8);
    EXPECT_EQ(ctx().PopupStayTime, "1m");
    ASSERT_EQ(sim().desktop.messageBoxes().size(), 1u);
    EXPECT_EQ(sim().desktop.messageBoxes()[0].caption, ctx().AppTitle);
}

TEST_F(Settings, TheExitUnloadsTheOpenDialog) {
    openFromTray();
    ctx().mainCtl->ExitApp();
    EXPECT_FALSE(ctx().settings);
    EXPECT_FALSE(ctx().SettingsOpen);
    EXPECT_EQ(sim().loop.exitStatus(), 0);
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
    EXPECT_TRUE(scroll.isVisible());
    EXPECT_EQ(scroll.maximum(), 1);
    EXPECT_TRUE(page.Check2[23]->isVisible());
    click(page.Check2[0]);                        // PAIR00
    scroll.userScrollTo(1);
    EXPECT_EQ(page.Label13[0]->text(), "PAIR03");
    EXPECT_EQ(page.Label13[22]->text(), "PAIR25");
    EXPECT_FALSE(page.Check2[23]->isVisible());
    click(page.Check2[22]);                       // PAIR25
    scroll.userScrollTo(0);
    EXPECT_EQ(page.Label13[0]->text(), "PAIR00");
    EXPECT_EQ(page.Check2[0]->value(), 0);
    click(dialog().Image6);
    const QByteArray saved = savedBytes();
    EXPECT_TRUE(saved.contains("<PAIR00 Checked=\"0\"/>"));
    EXPECT_TRUE(saved.contains("<PAIR01 Checked=\"1\"/>"));
    EXPECT_TRUE(saved.contains("<PAIR25 Checked=\"0\"/>"));
}

} // namespace
