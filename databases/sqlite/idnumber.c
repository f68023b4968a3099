/*
 * idnumber.c: a loadable SQLite extension for the 18-character resident
 * identity numbers of the People's Republic of China, over the C API of
 * capi/idnumber.h. Load it with `.load ./idnumber` in the sqlite3 shell, or
 * sqlite3_load_extension(db, "./idnumber", 0, &error); the entry point is
 * sqlite3_idnumber_init. This comment is the reference of its SQL functions.
 *
 * ARGUMENTS. A number argument x is read as its bytes: a TEXT's UTF-8 (NUL
 * bytes included), a BLOB's bytes as they are (invalid UTF-8 or GBK simply
 * fails verification), an INTEGER's decimal text, a REAL's text as SQLite
 * writes it. Every scalar function is NULL for a NULL x.
 *
 * VERIFICATION. With one argument, the verdict takes births up to the current
 * year on the local clock:
 *
 *   idn_valid(x)           1 or 0
 *   idn_reason(x)          NULL when valid, else 'length', 'characters',
 *                          'check' or 'date', as idtool verify's reason
 *   idn_expected_check(x)  the check character the first 17 digits call for
 *                          ('0'-'9' or 'X'), NULL unless they are 17 digits
 *   idn_birth_date(x)      'YYYY-MM-DD'; NULL when the digits are no calendar
 *                          date ('110105194902310018' is valid and born on
 *                          February 31st: its date is NULL)
 *   idn_sex(x)             '男' or '女'
 *   idn_province(x), idn_city(x), idn_county(x)
 *                          the dialog's region fields of the 2009 tables
 *                          (a municipality's county is '')
 *   idn_code_status(x)     '2009', 'in_use', 'abolished' or 'unknown'
 *   idn_now(x)             JSON (with SQLite's JSON subtype, so that
 *                          json_object() nests it): the codes in use in 2024
 *                          the region code went to, '[]' while it is in use
 *   idn_kind(x)            'resident', 'hmt_permit' or 'foreigner_card'
 *
 * From idn_birth_date to idn_kind they describe a valid number and are NULL
 * for a refused one.
 *
 *   idn_valid(x, year_limit), idn_reason(x, year_limit)
 *                          the same verdict with births up to year_limit,
 *                          1 to 9999 (an INTEGER or its decimal text); NULL
 *                          for a NULL year_limit; any other value is an
 *                          error, checked before x: "idn_valid: year_limit:
 *                          must be a whole number ...".
 *
 * DETERMINISM. The one-argument verdict depends on the clock (a birth year
 * after the current one is refused), so those functions are not
 * deterministic: SQLite refuses them in indexes, partial indexes and
 * generated columns, and a CHECK constraint of them would judge each row by
 * the clock of its write. In a schema, use the two-argument forms, which are
 * deterministic:
 *
 *   CREATE TABLE people(id TEXT NOT NULL CHECK (idn_valid(id, 9999)));
 *   CREATE INDEX people_refused ON people(idn_reason(id, 2024));
 *
 * 9999 checks every rule but the year; a fixed year checks it as of that
 * year. idn_expected_check, idn_upgrade, idn_mask and idn_age are
 * deterministic too.
 * Every function is innocuous (no side effects, safe in schemas).
 *
 * CONVERSIONS, deterministic:
 *
 *   idn_upgrade(x)  the 18-character form of a 15-digit number of the old
 *                   format (19YY); NULL for any other text, so that it runs
 *                   over a column of mixed numbers
 *   idn_mask(x)     any text with its first 6 and last 4 characters kept and
 *                   each one between them written '*' (10 characters or fewer
 *                   are masked whole); always valid UTF-8 TEXT: a kept byte
 *                   that starts no UTF-8 character is written U+FFFD
 *
 * AGE, deterministic:
 *
 *   idn_age(x, as_of)  the holder's age in completed years on the date
 *                      as_of, a TEXT 'YYYY-MM-DD' (date('now') is today in
 *                      UTC, date('now', 'localtime') on the local clock):
 *                      the years since the birth date, one less before the
 *                      birthday (one of 29 February comes on 1 March in
 *                      other years). NULL for a refused number, a birth
 *                      date no calendar has, or a date before the birth;
 *                      the number is judged by every rule but the year, so
 *                      the answer never depends on the clock. NULL for a
 *                      NULL as_of; any other value is an error, checked
 *                      before x: "idn_age: as_of must be a date as text,
 *                      YYYY-MM-DD", "idn_age: as_of 2023-02-29 is no
 *                      calendar date".
 *
 * GENERATION. An eponymous table-valued function of well-formed numbers,
 * distinct within one call:
 *
 *   SELECT number FROM idn_generate(region, birth_from, birth_to, sex, count, seed)
 *
 * Trailing arguments may be left out, or given by name as constraints on the
 * hidden columns (WHERE region = '110105' AND birth_from = '19491001').
 *   region      a county-level code, name, 'city/county' or
 *               'province/city/county' (TEXT or INTEGER)
 *   birth_from  alone: one birth date YYYYMMDD, taken as the dialog takes it
 *               (19900231 passes, carried as given); with birth_to: the
 *               first date of a range of real calendar dates (TEXT or
 *               INTEGER)
 *   birth_to    the range's last date
 *   sex         '男' or 'male', '女' or 'female', 'any' (ASCII letters in any
 *               case), exactly those TEXT bytes: 'male ', 'male\0junk' and
 *               the BLOB X'6d616c65' are refused
 *   count       how many numbers, 1 to 9223372036854775807
 *   seed        the same seed gives the same numbers on every run (as
 *               idtool generate --seed); SQLite's integers are signed, so a
 *               negative seed is the unsigned seed of the same bits (-1 is
 *               18446744073709551615, which the text '18446744073709551615'
 *               also gives)
 * count and seed are INTEGERs or their decimal text, with an optional sign.
 * NULL is an argument not given: no region or birth date is refused with the
 * library's message ("region is required"), sex is any, count 1, the seed one
 * from the system. Rows are numbered from 1 (rowid) in the order the numbers
 * come; the hidden columns give the arguments back.
 *
 * MESSAGES. A refused option is an SQL error "idn_generate: " and the
 * message of the library, which judges the options in its one order (the
 * region first) and names them by this function's arguments ("idn_generate:
 * birth_to 19900230: each end is a real calendar date, YYYYMMDD"); values
 * are echoed safely (control characters and invalid bytes as '?', at most
 * 128 bytes). A value of the wrong SQL type is refused here: "idn_generate:
 * region must be text or an integer, not a BLOB" (a BLOB region, birth_from,
 * birth_to or sex, a REAL region or date), and a count or seed that is no
 * whole number gets the library's range message; these come before the
 * library's judgement of the rest. A wrong number of arguments is SQLite's
 * own error.
 *
 * FINDING AND REDACTION: idn_find, idn_redact and idn_redact_number, whose
 * reference is the comment at the top of scan.c.
 */
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include <string.h>
#include <time.h>

