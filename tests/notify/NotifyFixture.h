#pragma once
#include "app/AppContext.h"
#include "app/TestInstallation.h"
#include "notify/PopupRequest.h"
#include "notify/frmPopUp.h"
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
        TestInstallation::writeFile(soundFile(), QStringLiteral("not a wave: plays 1000 ms"));
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
