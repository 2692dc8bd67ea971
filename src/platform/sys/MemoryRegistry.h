#pragma once
#include "platform/sys/RegistryStore.h"
#include <map>
#include <vector>

namespace plat {

// The registry in memory: keys under HKEY_CURRENT_USER (0x80000001) and
// HKEY_LOCAL_MACHINE (0x80000002); key paths and value names match without regard to case
// or to backslashes at either end, as the registry's do. Other roots cannot be written.
// The file store keeps its values in one of these; the simulated one is one.
class MemoryRegistry : public RegistryStore {
public:
    struct Entry {
        quint32 root = 0;
        QString section; // as first written
        QString name;
        int type = 0;
        QByteArray data;
    };

    bool read(quint32 root, const QString& section, const QString& name, int& type, QByteArray& data) override;
    bool write(quint32 root, const QString& section, const QString& name, int type, const QByteArray& data) override;

    // Every value, in a stable order.
    std::vector<Entry> entries() const;

private:
    static QString keyOf(quint32 root, const QString& section, const QString& name);

    std::map<QString, Entry> entries_;
};

} // namespace plat
