// The one-line messages of refused generation options, as idtool writes them
// after "idtool: " and every other face repeats them (a Python ValueError, an
// SQL error). Offers writeRegionErrorMessage, writeGenerationErrorMessage and
// writeBirthDateWarning; each writes into a caller's buffer, in the encoding
// of the texts it is given, and returns the length written.
#ifndef CORE_GENERATION_MESSAGES_H
#define CORE_GENERATION_MESSAGES_H

#include <cstddef>

#include "core/generation_plan.h"
#include "core/region_resolution.h"
#include "core/text_encoding.h"

// Room for any of these messages (an ambiguous name lists eight paths).
constexpr std::size_t generationMessageCapacity = 1024;

// For a failed resolution of `given` (`givenLength` bytes, in `encoding`),
// with `asOfYear` the history's year or 0 for the 2009 tables.
std::size_t writeRegionErrorMessage(char* out, std::size_t size, const RegionResolution& resolution,
                                    const char* given, std::size_t givenLength, int asOfYear, Encoding encoding);

// For a refused plan of `request`, whose date texts are in `encoding`.
std::size_t writeGenerationErrorMessage(char* out, std::size_t size, const GenerationPlan& plan,
                                        const GenerationRequest& request, Encoding encoding);

// For a plan whose one birth date is no real calendar date.
std::size_t writeBirthDateWarning(char* out, std::size_t size, const GenerationPlan& plan);

#endif
