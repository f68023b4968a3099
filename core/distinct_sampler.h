// Distinct draws from 0 .. n-1 without remembering any: the positions of a
// pseudo-random permutation of that range, so the first k of them are k
// distinct values, each uniformly distributed, for any k up to n, in fixed
// memory.
//
// The permutation is a balanced Feistel network of eight rounds over the
// smallest range of 4^b values that holds n, walked in cycles until a value
// below n comes out (fewer than four steps on average). Its round keys come
// from std::mt19937_64, whose sequence the C++ standard fixes, and every step
// is integer arithmetic, so a seed gives the same values on every platform.
#ifndef CORE_DISTINCT_SAMPLER_H
#define CORE_DISTINCT_SAMPLER_H

#include <cstdint>

class DistinctSampler {
public:
    // n at least 1 and below 2^62.
    DistinctSampler(uint64_t n, uint64_t seed);
    // A sampler of the one value 0, until one is assigned.
    DistinctSampler() : DistinctSampler(1, 0) {}

    // The value at position i (0 <= i < n); distinct positions give distinct
    // values.
    uint64_t at(uint64_t i) const;

private:
    static constexpr int rounds = 8;
    uint64_t permute(uint64_t value) const;

    uint64_t n_;
    int halfBits_;
    uint64_t halfMask_;
    uint64_t keys_[rounds];
};

#endif
