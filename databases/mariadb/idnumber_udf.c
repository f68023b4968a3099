/*
 * idnumber_udf.c: MariaDB loadable functions (UDFs) over the identity-number
 * library's C API (capi/idnumber.h), linked in statically into
 * idnumber_udf.so. install.sql loads them with CREATE FUNCTION ... SONAME
 * 'idnumber_udf.so' and defines idn_mask, a stored function over
 * idn_mask_utf8mb4; docs/mariadb.md is the user's page.
 *
 *   idn_valid(n [, year_limit])   INTEGER 1 or 0: the number passes every check
 *   idn_reason(n [, year_limit])  'length', 'characters', 'check' or 'date'; NULL when valid
 *   idn_expected_check(n)  the check character the first 17 digits call for
 *   idn_birth_date(n)      'YYYY-MM-DD'; NULL when no calendar has the date
 *   idn_sex(n)             '男' or '女'
 *   idn_province(n), idn_city(n), idn_county(n)  the region fields of the 2009 tables
 *   idn_code_status(n)     '2009', 'in_use', 'abolished' or 'unknown'
 *   idn_now(n)             JSON: the codes in use in 2024 that an ended code's area went to
 *   idn_kind(n)            'resident', 'hmt_permit' or 'foreigner_card'
 *   idn_upgrade(n)         the 18-character form of a 15-digit number; NULL for any other text
 *   idn_age(n, as_of)      INTEGER: the holder's age in completed years on the DATE as_of
 *   idn_mask_utf8mb4(t)    the mask of t's bytes taken as UTF-8 (idn_mask converts first)
 *   idn_generate(region, birth_from, birth_to, sex, count, seed, i)
 *                          number i (0 to count-1) of the distinct numbers the
 *                          options give (the same seed, the same numbers as
 *                          idtool generate)
 *   idn_find_json, idn_redact, idn_redact_number
 *                          find and de-identify numbers in text: idnumber_scan_udf.c
 *
 * n is a string or an integer (its decimal text); its bytes are verified as
 * they come, so any character set whose digits are ASCII's gives the same
 * verdict. NULL gives NULL, and every function from idn_birth_date to
 * idn_kind gives NULL for a refused number. The latest birth year is the
 * current year when the statement starts, or year_limit (1 to 9999) in the
 * two-argument forms, which therefore always give the same answer.
 *
 * Results are binary strings (the interface has no character set for them)
 * holding UTF-8. Every *_init checks the count and types of its arguments and
 * says what it wants. A row allocates nothing: the verdict functions keep the
 * year in UDF_INIT.ptr, idn_now and idn_generate allocate their state in the
 * init, and idn_mask_utf8mb4 grows a buffer only for a text longer than every
 * one before it that does not fit the server's result buffer.
 */
#define _GNU_SOURCE /* RTLD_DEFAULT */
#include <dlfcn.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

#include <mysql.h>
#include <mysqld_error.h>

#include "idnumber.h"
#include "udf_support.h"

/*
 * Connector/C declares UDF_INIT's max_length as unsigned int where the server
 * has unsigned long; on 64-bit little-endian machines the field starts at the
 * same place and the members after it line up, and only values below 2^32
 * are written to it.
 */
_Static_assert(sizeof(void*) == 8 && offsetof(UDF_INIT, ptr) == 16 && offsetof(UDF_INIT, const_item) == 24,
               "UDF_INIT has the server's layout");

/*
 * The server's UDF_ARGS. Connector/C's mysql.h declares its first five
 * members; the server's (as MySQL's) goes on with each argument's name as the
 * statement writes it: "?" for a placeholder of a prepared statement.
 */
typedef struct server_udf_args {
    unsigned int arg_count;
    enum Item_result* arg_type;
    char** args;
    unsigned long* lengths;
    char* maybe_null;
    const char** attributes;
    unsigned long* attribute_lengths;
    void* extension;
} server_udf_args;
_Static_assert(offsetof(server_udf_args, args) == offsetof(UDF_ARGS, args) &&
                   offsetof(server_udf_args, lengths) == offsetof(UDF_ARGS, lengths) &&
                   offsetof(server_udf_args, maybe_null) == offsetof(UDF_ARGS, maybe_null) &&
                   offsetof(server_udf_args, attributes) >= sizeof(UDF_ARGS),
               "UDF_ARGS begins as the server's");


/* The parameter names the library's messages use, indexed by idn_option_t:
 * this module's. One birth_from is both the one birth date and a range's
 * first date. */
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

/* ---- Messages to the server ------------------------------------------------- */

