#pragma once
#include "TestFiles.h"
#include "core/AppContext.h"
#include "config/cls_Config.h"
#include "platform/sim/SimPlatform.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One simulated process with a context as the start-up leaves it, an installation
// directory of its own and the vendor's servers at one address.
class SessionFixture : public ::testing::Test {
protected:
    static inline const QString Server = QStringLiteral("10.20.30.40");

    SessionFixture() {
        ctx.AppPath = dir.path() + QStringLiteral("/");
        ctx.server.address = Server;
        ctx.server.webSite = QStringLiteral("http://vendor.test");
        sim.shell.setWindowsDir(dir.path() + QStringLiteral("/windows"));
    }

    // A configuration document with these elements inside the root.
    void useConfig(const QString& inner) {
        const QString path = dir.path() + QStringLiteral("/ZEP.xml");
        ASSERT_TRUE(writeFile(path, (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<App>") + inner +
                                     QStringLiteral("</App>\n"))
                                        .toUtf8()));
        ctx.Config = std::make_shared<cls_Config>(sim.platform);
        ctx.Config->setXmlFile(path);
        ASSERT_TRUE(ctx.Config->Initialize());
    }

    QTemporaryDir dir;
    plat::SimPlatform sim;
    AppContext ctx{sim.platform};
};
