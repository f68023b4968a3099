// The C API over the core: every idn_ function of capi/idnumber.h. Each
// checks its pointers and sizes, calls the core, and copies the outcome into
// the caller's structs and buffers. Texts out are the core's UTF-8 forms;
// nothing is allocated and nothing is kept between calls.
#define IDN_BUILDING_LIBRARY
#ifdef _WIN32
#define _CRT_RAND_S  // rand_s, the C run-time's draw from the system's source
#endif
#include "capi/idnumber.h"

#include <climits>
#include <cstring>
#include <ctime>
#include <new>

#ifdef _WIN32
#include <stdlib.h>
#else
#include <unistd.h>  // getentropy
#endif

#include "core/calendar.h"
#include "core/generation_messages.h"
#include "core/generation_plan.h"
#include "core/masking.h"
#include "core/number_hints.h"
#include "core/number_kind.h"
#include "core/region_history.h"
#include "core/region_resolution.h"
#include "core/region_search.h"
#include "core/region_tables.h"
#include "core/sex_words.h"
#include "core/text_buffer.h"
#include "core/upgrade.h"
#include "core/verification.h"
#include "records/history_fields.h"
#include "records/output_stream.h"
#include "records/verify_record.h"

namespace {

static_assert(sizeof(idn_verdict_t) == 40, "idn_verdict_t's layout is part of the API");
static_assert(sizeof(GenerationPlan) <= sizeof(idn_generator_t), "raise IDN_GENERATOR_WORDS");
static_assert(alignof(GenerationPlan) <= alignof(idn_generator_t), "the generator's storage is aligned for a plan");
static_assert(IDN_MAX_NOW_CODES == maxNowCodes, "IDN_MAX_NOW_CODES is the core's maxNowCodes");
static_assert(IDN_MESSAGE_SIZE >= generationMessageCapacity, "room for every generation message");
static_assert(IDN_NUMBER_SIZE == numberLength + 1, "a number and its NUL");
static_assert(IDN_INPUT_HELD_BYTES == inputFieldLimit, "the record's input field holds IDN_INPUT_HELD_BYTES");
static_assert(IDN_REGION_TEXT_MAX_LENGTH == maxRegionTextLength, "the longest region text");
static_assert(IDN_HISTORY_FIRST_YEAR == firstListedYear && IDN_HISTORY_LAST_YEAR == lastListedYear,
              "the history's years");
static_assert(IDN_HISTORY_JSON_SIZE <= historyFieldCapacity && IDN_SUCCESSORS_JSON_SIZE <= historyFieldCapacity &&
                  IDN_NOW_CODES_JSON_SIZE <= historyFieldCapacity,
              "the history's JSON values are built in a scratch of historyFieldCapacity");
static_assert(IDN_HINT_CR_LINE_ENDS == static_cast<int>(NumberHint::crLineEnds) &&
                  IDN_HINT_FIFTEEN_DIGITS == static_cast<int>(NumberHint::fifteenDigits) &&
                  IDN_HINT_SCIENTIFIC == static_cast<int>(NumberHint::scientific) &&
                  IDN_HINT_ZEROED == static_cast<int>(NumberHint::zeroed) &&
                  IDN_HINT_LOWERCASE_X == static_cast<int>(NumberHint::lowercaseX) &&
                  IDN_HINT_FULLWIDTH == static_cast<int>(NumberHint::fullwidth) &&
                  IDN_HINT_SPACES == static_cast<int>(NumberHint::spaces),
              "idn_hint_t numbers the core's hints");

// A seed from the system's source of randomness, which allocates nothing;
// the clock, should the source fail.
uint64_t systemSeed() {
    uint64_t seed = static_cast<uint64_t>(time(nullptr));
#ifdef _WIN32
    unsigned int high = 0, low = 0;
    if (rand_s(&high) == 0 && rand_s(&low) == 0) seed ^= uint64_t{high} << 32 | low;
#else
    uint64_t drawn = 0;
    if (getentropy(&drawn, sizeof drawn) == 0) seed ^= drawn;
#endif
    return seed;
}

bool yearLimitOk(int yearLimit) { return yearLimit >= 0 && yearLimit <= IDN_YEAR_LIMIT_MAX; }

int yearLimitOf(int yearLimit) { return yearLimit != 0 ? yearLimit : localYear(time(nullptr)); }

bool textPointerOk(const char* text, size_t length) { return text != nullptr || length == 0; }

// The verdict of a text of `length` bytes of which `held` are at `text`
// (held covers the 18 a verdict reads, or the whole text).
VerifyOutcome verifyHeldText(const char* text, size_t held, uint64_t length, int yearLimit) {
    const int wholeLength = verifiedLength(length);
    const int readLength = verifiedLength(held);
    return verifyNumberText(text != nullptr ? text : "", readLength, wholeLength, yearLimit);
}

// Whether `held` bytes are enough of a text of `length` for what the verdict,
// the hint and the record read.
bool heldEnough(size_t held, uint64_t length) {
    const uint64_t needed = length < IDN_INPUT_HELD_BYTES ? length : IDN_INPUT_HELD_BYTES;
    return held <= length && held >= needed;
}

void fillVerdict(const char* text, uint64_t length, const VerifyOutcome& outcome, idn_verdict_t& verdict) {
    verdict = idn_verdict_t{};
    verdict.reason = static_cast<int32_t>(outcome.refusal);
    verdict.expected_check = static_cast<unsigned char>(outcome.expectedCheck);
    verdict.length = length;
    if (outcome.refusal == VerifyRefusal::none) {
        verdict.kind = static_cast<int32_t>(kindOf(text));
        verdict.sex = outcome.male ? IDN_SEX_MALE : IDN_SEX_FEMALE;
        verdict.birth_year = outcome.birthDate.year;
        verdict.birth_month = outcome.birthDate.month;
        verdict.birth_day = outcome.birthDate.day;
        verdict.region_code = outcome.regionCode;
    }
}

// Copies `length` bytes and a NUL into the caller's buffer, under the API's
// convention for texts out.
int copyOut(const char* text, size_t length, char* out, size_t size, size_t* written) {
    if (written != nullptr) *written = length;
    if (out == nullptr) return size == 0 ? IDN_OK : IDN_ERROR_NULL_POINTER;
    if (length >= size) {
        if (size > 0) out[0] = '\0';
        return IDN_ERROR_BUFFER_TOO_SMALL;
    }
    std::memcpy(out, text, length);
    out[length] = '\0';
    return IDN_OK;
}

// Whether the caller's buffer is a size query, a usable buffer, or neither.
bool bufferOk(const char* out, size_t size) { return out != nullptr || size == 0; }

// The checks of a batch's packed texts, before any is read: ends that never
// decrease, and bytes wherever an end is past 0.
int checkPackedTexts(const char* bytes, const size_t* ends, size_t count) {
    if (ends == nullptr) return IDN_ERROR_NULL_POINTER;
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        if (ends[i] < start) return IDN_ERROR_BAD_ARGUMENT;
        start = ends[i];
    }
    return bytes == nullptr && start != 0 ? IDN_ERROR_NULL_POINTER : IDN_OK;
}