#include "capi/idnumber.h"
#include "databases/sqlite/scan.h"

/* Newer SQLite wants functions that set a subtype to say so; older versions
 * ignore the flag. */
#ifndef SQLITE_RESULT_SUBTYPE
#define SQLITE_RESULT_SUBTYPE 0x001000000
#endif

/* The subtype by which SQLite's JSON functions know a value as JSON, so that
 * json_object('now', idn_now(x)) nests it rather than quoting it. */
#define JSON_SUBTYPE 74

/* The words the library's messages use for the options, indexed by
 * idn_option_t: this extension's parameter names. One birth_from is both the
 * one birth date and a range's first date. */
static const char* const SQL_NAMES[] = {
    [IDN_OPTION_REGION] = "region",
    [IDN_OPTION_BIRTH] = "birth_from",
    [IDN_OPTION_BORN_FROM] = "birth_from",
    [IDN_OPTION_BORN_TO] = "birth_to",
    [IDN_OPTION_SEX] = "sex",
    [IDN_OPTION_COUNT] = "count",
    [IDN_OPTION_SEED] = "seed",
    [IDN_OPTION_YEAR_LIMIT] = "year_limit",
};
#define SQL_NAME_COUNT (sizeof SQL_NAMES / sizeof SQL_NAMES[0])

/* ---- Arguments --------------------------------------------------------------- */

/* A value's bytes as the C API takes them. */
typedef struct ArgumentText {
    const char* bytes;
    size_t length;
    char digits[24]; /* an integer's decimal text */
} ArgumentText;

enum ArgumentKind { ARGUMENT_NULL, ARGUMENT_TEXT, ARGUMENT_NO_MEMORY };

