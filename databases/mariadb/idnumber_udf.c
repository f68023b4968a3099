/*
 * idnumber_udf.c: MariaDB (and MySQL) loadable functions over the
 * identity-number library's C API (capi/idnumber.h), linked in statically
 * into idnumber_udf.so. Each is loaded with CREATE FUNCTION ... SONAME
 * 'idnumber_udf.so' (install.sql loads them all):
 *
 *   idn_valid(n)          INTEGER 1 or 0: the number passes every check
 *   idn_reason(n)         'length', 'characters', 'check' or 'date'; NULL when valid
 *   idn_expected_check(n) the check character the first 17 digits call for
 *   idn_birth_date(n)     'YYYY-MM-DD'; idn_sex(n) 'male' or 'female'
 *   idn_province(n), idn_city(n), idn_county(n)  the region fields of the 2009 tables
 *   idn_code_status(n)    '2009', 'in_use', 'abolished' or 'unknown'
 *   idn_now(n)            JSON: the codes in use in 2024 that an ended code's area went to
 *   idn_kind(n)           'resident', 'hmt_permit' or 'foreigner_card'
 *   idn_upgrade(n)        the 18-character form of a 15-digit number; NULL for any other text
 *   idn_mask(n)           the text with all but its first 6 and last 4 characters starred
 *   idn_generate(region, birth_from, birth_to, sex, count, seed, i)
 *                         number i (0 to count-1) of the distinct numbers that
 *                         idtool generate gives for the same options and seed
 *
 * n is a string or an integer (its decimal text). NULL gives NULL, and every
 * function but idn_valid and idn_reason gives NULL for a refused number. The
 * latest birth year a number may have is the current year on the server's
 * clock when the statement starts.
 *
 * Every *_init checks the count and types of its arguments and says what it
 * wants. What a statement needs is allocated once, in *_init, and freed in
 * *_deinit; a row allocates nothing (idn_mask's buffer grows only when a text
 * is longer than every one before it).
 */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <time.h>
#include <unistd.h>

#include <mysql.h>

/*
 * MariaDB finds a function by its SQL name, so this library defines
 * idn_code_status, idn_now, idn_upgrade and idn_mask, which are also names of
 * the C API; the Makefile renames the C API's to idnumber_* in the copy of
 * libidnumber.a linked here. The C API's type names idn_sex, idn_reason and
 * idn_kind are renamed as well, to leave those names to the functions.
 */
#define idn_sex idnumber_sex_type
#define idn_reason idnumber_reason_type
#define idn_kind idnumber_kind_type
#define idn_code_status idnumber_code_status
#define idn_now idnumber_now
#define idn_upgrade idnumber_upgrade
#define idn_mask idnumber_mask
#include "idnumber.h"
#undef idn_sex
#undef idn_reason
#undef idn_kind
#undef idn_code_status
#undef idn_now
#undef idn_upgrade
#undef idn_mask

/*
 * Connector/C declares UDF_INIT's max_length as unsigned int where the server
 * has unsigned long; on 64-bit little-endian machines the field starts at the
 * same place and the members after it line up, and only values below 2^32
 * are written to it.
 */
_Static_assert(sizeof(void*) == 8 && offsetof(UDF_INIT, ptr) == 16 && offsetof(UDF_INIT, const_item) == 24,
               "UDF_INIT has the server's layout");

/* The server's buffer for a string result. */
#define RESULT_BUFFER_SIZE 255

/* The server shows the first 80 bytes of an init's message, after "Can't
 * initialize function 'NAME'; ". */
#define MESSAGE_SIZE 81

/* ---- State of a statement ------------------------------------------------ */

typedef struct statement_state {
    int year_limit;  /* the current year when the statement started */
    char* buffer;    /* results longer than the server's buffer */
    size_t capacity;
} statement_state;

static statement_state* state_of(UDF_INIT* initid) { return (statement_state*)initid->ptr; }

/* Room for `size` bytes in the statement's buffer, grown when needed; NULL
 * when memory runs out. */