// Texts of the 2009 tables' records and units, in UTF-8.
void fillRegion(const RegionRecord& record, idn_region_t& region) {
    region.code = codeOf(record);
    region.name = nameOf(record);
    region.level = levelName(levelOf(record));
    region.province = record.unit->fullName;
    RegionRecord city{};
    region.city = cityOf(record, city) ? nameOf(city) : nullptr;
}

void fillUnit(const ProvinceUnit& unit, idn_region_t& region) {
    region.code = unit.unitCode * 10000;
    region.name = unit.fullName;
    region.level = "province";
    region.province = unit.fullName;
    region.city = nullptr;
}

// A JSON value of the history written by `write(json)` into the caller's
// buffer; the scratch is sized for any code's value.
template <typename Write>
int jsonOut(char* out, size_t size, size_t* written, Write write) {
    if (!bufferOk(out, size)) return IDN_ERROR_NULL_POINTER;
    char scratch[historyFieldCapacity];
    JsonFragment json(scratch, sizeof scratch, Encoding::utf8);
    write(json);
    return copyOut(json.data(), json.size(), out, size, written);
}

int stateOf(CodeStatus status) {
    switch (status) {
    case CodeStatus::listed2009: return IDN_CODE_LISTED_2009;
    case CodeStatus::inUse: return IDN_CODE_IN_USE;
    case CodeStatus::abolished: return IDN_CODE_ABOLISHED;
    case CodeStatus::unknown: break;
    }
    return IDN_CODE_UNKNOWN;
}

// ---- Generation ---------------------------------------------------------------

int statusOf(const RegionResolution& resolution) {
    switch (resolution.error) {
    case RegionError::none: return IDN_OK;
    case RegionError::invalidText: return IDN_ERROR_REGION_INVALID_TEXT;
    case RegionError::notCountyLevel: return IDN_ERROR_REGION_NOT_COUNTY;
    case RegionError::unknownCode: return IDN_ERROR_REGION_UNKNOWN_CODE;
    case RegionError::badPath: return IDN_ERROR_REGION_BAD_PATH;
    case RegionError::noMatch:
        return resolution.candidateCount > 0 ? IDN_ERROR_REGION_WRONG_PATH : IDN_ERROR_REGION_NO_MATCH;
    case RegionError::ambiguous: return IDN_ERROR_REGION_AMBIGUOUS;
    case RegionError::asOfNeedsCode: return IDN_ERROR_AS_OF_NEEDS_CODE;
    case RegionError::asOfUnknownCode: return IDN_ERROR_AS_OF_UNKNOWN_CODE;
    case RegionError::asOfNotCounty: return IDN_ERROR_AS_OF_NOT_COUNTY;
    case RegionError::asOfNotInUse: return IDN_ERROR_AS_OF_NOT_IN_USE;
    }
    return IDN_ERROR_BAD_ARGUMENT;
}

int statusOf(GenerationError error) {
    switch (error) {
    case GenerationError::none: return IDN_OK;
    case GenerationError::noBirthDate: return IDN_ERROR_NO_BIRTH_DATE;
    case GenerationError::birthNotEightDigits: return IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS;
    case GenerationError::birthBeyondLimits: return IDN_ERROR_BIRTH_BEYOND_LIMITS;
    case GenerationError::rangeNotDate: return IDN_ERROR_RANGE_NOT_DATE;
    case GenerationError::rangeYearAfterLimit: return IDN_ERROR_RANGE_YEAR_AFTER_LIMIT;
    case GenerationError::rangeReversed: return IDN_ERROR_RANGE_REVERSED;
    case GenerationError::countZero: return IDN_ERROR_COUNT_RANGE;
    case GenerationError::countExceedsCandidates: return IDN_ERROR_COUNT_EXCEEDS_CANDIDATES;
    case GenerationError::badRegionCode: return IDN_ERROR_REGION_UNKNOWN_CODE;
    }
    return IDN_ERROR_BAD_ARGUMENT;
}

int32_t optionOf(GenerationOption option) {
    switch (option) {
    case GenerationOption::none: break;
    case GenerationOption::birth: return IDN_OPTION_BIRTH;
    case GenerationOption::bornFrom: return IDN_OPTION_BORN_FROM;
    case GenerationOption::bornTo: return IDN_OPTION_BORN_TO;
    case GenerationOption::count: return IDN_OPTION_COUNT;
    case GenerationOption::region: return IDN_OPTION_REGION;
    }
    return IDN_OPTION_NONE;
}

