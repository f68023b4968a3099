// Counting heap allocations, for the tests that no command or line
// allocates. Natively only: the global operator new is replaced, and under
// AddressSanitizer malloc itself is counted too (so one new may count twice).
#ifndef TESTS_ALLOCATION_COUNTER_H
#define TESTS_ALLOCATION_COUNTER_H

#ifndef _WIN32

// Starts counting from zero.
void startCountingAllocations();
// Stops, and gives the allocations since the start.
long stopCountingAllocations();

#endif

#endif
