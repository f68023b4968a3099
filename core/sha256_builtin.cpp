// sha256 for builds without a cryptography library (IDNUMBER_CRYPTO=builtin,
// the WebAssembly module's): the portable implementation.
#include "core/sha256.h"

bool sha256(const ByteSpan* parts, std::size_t partCount, unsigned char (&digest)[sha256Length]) {
    sha256Portable(parts, partCount, digest);
    return true;
}

const char* sha256Provider() { return "builtin"; }