// The caller's words for the options, the neutral ones where it gives none.
OptionWords wordsOf(const idn_option_names_t* names) {
    OptionWords words = neutralOptionWords;
    if (names == nullptr) return words;
    auto take = [](const char* given, const char*& word) {
        if (given != nullptr) word = given;
    };
    take(names->region, words.region);
    take(names->birth, words.birth);
    take(names->born_from, words.bornFrom);
    take(names->born_to, words.bornTo);
    take(names->sex, words.sex);
    take(names->count, words.count);
    take(names->seed, words.seed);
    take(names->as_of_year, words.asOfYear);
    take(names->year_limit, words.yearLimit);
    return words;
}

// A whole number's decimal text, for echoing a refused one.
struct DecimalText {
    char digits[24];
    size_t length;
    explicit DecimalText(int64_t value) {
        char reversed[24];
        size_t count = 0;
        uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
        do {
            reversed[count++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        length = 0;
        if (value < 0) digits[length++] = '-';
        while (count > 0) digits[length++] = reversed[--count];
        digits[length] = '\0';
    }
};

// The options checked in the documented order: the status and option of the
// first refusal, and what its message needs; on success, the plan.
struct CheckedOptions {
    int status = IDN_OK;
    int32_t option = IDN_OPTION_NONE;
    // Set for a refusal that writeOptionRefusal words, with the value echoed.
    bool optionRefused = false;
    OptionRefusal refusal = OptionRefusal::noRegion;
    int64_t refusedValue = 0;
    RegionResolution resolution{};
    GenerationRequest request{};
    GenerationPlan plan{};
};

void refuseOption(CheckedOptions& checked, int status, int32_t option, OptionRefusal refusal, int64_t value) {
    checked.status = status;
    checked.option = option;
    checked.optionRefused = true;
    checked.refusal = refusal;
    checked.refusedValue = value;
}

void checkOptions(const idn_generate_options_t& options, CheckedOptions& checked) {
    if (!textPointerOk(options.birth, options.birth_length) ||
        !textPointerOk(options.born_from, options.born_from_length) ||
        !textPointerOk(options.born_to, options.born_to_length) ||
        (options.region == nullptr && options.region_length != 0)) {
        checked.status = IDN_ERROR_NULL_POINTER;
        return;
    }
    if (options.region == nullptr)
        return refuseOption(checked, IDN_ERROR_NO_REGION, IDN_OPTION_REGION, OptionRefusal::noRegion, 0);
    const int asOf = options.as_of_year;
    if (asOf != 0 && (asOf < IDN_HISTORY_FIRST_YEAR || asOf > IDN_HISTORY_LAST_YEAR))
        return refuseOption(checked, IDN_ERROR_AS_OF_YEAR, IDN_OPTION_AS_OF_YEAR, OptionRefusal::asOfYearRange,
                            asOf);
    checked.resolution = asOf != 0 ? resolveRegionAsOf(options.region, options.region_length, asOf)
                                   : resolveRegion(options.region, options.region_length, Encoding::utf8);
    if (checked.resolution.error != RegionError::none) {
        checked.status = statusOf(checked.resolution);
        checked.option = IDN_OPTION_REGION;
        return;
    }
    if (!yearLimitOk(options.year_limit))
        return refuseOption(checked, IDN_ERROR_YEAR_LIMIT, IDN_OPTION_YEAR_LIMIT, OptionRefusal::yearLimitRange,
                            options.year_limit);
    if (options.birth != nullptr && (options.born_from != nullptr || options.born_to != nullptr))
        return refuseOption(checked, IDN_ERROR_BIRTH_AND_RANGE, IDN_OPTION_BIRTH, OptionRefusal::birthAndRange, 0);
    if (options.sex < IDN_SEX_ANY || options.sex > IDN_SEX_FEMALE)
        return refuseOption(checked, IDN_ERROR_BAD_SEX, IDN_OPTION_SEX, OptionRefusal::badSex, options.sex);
    if (options.count < 1)
        return refuseOption(checked, IDN_ERROR_COUNT_RANGE, IDN_OPTION_COUNT, OptionRefusal::countRange,
                            options.count);

    GenerationRequest& request = checked.request;
    request.regionCode = checked.resolution.code;
    request.birth = options.birth;
    request.birthLength = options.birth_length;
    request.bornFrom = options.born_from;
    request.bornFromLength = options.born_from_length;
    request.bornTo = options.born_to;
    request.bornToLength = options.born_to_length;
    request.sex = options.sex == IDN_SEX_MALE     ? SexChoice::male
                  : options.sex == IDN_SEX_FEMALE ? SexChoice::female
                                                  : SexChoice::any;
    request.count = static_cast<uint64_t>(options.count);
    request.seed = options.has_seed != 0 ? options.seed : systemSeed();
    request.yearLimit = yearLimitOf(options.year_limit);
    request.yearLimitGiven = options.year_limit != 0;
    // No dates at all, or a range with one end missing, is refused by the plan.
    checked.plan = planGeneration(request);
    checked.status = statusOf(checked.plan.error);
    checked.option = optionOf(checked.plan.offending);
}

const GenerationPlan& planOf(const idn_generator_t& generator) {
    return *reinterpret_cast<const GenerationPlan*>(generator.opaque);
}

const char* const statusNames[] = {
    "IDN_OK", "IDN_ERROR_NULL_POINTER", "IDN_ERROR_BUFFER_TOO_SMALL", "IDN_ERROR_BAD_ARGUMENT",
    "IDN_ERROR_NOT_FOUND"};

// U+FFFD, which a kept byte of a mask that starts no character becomes.
constexpr char replacementCharacter[] = "\xEF\xBF\xBD";

}  // namespace

extern "C" {

unsigned idn_version_number(void) { return IDN_VERSION_NUMBER; }
const char* idn_version_string(void) { return IDN_VERSION_STRING; }

int idn_current_year(void) { return localYear(time(nullptr)); }

int idn_is_calendar_date(int year, int month, int day) {
    return isCalendarDate(BirthDate{year, month, day}) ? 1 : 0;
}

const char* idn_status_name(int status) {
    if (status <= 0 && status > -static_cast<int>(sizeof statusNames / sizeof statusNames[0]))
        return statusNames[-status];
    switch (status) {
    case IDN_ERROR_REGION_INVALID_TEXT: return "IDN_ERROR_REGION_INVALID_TEXT";
    case IDN_ERROR_REGION_BAD_PATH: return "IDN_ERROR_REGION_BAD_PATH";
    case IDN_ERROR_REGION_UNKNOWN_CODE: return "IDN_ERROR_REGION_UNKNOWN_CODE";
    case IDN_ERROR_REGION_NOT_COUNTY: return "IDN_ERROR_REGION_NOT_COUNTY";
    case IDN_ERROR_REGION_NO_MATCH: return "IDN_ERROR_REGION_NO_MATCH";
    case IDN_ERROR_REGION_AMBIGUOUS: return "IDN_ERROR_REGION_AMBIGUOUS";
    case IDN_ERROR_AS_OF_YEAR: return "IDN_ERROR_AS_OF_YEAR";
    case IDN_ERROR_AS_OF_NEEDS_CODE: return "IDN_ERROR_AS_OF_NEEDS_CODE";
    case IDN_ERROR_AS_OF_UNKNOWN_CODE: return "IDN_ERROR_AS_OF_UNKNOWN_CODE";
    case IDN_ERROR_AS_OF_NOT_COUNTY: return "IDN_ERROR_AS_OF_NOT_COUNTY";
    case IDN_ERROR_AS_OF_NOT_IN_USE: return "IDN_ERROR_AS_OF_NOT_IN_USE";
    case IDN_ERROR_REGION_WRONG_PATH: return "IDN_ERROR_REGION_WRONG_PATH";
    case IDN_ERROR_NO_REGION: return "IDN_ERROR_NO_REGION";
    case IDN_ERROR_NO_BIRTH_DATE: return "IDN_ERROR_NO_BIRTH_DATE";
    case IDN_ERROR_BIRTH_AND_RANGE: return "IDN_ERROR_BIRTH_AND_RANGE";
    case IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS: return "IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS";
    case IDN_ERROR_BIRTH_BEYOND_LIMITS: return "IDN_ERROR_BIRTH_BEYOND_LIMITS";
    case IDN_ERROR_RANGE_NOT_DATE: return "IDN_ERROR_RANGE_NOT_DATE";
    case IDN_ERROR_RANGE_YEAR_AFTER_LIMIT: return "IDN_ERROR_RANGE_YEAR_AFTER_LIMIT";
    case IDN_ERROR_RANGE_REVERSED: return "IDN_ERROR_RANGE_REVERSED";
    case IDN_ERROR_COUNT_RANGE: return "IDN_ERROR_COUNT_RANGE";
    case IDN_ERROR_COUNT_EXCEEDS_CANDIDATES: return "IDN_ERROR_COUNT_EXCEEDS_CANDIDATES";
    case IDN_ERROR_BAD_SEX: return "IDN_ERROR_BAD_SEX";
    case IDN_ERROR_SEED_RANGE: return "IDN_ERROR_SEED_RANGE";
    case IDN_ERROR_YEAR_LIMIT: return "IDN_ERROR_YEAR_LIMIT";
    case IDN_ERROR_NOT_FIFTEEN_DIGITS: return "IDN_ERROR_NOT_FIFTEEN_DIGITS";
    case IDN_ERROR_MONTH_ABOVE_12: return "IDN_ERROR_MONTH_ABOVE_12";
    case IDN_ERROR_DAY_ABOVE_31: return "IDN_ERROR_DAY_ABOVE_31";
    default: return nullptr;
    }
}

// --- Verification -----------------------------------------------------------

int idn_verify(const char* text, size_t length, int year_limit, idn_verdict_t* verdict) {
    return idn_verify_prefix(text, length, length, year_limit, verdict);
}

int idn_verify_prefix(const char* text, size_t held, uint64_t length, int year_limit, idn_verdict_t* verdict) {
    if (verdict == nullptr || !textPointerOk(text, held)) return IDN_ERROR_NULL_POINTER;
    if (!yearLimitOk(year_limit)) return IDN_ERROR_YEAR_LIMIT;
    if (!heldEnough(held, length)) return IDN_ERROR_BAD_ARGUMENT;
    fillVerdict(text, length, verifyHeldText(text, held, length, yearLimitOf(year_limit)), *verdict);
    return IDN_OK;
}

int idn_verify_batch(const char* bytes, const size_t* ends, size_t count, int year_limit,
                     idn_verdict_t* verdicts) {
    if (count == 0) return IDN_OK;
    if (verdicts == nullptr) return IDN_ERROR_NULL_POINTER;
    if (!yearLimitOk(year_limit)) return IDN_ERROR_YEAR_LIMIT;
    const int checked = checkPackedTexts(bytes, ends, count);
    if (checked != IDN_OK) return checked;
    // The clock is read once for the batch.
    const int yearLimit = yearLimitOf(year_limit);
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        const size_t length = ends[i] - start;
        const char* text = bytes + start;
        fillVerdict(text, length, verifyHeldText(text, length, length, yearLimit), verdicts[i]);
        start = ends[i];
    }
    return IDN_OK;
}

int idn_verify_columns(const char* bytes, const size_t* ends, size_t count, int year_limit, uint8_t* reasons,
                       uint8_t* expected_checks, uint8_t* sexes, int32_t* region_codes, int32_t* birth_dates) {
    if (count == 0) return IDN_OK;
    if (!yearLimitOk(year_limit)) return IDN_ERROR_YEAR_LIMIT;
    const int checked = checkPackedTexts(bytes, ends, count);
    if (checked != IDN_OK) return checked;
    const int yearLimit = yearLimitOf(year_limit);
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        const size_t length = ends[i] - start;
        const VerifyOutcome outcome = verifyHeldText(bytes + start, length, length, yearLimit);
        const bool valid = outcome.refusal == VerifyRefusal::none;
        if (reasons != nullptr) reasons[i] = static_cast<uint8_t>(outcome.refusal);
        if (expected_checks != nullptr) expected_checks[i] = static_cast<unsigned char>(outcome.expectedCheck);
        if (sexes != nullptr)
            sexes[i] = static_cast<uint8_t>(!valid ? IDN_SEX_ANY : outcome.male ? IDN_SEX_MALE : IDN_SEX_FEMALE);
        if (region_codes != nullptr) region_codes[i] = valid ? outcome.regionCode : 0;
        if (birth_dates != nullptr) {
            const auto& date = outcome.birthDate;
            birth_dates[i] = valid ? date.year * 10000 + date.month * 100 + date.day : 0;
        }
        start = ends[i];
    }
    return IDN_OK;
}