/* Writes the decimal text of an integer into text->digits. */
static void decimalText(sqlite3_int64 value, ArgumentText* text) {
    char reversed[24];
    size_t count = 0, at = 0;
    /* The magnitude as unsigned, so that the smallest integer has one. */
    sqlite3_uint64 magnitude = value < 0 ? 0 - (sqlite3_uint64)value : (sqlite3_uint64)value;
    do {
        reversed[count++] = (char)('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) text->digits[at++] = '-';
    while (count > 0) text->digits[at++] = reversed[--count];
    text->digits[at] = '\0';
    text->bytes = text->digits;
    text->length = at;
}

/* The bytes of a value: a text's UTF-8, a BLOB's bytes, an integer's decimal
 * text, a real's text as SQLite writes it. */
static enum ArgumentKind argumentText(sqlite3_value* value, ArgumentText* text) {
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        return ARGUMENT_NULL;
    case SQLITE_INTEGER:
        decimalText(sqlite3_value_int64(value), text);
        return ARGUMENT_TEXT;
    case SQLITE_BLOB:
        /* A zero-length BLOB has no pointer; the C API takes NULL with 0. */
        text->bytes = (const char*)sqlite3_value_blob(value);
        text->length = (size_t)sqlite3_value_bytes(value);
        return text->bytes != NULL || text->length == 0 ? ARGUMENT_TEXT : ARGUMENT_NO_MEMORY;
    default:
        text->bytes = (const char*)sqlite3_value_text(value);
        text->length = (size_t)sqlite3_value_bytes(value);
        return text->bytes != NULL ? ARGUMENT_TEXT : ARGUMENT_NO_MEMORY;
    }
}

/* A scalar function's argument as text: 1 when there is one; else 0, with
 * the result left NULL for a NULL argument or the error set when SQLite ran
 * out of memory converting it. */
static int scalarArgumentText(sqlite3_context* context, sqlite3_value* value, ArgumentText* text) {
    switch (argumentText(value, text)) {
    case ARGUMENT_TEXT:
        return 1;
    case ARGUMENT_NO_MEMORY:
        sqlite3_result_error_nomem(context);
        return 0;
    case ARGUMENT_NULL:
        break;
    }
    return 0;
}

/* A whole number: an INTEGER, or a TEXT of decimal digits with an optional
 * sign (so that a seed's digits reach 2^64 - 1). 1 with its magnitude and
 * sign; 0 for any other value or a magnitude beyond 64 bits. The value is
 * read, not converted, so that a refusal echoes it as it was given. */
static int wholeNumber(sqlite3_value* value, sqlite3_uint64* magnitude, int* negative) {
    const unsigned char* text;
    sqlite3_uint64 sum = 0;
    int length, i = 0;
    if (sqlite3_value_type(value) == SQLITE_INTEGER) {
        const sqlite3_int64 number = sqlite3_value_int64(value);
        *negative = number < 0;
        *magnitude = number < 0 ? 0 - (sqlite3_uint64)number : (sqlite3_uint64)number;
        return 1;
    }
    if (sqlite3_value_type(value) != SQLITE_TEXT || (text = sqlite3_value_text(value)) == NULL) return 0;
    length = sqlite3_value_bytes(value);
    *negative = length > 0 && text[0] == '-';
    if (length > 0 && (text[0] == '-' || text[0] == '+')) i = 1;
    if (i == length) return 0;
    for (; i < length; ++i) {
        const unsigned digit = (unsigned)text[i] - '0';
        if (digit > 9 || sum > (UINT64_MAX - digit) / 10) return 0;
        sum = sum * 10 + digit;
    }
    *magnitude = sum;
    return 1;
}

/* The current year on the local clock, as the library takes a year limit of
 * 0, worked out once a second per thread rather than once a row. */
static int currentYear(void) {
    static _Thread_local time_t second = (time_t)-1;
    static _Thread_local int year = 0;
    const time_t now = time(NULL);
    if (now != second || year == 0) {
        year = idn_current_year();
        second = now;
    }
    return year;
}

/* ---- Scalar functions ------------------------------------------------------- */

/* What a function of the verdict gives; the function's user data. */
enum VerdictField {
    FIELD_VALID,
    FIELD_REASON,
    FIELD_EXPECTED_CHECK,
    FIELD_BIRTH_DATE,
    FIELD_SEX,
    FIELD_PROVINCE,
    FIELD_CITY,
    FIELD_COUNTY,
    FIELD_CODE_STATUS,
    FIELD_NOW,
    FIELD_KIND
};

static void resultStaticText(sqlite3_context* context, const char* text) {
    if (text == NULL)
        sqlite3_result_null(context);
    else
        sqlite3_result_text(context, text, -1, SQLITE_STATIC);
}

/* 'YYYY-MM-DD' of a date the calendar has, else NULL; the library's year has
 * four digits, month and day two. */
static void resultBirthDate(sqlite3_context* context, const idn_verdict_t* verdict) {
    char date[11];
    const int year = verdict->birth_year;
    if (!idn_is_calendar_date(year, verdict->birth_month, verdict->birth_day)) return;
    date[0] = (char)('0' + year / 1000 % 10);
    date[1] = (char)('0' + year / 100 % 10);
    date[2] = (char)('0' + year / 10 % 10);
    date[3] = (char)('0' + year % 10);
    date[4] = '-';
    date[5] = (char)('0' + verdict->birth_month / 10 % 10);
    date[6] = (char)('0' + verdict->birth_month % 10);
    date[7] = '-';
    date[8] = (char)('0' + verdict->birth_day / 10 % 10);
    date[9] = (char)('0' + verdict->birth_day % 10);
    date[10] = '\0';
    sqlite3_result_text(context, date, 10, SQLITE_TRANSIENT);
}

static void resultNowJson(sqlite3_context* context, int32_t code) {
    char json[IDN_NOW_CODES_JSON_SIZE];
    size_t written = 0;
    if (idn_now_codes_json(code, json, sizeof json, &written) != IDN_OK) {
        sqlite3_result_error(context, "idn_now: the JSON value is longer than its buffer", -1);
        return;
    }
    sqlite3_result_text(context, json, (int)written, SQLITE_TRANSIENT);
    sqlite3_result_subtype(context, JSON_SUBTYPE);
}

/* The year limit of a two-argument form: 1 with *year set; else 0, with the
 * result NULL for a NULL limit or the error set. The deterministic forms take
 * no 0, which stands for the clock's year in the C API. */
static int yearLimitArgument(sqlite3_context* context, sqlite3_value* value, const char* function, int* year) {
    ArgumentText given;
    char message[IDN_MESSAGE_SIZE];
    char error[IDN_MESSAGE_SIZE + 32];
    sqlite3_uint64 limit;
    int negative;
    if (sqlite3_value_type(value) == SQLITE_NULL) return 0;
    if (wholeNumber(value, &limit, &negative) && !negative && limit >= 1 && limit <= IDN_YEAR_LIMIT_MAX) {
        *year = (int)limit;
        return 1;
    }
    if (argumentText(value, &given) != ARGUMENT_TEXT) {
        sqlite3_result_error_nomem(context);
        return 0;
    }
    idn_option_message(IDN_ERROR_YEAR_LIMIT, given.bytes, given.length, SQL_NAMES, SQL_NAME_COUNT, message,
                       sizeof message, NULL);
    sqlite3_snprintf((int)sizeof error, error, "%s: %s", function, message);
    sqlite3_result_error(context, error, -1);
    return 0;
}

/* Every function of the verdict: verifies the argument and gives the field
 * its user data names. Two arguments: the year limit given. */
static void verdictFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    const enum VerdictField field = (enum VerdictField)(intptr_t)sqlite3_user_data(context);
    ArgumentText text;
    idn_verdict_t verdict = {.size = sizeof verdict};
    idn_region_fields_t region = {.size = sizeof region};
    char check[2];
    int year;
    /* The limit first, so that a wrong one is an error even for a NULL x. */
    if (argc == 2) {
        if (!yearLimitArgument(context, argv[1], field == FIELD_VALID ? "idn_valid" : "idn_reason", &year)) return;
    } else {
        year = currentYear();
    }
    if (!scalarArgumentText(context, argv[0], &text)) return;
    idn_verify(text.bytes, text.length, year, &verdict);
    if (field == FIELD_VALID) {
        sqlite3_result_int(context, verdict.reason == IDN_VALID);
        return;
    }
    if (field == FIELD_REASON) {
        resultStaticText(context, idn_reason_name(verdict.reason));
        return;
    }
    if (field == FIELD_EXPECTED_CHECK) {
        if (verdict.expected_check == 0) return;
        check[0] = (char)verdict.expected_check;
        check[1] = '\0';
        sqlite3_result_text(context, check, 1, SQLITE_TRANSIENT);
        return;
    }
    /* The rest describe a valid number only. */
    if (verdict.reason != IDN_VALID) return;
    switch (field) {
    case FIELD_BIRTH_DATE:
        resultBirthDate(context, &verdict);
        break;
    case FIELD_SEX:
        resultStaticText(context, idn_sex_name(verdict.sex));
        break;
    case FIELD_PROVINCE:
    case FIELD_CITY:
    case FIELD_COUNTY:
        idn_region_fields(verdict.region_code, &region);
        resultStaticText(context, field == FIELD_PROVINCE ? region.province
                                  : field == FIELD_CITY   ? region.city
                                                          : region.county);
        break;
    case FIELD_CODE_STATUS:
        resultStaticText(context, idn_code_status_name(idn_code_status_of(verdict.region_code)));
        break;
    case FIELD_NOW:
        resultNowJson(context, verdict.region_code);
        break;
    case FIELD_KIND:
        resultStaticText(context, idn_kind_name(verdict.kind));
        break;
    case FIELD_VALID:
    case FIELD_REASON:
    case FIELD_EXPECTED_CHECK:
        break;
    }
}

