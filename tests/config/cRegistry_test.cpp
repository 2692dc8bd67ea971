#include "TestFiles.h"
#include "base/VbError.h"
#include "config/cRegistry.h"
#include "platform/qt/FileRegistryStore.h"
#include "platform/sim/SimRegistryStore.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kZepKey = QStringLiteral("Software\\Zavez_ZEP\\");

cRegistry valueIn(plat::RegistryStore& store, uint32_t root, const QString& section, const QString& name,
                  int32_t type) {
    cRegistry reg(store);
    reg.setClassKey(root);
    reg.setSectionKey(section);
    reg.setValueKey(name);
    reg.setValueType(type);
    return reg;
}

class Registry : public ::testing::Test {
protected:
    cRegistry at(uint32_t root, const QString& section, const QString& name, int32_t type) {
        return valueIn(store, root, section, name, type);
    }
    QByteArray stored(uint32_t root, const QString& section, const QString& name, int& type) {
        QByteArray data;
        EXPECT_TRUE(store.read(root, section, name, type, data));
        return data;
    }

    plat::SimRegistryStore store;
};

} // namespace

TEST_F(Registry, MissingValueReadsTheDefaultSoUsageTimeStartsFromMinusOne) {
    cRegistry time = at(cRegistry::HKEY_LOCAL_MACHINE, kZepKey, "Time", cRegistry::REG_DWORD);
    const QVariant missing = time.Value();
    EXPECT_EQ(missing.typeId(), QMetaType::Short);
    EXPECT_EQ(missing.toInt(), -1);
    time.setValue(missing.toInt() + 30);
    EXPECT_EQ(time.Value().toInt(), 29);
    int type = 0;
    EXPECT_EQ(stored(cRegistry::HKEY_LOCAL_MACHINE, kZepKey, "Time", type), QByteArray("\x1D\0\0\0", 4));
    EXPECT_EQ(type, cRegistry::REG_DWORD);

    time.setDefault(QStringLiteral("none"));
    time.setValueKey("Other");
    EXPECT_EQ(time.Value(), QVariant(QStringLiteral("none")));
}

TEST_F(Registry, TextIsStoredInCodePage936WithItsNulAndWithTwoPercentSignsReadExpanded) {
    cRegistry path = at(cRegistry::HKEY_LOCAL_MACHINE, kZepKey, "Path", cRegistry::REG_SZ);
    path.setValue(QStringLiteral("/opt/报价/Zavez_ZEP.exe"));
    int type = 0;
    EXPECT_EQ(stored(cRegistry::HKEY_LOCAL_MACHINE, "software\\zavez_zep", "path", type),
              QByteArray("/opt/\xB1\xA8\xBC\xDB/Zavez_ZEP.exe\0", 24));
    EXPECT_EQ(type, cRegistry::REG_SZ);
    path.setValueType(0);
    EXPECT_EQ(path.Value().toString(), QStringLiteral("/opt/报价/Zavez_ZEP.exe"));
    EXPECT_EQ(path.ValueType(), cRegistry::REG_SZ);

    path.setValue(" ");
    EXPECT_EQ(path.Value().toString(), "   ");

    qputenv("QUENRA_TEST_DIR", "/srv/q");
    path.setValue("%QUENRA_TEST_DIR%/bin %QUENRA_UNSET_VAR%");
    EXPECT_EQ(path.Value().toString(), "/srv/q/bin %QUENRA_UNSET_VAR%");
    EXPECT_EQ(path.ValueType(), cRegistry::REG_EXPAND_SZ);
    path.setValue("100%");
    EXPECT_EQ(path.Value().toString(), "100%");
    EXPECT_EQ(path.ValueType(), cRegistry::REG_SZ);
}

TEST_F(Registry, ValuesReadBackByTheirStoredType) {
    const QString key = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings");
    cRegistry reg = at(cRegistry::HKEY_CURRENT_USER, key, "MaxConnectionsPerServer", cRegistry::REG_DWORD);
    reg.setValue(10);
    EXPECT_EQ(reg.Value(), QVariant(qint32(10)));

    reg.setValueType(cRegistry::REG_DWORD_BIG_ENDIAN); // written as a plain DWORD
    reg.setValue(-2);
    EXPECT_EQ(reg.Value().toInt(), -2);
    EXPECT_EQ(reg.ValueType(), cRegistry::REG_DWORD);

    store.write(cRegistry::HKEY_CURRENT_USER, key, "Big", cRegistry::REG_DWORD_BIG_ENDIAN, QByteArray("\0\0\0\x0A", 4));
    store.write(cRegistry::HKEY_CURRENT_USER, key, "Multi", cRegistry::REG_MULTI_SZ, QByteArray("one\0two\0\0", 9));
    store.write(cRegistry::HKEY_CURRENT_USER, key, "Short", cRegistry::REG_DWORD, QByteArray("\x05", 1));
    reg.setValueKey("Big");
    EXPECT_EQ(reg.Value().toInt(), 10);
    reg.setValueKey("Multi");
    EXPECT_EQ(reg.Value().toString(), "one");
    reg.setValueKey("Short");
    EXPECT_EQ(reg.Value().toInt(), 5);

    reg.setValueKey("Blob");
    reg.setValueType(cRegistry::REG_BINARY);
    reg.setValue(QByteArray("\x00\xFF\x10", 3));
    EXPECT_EQ(reg.Value(), QVariant(QByteArray("\x00\xFF\x10", 3)));
}