/* The server's error service, looked up in the program that loaded the module. */
printf_error_function server_printf_error(void) {
    return (printf_error_function)dlsym(RTLD_DEFAULT, "my_printf_error");
}

/* The first bytes of a UTF-8 text that fit `size` with a NUL, never half a
 * character. */
static size_t fitting_length(const char* text, size_t size) {
    size_t length = strlen(text);
    if (length < size) return length;
    length = size - 1;
    while (length > 0 && ((unsigned char)text[length] & 0xC0) == 0x80) --length;
    return length;
}

/*
 * Refuses an init with `text`: the whole of it into the server's buffer of
 * MYSQL_ERRMSG_SIZE bytes, and raised at once through the server's error
 * service. MariaDB shows only the first 80 characters of the buffer ("Can't
 * initialize function '%-.192s'; %-.80s"); the first error of a statement is
 * the one its client gets, so raising it whole first lets a long message
 * (a region's candidates) through.
 */
my_bool refuse(char* message, const char* function, const char* text) {
    static const char format[] = "Can't initialize function '%s'; %s";
    printf_error_function raise = server_printf_error();
    size_t length = fitting_length(text, MYSQL_ERRMSG_SIZE);
    memcpy(message, text, length);
    message[length] = '\0';
    if (raise != NULL) {
        char whole[MYSQL_ERRMSG_SIZE];
        size_t room = MYSQL_ERRMSG_SIZE - (sizeof format - 5) - strlen(function);
        length = fitting_length(text, room);
        memcpy(whole, text, length);
        whole[length] = '\0';
        raise(ER_CANT_INITIALIZE_UDF, format, 0, function, whole);
    }
    return 1;
}

/* A warning of the statement, "function: text", where the server is
 * MariaDB (whose flag marks a warning); nothing elsewhere. */
void warn_statement(const char* function, const char* text) {
    printf_error_function raise = server_printf_error();
    const char* version = (const char*)dlsym(RTLD_DEFAULT, "server_version");
    if (raise != NULL && version != NULL && strstr(version, "MariaDB") != NULL)
        raise(ER_UNKNOWN_ERROR, "%s: %s", SERVER_WARNING, function, text);
}

/* ---- Arguments ---------------------------------------------------------------- */

enum argument_kind argument_kind(const UDF_ARGS* args, unsigned i) {
    const server_udf_args* server = (const server_udf_args*)(const void*)args;
    if (args->args[i] != NULL) return ARGUMENT_VALUE;
    /* A placeholder looks like NULL but for its name. */
    if (server->attributes != NULL && server->attributes[i] != NULL && server->attribute_lengths[i] == 1 &&
        server->attributes[i][0] == '?')
        return ARGUMENT_PLACEHOLDER;
    /* The server gives a constant NULL no length; an expression its longest. */
    return args->lengths[i] == 0 && args->maybe_null[i] ? ARGUMENT_NULL : ARGUMENT_ROW;
}

/* An INTEGER argument's value (copied: a caller's buffer of it need not be
 * aligned). */
long long integer_argument(const UDF_ARGS* args, unsigned i) {
    long long value;
    memcpy(&value, args->args[i], sizeof value);
    return value;
}

/* The decimal text of a constant integer argument as the statement wrote it.
 * The server hands a BIGINT UNSIGNED above 2^63 - 1 over as the signed
 * integer of the same bits; its literal, the argument's name, keeps it. */
static const char* integer_text(const UDF_ARGS* args, unsigned i, char* digits, size_t size) {
    const server_udf_args* server = (const server_udf_args*)(const void*)args;
    long long value = integer_argument(args, i);
    if (value < 0 && server->attributes != NULL && server->attributes[i] != NULL) {
        const char* name = server->attributes[i];
        size_t length = server->attribute_lengths[i], at;
        for (at = 0; at < length && name[at] >= '0' && name[at] <= '9'; ++at) {
        }
        if (at == length && length > 0 && length < size) {
            memcpy(digits, name, length);
            digits[length] = '\0';
            return digits;
        }
    }
    snprintf(digits, size, "%lld", value);
    return digits;
}

/* A number or text argument: a string, or an integer the server hands over as
 * its decimal text; 0 for any other type. */
int text_argument(UDF_ARGS* args, unsigned i) {
    if (args->arg_type[i] == INT_RESULT) args->arg_type[i] = STRING_RESULT;
    return args->arg_type[i] == STRING_RESULT;
}

/* An integer argument; a NULL or a placeholder (typed as a string until it
 * has a value) is asked for as one. 0 for any other type. */
