#pragma once
#include "core/AppContext.h"
#include "app/TestInstallation.h"
#include "notify/PopupRequest.h"
#include "notify/frmPopUp.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/PlainLayout.h"
#include "platform/sim/SimBrowser.h"
#include "platform/sim/SimPlatform.h"
#include "platform/sim/SimWindow.h"
#include <QDir>
#include <gtest/gtest.h>

// A simulated process with the popup settings, a sound file of 1000 ms and the controller's
// popup request, on the simulated 1600 x 1000 screen whose work area ends at y = 960.
class NotifyFixture : public ::testing::Test {
protected:
    NotifyFixture() {
        ctx.AppPath = inst.appDir() + u'/';
        ctx.PageBase = QStringLiteral("res://") + ctx.AppPath + QStringLiteral("Zavez_ZEP.exe/");
        ctx.PopupEnabled = true;
        ctx.PopupStayTime = QStringLiteral("5");
        ctx.PopupSoundFile = QStringLiteral("ding.wav");
        QDir().mkpath(ctx.AppPath + QStringLiteral("Sound"));
        writeFile(soundFile(), "not a wave: plays 1000 ms");
    }

    // The popup window loaded ahead of the first request, its page box fixed at width x
    // height px: 4230 x 4515 twips, a step of 376 twips.
    void preparePopup(int width = 282, int height = 301) {
        ctx.load(ctx.popup);
        popupWindow().browser()->layout().setSize(QStringLiteral("popupWin"), width, height);
    }
    dom::Document& page() { return *ctx.popup->WebBrowser()->document(); }
    dom::Element& element(const char* id) { return *page().getElementById(QString::fromLatin1(id)); }
    // The user clicks the element.
    void click(dom::Element& e) { page().dispatchUserEvent(&e, QStringLiteral("onclick")); }
    QStringList rows() {
        QStringList texts;
        for (const dom::Element* row : element("popupWin_Table").rows()) texts << row->innerText().trimmed();
        return texts;
    }
    // A news line as the news list builds it.
    static QString newsLine(const QString& link, const QString& text) {
        QString line =
            QStringLiteral("<span style='background-color:#F2F2F2' onClick=|popupWin_iLink.innerText='") + link +
            QStringLiteral("';popupWin_iLink.fireEvent('onclick');| onMouseOver=|this.className='popupTextHover';|"
                           " onMouseOut=|this.className='popupText';|>12/06 10:15&nbsp;") +
            text + QStringLiteral("</span>");
        return line.replace(u'|', u'"');
    }

    QString soundFile() const { return ctx.AppPath + QStringLiteral("Sound/ding.wav"); }
    void popup(const QString& html, int32_t stay = 0) { request.Popup(html, stay, *owner); }
    frmPopUp& popupForm() { return *ctx.popup; }
    plat::SimWindow& popupWindow() { return static_cast<plat::SimWindow&>(ctx.popup->window()); }
    const std::vector<plat::SimSoundPlay>& plays() const { return sim.desktop.soundPlays(); }
    void advance(qint64 ms) { sim.loop.advance(ms); }

    TestInstallation inst;
    std::unique_ptr<TestInstallation::Process> proc = inst.process();
    AppContext& ctx = proc->ctx;
    plat::SimPlatform& sim = proc->sim;
    std::unique_ptr<plat::Window> owner = sim.platform.createWindow(plat::WindowKind::Hidden);
    PopupRequest request{ctx};
};
