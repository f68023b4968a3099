// The options of a generation as a caller gives them, one at a time and in
// any order; the one order in which they are judged; and the refusal that
// judging keeps, from which its message is worded without judging again.
//
// Texts are copied in, as far as any check or message reads them: a region
// text of more than maxRegionTextLength bytes is refused for its length, and
// a date or word is echoed at most maxEchoedLength bytes. So the options hold
// no pointer to the caller's memory, and may be copied as plain bytes.
#ifndef CORE_GENERATION_OPTIONS_H
#define CORE_GENERATION_OPTIONS_H

#include <cstddef>
#include <cstdint>

#include "core/generation_messages.h"
#include "core/generation_plan.h"
#include "core/region_resolution.h"

enum class GenerationOptionId : unsigned char {
    none,
    region,
    birth,
    bornFrom,
    bornTo,
    sex,
    count,
    seed,
    asOfYear,
    yearLimit,
};

// A text option as given: its whole length, and its first `Capacity` bytes.
template <std::size_t Capacity>
struct KeptText {
    bool given = false;
    std::size_t length = 0;
    char bytes[Capacity] = {};

    std::size_t kept() const { return length < Capacity ? length : Capacity; }
};

// A whole-number option as given: signed, or unsigned (a value above
// INT64_MAX can only come so).
struct KeptNumber {
    bool given = false;
    bool isUnsigned = false;
    int64_t value = 0;
    uint64_t unsignedValue = 0;
};

struct GenerationOptions {
    KeptText<maxRegionTextLength + 1> region;
    KeptText<maxEchoedLength> birth;
    KeptText<maxEchoedLength> bornFrom;
    KeptText<maxEchoedLength> bornTo;
    // The sex as a number (idn_sex_t's values: 0 any, 1 male, 2 female) or
    // as a word (sexWord.given).
    KeptNumber sex;
    KeptText<maxEchoedLength> sexWord;
    KeptNumber count;  // 1 when not given
    KeptNumber seed;   // a negative value stands for the unsigned one of its bits
    KeptNumber asOfYear;
    KeptNumber yearLimit;
};

// Setting an option replaces what was given before for it (a sex as a
// number replaces a sex word, and the other way round). False for an option
// that takes no value of that type; nothing changes then.
bool setTextOption(GenerationOptions& options, GenerationOptionId option, const char* text, std::size_t length);
bool setNumberOption(GenerationOptions& options, GenerationOptionId option, int64_t value);
bool setUnsignedOption(GenerationOptions& options, GenerationOptionId option, uint64_t value);

enum class GenerationRefusal : unsigned char {
    none,
    option,  // a value refused before any plan: `optionRefusal` says which
    region,  // the region did not resolve: `resolution` says why
    plan,    // the plan refused the dates or the count: `plan.error`
};

struct GenerationCheck {
    GenerationRefusal refusal = GenerationRefusal::none;
    GenerationOptionId option = GenerationOptionId::none;  // the refused option
    OptionRefusal optionRefusal = OptionRefusal::noRegion;
    RegionResolution resolution{};
    GenerationPlan plan{};  // the numbers, when nothing is refused
    int yearLimit = 0;      // the one judged: the current year when none was given
    uint64_t seed = 0;      // the one the plan draws with: the one given, or seedIfNone
};

// Judges the options in this order: the region is given, the as-of year,
// the region, the year limit, a birth date and a range not both, the sex,
// the count, the birth date or range, the count against the numbers they
// give; the first refusal ends the check. `currentYear` stands for a year
// limit of 0; `seedIfNone` is the seed when none was given.
GenerationCheck checkGenerationOptions(const GenerationOptions& options, int currentYear, uint64_t seedIfNone);

// The message of the check's refusal, naming options by `words`; or the
// warning of a birth date that is no calendar date; or an empty text.
// Returns the length written (NUL-terminated within `size`).
std::size_t writeGenerationCheckMessage(char* out, std::size_t size, const GenerationOptions& options,
                                        const GenerationCheck& check, const OptionWords& words);

#endif