int integer_parameter(UDF_ARGS* args, unsigned i) {
    enum argument_kind kind = argument_kind(args, i);
    if (kind == ARGUMENT_NULL || kind == ARGUMENT_PLACEHOLDER) args->arg_type[i] = INT_RESULT;
    return args->arg_type[i] == INT_RESULT;
}

/* ---- The verdict functions ------------------------------------------------------- */

/*
 * year_limit, the second argument of idn_valid and idn_reason: an integer;
 * a constant one from 1 to 9999 (the deterministic forms take no 0, which
 * stands for the clock's year in the C API), refused otherwise with the
 * library's message. A row's value outside those years gives NULL.
 */
static int check_year_limit(UDF_ARGS* args, char* message, const char* function) {
    long long limit;
    char digits[24], text[IDN_MESSAGE_SIZE];
    if (!integer_parameter(args, 1)) {
        refuse(message, function, "year_limit must be an integer");
        return 0;
    }
    if (argument_kind(args, 1) != ARGUMENT_VALUE) return 1;
    limit = integer_argument(args, 1);
    if (limit >= 1 && limit <= IDN_YEAR_LIMIT_MAX) return 1;
    integer_text(args, 1, digits, sizeof digits);
    idn_option_message(IDN_ERROR_YEAR_LIMIT, digits, strlen(digits), SQL_NAMES, SQL_NAME_COUNT, text, sizeof text,
                       NULL);
    refuse(message, function, text);
    return 0;
}

/* The init of a function of one number, and of year_limit where it takes
 * one. The current year goes into initid->ptr. */
static my_bool init_number_function(UDF_INIT* initid, UDF_ARGS* args, char* message, const char* function,
                                    unsigned long max_length, int takes_year_limit) {
    if (args->arg_count != 1 && !(takes_year_limit && args->arg_count == 2))
        return refuse(message, function,
                      takes_year_limit ? "it takes the identity number, a string or an integer, and may take "
                                         "year_limit, an integer from 1 to 9999"
                                       : "it takes one argument: the identity number, a string or an integer");
    if (!text_argument(args, 0))
        return refuse(message, function, "the number is a string or an integer; CAST a REAL or DECIMAL AS CHAR");
    if (args->arg_count == 2 && !check_year_limit(args, message, function)) return 1;
    initid->maybe_null = 1;
    initid->max_length = max_length;
    initid->const_item = 0;
    initid->ptr = (char*)(intptr_t)idn_current_year();
    return 0;
}

/* The verdict of a row; 0 when the result is NULL (a NULL number, a NULL or
 * refused year_limit). */
static int verify_row(const UDF_INIT* initid, const UDF_ARGS* args, int year_limit, idn_verdict_t* verdict) {
    if (args->args[0] == NULL) return 0;
    if (args->arg_count == 2) {
        long long limit;
        if (args->args[1] == NULL) return 0;
        limit = integer_argument(args, 1);
        if (limit < 1 || limit > IDN_YEAR_LIMIT_MAX) return 0;
        year_limit = (int)limit;
    } else if (year_limit == 0) {
        year_limit = (int)(intptr_t)initid->ptr;
    }
    verdict->size = sizeof *verdict;
    return idn_verify(args->args[0], args->lengths[0], year_limit, verdict) == IDN_OK;
}

/* A text of the library's constant tables into the result; NULL for none. */
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

/* The longest of the names a library function gives for the values from
 * `first` on, up to the first value it has no name for: the result's
 * longest length, asked of the library rather than written here. */
static unsigned long longest_name(const char* (*name)(int), int first) {
    unsigned long longest = 0;
    const char* text;
    for (; (text = name(first)) != NULL; ++first)
        if (strlen(text) > longest) longest = (unsigned long)strlen(text);
    return longest;
}

/* Declares NAME_init (the result's longest length, whether year_limit may
 * follow) and NAME_deinit, which has nothing to free. */
#define NUMBER_FUNCTION_LIFETIME(name, max_length, takes_year_limit) \
    my_bool name##_init(UDF_INIT* initid, UDF_ARGS* args, char* message); \
    void name##_deinit(UDF_INIT* initid); \
    my_bool name##_init(UDF_INIT* initid, UDF_ARGS* args, char* message) { \
        return init_number_function(initid, args, message, #name, max_length, takes_year_limit); \
    } \
    void name##_deinit(UDF_INIT* initid) { (void)initid; }

#define STRING_FUNCTION(name) \
    char* name(UDF_INIT* initid, UDF_ARGS* args, char* result, unsigned long* length, char* is_null, char* error)

