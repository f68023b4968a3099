// The messages name the option and echo the value given, so that a user
// sees at once which one to mend; a region's candidates are listed as
// "code province city county", and at most maxRegionCandidates of them.
#include "core/generation_messages.h"

#include <cstring>

#include "core/region_history.h"
#include "core/text_buffer.h"

namespace {

// "140302 山西省 阳泉市 城区".
void appendRecordDescription(TextBuffer& out, const RegionRecord& record, Encoding encoding) {
    out.appendDecimal(static_cast<uint64_t>(codeOf(record)));
    out.append(' ');
    out.append(textIn(record.unit->fullNameText, encoding));
    RegionRecord city{};
    if (cityOf(record, city)) {
        out.append(' ');
        out.append(textIn(nameOf(city), encoding));
    }
    out.append(' ');
    out.append(textIn(nameOf(record), encoding));
}

void appendCandidates(TextBuffer& out, const RegionResolution& resolution, Encoding encoding, bool asPaths) {
    for (int i = 0; i < resolution.candidateCount && i < maxRegionCandidates; ++i) {
        if (i > 0) out.append(", ");
        if (asPaths) {
            char path[maxRegionTextLength + 1];
            out.appendDecimal(static_cast<uint64_t>(codeOf(resolution.candidates[i])));
            out.append(' ');
            out.append(path, writeRecordPath(path, sizeof path, resolution.candidates[i], encoding));
        } else {
            appendRecordDescription(out, resolution.candidates[i], encoding);
        }
    }
    if (resolution.candidateCount > maxRegionCandidates) out.append(", ...");
}

// The years the code's records were in use: "from 1981 until 1996 (临安县)".
void appendYearsInUse(TextBuffer& out, int32_t code, Encoding encoding) {
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
        out.append(textIn(nameOf(each), encoding));
        out.append(')');
    }
}

}  // namespace

std::size_t writeRegionErrorMessage(char* buffer, std::size_t size, const RegionResolution& resolution,
                                    const char* given, std::size_t givenLength, int asOfYear, Encoding encoding) {
    TextBuffer out(buffer, size, encoding);
    out.append("generate: ");
    switch (resolution.error) {
    case RegionError::none:
        break;
    case RegionError::invalidText:
        out.append("--region is too long or not valid text");
        break;
    case RegionError::badPath:
        out.append("--region wants a code, a name, or names joined by / (city/county or province/city/county)");
        break;
    case RegionError::notCountyLevel:
        out.appendEchoed(given, givenLength);
        out.append(" is a city-level or grouping record; numbers are made for county-level records"
                   " (idtool regions lists each record's level)");
        break;
    case RegionError::unknownCode:
        out.appendEchoed(given, givenLength);
        out.append(" is no code of the built-in 2009 tables (idtool regions lists them)");
        break;
    case RegionError::noMatch:
        out.appendEchoed(given, givenLength);
        out.append(" names no county-level record of the built-in 2009 tables");
        if (resolution.candidateCount > 0) {
            // A path that leads nowhere, whose last part names records.
            const char* lastPart = given + givenLength;
            while (lastPart > given && lastPart[-1] != '/') --lastPart;
            out.append("; ");
            out.appendEchoed(lastPart, static_cast<std::size_t>(given + givenLength - lastPart));
            out.append(" alone names ");
            appendCandidates(out, resolution, encoding, true);
        } else {
            out.append(" (idtool regions lists them)");
        }
        break;
    case RegionError::ambiguous:
        out.appendEchoed(given, givenLength);
        out.append(" names ");
        out.appendDecimal(static_cast<uint64_t>(resolution.candidateCount));
        out.append(" records, give the code or city/county: ");
        appendCandidates(out, resolution, encoding, false);
        break;
    case RegionError::asOfNeedsCode:
        out.append("with --as-of, --region wants a six-digit code (idtool regions --year YYYY NAME finds it)");
        break;
    case RegionError::asOfUnknownCode:
        out.appendEchoed(given, givenLength);
        out.append(" is no code of the history of region codes (1981-2024)");
        break;
    case RegionError::asOfNotCounty:
        out.appendEchoed(given, givenLength);
        out.append(" was a province- or prefecture-level record in ");
        out.appendDecimal(static_cast<uint64_t>(asOfYear));
        out.append("; numbers are made for county-level records");
        break;
    case RegionError::asOfNotInUse:
        out.appendEchoed(given, givenLength);
        out.append(" was not in use in ");
        out.appendDecimal(static_cast<uint64_t>(asOfYear));
        out.append("; it was in use");
        appendYearsInUse(out, resolution.code, encoding);
        break;
    }
    return out.length();
}

std::size_t writeGenerationErrorMessage(char* buffer, std::size_t size, const GenerationPlan& plan,
                                        const GenerationRequest& request, Encoding encoding) {
    TextBuffer out(buffer, size, encoding);
    // "generate: --born-between 19900102: why".
    auto refuse = [&](const char* option, const char* value, std::size_t length, const char* why) {
        out.append("generate: ");
        out.append(option);
        out.append(' ');
        if (value != nullptr) out.appendEchoed(value, length);
        out.append(": ");
        out.append(why);
    };
    switch (plan.error) {
    case GenerationError::none:
        break;
    case GenerationError::badRegionCode:
        out.append("generate: the region code is not six digits");
        break;
    case GenerationError::noBirthDate:
        out.append("--birth or --born-between is required");
        break;
    case GenerationError::birthNotEightDigits:
        refuse("--birth", request.birth, request.birthLength, "a birth date is 8 digits, YYYYMMDD");
        break;
    case GenerationError::birthBeyondLimits:
        refuse("--birth", request.birth, request.birthLength,
               "the year may not be after the current one, the month above 12 or the day above 31");
        break;
    case GenerationError::rangeNotDate:
        if (plan.offending == GenerationOption::bornFrom)
            refuse("--born-between", request.bornFrom, request.bornFromLength,
                   "each end is a real calendar date, YYYYMMDD");
        else
            refuse("--born-between", request.bornTo, request.bornToLength,
                   "each end is a real calendar date, YYYYMMDD");
        break;
    case GenerationError::rangeYearAfterLimit:
        refuse("--born-between", request.bornTo, request.bornToLength, "the year may not be after the current one");
        break;
    case GenerationError::rangeReversed:
        refuse("--born-between", request.bornFrom, request.bornFromLength, "the first date comes after the second");
        break;
    case GenerationError::countZero:
        // As the command line's own check of --count words it.
        out.append("--count: must be a whole number from 1 to 9223372036854775807, not 0");
        break;
    case GenerationError::countTooLarge:
        out.append("generate: --count ");
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
    TextBuffer out(buffer, size, Encoding::utf8);
    out.append("generate: warning: ");
    out.append(plan.birth);
    out.append(" is not a real calendar date; the numbers carry it as given");
    return out.length();
}
