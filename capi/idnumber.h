/*
 * idnumber.h: the C API of the identity-number library, the one door for
 * programs in other languages (SQLite, PostgreSQL, MariaDB, Python, Java,
 * WebAssembly, or any C foreign-function interface).
 *
 * It verifies the 18-character resident identity numbers of the People's
 * Republic of China (length, ISO 7064 MOD 11-2 check character, birth date),
 * says what their region code names in the built-in tables of 2009 and what
 * became of it from 1981 to 2024, makes up well-formed numbers, and finds
 * numbers in any text to de-identify them.
 *
 * The library owns every rule, size and message; a binding translates them
 * into its host's words and types and decides nothing itself.
 *
 * Conventions, for every function:
 * - Texts in are UTF-8 bytes with their length, unless a function says
 *   otherwise (the scanner reads GBK too); they need no terminator and no byte
 *   past `length` is read. A text pointer may be NULL only when its length
 *   is 0.
 * - Texts out: a function that writes text takes `out`, a buffer of `size`
 *   bytes, and `written`. It writes the text and a terminating NUL and
 *   stores the text's length (without the NUL) in *written; `written` may
 *   be NULL. `out = NULL, size = 0` asks for the length: IDN_OK with
 *   *written set and nothing written. A buffer too small gets
 *   IDN_ERROR_BUFFER_TOO_SMALL, *written set to the length needed, and an
 *   empty text when size > 0. Beside each such function a macro
 *   IDN_..._SIZE names a size that always suffices, NUL included; the same
 *   size is idn_size_of(IDN_ID_..._SIZE), for callers that cannot read
 *   macros.
 * - Texts out are valid UTF-8; a message that echoes a value writes its
 *   control characters and invalid bytes as '?'.
 * - Structs the library fills begin with `uint32_t size`, which the caller
 *   sets to the size of the struct it has before the call
 *   (`idn_verdict_t v = {.size = sizeof v};` in C, `v.size = sizeof v` in
 *   C++). The library writes only the members that fit in that
 *   size, so a struct that gains members in a later minor version still
 *   works with callers built against this one; a size below this version's
 *   is IDN_ERROR_BAD_ARGUMENT. A caller that cannot use sizeof takes the
 *   size from idn_size_of(IDN_ID_..._STRUCT).
 * - Options are never struct members: a generation and a scan are contexts
 *   the caller keeps (a buffer of idn_size_of's size), given their options
 *   one by one by setters keyed by idn_option_t. A new option is a new
 *   idn_option_t value in a minor version.
 * - Pointers to texts returned in structs point into the library's constant
 *   data: valid for the life of the process, never to be freed.
 * - Status codes: IDN_OK (0) or a negative idn_status_t.
 * - Nothing allocates memory, and the library holds no mutable global
 *   state: every function may be called from any number of threads at once,
 *   and a context (generator, scanner) by one thread at a time.
 * - A year limit (the latest birth year a number may have) is a year from 1
 *   to IDN_YEAR_LIMIT_MAX, or 0 for the current year on the local clock.
 * - A date given to the library is three ints, year, month and day, of the
 *   proleptic Gregorian calendar.
 * - Type names end in _t; no function or macro takes the name of an SQL
 *   function of the database modules (idn_valid, idn_sex, idn_mask, idn_age,
 *   idn_find, idn_redact, ...), so that a module holding both needs no
 *   renaming.
 *
 * Version 3 of the API (libidnumber.so.3). Build with -DIDN_STATIC when
 * linking the static library on Windows.
 */
#ifndef IDNUMBER_H
#define IDNUMBER_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32) && !defined(IDN_STATIC)
#if defined(IDN_BUILDING_LIBRARY)
#define IDN_API __declspec(dllexport)
#else
#define IDN_API __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define IDN_API __attribute__((visibility("default")))
#else
#define IDN_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Version --------------------------------------------------------------- */

#define IDN_VERSION_MAJOR 3
#define IDN_VERSION_MINOR 0
#define IDN_VERSION_PATCH 0
#define IDN_VERSION_NUMBER (IDN_VERSION_MAJOR * 10000 + IDN_VERSION_MINOR * 100 + IDN_VERSION_PATCH)
#define IDN_VERSION_STRING "3.0.0"

/* The library's version as MAJOR * 10000 + MINOR * 100 + PATCH, and as text
 * ("3.0.0"): those of the library running, which may be newer than the
 * header a program was built with. */
IDN_API unsigned idn_version_number(void);
IDN_API const char* idn_version_string(void);

/* ---- Sizes and limits ------------------------------------------------------ */

/* An 18-character number and its NUL. */
#define IDN_NUMBER_SIZE 19
/* The most bytes of a text that a verdict, its record and its hint read: a
 * record's "input" is the first IDN_INPUT_HELD_BYTES of a longer text. */
#define IDN_INPUT_HELD_BYTES 64
/* The latest year limit; a number's year has four digits. */
#define IDN_YEAR_LIMIT_MAX 9999
/* The years of the history of region codes. */
#define IDN_HISTORY_FIRST_YEAR 1981
#define IDN_HISTORY_LAST_YEAR 2024
/* The counts a generation takes: 1 to IDN_COUNT_MAX (2^63 - 1). */
#define IDN_COUNT_MAX INT64_MAX
/* Seeds are 0 to IDN_SEED_MAX (2^64 - 1). A binding whose integers are
 * signed 64-bit (SQL bigint, Java long) passes a negative seed as the
 * unsigned seed with the same bits, so that every seed is reachable. */
#define IDN_SEED_MAX UINT64_MAX
/* The most bytes of a region text (a code, a name or a path). */
#define IDN_REGION_TEXT_MAX_LENGTH 255

/* Every size a caller may need, by an id: idn_size_of(IDN_ID_NUMBER_SIZE)
 * is IDN_NUMBER_SIZE, and so on for each IDN_..._SIZE and IDN_..._MAX
 * below; IDN_ID_..._STRUCT is the size of a struct of this version, and
 * IDN_ID_..._CONTEXT that of a context. 0 for an id this library lacks. */
typedef enum idn_size_id_t {
    IDN_ID_NUMBER_SIZE = 1,
    IDN_ID_INPUT_HELD_BYTES = 2,
    IDN_ID_REASON_MESSAGE_SIZE = 3,
    IDN_ID_MESSAGE_SIZE = 4,
    IDN_ID_VERIFY_JSON_SIZE = 5,
    IDN_ID_HISTORY_JSON_SIZE = 6,
    IDN_ID_SUCCESSORS_JSON_SIZE = 7,
    IDN_ID_NOW_CODES_JSON_SIZE = 8,
    IDN_ID_MAX_SUCCESSORS = 9,
    IDN_ID_MAX_NOW_CODES = 10,
    IDN_ID_PICKER_LIST_MAX = 11,
    IDN_ID_REGION_TEXT_MAX_LENGTH = 12,
    IDN_ID_MASK_EXTRA_SIZE = 13,        /* IDN_MASK_SIZE(n) - n */
    IDN_ID_GENERATOR_CONTEXT = 20,
    IDN_ID_SCANNER_CONTEXT = 21,
    IDN_ID_VERDICT_STRUCT = 30,
    IDN_ID_REGION_FIELDS_STRUCT = 31,
    IDN_ID_REGION_STRUCT = 32,
    IDN_ID_HISTORY_RECORD_STRUCT = 33,
    IDN_ID_SUCCESSOR_STRUCT = 34,
    IDN_ID_PRESENT_CODE_STRUCT = 35,
    IDN_ID_REGION_INFO_STRUCT = 36,
    IDN_ID_MATCH_STRUCT = 37,
    IDN_ID_SCAN_SUMMARY_STRUCT = 38,
    IDN_ID_SCANNER_HELD_MAX = 40,
    IDN_ID_KEY_MIN_LENGTH = 41,
    IDN_ID_TOKEN_MAX_LENGTH = 42,
    IDN_ID_LABEL_MAX_LENGTH = 43,
    IDN_ID_REDACT_NUMBER_SIZE = 44,
    IDN_ID_AUTO_STRETCH_LENGTH = 45,
    IDN_ID_KEYWORD_REACH = 46
} idn_size_id_t;
IDN_API size_t idn_size_of(int id);

