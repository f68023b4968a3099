// The messages of refused generation options, in words that name neither a
// program nor a command-line flag: each option is named by the caller's own
// word for it (OptionWords), so that idtool says "--born-between", an SQL
// function "birth_to" and the C API "born_to" with the same sentence around
// it. Offers writeRegionErrorMessage, writeGenerationErrorMessage,
// writeBirthDateWarning and writeOptionRefusal; each writes a UTF-8 message
// into a caller's buffer (a value it echoes converted from the encoding it
// was given in) and returns the length written.
#ifndef CORE_GENERATION_MESSAGES_H
#define CORE_GENERATION_MESSAGES_H

#include <cstddef>
#include <cstdint>

#include "core/generation_plan.h"
#include "core/region_resolution.h"
#include "core/text_encoding.h"

// Room for any of these messages (an ambiguous name lists eight paths), with
// option words of up to maxOptionWordLength bytes.
constexpr std::size_t generationMessageCapacity = 1024;
constexpr std::size_t maxOptionWordLength = 64;
// The most bytes of a value a message echoes (then "...").
constexpr std::size_t maxEchoedLength = 128;

// A caller's word for each option of a generation; none may be null.
struct OptionWords {
    const char* region;
    const char* birth;
    const char* bornFrom;
    const char* bornTo;
    const char* sex;
    const char* count;
    const char* seed;
    const char* asOfYear;
    const char* yearLimit;
};

// The words of the C API's option fields.
constexpr OptionWords neutralOptionWords{"region", "birth",     "born_from",  "born_to",   "sex",
                                         "count",  "seed",      "as_of_year", "year_limit"};

// For a failed resolution of `given` (`givenLength` bytes, in `encoding`),
// with `asOfYear` the history's year or 0 for the 2009 tables. A value
// longer than maxEchoedLength bytes of its encoding is cut there.
std::size_t writeRegionErrorMessage(char* out, std::size_t size, const RegionResolution& resolution,
                                    const char* given, std::size_t givenLength, int asOfYear, Encoding encoding,
                                    const OptionWords& words);

// For a refused plan of `request`, whose date texts are in `encoding`.
std::size_t writeGenerationErrorMessage(char* out, std::size_t size, const GenerationPlan& plan,
                                        const GenerationRequest& request, Encoding encoding,
                                        const OptionWords& words);

// For a plan whose one birth date is no real calendar date.
std::size_t writeBirthDateWarning(char* out, std::size_t size, const GenerationPlan& plan);

// The refusals a caller makes before a plan: a value it cannot take at all
// (a sex word, a count, seed or year out of range), no region given, or
// both a birth date and a range.
enum class OptionRefusal : unsigned char {
    noRegion,
    birthAndRange,
    badSex,
    countRange,
    seedRange,
    asOfYearRange,
    yearLimitRange
};

// "count: must be a whole number from 1 to 9223372036854775807, not -5":
// the option's word, what it takes, and the value given (`length` bytes in
// `encoding`, echoed).
std::size_t writeOptionRefusal(char* out, std::size_t size, OptionRefusal refusal, const char* value,
                               std::size_t length, Encoding encoding, const OptionWords& words);

#endif