NUMBER_FUNCTION_LIFETIME(idn_valid, 1, 1)
long long idn_valid(UDF_INIT* initid, UDF_ARGS* args, char* is_null, char* error);
long long idn_valid(UDF_INIT* initid, UDF_ARGS* args, char* is_null, char* error) {
    idn_verdict_t verdict;
    (void)error;
    if (!verify_row(initid, args, 0, &verdict)) {
        *is_null = 1;
        return 0;
    }
    return verdict.reason == IDN_VALID;
}

NUMBER_FUNCTION_LIFETIME(idn_reason, longest_name(idn_reason_name, IDN_REASON_LENGTH), 1)
STRING_FUNCTION(idn_reason);
STRING_FUNCTION(idn_reason) {
    idn_verdict_t verdict;
    (void)error;
    if (!verify_row(initid, args, 0, &verdict)) return text_result(NULL, result, length, is_null);
    return text_result(idn_reason_name(verdict.reason), result, length, is_null);
}

/* The verdict of a valid number; 0 when the result is NULL. */
static int valid_row(const UDF_INIT* initid, const UDF_ARGS* args, idn_verdict_t* verdict) {
    return verify_row(initid, args, 0, verdict) && verdict->reason == IDN_VALID;
}

NUMBER_FUNCTION_LIFETIME(idn_expected_check, 1, 0)
STRING_FUNCTION(idn_expected_check);
STRING_FUNCTION(idn_expected_check) {
    idn_verdict_t verdict;
    (void)error;
    if (!verify_row(initid, args, 0, &verdict) || verdict.expected_check == 0)
        return text_result(NULL, result, length, is_null);
    result[0] = (char)verdict.expected_check;
    *length = 1;
    return result;
}

/*
 * 'YYYY-MM-DD'. Verification checks only that the month is at most 12 and
 * the day at most 31, so a valid number may carry a day no calendar has
 * (19900231, or a month or day 00): that gives NULL, as no DATE holds it.
 */
NUMBER_FUNCTION_LIFETIME(idn_birth_date, sizeof "YYYY-MM-DD" - 1, 0)
STRING_FUNCTION(idn_birth_date);
STRING_FUNCTION(idn_birth_date) {
    idn_verdict_t verdict;
    (void)error;
    if (!valid_row(initid, args, &verdict) ||
        !idn_is_calendar_date(verdict.birth_year, verdict.birth_month, verdict.birth_day))
        return text_result(NULL, result, length, is_null);
    *length = (unsigned long)snprintf(result, RESULT_BUFFER_SIZE, "%04d-%02d-%02d", verdict.birth_year,
                                      verdict.birth_month, verdict.birth_day);
    return result;
}

NUMBER_FUNCTION_LIFETIME(idn_sex, longest_name(idn_sex_name, IDN_SEX_MALE), 0)
STRING_FUNCTION(idn_sex);
STRING_FUNCTION(idn_sex) {
    idn_verdict_t verdict;
    (void)error;
    if (!valid_row(initid, args, &verdict)) return text_result(NULL, result, length, is_null);
    return text_result(idn_sex_name(verdict.sex), result, length, is_null);
}

/* The region fields of a valid number; 0 when the result is NULL. */
static int region_fields(const UDF_INIT* initid, const UDF_ARGS* args, idn_region_fields_t* fields) {
    idn_verdict_t verdict;
    fields->size = sizeof *fields;
    return valid_row(initid, args, &verdict) && idn_region_fields(verdict.region_code, fields) == IDN_OK;
}

NUMBER_FUNCTION_LIFETIME(idn_province, IDN_REGION_TEXT_MAX_LENGTH, 0)
STRING_FUNCTION(idn_province);
STRING_FUNCTION(idn_province) {
    idn_region_fields_t fields;
    (void)error;
    return text_result(region_fields(initid, args, &fields) ? fields.province : NULL, result, length, is_null);
}

NUMBER_FUNCTION_LIFETIME(idn_city, IDN_REGION_TEXT_MAX_LENGTH, 0)
STRING_FUNCTION(idn_city);
STRING_FUNCTION(idn_city) {
    idn_region_fields_t fields;
    (void)error;
    return text_result(region_fields(initid, args, &fields) ? fields.city : NULL, result, length, is_null);
}

NUMBER_FUNCTION_LIFETIME(idn_county, IDN_REGION_TEXT_MAX_LENGTH, 0)
STRING_FUNCTION(idn_county);
STRING_FUNCTION(idn_county) {
    idn_region_fields_t fields;
    (void)error;
    return text_result(region_fields(initid, args, &fields) ? fields.county : NULL, result, length, is_null);
}

