#include "platform/res/ResourceStore.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

// Resources of a static library are registered only when asked for.
static void registerEmbeddedResources() { Q_INIT_RESOURCE(zep); }

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
const QString kPagesRoot = QStringLiteral(":/zep");
const QString kIconsRoot = QStringLiteral(":/icons");

QByteArray mimeTypeOf(const QString& lowerName) {
    const QString ext = lowerName.section(QLatin1Char('.'), -1);
    if (ext == u"htm" || ext == u"html") return "text/html";
    if (ext == u"css") return "text/css";
    if (ext == u"js") return "text/javascript";
    if (ext == u"png") return "image/png";
    if (ext == u"gif") return "image/gif";
    if (ext == u"jpg" || ext == u"jpeg") return "image/jpeg";
    return "application/octet-stream";
}

// Pages and style sheets are GB2312 unless a byte-order mark says UTF-8.
QByteArray charsetOf(const QByteArray& mimeType, const QByteArray& data) {
    if (!mimeType.startsWith("text/")) return {};
    return data.startsWith(kUtf8Bom) ? QByteArray("utf-8") : QByteArray("gb2312");
}

} // namespace

ResourceStore::ResourceStore() {
    registerEmbeddedResources();
    const QDir root(kPagesRoot);
    for (const QString& name : root.entryList(QDir::Files)) paths_.insert(name.toLower(), root.filePath(name));
}

QString ResourceStore::resourceName(const QString& reference) {
    QString name = reference.section(QLatin1Char('#'), 0, 0).section(QLatin1Char('?'), 0, 0);
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name.section(QLatin1Char('/'), -1);
}

std::optional<PageResource> ResourceStore::find(const QString& reference) const {
    const QString key = resourceName(reference).toLower();
    const auto hit = paths_.constFind(key);
    if (hit == paths_.constEnd()) return std::nullopt;
    QFile file(hit.value());
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    PageResource r;
    r.name = QFileInfo(hit.value()).fileName();
    r.data = file.readAll();
    r.mimeType = mimeTypeOf(key);
    r.charset = charsetOf(r.mimeType, r.data);
    return r;
}

QStringList ResourceStore::names() const {
    QStringList list;
    for (const QString& path : paths_) list << QFileInfo(path).fileName();
    list.sort();
    return list;
}

QStringList ResourceStore::applicationIconFiles() {
    registerEmbeddedResources();
    const QDir root(kIconsRoot);
    QStringList names = root.entryList({QStringLiteral("Zavez_ZEP_*.png")}, QDir::Files);
    // "Zavez_ZEP_16.png": order by the size in the name.
    auto size = [](const QString& name) {
        return name.section(QLatin1Char('_'), -1).section(QLatin1Char('.'), 0, 0).toInt();
    };
    std::sort(names.begin(), names.end(), [&](const QString& a, const QString& b) { return size(a) < size(b); });
    QStringList files;
    for (const QString& name : names) files << root.filePath(name);
    return files;
}