static char* buffer_of(UDF_INIT* initid, size_t size) {
    statement_state* state = state_of(initid);
    if (size > state->capacity) {
        size_t capacity = state->capacity > 0 ? state->capacity : 1024;
        char* grown;
        while (capacity < size) capacity *= 2;
        grown = realloc(state->buffer, capacity);
        if (grown == NULL) return NULL;
        state->buffer = grown;
        state->capacity = capacity;
    }
    return state->buffer;
}

static my_bool start_statement(UDF_INIT* initid, char* message, const char* name) {
    statement_state* state = calloc(1, sizeof *state);
    if (state == NULL) {
        (void)name;
        snprintf(message, MESSAGE_SIZE, "out of memory");
        return 1;
    }
    state->year_limit = idn_current_year();
    initid->ptr = (char*)state;
    return 0;
}

static void end_statement(UDF_INIT* initid) {
    statement_state* state = state_of(initid);
    if (state == NULL) return;
    free(state->buffer);
    free(state);
    initid->ptr = NULL;
}

/*
 * The init of a function of one number: one argument, a string or an integer
 * (the server hands an integer over as its decimal text).
 */
static my_bool init_number_function(UDF_INIT* initid, UDF_ARGS* args, char* message, const char* name,
                                    unsigned long max_length) {
    if (args->arg_count != 1) {
        snprintf(message, MESSAGE_SIZE, "it takes one argument: the identity number, a string or an integer");
        return 1;
    }
    switch (args->arg_type[0]) {
    case STRING_RESULT: break;
    case INT_RESULT: args->arg_type[0] = STRING_RESULT; break;
    default:
        snprintf(message, MESSAGE_SIZE, "the number is a string or an integer; CAST a REAL or DECIMAL AS CHAR");
        return 1;
    }
    initid->maybe_null = 1;
    initid->max_length = max_length;
    initid->const_item = 0;
    return start_statement(initid, message, name);
}

/* The verdict on the argument; 0 for a NULL argument (the result is then NULL). */
static int verify_argument(UDF_INIT* initid, UDF_ARGS* args, idn_verdict* verdict, char* is_null) {
    if (args->args[0] == NULL) {
        *is_null = 1;
        return 0;
    }
    idn_verify(args->args[0], args->lengths[0], state_of(initid)->year_limit, verdict);
    return 1;
}

/* A text of the library (region names, reasons, at most a few dozen bytes)
 * copied into the result buffer, or NULL for a NULL pointer. */
static char* text_result(const char* text, char* result, unsigned long* length, char* is_null) {
    size_t size = text != NULL ? strlen(text) : 0;
    if (text == NULL || size >= RESULT_BUFFER_SIZE) {
        *is_null = 1;
        return NULL;
    }
    memcpy(result, text, size);
    *length = (unsigned long)size;
    return result;
}

/* ---- The verdict functions ----------------------------------------------- */

/* Declares NAME_init (with the result's maximum length) and NAME_deinit. */
#define NUMBER_FUNCTION_LIFETIME(name, max_length) \
    my_bool name##_init(UDF_INIT* initid, UDF_ARGS* args, char* message); \
    void name##_deinit(UDF_INIT* initid); \
    my_bool name##_init(UDF_INIT* initid, UDF_ARGS* args, char* message) { \
        return init_number_function(initid, args, message, #name, max_length); \
    } \
    void name##_deinit(UDF_INIT* initid) { end_statement(initid); }

#define STRING_FUNCTION(name) \
    char* name(UDF_INIT* initid, UDF_ARGS* args, char* result, unsigned long* length, char* is_null, char* error)

NUMBER_FUNCTION_LIFETIME(idn_valid, 1)
long long idn_valid(UDF_INIT* initid, UDF_ARGS* args, char* is_null, char* error);
long long idn_valid(UDF_INIT* initid, UDF_ARGS* args, char* is_null, char* error) {
    idn_verdict verdict;
    (void)error;
    if (!verify_argument(initid, args, &verdict, is_null)) return 0;
    return verdict.reason == IDN_VALID;
}