TEST_F(Registry, FailedWriteRaises26001NamingKeySectionValueAndData) {
    store.setFailWrites(true);
    cRegistry path = at(cRegistry::HKEY_LOCAL_MACHINE, kZepKey, "Path", cRegistry::REG_SZ);
    try {
        path.setValue("/opt/q/Zavez_ZEP.exe");
        FAIL() << "no error raised";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), 26001);
        EXPECT_EQ(e.source(), "Zavez_ZEP.cRegistry");
        EXPECT_EQ(e.description(), "Failed to set registry value Key: '-2147483646',Section: 'Software\\Zavez_ZEP\\',"
                                   "Key: 'Path' to value: '/opt/q/Zavez_ZEP.exe'");
    }
    store.setFailWrites(false);
    // A root the store does not know, and a DWORD that is no number, fail the same way.
    EXPECT_THROW(at(0x80000005u, kZepKey, "Path", cRegistry::REG_SZ).setValue("x"), VbError);
    EXPECT_THROW(at(cRegistry::HKEY_CURRENT_USER, kZepKey, "Time", cRegistry::REG_DWORD).setValue("abc"), VbError);
    EXPECT_THROW(at(cRegistry::HKEY_CURRENT_USER, kZepKey, "M", cRegistry::REG_MULTI_SZ).setValue("x"), VbError);
    EXPECT_TRUE(store.entries().empty());
}

TEST(FileRegistryStore, ValuesOutliveTheProcessOddNamesSurviveAndUnreadableLinesAreSkipped) {
    QTemporaryDir dir;
    const QString file = dir.filePath("cfg/Quenra/registry.txt");
    const QString oddSection = QStringLiteral("Software\\Tab\there\nnewline 中");
    {
        plat::FileRegistryStore store(file);
        ASSERT_TRUE(store.write(cRegistry::HKEY_LOCAL_MACHINE, kZepKey, "Time", 4, QByteArray("\x1D\0\0\0", 4)));
        ASSERT_TRUE(store.write(cRegistry::HKEY_CURRENT_USER, oddSection, "N\tm", 1, QByteArray("v\0", 2)));
        EXPECT_FALSE(store.write(0x80000003u, kZepKey, "Time", 4, QByteArray(4, '\0')));
    }
    plat::FileRegistryStore again(file);
    int type = 0;
    QByteArray data;
    ASSERT_TRUE(again.read(cRegistry::HKEY_LOCAL_MACHINE, "SOFTWARE\\zavez_zep", "time", type, data));
    EXPECT_EQ(type, 4);
    EXPECT_EQ(data, QByteArray("\x1D\0\0\0", 4));
    ASSERT_TRUE(again.read(cRegistry::HKEY_CURRENT_USER, oddSection, "N\tm", type, data));
    EXPECT_EQ(data, QByteArray("v\0", 2));
    EXPECT_FALSE(again.read(cRegistry::HKEY_CURRENT_USER, kZepKey, "Time", type, data));

    // A file edited by hand: the lines it cannot read are stepped over.
    const QString edited = dir.filePath("registry.txt");
    ASSERT_TRUE(writeFile(edited, "# Quenra registry 1\ngarbage\n80000002\tSoftware\tTime\tx\t00\n"
                                  "80000002\tSoftware%5CZavez_ZEP\tTime\t4\t0a000000\n\xFF\xFE\t\t\t\t\n"));
    plat::FileRegistryStore store(edited);
    EXPECT_EQ(valueIn(store, cRegistry::HKEY_LOCAL_MACHINE, kZepKey, "Time", cRegistry::REG_DWORD).Value().toInt(), 10);

    // The store file's place becomes unusable: the write fails, nothing changes.
    const QByteArray before = readFile(edited);
    plat::FileRegistryStore blocked(dir.filePath("registry.txt/inside"));
    EXPECT_FALSE(blocked.write(cRegistry::HKEY_LOCAL_MACHINE, kZepKey, "Time", 4, QByteArray(4, '\0')));
    EXPECT_FALSE(blocked.read(cRegistry::HKEY_LOCAL_MACHINE, kZepKey, "Time", type, data));
    EXPECT_EQ(readFile(edited), before);
}
