// Batches of distinct numbers: the checks of every option of a batch (birth
// date or range of dates, sex, count) and the numbers themselves. Offers
// planGeneration, which checks the options and returns a plan or an error
// code with the offending value, and numberAt, which writes the plan's i-th
// number. The numbers are the candidates (date, sequence number) at the first
// positions of a seeded permutation (DistinctSampler), so a plan's numbers
// are distinct, any count up to the number of candidates succeeds in fixed
// memory, and a seed gives the same numbers on every platform.
#ifndef CORE_GENERATION_PLAN_H
#define CORE_GENERATION_PLAN_H

#include <cstddef>
#include <cstdint>

#include "core/distinct_sampler.h"
#include "core/number_rules.h"

// What a batch is asked for. The region is a resolved code (region_resolution.h).
struct GenerationRequest {
    int32_t regionCode;
    // One birth date (`birth`, `birthLength` bytes), taken as the dialog takes
    // it; or, when `birth` is null, the real calendar dates from `bornFrom` to
    // `bornTo` (8 bytes each, YYYYMMDD), drawn uniformly.
    const char* birth;
    std::size_t birthLength;
    const char* bornFrom;
    std::size_t bornFromLength;
    const char* bornTo;
    std::size_t bornToLength;
    SexChoice sex;
    uint64_t count;   // at least 1
    uint64_t seed;
    int yearLimit;    // the latest birth year: the current year
    bool yearLimitGiven;  // the caller set yearLimit, rather than the clock (for messages)
};

enum class GenerationError : unsigned char {
    none,
    noBirthDate,        // neither a birth date nor a range
    birthNotEightDigits,// the birth date is not 8 digits
    birthBeyondLimits,  // its year after the limit, month above 12 or day above 31
    rangeNotDate,       // an end of the range is not a real calendar date (8 digits)
    rangeYearAfterLimit,// the range's last year is after the limit
    rangeReversed,      // the first date comes after the second
    countZero,          // a count of 0
    countExceedsCandidates, // more than the candidates the options give
    badRegionCode,      // a region code of other than six digits
};

// Which option an error concerns, for its message.
enum class GenerationOption : unsigned char { none, birth, bornFrom, bornTo, count, region };

struct GenerationPlan {
    GenerationError error;
    GenerationOption offending;  // the option whose value is refused
    // A birth date that keeps to the limits but is no real calendar date
    // (0231): taken as given, as the dialog takes it; faces warn of it.
    bool birthNotCalendarDate;

    int32_t regionCode;
    SexChoice sex;
    uint64_t count;
    char birth[birthDateLength + 1];  // the one birth date, when dayCount is 1 and no range was given
    bool singleDate;
    long long firstDay;               // the range's first day number
    uint64_t dayCount;                // 1 for a single date
    uint64_t sequenceCount;           // 999, 499 (male) or 500 (female)
    uint64_t candidateCount;          // dayCount * sequenceCount
    DistinctSampler sampler;
};

// Checks the request, in this order: the region code, the birth date or the
// range, the count against the candidates. On an error, `error` and
// `offending` say which; everything else is unset.
GenerationPlan planGeneration(const GenerationRequest& request);

// Writes the plan's number at `position` (0 <= position < count) as 18
// characters and a terminator into `number`.
void numberAt(const GenerationPlan& plan, uint64_t position, char (&number)[numberLength + 1]);

// The sequence numbers a sex choice allows: 999 for any, the 499 odd ones
// for male, the 500 even ones for female; and the one at a position among
// them.
uint64_t sequenceCountFor(SexChoice sex);
int sequenceAt(uint64_t position, SexChoice sex);

#endif
