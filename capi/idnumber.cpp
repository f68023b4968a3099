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
#include "core/text_buffer.h"
#include "core/verification.h"
#include "records/history_fields.h"
#include "records/output_stream.h"
#include "records/verify_record.h"

namespace {

static_assert(sizeof(idn_verdict) == 40, "idn_verdict's layout is part of the API");
static_assert(sizeof(GenerationPlan) <= sizeof(idn_generator), "raise IDN_GENERATOR_WORDS");
static_assert(alignof(GenerationPlan) <= alignof(idn_generator), "the generator's storage is aligned for a plan");
static_assert(IDN_MAX_NOW_CODES == maxNowCodes, "IDN_MAX_NOW_CODES is the core's maxNowCodes");
static_assert(IDN_MESSAGE_CAPACITY >= generationMessageCapacity, "room for every generation message");
static_assert(IDN_HINT_CR_LINE_ENDS == static_cast<int>(NumberHint::crLineEnds) &&
                  IDN_HINT_FIFTEEN_DIGITS == static_cast<int>(NumberHint::fifteenDigits) &&
                  IDN_HINT_SCIENTIFIC == static_cast<int>(NumberHint::scientific) &&
                  IDN_HINT_ZEROED == static_cast<int>(NumberHint::zeroed) &&
                  IDN_HINT_LOWERCASE_X == static_cast<int>(NumberHint::lowercaseX) &&
                  IDN_HINT_FULLWIDTH == static_cast<int>(NumberHint::fullwidth) &&
                  IDN_HINT_SPACES == static_cast<int>(NumberHint::spaces),
              "idn_hint numbers the core's hints");

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

int yearLimitOf(int yearLimit) { return yearLimit != 0 ? yearLimit : localYear(time(nullptr)); }

// The verdict of the whole of `length` bytes at `text`.
VerifyOutcome verifyWholeText(const char* text, size_t length, int yearLimit) {
    const int wholeLength = verifiedLength(length);
    return verifyNumberText(text, wholeLength, wholeLength, yearLimit);
}

bool textPointerOk(const char* text, size_t length) { return text != nullptr || length == 0; }

// Copies `length` bytes and a NUL into the caller's buffer, under the API's
// convention for texts out.
int copyOut(const char* text, size_t length, char* out, size_t size, size_t* written) {
    if (written != nullptr) *written = length;
    if (out == nullptr) return size == 0 && length == 0 ? IDN_OK : IDN_ERROR_NULL_POINTER;
    if (length >= size) {
        if (size > 0) out[0] = '\0';
        return IDN_ERROR_BUFFER_TOO_SMALL;
    }
    std::memcpy(out, text, length);
    out[length] = '\0';
    return IDN_OK;
}

// Texts of the 2009 tables' records and units, in UTF-8.
void fillRegion(const RegionRecord& record, idn_region& region) {
    region.code = codeOf(record);
    region.name = nameOf(record).utf8;
    region.level = levelName(levelOf(record));
    region.province = record.unit->fullNameText.utf8;
    RegionRecord city{};
    region.city = cityOf(record, city) ? nameOf(city).utf8 : nullptr;
}

void fillUnit(const ProvinceUnit& unit, idn_region& region) {
    region.code = unit.unitCode * 10000;
    region.name = unit.fullNameText.utf8;
    region.level = "province";
    region.province = unit.fullNameText.utf8;
    region.city = nullptr;
}

// A JSON value of the history written by `write(json)` into the caller's
// buffer; the scratch is sized for any code's value.
template <typename Write>
int jsonOut(char* out, size_t size, size_t* written, Write write) {
    char scratch[historyFieldCapacity];
    JsonFragment json(scratch, sizeof scratch, Encoding::utf8);
    write(json);
    return copyOut(json.data(), json.size(), out, size, written);
}

int statusOf(RegionError error) {
    switch (error) {
    case RegionError::none: return IDN_OK;
    case RegionError::invalidText: return IDN_ERROR_REGION_INVALID_TEXT;
    case RegionError::notCountyLevel: return IDN_ERROR_REGION_NOT_COUNTY;
    case RegionError::unknownCode: return IDN_ERROR_REGION_UNKNOWN_CODE;
    case RegionError::badPath: return IDN_ERROR_REGION_BAD_PATH;
    case RegionError::noMatch: return IDN_ERROR_REGION_NO_MATCH;
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
    case GenerationError::countZero: return IDN_ERROR_COUNT_ZERO;
    case GenerationError::countTooLarge: return IDN_ERROR_COUNT_TOO_LARGE;
    case GenerationError::badRegionCode: return IDN_ERROR_REGION_UNKNOWN_CODE;
    }
    return IDN_ERROR_BAD_ARGUMENT;
}

// A message of our own, written into the caller's message buffer.
void writeMessage(char* message, size_t size, const char* text) {
    if (message == nullptr || size == 0) return;
    TextBuffer out(message, size, Encoding::utf8);
    out.append(text);
}

// Resolves the region text as idtool generate does (as_of_year 0: the 2009
// tables); on an error writes its message.
int resolve(const char* text, size_t length, int asOfYear, int32_t& code, char* message, size_t messageSize) {
    if (!textPointerOk(text, length)) return IDN_ERROR_NULL_POINTER;
    if (asOfYear != 0 && (asOfYear < firstListedYear || asOfYear > lastListedYear)) {
        if (message != nullptr && messageSize > 0) {
            TextBuffer out(message, messageSize, Encoding::utf8);
            out.append("--as-of: must be a whole number from 1981 to 2024, not ");
            if (asOfYear < 0) out.append('-');
            out.appendDecimal(static_cast<uint64_t>(asOfYear < 0 ? -static_cast<int64_t>(asOfYear) : asOfYear));
        }
        return IDN_ERROR_AS_OF_YEAR;
    }
    const RegionResolution resolution = asOfYear != 0 ? resolveRegionAsOf(text, length, asOfYear)
                                                      : resolveRegion(text, length, Encoding::utf8);
    if (resolution.error == RegionError::none) {
        code = resolution.code;
        return IDN_OK;
    }
    if (message != nullptr && messageSize > 0)
        writeRegionErrorMessage(message, messageSize, resolution, text, length, asOfYear, Encoding::utf8);
    return statusOf(resolution.error);
}

const GenerationPlan& planOf(const idn_generator& generator) {
    return *reinterpret_cast<const GenerationPlan*>(generator.opaque);
}

const char* const statusNames[] = {
    "IDN_OK", "IDN_ERROR_NULL_POINTER", "IDN_ERROR_BUFFER_TOO_SMALL", "IDN_ERROR_BAD_ARGUMENT",
    "IDN_ERROR_NOT_FOUND"};

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
    case IDN_ERROR_NO_BIRTH_DATE: return "IDN_ERROR_NO_BIRTH_DATE";
    case IDN_ERROR_BIRTH_AND_RANGE: return "IDN_ERROR_BIRTH_AND_RANGE";
    case IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS: return "IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS";
    case IDN_ERROR_BIRTH_BEYOND_LIMITS: return "IDN_ERROR_BIRTH_BEYOND_LIMITS";
    case IDN_ERROR_RANGE_NOT_DATE: return "IDN_ERROR_RANGE_NOT_DATE";
    case IDN_ERROR_RANGE_YEAR_AFTER_LIMIT: return "IDN_ERROR_RANGE_YEAR_AFTER_LIMIT";
    case IDN_ERROR_RANGE_REVERSED: return "IDN_ERROR_RANGE_REVERSED";
    case IDN_ERROR_COUNT_ZERO: return "IDN_ERROR_COUNT_ZERO";
    case IDN_ERROR_COUNT_TOO_LARGE: return "IDN_ERROR_COUNT_TOO_LARGE";
    case IDN_ERROR_BAD_SEX: return "IDN_ERROR_BAD_SEX";
    case IDN_ERROR_NOT_FIFTEEN_DIGITS: return "IDN_ERROR_NOT_FIFTEEN_DIGITS";
    case IDN_ERROR_MONTH_ABOVE_12: return "IDN_ERROR_MONTH_ABOVE_12";
    case IDN_ERROR_DAY_ABOVE_31: return "IDN_ERROR_DAY_ABOVE_31";
    default: return nullptr;
    }
}