/* The date of idn_age: a TEXT 'YYYY-MM-DD' of digits, as SQLite's date()
 * writes it. 1 with its parts; 0 for any other value. Whether the calendar
 * has the date is the library's to say. */
static int dateArgument(sqlite3_value* value, int* year, int* month, int* day) {
    const unsigned char* text;
    int parts[3] = {0, 0, 0}, part = 0, i;
    if (sqlite3_value_type(value) != SQLITE_TEXT || (text = sqlite3_value_text(value)) == NULL ||
        sqlite3_value_bytes(value) != 10)
        return 0;
    for (i = 0; i < 10; ++i) {
        if (i == 4 || i == 7) {
            if (text[i] != '-') return 0;
            ++part;
        } else if (text[i] >= '0' && text[i] <= '9') {
            parts[part] = parts[part] * 10 + (text[i] - '0');
        } else {
            return 0;
        }
    }
    *year = parts[0];
    *month = parts[1];
    *day = parts[2];
    return 1;
}

/* idn_age(x, as_of): the holder's age in completed years on as_of; NULL
 * where the library gives none. The number is judged by every rule but the
 * year (limit 9999): a birth after as_of has no age there anyway, and the
 * answer never depends on the clock. */
static void ageFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    idn_verdict_t verdict = {.size = sizeof verdict};
    ArgumentText text;
    char error[64];
    int year, month, day, status;
    int32_t age = 0;
    (void)argc;
    /* The date first, so that a wrong one is an error even for a NULL x. */
    if (sqlite3_value_type(argv[1]) == SQLITE_NULL) return;
    if (!dateArgument(argv[1], &year, &month, &day)) {
        sqlite3_result_error(context, "idn_age: as_of must be a date as text, YYYY-MM-DD", -1);
        return;
    }
    /* The library's calendar, asked before the number for the same reason. */
    if (!idn_is_calendar_date(year, month, day)) {
        sqlite3_snprintf((int)sizeof error, error, "idn_age: as_of %s is no calendar date",
                         sqlite3_value_text(argv[1]));
        sqlite3_result_error(context, error, -1);
        return;
    }
    if (!scalarArgumentText(context, argv[0], &text)) return;
    idn_verify(text.bytes, text.length, IDN_YEAR_LIMIT_MAX, &verdict);
    status = idn_age_on(&verdict, year, month, day, &age);
    if (status == IDN_OK) {
        sqlite3_result_int(context, age);
    } else if (status != IDN_ERROR_NOT_FOUND) {
        sqlite3_snprintf((int)sizeof error, error, "idn_age: %s", idn_status_name(status));
        sqlite3_result_error(context, error, -1);
    }
}