NUMBER_FUNCTION_LIFETIME(idn_code_status, longest_name(idn_code_status_name, IDN_CODE_UNKNOWN), 0)
STRING_FUNCTION(idn_code_status);
STRING_FUNCTION(idn_code_status) {
    idn_verdict_t verdict;
    (void)error;
    if (!valid_row(initid, args, &verdict)) return text_result(NULL, result, length, is_null);
    return text_result(idn_code_status_name(idn_code_status_of(verdict.region_code)), result, length,
                       is_null);
}

NUMBER_FUNCTION_LIFETIME(idn_kind, longest_name(idn_kind_name, IDN_KIND_RESIDENT), 0)
STRING_FUNCTION(idn_kind);
STRING_FUNCTION(idn_kind) {
    idn_verdict_t verdict;
    (void)error;
    if (!valid_row(initid, args, &verdict)) return text_result(NULL, result, length, is_null);
    return text_result(idn_kind_name(verdict.kind), result, length, is_null);
}

/* idn_now's statement: the year, and room for the longest value. */
typedef struct now_state {
    int year_limit;
    char json[IDN_NOW_CODES_JSON_SIZE];
} now_state;

my_bool idn_now_init(UDF_INIT* initid, UDF_ARGS* args, char* message);
my_bool idn_now_init(UDF_INIT* initid, UDF_ARGS* args, char* message) {
    now_state* state;
    if (init_number_function(initid, args, message, "idn_now", IDN_NOW_CODES_JSON_SIZE - 1, 0) != 0) return 1;
    if ((state = malloc(sizeof *state)) == NULL) return refuse(message, "idn_now", "out of memory");
    state->year_limit = (int)(intptr_t)initid->ptr;
    initid->ptr = (char*)state;
    return 0;
}

void idn_now_deinit(UDF_INIT* initid);
void idn_now_deinit(UDF_INIT* initid) {
    free(initid->ptr);
    initid->ptr = NULL;
}

STRING_FUNCTION(idn_now);
STRING_FUNCTION(idn_now) {
    now_state* state = (now_state*)initid->ptr;
    idn_verdict_t verdict;
    size_t written = 0;
    if (!verify_row(initid, args, state->year_limit, &verdict) || verdict.reason != IDN_VALID)
        return text_result(NULL, result, length, is_null);
    if (idn_now_codes_json(verdict.region_code, state->json, sizeof state->json, &written) != IDN_OK) {
        *error = 1;
        return NULL;
    }
    *length = (unsigned long)written;
    return state->json;
}

/* ---- Age ---------------------------------------------------------------------------- */

/*
 * idn_age(n, as_of): the holder's age in completed years on the date as_of,
 * a DATE or its text 'YYYY-MM-DD' (a DATETIME's time after it is ignored);
 * NULL where the library gives none (a refused number, a birth date no
 * calendar has, a date before the birth). The number is judged by every
 * rule but the year (limit 9999): a birth after as_of has no age there
 * anyway, so the answer depends on the arguments alone. A constant as_of
 * that is no date fails the statement; a row's gives NULL.
 */

/* as_of's year, month and day: 1 when it is 'YYYY-MM-DD', alone or before a
 * time ' hh:mm:ss[.ffffff]'; whether the calendar has the date is the
 * library's to say. */
static int date_argument(const char* text, unsigned long length, int* year, int* month, int* day) {
    int parts[3] = {0, 0, 0}, part = 0;
    unsigned long i;
    if (text == NULL || length < 10) return 0;
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
    if (length > 10) {
        /* hh:mm:ss, then optionally a fraction */
        static const char shape[] = " 00:00:00";
        if (length < 19) return 0;
        for (i = 10; i < 19; ++i)
            if (shape[i - 10] == '0' ? text[i] < '0' || text[i] > '9' : text[i] != shape[i - 10]) return 0;
        if (length > 19 && (text[19] != '.' || length == 20)) return 0;
        for (i = 20; i < length; ++i)
            if (text[i] < '0' || text[i] > '9') return 0;
    }
    *year = parts[0];
    *month = parts[1];
    *day = parts[2];
    return 1;
}