const char* idn_reason_name(int reason) {
    if (reason < IDN_REASON_LENGTH || reason > IDN_REASON_DATE) return nullptr;
    return refusalName(static_cast<VerifyRefusal>(reason));
}

int idn_reason_message(const idn_verdict_t* verdict, char* out, size_t size, size_t* written) {
    if (verdict == nullptr || !bufferOk(out, size)) return IDN_ERROR_NULL_POINTER;
    if (verdict->reason < IDN_VALID || verdict->reason > IDN_REASON_DATE) return IDN_ERROR_BAD_ARGUMENT;
    char text[IDN_REASON_MESSAGE_SIZE];
    const int count =
        formatMessage(text, sizeof text, refusalText(static_cast<VerifyRefusal>(verdict->reason)), verdict->length);
    return copyOut(text, static_cast<size_t>(count), out, size, written);
}

const char* idn_kind_name(int kind) {
    if (kind < IDN_KIND_RESIDENT || kind > IDN_KIND_FOREIGNER_CARD) return nullptr;
    return kindName(static_cast<NumberKind>(kind));
}

const char* idn_sex_name(int sex) {
    if (sex != IDN_SEX_MALE && sex != IDN_SEX_FEMALE) return nullptr;
    return sexText(sex == IDN_SEX_MALE);
}

