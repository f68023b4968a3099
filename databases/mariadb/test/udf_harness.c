/*
 * udf_harness.c: calls idnumber_udf.so as the server calls it, without a
 * server, to check what a server test cannot see: that no row allocates
 * memory (malloc and its kin are counted here, in the program that loads
 * the module), that every *_init refuses wrong arguments with a message, and
 * what the module hands the server's error service, which this program
 * stands in for (my_printf_error, exported with -rdynamic).
 *
 *   udf_harness PATH/idnumber_udf.so
 *
 * Built with -DUNCOUNTED_ALLOCATIONS under the sanitizers, which keep
 * malloc to themselves: every check but the counts. Prints one line per
 * check and "N passed, N failed"; exits 1 on a failure.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <mysql.h>

/* ---- Counting allocations ------------------------------------------------ */

static long allocations;

#ifndef UNCOUNTED_ALLOCATIONS
extern void* __libc_malloc(size_t size);
extern void* __libc_calloc(size_t count, size_t size);
extern void* __libc_realloc(void* pointer, size_t size);
extern void __libc_free(void* pointer);

void* malloc(size_t size) {
    ++allocations;
    return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) {
    ++allocations;
    return __libc_calloc(count, size);
}
void* realloc(void* pointer, size_t size) {
    ++allocations;
    return __libc_realloc(pointer, size);
}
void free(void* pointer) { __libc_free(pointer); }
#define COUNTS_ALLOCATIONS 1
#else
#define COUNTS_ALLOCATIONS 0
#endif

/* ---- The server's error service --------------------------------------------- */

/* What the module raised last, and with which flags. */
static char raised[MYSQL_ERRMSG_SIZE];
static unsigned long raised_flags;

void my_printf_error(unsigned int error, const char* format, unsigned long flags, ...);
void my_printf_error(unsigned int error, const char* format, unsigned long flags, ...) {
    va_list list;
    (void)error;
    va_start(list, flags);
    vsnprintf(raised, sizeof raised, format, list);
    va_end(list);
    raised_flags = flags;
}

/* ---- Calling the module ---------------------------------------------------- */

typedef my_bool (*init_function)(UDF_INIT*, UDF_ARGS*, char*);
typedef void (*deinit_function)(UDF_INIT*);
typedef char* (*string_function)(UDF_INIT*, UDF_ARGS*, char*, unsigned long*, char*, char*);
typedef long long (*integer_function)(UDF_INIT*, UDF_ARGS*, char*, char*);

static void* module;
static int passed, failed;

static void check(int ok, const char* what) {
    if (ok) {
        ++passed;
        printf("ok: %s\n", what);
    } else {
        ++failed;
        printf("FAIL: %s\n", what);
    }
}

static void* entry(const char* name) {
    void* found = dlsym(module, name);
    if (found == NULL) {
        fprintf(stderr, "udf_harness: %s is missing\n", name);
        exit(1);
    }
    return found;
}

static void* entry_of(const char* function, const char* suffix) {
    char name[64];
    snprintf(name, sizeof name, "%s%s", function, suffix);
    return entry(name);
}

/* A call's arguments, laid out as the server lays them: UDF_ARGS, then each
 * argument's name as the statement writes it. */
typedef struct server_args {
    unsigned int arg_count;
    enum Item_result* arg_type;
    char** args;
    unsigned long* lengths;
    char* maybe_null;
    const char** attributes;
    unsigned long* attribute_lengths;
    void* extension;
} server_args;

typedef struct call {
    server_args args;
    enum Item_result types[8];
    char* values[8];
    unsigned long lengths[8];
    char maybe_null[8];
    const char* attributes[8];
    unsigned long attribute_lengths[8];
    long long integers[8];
} call;

static UDF_ARGS* udf_args(call* c) { return (UDF_ARGS*)(void*)&c->args; }

static void set_attribute(call* c, unsigned i, const char* name) {
    c->attributes[i] = name;
    c->attribute_lengths[i] = strlen(name);
}

/* A constant string, or NULL for the constant NULL. */
static void set_string(call* c, unsigned i, const char* value, size_t length) {
    c->types[i] = STRING_RESULT;
    c->values[i] = (char*)value;
    c->lengths[i] = value != NULL ? (unsigned long)length : 0;
    c->maybe_null[i] = value == NULL;
    set_attribute(c, i, value != NULL ? "'...'" : "NULL");
}

