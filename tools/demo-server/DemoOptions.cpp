#include "DemoOptions.h"
#include "NumberOption.h"
#include <QCommandLineParser>
#include <QRandomGenerator>

std::optional<DemoOptions> DemoOptions::parse(const QStringList& arguments, const QString& defaultDataDir,
                                              QString* message, bool* helpRequested) {
    *helpRequested = false;
    DemoOptions o;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays the vendor's login, identity and push servers and its web and file server, "
                       "with generated news, quotes and calendar."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    const QCommandLineOption bind(QStringLiteral("bind"), QStringLiteral("Address to listen on (default 127.0.0.1)."),
                                  QStringLiteral("address"));
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("Data directory (accounts, installer log); default "
                                                 "demo-data beside the program."),
                                  QStringLiteral("dir"));
    const QCommandLineOption offer(QStringLiteral("offer-update"),
                                   QStringLiteral("Offers this version in the update manifest."),
                                   QStringLiteral("version"));
    const QCommandLineOption split(QStringLiteral("split-records"),
                                   QStringLiteral("Splits news and calendar records across writes."));
    const QCommandLineOption quiet(QStringLiteral("quiet"),
                                   QStringLiteral("Logs nothing but where the server listens."));
    quint32 seedValue = QRandomGenerator::global()->generate();
    const NumberOption numbers[] = {
        port("login-port", "UDP login", &o.loginPort),
        port("identity-port", "UDP identity", &o.identityPort),
        port("push-port", "TCP push", &o.pushPort),
        port("http-port", "HTTP", &o.httpPort),
        interval("news-interval-ms", "Time between news flashes", &o.newsIntervalMs),
        interval("quote-interval-ms", "Time between quote batches", &o.quoteIntervalMs),
        interval("heartbeat-ms", "Time between heartbeat probes", &o.heartbeatMs),
        interval("result-check-ms", "Time between checks for newly released calendar results", &o.resultCheckMs),
        {QCommandLineOption(QStringLiteral("seed"), QStringLiteral("Fixed random seed for all generated content."),
                            QStringLiteral("n")),
         0, 0xFFFFFFFFLL, [&seedValue](qint64 v) { seedValue = quint32(v); }},
    };
    const std::vector<NumberOption> load = FaultOptions::options(o.faults, &o.newsIntervalMs, &o.quoteIntervalMs);
    parser.addOption(help);
    for (const auto& n : numbers) parser.addOption(n.option);
    for (const auto& n : load) parser.addOption(n.option);
    for (const auto& opt : {bind, data, offer, split, quiet}) parser.addOption(opt);

    if (!parser.parse(arguments)) {
        *message = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(help)) {
        *message = parser.helpText();
        *helpRequested = true;
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *message = QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first());
        return std::nullopt;
    }

    for (const auto& n : numbers) {
        if (!readNumber(parser, n, message)) return std::nullopt;
    }
    for (const auto& n : load) {
        if (!readNumber(parser, n, message)) return std::nullopt;
    }
    o.seed = seedValue;

    if (parser.isSet(bind) && !o.bind.setAddress(parser.value(bind))) {
        *message = QStringLiteral("--bind: not an IP address: %1").arg(parser.value(bind));
        return std::nullopt;
    }
    o.dataDir = parser.isSet(data) ? parser.value(data) : defaultDataDir;
    o.offerUpdate = parser.value(offer);
    o.splitRecords = parser.isSet(split);
    o.quiet = parser.isSet(quiet);
    return o;
}