my_bool idn_age_init(UDF_INIT* initid, UDF_ARGS* args, char* message);
my_bool idn_age_init(UDF_INIT* initid, UDF_ARGS* args, char* message) {
    static const char usage[] = "it takes the identity number, a string or an integer, and as_of, a DATE or its text "
                                "YYYY-MM-DD";
    char text[96];
    int year, month, day;
    if (args->arg_count != 2) return refuse(message, "idn_age", usage);
    if (!text_argument(args, 0))
        return refuse(message, "idn_age", "the number is a string or an integer; CAST a REAL or DECIMAL AS CHAR");
    if (args->arg_type[1] != STRING_RESULT) return refuse(message, "idn_age", "as_of is a DATE or its text YYYY-MM-DD");
    if (argument_kind(args, 1) == ARGUMENT_VALUE) {
        if (!date_argument(args->args[1], args->lengths[1], &year, &month, &day))
            return refuse(message, "idn_age", "as_of must be a date, YYYY-MM-DD");
        if (!idn_is_calendar_date(year, month, day)) {
            snprintf(text, sizeof text, "as_of %.10s is no calendar date", args->args[1]);
            return refuse(message, "idn_age", text);
        }
    }
    initid->maybe_null = 1;
    initid->max_length = 11;
    initid->const_item = 0;
    initid->ptr = NULL;
    return 0;
}

void idn_age_deinit(UDF_INIT* initid);
void idn_age_deinit(UDF_INIT* initid) { (void)initid; }

long long idn_age(UDF_INIT* initid, UDF_ARGS* args, char* is_null, char* error);
long long idn_age(UDF_INIT* initid, UDF_ARGS* args, char* is_null, char* error) {
    idn_verdict_t verdict = {.size = sizeof verdict};
    int year, month, day;
    int32_t age;
    (void)initid, (void)error;
    if (args->args[0] == NULL || !date_argument(args->args[1], args->lengths[1], &year, &month, &day) ||
        idn_verify(args->args[0], args->lengths[0], IDN_YEAR_LIMIT_MAX, &verdict) != IDN_OK ||
        idn_age_on(&verdict, year, month, day, &age) != IDN_OK) {
        *is_null = 1;
        return 0;
    }
    return age;
}

/* ---- Conversions ------------------------------------------------------------------ */

/*
 * NULL for a text that is not 15 digits with a month up to 12 and a day up to
 * 31: a loadable function cannot raise an error for one row. So upgrade a
 * column with UPDATE t SET id = idn_upgrade(id) WHERE idn_upgrade(id) IS NOT
 * NULL, which leaves what does not convert as it was.
 */
NUMBER_FUNCTION_LIFETIME(idn_upgrade, IDN_NUMBER_SIZE - 1, 0)
STRING_FUNCTION(idn_upgrade);
STRING_FUNCTION(idn_upgrade) {
    size_t written = 0;
    (void)initid, (void)error;
    if (args->args[0] == NULL ||
        idn_upgrade_number(args->args[0], args->lengths[0], result, IDN_NUMBER_SIZE, &written) != IDN_OK)
        return text_result(NULL, result, length, is_null);
    *length = (unsigned long)written;
    return result;
}

/*
 * The mask of a text's bytes taken as UTF-8: a utf8mb4 text, or a binary
 * string's bytes as they are. idn_mask, the stored function of install.sql,
 * calls it with its argument converted to utf8mb4 by the server, whatever
 * character set the argument had. A mask that does not fit the server's
 * buffer goes into one of the statement's, grown when a text is longer than
 * every one before it.
 */
typedef struct mask_buffer {
    size_t capacity;
    char bytes[];
} mask_buffer;

my_bool idn_mask_utf8mb4_init(UDF_INIT* initid, UDF_ARGS* args, char* message);
my_bool idn_mask_utf8mb4_init(UDF_INIT* initid, UDF_ARGS* args, char* message) {
    if (args->arg_count != 1)
        return refuse(message, "idn_mask_utf8mb4", "it takes one argument: a text, a string or an integer");
    if (!text_argument(args, 0))
        return refuse(message, "idn_mask_utf8mb4", "the text is a string or an integer; CAST a REAL or DECIMAL AS CHAR");
    initid->maybe_null = 1;
    initid->const_item = 0;
    initid->max_length = args->lengths[0] < UINT32_MAX - IDN_MASK_SIZE(0) ? IDN_MASK_SIZE(args->lengths[0]) - 1
                                                                         : UINT32_MAX;
    initid->ptr = NULL;
    return 0;
}

void idn_mask_utf8mb4_deinit(UDF_INIT* initid);
void idn_mask_utf8mb4_deinit(UDF_INIT* initid) {
    free(initid->ptr);
    initid->ptr = NULL;
}

