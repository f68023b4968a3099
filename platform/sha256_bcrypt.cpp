// sha256 from Windows' Cryptography API: Next Generation (IDNUMBER_CRYPTO=
// bcrypt, MinGW builds; bcrypt.dll since Windows Vista). The hash object
// lies in a buffer on the stack; the algorithm provider is opened and
// closed within the call, as the library keeps no handle between calls.
#include <windows.h>

#include <bcrypt.h>

#include "core/sha256.h"

namespace {

// Room for the hash object, which BCRYPT_OBJECT_LENGTH says (a few hundred
// bytes on every version of Windows).
constexpr ULONG hashObjectRoom = 1024;

bool succeeded(NTSTATUS status) { return status >= 0; }

}  // namespace

bool sha256(const ByteSpan* parts, std::size_t partCount, unsigned char (&digest)[sha256Length]) {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    if (!succeeded(BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0))) return false;
    bool ok = false;
    ULONG objectLength = 0, got = 0;
    alignas(16) UCHAR object[hashObjectRoom];
    BCRYPT_HASH_HANDLE hash = nullptr;
    if (succeeded(BCryptGetProperty(algorithm, BCRYPT_OBJECT_LENGTH, reinterpret_cast<PUCHAR>(&objectLength),
                                    sizeof objectLength, &got, 0)) &&
        objectLength <= hashObjectRoom &&
        succeeded(BCryptCreateHash(algorithm, &hash, object, objectLength, nullptr, 0, 0))) {
        ok = true;
        for (std::size_t i = 0; ok && i < partCount; ++i) {
            const unsigned char* bytes = parts[i].bytes;
            std::size_t left = parts[i].count;
            while (ok && left > 0) {
                const ULONG chunk = left > 0x40000000u ? 0x40000000u : static_cast<ULONG>(left);
                ok = succeeded(BCryptHashData(hash, const_cast<PUCHAR>(bytes), chunk, 0));
                bytes += chunk;
                left -= chunk;
            }
        }
        ok = ok && succeeded(BCryptFinishHash(hash, digest, sha256Length, 0));
        BCryptDestroyHash(hash);
    }
    BCryptCloseAlgorithmProvider(algorithm, 0);
    return ok;
}

const char* sha256Provider() { return "bcrypt"; }