static void set_integer(call* c, unsigned i, long long value) {
    c->types[i] = INT_RESULT;
    c->integers[i] = value;
    c->values[i] = (char*)&c->integers[i];
    c->lengths[i] = 21;
    set_attribute(c, i, "1");
}

/* A column of a type: no value at init, its longest length. */
static void set_column(call* c, unsigned i, enum Item_result type, unsigned long max_length) {
    c->types[i] = type;
    c->values[i] = NULL;
    c->lengths[i] = max_length;
    c->maybe_null[i] = 1;
    set_attribute(c, i, "column");
}

static void start_call(call* c, unsigned count) {
    memset(c, 0, sizeof *c);
    c->args.arg_count = count;
    c->args.arg_type = c->types;
    c->args.args = c->values;
    c->args.lengths = c->lengths;
    c->args.maybe_null = c->maybe_null;
    c->args.attributes = c->attributes;
    c->args.attribute_lengths = c->attribute_lengths;
}

/* The server's result buffer for string functions: at least 255 bytes. */
#define RESULT_SIZE 255

static char* call_string(const char* function, UDF_INIT* initid, call* c, char* result, unsigned long* length) {
    char is_null = 0, error = 0;
    char* value;
    *length = RESULT_SIZE;
    value = ((string_function)entry(function))(initid, udf_args(c), result, length, &is_null, &error);
    return is_null || error ? NULL : value;
}

/* ---- Rows allocate nothing ----------------------------------------------------- */

/* The row inputs: a valid number, each refusal, bytes that are no UTF-8. */
static const char* const numbers[] = {
    "11010519491231002X", "512201198001010012", "1101051949123100", "11010519491231002x",
    "110105194912310021", "110105194913310021", "\xff\xfe\x01\x02", "", "110105491231002",
};
#define NUMBER_COUNT (sizeof numbers / sizeof numbers[0])

/* Runs a function of one number (and, with `year_column`, a year_limit
 * column) over the inputs many times; counts the rows' allocations. */
static void rows_allocate_nothing(const char* function, int integer_result, int year_column) {
    char message[MYSQL_ERRMSG_SIZE], result[RESULT_SIZE + 1], what[MYSQL_ERRMSG_SIZE + 128];
    UDF_INIT initid;
    call c;
    long before = 0;
    int round;
    size_t i;
    memset(&initid, 0, sizeof initid);
    start_call(&c, year_column ? 2 : 1);
    set_column(&c, 0, STRING_RESULT, 64);
    if (year_column) set_column(&c, 1, INT_RESULT, 11);
    if (((init_function)entry_of(function, "_init"))(&initid, udf_args(&c), message) != 0) {
        snprintf(what, sizeof what, "%s_init accepts a string column: %s", function, message);
        check(0, what);
        return;
    }
    /* One round first, so that what the statement keeps is there. */
    for (round = 0; round < 2; ++round) {
        if (round == 1) before = allocations;
        for (i = 0; i < NUMBER_COUNT * 100; ++i) {
            const char* number = numbers[i % NUMBER_COUNT];
            unsigned long length = 0;
            char is_null = 0, error = 0;
            set_string(&c, 0, number, strlen(number));
            if (year_column) {
                set_integer(&c, 1, (long long)(i % 3 == 0 ? 1990 : 9999));
                if (i % 7 == 0) c.values[1] = NULL;
            }
            if (integer_result)
                ((integer_function)entry(function))(&initid, udf_args(&c), &is_null, &error);
            else
                call_string(function, &initid, &c, result, &length);
        }
    }
    ((deinit_function)entry_of(function, "_deinit"))(&initid);
    if (!COUNTS_ALLOCATIONS) return;
    snprintf(what, sizeof what, "%s%s: %zu rows allocate nothing (%ld allocations)", function,
             year_column ? " with a year_limit column" : "", NUMBER_COUNT * 100, allocations - before);
    check(allocations == before, what);
}

/* idn_mask_utf8mb4 over texts of every length up to 1 MiB: short masks go
 * into the server's buffer, longer ones into the statement's, which grows
 * only when a text is longer than every one before. */
