// HMAC: H((K ^ opad) || H((K ^ ipad) || message)).
#include "core/hmac_sha256.h"

#include <cstring>

bool prepareHmacKey(const unsigned char* key, std::size_t length, HmacKey& prepared) {
    std::memset(prepared.block, 0, sizeof prepared.block);
    if (length <= sha256BlockLength) {
        if (length > 0) std::memcpy(prepared.block, key, length);
        return true;
    }
    unsigned char digest[sha256Length];
    const ByteSpan whole{key, length};
    if (!sha256(&whole, 1, digest)) return false;
    std::memcpy(prepared.block, digest, sizeof digest);
    return true;
}

bool hmacSha256(const HmacKey& key, const ByteSpan* parts, std::size_t partCount,
                unsigned char (&mac)[sha256Length]) {
    if (partCount > hmacMaxParts) return false;
    unsigned char inner[sha256BlockLength], outer[sha256BlockLength];
    for (std::size_t i = 0; i < sha256BlockLength; ++i) {
        inner[i] = static_cast<unsigned char>(key.block[i] ^ 0x36);
        outer[i] = static_cast<unsigned char>(key.block[i] ^ 0x5c);
    }
    ByteSpan innerParts[hmacMaxParts + 1] = {{inner, sizeof inner}};
    for (std::size_t i = 0; i < partCount; ++i) innerParts[i + 1] = parts[i];
    unsigned char innerDigest[sha256Length];
    if (!sha256(innerParts, partCount + 1, innerDigest)) return false;
    const ByteSpan outerParts[2] = {{outer, sizeof outer}, {innerDigest, sizeof innerDigest}};
    return sha256(outerParts, 2, mac);
}