/* ---- Status codes ----------------------------------------------------------- */

typedef enum idn_status_t {
    IDN_OK = 0,
    IDN_ERROR_NULL_POINTER = -1,      /* a required pointer is NULL */
    IDN_ERROR_BUFFER_TOO_SMALL = -2,  /* *written says how much is needed; or a context's room */
    IDN_ERROR_BAD_ARGUMENT = -3,      /* a value outside its documented range */
    IDN_ERROR_NOT_FOUND = -4,         /* no record has the code, no item at the index */
    IDN_ERROR_BAD_OPTION = -5,        /* an option this context does not take, or not by this setter */
    IDN_ERROR_NOT_PREPARED = -6,      /* a context used before its prepare call succeeded */

    /* The region of a generation (idn_generator_prepare, idn_resolve_region). */
    IDN_ERROR_REGION_INVALID_TEXT = -10,  /* over 255 bytes, or not UTF-8 */
    IDN_ERROR_REGION_BAD_PATH = -11,      /* empty, an empty part, or over three parts */
    IDN_ERROR_REGION_UNKNOWN_CODE = -12,  /* six digits no record of the 2009 tables has */
    IDN_ERROR_REGION_NOT_COUNTY = -13,    /* a city-level or grouping record */
    IDN_ERROR_REGION_NO_MATCH = -14,      /* a name or path that names no county-level record */
    IDN_ERROR_REGION_AMBIGUOUS = -15,     /* a name of several records */
    IDN_ERROR_AS_OF_YEAR = -16,           /* as_of_year outside 1981-2024 */
    IDN_ERROR_AS_OF_NEEDS_CODE = -17,     /* with as_of_year, the region must be six digits */
    IDN_ERROR_AS_OF_UNKNOWN_CODE = -18,   /* no record of the history has the code */
    IDN_ERROR_AS_OF_NOT_COUNTY = -19,     /* a province or prefecture that year */
    IDN_ERROR_AS_OF_NOT_IN_USE = -20,     /* not in use that year */
    IDN_ERROR_REGION_WRONG_PATH = -21,    /* a path whose last part names records, none under the parts before it */
    IDN_ERROR_NO_REGION = -22,            /* no region given */

    /* The dates, sex, count and seed of a generation. */
    IDN_ERROR_NO_BIRTH_DATE = -30,          /* neither birth nor born_from and born_to */
    IDN_ERROR_BIRTH_AND_RANGE = -31,        /* both birth and a range */
    IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS = -32, /* birth is not YYYYMMDD */
    IDN_ERROR_BIRTH_BEYOND_LIMITS = -33,    /* year after the limit, month above 12 or day above 31 */
    IDN_ERROR_RANGE_NOT_DATE = -34,         /* an end of the range is no real calendar date */
    IDN_ERROR_RANGE_YEAR_AFTER_LIMIT = -35, /* the range ends after the year limit */
    IDN_ERROR_RANGE_REVERSED = -36,         /* born_from comes after born_to */
    IDN_ERROR_COUNT_RANGE = -37,            /* a count below 1 or above IDN_COUNT_MAX */
    IDN_ERROR_COUNT_EXCEEDS_CANDIDATES = -38, /* more numbers than the options can give */
    IDN_ERROR_BAD_SEX = -39,                /* a sex no idn_sex_t has, or a word idn_parse_sex refuses */
    IDN_ERROR_SEED_RANGE = -40,             /* in a binding: a seed outside 0 to IDN_SEED_MAX */
    IDN_ERROR_YEAR_LIMIT = -41,             /* a year limit below 0 or above IDN_YEAR_LIMIT_MAX */
    IDN_ERROR_BAD_DATE = -42,               /* a date given as year, month, day that is no calendar date */

    /* idn_upgrade_number. */
    IDN_ERROR_NOT_FIFTEEN_DIGITS = -50,
    IDN_ERROR_MONTH_ABOVE_12 = -51,
    IDN_ERROR_DAY_ABOVE_31 = -52,

    /* The options of a scan and its redaction (idn_scanner_prepare), and its order. */
    IDN_ERROR_BAD_ENCODING = -60,       /* an encoding no idn_encoding_t has */
    IDN_ERROR_BAD_CONFIDENCE = -61,     /* a confidence no idn_confidence_t has (or IDN_CONFIDENCE_NONE) */
    IDN_ERROR_BAD_REDACTION = -62,      /* a way of redaction no idn_redaction_t has */
    IDN_ERROR_MASK_RANGE = -63,         /* mask_first or mask_last below 0, or their sum above 17 */
    IDN_ERROR_LABEL_TEXT = -64,         /* a label over 64 bytes, not UTF-8, or not writable in GBK */
    IDN_ERROR_NO_KEY = -65,             /* token or pseudonym without a key */
    IDN_ERROR_KEY_TOO_SHORT = -66,      /* a key of fewer than IDN_KEY_MIN_LENGTH bytes */
    IDN_ERROR_TOKEN_FORMAT = -67,       /* an alphabet no idn_token_alphabet_t has, or a length outside 8 to its maximum */
    IDN_ERROR_AS_OF_DATE = -68,         /* an as-of date that is no calendar date YYYYMMDD of years 1-9999 */
    IDN_ERROR_SCAN_ORDER = -69,         /* a call out of order: see idn_scanner_feed */
    IDN_ERROR_CRYPTO = -70              /* the system's cryptography failed (never expected) */
} idn_status_t;

/* The status's name, such as "IDN_ERROR_COUNT_EXCEEDS_CANDIDATES"; "IDN_OK";
 * NULL for a value that is no status. A binding's exceptions may carry it as
 * their stable code. */
IDN_API const char* idn_status_name(int status);

/* ---- Dates ------------------------------------------------------------------- */

/* The year on the local clock, which a year limit of 0 stands for (9999 when
 * the clock cannot be read). For callers that verify many texts: asking once
 * and passing the year saves reading the clock per text. */
IDN_API int idn_current_year(void);

/* Today's date on the local clock. */
IDN_API int idn_current_date(int32_t* year, int32_t* month, int32_t* day);