// --- Verification -----------------------------------------------------------

int idn_verify(const char* text, size_t length, int year_limit, idn_verdict* verdict) {
    if (verdict == nullptr || !textPointerOk(text, length)) return IDN_ERROR_NULL_POINTER;
    const VerifyOutcome outcome = verifyWholeText(text, length, yearLimitOf(year_limit));
    *verdict = idn_verdict{};
    verdict->reason = static_cast<int32_t>(outcome.refusal);
    verdict->expected_check = static_cast<unsigned char>(outcome.expectedCheck);
    verdict->length = length;
    if (outcome.refusal == VerifyRefusal::none) {
        verdict->kind = static_cast<int32_t>(kindOf(text));
        verdict->sex = outcome.male ? IDN_SEX_MALE : IDN_SEX_FEMALE;
        verdict->birth_year = outcome.birthDate.year;
        verdict->birth_month = outcome.birthDate.month;
        verdict->birth_day = outcome.birthDate.day;
        verdict->region_code = outcome.regionCode;
    }
    return IDN_OK;
}

int idn_verify_batch(const char* bytes, const size_t* ends, size_t count, int year_limit, idn_verdict* verdicts) {
    if (count == 0) return IDN_OK;
    if (ends == nullptr || verdicts == nullptr || (bytes == nullptr && ends[count - 1] != 0))
        return IDN_ERROR_NULL_POINTER;
    // The clock is read once for the batch.
    const int yearLimit = yearLimitOf(year_limit);
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        if (ends[i] < start) return IDN_ERROR_BAD_ARGUMENT;
        idn_verify(bytes + start, ends[i] - start, yearLimit, &verdicts[i]);
        start = ends[i];
    }
    return IDN_OK;
}