static void mask_grows_its_buffer_only(void) {
    static char text[1 << 20];
    char message[MYSQL_ERRMSG_SIZE], result[RESULT_SIZE + 1], what[160];
    UDF_INIT initid;
    call c;
    long before, short_texts;
    size_t length;
    int rows = 0, kept = 1;
    memset(text, '7', sizeof text);
    memset(&initid, 0, sizeof initid);
    start_call(&c, 1);
    set_column(&c, 0, STRING_RESULT, sizeof text);
    ((init_function)entry("idn_mask_utf8mb4_init"))(&initid, udf_args(&c), message);
    before = allocations;
    for (length = 1; length <= sizeof text; length = length * 5 / 4 + 1) {
        unsigned long written = 0;
        int repeat;
        for (repeat = 0; repeat < 10; ++repeat, ++rows) {
            set_string(&c, 0, text, length);
            kept = kept && call_string("idn_mask_utf8mb4", &initid, &c, result, &written) != NULL && written == length;
        }
        if (length < 200) short_texts = allocations - before;
    }
    check(kept, "idn_mask_utf8mb4 keeps a text's length");
    ((deinit_function)entry("idn_mask_utf8mb4_deinit"))(&initid);
    if (!COUNTS_ALLOCATIONS) return;
    check(short_texts == 0, "idn_mask_utf8mb4: texts that fit the server's buffer allocate nothing");
    snprintf(what, sizeof what, "idn_mask_utf8mb4: %d rows of up to 1 MiB make %ld allocations", rows,
             allocations - before);
    check(allocations - before <= 12, what);
}

/* idn_generate with options from a column that change every few rows. */
static void generate_rows_allocate_nothing(void) {
    static const char* const regions[] = {"110105", "阳泉市/城区", "城区", "440303"};
    char message[MYSQL_ERRMSG_SIZE], result[RESULT_SIZE + 1], what[128];
    UDF_INIT initid;
    call c;
    long before;
    int row;
    memset(&initid, 0, sizeof initid);
    start_call(&c, 7);
    set_column(&c, 0, STRING_RESULT, 80);
    set_string(&c, 1, "19800101", 8);
    set_string(&c, 2, "19891231", 8);
    set_string(&c, 3, NULL, 0);
    set_integer(&c, 4, 1000);
    set_integer(&c, 5, 42);
    set_column(&c, 6, INT_RESULT, 21);
    if (((init_function)entry("idn_generate_init"))(&initid, udf_args(&c), message) != 0) {
        check(0, message);
        return;
    }
    before = allocations;
    for (row = 0; row < 4000; ++row) {
        unsigned long length = 0;
        const char* region = regions[row / 7 % 4];
        set_string(&c, 0, region, strlen(region));
        set_integer(&c, 6, row % 1000);
        call_string("idn_generate", &initid, &c, result, &length);
    }
    ((deinit_function)entry("idn_generate_deinit"))(&initid);
    if (!COUNTS_ALLOCATIONS) return;
    snprintf(what, sizeof what, "idn_generate: 4000 rows of changing options allocate nothing (%ld allocations)",
             allocations - before);
    check(allocations == before, what);
}

/* idn_age over numbers and dates from columns: the ages, NULL where there
 * is none or the row's date is none, and no row allocates. */