/* 1 when the date exists in the proleptic Gregorian calendar (year 1 or
 * later, month 1-12, day 1 to the month's last, 29 February in leap years
 * only), else 0. Verification checks only that the month is at most 12 and
 * the day at most 31, so a valid number may carry a date such as 19900231:
 * its birth date as a date type (SQL DATE, datetime.date, LocalDate) is
 * absent (NULL, None, empty) exactly when this says 0. */
IDN_API int idn_is_calendar_date(int year, int month, int day);

/* ---- Verification ----------------------------------------------------------- */

/* The verdict, in the order the checks are made; IDN_VALID when none refuses. */
typedef enum idn_reason_t {
    IDN_VALID = 0,
    IDN_REASON_LENGTH = 1,     /* not 18 bytes */
    IDN_REASON_CHARACTERS = 2, /* a non-digit among the first 17, or a last byte not a digit or 'X' */
    IDN_REASON_CHECK = 3,      /* the last character is not the check character of the first 17 */
    IDN_REASON_DATE = 4        /* the year after the limit, the month above 12 or the day above 31 */
} idn_reason_t;

/* The kind of a valid number, from its first digits; information only. */
typedef enum idn_kind_t {
    IDN_KIND_NONE = 0,           /* refused: no kind is said */
    IDN_KIND_RESIDENT = 1,       /* a mainland resident's number */
    IDN_KIND_HMT_PERMIT = 2,     /* Hong Kong, Macao or Taiwan residents' residence permit (810000, 820000, 830000) */
    IDN_KIND_FOREIGNER_CARD = 3  /* foreigner's permanent residence card, 2023 format (first digit 9) */
} idn_kind_t;

typedef enum idn_sex_t {
    IDN_SEX_ANY = 0,  /* in a verdict: none (refused); in a generation: either */
    IDN_SEX_MALE = 1, /* position 17 odd */
    IDN_SEX_FEMALE = 2
} idn_sex_t;

/* Every field but `size`, `reason`, `expected_check` and `length` is 0
 * unless the number is valid. */
typedef struct idn_verdict_t {
    uint32_t size;          /* set by the caller: sizeof(idn_verdict_t) */
    int32_t reason;         /* idn_reason_t */
    int32_t kind;           /* idn_kind_t */
    int32_t sex;            /* idn_sex_t */
    int32_t birth_year;     /* positions 7-14 */
    int32_t birth_month;
    int32_t birth_day;
    int32_t region_code;    /* positions 1-6 */
    int32_t expected_check; /* '0'-'9' or 'X' when the first 17 bytes are digits, else 0 */
    int32_t reserved;       /* 0 */
    uint64_t length;        /* the whole text's length in bytes */
} idn_verdict_t;

/* Verifies `length` bytes at `text`, with births up to `year_limit`. Writes
 * *verdict. Returns IDN_OK, IDN_ERROR_NULL_POINTER, IDN_ERROR_BAD_ARGUMENT
 * (verdict->size) or IDN_ERROR_YEAR_LIMIT. A refused number is IDN_OK with
 * its reason. */
IDN_API int idn_verify(const char* text, size_t length, int year_limit, idn_verdict_t* verdict);

/* The same verdict for a text held elsewhere, of which `text` is the first
 * `held` bytes of its `length`: what a binding passes for a long text it
 * would rather not copy whole. `held` must be at least
 * min(length, IDN_INPUT_HELD_BYTES) and at most `length`, else
 * IDN_ERROR_BAD_ARGUMENT; the verdict reads at most IDN_INPUT_HELD_BYTES
 * of them. */
IDN_API int idn_verify_prefix(const char* text, size_t held, uint64_t length, int year_limit,
                              idn_verdict_t* verdict);

/* Verifies `count` texts packed in `bytes`: text i is bytes[ends[i-1]] up to
 * bytes[ends[i]] (text 0 starts at bytes[0]), writing columns, for callers
 * that keep many verdicts (a typed array, a NumPy array, a Java array): for
 * text i, reasons[i] (idn_reason_t), expected_checks[i] (the verdict's
 * expected_check: '0'-'9', 'X' or 0), and for a valid text sexes[i]
 * (idn_sex_t), region_codes[i] and birth_dates[i] (YYYYMMDD as one number),
 * which are 0 for a refused one. A NULL column is not written. The ends are
 * checked first: IDN_ERROR_BAD_ARGUMENT when they decrease,
 * IDN_ERROR_NULL_POINTER when `bytes` is NULL and any end is not 0; nothing
 * is written then. */
IDN_API int idn_verify_columns(const char* bytes, const size_t* ends, size_t count, int year_limit,
                               uint8_t* reasons, uint8_t* expected_checks, uint8_t* sexes,
                               int32_t* region_codes, int32_t* birth_dates);

/* "length", "characters", "check" or "date"; NULL for IDN_VALID or any other
 * value. */
IDN_API const char* idn_reason_name(int reason);

/* The message of a refusal, in Chinese ("身份证未通过校验"; the length message
 * names verdict->length); an empty text for a valid number.
 * IDN_ERROR_BAD_ARGUMENT for a reason no idn_reason_t has. */
#define IDN_REASON_MESSAGE_SIZE 96
IDN_API int idn_reason_message(const idn_verdict_t* verdict, char* out, size_t size, size_t* written);

/* "resident", "hmt_permit" or "foreigner_card"; NULL for IDN_KIND_NONE or any
 * other value. */
IDN_API const char* idn_kind_name(int kind);

/* The word for a valid number's sex: "男" or "女"; NULL for IDN_SEX_ANY or
 * any other value. */
IDN_API const char* idn_sex_name(int sex);

/* The sex a caller's word asks for: "男" or "male", "女" or "female", "any"
 * (ASCII letters in any case), exactly those bytes and no others. Writes
 * *sex and returns IDN_OK; IDN_ERROR_BAD_SEX for any other text
 * (idn_option_message words the refusal). A binding that takes a missing
 * value (SQL NULL, None) as "any" says so itself. */
IDN_API int idn_parse_sex(const char* text, size_t length, int32_t* sex);

/* The age in completed years of the holder of a valid number on the date
 * year-month-day: the years from the birth date, less one before the
 * birthday in the last year (a birthday of 29 February comes on 1 March in
 * other years). Writes *age and returns IDN_OK; IDN_ERROR_NOT_FOUND, with
 * *age untouched, when the verdict is a refusal, its birth date is no
 * calendar date, or the date comes before the birth; IDN_ERROR_BAD_DATE
 * when the date is no calendar date. */
IDN_API int idn_age_on(const idn_verdict_t* verdict, int year, int month, int day, int32_t* age);

/* What probably happened to a refused text, when one repair would make it a
 * valid number or explains it. */
typedef enum idn_hint_t {
    IDN_HINT_NONE = 0,
    IDN_HINT_CR_LINE_ENDS = 1,    /* it holds a CR: lines ending in CR alone, read as one */
    IDN_HINT_FIFTEEN_DIGITS = 2,  /* a 15-digit number of the old format */
    IDN_HINT_SCIENTIFIC = 3,      /* scientific notation (1.10105E+17), as a spreadsheet shows it */
    IDN_HINT_ZEROED = 4,          /* 18 digits ending in 000 that fail the check */
    IDN_HINT_LOWERCASE_X = 5,     /* a final x where X would pass */
    IDN_HINT_FULLWIDTH = 6,       /* full-width digits or X that would pass as ASCII */
    IDN_HINT_SPACES = 7           /* spaces, tabs or hyphens that, removed, leave a valid number */
} idn_hint_t;

