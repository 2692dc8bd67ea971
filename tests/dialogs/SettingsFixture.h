#pragma once
#include "base/Cp936.h"
#include "config/cls_Config.h"
#include "dialogs/frmdispose.h"
#include "platform/sim/SimCheckBox.h"
#include "platform/sim/SimComboBox.h"
#include "platform/sim/SimImageBox.h"
#include "platform/sim/SimLabel.h"
#include "platform/sim/SimScrollBar.h"
#include "app/StartedProgram.h"

// The program started in a simulated process, its main window showing, with the settings
// as the installation ships them: a GB2312 document with three pairs, one of them hidden.
class SettingsFixture : public StartedProgram {
protected:
    static QString pairs(int count) {
        QString xml;
        for (int i = 0; i < count; ++i)
            xml += QStringLiteral("\n        <PAIR%1 Checked=\"1\"/>").arg(i, 2, 10, QChar(u'0'));
        return xml;
    }
    static QString
    config(const QString& currencies = QStringLiteral(
               "\n        <EURUSD Checked=\"1\"/>\n        <GBPUSD Checked=\"0\"/>\n        <XAUUSD Checked=\"1\"/>")) {
        QString xml = TestInstallation::defaultConfig();
        xml.replace(QStringLiteral("encoding=\"UTF-8\""), QStringLiteral("encoding=\"gb2312\""));
        xml.replace(QStringLiteral("\n              "), QStringLiteral(" ")); // attributes on one line, as saved
        xml.replace(QStringLiteral("<Popup staytime=\" 5m \" SoundFile=\" ding.wav \" Checked=\"1\"/>"),
                    QStringLiteral("<Popup staytime=\"10s\" SoundFile=\"News.wav\" Checked=\"1\"/>"));
        xml.replace(QStringLiteral("<FXCalendar staytime=\"2m\" NotifyTime=\"10.5\"/>"),
                    QStringLiteral("<FXCalendar staytime=\"15s\" NotifyTime=\"5分钟前\"/>\n      <currency>") +
                        currencies + QStringLiteral("\n      </currency>"));
        return xml;
    }
    explicit SettingsFixture(const QString& document = config()) : document_(document) {
        EXPECT_TRUE(writeFile(inst.configFile(), cp936::encode(document_)));
    }
    void SetUp() override { startToMainWindow(); }

    const QString& document() const { return document_; }
    QByteArray savedBytes() const { return readFile(inst.configFile()); }

    void openFromTray() {
        ASSERT_TRUE(tray().userChooseMenuItem(QStringLiteral("Settings")));
        sim().loop.runPosted();
        ASSERT_TRUE(ctx().settings);
    }
    frmdispose& dialog() { return *ctx().settings; }
    plat::SimWindow& dialogWindow() { return static_cast<plat::SimWindow&>(dialog().window()); }

    static void click(plat::ImageBox* c) { static_cast<plat::SimImageBox*>(c)->userClick(); }
    static void click(plat::CheckBox* c) { static_cast<plat::SimCheckBox*>(c)->userClick(); }
    static bool choose(plat::ComboBox* c, const QString& text) {
        return static_cast<plat::SimComboBox*>(c)->userChoose(text);
    }
    static QString picture(plat::ImageBox* c) { return c->picture().section(u'/', -1); }

private:
    QString document_;
};