static void age_rows(void) {
    static const struct {
        const char* number;
        const char* on;
        long long age; /* -1: NULL */
    } rows[] = {
        {"11010519491231002X", "2024-12-30", 74},
        {"11010519491231002X", "2024-12-31", 75},
        {"11010519491231002X", "2024-12-31 00:00:00", 75},
        {"11010519491231002X", "2024-12-30 23:59:59.999999", 74},
        {"110105200002290013", "2001-02-28", 0},
        {"110105200002290013", "2001-03-01", 1},
        {"110105205001010019", "2060-06-01", 10},
        {"11010519491231002X", "1949-12-30", -1},
        {"110105194902310018", "2024-01-01", -1},
        {"11010519491231002x", "2024-01-01", -1},
        {"11010519491231002X", "2023-02-29", -1},
        {"11010519491231002X", "0000-00-00", -1},
        {"11010519491231002X", "2024-1-01", -1},
        {"11010519491231002X", "2024-01-01x", -1},
        {"11010519491231002X", "2024-01-01 1:00:00", -1},
        {"11010519491231002X", "2024-01-01 10:00:00.", -1},
        {"11010519491231002X", "", -1},
    };
    char message[MYSQL_ERRMSG_SIZE], what[MYSQL_ERRMSG_SIZE + 64];
    UDF_INIT initid;
    call c;
    long before = 0;
    size_t i;
    int round, right = 1;
    memset(&initid, 0, sizeof initid);
    start_call(&c, 2);
    set_column(&c, 0, STRING_RESULT, 64);
    set_column(&c, 1, STRING_RESULT, 26);
    if (((init_function)entry("idn_age_init"))(&initid, udf_args(&c), message) != 0) {
        snprintf(what, sizeof what, "idn_age_init accepts string columns: %s", message);
        check(0, what);
        return;
    }
    for (round = 0; round < 2; ++round) {
        if (round == 1) before = allocations;
        for (i = 0; i < sizeof rows / sizeof rows[0] * 50; ++i) {
            size_t row = i % (sizeof rows / sizeof rows[0]);
            char is_null = 0, error = 0;
            long long age;
            set_string(&c, 0, rows[row].number, strlen(rows[row].number));
            set_string(&c, 1, rows[row].on, strlen(rows[row].on));
            age = ((integer_function)entry("idn_age"))(&initid, udf_args(&c), &is_null, &error);
            if (error || (rows[row].age < 0 ? !is_null : is_null || age != rows[row].age)) {
                if (right) printf("idn_age(%s, %s) gave %lld%s\n", rows[row].number, rows[row].on, age,
                                  is_null ? " (NULL)" : "");
                right = 0;
            }
        }
    }
    ((deinit_function)entry("idn_age_deinit"))(&initid);
    check(right, "idn_age: ages on dates and datetimes, NULL where there is none or the row's date is none");
    if (!COUNTS_ALLOCATIONS) return;
    snprintf(what, sizeof what, "idn_age: rows allocate nothing (%ld allocations)", allocations - before);
    check(allocations == before, what);
}

/* ---- What inits refuse ------------------------------------------------------------- */

/* Calls an init; 1 when it refused. Leaves the message in `message`. */
static int refused_by(const char* function, call* c, char* message) {
    UDF_INIT initid;
    int refused;
    memset(&initid, 0, sizeof initid);
    memset(message, 0, MYSQL_ERRMSG_SIZE);
    raised[0] = '\0';
    refused = ((init_function)entry_of(function, "_init"))(&initid, udf_args(c), message) == 1;
    if (!refused) ((deinit_function)entry_of(function, "_deinit"))(&initid);
    return refused;
}

/* The error the module raised is the server's sentence around the message
 * it left in the buffer, whole. */
static int raised_whole(const char* function, const char* message) {
    char expected[MYSQL_ERRMSG_SIZE * 2];
    snprintf(expected, sizeof expected, "Can't initialize function '%s'; %s", function, message);
    return raised_flags == 0 && strcmp(raised, expected) == 0;
}

/* Every init refuses a wrong count or type of arguments with a message. */
static void inits_refuse_wrong_arguments(void) {
    static const char* const functions[] = {
        "idn_valid",       "idn_reason", "idn_expected_check", "idn_birth_date", "idn_sex",
        "idn_province",    "idn_city",   "idn_county",         "idn_code_status", "idn_now",
        "idn_kind",        "idn_upgrade", "idn_mask_utf8mb4",  "idn_generate",
    };
    size_t f;
    for (f = 0; f < sizeof functions / sizeof functions[0]; ++f) {
        const char* function = functions[f];
        int generate = strcmp(function, "idn_generate") == 0;
        int two = strcmp(function, "idn_valid") == 0 || strcmp(function, "idn_reason") == 0;
        unsigned counts[] = {0, 2, 3, 6, 8};
        char message[MYSQL_ERRMSG_SIZE], what[192];
        size_t k;
        int refused = 1, told = 1;
        for (k = 0; k < sizeof counts / sizeof counts[0]; ++k) {
            call c;
            unsigned i;
            if ((generate && counts[k] < 3) || (!generate && counts[k] > 3) || (two && counts[k] == 2)) continue;
            start_call(&c, counts[k]);
            for (i = 0; i < counts[k]; ++i) set_string(&c, i, "1", 1);
            refused = refused && refused_by(function, &c, message);
            told = told && message[0] != '\0' && raised_whole(function, message);
        }
        {
            /* A REAL where the number (or count) goes. */
            call c;
            unsigned i, count = generate ? 7 : 1;
            double real = 1.5;
            start_call(&c, count);
            for (i = 0; i < count; ++i) set_string(&c, i, "1", 1);
            c.types[generate ? 4 : 0] = REAL_RESULT;
            c.values[generate ? 4 : 0] = (char*)&real;
            refused = refused && refused_by(function, &c, message);
            told = told && message[0] != '\0' && raised_whole(function, message);
        }
        snprintf(what, sizeof what, "%s_init refuses a wrong count or type of arguments and says why", function);
        check(refused && told, what);
    }
}

