#include "platform/sys/MemoryRegistry.h"

namespace plat {

namespace {
bool isKnownRoot(quint32 root) { return root == 0x80000001u || root == 0x80000002u; }

QString trimBackslashes(const QString& section) {
    qsizetype from = 0;
    qsizetype to = section.size();
    while (from < to && section[from] == u'\\') ++from;
    while (to > from && section[to - 1] == u'\\') --to;
    return section.mid(from, to - from);
}
} // namespace

QString MemoryRegistry::keyOf(quint32 root, const QString& section, const QString& name) {
    return QString::number(root, 16) + u'\n' + trimBackslashes(section).toLower() + u'\n' + name.toLower();
}

bool MemoryRegistry::read(quint32 root, const QString& section, const QString& name, int& type, QByteArray& data) {
    const auto it = entries_.find(keyOf(root, section, name));
    if (it == entries_.end()) return false;
    type = it->second.type;
    data = it->second.data;
    return true;
}

bool MemoryRegistry::write(quint32 root, const QString& section, const QString& name, int type,
                           const QByteArray& data) {
    if (!isKnownRoot(root)) return false;
    Entry& entry = entries_[keyOf(root, section, name)];
    if (entry.root == 0) entry = {root, section, name, 0, {}};
    entry.type = type;
    entry.data = data;
    return true;
}

std::vector<MemoryRegistry::Entry> MemoryRegistry::entries() const {
    std::vector<Entry> all;
    for (const auto& [key, entry] : entries_) all.push_back(entry);
    return all;
}

} // namespace plat
