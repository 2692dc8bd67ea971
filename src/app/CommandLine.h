#pragma once
#include <QString>

// The program's command line. It is read before the application object exists, since the
// choice of that object depends on it; arguments the program does not know are left to Qt.
struct CommandLine {
    enum class Action { Run, Help, Version, Invalid };
    // Exit statuses of a run that ends here.
    enum Status { Usage = 64, NoDisplay = 69 };

    Action action = Action::Run;
    bool headless = false;
    QString dumpPagesDir;

    static CommandLine parse(int argc, char** argv);
    static QString usage();
    static QString version();
    // Whether windows can be shown: the environment names a display, or Qt is told which
    // platform to use.
    static bool hasDisplay(int argc, char** argv);
    static QString noDisplay();
};
