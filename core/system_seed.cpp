// getentropy (glibc, the BSDs, macOS, wasi-libc) or the C run-time's rand_s
// on Windows; mixed with the clock, which alone is the seed should the
// source fail.
#ifdef _WIN32
#define _CRT_RAND_S
#include <stdlib.h>
#else
#include <unistd.h>
#endif

#include <ctime>

#include "core/system_seed.h"

uint64_t systemSeed() {
    uint64_t seed = static_cast<uint64_t>(time(nullptr));
#ifdef _WIN32
    unsigned int high = 0, low = 0;
    if (rand_s(&high) == 0 && rand_s(&low) == 0) seed ^= uint64_t{high} << 32 | low;
#else
    uint64_t drawn = 0;
    if (getentropy(&drawn, sizeof drawn) == 0) seed ^= drawn;
#endif
    return seed;
}