NUMBER_FUNCTION_LIFETIME(idn_reason, 10)
STRING_FUNCTION(idn_reason);
STRING_FUNCTION(idn_reason) {
    idn_verdict verdict;
    (void)error;
    if (!verify_argument(initid, args, &verdict, is_null)) return NULL;
    return text_result(idn_reason_name(verdict.reason), result, length, is_null);
}

NUMBER_FUNCTION_LIFETIME(idn_expected_check, 1)
STRING_FUNCTION(idn_expected_check);
STRING_FUNCTION(idn_expected_check) {
    idn_verdict verdict;
    (void)error;
    if (!verify_argument(initid, args, &verdict, is_null)) return NULL;
    if (verdict.expected_check == 0) return text_result(NULL, result, length, is_null);
    result[0] = (char)verdict.expected_check;
    *length = 1;
    return result;
}

/*
 * 'YYYY-MM-DD'. Verification checks only that the month is at most 12 and
 * the day at most 31, so a valid number may carry a day no calendar has
 * (19900231, or a month or day 00): that gives NULL, as no DATE holds it.
 */
NUMBER_FUNCTION_LIFETIME(idn_birth_date, 10)
STRING_FUNCTION(idn_birth_date);
STRING_FUNCTION(idn_birth_date) {
    idn_verdict verdict;
    (void)error;
    if (!verify_argument(initid, args, &verdict, is_null)) return NULL;
    if (verdict.reason != IDN_VALID ||
        !idn_is_calendar_date(verdict.birth_year, verdict.birth_month, verdict.birth_day))
        return text_result(NULL, result, length, is_null);
    *length = (unsigned long)snprintf(result, RESULT_BUFFER_SIZE, "%04d-%02d-%02d", verdict.birth_year,
                                      verdict.birth_month, verdict.birth_day);
    return result;
}

NUMBER_FUNCTION_LIFETIME(idn_sex, 6)
STRING_FUNCTION(idn_sex);
STRING_FUNCTION(idn_sex) {
    idn_verdict verdict;
    (void)error;
    if (!verify_argument(initid, args, &verdict, is_null)) return NULL;
    if (verdict.reason != IDN_VALID) return text_result(NULL, result, length, is_null);
    return text_result(verdict.sex == IDN_SEX_MALE ? "male" : "female", result, length, is_null);
}

/* The region fields of a valid number; 0 when refused (the result is NULL). */
static int region_fields(UDF_INIT* initid, UDF_ARGS* args, idn_region_fields* fields, char* is_null) {
    idn_verdict verdict;
    if (!verify_argument(initid, args, &verdict, is_null)) return 0;
    if (verdict.reason != IDN_VALID || idn_region_texts(verdict.region_code, fields) != IDN_OK) {
        *is_null = 1;
        return 0;
    }
    return 1;
}

/* Region names are at most a few dozen characters of 3 bytes. */
#define REGION_TEXT_MAX_LENGTH 192

NUMBER_FUNCTION_LIFETIME(idn_province, REGION_TEXT_MAX_LENGTH)
STRING_FUNCTION(idn_province);
STRING_FUNCTION(idn_province) {
    idn_region_fields fields;
    (void)error;
    return region_fields(initid, args, &fields, is_null) ? text_result(fields.province, result, length, is_null) : NULL;
}

NUMBER_FUNCTION_LIFETIME(idn_city, REGION_TEXT_MAX_LENGTH)
STRING_FUNCTION(idn_city);
STRING_FUNCTION(idn_city) {
    idn_region_fields fields;
    (void)error;
    return region_fields(initid, args, &fields, is_null) ? text_result(fields.city, result, length, is_null) : NULL;
}

NUMBER_FUNCTION_LIFETIME(idn_county, REGION_TEXT_MAX_LENGTH)
STRING_FUNCTION(idn_county);
STRING_FUNCTION(idn_county) {
    idn_region_fields fields;
    (void)error;
    return region_fields(initid, args, &fields, is_null) ? text_result(fields.county, result, length, is_null) : NULL;
}

