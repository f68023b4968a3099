// SHA-256 (FIPS 180-4) of a message given in parts, from the cryptography
// the build chose (IDNUMBER_CRYPTO in core/CMakeLists.txt): OpenSSL's
// libcrypto on Linux, Windows' BCrypt under MinGW, or the portable
// implementation of this file's sha256_portable.cpp where the build has
// neither (the WebAssembly module). The portable one is always built, so
// that the tests hold it and the system's against the standard's vectors.
// None of them allocates. Offers ByteSpan, sha256, sha256Portable and
// sha256Provider.
#ifndef CORE_SHA256_H
#define CORE_SHA256_H

#include <cstddef>

constexpr std::size_t sha256Length = 32;
constexpr std::size_t sha256BlockLength = 64;

// Bytes of one part of a message.
struct ByteSpan {
    const unsigned char* bytes;
    std::size_t count;
};

// The digest of the parts one after another. False, with the digest
// undefined, only when the system's library fails, which it is not
// expected to do.
bool sha256(const ByteSpan* parts, std::size_t partCount, unsigned char (&digest)[sha256Length]);

// The same by the portable implementation, whatever the build chose.
void sha256Portable(const ByteSpan* parts, std::size_t partCount, unsigned char (&digest)[sha256Length]);

// Which one sha256 is: "openssl", "bcrypt" or "builtin".
const char* sha256Provider();

#endif
