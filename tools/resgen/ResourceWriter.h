#pragma once
#include <QColor>
#include <QDir>
#include <QImage>
#include <QList>
#include <QStringList>
#include <cstdint>
#include <vector>

// Writes the generated files into the output folder and lists the embedded ones in zep.qrc:
// pages/ (embedded in the executable, with the hand-written pages), icons/ (embedded and
// installed), image/ and Sound/ (installed beside the executable).
class ResourceWriter {
public:
    enum class Place { Page, DialogImage, Icon, Sound };

    explicit ResourceWriter(const QString& outDir);
    void png(Place place, const QString& name, const QImage& image);
    void jpg(Place place, const QString& name, const QImage& image);
    // Writes the GIF and checks it with Qt's reader.
    void gif(Place place, const QString& name, const QList<QImage>& frames, const QColor& matte, int delayCs = 0);
    void wav(const QString& name, const std::vector<int16_t>& samples, int sampleRate);
    // A hand-written page file, embedded under its name in capitals.
    void embedPage(const QString& sourcePath);
    void finish();

private:
    void write(Place place, const QString& name, const QByteArray& bytes);
    static QString folder(Place place);

    QDir out_;
    QStringList pageEntries_;
    QStringList iconEntries_;
};
