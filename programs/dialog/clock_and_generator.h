// Where the dialog's current time and random draws come from. The program
// always uses the C run-time's time, srand and rand; tests put in a fixed
// clock and a chosen draw.
#ifndef PROGRAMS_DIALOG_CLOCK_AND_GENERATOR_H
#define PROGRAMS_DIALOG_CLOCK_AND_GENERATOR_H

#include <ctime>

struct ClockAndGenerator {
    time_t (*now)();            // calendar time in seconds
    void (*seed)(unsigned seed);
    int (*draw)();              // a non-negative pseudo-random value
};

const ClockAndGenerator& clockAndGenerator();
// Replaces the source until the next call; null puts back the run-time's.
// The caller keeps `source` alive while it is in use.
void setClockAndGenerator(const ClockAndGenerator* source);

#endif
