// sha256 from OpenSSL's libcrypto (IDNUMBER_CRYPTO=openssl, Linux): its
// SHA256_Init, SHA256_Update and SHA256_Final, which work in a context on
// the stack and allocate nothing (the EVP interface allocates a context per
// digest, which the C API may not). OpenSSL 3 marks them deprecated in
// favour of EVP; the 1.1.1 API level keeps them declared plainly.
#define OPENSSL_API_COMPAT 10101
#include <openssl/sha.h>

#include "core/sha256.h"

bool sha256(const ByteSpan* parts, std::size_t partCount, unsigned char (&digest)[sha256Length]) {
    static_assert(SHA256_DIGEST_LENGTH == sha256Length, "SHA-256 digests are 32 bytes");
    SHA256_CTX context;
    if (SHA256_Init(&context) != 1) return false;
    for (std::size_t i = 0; i < partCount; ++i)
        if (parts[i].count > 0 && SHA256_Update(&context, parts[i].bytes, parts[i].count) != 1) return false;
    return SHA256_Final(digest, &context) == 1;
}

const char* sha256Provider() { return "openssl"; }