/* The hint for `length` bytes of UTF-8 at `text`, verified with births up to
 * `year_limit`: IDN_HINT_NONE for a valid text, as for one no repair
 * explains. A text over IDN_INPUT_HELD_BYTES is judged by its first ones.
 * Writes *hint, and into `upgraded` the 18-character form for
 * IDN_HINT_FIFTEEN_DIGITS or else an empty text (IDN_NUMBER_SIZE suffices;
 * `upgraded` may be NULL with size 0). */
IDN_API int idn_hint_of(const char* text, size_t length, int year_limit, int32_t* hint, char* upgraded,
                        size_t size, size_t* written);
/* The same for the first `held` bytes of a text of `length` bytes, `held`
 * as for idn_verify_prefix. */
IDN_API int idn_hint_of_prefix(const char* text, size_t held, uint64_t length, int year_limit, int32_t* hint,
                               char* upgraded, size_t size, size_t* written);

/* "cr_line_ends", "fifteen_digits", "scientific", "zeroed", "lowercase_x",
 * "fullwidth" or "spaces"; NULL for IDN_HINT_NONE or any other value. */
IDN_API const char* idn_hint_name(int hint);

/* ---- Regions of the 2009 tables ---------------------------------------------- */

/* The province, city and county a region code names in the tables of 2009:
 * for a municipality its full name, the district and an empty county; for a
 * province its full name, the city-level record and the county; 未知位置 and
 * 错误地区码 where the tables lack the code. */
typedef struct idn_region_fields_t {
    uint32_t size;
    const char* province;
    const char* city;
    const char* county;
} idn_region_fields_t;
IDN_API int idn_region_fields(int32_t code, idn_region_fields_t* fields);

/* One record of the 2009 tables, or a province-level unit (code xx0000). */
typedef struct idn_region_t {
    uint32_t size;
    int32_t code;
    const char* name;      /* a unit's full name */
    const char* level;     /* "county", "city", "group" (a 市辖区 record) or "province" */
    const char* province;  /* the unit's full name */
    const char* city;      /* the city-level record its code names, or NULL */
} idn_region_t;

/* The record or unit with the code. IDN_ERROR_NOT_FOUND when none has it. */
IDN_API int idn_find_region(int32_t code, idn_region_t* region);

/* The records of the 2009 tables, in table order, whose code starts with the
 * query or whose name holds it (UTF-8; an empty query matches all). Start
 * with *cursor 0; each call writes the next match, advances *cursor and
 * returns 1; 0 when there is no more; or a negative status. */
IDN_API int idn_search_regions(const char* query, size_t length, size_t* cursor, idn_region_t* region);

/* The cascading lists of a region picker, by table position. `parent`:
 *   IDN_PICKER_MUNICIPALITIES  the 4 municipalities (their codes 110000, ...)
 *   IDN_PICKER_PROVINCES       the 27 provinces and autonomous regions
 *   a municipality's code      its districts and counties
 *   a province's code          its city-level records
 *   a city-level record's code the county list under it (every child that
 *                              follows it in its table, but 市辖区)
 * Writes up to `capacity` codes and stores the list's length in *count.
 * IDN_ERROR_BUFFER_TOO_SMALL when it is longer than capacity (no list is
 * longer than IDN_PICKER_LIST_MAX); IDN_ERROR_NOT_FOUND for a parent that
 * has no list. */
#define IDN_PICKER_MUNICIPALITIES 1
#define IDN_PICKER_PROVINCES 2
#define IDN_PICKER_LIST_MAX 128
IDN_API int idn_picker_list(int32_t parent, int32_t* codes, size_t capacity, size_t* count);

/* ---- The history of region codes, 1981-2024 ------------------------------ */

/* What the history says of a code. */
typedef enum idn_code_status_t {
    IDN_CODE_UNKNOWN = 0,     /* no record has the code */
    IDN_CODE_LISTED_2009 = 1, /* a county-level record of the 2009 tables */
    IDN_CODE_IN_USE = 2,      /* in use in 2024, not in the 2009 tables */
    IDN_CODE_ABOLISHED = 3    /* its latest record has ended */
} idn_code_status_t;

/* The code's idn_code_status_t. (Named _of: idn_code_status is the SQL
 * function of a number.) */
IDN_API int idn_code_status_of(int32_t code);
/* "2009", "in_use", "abolished" or "unknown"; NULL for any other value. */
IDN_API const char* idn_code_status_name(int status);

/* One name and place of a code, in use from the year `from` to before the
 * year `until`. */
typedef struct idn_history_record_t {
    uint32_t size;
    int32_t code;
    const char* name;
    const char* province;
    const char* prefecture; /* "直辖" directly under the unit; "" for a province */
    const char* level;      /* "province", "prefecture" or "county" */
    int32_t from;
    int32_t until;          /* 0 while in use */
} idn_history_record_t;

/* The code's records in time order: how many, and the one at `index`
 * (IDN_ERROR_NOT_FOUND past the end). */
IDN_API size_t idn_history_count(int32_t code);
IDN_API int idn_history_at(int32_t code, size_t index, idn_history_record_t* record);

/* A code that took over the area of the code's latest record once it ended,
 * under the name it went on with; each code once. */
typedef struct idn_successor_t {
    uint32_t size;
    int32_t code;
    const char* name;
    int32_t status; /* IDN_CODE_IN_USE or IDN_CODE_ABOLISHED */
} idn_successor_t;

/* The most entries idn_successors and idn_now_codes give for any code. */
#define IDN_MAX_SUCCESSORS 16
#define IDN_MAX_NOW_CODES 7

/* The successors: none while the code is in use. The caller sets the size
 * of the first entry, which is also the step from one entry to the next (an
 * array of its own structs); every entry written gets that size. Writes up
 * to `capacity` and stores how many there are in *count;
 * IDN_ERROR_BUFFER_TOO_SMALL when there are more. */
IDN_API int idn_successors(int32_t code, idn_successor_t* successors, size_t capacity, size_t* count);

/* A code in use now (2024) and its name. */
typedef struct idn_present_code_t {
    uint32_t size;
    int32_t code;
    const char* name;
} idn_present_code_t;

/* The codes in use in 2024 the area went to, following successors to their
 * end; none while the code is in use. Entries as for idn_successors. */
IDN_API int idn_now_codes(int32_t code, idn_present_code_t* codes, size_t capacity, size_t* count);

/* 1 when a record of the code was in use in the birth year (a year before
 * 1981 answered by 1981), 0 otherwise. */
IDN_API int idn_in_use_at_birth(int32_t code, int birth_year);

/* The JSON values of a record's history fields: history
 * [{"name","province","prefecture","from","until"}], successors
 * [{"code","name","status"}], now [{"code","name"}]. The sizes fit the
 * longest value of any code. */
