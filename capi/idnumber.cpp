// The C API over the core: every idn_ function of capi/idnumber.h. Each
// checks its pointers and sizes, calls the core, and copies the outcome into
// the caller's structs and buffers. Texts out are the core's UTF-8 forms;
// nothing is allocated and nothing is kept between calls.
#define IDN_BUILDING_LIBRARY
#include "capi/idnumber.h"

#include <climits>
#include <cstring>
#include <ctime>
#include <new>
#include <type_traits>

#include "core/calendar.h"
#include "core/generation_messages.h"
#include "core/generation_options.h"
#include "core/generation_plan.h"
#include "core/masking.h"
#include "core/number_hints.h"
#include "core/number_kind.h"
#include "core/region_history.h"
#include "core/region_info.h"
#include "core/region_resolution.h"
#include "core/region_search.h"
#include "core/region_tables.h"
#include "core/scan_settings.h"
#include "core/sex_words.h"
#include "core/system_seed.h"
#include "core/text_buffer.h"
#include "core/upgrade.h"
#include "core/verification.h"
#include "records/history_fields.h"
#include "records/output_stream.h"
#include "records/verify_record.h"

namespace {

static_assert(sizeof(idn_verdict_t) == 48, "idn_verdict_t's layout is part of the API");
static_assert(IDN_MAX_NOW_CODES == maxNowCodes, "IDN_MAX_NOW_CODES is the core's maxNowCodes");
static_assert(IDN_MESSAGE_SIZE >= generationMessageCapacity, "room for every generation message");
static_assert(IDN_MAX_SUCCESSORS == maxSuccessorCodes, "IDN_MAX_SUCCESSORS is the core's maxSuccessorCodes");
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

// A struct the caller gives carries its size: this version's members fit in
// it when it is at least this version's struct. Members a later version
// adds after them are left as the caller has them.
template <typename Struct>
bool sizeOk(const Struct* value) {
    return value != nullptr && value->size >= sizeof(Struct);
}

template <typename Struct>
void store(Struct& to, Struct value) {
    value.size = to.size;
    std::memcpy(&to, &value, sizeof value);
}

// An array of structs the caller gives: the first entry's size is each
// entry's, and the step from one to the next.
template <typename Struct>
void storeAt(Struct* first, std::size_t index, const Struct& value) {
    const uint32_t stride = first->size;
    store(*reinterpret_cast<Struct*>(reinterpret_cast<char*>(first) + index * stride), value);
    reinterpret_cast<Struct*>(reinterpret_cast<char*>(first) + index * stride)->size = stride;
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

// Writes the verdict in place: one made aside and copied over stalls on
// reloading its fresh stores (8 ns of a verification's 20).
void fillVerdict(const char* text, uint64_t length, const VerifyOutcome& outcome, idn_verdict_t& verdict) {
    const uint32_t size = verdict.size;
    verdict = idn_verdict_t{};
    verdict.size = size;
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
idn_region_t regionOf(const RegionRecord& record) {
    idn_region_t region{};
    region.code = codeOf(record);
    region.name = nameOf(record);
    region.level = levelName(levelOf(record));
    region.province = record.unit->fullName;
    RegionRecord city{};
    region.city = cityOf(record, city) ? nameOf(city) : nullptr;
    return region;
}

idn_region_t regionOf(const ProvinceUnit& unit) {
    idn_region_t region{};
    region.code = unit.unitCode * 10000;
    region.name = unit.fullName;
    region.level = "province";
    region.province = unit.fullName;
    region.city = nullptr;
    return region;
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

int codeStatusOf(CodeStatus status) {
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

// The status of a kept refusal.
int statusOf(const GenerationCheck& check) {
    switch (check.refusal) {
    case GenerationRefusal::none: return IDN_OK;
    case GenerationRefusal::region: return statusOf(check.resolution);
    case GenerationRefusal::plan: return statusOf(check.plan.error);
    case GenerationRefusal::option: break;
    }
    switch (check.optionRefusal) {
    case OptionRefusal::noRegion: return IDN_ERROR_NO_REGION;
    case OptionRefusal::birthAndRange: return IDN_ERROR_BIRTH_AND_RANGE;
    case OptionRefusal::badSex: return IDN_ERROR_BAD_SEX;
    case OptionRefusal::countRange: return IDN_ERROR_COUNT_RANGE;
    case OptionRefusal::seedRange: return IDN_ERROR_SEED_RANGE;
    case OptionRefusal::asOfYearRange: return IDN_ERROR_AS_OF_YEAR;
    case OptionRefusal::yearLimitRange: return IDN_ERROR_YEAR_LIMIT;
    }
    return IDN_ERROR_BAD_ARGUMENT;
}

// The C API's options of a generation, and the core's.
GenerationOptionId generationOptionOf(int option) {
    switch (option) {
    case IDN_OPTION_REGION: return GenerationOptionId::region;
    case IDN_OPTION_BIRTH: return GenerationOptionId::birth;
    case IDN_OPTION_BORN_FROM: return GenerationOptionId::bornFrom;
    case IDN_OPTION_BORN_TO: return GenerationOptionId::bornTo;
    case IDN_OPTION_SEX: return GenerationOptionId::sex;
    case IDN_OPTION_COUNT: return GenerationOptionId::count;
    case IDN_OPTION_SEED: return GenerationOptionId::seed;
    case IDN_OPTION_AS_OF_YEAR: return GenerationOptionId::asOfYear;
    case IDN_OPTION_YEAR_LIMIT: return GenerationOptionId::yearLimit;
    default: return GenerationOptionId::none;
    }
}

int32_t apiOptionOf(GenerationOptionId option) {
    switch (option) {
    case GenerationOptionId::region: return IDN_OPTION_REGION;
    case GenerationOptionId::birth: return IDN_OPTION_BIRTH;
    case GenerationOptionId::bornFrom: return IDN_OPTION_BORN_FROM;
    case GenerationOptionId::bornTo: return IDN_OPTION_BORN_TO;
    case GenerationOptionId::sex: return IDN_OPTION_SEX;
    case GenerationOptionId::count: return IDN_OPTION_COUNT;
    case GenerationOptionId::seed: return IDN_OPTION_SEED;
    case GenerationOptionId::asOfYear: return IDN_OPTION_AS_OF_YEAR;
    case GenerationOptionId::yearLimit: return IDN_OPTION_YEAR_LIMIT;
    case GenerationOptionId::none: break;
    }
    return IDN_OPTION_NONE;
}

// The library's word for an option in messages: a generation's from the
// core's neutral words, a scan's from the scanner's settings.
const char* libraryWordOf(int option) {
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
    default:
        if (option >= IDN_OPTION_ENCODING && option <= IDN_OPTION_KEEP)
            return neutralScanWords[option - IDN_OPTION_ENCODING];
        return nullptr;
    }
}

// The caller's word for an option, or the library's.
const char* wordOf(int option, const char* const* names, size_t nameCount) {
    if (names != nullptr && option >= 0 && static_cast<size_t>(option) < nameCount && names[option] != nullptr)
        return names[option];
    return libraryWordOf(option);
}

OptionWords wordsOf(const char* const* names, size_t nameCount) {
    return OptionWords{wordOf(IDN_OPTION_REGION, names, nameCount),     wordOf(IDN_OPTION_BIRTH, names, nameCount),
                       wordOf(IDN_OPTION_BORN_FROM, names, nameCount),  wordOf(IDN_OPTION_BORN_TO, names, nameCount),
                       wordOf(IDN_OPTION_SEX, names, nameCount),        wordOf(IDN_OPTION_COUNT, names, nameCount),
                       wordOf(IDN_OPTION_SEED, names, nameCount),       wordOf(IDN_OPTION_AS_OF_YEAR, names, nameCount),
                       wordOf(IDN_OPTION_YEAR_LIMIT, names, nameCount)};
}

// What a generator's storage holds: the options as set, and once prepared
// the check (its refusal, or the plan of the numbers).
struct Generation {
    uint32_t magic;
    bool prepared;
    GenerationOptions options;
    GenerationCheck check;
};
constexpr uint32_t generationMagic = 0x69646e67;  // "idng": storage idn_generator_init has set up
static_assert(sizeof(Generation) <= IDN_GENERATOR_SIZE, "raise IDN_GENERATOR_SIZE");
static_assert(alignof(Generation) <= alignof(idn_generator_t), "the generator's storage is aligned for it");
static_assert(std::is_trivially_copyable<Generation>::value, "a generator may be copied as bytes");

Generation* generationOf(idn_generator_t* generator) {
    if (generator == nullptr) return nullptr;
    auto* generation = reinterpret_cast<Generation*>(generator->opaque);
    return generation->magic == generationMagic ? generation : nullptr;
}

const Generation* generationOf(const idn_generator_t* generator) {
    return generationOf(const_cast<idn_generator_t*>(generator));
}

const char* const statusNames[] = {
    "IDN_OK", "IDN_ERROR_NULL_POINTER", "IDN_ERROR_BUFFER_TOO_SMALL", "IDN_ERROR_BAD_ARGUMENT",
    "IDN_ERROR_NOT_FOUND", "IDN_ERROR_BAD_OPTION", "IDN_ERROR_NOT_PREPARED"};

// U+FFFD, which a kept byte of a mask that starts no character becomes.
constexpr char replacementCharacter[] = "\xEF\xBF\xBD";

}  // namespace

extern "C" {

unsigned idn_version_number(void) { return IDN_VERSION_NUMBER; }
const char* idn_version_string(void) { return IDN_VERSION_STRING; }

int idn_current_year(void) { return localYear(time(nullptr)); }

int idn_current_date(int32_t* year, int32_t* month, int32_t* day) {
    if (year == nullptr || month == nullptr || day == nullptr) return IDN_ERROR_NULL_POINTER;
    const BirthDate today = localDate(time(nullptr));
    *year = today.year;
    *month = today.month;
    *day = today.day;
    return IDN_OK;
}

size_t idn_size_of(int id) {
    switch (id) {
    case IDN_ID_NUMBER_SIZE: return IDN_NUMBER_SIZE;
    case IDN_ID_INPUT_HELD_BYTES: return IDN_INPUT_HELD_BYTES;
    case IDN_ID_REASON_MESSAGE_SIZE: return IDN_REASON_MESSAGE_SIZE;
    case IDN_ID_MESSAGE_SIZE: return IDN_MESSAGE_SIZE;
    case IDN_ID_VERIFY_JSON_SIZE: return IDN_VERIFY_JSON_SIZE;
    case IDN_ID_HISTORY_JSON_SIZE: return IDN_HISTORY_JSON_SIZE;
    case IDN_ID_SUCCESSORS_JSON_SIZE: return IDN_SUCCESSORS_JSON_SIZE;
    case IDN_ID_NOW_CODES_JSON_SIZE: return IDN_NOW_CODES_JSON_SIZE;
    case IDN_ID_MAX_SUCCESSORS: return IDN_MAX_SUCCESSORS;
    case IDN_ID_MAX_NOW_CODES: return IDN_MAX_NOW_CODES;
    case IDN_ID_PICKER_LIST_MAX: return IDN_PICKER_LIST_MAX;
    case IDN_ID_REGION_TEXT_MAX_LENGTH: return IDN_REGION_TEXT_MAX_LENGTH;
    case IDN_ID_MASK_EXTRA_SIZE: return IDN_MASK_SIZE(0);
    case IDN_ID_GENERATOR_CONTEXT: return sizeof(idn_generator_t);
    case IDN_ID_VERDICT_STRUCT: return sizeof(idn_verdict_t);
    case IDN_ID_REGION_FIELDS_STRUCT: return sizeof(idn_region_fields_t);
    case IDN_ID_REGION_STRUCT: return sizeof(idn_region_t);
    case IDN_ID_HISTORY_RECORD_STRUCT: return sizeof(idn_history_record_t);
    case IDN_ID_SUCCESSOR_STRUCT: return sizeof(idn_successor_t);
    case IDN_ID_PRESENT_CODE_STRUCT: return sizeof(idn_present_code_t);
    case IDN_ID_REGION_INFO_STRUCT: return sizeof(idn_region_info_t);
    case IDN_ID_SCANNER_CONTEXT: return sizeof(idn_scanner_t);
    case IDN_ID_MATCH_STRUCT: return sizeof(idn_match_t);
    case IDN_ID_SCAN_SUMMARY_STRUCT: return sizeof(idn_scan_summary_t);
    case IDN_ID_SCANNER_HELD_MAX: return IDN_SCANNER_HELD_MAX;
    case IDN_ID_KEY_MIN_LENGTH: return IDN_KEY_MIN_LENGTH;
    case IDN_ID_TOKEN_MAX_LENGTH: return IDN_TOKEN_MAX_LENGTH;
    case IDN_ID_LABEL_MAX_LENGTH: return IDN_LABEL_MAX_LENGTH;
    case IDN_ID_REDACT_NUMBER_SIZE: return IDN_REDACT_NUMBER_SIZE;
    case IDN_ID_AUTO_STRETCH_LENGTH: return IDN_AUTO_STRETCH_LENGTH;
    case IDN_ID_KEYWORD_REACH: return IDN_KEYWORD_REACH;
    default: return 0;
    }
}

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
    case IDN_ERROR_BAD_DATE: return "IDN_ERROR_BAD_DATE";
    case IDN_ERROR_NOT_FIFTEEN_DIGITS: return "IDN_ERROR_NOT_FIFTEEN_DIGITS";
    case IDN_ERROR_MONTH_ABOVE_12: return "IDN_ERROR_MONTH_ABOVE_12";
    case IDN_ERROR_DAY_ABOVE_31: return "IDN_ERROR_DAY_ABOVE_31";
    case IDN_ERROR_BAD_ENCODING: return "IDN_ERROR_BAD_ENCODING";
    case IDN_ERROR_BAD_CONFIDENCE: return "IDN_ERROR_BAD_CONFIDENCE";
    case IDN_ERROR_BAD_REDACTION: return "IDN_ERROR_BAD_REDACTION";
    case IDN_ERROR_MASK_RANGE: return "IDN_ERROR_MASK_RANGE";
    case IDN_ERROR_LABEL_TEXT: return "IDN_ERROR_LABEL_TEXT";
    case IDN_ERROR_NO_KEY: return "IDN_ERROR_NO_KEY";
    case IDN_ERROR_KEY_TOO_SHORT: return "IDN_ERROR_KEY_TOO_SHORT";
    case IDN_ERROR_TOKEN_FORMAT: return "IDN_ERROR_TOKEN_FORMAT";
    case IDN_ERROR_AS_OF_DATE: return "IDN_ERROR_AS_OF_DATE";
    case IDN_ERROR_SCAN_ORDER: return "IDN_ERROR_SCAN_ORDER";
    case IDN_ERROR_CRYPTO: return "IDN_ERROR_CRYPTO";
    default: return nullptr;
    }
}

// --- Verification -----------------------------------------------------------

int idn_verify(const char* text, size_t length, int year_limit, idn_verdict_t* verdict) {
    return idn_verify_prefix(text, length, length, year_limit, verdict);
}

int idn_verify_prefix(const char* text, size_t held, uint64_t length, int year_limit, idn_verdict_t* verdict) {
    if (verdict == nullptr || !textPointerOk(text, held)) return IDN_ERROR_NULL_POINTER;
    if (!sizeOk(verdict)) return IDN_ERROR_BAD_ARGUMENT;
    if (!yearLimitOk(year_limit)) return IDN_ERROR_YEAR_LIMIT;
    if (!heldEnough(held, length)) return IDN_ERROR_BAD_ARGUMENT;
    fillVerdict(text, length, verifyHeldText(text, held, length, yearLimitOf(year_limit)), *verdict);
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
    if (!sizeOk(verdict)) return IDN_ERROR_BAD_ARGUMENT;
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

int idn_age_on(const idn_verdict_t* verdict, int year, int month, int day, int32_t* age) {
    if (verdict == nullptr || age == nullptr) return IDN_ERROR_NULL_POINTER;
    if (!sizeOk(verdict)) return IDN_ERROR_BAD_ARGUMENT;
    const BirthDate on{year, month, day};
    if (!isCalendarDate(on)) return IDN_ERROR_BAD_DATE;
    if (verdict->reason != IDN_VALID) return IDN_ERROR_NOT_FOUND;
    int years = 0;
    if (!ageOn(BirthDate{verdict->birth_year, verdict->birth_month, verdict->birth_day}, on, years))
        return IDN_ERROR_NOT_FOUND;
    *age = years;
    return IDN_OK;
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
    if (!sizeOk(fields)) return IDN_ERROR_BAD_ARGUMENT;
    const RegionTexts region = regionTexts(code);
    store(*fields, idn_region_fields_t{0, region.province, region.city, region.county});
    return IDN_OK;
}

int idn_find_region(int32_t code, idn_region_t* region) {
    if (region == nullptr) return IDN_ERROR_NULL_POINTER;
    if (!sizeOk(region)) return IDN_ERROR_BAD_ARGUMENT;
    if (code % 10000 == 0) {
        const ProvinceUnit* unit = findUnit(code / 10000);
        if (unit == nullptr) return IDN_ERROR_NOT_FOUND;
        store(*region, regionOf(*unit));
        return IDN_OK;
    }
    RegionRecord record{};
    if (!findRecord(code, record)) return IDN_ERROR_NOT_FOUND;
    store(*region, regionOf(record));
    return IDN_OK;
}

int idn_search_regions(const char* query, size_t length, size_t* cursor, idn_region_t* region) {
    if (cursor == nullptr || region == nullptr || !textPointerOk(query, length)) return IDN_ERROR_NULL_POINTER;
    if (!sizeOk(region)) return IDN_ERROR_BAD_ARGUMENT;
    const RegionQuery search{query != nullptr ? query : "", length, Encoding::utf8};
    RegionRecord record{};
    if (!nextMatchingRecord(search, *cursor, record)) return 0;
    store(*region, regionOf(record));
    return 1;
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

int idn_code_status_of(int32_t code) { return codeStatusOf(codeStatus(code)); }

const char* idn_code_status_name(int status) {
    switch (status) {
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
    if (!sizeOk(record)) return IDN_ERROR_BAD_ARGUMENT;
    const HistoryRecords records = recordsOfCode(code);
    if (index >= records.size()) return IDN_ERROR_NOT_FOUND;
    const HistoryRecord& found = records.first[index];
    store(*record, idn_history_record_t{0, codeOf(found), nameOf(found), provinceOf(found),
                                        prefectureOf(found), levelName(levelOf(found)), firstYearOf(found),
                                        untilYearOf(found)});
    return IDN_OK;
}

int idn_successors(int32_t code, idn_successor_t* successors, size_t capacity, size_t* count) {
    if (count == nullptr || (successors == nullptr && capacity > 0)) return IDN_ERROR_NULL_POINTER;
    if (capacity > 0 && !sizeOk(successors)) return IDN_ERROR_BAD_ARGUMENT;
    const HistoryRecord* found[maxSuccessorCodes];
    const int total = successorCodesOfCode(code, found);
    for (int i = 0; i < total && static_cast<size_t>(i) < capacity; ++i)
        storeAt(successors, static_cast<size_t>(i),
                idn_successor_t{0, codeOf(*found[i]), nameOf(*found[i]),
                                stillInUse(*found[i]) ? IDN_CODE_IN_USE : IDN_CODE_ABOLISHED});
    *count = static_cast<size_t>(total);
    return static_cast<size_t>(total) > capacity ? IDN_ERROR_BUFFER_TOO_SMALL : IDN_OK;
}

int idn_now_codes(int32_t code, idn_present_code_t* codes, size_t capacity, size_t* count) {
    if (count == nullptr || (codes == nullptr && capacity > 0)) return IDN_ERROR_NULL_POINTER;
    if (capacity > 0 && !sizeOk(codes)) return IDN_ERROR_BAD_ARGUMENT;
    int32_t now[maxNowCodes];
    const int found = nowCodes(code, now);
    for (int i = 0; i < found && static_cast<size_t>(i) < capacity; ++i)
        storeAt(codes, static_cast<size_t>(i), idn_present_code_t{0, now[i], nameOf(*latestRecord(now[i]))});
    *count = static_cast<size_t>(found);
    return static_cast<size_t>(found) > capacity ? IDN_ERROR_BUFFER_TOO_SMALL : IDN_OK;
}

int idn_in_use_at_birth(int32_t code, int birth_year) { return inUseAtBirth(code, birth_year) ? 1 : 0; }

int idn_region_info(int32_t code, int birth_year, idn_region_info_t* info) {
    if (info == nullptr) return IDN_ERROR_NULL_POINTER;
    if (!sizeOk(info)) return IDN_ERROR_BAD_ARGUMENT;
    const RegionInfo found = regionInfo(code, birth_year);
    idn_region_info_t value{};
    value.code = code;
    value.kind = static_cast<int32_t>(found.kind);
    value.status = codeStatusOf(found.status);
    value.province = found.fields.province;
    value.city = found.fields.city;
    value.county = found.fields.county;
    value.nationality = found.country != nullptr ? found.country->name : nullptr;
    value.nationality_code = found.nationalityCode;
    value.in_use_at_birth = found.inUseAtBirth.inUse ? 1 : 0;
    value.years_from = found.inUseAtBirth.firstYear;
    value.years_to = found.inUseAtBirth.lastYear;
    store(*info, value);
    return IDN_OK;
}

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

const char* idn_option_name(int option) { return wordOf(option, nullptr, 0); }

int idn_option_message(int status, const char* value, size_t length, const char* const* names, size_t name_count,
                       char* out, size_t size, size_t* written) {
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
    const size_t messageLength = writeOptionRefusal(message, sizeof message, refusal, value != nullptr ? value : "",
                                                    length, Encoding::utf8, wordsOf(names, name_count));
    return copyOut(message, messageLength, out, size, written);
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

int idn_generator_init(idn_generator_t* generator, size_t size) {
    if (generator == nullptr) return IDN_ERROR_NULL_POINTER;
    if (size < sizeof(idn_generator_t)) return IDN_ERROR_BUFFER_TOO_SMALL;
    Generation* generation = new (generator->opaque) Generation();
    generation->magic = generationMagic;
    return IDN_OK;
}

int idn_generator_set_text(idn_generator_t* generator, int option, const char* text, size_t length) {
    Generation* generation = generationOf(generator);
    if (generation == nullptr || !textPointerOk(text, length)) return IDN_ERROR_NULL_POINTER;
    if (!setTextOption(generation->options, generationOptionOf(option), text != nullptr ? text : "", length))
        return IDN_ERROR_BAD_OPTION;
    generation->prepared = false;
    return IDN_OK;
}

int idn_generator_set_integer(idn_generator_t* generator, int option, int64_t value) {
    Generation* generation = generationOf(generator);
    if (generation == nullptr) return IDN_ERROR_NULL_POINTER;
    if (!setNumberOption(generation->options, generationOptionOf(option), value)) return IDN_ERROR_BAD_OPTION;
    generation->prepared = false;
    return IDN_OK;
}

int idn_generator_set_unsigned(idn_generator_t* generator, int option, uint64_t value) {
    Generation* generation = generationOf(generator);
    if (generation == nullptr) return IDN_ERROR_NULL_POINTER;
    if (!setUnsignedOption(generation->options, generationOptionOf(option), value)) return IDN_ERROR_BAD_OPTION;
    generation->prepared = false;
    return IDN_OK;
}

int idn_generator_prepare(idn_generator_t* generator) {
    Generation* generation = generationOf(generator);
    if (generation == nullptr) return IDN_ERROR_NULL_POINTER;
    // The clock and the system's randomness are read only when the options
    // leave them to the library.
    const KeptNumber& yearLimit = generation->options.yearLimit;
    const bool clockNeeded = !yearLimit.given || (!yearLimit.isUnsigned && yearLimit.value == 0) ||
                             (yearLimit.isUnsigned && yearLimit.unsignedValue == 0);
    const int currentYear = clockNeeded ? localYear(time(nullptr)) : 0;
    const uint64_t seed = generation->options.seed.given ? 0 : systemSeed();
    generation->check = checkGenerationOptions(generation->options, currentYear, seed);
    generation->prepared = true;
    return statusOf(generation->check);
}

int idn_generator_refusal(const idn_generator_t* generator, int32_t* status, int32_t* option) {
    const Generation* generation = generationOf(generator);
    if (generation == nullptr) return IDN_ERROR_NULL_POINTER;
    if (!generation->prepared) return IDN_ERROR_NOT_PREPARED;
    if (status != nullptr) *status = statusOf(generation->check);
    if (option != nullptr) *option = apiOptionOf(generation->check.option);
    return IDN_OK;
}

int idn_generator_warning(const idn_generator_t* generator) {
    const Generation* generation = generationOf(generator);
    if (generation == nullptr || !generation->prepared || generation->check.refusal != GenerationRefusal::none)
        return IDN_WARNING_NONE;
    return generation->check.plan.birthNotCalendarDate ? IDN_WARNING_BIRTH_NOT_CALENDAR_DATE : IDN_WARNING_NONE;
}

int idn_generator_message(const idn_generator_t* generator, const char* const* names, size_t name_count, char* out,
                          size_t size, size_t* written) {
    const Generation* generation = generationOf(generator);
    if (generation == nullptr || !bufferOk(out, size)) return IDN_ERROR_NULL_POINTER;
    if (!generation->prepared) return IDN_ERROR_NOT_PREPARED;
    char message[IDN_MESSAGE_SIZE];
    const size_t length = writeGenerationCheckMessage(message, sizeof message, generation->options, generation->check,
                                                      wordsOf(names, name_count));
    return copyOut(message, length, out, size, written);
}

uint64_t idn_system_seed(void) { return systemSeed(); }

int idn_generator_seed(const idn_generator_t* generator, uint64_t* seed) {
    const Generation* generation = generationOf(generator);
    if (generation == nullptr || seed == nullptr) return IDN_ERROR_NULL_POINTER;
    if (!generation->prepared || generation->check.refusal != GenerationRefusal::none) return IDN_ERROR_NOT_PREPARED;
    *seed = generation->check.seed;
    return IDN_OK;
}

int64_t idn_generator_count(const idn_generator_t* generator) {
    const Generation* generation = generationOf(generator);
    if (generation == nullptr || !generation->prepared || generation->check.refusal != GenerationRefusal::none)
        return 0;
    return static_cast<int64_t>(generation->check.plan.count);
}

int idn_generator_number(const idn_generator_t* generator, int64_t index, char* out, size_t size,
                         size_t* written) {
    const Generation* generation = generationOf(generator);
    if (generation == nullptr || !bufferOk(out, size)) return IDN_ERROR_NULL_POINTER;
    if (!generation->prepared || generation->check.refusal != GenerationRefusal::none)
        return IDN_ERROR_NOT_PREPARED;
    const GenerationPlan& plan = generation->check.plan;
    if (index < 0 || static_cast<uint64_t>(index) >= plan.count) return IDN_ERROR_NOT_FOUND;
    char number[numberLength + 1];
    numberAt(plan, static_cast<uint64_t>(index), number);
    return copyOut(number, numberLength, out, size, written);
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