/* idn_age's init: the count and types of its arguments, and a constant date
 * that is none, each refused with a message that reaches the server whole. */
static void age_init_checks(void) {
    static const struct {
        const char* on; /* NULL: the constant NULL */
        const char* refusal; /* NULL: taken */
    } dates[] = {
        {"2024-12-31", NULL},
        {"2024-12-31 10:20:30.123456", NULL},
        {NULL, NULL},
        {"2024-1-01", "as_of must be a date, YYYY-MM-DD"},
        {"20241231", "as_of must be a date, YYYY-MM-DD"},
        {"2023-02-29", "as_of 2023-02-29 is no calendar date"},
        {"0000-00-00", "as_of 0000-00-00 is no calendar date"},
    };
    char message[MYSQL_ERRMSG_SIZE], what[192];
    unsigned counts[] = {0, 1, 3};
    size_t k;
    int refused = 1, told = 1;
    double real = 1.5;
    call c;
    for (k = 0; k < sizeof counts / sizeof counts[0]; ++k) {
        unsigned i;
        start_call(&c, counts[k]);
        for (i = 0; i < counts[k]; ++i) set_string(&c, i, "2024-01-01", 10);
        refused = refused && refused_by("idn_age", &c, message);
        told = told && message[0] != '\0' && raised_whole("idn_age", message);
    }
    start_call(&c, 2);
    set_string(&c, 0, "11010519491231002X", 18);
    set_integer(&c, 1, 20241231);
    refused = refused && refused_by("idn_age", &c, message);
    told = told && raised_whole("idn_age", message);
    c.types[0] = REAL_RESULT;
    c.values[0] = (char*)&real;
    set_string(&c, 1, "2024-01-01", 10);
    refused = refused && refused_by("idn_age", &c, message);
    told = told && raised_whole("idn_age", message);
    check(refused && told, "idn_age_init refuses a wrong count or type of arguments and says why");
    for (k = 0; k < sizeof dates / sizeof dates[0]; ++k) {
        int was_refused;
        start_call(&c, 2);
        set_string(&c, 0, "11010519491231002X", 18);
        set_string(&c, 1, dates[k].on, dates[k].on != NULL ? strlen(dates[k].on) : 0);
        was_refused = refused_by("idn_age", &c, message);
        snprintf(what, sizeof what, "idn_age_init with as_of %s: %s", dates[k].on != NULL ? dates[k].on : "NULL",
                 dates[k].refusal != NULL ? dates[k].refusal : "taken");
        check(dates[k].refusal == NULL ? !was_refused
                                       : was_refused && strcmp(message, dates[k].refusal) == 0 &&
                                             raised_whole("idn_age", message),
              what);
    }
}

/* ---- Finding and redaction --------------------------------------------------------- */

/* The texts of the rows: numbers in every form, refused ones, bytes that are
 * no UTF-8, nothing, and a text longer than the pieces of 64 KiB a redaction
 * works by. */
static const char* scan_text(size_t row, size_t* length) {
    static char long_text[200000];
    static const char* const texts[] = {
        "11010519491231002X", "\xe5\xae\xa2\xe6\x88\xb7 110105 19491231 002x, 11010519800101018X", "",
        "110105194912310021 and 110105491231002", "\xff\xfe 11010519491231002X \xc0", "no number here",
    };
    if (row % 7 == 6) {
        size_t i;
        for (i = 0; i < sizeof long_text; ++i) long_text[i] = (char)('a' + i % 26);
        memcpy(long_text + 65530, " 11010519491231002X ", 20);
        memcpy(long_text + 150000, " 11010519800101018X ", 20);
        *length = sizeof long_text;
        return long_text;
    }
    *length = strlen(texts[row % 7 % 6]);
    return texts[row % 7 % 6];
}