NUMBER_FUNCTION_LIFETIME(idn_code_status, 9)
STRING_FUNCTION(idn_code_status);
STRING_FUNCTION(idn_code_status) {
    idn_verdict verdict;
    (void)error;
    if (!verify_argument(initid, args, &verdict, is_null)) return NULL;
    if (verdict.reason != IDN_VALID) return text_result(NULL, result, length, is_null);
    return text_result(idn_code_status_name(idnumber_code_status(verdict.region_code)), result, length, is_null);
}

/* The longest `now` of any code: IDN_MAX_NOW_CODES entries of a code and a name. */
#define NOW_JSON_MAX_LENGTH 2048

NUMBER_FUNCTION_LIFETIME(idn_now, NOW_JSON_MAX_LENGTH)
STRING_FUNCTION(idn_now);
STRING_FUNCTION(idn_now) {
    idn_verdict verdict;
    size_t written = 0;
    char* json;
    int status;
    (void)result;
    if (!verify_argument(initid, args, &verdict, is_null)) return NULL;
    if (verdict.reason != IDN_VALID) return text_result(NULL, result, length, is_null);
    json = buffer_of(initid, NOW_JSON_MAX_LENGTH);
    status = json == NULL ? IDN_ERROR_NULL_POINTER
                          : idn_now_json(verdict.region_code, json, state_of(initid)->capacity, &written);
    if (status == IDN_ERROR_BUFFER_TOO_SMALL && (json = buffer_of(initid, written + 1)) != NULL)
        status = idn_now_json(verdict.region_code, json, state_of(initid)->capacity, &written);
    if (status != IDN_OK) {
        *error = 1;
        return NULL;
    }
    *length = (unsigned long)written;
    return json;
}

NUMBER_FUNCTION_LIFETIME(idn_kind, 14)
STRING_FUNCTION(idn_kind);
STRING_FUNCTION(idn_kind) {
    idn_verdict verdict;
    (void)error;
    if (!verify_argument(initid, args, &verdict, is_null)) return NULL;
    return text_result(idn_kind_name(verdict.kind), result, length, is_null);
}

/* ---- Conversions ------------------------------------------------------------ */

/*
 * NULL for a text that is not 15 digits with a month up to 12 and a day up to
 * 31: a loadable function cannot raise an error for one row. So upgrade a
 * column with UPDATE t SET id = idn_upgrade(id) WHERE idn_upgrade(id) IS NOT
 * NULL, which leaves what does not convert as it was.
 */
NUMBER_FUNCTION_LIFETIME(idn_upgrade, 18)
STRING_FUNCTION(idn_upgrade);
STRING_FUNCTION(idn_upgrade) {
    (void)initid, (void)error;
    if (args->args[0] == NULL ||
        idnumber_upgrade(args->args[0], args->lengths[0], result, RESULT_BUFFER_SIZE) != IDN_OK) {
        *is_null = 1;
        return NULL;
    }
    *length = 18;
    return result;
}

/* The masked text is never longer than the text: each character keeps its
 * bytes or becomes one '*'. Characters are counted in UTF-8. */
my_bool idn_mask_init(UDF_INIT* initid, UDF_ARGS* args, char* message);
my_bool idn_mask_init(UDF_INIT* initid, UDF_ARGS* args, char* message) {
    if (init_number_function(initid, args, message, "idn_mask", 0) != 0) return 1;
    initid->max_length = args->lengths[0] < UINT32_MAX ? args->lengths[0] : UINT32_MAX;
    return 0;
}
void idn_mask_deinit(UDF_INIT* initid);
void idn_mask_deinit(UDF_INIT* initid) { end_statement(initid); }

