// SHA-256 as FIPS 180-4 defines it (sections 4.1.2, 4.2.2, 5.1.1, 6.2), for
// builds without a cryptography library: 64-byte blocks, big-endian words.
#include <cstdint>
#include <cstring>

#include "core/sha256.h"

namespace {

constexpr uint32_t roundConstants[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

constexpr uint32_t initialHash[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                     0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};

inline uint32_t rotateRight(uint32_t value, int count) { return value >> count | value << (32 - count); }

struct State {
    uint32_t hash[8];
    unsigned char block[sha256BlockLength];
    std::size_t blockFill = 0;
    uint64_t messageLength = 0;
};

void compress(State& state, const unsigned char* block) {
    uint32_t schedule[64];
    for (int t = 0; t < 16; ++t)
        schedule[t] = uint32_t{block[4 * t]} << 24 | uint32_t{block[4 * t + 1]} << 16 |
                      uint32_t{block[4 * t + 2]} << 8 | uint32_t{block[4 * t + 3]};
    for (int t = 16; t < 64; ++t) {
        const uint32_t s0 =
            rotateRight(schedule[t - 15], 7) ^ rotateRight(schedule[t - 15], 18) ^ schedule[t - 15] >> 3;
        const uint32_t s1 = rotateRight(schedule[t - 2], 17) ^ rotateRight(schedule[t - 2], 19) ^ schedule[t - 2] >> 10;
        schedule[t] = schedule[t - 16] + s0 + schedule[t - 7] + s1;
    }
    uint32_t a = state.hash[0], b = state.hash[1], c = state.hash[2], d = state.hash[3];
    uint32_t e = state.hash[4], f = state.hash[5], g = state.hash[6], h = state.hash[7];
    for (int t = 0; t < 64; ++t) {
        const uint32_t sum1 = rotateRight(e, 6) ^ rotateRight(e, 11) ^ rotateRight(e, 25);
        const uint32_t choose = (e & f) ^ (~e & g);
        const uint32_t first = h + sum1 + choose + roundConstants[t] + schedule[t];
        const uint32_t sum0 = rotateRight(a, 2) ^ rotateRight(a, 13) ^ rotateRight(a, 22);
        const uint32_t majority = (a & b) ^ (a & c) ^ (b & c);
        const uint32_t second = sum0 + majority;
        h = g;
        g = f;
        f = e;
        e = d + first;
        d = c;
        c = b;
        b = a;
        a = first + second;
    }
    state.hash[0] += a;
    state.hash[1] += b;
    state.hash[2] += c;
    state.hash[3] += d;
    state.hash[4] += e;
    state.hash[5] += f;
    state.hash[6] += g;
    state.hash[7] += h;
}

void absorb(State& state, const unsigned char* bytes, std::size_t count) {
    state.messageLength += count;
    while (count > 0) {
        if (state.blockFill == 0 && count >= sha256BlockLength) {
            compress(state, bytes);
            bytes += sha256BlockLength;
            count -= sha256BlockLength;
            continue;
        }
        std::size_t taken = sha256BlockLength - state.blockFill;
        if (taken > count) taken = count;
        std::memcpy(state.block + state.blockFill, bytes, taken);
        state.blockFill += taken;
        bytes += taken;
        count -= taken;
        if (state.blockFill == sha256BlockLength) {
            compress(state, state.block);
            state.blockFill = 0;
        }
    }
}

}  // namespace

void sha256Portable(const ByteSpan* parts, std::size_t partCount, unsigned char (&digest)[sha256Length]) {
    State state;
    std::memcpy(state.hash, initialHash, sizeof initialHash);
    for (std::size_t i = 0; i < partCount; ++i)
        if (parts[i].count > 0) absorb(state, parts[i].bytes, parts[i].count);
    // The padding: a 1 bit, zeros, and the length in bits as 64 bits.
    const uint64_t bitLength = state.messageLength * 8;
    unsigned char padding[sha256BlockLength + 8] = {0x80};
    const std::size_t zeros =
        state.blockFill < 56 ? 56 - state.blockFill : sha256BlockLength + 56 - state.blockFill;
    for (int i = 0; i < 8; ++i) padding[zeros + i] = static_cast<unsigned char>(bitLength >> (56 - 8 * i));
    const uint64_t lengthBefore = state.messageLength;
    absorb(state, padding, zeros + 8);
    state.messageLength = lengthBefore;
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 4; ++j) digest[4 * i + j] = static_cast<unsigned char>(state.hash[i] >> (24 - 8 * j));
}