STRING_FUNCTION(idn_mask_utf8mb4);
STRING_FUNCTION(idn_mask_utf8mb4) {
    size_t size, written = 0;
    char* out = result;
    if (args->args[0] == NULL) return text_result(NULL, result, length, is_null);
    size = IDN_MASK_SIZE((size_t)args->lengths[0]);
    if (size > RESULT_BUFFER_SIZE) {
        mask_buffer* buffer = (mask_buffer*)initid->ptr;
        if (buffer == NULL || buffer->capacity < size) {
            size_t capacity = buffer != NULL ? buffer->capacity : 1024;
            mask_buffer* grown;
            while (capacity < size) capacity *= 2;
            if ((grown = realloc(buffer, sizeof *buffer + capacity)) == NULL) {
                *error = 1;
                return NULL;
            }
            grown->capacity = capacity;
            initid->ptr = (char*)(buffer = grown);
        }
        out = buffer->bytes;
    }
    if (idn_mask_text(args->args[0], args->lengths[0], out, size, &written) != IDN_OK) {
        *error = 1;
        return NULL;
    }
    *length = (unsigned long)written;
    return out;
}

/* ---- Generation ----------------------------------------------------------------------- */

/*
 * idn_generate(region, birth_from, birth_to, sex, count, seed, i): number i
 * of the numbers the options give. birth_to NULL: birth_from is the one birth
 * date; otherwise the range of real dates. NULL is an option not given: sex
 * any, count 1, seed one drawn for the statement (a region or birth_from not
 * given is refused). A negative seed is the unsigned seed of the same bits.
 * i NULL or outside 0 to count-1 gives NULL.
 *
 * When the options are constants the numbers are planned once, in the init,
 * and a refused option fails the statement with the library's message; a
 * birth date that is no calendar date is a warning. Options that vary by row
 * are planned when they change, and a refused one gives NULL.
 *
 * A prepared statement's init sees its placeholders without values while it
 * is prepared, and each EXECUTE inits again with the values bound; a NULL
 * bound looks the same as no value yet. So a placeholder is planned as NULL,
 * and a refusal with one among the options waits for the rows (NULL) rather
 * than failing a statement that may yet be given other values.
 */
enum { GEN_REGION, GEN_BIRTH_FROM, GEN_BIRTH_TO, GEN_SEX, GEN_COUNT, GEN_SEED, GEN_INDEX, GEN_ARGUMENTS };

/* The options of a plan as one key: every argument's bytes after its length. */
#define PLAN_KEY_CAPACITY 600

typedef struct generate_state {
    idn_generator_t generator;
    int planned;        /* the generator holds the plan of `key`, which was not refused */
    int year_limit;     /* the current year when the statement started */
    int count_unsigned; /* count is a BIGINT UNSIGNED literal, handed over as the signed integer of its bits */
    uint64_t seed;      /* for a NULL seed: one for the whole statement, so that its plans agree */
    size_t key_length;
    char key[PLAN_KEY_CAPACITY];
} generate_state;

