// The remember file reader, and the password scrambling's round trip.
#include "base/Cp936.h"
#include "wire/PasswordScramble.h"
#include "wire/RememberFile.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto login = push::RememberFile::parse(bytes))
        push::RememberFile::parse(push::RememberFile::build(*login));
    // Any password the code page can carry comes back from its scrambled form.
    const QString password = cp936::decode(cp936::encode(cp936::decode(bytes)));
    if (push::PasswordScramble::unscramble(push::PasswordScramble::scramble(password)) != password) __builtin_trap();
    return 0;
}