STRING_FUNCTION(idn_mask);
STRING_FUNCTION(idn_mask) {
    size_t size, written = 0;
    char* out = result;
    if (args->args[0] == NULL) {
        *is_null = 1;
        return NULL;
    }
    size = args->lengths[0] + 1;
    if (size > RESULT_BUFFER_SIZE && (out = buffer_of(initid, size)) == NULL) {
        *error = 1;
        return NULL;
    }
    if (idnumber_mask(args->args[0], args->lengths[0], out, size, &written) != IDN_OK) {
        *error = 1;
        return NULL;
    }
    *length = (unsigned long)written;
    return out;
}

/* ---- Generation ------------------------------------------------------------- */

/*
 * idn_generate(region, birth_from, birth_to, sex, count, seed, i): number i
 * of the plan the options give. birth_to NULL: birth_from is the one birth
 * date; otherwise the range of real dates. sex NULL, 'any', 'male' or
 * 'female'. seed NULL: one seed drawn for the statement. An unsigned seed
 * takes every value of idtool's --seed. i outside 0 to count-1 gives NULL.
 *
 * When the options are constants the plan is made once, in the init, and a
 * refused option fails the statement with idtool's message. Options that vary
 * by row are planned when they change, and a refused one gives NULL.
 */
enum { GEN_REGION, GEN_BIRTH_FROM, GEN_BIRTH_TO, GEN_SEX, GEN_COUNT, GEN_SEED, GEN_INDEX, GEN_ARGUMENTS };

/* The options of a plan as one key: every argument's bytes after its length. */
#define PLAN_KEY_CAPACITY 600

typedef struct generate_state {
    idn_generator generator;
    int planned;         /* the generator holds the plan of `key`, which was not refused */
    uint64_t seed;       /* for a NULL seed */
    size_t key_length;
    char key[PLAN_KEY_CAPACITY];
} generate_state;

/* The options of the row as a key; 0 when they do not fit (no plan is kept). */
static size_t plan_key(UDF_ARGS* args, char* key) {
    size_t at = 0;
    int i;
    for (i = GEN_REGION; i <= GEN_SEED; ++i) {
        unsigned long length = args->args[i] == NULL ? 0 : i >= GEN_COUNT ? sizeof(long long) : args->lengths[i];
        if (at + sizeof length + length + 1 > PLAN_KEY_CAPACITY) return 0;
        key[at++] = args->args[i] == NULL ? 0 : 1;
        memcpy(key + at, &length, sizeof length);
        at += sizeof length;
        if (length > 0) memcpy(key + at, args->args[i], length);
        at += length;
    }
    return at;
}

/* A message of at most MESSAGE_SIZE - 1 bytes: prefix, then text cut at a
 * character boundary and ended by "..." when it is too long. */
static void write_message(char* message, const char* prefix, const char* text, size_t length) {
    size_t put = strlen(prefix);
    memcpy(message, prefix, put);
    if (put + length >= MESSAGE_SIZE) {
        length = MESSAGE_SIZE - 1 - put - 3;
        while (length > 0 && ((unsigned char)text[length] & 0xC0) == 0x80) --length; /* not inside a character */
        memcpy(message + put, text, length);
        memcpy(message + put + length, "...", 4);
        return;
    }
    memcpy(message + put, text, length);
    message[put + length] = '\0';
}

/*
 * The message of a refused plan in the function's terms. The library's
 * messages of a refused region (which name its candidates) are given as they
 * are; those of the dates and count name idtool's options, so they are
 * written here.
 */
