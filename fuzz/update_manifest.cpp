// Arbitrary bytes as the update manifest: parsing, the version comparison and the digest
// check the program makes before it offers and runs an installer.
#include "update/UpdateManifest.h"
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto manifest = UpdateManifest::parse(bytes);
    if (!manifest) return 0;
    (void)manifest->isNewerThan(QStringLiteral("1.6.1111"));
    // A digest that is not 64 hex digits matches nothing: a garbled manifest never lets an
    // installer through unchecked.
    const bool matches = manifest->digestMatches(bytes);
    if (manifest->sha256.isEmpty() != matches && manifest->sha256.size() != 64) std::abort();
    return 0;
}