/* The options of the row as a key; 0 when they do not fit (no plan is kept). */
static size_t plan_key(const UDF_ARGS* args, char* key) {
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

/* Sets a string argument as an option; NULL sets none. */
static void set_text_option(generate_state* state, const UDF_ARGS* args, int argument, int option) {
    if (args->args[argument] != NULL)
        idn_generator_set_text(&state->generator, option, args->args[argument], args->lengths[argument]);
}

/*
 * Plans the row's options into the state: the library judges them, in its
 * order, and the status of its refusal or IDN_OK comes back. With
 * `message`, writes the message of the refusal or of the warning there (an
 * empty text when there is none).
 */
static int plan(generate_state* state, const UDF_ARGS* args, char* message) {
    idn_generator_t* generator = &state->generator;
    int status;
    idn_generator_init(generator, sizeof *generator);
    set_text_option(state, args, GEN_REGION, IDN_OPTION_REGION);
    set_text_option(state, args, GEN_BIRTH_FROM,
                    args->args[GEN_BIRTH_TO] == NULL ? IDN_OPTION_BIRTH : IDN_OPTION_BORN_FROM);
    set_text_option(state, args, GEN_BIRTH_TO, IDN_OPTION_BORN_TO);
    set_text_option(state, args, GEN_SEX, IDN_OPTION_SEX);
    if (args->args[GEN_COUNT] != NULL) {
        long long count = integer_argument(args, GEN_COUNT);
        if (state->count_unsigned)
            idn_generator_set_unsigned(generator, IDN_OPTION_COUNT, (uint64_t)count);
        else
            idn_generator_set_integer(generator, IDN_OPTION_COUNT, count);
    }
    /* A negative seed is the unsigned seed of the same bits, also for a
     * BIGINT UNSIGNED above 2^63 - 1, which arrives as those bits. */
    if (args->args[GEN_SEED] != NULL)
        idn_generator_set_integer(generator, IDN_OPTION_SEED, integer_argument(args, GEN_SEED));
    else
        idn_generator_set_unsigned(generator, IDN_OPTION_SEED, state->seed);
    idn_generator_set_integer(generator, IDN_OPTION_YEAR_LIMIT, state->year_limit);
    status = idn_generator_prepare(generator);
    if (message != NULL) idn_generator_message(generator, SQL_NAMES, SQL_NAME_COUNT, message, IDN_MESSAGE_SIZE, NULL);
    return status;
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
    char text[IDN_MESSAGE_SIZE];
    int i, constant = 1, placeholders = 0, count_unsigned = 0;
    if (args->arg_count != GEN_ARGUMENTS)
        return refuse(message, "idn_generate", "it takes 7 arguments: region, birth_from, birth_to, sex, count, seed, i");
    /* The values the plan made here reads: a constant's is at hand now, but
     * an integer region or date is still an integer, so its digits are
     * written out (the server hands later rows the text). */
    at_init = *args;
    at_init.args = values;
    at_init.lengths = lengths;
    for (i = 0; i < GEN_ARGUMENTS; ++i) {
        enum argument_kind kind = argument_kind(args, (unsigned)i);
        values[i] = args->args[i];
        lengths[i] = args->lengths[i];
        if (i >= GEN_COUNT) {
            if (!integer_parameter(args, (unsigned)i)) {
                snprintf(text, sizeof text, "%s must be an integer", names[i]);
                return refuse(message, "idn_generate", text);
            }
        } else if (args->arg_type[i] == INT_RESULT && i != GEN_SEX) {
            args->arg_type[i] = STRING_RESULT; /* a region code or a date as its digits */
            if (kind == ARGUMENT_VALUE) {
                lengths[i] = (unsigned long)snprintf(digits[i], sizeof digits[i], "%lld", integer_argument(args, i));
                values[i] = digits[i];
            }
        } else if (args->arg_type[i] != STRING_RESULT) {
            snprintf(text, sizeof text, "%s must be a string", names[i]);
            return refuse(message, "idn_generate", text);
        }
        /* An unsigned count above 2^63 - 1, which the library refuses as it is. */
        if (i == GEN_COUNT && kind == ARGUMENT_VALUE && integer_argument(args, i) < 0 &&
            integer_text(args, i, digits[i], sizeof digits[i])[0] != '-')
            count_unsigned = 1;
        if (i != GEN_INDEX && kind == ARGUMENT_ROW) constant = 0;
        if (i != GEN_INDEX && kind == ARGUMENT_PLACEHOLDER) placeholders = 1;
    }
    if ((state = calloc(1, sizeof *state)) == NULL) return refuse(message, "idn_generate", "out of memory");
    /* Every plan of the statement (options from a column are planned again
     * when they change) draws with one seed, so that its rows are distinct. */
    state->seed = idn_system_seed();
    state->year_limit = idn_current_year();
    state->count_unsigned = count_unsigned;
    initid->ptr = (char*)state;
    initid->maybe_null = 1;
    initid->max_length = IDN_NUMBER_SIZE - 1;
    initid->const_item = 0;
    if (constant) {
        if (plan(state, &at_init, text) != IDN_OK) {
            if (placeholders) return 0;
            free(state);
            initid->ptr = NULL;
            return refuse(message, "idn_generate", text);
        }
        if (idn_generator_warning(&state->generator) != IDN_WARNING_NONE) warn_statement("idn_generate", text);
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
    size_t written = 0;
    (void)error;
    if (key_length == 0 || key_length != state->key_length || memcmp(key, state->key, key_length) != 0) {
        state->planned = plan(state, args, NULL) == IDN_OK;
        state->key_length = key_length;
        memcpy(state->key, key, key_length);
    }
    if (!state->planned || args->args[GEN_INDEX] == NULL) return text_result(NULL, result, length, is_null);
    index = integer_argument(args, GEN_INDEX);
    if (index < 0 || index >= idn_generator_count(&state->generator) ||
        idn_generator_number(&state->generator, index, result, IDN_NUMBER_SIZE, &written) != IDN_OK)
        return text_result(NULL, result, length, is_null);
    *length = (unsigned long)written;
    return result;
}