int idn_verify_columns(const char* bytes, const size_t* ends, size_t count, int year_limit, uint8_t* reasons,
                       uint8_t* expected_checks, uint8_t* sexes, int32_t* region_codes, int32_t* birth_dates) {
    if (count == 0) return IDN_OK;
    if (ends == nullptr || (bytes == nullptr && ends[count - 1] != 0)) return IDN_ERROR_NULL_POINTER;
    const int yearLimit = yearLimitOf(year_limit);
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        if (ends[i] < start) return IDN_ERROR_BAD_ARGUMENT;
        const size_t length = ends[i] - start;
        const VerifyOutcome outcome = verifyWholeText(bytes + start, length, yearLimit);
        const bool valid = outcome.refusal == VerifyRefusal::none;
        if (reasons != nullptr) reasons[i] = static_cast<uint8_t>(outcome.refusal);
        if (expected_checks != nullptr) expected_checks[i] = static_cast<unsigned char>(outcome.expectedCheck);
        if (sexes != nullptr) sexes[i] = static_cast<uint8_t>(!valid ? IDN_SEX_ANY : outcome.male ? IDN_SEX_MALE : IDN_SEX_FEMALE);
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

int idn_reason_message(const idn_verdict* verdict, char* out, size_t size, size_t* written) {
    if (verdict == nullptr) return IDN_ERROR_NULL_POINTER;
    if (verdict->reason < IDN_VALID || verdict->reason > IDN_REASON_DATE) return IDN_ERROR_BAD_ARGUMENT;
    char text[160];
    const long long length = verdict->length > static_cast<uint64_t>(LLONG_MAX) ? LLONG_MAX
                                                                              : static_cast<long long>(verdict->length);
    const int count =
        formatMessage(text, sizeof text, refusalText(static_cast<VerifyRefusal>(verdict->reason)).utf8, length);
    return copyOut(text, static_cast<size_t>(count), out, size, written);
}

const char* idn_kind_name(int kind) {
    if (kind < IDN_KIND_RESIDENT || kind > IDN_KIND_FOREIGNER_CARD) return nullptr;
    return kindName(static_cast<NumberKind>(kind));
}

int idn_hint_of(const char* text, size_t length, int year_limit, char* upgraded) {
    if (!textPointerOk(text, length)) return IDN_ERROR_NULL_POINTER;
    const int yearLimit = yearLimitOf(year_limit);
    const VerifyOutcome outcome = verifyWholeText(text, length, yearLimit);
    const size_t held = length < static_cast<size_t>(inputFieldLimit) ? length : static_cast<size_t>(inputFieldLimit);
    char number[numberLength + 1];
    const NumberHint hint =
        hintFor(text != nullptr ? text : "", held, length, outcome.refusal, Encoding::utf8, yearLimit, number);
    if (hint == NumberHint::fifteenDigits && upgraded != nullptr) std::memcpy(upgraded, number, sizeof number);
    return static_cast<int>(hint);
}

const char* idn_hint_name(int hint) {
    if (hint <= IDN_HINT_NONE || hint > IDN_HINT_SPACES) return nullptr;
    return hintName(static_cast<NumberHint>(hint));
}

// --- Regions of the 2009 tables -------------------------------------------------

int idn_region_texts(int32_t code, idn_region_fields* texts) {
    if (texts == nullptr) return IDN_ERROR_NULL_POINTER;
    const RegionTexts region = regionTexts(code);
    *texts = {region.province.utf8, region.city.utf8, region.county.utf8};
    return IDN_OK;
}

int idn_region_record(int32_t code, idn_region* region) {
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

int idn_regions_next(const char* query, size_t length, size_t* cursor, idn_region* region) {
    if (cursor == nullptr || region == nullptr || !textPointerOk(query, length)) return IDN_ERROR_NULL_POINTER;
    const RegionQuery search{query != nullptr ? query : "", length, Encoding::utf8};
    // The cursor counts records across the units, in table order.
    size_t position = 0;
    for (const ProvinceUnit& unit : provinceUnits) {
        for (const RegionRecord record : recordsOf(unit)) {
            if (position++ < *cursor) continue;
            if (!matchesQuery(codeOf(record), nameOf(record).utf8, search)) continue;
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

int idn_code_status(int32_t code) {
    switch (codeStatus(code)) {
    case CodeStatus::listed2009: return IDN_CODE_2009;
    case CodeStatus::inUse: return IDN_CODE_IN_USE;
    case CodeStatus::abolished: return IDN_CODE_ABOLISHED;
    case CodeStatus::unknown: break;
    }
    return IDN_CODE_UNKNOWN;
}

const char* idn_code_status_name(int status) {
    switch (status) {
    case IDN_CODE_2009: return codeStatusName(CodeStatus::listed2009);
    case IDN_CODE_IN_USE: return codeStatusName(CodeStatus::inUse);
    case IDN_CODE_ABOLISHED: return codeStatusName(CodeStatus::abolished);
    case IDN_CODE_UNKNOWN: return codeStatusName(CodeStatus::unknown);
    default: return nullptr;
    }
}

size_t idn_history_count(int32_t code) { return recordsOfCode(code).size(); }

int idn_history_record_at(int32_t code, size_t index, idn_history_record* record) {
    if (record == nullptr) return IDN_ERROR_NULL_POINTER;
    const HistoryRecords records = recordsOfCode(code);
    if (index >= records.size()) return IDN_ERROR_NOT_FOUND;
    const HistoryRecord& found = records.first[index];
    record->code = codeOf(found);
    record->name = nameOf(found).utf8;
    record->province = provinceOf(found).utf8;
    record->prefecture = prefectureOf(found).utf8;
    record->level = levelName(levelOf(found));
    record->from = firstYearOf(found);
    record->until = untilYearOf(found);
    return IDN_OK;
}

int idn_successors(int32_t code, idn_successor* successors, size_t capacity, size_t* count) {
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
                successors[found] = {codeOf(continued), nameOf(continued).utf8, stillInUse(continued) ? 1 : 0};
            ++found;
        }
    }
    *count = found;
    return found > capacity ? IDN_ERROR_BUFFER_TOO_SMALL : IDN_OK;
}

int idn_now(int32_t code, idn_present_code* codes, size_t capacity, size_t* count) {
    if (count == nullptr || (codes == nullptr && capacity > 0)) return IDN_ERROR_NULL_POINTER;
    int32_t now[maxNowCodes];
    const int found = nowCodes(code, now);
    for (int i = 0; i < found && static_cast<size_t>(i) < capacity; ++i)
        codes[i] = {now[i], nameOf(*latestRecord(now[i])).utf8};
    *count = static_cast<size_t>(found);
    return static_cast<size_t>(found) > capacity ? IDN_ERROR_BUFFER_TOO_SMALL : IDN_OK;
}

int idn_in_use_at_birth(int32_t code, int birth_year) { return inUseAtBirth(code, birth_year) ? 1 : 0; }

int idn_history_json(int32_t code, char* out, size_t size, size_t* written) {
    return jsonOut(out, size, written, [code](JsonFragment& json) { writeHistory(json, code, Encoding::utf8); });
}

int idn_successors_json(int32_t code, char* out, size_t size, size_t* written) {
    return jsonOut(out, size, written,
                   [code](JsonFragment& json) { writeSuccessorsOfCode(json, code, Encoding::utf8); });
}

int idn_now_json(int32_t code, char* out, size_t size, size_t* written) {
    return jsonOut(out, size, written,
                   [code](JsonFragment& json) { writeNow(json, latestRecord(code), Encoding::utf8); });
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
    if (!textPointerOk(text, length)) return IDN_ERROR_NULL_POINTER;
    const int yearLimit = yearLimitOf(year_limit);
    const VerifyOutcome outcome = verifyWholeText(text, length, yearLimit);
    const VerifyRecordShape shape{false, (flags & IDN_JSON_HISTORY) != 0};
    // A record is built whole before it is copied out, so that a short buffer
    // learns the length it needs.
    char record[IDN_JSON_RECORD_CAPACITY];
    char scratch[historyFieldCapacity];
    OutputStream stream(record, sizeof record, nullptr, nullptr);
    RecordWriter writer(stream, RecordFormat::jsonl, Encoding::utf8, verifyRecordKeysOf(shape),
                        verifyRecordKeyCountOf(shape));
    const size_t held = length < static_cast<size_t>(inputFieldLimit) ? length : static_cast<size_t>(inputFieldLimit);
    const VerifiedLine line{0, text != nullptr ? text : "", held, length};
    writeVerifyRecord(writer, shape, line, outcome, nullptr, scratch, VerifyRecordContext{yearLimit, false});
    if (stream.failed()) return IDN_ERROR_BUFFER_TOO_SMALL;  // the capacity holds every record
    // Without the line end of JSON lines.
    return copyOut(stream.data(), stream.size() - 1, out, size, written);
}

// --- Generation -------------------------------------------------------------------

int idn_resolve_region(const char* region, size_t length, int as_of_year, int32_t* code, char* message,
                       size_t message_size) {
    if (code == nullptr) return IDN_ERROR_NULL_POINTER;
    writeMessage(message, message_size, "");
    return resolve(region, length, as_of_year, *code, message, message_size);
}

int idn_generator_init(idn_generator* generator, const idn_generate_options* options, char* message,
                       size_t message_size) {
    if (generator == nullptr || options == nullptr) return IDN_ERROR_NULL_POINTER;
    writeMessage(message, message_size, "");
    if (!textPointerOk(options->birth, options->birth_length) ||
        !textPointerOk(options->born_from, options->born_from_length) ||
        !textPointerOk(options->born_to, options->born_to_length))
        return IDN_ERROR_NULL_POINTER;
    int32_t code = 0;
    const int resolved = resolve(options->region, options->region_length, options->as_of_year, code, message,
                                 message_size);
    if (resolved != IDN_OK) return resolved;
    if (options->birth != nullptr && (options->born_from != nullptr || options->born_to != nullptr)) {
        writeMessage(message, message_size, "--birth excludes --born-between");
        return IDN_ERROR_BIRTH_AND_RANGE;
    }
    if (options->sex < IDN_SEX_ANY || options->sex > IDN_SEX_FEMALE) {
        writeMessage(message, message_size, "--sex: must be IDN_SEX_ANY, IDN_SEX_MALE or IDN_SEX_FEMALE");
        return IDN_ERROR_BAD_SEX;
    }
    if (options->count > static_cast<uint64_t>(LLONG_MAX)) {
        if (message != nullptr && message_size > 0) {
            TextBuffer out(message, message_size, Encoding::utf8);
            out.append("--count: must be a whole number from 1 to 9223372036854775807, not ");
            out.appendDecimal(options->count);
        }
        return IDN_ERROR_COUNT_TOO_LARGE;
    }

    GenerationRequest request{};
    request.regionCode = code;
    request.birth = options->birth;
    request.birthLength = options->birth_length;
    request.bornFrom = options->born_from;
    request.bornFromLength = options->born_from_length;
    request.bornTo = options->born_to;
    request.bornToLength = options->born_to_length;
    request.sex = options->sex == IDN_SEX_MALE ? SexChoice::male
                  : options->sex == IDN_SEX_FEMALE ? SexChoice::female
                                                   : SexChoice::any;
    request.count = options->count;
    if (options->has_seed != 0) {
        request.seed = options->seed;
    } else {
        request.seed = systemSeed();
    }
    request.yearLimit = yearLimitOf(options->year_limit);
    // No dates at all, or a range with one end missing, is refused by the plan.
    const GenerationPlan plan = planGeneration(request);
    if (plan.error != GenerationError::none) {
        if (message != nullptr && message_size > 0)
            writeGenerationErrorMessage(message, message_size, plan, request, Encoding::utf8);
        return statusOf(plan.error);
    }
    if (plan.birthNotCalendarDate && message != nullptr && message_size > 0)
        writeBirthDateWarning(message, message_size, plan);
    *generator = idn_generator{};
    new (generator->opaque) GenerationPlan(plan);
    return IDN_OK;
}

uint64_t idn_generator_count(const idn_generator* generator) {
    return generator != nullptr ? planOf(*generator).count : 0;
}

int idn_generator_number(const idn_generator* generator, uint64_t index, char* out, size_t size) {
    if (generator == nullptr || out == nullptr) return IDN_ERROR_NULL_POINTER;
    const GenerationPlan& plan = planOf(*generator);
    if (index >= plan.count) return IDN_ERROR_NOT_FOUND;
    if (size < numberLength + 1) return IDN_ERROR_BUFFER_TOO_SMALL;
    char number[numberLength + 1];
    numberAt(plan, index, number);
    std::memcpy(out, number, sizeof number);
    return IDN_OK;
}

// --- Other conversions ------------------------------------------------------------

int idn_upgrade(const char* text, size_t length, char* out, size_t size) {
    if (out == nullptr || !textPointerOk(text, length)) return IDN_ERROR_NULL_POINTER;
    if (size < numberLength + 1) return IDN_ERROR_BUFFER_TOO_SMALL;
    constexpr size_t oldLength = 15;
    if (length != oldLength || !allDigits(text, static_cast<int>(oldLength))) return IDN_ERROR_NOT_FIFTEEN_DIGITS;
    // Region code, then YYMMDD: the month at offset 8, the day at 10.
    if (digitsValue(text + 8, 2) > monthLimit) return IDN_ERROR_MONTH_ABOVE_12;
    if (digitsValue(text + 10, 2) > dayLimit) return IDN_ERROR_DAY_ABOVE_31;
    char number[numberLength + 1];
    upgradeFifteenDigits(text, number);
    std::memcpy(out, number, sizeof number);
    return IDN_OK;
}

int idn_mask(const char* text, size_t length, char* out, size_t size, size_t* written) {
    if (!textPointerOk(text, length)) return IDN_ERROR_NULL_POINTER;
    const char* bytes = text != nullptr ? text : "";
    const size_t needed = maskText(bytes, length, Encoding::utf8, true, nullptr, 0);
    if (written != nullptr) *written = needed;
    if (out == nullptr) return IDN_ERROR_NULL_POINTER;
    if (needed >= size) {
        if (size > 0) out[0] = '\0';
        return IDN_ERROR_BUFFER_TOO_SMALL;
    }
    maskText(bytes, length, Encoding::utf8, true, out, size);
    out[needed] = '\0';
    return IDN_OK;
}

}  // extern "C"
