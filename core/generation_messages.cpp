// The messages name the option by the caller's word and echo the value
// given, so that a user sees at once which one to mend; a region's
// candidates are listed as "code province city county", and at most
// maxRegionCandidates of them. No message says where to look further: that
// depends on the program, which adds it itself.
#include "core/generation_messages.h"

#include <cstring>

#include "core/region_history.h"
#include "core/text_buffer.h"

namespace {

// A caller's word for an option, echoed so that it is always valid text of
// one line, and at most maxOptionWordLength bytes of it.
void appendWord(TextBuffer& out, const char* word) {
    const std::size_t length = strnlen(word, maxOptionWordLength);
    out.appendEchoed(word, length, Encoding::utf8);
}

// A value the user gave, echoed: its first maxEchoedLength bytes, cut at a
// character boundary, and "..." when there is more, so that a message keeps
// its explanation after a value of any length.
void appendValue(TextBuffer& out, const char* value, std::size_t length, Encoding encoding) {
    if (length <= maxEchoedLength) {
        out.appendEchoed(value, length, encoding);
        return;
    }
    out.appendEchoed(value, completePrefixLength(value, maxEchoedLength, encoding), encoding);
    out.append("...");
}

// "140302 山西省 阳泉市 城区".
void appendRecordDescription(TextBuffer& out, const RegionRecord& record) {
    out.appendDecimal(static_cast<uint64_t>(codeOf(record)));
    out.append(' ');
    out.append(record.unit->fullName);
    RegionRecord city{};
    if (cityOf(record, city)) {
        out.append(' ');
        out.append(nameOf(city));
    }
    out.append(' ');
    out.append(nameOf(record));
}

void appendCandidates(TextBuffer& out, const RegionResolution& resolution, bool asPaths) {
    for (int i = 0; i < resolution.candidateCount && i < maxRegionCandidates; ++i) {
        if (i > 0) out.append(", ");
        if (asPaths) {
            char path[maxRegionTextLength + 1];
            out.appendDecimal(static_cast<uint64_t>(codeOf(resolution.candidates[i])));
            out.append(' ');
            out.append(path, writeRecordPath(path, sizeof path, resolution.candidates[i]));
        } else {
            appendRecordDescription(out, resolution.candidates[i]);
        }
    }
    if (resolution.candidateCount > maxRegionCandidates) out.append(", ...");
}

// The years the code's records were in use: "from 1981 until 1996 (临安县)".
void appendYearsInUse(TextBuffer& out, int32_t code) {
    const char* separator = " ";
    for (const HistoryRecord& each : recordsOfCode(code)) {
        out.append(separator);
        separator = ", and ";
        out.append("from ");
        out.appendDecimal(static_cast<uint64_t>(firstYearOf(each)));
        if (stillInUse(each)) {
            out.append(" on");
        } else {
            out.append(" until ");
            out.appendDecimal(static_cast<uint64_t>(untilYearOf(each)));
        }
        out.append(" (");
        out.append(nameOf(each));
        out.append(')');
    }
}

// "the current one", or the year the caller set as the limit.
void appendYearLimit(TextBuffer& out, const GenerationRequest& request) {
    if (request.yearLimitGiven)
        out.appendDecimal(static_cast<uint64_t>(request.yearLimit));
    else
        out.append("the current one");
}

}  // namespace

std::size_t writeRegionErrorMessage(char* buffer, std::size_t size, const RegionResolution& resolution,
                                    const char* given, std::size_t givenLength, int asOfYear, Encoding encoding,
                                    const OptionWords& words) {
    TextBuffer out(buffer, size);
    switch (resolution.error) {
    case RegionError::none:
        break;
    case RegionError::invalidText:
        appendWord(out, words.region);
        out.append(" is too long or not valid text");
        break;
    case RegionError::badPath:
        appendWord(out, words.region);
        out.append(" wants a code, a name, or names joined by / (city/county or province/city/county)");
        break;
    case RegionError::notCountyLevel:
        appendValue(out, given, givenLength, encoding);
        out.append(" is a city-level or grouping record; numbers are made for county-level records");
        break;
    case RegionError::unknownCode:
        appendValue(out, given, givenLength, encoding);
        out.append(" is no code of the built-in 2009 tables");
        break;
    case RegionError::noMatch:
        appendValue(out, given, givenLength, encoding);
        out.append(" names no county-level record of the built-in 2009 tables");
        if (resolution.candidateCount > 0) {
            // A path that leads nowhere, whose last part names records.
            const char* lastPart = given + givenLength;
            while (lastPart > given && lastPart[-1] != '/') --lastPart;
            out.append("; ");
            appendValue(out, lastPart, static_cast<std::size_t>(given + givenLength - lastPart), encoding);
            out.append(" alone names ");
            appendCandidates(out, resolution, true);
        }
        break;
    case RegionError::ambiguous:
        appendValue(out, given, givenLength, encoding);
        out.append(" names ");
        out.appendDecimal(static_cast<uint64_t>(resolution.candidateCount));
        out.append(" records, give the code or city/county: ");
        appendCandidates(out, resolution, false);
        break;
    case RegionError::asOfNeedsCode:
        out.append("with ");
        appendWord(out, words.asOfYear);
        out.append(", ");
        appendWord(out, words.region);
        out.append(" wants a six-digit code");
        break;
    case RegionError::asOfUnknownCode:
        appendValue(out, given, givenLength, encoding);
        out.append(" is no code of the history of region codes (1981-2024)");
        break;
    case RegionError::asOfNotCounty:
        appendValue(out, given, givenLength, encoding);
        out.append(" was a province- or prefecture-level record in ");
        out.appendDecimal(static_cast<uint64_t>(asOfYear));
        out.append("; numbers are made for county-level records");
        break;
    case RegionError::asOfNotInUse:
        appendValue(out, given, givenLength, encoding);
        out.append(" was not in use in ");
        out.appendDecimal(static_cast<uint64_t>(asOfYear));
        out.append("; it was in use");
        appendYearsInUse(out, resolution.code);
        break;
    }
    return out.length();
}