#define IDN_HISTORY_JSON_SIZE 374
#define IDN_SUCCESSORS_JSON_SIZE 332
#define IDN_NOW_CODES_JSON_SIZE 256
IDN_API int idn_history_json(int32_t code, char* out, size_t size, size_t* written);
IDN_API int idn_successors_json(int32_t code, char* out, size_t size, size_t* written);
IDN_API int idn_now_codes_json(int32_t code, char* out, size_t size, size_t* written);

/* Everything a caller that keeps answers per region code needs of one code
 * for a valid number born in `birth_year`, with the birth years for which
 * the year's answer holds: a cache keyed by the code may give this answer
 * again for any birth year from `years_from` to `years_to`, and must ask
 * again for another. */
typedef struct idn_region_info_t {
    uint32_t size;
    int32_t code;
    int32_t kind;             /* idn_kind_t of a number with this code */
    int32_t status;           /* idn_code_status_t */
    const char* province;     /* as idn_region_fields */
    const char* city;
    const char* county;
    const char* nationality;  /* a foreigner's card: the country's name, or NULL */
    int32_t nationality_code; /* its ISO 3166-1 numeric code (digits 4-6), or 0 */
    int32_t in_use_at_birth;  /* idn_in_use_at_birth(code, birth_year) */
    int32_t years_from;       /* the birth years this answer holds for: */
    int32_t years_to;         /* years_from to years_to, both included */
} idn_region_info_t;
IDN_API int idn_region_info(int32_t code, int birth_year, idn_region_info_t* info);

/* ---- Verify records ---------------------------------------------------------- */

/* The fields of the verify record, in order ("line" first). */
typedef enum idn_field_type_t {
    IDN_FIELD_INTEGER = 0,
    IDN_FIELD_TEXT = 1,
    IDN_FIELD_BOOLEAN = 2,
    IDN_FIELD_JSON = 3
} idn_field_type_t;
IDN_API size_t idn_field_count(void);
/* The field's name, NULL past the end; its idn_field_type_t, or -1. */
IDN_API const char* idn_field_name(size_t index);
IDN_API int idn_field_type(size_t index);
/* 1 when the field may be null, 0 when never, -1 past the end. */
IDN_API int idn_field_nullable(size_t index);

/* flags of idn_verify_json: with the five fields of the code's history. */
#define IDN_VERIFY_JSON_HISTORY 1
/* Room for any record of idn_verify_json. */
#define IDN_VERIFY_JSON_SIZE 986

/* The verify record of one text as a JSON object, without "line": "input"
 * (the first IDN_INPUT_HELD_BYTES of a longer text) onwards, with the
 * history's fields when `flags` has IDN_VERIFY_JSON_HISTORY. */
IDN_API int idn_verify_json(const char* text, size_t length, int year_limit, int flags, char* out, size_t size,
                            size_t* written);
/* The same for the first `held` bytes of a text of `length` bytes, `held`
 * as for idn_verify_prefix. */
IDN_API int idn_verify_json_prefix(const char* text, size_t held, uint64_t length, int year_limit, int flags,
                                   char* out, size_t size, size_t* written);

/* ---- Options --------------------------------------------------------------- */

/* The options of a generation and of a scan, by which the setters take them
 * and a refusal names the one it refused. */
typedef enum idn_option_t {
    IDN_OPTION_NONE = 0,
    /* A generation's. */
    IDN_OPTION_REGION = 1,        /* text: a six-digit code, a name, "city/county" or "province/city/county" */
    IDN_OPTION_BIRTH = 2,         /* text: one birth date YYYYMMDD (a date such as 0231 passes, with a warning) */
    IDN_OPTION_BORN_FROM = 3,     /* text: the first of a range of real dates YYYYMMDD */
    IDN_OPTION_BORN_TO = 4,       /* text: the last of the range */
    IDN_OPTION_SEX = 5,           /* integer idn_sex_t, or text: a word idn_parse_sex takes */
    IDN_OPTION_COUNT = 6,         /* integer: how many distinct numbers, 1 to IDN_COUNT_MAX (default 1) */
    IDN_OPTION_SEED = 7,          /* unsigned (or integer, its bits): the same seed and options give the same numbers;
                                     not set: a seed from the system */
    IDN_OPTION_AS_OF_YEAR = 8,    /* integer: 0 (default) the 2009 tables; 1981-2024 a code in use that year */
    IDN_OPTION_YEAR_LIMIT = 9,    /* integer: the latest birth year; 0 (default) the current one */
    /* A scan's. */
    IDN_OPTION_ENCODING = 20,     /* integer idn_encoding_t (default IDN_ENCODING_UTF8) */
    IDN_OPTION_FIFTEEN_DIGITS = 21, /* integer 0 or 1 (default 0): find 15-digit numbers of the old format too */
    IDN_OPTION_MIN_CONFIDENCE = 22, /* integer idn_confidence_t (default IDN_CONFIDENCE_MEDIUM); LOW finds mistyped ones */
    IDN_OPTION_AS_OF_DATE = 23,   /* integer YYYYMMDD: no birth after it (default: today on the local clock) */
    IDN_OPTION_REDACTION = 24,    /* integer idn_redaction_t (default IDN_REDACT_MASK) */
    IDN_OPTION_MASK_FIRST = 25,   /* integer: characters kept before the stars (default 6) */
    IDN_OPTION_MASK_LAST = 26,    /* integer: characters kept after them (default 4); first + last <= 17 */
    IDN_OPTION_LABEL = 27,        /* text: what replaces each number with IDN_REDACT_LABEL (default "[身份证号]") */
    IDN_OPTION_KEY = 28,          /* text (any bytes): the key of tokens and pseudonyms, at least IDN_KEY_MIN_LENGTH bytes */
    IDN_OPTION_TOKEN_ALPHABET = 29, /* integer idn_token_alphabet_t (default IDN_TOKEN_HEX) */
    IDN_OPTION_TOKEN_LENGTH = 30, /* integer: characters of the token (default 16; 8 to 64 hex, 8 to 52 base32) */
    IDN_OPTION_KEEP = 31          /* integer: idn_keep_t flags a pseudonym keeps (default IDN_KEEP_REGION | IDN_KEEP_BIRTH_YEAR | IDN_KEEP_SEX) */
} idn_option_t;

/* The option's name in a message: "region", "birth", "born_from",
 * "born_to", "sex", "count", "seed", "as_of_year", "year_limit", "encoding",
 * "fifteen_digits", "min_confidence", "as_of_date", "redaction",
 * "mask_first", "mask_last", "label", "key", "token_alphabet",
 * "token_length", "keep"; NULL for IDN_OPTION_NONE or any other value. */
IDN_API const char* idn_option_name(int option);

/* Messages name options by the caller's words where it has its own
 * ("birth_from", "--born-between"): `names` is an array of `name_count`
 * NUL-terminated UTF-8 texts indexed by idn_option_t; an option past the end
 * or whose entry is NULL takes idn_option_name's word. `names` may be NULL
 * with name_count 0. */

/* Room for any message of a refused option, with option names of up to 64
 * bytes each. */
#define IDN_MESSAGE_SIZE 1024