/* idn_upgrade(x): NULL for anything but a 15-digit number of a possible
 * month and day, so that it runs over a column of mixed numbers. */
static void upgradeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    ArgumentText text;
    char number[IDN_NUMBER_SIZE];
    size_t written = 0;
    (void)argc;
    if (!scalarArgumentText(context, argv[0], &text)) return;
    if (idn_upgrade_number(text.bytes, text.length, number, sizeof number, &written) == IDN_OK)
        sqlite3_result_text(context, number, (int)written, SQLITE_TRANSIENT);
}

/* Texts up to this many bytes are masked on the stack; longer ones need
 * memory, which SQLite then keeps as the result. */
#define STACK_MASK_INPUT 256

/* idn_mask(x): any text or BLOB, masked as valid UTF-8. */
static void maskFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    ArgumentText text;
    char shortMask[IDN_MASK_SIZE(STACK_MASK_INPUT)];
    char* longMask;
    size_t size, written = 0;
    (void)argc;
    if (!scalarArgumentText(context, argv[0], &text)) return;
    if (text.length <= STACK_MASK_INPUT) {
        if (idn_mask_text(text.bytes, text.length, shortMask, sizeof shortMask, &written) == IDN_OK)
            sqlite3_result_text(context, shortMask, (int)written, SQLITE_TRANSIENT);
        else
            sqlite3_result_error(context, "idn_mask: the mask is longer than IDN_MASK_SIZE", -1);
        return;
    }
    size = IDN_MASK_SIZE(text.length);
    longMask = sqlite3_malloc64(size);
    if (longMask == NULL) {
        sqlite3_result_error_nomem(context);
        return;
    }
    if (idn_mask_text(text.bytes, text.length, longMask, size, &written) != IDN_OK) {
        sqlite3_free(longMask);
        sqlite3_result_error(context, "idn_mask: the mask is longer than IDN_MASK_SIZE", -1);
        return;
    }
    sqlite3_result_text64(context, longMask, written, sqlite3_free, SQLITE_UTF8);
}

/* ---- idn_generate, the table-valued function ----------------------------------- */

/* Its columns: the number, then the hidden ones that take the arguments. */
enum GenerateColumn {
    COLUMN_NUMBER,
    COLUMN_REGION,
    COLUMN_BIRTH_FROM,
    COLUMN_BIRTH_TO,
    COLUMN_SEX,
    COLUMN_COUNT,
    COLUMN_SEED
};
/* The arguments, in the order of their columns. */
enum GenerateArgument { ARG_REGION, ARG_BIRTH_FROM, ARG_BIRTH_TO, ARG_SEX, ARG_COUNT, ARG_SEED, ARGUMENT_COUNT };

typedef struct GenerateCursor {
    sqlite3_vtab_cursor base;
    idn_generator_t generator; /* the checked options; numbers by index */
    sqlite3_uint64 index;
    sqlite3_uint64 count;
    sqlite3_value* arguments[ARGUMENT_COUNT]; /* as given, for their columns */
} GenerateCursor;

static int generateConnect(sqlite3* db, void* aux, int argc, const char* const* argv, sqlite3_vtab** table,
                           char** error) {
    int status;
    (void)aux;
    (void)argc;
    (void)argv;
    (void)error;
    status = sqlite3_declare_vtab(db, "CREATE TABLE x(number TEXT, region HIDDEN, birth_from HIDDEN,"
                                      " birth_to HIDDEN, sex HIDDEN, count HIDDEN, seed HIDDEN)");
    if (status != SQLITE_OK) return status;
    *table = sqlite3_malloc(sizeof **table);
    if (*table == NULL) return SQLITE_NOMEM;
    memset(*table, 0, sizeof **table);
    sqlite3_vtab_config(db, SQLITE_VTAB_INNOCUOUS);
    return SQLITE_OK;
}

