#include "FaultOptions.h"

namespace {

NumberOption rate(const char* name, const char* what, int* intervalMs) {
    return {QCommandLineOption(QString::fromLatin1(name),
                               QStringLiteral("%1 per second (sets the interval).").arg(QString::fromLatin1(what)),
                               QStringLiteral("n")),
            1, 1000, [intervalMs](qint64 v) { *intervalMs = int(1000 / v); }};
}

NumberOption percent(const char* name, const char* what, int* target) {
    return {QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(what), QStringLiteral("percent")), 0, 100,
            [target](qint64 v) { *target = int(v); }};
}

} // namespace

std::vector<NumberOption> FaultOptions::options(FaultOptions& f, int* newsIntervalMs, int* quoteIntervalMs) {
    return {
        rate("news-per-second", "News flashes", newsIntervalMs),
        rate("quotes-per-second", "Quote batches", quoteIntervalMs),
        interval("fault-drop-ms", "Fault: mean time between dropped push connections (closed or reset; off by default)",
                 &f.dropEveryMs),
        interval("fault-restart-ms", "Fault: mean time between push listener restarts (off by default)",
                 &f.restartEveryMs),
        interval("fault-down-ms", "Fault: how long the push listener stays away", &f.downMs),
        interval("fault-stall-ms", "Fault: mean time between stalled push connections (off by default)",
                 &f.stallEveryMs),
        interval("fault-stall-length-ms", "Fault: how long a stalled connection gets nothing", &f.stallMs),
        interval("fault-junk-ms", "Fault: mean time between malformed or unknown records (off by default)",
                 &f.junkEveryMs),
        percent("fault-cut-percent", "Fault: share of news and calendar runs cut at random offsets across writes",
                &f.cutPercent),
    };
}
