/*
 * idnumber.c: a loadable SQLite extension for the 18-character resident
 * identity numbers of the People's Republic of China, over the C API of
 * capi/idnumber.h. Load it with `.load ./idnumber` in the sqlite3 shell, or
 * sqlite3_load_extension(db, "./idnumber", 0, &error); the entry point is
 * sqlite3_idnumber_init.
 *
 * Scalar functions of one argument, each NULL for NULL (an integer argument
 * is read as its decimal text, a BLOB as its bytes):
 *
 *   idn_valid(x)           1 or 0, the dialog's verdict (births up to this year)
 *   idn_reason(x)          NULL when valid, else 'length', 'characters',
 *                          'check' or 'date', as idtool verify's reason
 *   idn_expected_check(x)  the check character the first 17 digits call for
 *   idn_birth_date(x)      'YYYY-MM-DD' of a valid number
 *   idn_sex(x)             'male' or 'female' for a valid number
 *   idn_province(x), idn_city(x), idn_county(x)
 *                          the dialog's region fields (the 2009 tables)
 *   idn_code_status(x)     '2009', 'in_use', 'abolished' or 'unknown'
 *   idn_now(x)             JSON: the codes in use in 2024 the region went to
 *   idn_kind(x)            'resident', 'hmt_permit' or 'foreigner_card'
 *   idn_upgrade(x)         the 18-character form of a 15-digit number
 *   idn_mask_text(x)            the text with all but its first 6 and last 4
 *                          characters written '*'
 *
 * From idn_birth_date to idn_kind they describe a valid number and are NULL
 * for a refused one. Whether a number is valid depends on the current year
 * (a birth year after it is refused), so every function of the verdict but
 * idn_expected_check is not deterministic; idn_expected_check, idn_upgrade
 * and idn_mask are. All are innocuous.
 *
 * And an eponymous table-valued function of well-formed numbers, distinct
 * within one call:
 *
 *   SELECT number FROM idn_generate(region, birth_from, birth_to, sex, count, seed)
 *
 * region: a county-level code, name or path as idtool generate --region
 * takes it; birth_from alone: one birth date YYYYMMDD taken as the dialog
 * takes it; birth_from and birth_to: a range of real calendar dates; sex:
 * 'male', 'female', or 'any' or NULL; count: how many (NULL or left out: 1);
 * seed: NULL or left out for a seed from the system, else the same numbers on
 * every run. A refused option is an SQL error with the library's message.
 */
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include <string.h>
#include <time.h>

#include "capi/idnumber.h"

/* Newer SQLite wants functions that set a subtype to say so; older versions
 * ignore the flag. */
#ifndef SQLITE_RESULT_SUBTYPE
#define SQLITE_RESULT_SUBTYPE 0x001000000
#endif

/* The subtype by which SQLite's JSON functions know a value as JSON, so that
 * json_object('now', idn_now(x)) nests it rather than quoting it. */
#define JSON_SUBTYPE 74

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

/* 'YYYY-MM-DD'; the library's year has four digits, month and day two. */
static void resultBirthDate(sqlite3_context* context, const idn_verdict_t* verdict) {
    char date[11];
    const int year = verdict->birth_year;
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

/* Every function of the verdict: verifies the argument and gives the field
 * its user data names. */
static void verdictFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    const enum VerdictField field = (enum VerdictField)(intptr_t)sqlite3_user_data(context);
    ArgumentText text;
    idn_verdict_t verdict;
    idn_region_fields_t region;
    char check[2];
    (void)argc;
    if (!scalarArgumentText(context, argv[0], &text)) return;
    idn_verify(text.bytes, text.length, currentYear(), &verdict);
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
        resultStaticText(context, verdict.sex == IDN_SEX_MALE ? "male" : "female");
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
        resultStaticText(context, idn_code_state_name(idn_code_state(verdict.region_code)));
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

/* idn_upgrade(x): NULL for anything but a 15-digit number of a possible
 * month and day, so that it runs over a column of mixed numbers. */
static void upgradeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    ArgumentText text;
    char number[IDN_NUMBER_SIZE];
    (void)argc;
    if (!scalarArgumentText(context, argv[0], &text)) return;
    if (idn_upgrade_number(text.bytes, text.length, number, sizeof number, NULL) == IDN_OK)
        sqlite3_result_text(context, number, 18, SQLITE_TRANSIENT);
}

