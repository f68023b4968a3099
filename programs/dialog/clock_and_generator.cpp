// The clock and the C run-time generator that a generate press uses: the
// real ones, or those a test sets in their place.
#include "programs/dialog/clock_and_generator.h"

#include <cstdlib>

namespace {

time_t runtimeNow() { return time(nullptr); }
void runtimeSeed(unsigned seed) { srand(seed); }
int runtimeDraw() { return rand(); }

const ClockAndGenerator runtimeSource = {runtimeNow, runtimeSeed, runtimeDraw};
const ClockAndGenerator* currentSource = &runtimeSource;

}  // namespace

const ClockAndGenerator& clockAndGenerator() { return *currentSource; }

void setClockAndGenerator(const ClockAndGenerator* source) {
    currentSource = source != nullptr ? source : &runtimeSource;
}
