// DistinctSampler: round keys drawn once from the seed, and the Feistel
// rounds that permute a value; at() walks the cycle until it leaves the
// power of four above n.
#include "core/distinct_sampler.h"

#include <random>

namespace {

// A round function: the finaliser of SplitMix64, a fast mixer whose every
// output bit depends on every input bit.
uint64_t mix(uint64_t value) {
    value ^= value >> 30;
    value *= 0xBF58476D1CE4E5B9ull;
    value ^= value >> 27;
    value *= 0x94D049BB133111EBull;
    value ^= value >> 31;
    return value;
}

}  // namespace

DistinctSampler::DistinctSampler(uint64_t n, uint64_t seed) : n_(n), halfBits_(1) {
    while ((uint64_t{1} << (2 * halfBits_)) < n_) ++halfBits_;
    halfMask_ = (uint64_t{1} << halfBits_) - 1;
    std::mt19937_64 generator(seed);
    for (uint64_t& key : keys_) key = generator();
}

uint64_t DistinctSampler::permute(uint64_t value) const {
    uint64_t left = value >> halfBits_;
    uint64_t right = value & halfMask_;
    for (uint64_t key : keys_) {
        const uint64_t next = left ^ (mix(right ^ key) & halfMask_);
        left = right;
        right = next;
    }
    return (left << halfBits_) | right;
}

uint64_t DistinctSampler::at(uint64_t i) const {
    // The permutation of the 4^b values, restricted to those below n by
    // applying it again until one is: still a permutation, now of 0 .. n-1.
    uint64_t value = permute(i);
    while (value >= n_) value = permute(value);
    return value;
}