static int generateDisconnect(sqlite3_vtab* table) {
    sqlite3_free(table);
    return SQLITE_OK;
}

static int generateOpen(sqlite3_vtab* table, sqlite3_vtab_cursor** cursor) {
    GenerateCursor* opened = sqlite3_malloc(sizeof *opened);
    (void)table;
    if (opened == NULL) return SQLITE_NOMEM;
    memset(opened, 0, sizeof *opened);
    *cursor = &opened->base;
    return SQLITE_OK;
}

static void releaseArguments(GenerateCursor* cursor) {
    int i;
    for (i = 0; i < ARGUMENT_COUNT; ++i) {
        sqlite3_value_free(cursor->arguments[i]);
        cursor->arguments[i] = NULL;
    }
}

static int generateClose(sqlite3_vtab_cursor* base) {
    GenerateCursor* cursor = (GenerateCursor*)base;
    releaseArguments(cursor);
    sqlite3_free(cursor);
    return SQLITE_OK;
}

/* The arguments are equality constraints on the hidden columns; idxNum has
 * bit k set when argument k is given, and they arrive in column order. A
 * plan without an argument that is given but not yet usable (a join's) is
 * refused, so that the planner finds one with it. */
static int generateBestIndex(sqlite3_vtab* table, sqlite3_index_info* info) {
    int constraintOf[ARGUMENT_COUNT] = {-1, -1, -1, -1, -1, -1};
    unsigned given = 0, unusable = 0;
    int i, next = 1;
    (void)table;
    for (i = 0; i < info->nConstraint; ++i) {
        const struct sqlite3_index_constraint* constraint = &info->aConstraint[i];
        unsigned bit;
        if (constraint->iColumn < COLUMN_REGION) continue;
        bit = 1u << (constraint->iColumn - COLUMN_REGION);
        if (!constraint->usable) {
            unusable |= bit;
            continue;
        }
        if (constraint->op != SQLITE_INDEX_CONSTRAINT_EQ) continue;
        constraintOf[constraint->iColumn - COLUMN_REGION] = i;
        given |= bit;
    }
    if ((unusable & ~given) != 0) return SQLITE_CONSTRAINT;
    for (i = 0; i < ARGUMENT_COUNT; ++i) {
        if ((given & (1u << i)) == 0) continue;
        info->aConstraintUsage[constraintOf[i]].argvIndex = next++;
        info->aConstraintUsage[constraintOf[i]].omit = 1;
    }
    info->idxNum = (int)given;
    info->estimatedCost = 1000.0;
    info->estimatedRows = 1000;
    return SQLITE_OK;
}

/* Sets the table's error message: "idn_generate: " and the message, which
 * is the library's or this file's, valid UTF-8 either way. */
static int generateError(GenerateCursor* cursor, const char* message) {
    sqlite3_vtab* table = cursor->base.pVtab;
    sqlite3_free(table->zErrMsg);
    table->zErrMsg = sqlite3_mprintf("idn_generate: %s", message);
    return table->zErrMsg != NULL ? SQLITE_ERROR : SQLITE_NOMEM;
}

/* The library's message for a value refused before it reaches the options. */
static int optionRefusal(GenerateCursor* cursor, int status, const ArgumentText* given) {
    char message[IDN_MESSAGE_SIZE];
    idn_option_message(status, given->bytes, given->length, SQL_NAMES, SQL_NAME_COUNT, message, sizeof message,
                       NULL);
    return generateError(cursor, message);
}

/* A value of a type the argument never takes. */
static int typeRefusal(GenerateCursor* cursor, sqlite3_value* value, const char* name, const char* wanted) {
    char message[128];
    sqlite3_snprintf((int)sizeof message, message, "%s must be %s, not %s", name, wanted,
                     sqlite3_value_type(value) == SQLITE_BLOB ? "a BLOB" : "a real number");
    return generateError(cursor, message);
}

/* What a setter answered: it refuses only an option the generator does not
 * take by that setter, which would be this file's fault. */
static int setterResult(GenerateCursor* cursor, int status) {
    return status == IDN_OK ? SQLITE_OK : generateError(cursor, idn_status_name(status));
}

static int isGiven(sqlite3_value* value) { return value != NULL && sqlite3_value_type(value) != SQLITE_NULL; }

/* A region or date: text or an integer, set as its text. */
static int optionText(GenerateCursor* cursor, sqlite3_value* value, int option, const char* name) {
    ArgumentText text;
    if (!isGiven(value)) return SQLITE_OK;
    if (sqlite3_value_type(value) != SQLITE_INTEGER && sqlite3_value_type(value) != SQLITE_TEXT)
        return typeRefusal(cursor, value, name, "text or an integer");
    if (argumentText(value, &text) != ARGUMENT_TEXT) return SQLITE_NOMEM;
    return setterResult(cursor, idn_generator_set_text(&cursor->generator, option, text.bytes, text.length));
}

