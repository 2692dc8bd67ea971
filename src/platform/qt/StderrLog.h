#pragma once
#include "platform/sys/Log.h"

namespace plat {

// Writes each entry to standard error as one line "context: message" (headless runs).
class StderrLog : public Log {
public:
    void write(const QString& context, const QString& message) override;
};

} // namespace plat