int idn_parse_sex(const char* text, size_t length, int32_t* sex) {
    if (sex == nullptr || !textPointerOk(text, length)) return IDN_ERROR_NULL_POINTER;
    SexChoice choice = SexChoice::any;
    if (!parseSexWord(text, length, choice)) return IDN_ERROR_BAD_SEX;
    *sex = choice == SexChoice::male ? IDN_SEX_MALE : choice == SexChoice::female ? IDN_SEX_FEMALE : IDN_SEX_ANY;
    return IDN_OK;
}

int idn_hint_of(const char* text, size_t length, int year_limit, int32_t* hint, char* upgraded, size_t size,
                size_t* written) {
    return idn_hint_of_prefix(text, length, length, year_limit, hint, upgraded, size, written);
}

int idn_hint_of_prefix(const char* text, size_t held, uint64_t length, int year_limit, int32_t* hint,
                       char* upgraded, size_t size, size_t* written) {
    if (hint == nullptr || !textPointerOk(text, held) || !bufferOk(upgraded, size)) return IDN_ERROR_NULL_POINTER;
    if (!yearLimitOk(year_limit)) return IDN_ERROR_YEAR_LIMIT;
    if (!heldEnough(held, length)) return IDN_ERROR_BAD_ARGUMENT;
    const int yearLimit = yearLimitOf(year_limit);
    const VerifyOutcome outcome = verifyHeldText(text, held, length, yearLimit);
    const size_t judged = held < static_cast<size_t>(inputFieldLimit) ? held : static_cast<size_t>(inputFieldLimit);
    char number[numberLength + 1];
    const NumberHint found =
        hintFor(text != nullptr ? text : "", judged, length, outcome.refusal, Encoding::utf8, yearLimit, number);
    *hint = static_cast<int32_t>(found);
    if (found == NumberHint::fifteenDigits) return copyOut(number, numberLength, upgraded, size, written);
    return copyOut("", 0, upgraded, size, written);
}

const char* idn_hint_name(int hint) {
    if (hint <= IDN_HINT_NONE || hint > IDN_HINT_SPACES) return nullptr;
    return hintName(static_cast<NumberHint>(hint));
}

// --- Regions of the 2009 tables -------------------------------------------------

int idn_region_fields(int32_t code, idn_region_fields_t* fields) {
    if (fields == nullptr) return IDN_ERROR_NULL_POINTER;
    const RegionTexts region = regionTexts(code);
    *fields = {region.province, region.city, region.county};
    return IDN_OK;
}

int idn_find_region(int32_t code, idn_region_t* region) {
    if (region == nullptr) return IDN_ERROR_NULL_POINTER;
    if (code % 10000 == 0) {
        const ProvinceUnit* unit = findUnit(code / 10000);
        if (unit == nullptr) return IDN_ERROR_NOT_FOUND;
        fillUnit(*unit, *region);
        return IDN_OK;
    }
    RegionRecord record{};
    if (!findRecord(code, record)) return IDN_ERROR_NOT_FOUND;
    fillRegion(record, *region);
    return IDN_OK;
}