/* The message of a refusal a binding makes of a value before it can reach a
 * setter, `value` (`length` bytes, echoed) being the value as the caller
 * was given it: IDN_ERROR_BAD_SEX (a word idn_parse_sex refused),
 * IDN_ERROR_COUNT_RANGE, IDN_ERROR_SEED_RANGE, IDN_ERROR_AS_OF_YEAR,
 * IDN_ERROR_YEAR_LIMIT ("seed: must be a whole number from 0 to
 * 18446744073709551615, not -1"), IDN_ERROR_NO_REGION (the value unused),
 * and any refusal of a scan's option; IDN_ERROR_BAD_ARGUMENT for any other
 * status. */
IDN_API int idn_option_message(int status, const char* value, size_t length, const char* const* names,
                               size_t name_count, char* out, size_t size, size_t* written);

/* ---- Generation ---------------------------------------------------------------- */

/* A generation: options, then a checked plan of distinct numbers, in storage
 * the caller keeps (on the stack, say), of IDN_GENERATOR_SIZE bytes aligned
 * to 8. */
#define IDN_GENERATOR_SIZE 2048
typedef struct idn_generator_t {
    uint64_t opaque[IDN_GENERATOR_SIZE / 8];
} idn_generator_t;

/* Empties the generator of any options and plan. `size` is the storage's
 * (sizeof(idn_generator_t) of the caller's header): IDN_ERROR_BUFFER_TOO_SMALL
 * when this library needs more. */
IDN_API int idn_generator_init(idn_generator_t* generator, size_t size);

/* Sets an option. A value is only kept here; idn_generator_prepare judges
 * them all, in its order, so that every refusal is the one it would be for
 * these options together. IDN_ERROR_BAD_OPTION for an option that takes
 * no value of this type (a text for IDN_OPTION_COUNT) or is no generation
 * option. A text is copied: the caller's may go once the call returns. */
IDN_API int idn_generator_set_text(idn_generator_t* generator, int option, const char* text, size_t length);
IDN_API int idn_generator_set_integer(idn_generator_t* generator, int option, int64_t value);
IDN_API int idn_generator_set_unsigned(idn_generator_t* generator, int option, uint64_t value);

/* Checks the options in this order: the region is given, as_of_year, the
 * region, year_limit, birth and a range not both, sex, count, the birth
 * date or range, the count against the numbers they give; and prepares the
 * numbers. Returns IDN_OK or the status of the first refusal, which the
 * generator keeps (idn_generator_refusal, idn_generator_message). */
IDN_API int idn_generator_prepare(idn_generator_t* generator);

/* The kept refusal: its status (IDN_OK when none) and option
 * (IDN_OPTION_NONE); either pointer may be NULL. */
IDN_API int idn_generator_refusal(const idn_generator_t* generator, int32_t* status, int32_t* option);

/* What a caller may tell its user of a prepared generation. */
typedef enum idn_warning_t {
    IDN_WARNING_NONE = 0,
    IDN_WARNING_BIRTH_NOT_CALENDAR_DATE = 1 /* the one birth date is no real calendar date (19900231) */
} idn_warning_t;
IDN_API int idn_generator_warning(const idn_generator_t* generator);

/* The message of the kept refusal, worded from it alone: naming options by
 * `names` ("born_to 20990101: the year may not be after the current one");
 * or the warning's ("19900231 is not a real calendar date; the numbers carry
 * it as given"); or an empty text. */
IDN_API int idn_generator_message(const idn_generator_t* generator, const char* const* names, size_t name_count,
                                  char* out, size_t size, size_t* written);

/* How many numbers the prepared generator gives (the count asked for); 0
 * when it is not prepared. */
IDN_API int64_t idn_generator_count(const idn_generator_t* generator);

/* The seed a prepared generator draws its numbers with: the one set, or the
 * one drawn from the system when none was. Setting it on another generator
 * with the same options gives the same numbers. IDN_ERROR_NOT_PREPARED
 * before a successful idn_generator_prepare. */
IDN_API int idn_generator_seed(const idn_generator_t* generator, uint64_t* seed);

/* A seed drawn from the system's source of randomness, as a generation given
 * none draws one: for a caller that plans several generations that must draw
 * alike (the rows of one SQL statement). */
IDN_API uint64_t idn_system_seed(void);

/* The number at `index` (0 to count - 1): 18 characters. The same index
 * always gives the same number; different indexes give different numbers.
 * IDN_ERROR_NOT_FOUND past the end, IDN_ERROR_NOT_PREPARED before a
 * successful idn_generator_prepare. */
IDN_API int idn_generator_number(const idn_generator_t* generator, int64_t index, char* out, size_t size,
                                 size_t* written);

/* The code a region text names, as a generation resolves it (as_of_year 0:
 * the 2009 tables). IDN_OK or the region's status; its message is a
 * generator's with only this region and as_of_year set. */
IDN_API int idn_resolve_region(const char* region, size_t length, int as_of_year, int32_t* code);

/* ---- Other conversions ------------------------------------------------------- */

/* The 18-character form of a 15-digit number (region, two-digit year meaning
 * 19YY, month, day, sequence): "19" before the year and the check character
 * after. IDN_ERROR_NOT_FIFTEEN_DIGITS, IDN_ERROR_MONTH_ABOVE_12,
 * IDN_ERROR_DAY_ABOVE_31. */
IDN_API int idn_upgrade_number(const char* text, size_t length, char* out, size_t size, size_t* written);

/* The message of what idn_upgrade_number answers for the same text: "14
 * bytes, not 15 digits", "not 15 digits", "month above 12: 13", "day above
 * 31: 32"; an empty text when it upgrades. IDN_REASON_MESSAGE_SIZE
 * suffices. */
IDN_API int idn_upgrade_message(const char* text, size_t length, char* out, size_t size, size_t* written);

/* The text masked for reports: its first 6 and last 4 characters kept, each
 * one between them written '*'. A text of 10 characters or fewer is masked
 * whole. Characters are UTF-8 ones; a byte that starts none counts as one,
 * and is written U+FFFD where it is kept, so that the mask is valid UTF-8.
 * IDN_MASK_SIZE(length) always suffices. */
#define IDN_MASK_SIZE(length) ((length) + 21)
IDN_API int idn_mask_text(const char* text, size_t length, char* out, size_t size, size_t* written);

/* ---- Finding numbers in text ------------------------------------------------ */

/* The scanner finds every identity number in a stream of text given in
 * pieces of any size, and redacts them. A match:
 * - is 17 digits and a check character (a digit, X or x), each ASCII or
 *   full-width (U+FF10-U+FF19, U+FF38, U+FF58), written together or in the
 *   printed groups 6-8-4 with one separator between the groups, the same
 *   both times: a space (U+0020, U+00A0, U+3000) or a hyphen (U+002D,
 *   U+2010, U+2013, U+FF0D); with IDN_OPTION_FIFTEEN_DIGITS also 15 digits
 *   (together or 6-6-3) of the old format;
 * - has no ASCII or full-width digit or letter just before or after it, so
 *   that nothing is found inside a longer run of digits, a hex string or a
 *   word, and candidates that overlap give nothing;
 * - is a valid number: its check character holds, its birth date is a
 *   calendar date not after the as-of date, and its region code is one of
 *   the 2009 tables or of the history (in use at any time 1981-2024), a
 *   residence permit's (810000, 820000, 830000), or a foreigner's card's of
 *   2023 (9, a province-level unit's two digits, an ISO 3166-1 numeric
 *   code) - or, asked for with IDN_CONFIDENCE_LOW, shaped like one with a
 *   calendar birth date but a check character or region that fails.
 * Texts are read as the encoding option says (the text conventions' UTF-8
 * does not bind the scanner); any bytes pass, and every byte that is no
 * match is written back by a redaction as it was (invalid UTF-8, NUL, CR,
 * a byte-order mark, GBK). */