/* The sex word, which the library reads and refuses; NULL or left out is
 * any. A number is set as its text, which no sex word is; a BLOB is refused
 * as a type, so that X'6d616c65' is not taken for 'male'. */
static int optionSex(GenerateCursor* cursor, sqlite3_value* value) {
    ArgumentText word;
    if (!isGiven(value)) return SQLITE_OK;
    if (sqlite3_value_type(value) == SQLITE_BLOB) return typeRefusal(cursor, value, "sex", "text");
    if (argumentText(value, &word) != ARGUMENT_TEXT) return SQLITE_NOMEM;
    return setterResult(cursor, idn_generator_set_text(&cursor->generator, IDN_OPTION_SEX, word.bytes, word.length));
}

/* The count or seed: an INTEGER as SQLite's signed 64 bits, the digits of a
 * TEXT as the signed or unsigned integer they are, for the library to judge
 * (a negative seed stands for the unsigned one of its bits). A value no
 * 64-bit integer holds, or no whole number, is refused here with the
 * library's message of `refusal`. */
static int optionInteger(GenerateCursor* cursor, sqlite3_value* value, int option, const char* name, int refusal) {
    ArgumentText text;
    sqlite3_uint64 magnitude;
    int negative, status;
    if (!isGiven(value)) return SQLITE_OK;
    if (sqlite3_value_type(value) == SQLITE_BLOB) return typeRefusal(cursor, value, name, "an integer");
    if (sqlite3_value_type(value) == SQLITE_INTEGER) {
        status = idn_generator_set_integer(&cursor->generator, option, sqlite3_value_int64(value));
    } else if (wholeNumber(value, &magnitude, &negative) && !negative) {
        status = idn_generator_set_unsigned(&cursor->generator, option, magnitude);
    } else if (wholeNumber(value, &magnitude, &negative) && magnitude <= (sqlite3_uint64)1 << 63) {
        status = idn_generator_set_integer(&cursor->generator, option,
                                           magnitude <= INT64_MAX ? -(int64_t)magnitude : INT64_MIN);
    } else {
        if (argumentText(value, &text) != ARGUMENT_TEXT) return SQLITE_NOMEM;
        return optionRefusal(cursor, refusal, &text);
    }
    return setterResult(cursor, status);
}

/* Sets the generator's options from the arguments and prepares it. A NULL is
 * an option not given: the library refuses a missing region or birth date
 * in its words. birth_from is the one birth date unless birth_to is given. */
static int prepareGenerator(GenerateCursor* cursor, sqlite3_value* const* values) {
    const int range = isGiven(values[ARG_BIRTH_TO]);
    char message[IDN_MESSAGE_SIZE];
    int status;
    if (idn_generator_init(&cursor->generator, sizeof cursor->generator) != IDN_OK)
        return generateError(cursor, "the generator's storage is smaller than the library's");
    if ((status = optionText(cursor, values[ARG_REGION], IDN_OPTION_REGION, "region")) != SQLITE_OK ||
        (status = optionText(cursor, values[ARG_BIRTH_FROM], range ? IDN_OPTION_BORN_FROM : IDN_OPTION_BIRTH,
                             "birth_from")) != SQLITE_OK ||
        (status = optionText(cursor, values[ARG_BIRTH_TO], IDN_OPTION_BORN_TO, "birth_to")) != SQLITE_OK ||
        (status = optionSex(cursor, values[ARG_SEX])) != SQLITE_OK ||
        (status = optionInteger(cursor, values[ARG_COUNT], IDN_OPTION_COUNT, "count", IDN_ERROR_COUNT_RANGE)) !=
            SQLITE_OK ||
        (status = optionInteger(cursor, values[ARG_SEED], IDN_OPTION_SEED, "seed", IDN_ERROR_SEED_RANGE)) != SQLITE_OK)
        return status;
    if (idn_generator_prepare(&cursor->generator) != IDN_OK) {
        idn_generator_message(&cursor->generator, SQL_NAMES, SQL_NAME_COUNT, message, sizeof message, NULL);
        return generateError(cursor, message);
    }
    cursor->count = (sqlite3_uint64)idn_generator_count(&cursor->generator);
    return SQLITE_OK;
}

static int generateFilter(sqlite3_vtab_cursor* base, int givenArguments, const char* indexText, int argc,
                          sqlite3_value** argv) {
    GenerateCursor* cursor = (GenerateCursor*)base;
    sqlite3_value* values[ARGUMENT_COUNT];
    int i, next = 0;
    (void)indexText;

    releaseArguments(cursor);
    cursor->index = 0;
    cursor->count = 0;
    for (i = 0; i < ARGUMENT_COUNT; ++i) {
        values[i] = NULL;
        if ((givenArguments & (1 << i)) != 0 && next < argc) values[i] = argv[next++];
        if (values[i] != NULL && (cursor->arguments[i] = sqlite3_value_dup(values[i])) == NULL) return SQLITE_NOMEM;
    }
    return prepareGenerator(cursor, values);
}