std::size_t writeGenerationErrorMessage(char* buffer, std::size_t size, const GenerationPlan& plan,
                                        const GenerationRequest& request, Encoding encoding,
                                        const OptionWords& words) {
    TextBuffer out(buffer, size);
    // "born_from 19900102: why".
    auto refuse = [&](const char* option, const char* value, std::size_t length, const char* why) {
        appendWord(out, option);
        out.append(' ');
        appendValue(out, value, length, encoding);
        out.append(": ");
        out.append(why);
    };
    switch (plan.error) {
    case GenerationError::none:
        break;
    case GenerationError::badRegionCode:
        appendWord(out, words.region);
        out.append(": the region code is not six digits");
        break;
    case GenerationError::noBirthDate:
        appendWord(out, words.birth);
        // A caller whose one parameter is both the birth date and a range's
        // first date names it once.
        if (std::strcmp(words.birth, words.bornFrom) != 0) {
            out.append(" or ");
            appendWord(out, words.bornFrom);
        }
        out.append(" is required");
        break;
    case GenerationError::birthNotEightDigits:
        refuse(words.birth, request.birth, request.birthLength, "a birth date is 8 digits, YYYYMMDD");
        break;
    case GenerationError::birthBeyondLimits:
        refuse(words.birth, request.birth, request.birthLength, "the year may not be after ");
        appendYearLimit(out, request);
        out.append(", the month above 12 or the day above 31");
        break;
    case GenerationError::rangeNotDate:
        if (request.bornFrom == nullptr || request.bornTo == nullptr) {
            // A range with one end given; a caller whose one parameter holds
            // both ends names it once.
            appendWord(out, words.bornFrom);
            if (std::strcmp(words.bornFrom, words.bornTo) == 0) {
                out.append(" needs both ends of the range");
            } else {
                out.append(" and ");
                appendWord(out, words.bornTo);
                out.append(" are both needed for a range");
            }
        } else if (plan.offending == GenerationOption::bornFrom)
            refuse(words.bornFrom, request.bornFrom, request.bornFromLength,
                   "each end is a real calendar date, YYYYMMDD");
        else
            refuse(words.bornTo, request.bornTo, request.bornToLength, "each end is a real calendar date, YYYYMMDD");
        break;
    case GenerationError::rangeYearAfterLimit:
        refuse(words.bornTo, request.bornTo, request.bornToLength, "the year may not be after ");
        appendYearLimit(out, request);
        break;
    case GenerationError::rangeReversed:
        refuse(words.bornFrom, request.bornFrom, request.bornFromLength, "the first date comes after the second");
        break;
    case GenerationError::countZero:
        appendWord(out, words.count);
        out.append(": must be a whole number from 1 to 9223372036854775807, not 0");
        break;
    case GenerationError::countExceedsCandidates:
        appendWord(out, words.count);
        out.append(' ');
        out.appendDecimal(request.count);
        out.append(" is more than the ");
        out.appendDecimal(plan.candidateCount);
        out.append(" distinct numbers that this region, ");
        out.append(plan.dayCount == 1 ? "birth date" : "range of birth dates");
        out.append(" and sex can give");
        break;
    }
    return out.length();
}

std::size_t writeBirthDateWarning(char* buffer, std::size_t size, const GenerationPlan& plan) {
    TextBuffer out(buffer, size);
    out.append(plan.birth);
    out.append(" is not a real calendar date; the numbers carry it as given");
    return out.length();
}

std::size_t writeOptionRefusal(char* buffer, std::size_t size, OptionRefusal refusal, const char* value,
                               std::size_t length, Encoding encoding, const OptionWords& words) {
    TextBuffer out(buffer, size);
    // "count: must be ..., not VALUE".
    auto range = [&](const char* word, const char* what) {
        appendWord(out, word);
        out.append(": must be ");
        out.append(what);
        out.append(", not ");
        appendValue(out, value, length, encoding);
    };
    switch (refusal) {
    case OptionRefusal::noRegion:
        appendWord(out, words.region);
        out.append(" is required");
        break;
    case OptionRefusal::birthAndRange:
        appendWord(out, words.birth);
        out.append(" excludes ");
        appendWord(out, words.bornFrom);
        break;
    case OptionRefusal::badSex:
        range(words.sex, "男, 女, male, female or any");
        break;
    case OptionRefusal::countRange:
        range(words.count, "a whole number from 1 to 9223372036854775807");
        break;
    case OptionRefusal::seedRange:
        range(words.seed, "a whole number from 0 to 18446744073709551615");
        break;
    case OptionRefusal::asOfYearRange:
        range(words.asOfYear, "a whole number from 1981 to 2024");
        break;
    case OptionRefusal::yearLimitRange:
        range(words.yearLimit, "a whole number from 1 to 9999");
        break;
    }
    return out.length();
}