static void refusal_message(char* message, int status, const idn_generate_options* options, const char* library) {
    const char* birth = options->birth != NULL ? options->birth : options->born_from;
    size_t birth_length = options->birth != NULL ? options->birth_length : options->born_from_length;
    switch (status) {
    case IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS:
        write_message(message, "birth_from is no date of 8 digits, YYYYMMDD: ", birth, birth_length);
        break;
    case IDN_ERROR_BIRTH_BEYOND_LIMITS:
        write_message(message, "birth_from: a year after this one, a month above 12 or a day above 31: ", birth,
                      birth_length);
        break;
    case IDN_ERROR_RANGE_NOT_DATE:
        snprintf(message, MESSAGE_SIZE, "birth_from and birth_to must be real calendar dates, YYYYMMDD");
        break;
    case IDN_ERROR_RANGE_YEAR_AFTER_LIMIT:
        snprintf(message, MESSAGE_SIZE, "birth_to may not be after the current year");
        break;
    case IDN_ERROR_RANGE_REVERSED:
        snprintf(message, MESSAGE_SIZE, "birth_from comes after birth_to");
        break;
    case IDN_ERROR_COUNT_TOO_LARGE:
        snprintf(message, MESSAGE_SIZE, "count %llu is more distinct numbers than the region, dates and sex give",
                 (unsigned long long)options->count);
        break;
    default: {
        /* The library's message names idtool's command first. */
        const char* text = strncmp(library, "generate: ", 10) == 0 ? library + 10 : library;
        write_message(message, "", text, strlen(text));
    }
    }
}

/* Plans the row's options into the state. IDN_OK, or the status of the
 * refusal with its message (when `message` is not NULL). */
static int plan(generate_state* state, UDF_ARGS* args, char* message) {
    idn_generate_options options;
    char library_message[IDN_MESSAGE_CAPACITY];
    const char* sex = args->args[GEN_SEX];
    int status;
    memset(&options, 0, sizeof options);
    if (args->args[GEN_REGION] == NULL || args->args[GEN_BIRTH_FROM] == NULL || args->args[GEN_COUNT] == NULL) {
        if (message != NULL) snprintf(message, MESSAGE_SIZE, "region, birth_from and count must not be NULL");
        return IDN_ERROR_BAD_ARGUMENT;
    }
    options.region = args->args[GEN_REGION];
    options.region_length = args->lengths[GEN_REGION];
    if (args->args[GEN_BIRTH_TO] == NULL) {
        options.birth = args->args[GEN_BIRTH_FROM];
        options.birth_length = args->lengths[GEN_BIRTH_FROM];
    } else {
        options.born_from = args->args[GEN_BIRTH_FROM];
        options.born_from_length = args->lengths[GEN_BIRTH_FROM];
        options.born_to = args->args[GEN_BIRTH_TO];
        options.born_to_length = args->lengths[GEN_BIRTH_TO];
    }
    options.sex = IDN_SEX_ANY;
    if (sex != NULL) {
        size_t sex_length = args->lengths[GEN_SEX];
        if (sex_length == 4 && strncasecmp(sex, "male", 4) == 0)
            options.sex = IDN_SEX_MALE;
        else if (sex_length == 6 && strncasecmp(sex, "female", 6) == 0)
            options.sex = IDN_SEX_FEMALE;
        else if (!(sex_length == 3 && strncasecmp(sex, "any", 3) == 0)) {
            if (message != NULL) write_message(message, "sex must be male, female or any, not ", sex, sex_length);
            return IDN_ERROR_BAD_SEX;
        }
    }
    if (*(long long*)args->args[GEN_COUNT] < 1) {
        if (message != NULL)
            snprintf(message, MESSAGE_SIZE, "count must be at least 1, not %lld", *(long long*)args->args[GEN_COUNT]);
        return IDN_ERROR_COUNT_ZERO;
    }
    options.count = (uint64_t) * (long long*)args->args[GEN_COUNT];
    options.has_seed = 1;
    options.seed = args->args[GEN_SEED] != NULL ? (uint64_t) * (long long*)args->args[GEN_SEED] : state->seed;
    status = idn_generator_init(&state->generator, &options, library_message, sizeof library_message);
    if (status != IDN_OK && message != NULL) refusal_message(message, status, &options, library_message);
    return status;
}

static uint64_t statement_seed(void) {
    uint64_t seed = (uint64_t)time(NULL);
    uint64_t drawn = 0;
    if (getentropy(&drawn, sizeof drawn) == 0) seed ^= drawn;
    return seed;
}

