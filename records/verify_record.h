// The verify record: the one list of its fields (name, order, type,
// nullability, group and help), and the writing of one record. Every face
// that writes or reads verify records derives from VERIFY_RECORD_FIELDS: the
// record writer's keys, idtool's help, the cache of rendered history fields,
// the C API's field list and the end-to-end runner, which reads the FIELD
// lines below. Adding a field is one line here, and its value in
// writeVerifyRecord.
//
// The records of refused lines carry a hint (core/number_hints.h), and those
// of valid numbers their kind (core/number_kind.h) and, for a foreigner's
// card, the nationality (core/nationality.h).
#ifndef RECORDS_VERIFY_RECORD_H
#define RECORDS_VERIFY_RECORD_H

#include <cstddef>
#include <cstdint>

#include "core/verification.h"
#include "records/record_writer.h"

class RegionValueCache;

enum class FieldType : unsigned char { integer, text, boolean, json };

// verdict: the dialog's verdict and fields; history: what the history of
// region codes says of the code (--no-history leaves these out).
enum class FieldGroup : unsigned char { verdict, history };

struct RecordField {
    const char* name;
    FieldType type;
    bool nullable;
    FieldGroup group;
    // Help text (UTF-8, lines after the first indented by the help writer);
    // null when the field is described together with the next one.
    const char* help;
};

// FIELD(enumerator, "name", type, nullable or notNull, group, help)
#define VERIFY_RECORD_FIELDS(FIELD)                                                                         \
    FIELD(line, "line", integer, notNull, verdict, "the line's number, from 1 across all inputs")          \
    FIELD(input, "input", text, notNull, verdict,                                                          \
          "the line without its line end (when it is longer, its\nfirst 64 bytes, cut at a character boundary)")                         \
    FIELD(valid, "valid", boolean, notNull, verdict, "true or false")                                      \
    FIELD(reason, "reason", text, nullable, verdict,                                                       \
          "null when valid; length, characters (a non-digit among the\n"                                   \
          "first 17, or a last character other than a digit or\nupper-case X), check or date")             \
    FIELD(message, "message", text, nullable, verdict, "the dialog's message for the refusal, or null")    \
    FIELD(expectedCheck, "expected_check", text, nullable, verdict,                                        \
          "the check character the first 17 characters call for,\nwhen they are all digits; otherwise null") \
    FIELD(hint, "hint", text, nullable, verdict,                                                           \
          "for a refused line, what probably happened, when a repair\n"                                     \
          "would make it valid or explains it: scientific (1.10105E+17),\n"                                \
          "zeroed (18 digits ending in 000 that fail the check, as a\n"                                    \
          "spreadsheet leaves them), lowercase_x, fullwidth (full-width\n"                                 \
          "digits or X), spaces (spaces, tabs or hyphens), fifteen_digits\n"                               \
          "(a 15-digit number of the old format) or cr_line_ends (the\n"                                   \
          "line holds a CR: lines ending in CR alone); else null")                                         \
    FIELD(upgraded, "upgraded", text, nullable, verdict,                                                   \
          "with the hint fifteen_digits, its 18-character form; else null")                                \
    FIELD(kind, "kind", text, nullable, verdict,                                                           \
          "when valid: resident, hmt_permit (a Hong Kong, Macao or\n"                                      \
          "Taiwan residents' residence permit: 810000, 820000, 830000)\n"                                  \
          "or foreigner_card (a foreigner's permanent residence card\n"                                    \
          "of 2023: first digit 9); else null")                                                            \
    FIELD(nationality, "nationality", json, nullable, verdict,                                             \
          "for a foreigner_card, digits 4-6 as an ISO 3166-1 country:\n"                                   \
          "{\"code\":\"840\",\"name\":\"美国\"} (name null for a code ISO 3166-1\n"                     \
          "lacks); else null")                                                                             \
    FIELD(birthDate, "birth_date", text, nullable, verdict, "YYYYMMDD when valid, else null")              \
    FIELD(sex, "sex", text, nullable, verdict, "男 or 女 when valid, else null")                             \
    FIELD(province, "province", text, nullable, verdict, nullptr)                                          \
    FIELD(city, "city", text, nullable, verdict, nullptr)                                                  \
    FIELD(county, "county", text, nullable, verdict,                                                       \
          "the texts of the dialog's three region fields when valid,\n"                                    \
          "else null (from the built-in tables of 2009)")                                                  \
    FIELD(codeStatus, "code_status", text, nullable, history,                                              \
          "2009 (the 2009 tables name the county), in_use (in use in\n"                                    \
          "2024 but not in the 2009 tables), abolished (its last\n"                                        \
          "record has ended) or unknown (no record has the code)")                                         \
    FIELD(history, "history", json, nullable, history,                                                     \
          "the code's records in time order, as JSON:\n"                                                   \
          "[{\"name\",\"province\",\"prefecture\",\"from\",\"until\"}],\nuntil null while in use")          \
    FIELD(successors, "successors", json, nullable, history,                                               \
          "the codes that took over its area when its last record\n"                                       \
          "ended: [{\"code\",\"name\",\"status\"}], each with the name\n"                                  \
          "it went on under, and in_use or abolished")                                                     \
    FIELD(now, "now", json, nullable, history,                                                             \
          "the codes in use in 2024 that the area went to, following\n"                                    \
          "successors to their end: [{\"code\",\"name\"}]; empty while\n"                                  \
          "the code is in use, or when the trail ends")                                                    \
    FIELD(inUseAtBirth, "in_use_at_birth", boolean, nullable, history,                                     \
          "whether a record of the code was in use in the birth year\n"                                    \
          "(a year before 1981 is answered by the list of 1981); a\n"                                      \
          "hint, never a refusal: many registered after their birth")

