// A seed for a generation that was given none: drawn from the system's
// source of randomness, without allocating. The one place that draws one.
#ifndef CORE_SYSTEM_SEED_H
#define CORE_SYSTEM_SEED_H

#include <cstdint>

uint64_t systemSeed();

#endif
