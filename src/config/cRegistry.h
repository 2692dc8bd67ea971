#pragma once
#include <QString>
#include <QVariant>
#include <cstdint>

namespace plat {
class RegistryStore;
}

// One registry value, addressed like a cursor: set the root, key path, value name and type,
// then read or assign Value. Setting the properties touches nothing in the store. Text
// crosses the store in code page 936.
class cRegistry {
public:
    static constexpr uint32_t HKEY_CURRENT_USER = 0x80000001u;
    static constexpr uint32_t HKEY_LOCAL_MACHINE = 0x80000002u;

    static constexpr int32_t REG_SZ = 1;
    static constexpr int32_t REG_EXPAND_SZ = 2;
    static constexpr int32_t REG_BINARY = 3;
    static constexpr int32_t REG_DWORD = 4;
    static constexpr int32_t REG_DWORD_BIG_ENDIAN = 5;
    static constexpr int32_t REG_MULTI_SZ = 7;

    // The number of the error a failed write raises (VbError).
    static constexpr long WriteFailed = 26001;

    explicit cRegistry(plat::RegistryStore& store);

    uint32_t ClassKey() const { return classKey_; }
    void setClassKey(uint32_t root) { classKey_ = root; }
    QString SectionKey() const { return sectionKey_; }
    void setSectionKey(const QString& section) { sectionKey_ = section; }
    QString ValueKey() const { return valueKey_; }
    void setValueKey(const QString& name) { valueKey_ = name; }
    int32_t ValueType() const { return valueType_; }
    void setValueType(int32_t type) { valueType_ = type; }
    // What a read gives when the key or the value does not exist; starts as the 16-bit
    // integer -1.
    QVariant Default() const { return default_; }
    void setDefault(const QVariant& value) { default_ = value; }

    // Reads the value and sets ValueType to the type found: text for REG_SZ, REG_MULTI_SZ
    // (up to the first NUL) and REG_EXPAND_SZ (environment variables expanded), a 32-bit
    // integer for the DWORD types, the bytes for any other type. Default when missing.
    QVariant Value();
    // Writes the value by ValueType, creating the key when missing. Text of one space is
    // stored as three; text with two "%" is stored as REG_EXPAND_SZ; both DWORD types are
    // stored as REG_DWORD. Throws VbError (WriteFailed, source
    // "Zavez_ZEP.cRegistry") when the store refuses the write or the value does not fit
    // the type (REG_MULTI_SZ and unknown types are not written).
    void setValue(const QVariant& value);

private:
    bool encode(const QVariant& value, int& type, QByteArray& data) const;
    QVariant decode(int type, const QByteArray& data) const;

    plat::RegistryStore& store_;
    uint32_t classKey_ = 0;
    QString sectionKey_;
    QString valueKey_;
    int32_t valueType_ = 0;
    QVariant default_ = QVariant::fromValue<int16_t>(-1);
};