/* How the scanner reads a text's bytes: UTF-8, GBK (code page 936), or each
 * line as UTF-8 when its bytes are valid UTF-8 and as GBK otherwise, as
 * idtool's --input-encoding auto reads lines. The look-ahead is bounded: a
 * line longer than IDN_AUTO_STRETCH_LENGTH bytes is decided in stretches of
 * at most that many (cut before a character that would cross the end), each
 * stretch on its own bytes. */
typedef enum idn_encoding_t {
    IDN_ENCODING_UTF8 = 0,
    IDN_ENCODING_GBK = 1,
    IDN_ENCODING_AUTO = 2
} idn_encoding_t;
#define IDN_AUTO_STRETCH_LENGTH 4096

/* How sure a match is. */
typedef enum idn_confidence_t {
    IDN_CONFIDENCE_NONE = 0,
    IDN_CONFIDENCE_LOW = 1,    /* shaped like a number, with a calendar birth date not after the as-of date,
                                  whose check character or region fails: a mistyped number */
    IDN_CONFIDENCE_MEDIUM = 2, /* a valid number */
    IDN_CONFIDENCE_HIGH = 3    /* a valid number with a keyword ending at most IDN_KEYWORD_REACH characters
                                  before it */
} idn_confidence_t;
/* The keywords: 身份证, 身份证号, 身份证号码, 公民身份号码, 居民身份证, 身份号码,
 * 证件号, 证件号码, and in any ASCII case, as whole words (or camel-case
 * humps, userIdCard): id card, id_card, id-card, idcard, id no, id_no,
 * id-no, idno, id number, id_number, idnumber, identity card, identity
 * number, sfz, sfzh, sfzhm. */
#define IDN_KEYWORD_REACH 300
/* "low", "medium", "high"; NULL for any other value. */
IDN_API const char* idn_confidence_name(int confidence);

/* How a match is written: flags, 0 for 18 ASCII characters together. */
typedef enum idn_form_t {
    IDN_FORM_PLAIN = 0,
    IDN_FORM_FULLWIDTH = 1,      /* a full-width digit or X among its characters */
    IDN_FORM_LOWERCASE_X = 2,    /* its check character is x or ｘ */
    IDN_FORM_SEPARATED = 4,      /* in the groups 6-8-4 (6-6-3), a separator between them */
    IDN_FORM_FIFTEEN_DIGITS = 8  /* a 15-digit number of the old format */
} idn_form_t;
/* "plain", "fullwidth", "lowercase_x", "separated", "fifteen_digits" for
 * IDN_FORM_PLAIN and each single flag; NULL for any other value. */
IDN_API const char* idn_form_name(int form);

/* Why a low match is no valid number. */
typedef enum idn_flaw_t {
    IDN_FLAW_NONE = 0,
    IDN_FLAW_CHECK = 1,   /* its check character is wrong (a 15-digit number has none) */
    IDN_FLAW_REGION = 2   /* its check character holds, but no table or history knows its region code */
} idn_flaw_t;
/* "check", "region"; NULL for any other value. */
IDN_API const char* idn_flaw_name(int flaw);

/* One number found. Offsets count from the start of the stream: in bytes,
 * in UTF-16 units (JavaScript, Java, a web page), and in characters (code
 * points: Python str indices). Bytes that are no character of the encoding
 * count as one unit and one character for each U+FFFD a decoder writes for
 * them (Python's decode(errors="replace") and the WHATWG decoders: in
 * UTF-8 one per maximal subpart of an ill-formed sequence; in GBK a byte of
 * 0x80 or more that makes no assigned pair with the next is one). */
typedef struct idn_match_t {
    uint32_t size;            /* set by the caller: sizeof(idn_match_t) */
    int32_t confidence;       /* idn_confidence_t */
    int32_t form;             /* idn_form_t flags */
    int32_t flaw;             /* idn_flaw_t, for a low match */
    uint64_t byte_offset;
    uint64_t byte_length;
    uint64_t utf16_offset;
    uint64_t utf16_length;
    uint64_t char_offset;
    uint64_t char_length;
    uint64_t line;            /* 1-based: line feeds before it, plus one */
    uint64_t column;          /* 1-based, in characters from the line's start */
    char number[IDN_NUMBER_SIZE]; /* the number as 18 ASCII characters, X upper case, NUL-terminated (a
                                     15-digit one upgraded; a low one as written) */
    const char* keyword;      /* the last keyword (UTF-8, ASCII ones in lower case) ending within reach
                                 before the match, whatever its confidence; NULL for none */
    int32_t kind;             /* for medium and high: the verdict's fields, else 0 */
    int32_t sex;
    int32_t birth_year;
    int32_t birth_month;
    int32_t birth_day;
    int32_t region_code;
} idn_match_t;

/* The ways of redaction. */
typedef enum idn_redaction_t {
    IDN_REDACT_MASK = 0,      /* the first mask_first and last mask_last characters of the number kept, each
                                 other one written '*' ('＊' for a full-width one, in the text's encoding);
                                 separators kept; a 15-digit number keeps at most 14 */
    IDN_REDACT_LABEL = 1,     /* the label for the whole number (its GBK form in text read as GBK) */
    IDN_REDACT_TOKEN = 2,     /* the first token_length characters of HMAC-SHA-256(key, the 18 characters
                                 of `number`) in lower-case hex or base32: the same number, in any form,
                                 gives the same token under one key */
    IDN_REDACT_PSEUDONYM = 3  /* a valid number derived from the number by a keyed permutation: the same
                                 number always gives the same pseudonym and two numbers never one; it has
                                 the kind of the number and keeps what `keep` says, the century of the birth
                                 year always, no birth after the as-of date, and the number's form (each
                                 character as wide as it was, x for x, separators). A low match gets its
                                 digits moved among all digit strings and a check character that fails. */
} idn_redaction_t;
/* "mask", "label", "token", "pseudonym"; NULL for any other value. */
IDN_API const char* idn_redaction_name(int redaction);

typedef enum idn_token_alphabet_t {
    IDN_TOKEN_HEX = 0,        /* 0-9a-f, 8 to 64 characters */
    IDN_TOKEN_BASE32 = 1      /* RFC 4648's A-Z2-7 without padding, 8 to 52 characters */
} idn_token_alphabet_t;

/* What a pseudonym keeps of the number: flags. */
typedef enum idn_keep_t {
    IDN_KEEP_NOTHING = 0,
    IDN_KEEP_REGION = 1,
    IDN_KEEP_BIRTH_YEAR = 2,
    IDN_KEEP_SEX = 4          /* the parity of the sequence number */
} idn_keep_t;

/* The fewest bytes of a key. */
#define IDN_KEY_MIN_LENGTH 16
/* The most bytes of a label, and the longest token. */
#define IDN_LABEL_MAX_LENGTH 64
#define IDN_TOKEN_MAX_LENGTH 64

