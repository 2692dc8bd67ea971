#pragma once
#include "platform/sys/Log.h"

namespace plat {

// Appends each entry, with the time it was written, as one line to a log file.
class FileLog : public Log {
public:
    explicit FileLog(QString path) : path_(std::move(path)) {}
    void write(const QString& context, const QString& message) override;

private:
    QString path_;
};

} // namespace plat
