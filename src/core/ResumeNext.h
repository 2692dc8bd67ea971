#pragma once
#include <QString>
#include <functional>

namespace plat {
class Log;
}

// Runs one step of a sequence whose steps may each fail without stopping the others (the
// load and the exit of the controller): a failure is written to the log and the caller
// goes on. True when the step succeeded.
bool ResumeNext(plat::Log& log, const QString& where, const std::function<void()>& step);
