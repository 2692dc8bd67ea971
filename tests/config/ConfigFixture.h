#pragma once
#include "TestFiles.h"
#include "config/cls_Config.h"
#include "platform/sim/SimPlatform.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

inline QString shippedConfigPath() { return QStringLiteral(ZEP_SOURCE_DIR "/dist/ZEP.xml"); }

// A configuration document in a temporary installation directory.
class ConfigFixture : public ::testing::Test {
protected:
    // Writes the document and loads it; false when it cannot be loaded.
    bool tryLoad(const QByteArray& bytes) {
        path = dir.filePath(QStringLiteral("ZEP.xml"));
        writeFile(path, bytes);
        config.setXmlFile(path);
        return config.Initialize();
    }
    void load(const QByteArray& bytes) { ASSERT_TRUE(tryLoad(bytes)); }
    void loadShipped() { load(readFile(shippedConfigPath())); }
    // Loads what is on disk now into a second document.
    std::unique_ptr<cls_Config> reload() {
        auto again = std::make_unique<cls_Config>(sim.platform);
        again->setXmlFile(path);
        EXPECT_TRUE(again->Initialize());
        return again;
    }
    const std::vector<plat::SimShownBox>& boxes() const { return sim.desktop.messageBoxes(); }

    plat::SimPlatform sim;
    QTemporaryDir dir;
    QString path;
    cls_Config config{sim.platform};
};