/* idn_mask_text(x): any text; a masked text is never longer than the text, so a
 * short one is masked on the stack and only a long one needs memory. */
static void maskFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    ArgumentText text;
    char shortMask[256];
    char* longMask;
    size_t written = 0;
    (void)argc;
    if (!scalarArgumentText(context, argv[0], &text)) return;
    if (idn_mask_text(text.bytes, text.length, shortMask, sizeof shortMask, &written) == IDN_OK) {
        sqlite3_result_text(context, shortMask, (int)written, SQLITE_TRANSIENT);
        return;
    }
    longMask = sqlite3_malloc64(written + 1);
    if (longMask == NULL) {
        sqlite3_result_error_nomem(context);
        return;
    }
    if (idn_mask_text(text.bytes, text.length, longMask, written + 1, &written) != IDN_OK) {
        sqlite3_free(longMask);
        sqlite3_result_error(context, "idn_mask: the library refused its own length", -1);
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
#define ARGUMENT_COUNT 6

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

/* The length of the UTF-8 character at `text`, or 0 when no character of
 * RFC 3629 starts there (a stray byte, an overlong form, a surrogate). */
static size_t utf8Step(const unsigned char* text) {
    const unsigned char first = text[0];
    size_t length, i;
    unsigned least, value;
    if (first < 0x80) return 1;
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2, least = 0x80, value = first & 0x1Fu;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3, least = 0x800, value = first & 0x0Fu;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4, least = 0x10000, value = first & 0x07u;
    } else {
        return 0;
    }
    for (i = 1; i < length; ++i) {
        if ((text[i] & 0xC0) != 0x80) return 0; /* also stops at the NUL */
        value = value << 6 | (text[i] & 0x3Fu);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    return length;
}

/* Sets the table's error message, "idn_generate: " and the text. Messages
 * echo the values given, which may be any bytes: each byte that starts no
 * UTF-8 character becomes '?', so that the message is valid text. */
static int generateError(GenerateCursor* cursor, const char* text) {
    sqlite3_vtab* table = cursor->base.pVtab;
    const char prefix[] = "idn_generate: ";
    const size_t length = strlen(text);
    size_t at = 0, put = sizeof prefix - 1;
    char* message = sqlite3_malloc64(sizeof prefix + length);
    if (message == NULL) return SQLITE_NOMEM;
    memcpy(message, prefix, sizeof prefix - 1);
    while (at < length) {
        const size_t step = utf8Step((const unsigned char*)text + at);
        if (step == 0) {
            message[put++] = '?';
            ++at;
        } else {
            memcpy(message + put, text + at, step);
            put += step;
            at += step;
        }
    }
    message[put] = '\0';
    sqlite3_free(table->zErrMsg);
    table->zErrMsg = message;
    return SQLITE_ERROR;
}

static int startsWith(const char* text, const char* prefix) { return strncmp(text, prefix, strlen(prefix)) == 0; }

/* Whether `text` starts with the date given, then ':'. */
static int endIsNamed(const char* text, const ArgumentText* date) {
    return strlen(text) > date->length && memcmp(text, date->bytes, date->length) == 0 && text[date->length] == ':';
}

/* The library words its messages as idtool generate's options; here they
 * name this function's arguments. Writes the message for `status` into
 * `out`, from the library's `message` and the dates given. */
static void argumentMessage(int status, const char* message, const ArgumentText* birthFrom, char* out,
                            size_t size) {
    const char* argument = NULL;
    const char* rest = message;
    if (startsWith(rest, "generate: ")) rest += strlen("generate: ");
    if (startsWith(rest, "--region")) {
        argument = "region";
        rest += strlen("--region");
    } else if (startsWith(rest, "--birth ")) {
        argument = "birth_from";
        rest += strlen("--birth");
    } else if (startsWith(rest, "--born-between ")) {
        /* The message goes on with the end it refuses: the first when the
         * range is reversed, the second when it ends after the year limit. */
        rest += strlen("--born-between");
        argument = status == IDN_ERROR_RANGE_YEAR_AFTER_LIMIT ? "birth_to" : "birth_from";
        if (status == IDN_ERROR_RANGE_NOT_DATE && !endIsNamed(rest + 1, birthFrom)) argument = "birth_to";
    } else if (startsWith(rest, "--count")) {
        argument = "count";
        rest += strlen("--count");
    } else if (status <= IDN_ERROR_REGION_INVALID_TEXT && status >= IDN_ERROR_AS_OF_NOT_IN_USE) {
        /* "999999 is no code of ...": the region as given comes first. */
        argument = "region ";
    }
    sqlite3_snprintf((int)size, out, "%s%s", argument != NULL ? argument : "", rest);
}

/* A text or integer argument of the options; any other type is refused. */
static int optionText(GenerateCursor* cursor, sqlite3_value* value, const char* name, ArgumentText* text) {
    char message[128];
    text->bytes = NULL;
    text->length = 0;
    if (value == NULL) return SQLITE_OK;
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        return SQLITE_OK;
    case SQLITE_INTEGER:
    case SQLITE_TEXT:
        return argumentText(value, text) == ARGUMENT_TEXT ? SQLITE_OK : SQLITE_NOMEM;
    default:
        sqlite3_snprintf((int)sizeof message, message, "%s must be text or an integer, not %s", name,
                         sqlite3_value_type(value) == SQLITE_BLOB ? "a BLOB" : "a real number");
        return generateError(cursor, message);
    }
}

