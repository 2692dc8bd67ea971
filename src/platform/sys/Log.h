#pragma once
#include <QString>

namespace plat {

// Where failures that the program deliberately steps over are written, so that nobody has
// to guess why something did not happen: standard error when headless, a file otherwise.
class Log {
public:
    virtual ~Log() = default;
    virtual void write(const QString& context, const QString& message) = 0;
};

} // namespace plat
