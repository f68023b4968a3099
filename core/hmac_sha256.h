// HMAC-SHA-256 (RFC 2104 with SHA-256, as RFC 4231 tests it) over the
// build's sha256: the key prepared once into its 64-byte block, then a MAC
// per message. Offers HmacKey, prepareHmacKey and hmacSha256.
#ifndef CORE_HMAC_SHA256_H
#define CORE_HMAC_SHA256_H

#include <cstddef>

#include "core/sha256.h"

// A key as HMAC uses it: keys of more than 64 bytes are hashed first, and
// every key is padded with zeros to the block.
struct HmacKey {
    unsigned char block[sha256BlockLength];
};

// False only when the system's cryptography fails.
bool prepareHmacKey(const unsigned char* key, std::size_t length, HmacKey& prepared);

// The MAC of the parts one after another (at most hmacMaxParts of them).
constexpr std::size_t hmacMaxParts = 7;
bool hmacSha256(const HmacKey& key, const ByteSpan* parts, std::size_t partCount,
                unsigned char (&mac)[sha256Length]);

#endif
