#include "core/ResumeNext.h"
#include "base/VbError.h"
#include "platform/sys/Log.h"

bool ResumeNext(plat::Log& log, const QString& where, const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const VbError& e) {
        log.write(where, QStringLiteral("error %1 (%2): %3").arg(e.number()).arg(e.source(), e.description()));
    } catch (const std::exception& e) {
        log.write(where, QString::fromLocal8Bit(e.what()));
    }
    return false;
}
