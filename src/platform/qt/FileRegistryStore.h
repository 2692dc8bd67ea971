#pragma once
#include "platform/sys/MemoryRegistry.h"

namespace plat {

// The registry of this system: values kept per user in one file, by default
// $XDG_CONFIG_HOME/Quenra/registry.txt. Both HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE live
// there (a per-user program has no business writing machine-wide settings).
//
// The file is a header line, then one value a line: root, key path and value name
// (percent-encoded UTF-8), type, data (hexadecimal), separated by tabs. Lines that do not
// read are skipped. Every write rewrites the file through a temporary file renamed over it,
// so a failed write leaves the previous values whole and is answered false.
class FileRegistryStore : public RegistryStore {
public:
    explicit FileRegistryStore(QString path = defaultPath());
    static QString defaultPath();

    bool read(quint32 root, const QString& section, const QString& name, int& type, QByteArray& data) override;
    bool write(quint32 root, const QString& section, const QString& name, int type, const QByteArray& data) override;

private:
    void load();
    bool save(const MemoryRegistry& values) const;

    QString path_;
    MemoryRegistry values_;
};

} // namespace plat
