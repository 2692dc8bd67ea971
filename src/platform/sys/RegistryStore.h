#pragma once
#include <QByteArray>
#include <QString>

namespace plat {

// The per-user store that stands in for the registry: keys under a root, typed values.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    // False when the key or the value does not exist.
    virtual bool read(quint32 root, const QString& section, const QString& name, int& type, QByteArray& data) = 0;
    // Creates the key when missing. False when the store cannot be written.
    virtual bool write(quint32 root, const QString& section, const QString& name, int type, const QByteArray& data) = 0;
};

} // namespace plat