/* The options of a scan's row (function 0: idn_find_json, 1: idn_redact,
 * 2: idn_redact_number): x, then way and key, then pairs. */
static unsigned set_scan_options(call* c, int function, size_t row) {
    static const char* const ways[] = {"token", "mask", "label", "pseudonym"};
    static const char key[] = "sixteen bytes ok, and more";
    unsigned count = 1;
    if (function > 0) {
        const char* way = ways[row / 3 % 4];
        set_string(c, 1, way, strlen(way));
        if (strcmp(way, "token") == 0 || strcmp(way, "pseudonym") == 0)
            set_string(c, 2, key, sizeof key - 1 - row / 12 % 2);
        else
            set_string(c, 2, NULL, 0);
        count = 3;
    }
    set_string(c, count, "as_of", 5);
    set_string(c, count + 1, "2024-06-30", 10);
    set_string(c, count + 2, "min_confidence", 14);
    set_string(c, count + 3, row % 2 ? "low" : "medium", row % 2 ? 3 : 6);
    return count + 4;
}

/* The row's result: its bytes after a length, or "NULL". */
static size_t scan_result(const char* function, UDF_INIT* initid, call* c, char* out, size_t size) {
    static char result[RESULT_SIZE + 1];
    unsigned long length = 0;
    char* value = call_string(function, initid, c, result, &length);
    if (value == NULL) return (size_t)snprintf(out, size, "NULL");
    if (length > size) length = (unsigned long)size;
    memcpy(out, value, length);
    return length;
}

/* Rows with their options from columns that change every few rows give what
 * an init of those options alone gives; with the options constant too. No
 * row allocates once every text has been seen. */
static void scan_rows_as_alone(void) {
    static const char* const functions[] = {"idn_find_json", "idn_redact", "idn_redact_number"};
    static char got[1 << 20], alone[1 << 20];
    char message[MYSQL_ERRMSG_SIZE], what[MYSQL_ERRMSG_SIZE + 128];
    int f;
    for (f = 0; f < 3; ++f) {
        UDF_INIT initid;
        call c;
        long before = 0;
        int round, same = 1, rows = 0;
        unsigned count, i;
        memset(&initid, 0, sizeof initid);
        start_call(&c, 0);
        count = set_scan_options(&c, f, 0);
        c.args.arg_count = count;
        set_column(&c, 0, STRING_RESULT, 1 << 20);
        for (i = 1; i < count; ++i)
            if (i % 2 == 0 || (f > 0 && i < 3)) set_column(&c, i, STRING_RESULT, 64); /* values from columns */
        if (((init_function)entry_of(functions[f], "_init"))(&initid, udf_args(&c), message) != 0) {
            snprintf(what, sizeof what, "%s_init takes options from columns: %s", functions[f], message);
            check(0, what);
            continue;
        }
        for (round = 0; round < 2; ++round) {
            size_t row;
            if (round == 1) before = allocations;
            for (row = 0; row < 48; ++row, ++rows) {
                UDF_INIT fresh;
                call one;
                size_t length, got_length, alone_length;
                const char* text = scan_text(row, &length);
                set_scan_options(&c, f, row);
                set_string(&c, 0, text, length);
                got_length = scan_result(functions[f], &initid, &c, got, sizeof got);
                if (round == 1) continue;
                /* The same row's options as constants, in an init of their own. */
                memset(&fresh, 0, sizeof fresh);
                start_call(&one, count);
                set_scan_options(&one, f, row);
                set_column(&one, 0, STRING_RESULT, 1 << 20);
                if (((init_function)entry_of(functions[f], "_init"))(&fresh, udf_args(&one), message) != 0) {
                    printf("%s_init refused row %zu's options: %s\n", functions[f], row, message);
                    same = 0;
                    continue;
                }
                set_string(&one, 0, text, length);
                alone_length = scan_result(functions[f], &fresh, &one, alone, sizeof alone);
                ((deinit_function)entry_of(functions[f], "_deinit"))(&fresh);
                if (got_length != alone_length || memcmp(got, alone, got_length) != 0) {
                    if (same) printf("%s row %zu: %.*s, alone %.*s\n", functions[f], row, (int)got_length, got,
                                     (int)alone_length, alone);
                    same = 0;
                }
            }
        }
        ((deinit_function)entry_of(functions[f], "_deinit"))(&initid);
        snprintf(what, sizeof what, "%s: options changing by row give each row's own result", functions[f]);
        check(same, what);
        if (!COUNTS_ALLOCATIONS) continue;
        snprintf(what, sizeof what, "%s: %d rows allocate nothing once every text has been seen (%ld allocations)",
                 functions[f], rows / 2, allocations - before);
        check(allocations == before, what);
    }
}