/* A scan of one stream of text, in storage the caller keeps (on the stack,
 * say), of IDN_SCANNER_SIZE bytes aligned to 8. Its memory is bounded
 * whatever the stream: pieces of any size, from one byte up; a number split
 * across pieces is found once. It needs no clean-up. */
#define IDN_SCANNER_SIZE 16384
typedef struct idn_scanner_t {
    uint64_t opaque[IDN_SCANNER_SIZE / 8];
} idn_scanner_t;

/* Empties the scanner: default options, nothing refused, a stream not
 * begun. `size` is the storage's (sizeof(idn_scanner_t) of the caller's
 * header): IDN_ERROR_BUFFER_TOO_SMALL when this library needs more. */
IDN_API int idn_scanner_init(idn_scanner_t* scanner, size_t size);

/* Sets an option of the scan or its redaction (IDN_OPTION_ENCODING to
 * IDN_OPTION_KEEP), before the first piece: IDN_ERROR_SCAN_ORDER after it.
 * A value is only kept here; idn_scanner_prepare judges them all, in the
 * order of idn_option_t. IDN_ERROR_BAD_OPTION for an option that is no
 * scan's, or that takes the other type (IDN_OPTION_LABEL and IDN_OPTION_KEY
 * are texts, the others integers). A text is copied: the caller's may go
 * once the call returns. A setter undoes an earlier prepare. */
IDN_API int idn_scanner_set_text(idn_scanner_t* scanner, int option, const char* text, size_t length);
IDN_API int idn_scanner_set_integer(idn_scanner_t* scanner, int option, int64_t value);

/* Checks the options and begins the stream (reading the clock for a
 * default as-of date). Returns IDN_OK, or the status of the first refused
 * option, which the scanner keeps for idn_scanner_refusal and
 * idn_scanner_message; IDN_ERROR_BAD_ARGUMENT for fifteen_digits other than
 * 0 or 1 and keep beyond the three flags. IDN_ERROR_SCAN_ORDER once a piece
 * has been given: a stream's options stay what they were. */
IDN_API int idn_scanner_prepare(idn_scanner_t* scanner);
/* Begins a new stream with the options the scanner was prepared with, as
 * far as the last one went or not: for a caller that scans many short
 * texts (the rows of a column) alike. IDN_ERROR_NOT_PREPARED before a
 * successful prepare. */
IDN_API int idn_scanner_restart(idn_scanner_t* scanner);

/* The kept refusal: its status (IDN_OK when none) and option
 * (IDN_OPTION_NONE); either pointer may be NULL. */
IDN_API int idn_scanner_refusal(const idn_scanner_t* scanner, int32_t* status, int32_t* option);
/* The kept refusal's message ("mask_first: must be 0 to 17 with mask_last
 * 4, not 15"), naming options by `names`: an array of `name_count`
 * NUL-terminated UTF-8 texts indexed by idn_option_t, an entry past the end
 * or NULL taking idn_option_name's word (`names` may be NULL with
 * name_count 0); an empty text when nothing is refused. IDN_MESSAGE_SIZE
 * suffices with names of up to 64 bytes. */
IDN_API int idn_scanner_message(const idn_scanner_t* scanner, const char* const* names, size_t name_count,
                                char* out, size_t size, size_t* written);

/* Finding: gives the prepared scanner the next piece of the stream (`final`
 * 1 for the last, which may be empty), which must stay where it is until
 * idn_scanner_next has returned 0 for it. IDN_ERROR_NOT_PREPARED before a
 * successful prepare; IDN_ERROR_SCAN_ORDER while a piece is not read
 * through, after the final one, or on a scanner that redacts. */
IDN_API int idn_scanner_feed(idn_scanner_t* scanner, const char* piece, size_t length, int final);
/* Writes the next match of the pieces so far (match->size set by the
 * caller) and returns 1; 0 when the piece holds no more (its last bytes are
 * kept in the scanner as far as a number could go on into the next); or a
 * negative status. Matches come in the order of the stream, each once,
 * whatever the pieces. */
IDN_API int idn_scanner_next(idn_scanner_t* scanner, idn_match_t* match);

/* Redaction: the piece with every match at or above min_confidence
 * replaced by the chosen way and every other byte as it was, written into
 * `out` as far as it is decided: the bytes a number could still go on from
 * (at most IDN_SCANNER_HELD_MAX of them) wait for the next piece, or for the
 * final one, which writes everything. The output of all the pieces one
 * after another is the redacted stream, whatever the pieces. A NUL follows
 * what is written (*written does not count it). `out` may not be NULL:
 * there is no size query, as what a piece writes depends on the pieces
 * before; `size` must be at least IDN_REDACT_SIZE(length), else
 * IDN_ERROR_BUFFER_TOO_SMALL with *written set to it and nothing read
 * (5 times the piece and the bytes held: a 64-byte label or token for
 * every 16 bytes of 15-digit numbers); IDN_ERROR_CRYPTO when the system's
 * cryptography fails (the scanner cannot go on). The same scanner either
 * finds or redacts a stream, not both (IDN_ERROR_SCAN_ORDER). */
#define IDN_SCANNER_HELD_MAX (IDN_AUTO_STRETCH_LENGTH + 256)
#define IDN_REDACT_SIZE(length) (5 * ((length) + IDN_SCANNER_HELD_MAX) + 1)
IDN_API int idn_scanner_redact(idn_scanner_t* scanner, const char* piece, size_t length, int final, char* out,
                               size_t size, size_t* written);
/* IDN_REDACT_SIZE(length), for callers that cannot read macros. */
IDN_API size_t idn_redact_size(size_t length);

/* What a stream's scan found or replaced so far: counts, never numbers. */
typedef struct idn_scan_summary_t {
    uint32_t size;                /* set by the caller: sizeof(idn_scan_summary_t) */
    uint32_t reserved;
    uint64_t bytes;               /* bytes of the pieces given */
    uint64_t matches;             /* matches at or above min_confidence */
    uint64_t by_confidence[4];    /* by idn_confidence_t */
    uint64_t plain;               /* IDN_FORM_PLAIN */
    uint64_t by_form[4];          /* by flag: fullwidth, lowercase_x, separated, fifteen_digits */
} idn_scan_summary_t;
IDN_API int idn_scanner_summary(const idn_scanner_t* scanner, idn_scan_summary_t* summary);

/* One number held alone, for callers that keep numbers in fields rather
 * than text (`length` bytes in the scanner's encoding, such as
 * "11010519491231002X"), redacted as the prepared scanner's options would
 * redact it in a text that is only this number: as sure as a valid number
 * is (min_confidence high is taken as medium here: a field has no words
 * around it). IDN_ERROR_NOT_FOUND when the text is not one such match.
 * IDN_REDACT_NUMBER_SIZE suffices. The scanner must be prepared
 * (IDN_ERROR_NOT_PREPARED); its stream, begun or not, is not touched. */
#define IDN_REDACT_NUMBER_SIZE 65
IDN_API int idn_scanner_redact_number(const idn_scanner_t* scanner, const char* number, size_t length, char* out,
                                      size_t size, size_t* written);

#ifdef __cplusplus
}
#endif

#endif
