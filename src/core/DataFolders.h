#pragma once
#include <QString>

struct AppContext;
namespace plat {
class Shell;
}

// Where the program keeps the user's own files (ZEP.xml, the remember file, ZEP_ID.txt,
// the log). The pages, images and sounds always come from the installation folder.
//
// An installation folder the user can write (a portable copy) keeps everything beside the
// program, ZEP_ID.txt in the per-machine folder, as always. A system-wide installation (the
// package's, or any the user cannot write) keeps them in the user's own data folder instead,
// so that every user of the machine has their own settings; the first start copies the
// shipped ZEP.xml there.
class DataFolders {
public:
    // Beside the program until Main chooses otherwise.
    DataFolders() = default;

    // Whether the installation in installDir is shared by the machine's users: one the user
    // cannot write, or the package's, whose marker keeps even the administrator's settings
    // out of the files every user starts from.
    static bool isSystemWide(const QString& installDir);
    static DataFolders choose(bool systemWide, const plat::Shell& shell);

    bool perUser() const { return !userDir_.isEmpty(); }
    // The folder of ZEP.xml and the remember file, ending in the separator.
    QString userDir(const AppContext& ctx) const;
    QString userFile(const AppContext& ctx, const QString& name) const { return userDir(ctx) + name; }
    QString clientIdDir(const AppContext& ctx) const;
    static QString logFile(const plat::Shell& shell);
    // Where the live update saves what it downloads: the installer beside the program, or
    // the Debian package in the user's folder, which the system's package installer takes.
    QString updateFile(const AppContext& ctx) const;

    // Gives a per-user folder without ZEP.xml the installation's copy, writable by the user.
    // A ZEP.xml the user has is never replaced: a newer package's copy does not undo their
    // settings. False when the folder still has none.
    bool seed(const AppContext& ctx) const;

private:
    QString userDir_; // empty: beside the program
};
