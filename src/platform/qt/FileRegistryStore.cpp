#include "platform/qt/FileRegistryStore.h"
#include "base/AtomicFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace plat {

namespace {

const QByteArray kHeader = "# Quenra registry 1";

QByteArray encodeField(const QString& text) { return text.toUtf8().toPercentEncoding(); }

QString decodeField(const QByteArray& field) { return QString::fromUtf8(QByteArray::fromPercentEncoding(field)); }

QByteArray lineOf(const MemoryRegistry::Entry& entry) {
    return QByteArray::number(entry.root, 16) + '\t' + encodeField(entry.section) + '\t' + encodeField(entry.name) +
           '\t' + QByteArray::number(entry.type) + '\t' + entry.data.toHex() + '\n';
}

bool parseLine(const QByteArray& line, MemoryRegistry::Entry& entry) {
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() != 5) return false;
    bool rootOk = false;
    bool typeOk = false;
    entry.root = fields[0].toUInt(&rootOk, 16);
    entry.section = decodeField(fields[1]);
    entry.name = decodeField(fields[2]);
    entry.type = fields[3].toInt(&typeOk);
    entry.data = QByteArray::fromHex(fields[4]);
    return rootOk && typeOk;
}

} // namespace

FileRegistryStore::FileRegistryStore(QString path) : path_(std::move(path)) { load(); }

QString FileRegistryStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quenra/registry.txt");
}

void FileRegistryStore::load() {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) return;
    for (const QByteArray& line : file.readAll().split('\n')) {
        MemoryRegistry::Entry entry;
        if (parseLine(line.trimmed(), entry)) {
            values_.write(entry.root, entry.section, entry.name, entry.type, entry.data);
        }
    }
}

bool FileRegistryStore::read(quint32 root, const QString& section, const QString& name, int& type, QByteArray& data) {
    return values_.read(root, section, name, type, data);
}

bool FileRegistryStore::write(quint32 root, const QString& section, const QString& name, int type,
                              const QByteArray& data) {
    MemoryRegistry changed = values_;
    if (!changed.write(root, section, name, type, data) || !save(changed)) return false;
    values_ = std::move(changed);
    return true;
}

bool FileRegistryStore::save(const MemoryRegistry& values) const {
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) return false;
    QByteArray content = kHeader + '\n';
    for (const MemoryRegistry::Entry& entry : values.entries()) content += lineOf(entry);
    QString error;
    return atomicfile::write(path_, content, error, atomicfile::Access::OwnerOnly);
}

} // namespace plat