int idn_search_regions(const char* query, size_t length, size_t* cursor, idn_region_t* region) {
    if (cursor == nullptr || region == nullptr || !textPointerOk(query, length)) return IDN_ERROR_NULL_POINTER;
    const RegionQuery search{query != nullptr ? query : "", length, Encoding::utf8};
    // The cursor counts records across the units, in table order.
    size_t position = 0;
    for (const ProvinceUnit& unit : provinceUnits) {
        for (const RegionRecord record : recordsOf(unit)) {
            if (position++ < *cursor) continue;
            if (!matchesQuery(codeOf(record), nameOf(record), search)) continue;
            *cursor = position;
            fillRegion(record, *region);
            return 1;
        }
    }
    *cursor = position;
    return 0;
}

int idn_picker_list(int32_t parent, int32_t* codes, size_t capacity, size_t* count) {
    if (count == nullptr || (codes == nullptr && capacity > 0)) return IDN_ERROR_NULL_POINTER;
    size_t found = 0;
    auto add = [&](int32_t code) {
        if (found < capacity) codes[found] = code;
        ++found;
    };
    if (parent == IDN_PICKER_MUNICIPALITIES || parent == IDN_PICKER_PROVINCES) {
        for (int i = 0;; ++i) {
            const ProvinceUnit* unit = parent == IDN_PICKER_MUNICIPALITIES ? municipalityAt(i) : provinceAt(i);
            if (unit == nullptr) break;
            add(unit->unitCode * 10000);
        }
    } else if (parent % 10000 == 0) {
        const ProvinceUnit* unit = findUnit(parent / 10000);
        if (unit == nullptr) return IDN_ERROR_NOT_FOUND;
        if (unit->kind == UnitKind::municipality)
            for (const RegionRecord district : recordsOf(*unit)) add(codeOf(district));
        else
            for (const RegionRecord city : cityRecordsOf(*unit)) add(codeOf(city));
    } else {
        RegionRecord city{};
        if (!findRecord(parent, city) || levelOf(city) != RecordLevel::city) return IDN_ERROR_NOT_FOUND;
        for (const RegionRecord county : countyListOf(city)) add(codeOf(county));
    }
    *count = found;
    return found > capacity ? IDN_ERROR_BUFFER_TOO_SMALL : IDN_OK;
}

// --- The history ----------------------------------------------------------------

int idn_code_state(int32_t code) { return stateOf(codeStatus(code)); }

const char* idn_code_state_name(int state) {
    switch (state) {
    case IDN_CODE_LISTED_2009: return codeStatusName(CodeStatus::listed2009);
    case IDN_CODE_IN_USE: return codeStatusName(CodeStatus::inUse);
    case IDN_CODE_ABOLISHED: return codeStatusName(CodeStatus::abolished);
    case IDN_CODE_UNKNOWN: return codeStatusName(CodeStatus::unknown);
    default: return nullptr;
    }
}

size_t idn_history_count(int32_t code) { return recordsOfCode(code).size(); }

int idn_history_at(int32_t code, size_t index, idn_history_record_t* record) {
    if (record == nullptr) return IDN_ERROR_NULL_POINTER;
    const HistoryRecords records = recordsOfCode(code);
    if (index >= records.size()) return IDN_ERROR_NOT_FOUND;
    const HistoryRecord& found = records.first[index];
    record->code = codeOf(found);
    record->name = nameOf(found);
    record->province = provinceOf(found);
    record->prefecture = prefectureOf(found);
    record->level = levelName(levelOf(found));
    record->from = firstYearOf(found);
    record->until = untilYearOf(found);
    return IDN_OK;
}

int idn_successors(int32_t code, idn_successor_t* successors, size_t capacity, size_t* count) {
    if (count == nullptr || (successors == nullptr && capacity > 0)) return IDN_ERROR_NULL_POINTER;
    size_t found = 0;
    const HistoryRecord* latest = latestRecord(code);
    if (latest != nullptr && !stillInUse(*latest)) {
        const HistorySuccessors all = successorsOf(*latest);
        for (const HistorySuccessor* successor = all.begin(); successor != all.end(); ++successor) {
            // A code handed over in two steps is listed once, as verify lists it.
            bool listed = false;
            for (const HistorySuccessor* earlier = all.begin(); earlier != successor; ++earlier)
                listed = listed || successorCode(*earlier) == successorCode(*successor);
            if (listed) continue;
            const HistoryRecord& continued = continuedRecord(successorRecord(*successor));
            if (found < capacity)
                successors[found] = {codeOf(continued), nameOf(continued),
                                     stillInUse(continued) ? IDN_CODE_IN_USE : IDN_CODE_ABOLISHED};
            ++found;
        }
    }
    *count = found;
    return found > capacity ? IDN_ERROR_BUFFER_TOO_SMALL : IDN_OK;
}

int idn_now_codes(int32_t code, idn_present_code_t* codes, size_t capacity, size_t* count) {
    if (count == nullptr || (codes == nullptr && capacity > 0)) return IDN_ERROR_NULL_POINTER;
    int32_t now[maxNowCodes];
    const int found = nowCodes(code, now);
    for (int i = 0; i < found && static_cast<size_t>(i) < capacity; ++i)
        codes[i] = {now[i], nameOf(*latestRecord(now[i]))};
    *count = static_cast<size_t>(found);
    return static_cast<size_t>(found) > capacity ? IDN_ERROR_BUFFER_TOO_SMALL : IDN_OK;
}

