#include "ResourceWriter.h"
#include "GifEncoder.h"
#include "WavWriter.h"
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace {

QByteArray encoded(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality)) throw std::runtime_error("cannot encode image");
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

QString entry(const QString& alias, const QString& path) {
    return QStringLiteral("    <file alias=\"%1\">%2</file>\n").arg(alias, path);
}

} // namespace

ResourceWriter::ResourceWriter(const QString& outDir) : out_(outDir) {
    // Start clean, so that nothing renamed or dropped lingers in the installation.
    for (Place place : {Place::Page, Place::DialogImage, Place::Icon, Place::Sound}) {
        QDir(out_.filePath(folder(place))).removeRecursively();
        out_.mkpath(folder(place));
    }
}

QString ResourceWriter::folder(Place place) {
    switch (place) {
    case Place::Page:
        return QStringLiteral("pages");
    case Place::DialogImage:
        return QStringLiteral("image");
    case Place::Icon:
        return QStringLiteral("icons");
    case Place::Sound:
        return QStringLiteral("Sound");
    }
    return {};
}

void ResourceWriter::write(Place place, const QString& name, const QByteArray& bytes) {
    const QString path = out_.filePath(folder(place) + QLatin1Char('/') + name);
    writeFile(path, bytes);
    if (place == Place::Page) pageEntries_ << entry(name.toUpper(), path);
    if (place == Place::Icon) iconEntries_ << entry(name, path);
}

void ResourceWriter::png(Place place, const QString& name, const QImage& image) {
    write(place, name, encoded(image, "PNG", -1));
}

void ResourceWriter::jpg(Place place, const QString& name, const QImage& image) {
    write(place, name, encoded(image.convertToFormat(QImage::Format_RGB32), "JPG", 92));
}

void ResourceWriter::gif(Place place, const QString& name, const QList<QImage>& frames, const QColor& matte,
                         int delayCs) {
    const QByteArray bytes = GifEncoder::encode(frames, matte, delayCs);
    GifEncoder::verify(bytes, frames, matte);
    write(place, name, bytes);
}

void ResourceWriter::wav(const QString& name, const std::vector<int16_t>& samples, int sampleRate) {
    write(Place::Sound, name, WavWriter::encode(samples, sampleRate));
}

void ResourceWriter::embedPage(const QString& sourcePath) {
    const QFileInfo info(sourcePath);
    pageEntries_ << entry(info.fileName().toUpper(), info.absoluteFilePath());
}

void ResourceWriter::finish() {
    QString qrc = QStringLiteral("<RCC>\n  <qresource prefix=\"/zep\">\n");
    qrc += pageEntries_.join(QString());
    qrc += QStringLiteral("  </qresource>\n  <qresource prefix=\"/icons\">\n");
    qrc += iconEntries_.join(QString());
    qrc += QStringLiteral("  </qresource>\n</RCC>\n");
    writeFile(out_.filePath(QStringLiteral("zep.qrc")), qrc.toUtf8());
}