static int generateNext(sqlite3_vtab_cursor* base) {
    ((GenerateCursor*)base)->index++;
    return SQLITE_OK;
}

static int generateEof(sqlite3_vtab_cursor* base) {
    const GenerateCursor* cursor = (const GenerateCursor*)base;
    return cursor->index >= cursor->count;
}

static int generateColumn(sqlite3_vtab_cursor* base, sqlite3_context* context, int column) {
    GenerateCursor* cursor = (GenerateCursor*)base;
    char number[IDN_NUMBER_SIZE];
    size_t written = 0;
    if (column == COLUMN_NUMBER) {
        if (idn_generator_number(&cursor->generator, (int64_t)cursor->index, number, sizeof number, &written) !=
            IDN_OK) {
            sqlite3_result_error(context, "idn_generate: no number at this row", -1);
            return SQLITE_ERROR;
        }
        sqlite3_result_text(context, number, (int)written, SQLITE_TRANSIENT);
    } else if (column > COLUMN_NUMBER && column <= COLUMN_SEED && cursor->arguments[column - COLUMN_REGION] != NULL) {
        sqlite3_result_value(context, cursor->arguments[column - COLUMN_REGION]);
    }
    return SQLITE_OK;
}

/* Rows are numbered from 1, in the order the numbers come. */
static int generateRowid(sqlite3_vtab_cursor* base, sqlite3_int64* rowid) {
    *rowid = (sqlite3_int64)((GenerateCursor*)base)->index + 1;
    return SQLITE_OK;
}

/* Eponymous only: no xCreate, so it cannot be a CREATE VIRTUAL TABLE. */
static sqlite3_module generateModule = {
    .iVersion = 0,
    .xConnect = generateConnect,
    .xBestIndex = generateBestIndex,
    .xDisconnect = generateDisconnect,
    .xOpen = generateOpen,
    .xClose = generateClose,
    .xFilter = generateFilter,
    .xNext = generateNext,
    .xEof = generateEof,
    .xColumn = generateColumn,
    .xRowid = generateRowid,
};

/* ---- Registration -------------------------------------------------------------- */

#ifdef _WIN32
__declspec(dllexport)
#endif
int sqlite3_idnumber_init(sqlite3* db, char** error, const sqlite3_api_routines* api) {
    enum { CLOCK = 0, DETERMINISTIC = SQLITE_DETERMINISTIC, JSON = SQLITE_RESULT_SUBTYPE };
    static const struct {
        const char* name;
        int arguments;
        int flags;
        void (*function)(sqlite3_context*, int, sqlite3_value**);
        enum VerdictField field;
    } functions[] = {
        {"idn_valid", 1, CLOCK, verdictFunction, FIELD_VALID},
        {"idn_valid", 2, DETERMINISTIC, verdictFunction, FIELD_VALID},
        {"idn_reason", 1, CLOCK, verdictFunction, FIELD_REASON},
        {"idn_reason", 2, DETERMINISTIC, verdictFunction, FIELD_REASON},
        {"idn_expected_check", 1, DETERMINISTIC, verdictFunction, FIELD_EXPECTED_CHECK},
        {"idn_birth_date", 1, CLOCK, verdictFunction, FIELD_BIRTH_DATE},
        {"idn_sex", 1, CLOCK, verdictFunction, FIELD_SEX},
        {"idn_province", 1, CLOCK, verdictFunction, FIELD_PROVINCE},
        {"idn_city", 1, CLOCK, verdictFunction, FIELD_CITY},
        {"idn_county", 1, CLOCK, verdictFunction, FIELD_COUNTY},
        {"idn_code_status", 1, CLOCK, verdictFunction, FIELD_CODE_STATUS},
        {"idn_now", 1, CLOCK | JSON, verdictFunction, FIELD_NOW},
        {"idn_kind", 1, CLOCK, verdictFunction, FIELD_KIND},
        {"idn_upgrade", 1, DETERMINISTIC, upgradeFunction, FIELD_VALID},
        {"idn_mask", 1, DETERMINISTIC, maskFunction, FIELD_VALID},
        {"idn_age", 2, DETERMINISTIC, ageFunction, FIELD_VALID},
    };
    size_t i;
    int status = SQLITE_OK;
    (void)error;
    SQLITE_EXTENSION_INIT2(api);
    for (i = 0; i < sizeof functions / sizeof functions[0] && status == SQLITE_OK; ++i)
        status = sqlite3_create_function(db, functions[i].name, functions[i].arguments,
                                         SQLITE_UTF8 | SQLITE_INNOCUOUS | functions[i].flags,
                                         (void*)(intptr_t)functions[i].field, functions[i].function, NULL,
                                         NULL);
    if (status == SQLITE_OK) status = sqlite3_create_module(db, "idn_generate", &generateModule, NULL);
    if (status == SQLITE_OK) status = idnRegisterScanFunctions(db);
    return status;
}
