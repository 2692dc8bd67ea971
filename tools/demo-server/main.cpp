#include "ControlConsole.h"
#include "DemoClock.h"
#include "DemoLog.h"
#include "DemoOptions.h"
#include "DemoServer.h"
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QString message;
    bool help = false;
    const auto options = DemoOptions::parse(
        app.arguments(), QDir(app.applicationDirPath()).filePath(QStringLiteral("demo-data")), &message, &help);
    if (!options) {
        std::fprintf(help ? stdout : stderr, "%s\n", message.toUtf8().constData());
        return help ? 0 : 2;
    }
    DemoLog log(options->quiet);
    DemoClock clock;
    DemoServer server(*options, log, clock);
    if (!server.start(&message)) {
        std::fprintf(stderr, "quenra-demo-server: %s\n", message.toUtf8().constData());
        return 1;
    }
    log.announce(QStringLiteral("quenra-demo-server listening (seed %1, data %2):")
                     .arg(options->seed)
                     .arg(QDir(options->dataDir).absolutePath()));
    for (const QString& line : server.listening()) log.announce(QStringLiteral("  ") + line);
    log.announce(QStringLiteral("Type \"kick [account]\", \"news\", \"fault drop|restart|stall|junk\" or \"quit\"."));
    ControlConsole console(server, log, [] { QCoreApplication::quit(); });
    return app.exec();
}
