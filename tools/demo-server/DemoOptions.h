#pragma once
#include "FaultOptions.h"
#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <optional>

// The command line of the demo server. A port of 0 lets the system choose (tests).
class DemoOptions {
public:
    QHostAddress bind{QHostAddress::LocalHost};
    quint16 loginPort = 12346;
    quint16 identityPort = 12355;
    quint16 pushPort = 8000;
    quint16 httpPort = 8080;
    int newsIntervalMs = 8000;
    int quoteIntervalMs = 1000;
    int heartbeatMs = 5000;
    int resultCheckMs = 5000;
    quint32 seed = 0;
    QString dataDir;
    QString offerUpdate; // empty: the manifest offers no update
    bool splitRecords = false;
    bool quiet = false;
    FaultOptions faults; // all off by default

    // Parses the arguments (program name first). Without a result, *message says what to
    // print: the help text when *helpRequested, else the error.
    static std::optional<DemoOptions> parse(const QStringList& arguments, const QString& defaultDataDir,
                                            QString* message, bool* helpRequested);
};