enum class VerifyField : int {
#define VERIFY_FIELD_ENUMERATOR(enumerator, name, type, nullability, group, help) enumerator,
    VERIFY_RECORD_FIELDS(VERIFY_FIELD_ENUMERATOR)
#undef VERIFY_FIELD_ENUMERATOR
};

namespace verify_record_detail {
constexpr bool notNull = false;
constexpr bool nullable = true;
}  // namespace verify_record_detail

inline constexpr RecordField verifyRecordFields[] = {
#define VERIFY_FIELD_ROW(enumerator, name, type, nullability, group, help) \
    {name, FieldType::type, verify_record_detail::nullability, FieldGroup::group, help},
    VERIFY_RECORD_FIELDS(VERIFY_FIELD_ROW)
#undef VERIFY_FIELD_ROW
};

// The keys in order, as the record writer takes them.
inline constexpr const char* verifyRecordKeys[] = {
#define VERIFY_FIELD_NAME(enumerator, name, type, nullability, group, help) name,
    VERIFY_RECORD_FIELDS(VERIFY_FIELD_NAME)
#undef VERIFY_FIELD_NAME
};

constexpr int verifyFieldCount = static_cast<int>(sizeof verifyRecordFields / sizeof verifyRecordFields[0]);

constexpr int fieldIndex(VerifyField field) { return static_cast<int>(field); }

// The verdict's fields come first, the history's after them: --no-history
// writes the first verdictFieldCount fields.
constexpr int countVerdictFields() {
    int count = 0;
    while (count < verifyFieldCount && verifyRecordFields[count].group == FieldGroup::verdict) ++count;
    return count;
}
constexpr int verdictFieldCount = countVerdictFields();
static_assert(verdictFieldCount == fieldIndex(VerifyField::codeStatus), "the history's fields follow the verdict's");

// The most bytes of a line the input field shows: a longer line is refused
// for its length and shown by its first bytes.
constexpr int inputFieldLimit = 64;

// One input line as verify sees it: its number, its first `held` bytes, its
// whole length, and the encoding its bytes are in (the output's unless told
// otherwise).
struct VerifiedLine {
    uint64_t number;
    const char* bytes;
    std::size_t held;
    uint64_t length;
    const Encoding* encoding = nullptr;  // null: the output encoding
};

// What a record is written with beyond its line: the year limit of the
// verdict (the hints verify their repairs with it) and whether the numbers
// written (input, upgraded) are masked.
struct VerifyRecordContext {
    int yearLimit;
    bool mask;
};

// Which fields a record has: all but the line number (a single number has
// none), all but the history's, or both.
struct VerifyRecordShape {
    bool lineNumber;
    bool history;
};

// The keys of records of a shape, for the record writer.
const char* const* verifyRecordKeysOf(VerifyRecordShape shape);
int verifyRecordKeyCountOf(VerifyRecordShape shape);

// Writes the kind and nationality fields of the valid number at `number`.
void writeKindFields(RecordWriter& writer, const char* number);

// Writes the record of a verified line, for a writer made with the shape's
// keys: its number, the input, the verdict with the dialog's message and
// fields, and the history's fields. The region and history values come
// from `cache` when there is one (a batch), else they are worked out here,
// with `scratch` as room for the history's JSON (historyFieldCapacity bytes).
void writeVerifyRecord(RecordWriter& writer, VerifyRecordShape shape, const VerifiedLine& line,
                       const VerifyOutcome& outcome, RegionValueCache* cache, char* scratch,
                       const VerifyRecordContext& context);

// Writes the input field of a record: the bytes, masked when asked.
void writeInputField(RecordWriter& writer, const char* bytes, std::size_t held, bool whole, Encoding encoding,
                     bool mask);

#endif