int idn_in_use_at_birth(int32_t code, int birth_year) { return inUseAtBirth(code, birth_year) ? 1 : 0; }

int idn_history_json(int32_t code, char* out, size_t size, size_t* written) {
    return jsonOut(out, size, written, [code](JsonFragment& json) { writeHistory(json, code); });
}

int idn_successors_json(int32_t code, char* out, size_t size, size_t* written) {
    return jsonOut(out, size, written,
                   [code](JsonFragment& json) { writeSuccessorsOfCode(json, code); });
}

int idn_now_codes_json(int32_t code, char* out, size_t size, size_t* written) {
    return jsonOut(out, size, written,
                   [code](JsonFragment& json) { writeNow(json, latestRecord(code)); });
}

// --- Verify records ---------------------------------------------------------------

size_t idn_field_count(void) { return static_cast<size_t>(verifyFieldCount); }

const char* idn_field_name(size_t index) {
    return index < static_cast<size_t>(verifyFieldCount) ? verifyRecordFields[index].name : nullptr;
}

int idn_field_type(size_t index) {
    return index < static_cast<size_t>(verifyFieldCount) ? static_cast<int>(verifyRecordFields[index].type) : -1;
}

int idn_field_nullable(size_t index) {
    return index < static_cast<size_t>(verifyFieldCount) ? (verifyRecordFields[index].nullable ? 1 : 0) : -1;
}

int idn_verify_json(const char* text, size_t length, int year_limit, int flags, char* out, size_t size,
                    size_t* written) {
    return idn_verify_json_prefix(text, length, length, year_limit, flags, out, size, written);
}

int idn_verify_json_prefix(const char* text, size_t held, uint64_t length, int year_limit, int flags, char* out,
                           size_t size, size_t* written) {
    if (!textPointerOk(text, held) || !bufferOk(out, size)) return IDN_ERROR_NULL_POINTER;
    if (!yearLimitOk(year_limit)) return IDN_ERROR_YEAR_LIMIT;
    if (!heldEnough(held, length)) return IDN_ERROR_BAD_ARGUMENT;
    const int yearLimit = yearLimitOf(year_limit);
    const VerifyOutcome outcome = verifyHeldText(text, held, length, yearLimit);
    const VerifyRecordShape shape{false, (flags & IDN_VERIFY_JSON_HISTORY) != 0};
    // A record is built whole before it is copied out, so that a short buffer
    // learns the length it needs.
    char record[IDN_VERIFY_JSON_SIZE + 1];  // and the line end of JSON lines
    char scratch[historyFieldCapacity];
    OutputStream stream(record, sizeof record, nullptr, nullptr);
    RecordWriter writer(stream, RecordFormat::jsonl, Encoding::utf8, verifyRecordKeysOf(shape),
                        verifyRecordKeyCountOf(shape));
    const size_t shown = held < static_cast<size_t>(inputFieldLimit) ? held : static_cast<size_t>(inputFieldLimit);
    const VerifiedLine line{0, text != nullptr ? text : "", shown, length};
    writeVerifyRecord(writer, shape, line, outcome, nullptr, scratch, VerifyRecordContext{yearLimit, false});
    if (stream.failed()) return IDN_ERROR_BUFFER_TOO_SMALL;  // IDN_VERIFY_JSON_SIZE holds every record
    // Without the line end of JSON lines.
    return copyOut(stream.data(), stream.size() - 1, out, size, written);
}

// --- Generation -------------------------------------------------------------------

const char* idn_option_name(int option) {
    switch (option) {
    case IDN_OPTION_REGION: return neutralOptionWords.region;
    case IDN_OPTION_BIRTH: return neutralOptionWords.birth;
    case IDN_OPTION_BORN_FROM: return neutralOptionWords.bornFrom;
    case IDN_OPTION_BORN_TO: return neutralOptionWords.bornTo;
    case IDN_OPTION_SEX: return neutralOptionWords.sex;
    case IDN_OPTION_COUNT: return neutralOptionWords.count;
    case IDN_OPTION_SEED: return neutralOptionWords.seed;
    case IDN_OPTION_AS_OF_YEAR: return neutralOptionWords.asOfYear;
    case IDN_OPTION_YEAR_LIMIT: return neutralOptionWords.yearLimit;
    default: return nullptr;
    }
}

int idn_resolve_region(const char* region, size_t length, int as_of_year, int32_t* code) {
    if (code == nullptr || !textPointerOk(region, length)) return IDN_ERROR_NULL_POINTER;
    if (region == nullptr) return IDN_ERROR_NO_REGION;
    if (as_of_year != 0 && (as_of_year < IDN_HISTORY_FIRST_YEAR || as_of_year > IDN_HISTORY_LAST_YEAR))
        return IDN_ERROR_AS_OF_YEAR;
    const RegionResolution resolution = as_of_year != 0 ? resolveRegionAsOf(region, length, as_of_year)
                                                        : resolveRegion(region, length, Encoding::utf8);
    if (resolution.error != RegionError::none) return statusOf(resolution);
    *code = resolution.code;
    return IDN_OK;
}

int idn_generator_init(idn_generator_t* generator, const idn_generate_options_t* options, int32_t* option) {
    if (option != nullptr) *option = IDN_OPTION_NONE;
    if (generator == nullptr || options == nullptr) return IDN_ERROR_NULL_POINTER;
    CheckedOptions checked;
    checkOptions(*options, checked);
    if (option != nullptr) *option = checked.option;
    if (checked.status != IDN_OK) return checked.status;
    *generator = idn_generator_t{};
    new (generator->opaque) GenerationPlan(checked.plan);
    return IDN_OK;
}