/* A row whose options are refused fails the statement: an error (not a
 * warning) raised with the library's message, and no result. */
static void scan_row_refused(void) {
    char message[MYSQL_ERRMSG_SIZE], result[RESULT_SIZE + 1];
    UDF_INIT initid;
    call c;
    char is_null = 0, error = 0;
    unsigned long length = RESULT_SIZE;
    char* value;
    memset(&initid, 0, sizeof initid);
    start_call(&c, 3);
    set_column(&c, 0, STRING_RESULT, 64);
    set_string(&c, 1, "token", 5);
    set_column(&c, 2, STRING_RESULT, 64);
    if (((init_function)entry("idn_redact_init"))(&initid, udf_args(&c), message) != 0) {
        check(0, message);
        return;
    }
    set_string(&c, 0, "11010519491231002X", 18);
    set_string(&c, 2, "short", 5);
    raised[0] = '\0';
    raised_flags = 1;
    value = ((string_function)entry("idn_redact"))(&initid, udf_args(&c), result, &length, &is_null, &error);
    ((deinit_function)entry("idn_redact_deinit"))(&initid);
    check(value == NULL && error == 1 && raised_flags == 0 &&
              strcmp(raised, "idn_redact: key: must be at least 16 bytes, not 5") == 0,
          "idn_redact: a row's refused key fails the statement with the library's message");
}

/* The inits refuse a wrong count or type of arguments, names that are no
 * constant or no option's, an option given twice, and refused constants,
 * each with a message that reaches the server whole. */
