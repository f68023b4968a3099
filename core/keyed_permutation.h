// A permutation of the integers 0 to size - 1 chosen by a key and a tweak:
// a Feistel network whose round function is HMAC-SHA-256, over the smallest
// even number of bits that holds size - 1, with cycle walking (a value of
// size or more goes through the network again until it falls below size),
// which makes a permutation of the network's domain one of [0, size). The
// same key, tweak and size always give the same permutation; another tweak
// gives an unrelated one. Used for pseudonyms (core/pseudonym.h). Offers
// permuteIndex.
#ifndef CORE_KEYED_PERMUTATION_H
#define CORE_KEYED_PERMUTATION_H

#include <cstddef>
#include <cstdint>

#include "core/hmac_sha256.h"

constexpr uint64_t maxPermutationSize = uint64_t{1} << 62;
constexpr std::size_t maxPermutationTweakLength = 64;
constexpr int feistelRounds = 10;

// The image of `index` (below `size`, 1 to maxPermutationSize) in
// `permuted`. False when the system's cryptography fails or an argument is
// out of range.
bool permuteIndex(const HmacKey& key, const unsigned char* tweak, std::size_t tweakLength, uint64_t size,
                  uint64_t index, uint64_t& permuted);

#endif