/* A whole-number argument from `least` up: *given 0 when NULL or left out.
 * The message of a refusal names `shownLeast` as the least allowed. */
static int optionNumber(GenerateCursor* cursor, sqlite3_value* value, const char* name, sqlite3_int64 least,
                        sqlite3_int64 shownLeast, sqlite3_int64* number, int* given) {
    char message[160];
    ArgumentText text;
    *given = 0;
    if (value == NULL || sqlite3_value_type(value) == SQLITE_NULL) return SQLITE_OK;
    if (sqlite3_value_numeric_type(value) == SQLITE_INTEGER && sqlite3_value_int64(value) >= least) {
        *number = sqlite3_value_int64(value);
        *given = 1;
        return SQLITE_OK;
    }
    if (argumentText(value, &text) != ARGUMENT_TEXT) return SQLITE_NOMEM;
    sqlite3_snprintf((int)sizeof message, message, "%s: must be a whole number from %lld to 9223372036854775807, not %.*s",
                     name, shownLeast, text.length > 40 ? 40 : (int)text.length, text.bytes);
    return generateError(cursor, message);
}

static int generateFilter(sqlite3_vtab_cursor* base, int given, const char* indexText, int argc,
                          sqlite3_value** argv) {
    GenerateCursor* cursor = (GenerateCursor*)base;
    sqlite3_value* values[ARGUMENT_COUNT];
    ArgumentText region, birthFrom, birthTo;
    idn_generate_options_t options;
    char message[IDN_MESSAGE_SIZE];
    char sqlMessage[IDN_MESSAGE_SIZE + 32];
    sqlite3_int64 count = 1, seed = 0;
    int hasCount = 0, status, i, next = 0;
    (void)indexText;

    releaseArguments(cursor);
    cursor->index = 0;
    cursor->count = 0;
    for (i = 0; i < ARGUMENT_COUNT; ++i) {
        values[i] = NULL;
        if ((given & (1 << i)) != 0 && next < argc) values[i] = argv[next++];
        if (values[i] != NULL && (cursor->arguments[i] = sqlite3_value_dup(values[i])) == NULL) return SQLITE_NOMEM;
    }

    memset(&options, 0, sizeof options);
    if ((status = optionText(cursor, values[0], "region", &region)) != SQLITE_OK) return status;
    if ((status = optionText(cursor, values[1], "birth_from", &birthFrom)) != SQLITE_OK) return status;
    if ((status = optionText(cursor, values[2], "birth_to", &birthTo)) != SQLITE_OK) return status;
    if (region.bytes == NULL)
        return generateError(cursor, "region is missing or NULL: it wants a county-level code, a name, or city/county"
                                     " or province/city/county");
    if (birthFrom.bytes == NULL)
        return generateError(cursor, "birth_from is missing or NULL: it wants a birth date YYYYMMDD, or with birth_to"
                                     " the first date of a range");
    options.region = region.bytes;
    options.region_length = region.length;
    if (birthTo.bytes == NULL) {
        options.birth = birthFrom.bytes;
        options.birth_length = birthFrom.length;
    } else {
        options.born_from = birthFrom.bytes;
        options.born_from_length = birthFrom.length;
        options.born_to = birthTo.bytes;
        options.born_to_length = birthTo.length;
    }

    options.sex = IDN_SEX_ANY;
    if (values[3] != NULL && sqlite3_value_type(values[3]) != SQLITE_NULL) {
        const char* sex = (const char*)sqlite3_value_text(values[3]);
        if (sex == NULL) return SQLITE_NOMEM;
        if (strcmp(sex, "male") == 0)
            options.sex = IDN_SEX_MALE;
        else if (strcmp(sex, "female") == 0)
            options.sex = IDN_SEX_FEMALE;
        else if (strcmp(sex, "any") != 0) {
            sqlite3_snprintf((int)sizeof message, message, "sex must be 'male', 'female', 'any' or NULL, not '%.40s'",
                             sex);
            return generateError(cursor, message);
        }
    }
    /* Count 0 is the library's to refuse, in its words. */
    if ((status = optionNumber(cursor, values[4], "count", 0, 1, &count, &hasCount)) != SQLITE_OK) return status;
    options.count = hasCount ? count : 1;
    if ((status = optionNumber(cursor, values[5], "seed", 0, 0, &seed, &options.has_seed)) != SQLITE_OK) return status;
    options.seed = (uint64_t)seed;

    status = idn_generator_init(&cursor->generator, &options, NULL);
    if (status != IDN_OK) idn_generate_message(&options, NULL, message, sizeof message, NULL);
    if (status != IDN_OK) {
        argumentMessage(status, message, &birthFrom, sqlMessage, sizeof sqlMessage);
        return generateError(cursor, sqlMessage);
    }
    cursor->count = (sqlite3_uint64)idn_generator_count(&cursor->generator);
    return SQLITE_OK;
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
    if (column == COLUMN_NUMBER) {
        if (idn_generator_number(&cursor->generator, (int64_t)cursor->index, number, sizeof number, NULL) != IDN_OK) {
            sqlite3_result_error(context, "idn_generate: no number at this row", -1);
            return SQLITE_ERROR;
        }
        sqlite3_result_text(context, number, 18, SQLITE_TRANSIENT);
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
    enum { VERDICT = 0, DETERMINISTIC = SQLITE_DETERMINISTIC, JSON = SQLITE_RESULT_SUBTYPE };
    static const struct {
        const char* name;
        int flags;
        void (*function)(sqlite3_context*, int, sqlite3_value**);
        enum VerdictField field;
    } functions[] = {
        {"idn_valid", VERDICT, verdictFunction, FIELD_VALID},
        {"idn_reason", VERDICT, verdictFunction, FIELD_REASON},
        {"idn_expected_check", DETERMINISTIC, verdictFunction, FIELD_EXPECTED_CHECK},
        {"idn_birth_date", VERDICT, verdictFunction, FIELD_BIRTH_DATE},
        {"idn_sex", VERDICT, verdictFunction, FIELD_SEX},
        {"idn_province", VERDICT, verdictFunction, FIELD_PROVINCE},
        {"idn_city", VERDICT, verdictFunction, FIELD_CITY},
        {"idn_county", VERDICT, verdictFunction, FIELD_COUNTY},
        {"idn_code_status", VERDICT, verdictFunction, FIELD_CODE_STATUS},
        {"idn_now", VERDICT | JSON, verdictFunction, FIELD_NOW},
        {"idn_kind", VERDICT, verdictFunction, FIELD_KIND},
        {"idn_upgrade", DETERMINISTIC, upgradeFunction, FIELD_VALID},
        {"idn_mask", DETERMINISTIC, maskFunction, FIELD_VALID},
    };
    size_t i;
    int status = SQLITE_OK;
    (void)error;
    SQLITE_EXTENSION_INIT2(api);
    for (i = 0; i < sizeof functions / sizeof functions[0] && status == SQLITE_OK; ++i)
        status = sqlite3_create_function(db, functions[i].name, 1,
                                         SQLITE_UTF8 | SQLITE_INNOCUOUS | functions[i].flags,
                                         (void*)(intptr_t)functions[i].field, functions[i].function, NULL,
                                         NULL);
    if (status == SQLITE_OK) status = sqlite3_create_module(db, "idn_generate", &generateModule, NULL);
    return status;
}
