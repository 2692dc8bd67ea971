#pragma once
#include "platform/sys/Log.h"
#include <QStringList>

namespace plat {

// Keeps the log's lines ("context: message") for tests to read.
class SimLog : public Log {
public:
    void write(const QString& context, const QString& message) override {
        lines_ << context + QStringLiteral(": ") + message;
    }
    const QStringList& lines() const { return lines_; }

private:
    QStringList lines_;
};

} // namespace plat