static void scan_inits_refuse(void) {
    static const struct {
        const char* function;
        unsigned count;
        const char* values[8]; /* "#": a REAL; "@": a column; "=": an INTEGER 3; NULL: the constant NULL */
        const char* refusal;
    } cases[] = {
        {"idn_redact", 0, {0}, "it takes the text, the way of redaction and the key (NULL for mask and label), then other options in pairs of a name and a value"},
        {"idn_redact", 4, {"x", "mask", NULL, "as_of"}, "it takes the text, the way of redaction and the key (NULL for mask and label), then other options in pairs of a name and a value"},
        {"idn_find_json", 2, {"x", "as_of"}, "it takes the text, then options in pairs of a name and a value (as_of, min_confidence, fifteen_digits, encoding)"},
        {"idn_redact_number", 1, {"#"}, "the text is a string or an integer; CAST a REAL or DECIMAL AS CHAR"},
        {"idn_redact", 2, {"x", "#"}, "redaction is a string: mask, label, token or pseudonym"},
        {"idn_redact", 3, {"x", "token", "="}, "key is a string of bytes"},
        {"idn_redact", 5, {"x", "mask", NULL, "@", "3"}, "argument 4 is the name of an option: a constant string"},
        {"idn_redact", 5, {"x", "mask", NULL, "key", "k"}, "argument 4: 'key' is no option's name (as_of, min_confidence, fifteen_digits, encoding, mask_first, mask_last, label, token_alphabet, token_length, keep)"},
        {"idn_find_json", 3, {"x", "label", "y"}, "argument 2: 'label' is no option's name (as_of, min_confidence, fifteen_digits, encoding)"},
        {"idn_redact", 7, {"x", "mask", NULL, "mask_first", "=", "MASK_FIRST", "="}, "mask_first is given twice"},
        {"idn_redact", 5, {"x", "mask", NULL, "mask_first", "3"}, "mask_first is an integer"},
        {"idn_redact", 5, {"x", "mask", NULL, "label", "#"}, "label is a string"},
        {"idn_redact", 2, {"x", "masks"}, "redaction: must be mask, label, token or pseudonym, not masks"},
        {"idn_redact", 3, {"x", "pseudonym", "short"}, "key: must be at least 16 bytes, not 5"},
        {"idn_find_json", 3, {"x", "encoding", "latin1"}, "encoding: must be utf8, gbk or auto, not latin1"},
        {"idn_find_json", 3, {"x", "as_of", "2023-02-29"}, "as_of 2023-02-29 is no calendar date"},
        {"idn_redact_number", 5, {"x", "mask", NULL, "keep", "region,year"}, "keep: must be a list of region, birth_year and sex, not region,year"},
        {"idn_redact", 3, {"x", "token", NULL}, "key is required by the token and pseudonym ways of redaction"},
        {"idn_redact", 3, {"x", "token", "@"}, NULL},
        {"idn_find_json", 5, {"x", "min_confidence", "LOW", "fifteen_digits", "="}, "fifteen_digits: must be 0 or 1, not 3"},
    };
    char message[MYSQL_ERRMSG_SIZE], what[MYSQL_ERRMSG_SIZE + 64];
    static const double real = 1.5;
    size_t k;
    for (k = 0; k < sizeof cases / sizeof cases[0]; ++k) {
        call c;
        unsigned i;
        int was_refused;
        start_call(&c, cases[k].count);
        for (i = 0; i < cases[k].count; ++i) {
            const char* value = cases[k].values[i];
            if (value == NULL) {
                set_string(&c, i, NULL, 0);
            } else if (strcmp(value, "#") == 0) {
                c.types[i] = REAL_RESULT;
                c.values[i] = (char*)&real;
                c.lengths[i] = 8;
            } else if (strcmp(value, "@") == 0) {
                set_column(&c, i, STRING_RESULT, 64);
            } else if (strcmp(value, "=") == 0) {
                set_integer(&c, i, 3);
            } else {
                set_string(&c, i, value, strlen(value));
            }
        }
        was_refused = refused_by(cases[k].function, &c, message);
        snprintf(what, sizeof what, "%s_init: %s", cases[k].function, cases[k].refusal != NULL ? cases[k].refusal : "a key from a column is judged by row");
        check(cases[k].refusal == NULL ? !was_refused
                                       : was_refused && strcmp(message, cases[k].refusal) == 0 &&
                                             raised_whole(cases[k].function, message),
              what);
        if (was_refused && cases[k].refusal != NULL && strcmp(message, cases[k].refusal) != 0)
            printf("  gave: %s\n", message);
    }
}

int main(int argc, char** argv) {
    static const char* const string_functions[] = {
        "idn_reason", "idn_expected_check", "idn_birth_date", "idn_sex",     "idn_province",     "idn_city",
        "idn_county", "idn_code_status",    "idn_now",        "idn_kind",    "idn_upgrade", "idn_mask_utf8mb4",
    };
    size_t i;
    if (argc != 2) {
        fprintf(stderr, "usage: udf_harness PATH/idnumber_udf.so\n");
        return 2;
    }
    module = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (module == NULL) {
        fprintf(stderr, "udf_harness: %s\n", dlerror());
        return 2;
    }
    if (COUNTS_ALLOCATIONS) {
        /* The module's allocations are seen here: idn_now_init allocates its statement's buffer. */
        char message[MYSQL_ERRMSG_SIZE];
        long before;
        call c;
        start_call(&c, 1);
        set_column(&c, 0, STRING_RESULT, 64);
        refused_by("idn_now", &c, message); /* the first look-ups of the entry points allocate */
        before = allocations;
        refused_by("idn_now", &c, message);
        check(allocations == before + 1, "the module's allocations are counted");
    }
    rows_allocate_nothing("idn_valid", 1, 0);
    rows_allocate_nothing("idn_valid", 1, 1);
    rows_allocate_nothing("idn_reason", 0, 1);
    for (i = 0; i < sizeof string_functions / sizeof string_functions[0]; ++i)
        rows_allocate_nothing(string_functions[i], 0, 0);
    mask_grows_its_buffer_only();
    generate_rows_allocate_nothing();
    age_rows();
    inits_refuse_wrong_arguments();
    age_init_checks();
    scan_rows_as_alone();
    scan_row_refused();
    scan_inits_refuse();
    printf("udf_harness: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
