#include "platform/sim/SimConsole.h"

namespace plat {

void SimConsole::write(std::FILE* f, const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), f);
    std::fflush(f);
}

} // namespace plat
