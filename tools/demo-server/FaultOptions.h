#pragma once
#include "NumberOption.h"
#include <vector>

// Faults the demo server can inject into the push channel, to prove that the client
// survives them. Every fault is off (0) by default; the times between faults vary around
// the given mean and follow the server's --seed.
struct FaultOptions {
    int dropEveryMs = 0;    // a logged-on connection is closed or reset
    int restartEveryMs = 0; // the push listener goes away with every connection...
    int downMs = 5000;      // ...for this long
    int stallEveryMs = 0;   // a connection gets nothing at all...
    int stallMs = 25000;    // ...for this long (beyond the client's 10 s keep-alive)
    int junkEveryMs = 0;    // malformed and unknown records, truncated quote batches
    int cutPercent = 0;     // share of news and calendar runs cut at several random offsets

    bool any() const { return dropEveryMs || restartEveryMs || stallEveryMs || junkEveryMs || cutPercent; }

    // The fault options, and the load given as rates (per second), which set the
    // intervals between news flashes and quote batches.
    static std::vector<NumberOption> options(FaultOptions& faults, int* newsIntervalMs, int* quoteIntervalMs);
};
