#pragma once
#include "platform/sys/MemoryRegistry.h"

namespace plat {

// The registry in memory, whose writes tests can make fail.
class SimRegistryStore : public MemoryRegistry {
public:
    bool write(quint32 root, const QString& section, const QString& name, int type, const QByteArray& data) override {
        return !failWrites_ && MemoryRegistry::write(root, section, name, type, data);
    }
    // While on, every write fails and changes nothing.
    void setFailWrites(bool on) { failWrites_ = on; }

private:
    bool failWrites_ = false;
};

} // namespace plat