int idn_generator_warning(const idn_generator_t* generator) {
    if (generator == nullptr) return IDN_WARNING_NONE;
    return planOf(*generator).birthNotCalendarDate ? IDN_WARNING_BIRTH_NOT_CALENDAR_DATE : IDN_WARNING_NONE;
}

int64_t idn_generator_count(const idn_generator_t* generator) {
    return generator != nullptr ? static_cast<int64_t>(planOf(*generator).count) : 0;
}

int idn_generator_number(const idn_generator_t* generator, int64_t index, char* out, size_t size,
                         size_t* written) {
    if (generator == nullptr || !bufferOk(out, size)) return IDN_ERROR_NULL_POINTER;
    const GenerationPlan& plan = planOf(*generator);
    if (index < 0 || static_cast<uint64_t>(index) >= plan.count) return IDN_ERROR_NOT_FOUND;
    char number[numberLength + 1];
    numberAt(plan, static_cast<uint64_t>(index), number);
    return copyOut(number, numberLength, out, size, written);
}

int idn_generate_message(const idn_generate_options_t* options, const idn_option_names_t* names, char* out,
                         size_t size, size_t* written) {
    if (options == nullptr || !bufferOk(out, size)) return IDN_ERROR_NULL_POINTER;
    CheckedOptions checked;
    checkOptions(*options, checked);
    if (checked.status == IDN_ERROR_NULL_POINTER) return IDN_ERROR_NULL_POINTER;
    const OptionWords words = wordsOf(names);
    char message[IDN_MESSAGE_SIZE];
    size_t length = 0;
    if (checked.optionRefused) {
        const DecimalText value(checked.refusedValue);
        length = writeOptionRefusal(message, sizeof message, checked.refusal, value.digits, value.length,
                                    Encoding::utf8, words);
    } else if (checked.resolution.error != RegionError::none) {
        length = writeRegionErrorMessage(message, sizeof message, checked.resolution, options->region,
                                         options->region_length, options->as_of_year, Encoding::utf8, words);
    } else if (checked.status != IDN_OK) {
        length = writeGenerationErrorMessage(message, sizeof message, checked.plan, checked.request, Encoding::utf8,
                                             words);
    } else if (checked.plan.birthNotCalendarDate) {
        length = writeBirthDateWarning(message, sizeof message, checked.plan);
    }
    return copyOut(message, length, out, size, written);
}

int idn_option_message(int status, const char* value, size_t length, const idn_option_names_t* names, char* out,
                       size_t size, size_t* written) {
    if (!textPointerOk(value, length) || !bufferOk(out, size)) return IDN_ERROR_NULL_POINTER;
    OptionRefusal refusal = OptionRefusal::noRegion;
    switch (status) {
    case IDN_ERROR_NO_REGION: refusal = OptionRefusal::noRegion; break;
    case IDN_ERROR_BAD_SEX: refusal = OptionRefusal::badSex; break;
    case IDN_ERROR_COUNT_RANGE: refusal = OptionRefusal::countRange; break;
    case IDN_ERROR_SEED_RANGE: refusal = OptionRefusal::seedRange; break;
    case IDN_ERROR_AS_OF_YEAR: refusal = OptionRefusal::asOfYearRange; break;
    case IDN_ERROR_YEAR_LIMIT: refusal = OptionRefusal::yearLimitRange; break;
    default: return IDN_ERROR_BAD_ARGUMENT;
    }
    char message[IDN_MESSAGE_SIZE];
    const size_t written_length = writeOptionRefusal(message, sizeof message, refusal, value != nullptr ? value : "",
                                                     length, Encoding::utf8, wordsOf(names));
    return copyOut(message, written_length, out, size, written);
}

// --- Other conversions ------------------------------------------------------------

int idn_upgrade_number(const char* text, size_t length, char* out, size_t size, size_t* written) {
    if (!textPointerOk(text, length) || !bufferOk(out, size)) return IDN_ERROR_NULL_POINTER;
    switch (checkFifteenDigits(text, length).refusal) {
    case UpgradeRefusal::none: break;
    case UpgradeRefusal::length:
    case UpgradeRefusal::characters: return IDN_ERROR_NOT_FIFTEEN_DIGITS;
    case UpgradeRefusal::month: return IDN_ERROR_MONTH_ABOVE_12;
    case UpgradeRefusal::day: return IDN_ERROR_DAY_ABOVE_31;
    }
    char number[numberLength + 1];
    upgradeFifteenDigits(text, number);
    return copyOut(number, numberLength, out, size, written);
}

int idn_upgrade_message(const char* text, size_t length, char* out, size_t size, size_t* written) {
    if (!textPointerOk(text, length) || !bufferOk(out, size)) return IDN_ERROR_NULL_POINTER;
    char message[IDN_REASON_MESSAGE_SIZE];
    const UpgradeCheck check = checkFifteenDigits(text != nullptr ? text : "", length);
    return copyOut(message, writeUpgradeRefusal(message, sizeof message, check, length), out, size, written);
}

int idn_mask_text(const char* text, size_t length, char* out, size_t size, size_t* written) {
    if (!textPointerOk(text, length) || !bufferOk(out, size)) return IDN_ERROR_NULL_POINTER;
    const char* bytes = text != nullptr ? text : "";
    const size_t needed = maskText(bytes, length, Encoding::utf8, true, nullptr, 0, replacementCharacter);
    if (written != nullptr) *written = needed;
    if (out == nullptr) return IDN_OK;
    if (needed >= size) {
        if (size > 0) out[0] = '\0';
        return IDN_ERROR_BUFFER_TOO_SMALL;
    }
    maskText(bytes, length, Encoding::utf8, true, out, size, replacementCharacter);
    out[needed] = '\0';
    return IDN_OK;
}

}  // extern "C"
