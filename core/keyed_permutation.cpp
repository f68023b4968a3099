// The Feistel network: each round swaps the halves and adds (XOR) the round
// function of one half to the other, which any round undoes, so the network
// is a permutation of its 2h-bit values whatever the round function.
#include "core/keyed_permutation.h"

namespace {

int bitsFor(uint64_t value) {
    int bits = 0;
    while (value != 0) {
        ++bits;
        value >>= 1;
    }
    return bits;
}

void putUint64(unsigned char* out, uint64_t value) {
    for (int i = 0; i < 8; ++i) out[i] = static_cast<unsigned char>(value >> (56 - 8 * i));
}

// The round function: the first 8 bytes of HMAC(key, label, tweak, size,
// round, half).
bool roundValue(const HmacKey& key, const unsigned char* tweak, std::size_t tweakLength, uint64_t size, int round,
                uint64_t half, uint64_t& value) {
    static const unsigned char label[] = {'f', 'e', 'i', 's', 't', 'e', 'l'};
    unsigned char fields[17];
    putUint64(fields, size);
    fields[8] = static_cast<unsigned char>(round);
    putUint64(fields + 9, half);
    const ByteSpan parts[3] = {{label, sizeof label}, {tweak, tweakLength}, {fields, sizeof fields}};
    unsigned char mac[sha256Length];
    if (!hmacSha256(key, parts, 3, mac)) return false;
    value = 0;
    for (int i = 0; i < 8; ++i) value = value << 8 | mac[i];
    return true;
}

}  // namespace

bool permuteIndex(const HmacKey& key, const unsigned char* tweak, std::size_t tweakLength, uint64_t size,
                  uint64_t index, uint64_t& permuted) {
    if (size == 0 || size > maxPermutationSize || index >= size || tweakLength > maxPermutationTweakLength)
        return false;
    if (size == 1) {
        permuted = 0;
        return true;
    }
    int halfBits = (bitsFor(size - 1) + 1) / 2;
    if (halfBits < 1) halfBits = 1;
    const uint64_t halfMask = (uint64_t{1} << halfBits) - 1;
    uint64_t value = index;
    do {
        uint64_t left = value >> halfBits, right = value & halfMask;
        for (int round = 0; round < feistelRounds; ++round) {
            uint64_t mixed = 0;
            if (!roundValue(key, tweak, tweakLength, size, round, right, mixed)) return false;
            const uint64_t next = left ^ (mixed & halfMask);
            left = right;
            right = next;
        }
        value = left << halfBits | right;
    } while (value >= size);
    permuted = value;
    return true;
}
