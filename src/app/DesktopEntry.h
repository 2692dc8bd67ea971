#pragma once
#include <QString>
#include <QStringList>

// A desktop shortcut as a freedesktop ".desktop" launcher file: the program it starts
// (Exec), its working directory (Path) and icon. Keys it does not set are kept as found.
class DesktopEntry {
public:
    explicit DesktopEntry(QString file) : file_(std::move(file)) {}

    // Reads the file; false when it cannot be read (the entry then starts empty).
    bool load();
    // Writes the file and makes it launchable; false when it cannot be written.
    bool save() const;

    // The program that Exec starts; empty when there is none.
    QString target() const;
    void setTarget(const QString& program);
    void setWorkingDirectory(const QString& dir);
    void setIcon(const QString& iconFile);
    void setName(const QString& name);

private:
    QString value(const QString& key) const;
    void setValue(const QString& key, const QString& value);

    QString file_;
    QStringList lines_;
};
