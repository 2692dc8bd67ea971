#include "app/CommandLine.h"
#include "resources/ProgramVersion.h"
#include <cstring>

namespace {

bool is(const char* arg, const char* option) { return std::strcmp(arg, option) == 0; }

} // namespace

CommandLine CommandLine::parse(int argc, char** argv) {
    CommandLine c;
    const auto answer = [&c](Action a) {
        if (c.action == Action::Run) c.action = a;
    };
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (is(arg, "--help") || is(arg, "-h")) {
            answer(Action::Help);
        } else if (is(arg, "--version")) {
            answer(Action::Version);
        } else if (is(arg, "--headless")) {
            c.headless = true;
        } else if (is(arg, "--dump-pages")) {
            if (i + 1 < argc)
                c.dumpPagesDir = QString::fromLocal8Bit(argv[++i]);
            else
                answer(Action::Invalid);
        } else if (std::strncmp(arg, "--dump-pages=", 13) == 0) {
            c.dumpPagesDir = QString::fromLocal8Bit(arg + 13);
        }
    }
    return c;
}

QString CommandLine::usage() {
    return QStringLiteral("usage: Zavez_ZEP [--headless] [--dump-pages DIR]\n"
                          "       Zavez_ZEP --help | --version\n"
                          "\n"
                          "Quenra极速版, the information client for forex and gold traders: news flashes,\n"
                          "quotes and the economic calendar from the vendor's push server.\n"
                          "\n"
                          "  --headless         run without a display: the windows live in memory, and what\n"
                          "                     they would show (popups, balloons, message boxes) is printed\n"
                          "                     here; without a remembered login, the login dialog asks on\n"
                          "                     the terminal\n"
                          "  --dump-pages DIR   at exit, write the main page and the popup page as last shown\n"
                          "                     into DIR\n"
                          "  --help             print this text and exit\n"
                          "  --version          print the version and exit\n");
}

QString CommandLine::version() {
    return QStringLiteral("Quenra极速版 (Zavez_ZEP) ") + QString::fromLatin1(zepversion::kVersionText) + u'\n';
}

bool CommandLine::hasDisplay(int argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name)) return true;
    for (int i = 1; i < argc; ++i)
        if (is(argv[i], "-platform") || is(argv[i], "--platform")) return true;
    return false;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

QString CommandLine::noDisplay() {
    return QStringLiteral("Zavez_ZEP: no display to show the windows on (DISPLAY is not set); "
                          "to run without one: Zavez_ZEP --headless\n");
}