my_bool idn_generate_init(UDF_INIT* initid, UDF_ARGS* args, char* message);
my_bool idn_generate_init(UDF_INIT* initid, UDF_ARGS* args, char* message) {
    static const char* const names[GEN_ARGUMENTS] = {"region", "birth_from", "birth_to", "sex",
                                                     "count",  "seed",       "i"};
    generate_state* state;
    UDF_ARGS at_init;
    char* values[GEN_ARGUMENTS];
    unsigned long lengths[GEN_ARGUMENTS];
    char digits[GEN_ARGUMENTS][24];
    int i, constant = 1;
    if (args->arg_count != GEN_ARGUMENTS) {
        snprintf(message, MESSAGE_SIZE, "it takes 7 arguments: region, birth_from, birth_to, sex, count, seed, i");
        return 1;
    }
    /* The values the plan made here reads: a constant's is at hand now, but
     * an integer region or date is still an integer, so its digits are
     * written out (the server hands later rows the text). */
    at_init = *args;
    at_init.args = values;
    at_init.lengths = lengths;
    for (i = 0; i < GEN_ARGUMENTS; ++i) {
        enum Item_result type = args->arg_type[i];
        /* A NULL constant comes as no value and no length, an expression as
         * no value and its maximum length. */
        int null_constant = args->args[i] == NULL && args->lengths[i] == 0;
        values[i] = args->args[i];
        lengths[i] = args->lengths[i];
        if (null_constant) {
            args->arg_type[i] = i >= GEN_COUNT ? INT_RESULT : STRING_RESULT;
        } else if (i >= GEN_COUNT) {
            if (type != INT_RESULT) {
                snprintf(message, MESSAGE_SIZE, "%s must be an integer", names[i]);
                return 1;
            }
        } else if (type == INT_RESULT && i != GEN_SEX) {
            args->arg_type[i] = STRING_RESULT; /* a region code or a date as its digits */
            if (args->args[i] != NULL) {
                lengths[i] = (unsigned long)snprintf(digits[i], sizeof digits[i], "%lld", *(long long*)args->args[i]);
                values[i] = digits[i];
            }
        } else if (type != STRING_RESULT) {
            snprintf(message, MESSAGE_SIZE, "%s must be a string", names[i]);
            return 1;
        }
        if (i != GEN_INDEX && args->args[i] == NULL && !null_constant) constant = 0;
    }
    state = calloc(1, sizeof *state);
    if (state == NULL) {
        snprintf(message, MESSAGE_SIZE, "out of memory");
        return 1;
    }
    state->seed = statement_seed();
    initid->ptr = (char*)state;
    initid->maybe_null = 1;
    initid->max_length = 18;
    initid->const_item = 0;
    if (constant) {
        if (plan(state, &at_init, message) != IDN_OK) {
            free(state);
            initid->ptr = NULL;
            return 1;
        }
        state->key_length = plan_key(&at_init, state->key);
        state->planned = state->key_length > 0;
    }
    return 0;
}

void idn_generate_deinit(UDF_INIT* initid);
void idn_generate_deinit(UDF_INIT* initid) {
    free(initid->ptr);
    initid->ptr = NULL;
}

STRING_FUNCTION(idn_generate);
STRING_FUNCTION(idn_generate) {
    generate_state* state = (generate_state*)initid->ptr;
    char key[PLAN_KEY_CAPACITY];
    size_t key_length = plan_key(args, key);
    long long index;
    (void)error;
    if (key_length == 0 || key_length != state->key_length || memcmp(key, state->key, key_length) != 0) {
        state->planned = plan(state, args, NULL) == IDN_OK;
        state->key_length = key_length;
        memcpy(state->key, key, key_length);
    }
    if (!state->planned || args->args[GEN_INDEX] == NULL) {
        *is_null = 1;
        return NULL;
    }
    index = *(long long*)args->args[GEN_INDEX];
    if (index < 0 || (uint64_t)index >= idn_generator_count(&state->generator) ||
        idn_generator_number(&state->generator, (uint64_t)index, result, RESULT_BUFFER_SIZE) != IDN_OK) {
        *is_null = 1;
        return NULL;
    }
    *length = 18;
    return result;
}
