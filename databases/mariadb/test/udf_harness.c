/*
 * udf_harness.c: calls idnumber_udf.so as the server calls it, without a
 * server, to check what a server test cannot see: that no row allocates
 * memory (malloc and its kin are counted here, in the program that loads
 * the module), and that every *_init refuses wrong arguments with a message
 * the server shows whole (at most 80 bytes).
 *
 *   udf_harness PATH/idnumber_udf.so
 *
 * Prints one line per check and "N passed, N failed"; exits 1 on a failure.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <mysql.h>

/* ---- Counting allocations ------------------------------------------------ */

extern void* __libc_malloc(size_t size);
extern void* __libc_calloc(size_t count, size_t size);
extern void* __libc_realloc(void* pointer, size_t size);
extern void __libc_free(void* pointer);

static long allocations;

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

/* A call's arguments, laid out as the server lays them. */
typedef struct call {
    UDF_ARGS args;
    enum Item_result types[8];
    char* values[8];
    unsigned long lengths[8];
    char maybe_null[8];
    long long integers[8];
} call;

static void set_string(call* c, unsigned i, const char* value, size_t length) {
    c->types[i] = STRING_RESULT;
    c->values[i] = (char*)value;
    c->lengths[i] = value != NULL ? (unsigned long)length : 0;
}

static void set_integer(call* c, unsigned i, long long value) {
    c->types[i] = INT_RESULT;
    c->integers[i] = value;
    c->values[i] = (char*)&c->integers[i];
    c->lengths[i] = 20;
}

static void start_call(call* c, unsigned count) {
    memset(c, 0, sizeof *c);
    c->args.arg_count = count;
    c->args.arg_type = c->types;
    c->args.args = c->values;
    c->args.lengths = c->lengths;
    c->args.maybe_null = c->maybe_null;
}

/* The row inputs: a valid number, each refusal, bytes that are no UTF-8. */
static const char* const numbers[] = {
    "11010519491231002X", "512201198001010012", "1101051949123100", "11010519491231002x",
    "110105194912310021", "110105194913310021", "\xff\xfe\x01\x02", "",
};

/* Runs a function of one number over the inputs many times; counts the
 * allocations of the rows alone (its init may allocate). */
static void rows_allocate_nothing(const char* name, int integer_result) {
    char entry_name[64], message[MYSQL_ERRMSG_SIZE], result[256], what[192];
    init_function init;
    deinit_function deinit;
    UDF_INIT initid;
    call c;
    long before;
    int round;
    size_t i;
    snprintf(entry_name, sizeof entry_name, "%s_init", name);
    init = (init_function)entry(entry_name);
    snprintf(entry_name, sizeof entry_name, "%s_deinit", name);
    deinit = (deinit_function)entry(entry_name);
    memset(&initid, 0, sizeof initid);
    start_call(&c, 1);
    set_string(&c, 0, NULL, 0);
    c.lengths[0] = 64;
    before = allocations;
    if (init(&initid, &c.args, message) != 0) {
        snprintf(what, sizeof what, "%s_init accepts a string: %.80s", name, message);
        check(0, what);
        return;
    }
    /* The module's allocations are seen here: its init allocates the statement's state. */
    if (allocations == before) {
        snprintf(what, sizeof what, "%s_init's allocation is counted", name);
        check(0, what);
    }
    /* One round first, so that a buffer the statement keeps is there. */
    for (round = 0; round < 2; ++round) {
        if (round == 1) before = allocations;
        for (i = 0; i < sizeof numbers / sizeof numbers[0] * 100; ++i) {
            const char* number = numbers[i % (sizeof numbers / sizeof numbers[0])];
            unsigned long length = 0;
            char is_null = 0, error = 0;
            set_string(&c, 0, number, strlen(number));
            if (integer_result)
                ((integer_function)entry(name))(&initid, &c.args, &is_null, &error);
            else
                ((string_function)entry(name))(&initid, &c.args, result, &length, &is_null, &error);
        }
    }
    snprintf(what, sizeof what, "%s: 800 rows allocate nothing (%ld allocations)", name, allocations - before);
    check(allocations == before, what);
    deinit(&initid);
}

/* idn_mask over texts of every length up to 1 MiB: its buffer grows only
 * when a text is longer than every one before. */
static void mask_grows_its_buffer_only(void) {
    static char text[1 << 20];
    char message[MYSQL_ERRMSG_SIZE], result[256], what[128];
    UDF_INIT initid;
    call c;
    long before;
    size_t length;
    int rows = 0;
    memset(text, '7', sizeof text);
    memset(&initid, 0, sizeof initid);
    start_call(&c, 1);
    c.lengths[0] = sizeof text;
    ((init_function)entry("idn_mask_init"))(&initid, &c.args, message);
    before = allocations;
    for (length = 1; length <= sizeof text; length = length * 5 / 4 + 1) {
        unsigned long written = 0;
        char is_null = 0, error = 0, *masked;
        int repeat;
        for (repeat = 0; repeat < 10; ++repeat, ++rows) {
            set_string(&c, 0, text, length);
            masked = ((string_function)entry("idn_mask"))(&initid, &c.args, result, &written, &is_null, &error);
            if (masked == NULL || written != length) {
                check(0, "idn_mask keeps a text's length");
                return;
            }
        }
    }
    snprintf(what, sizeof what, "idn_mask: %d rows of up to 1 MiB make %ld allocations", rows, allocations - before);
    check(allocations - before <= 12, what);
    ((deinit_function)entry("idn_mask_deinit"))(&initid);
}

/* idn_generate with options from a column that change every few rows. */
static void generate_rows_allocate_nothing(void) {
    static const char* const regions[] = {"110105", "阳泉市/城区", "城区", "440303"};
    char message[MYSQL_ERRMSG_SIZE], result[256], what[128];
    UDF_INIT initid;
    call c;
    long before;
    int row;
    memset(&initid, 0, sizeof initid);
    start_call(&c, 7);
    set_string(&c, 0, NULL, 0);
    c.lengths[0] = 80; /* a column */
    set_string(&c, 1, "19800101", 8);
    set_string(&c, 2, "19891231", 8);
    set_string(&c, 3, NULL, 0);
    set_integer(&c, 4, 1000);
    set_integer(&c, 5, 42);
    set_integer(&c, 6, 0);
    c.values[6] = NULL; /* the index varies by row */
    if (((init_function)entry("idn_generate_init"))(&initid, &c.args, message) != 0) {
        check(0, message);
        return;
    }
    before = allocations;
    for (row = 0; row < 4000; ++row) {
        unsigned long length = 0;
        char is_null = 0, error = 0;
        const char* region = regions[row / 7 % 4];
        set_string(&c, 0, region, strlen(region));
        set_integer(&c, 6, row % 1000);
        ((string_function)entry("idn_generate"))(&initid, &c.args, result, &length, &is_null, &error);
    }
    snprintf(what, sizeof what, "idn_generate: 4000 rows of changing options allocate nothing (%ld allocations)",
             allocations - before);
    check(allocations == before, what);
    ((deinit_function)entry("idn_generate_deinit"))(&initid);
}

/* Every init refuses a wrong count or type of arguments, with a message the
 * server shows whole. */
static void inits_refuse_wrong_arguments(void) {
    static const char* const functions[] = {
        "idn_valid", "idn_reason", "idn_expected_check", "idn_birth_date", "idn_sex", "idn_province", "idn_city",
        "idn_county", "idn_code_status", "idn_now", "idn_kind", "idn_upgrade", "idn_mask", "idn_generate",
    };
    size_t f;
    for (f = 0; f < sizeof functions / sizeof functions[0]; ++f) {
        char name[64], message[MYSQL_ERRMSG_SIZE], what[160];
        unsigned counts[] = {0, 2, 6, 8};
        init_function init;
        size_t k;
        int refused = 1, short_messages = 1;
        snprintf(name, sizeof name, "%s_init", functions[f]);
        init = (init_function)entry(name);
        for (k = 0; k < sizeof counts / sizeof counts[0]; ++k) {
            UDF_INIT initid;
            call c;
            unsigned i;
            if (strcmp(functions[f], "idn_generate") != 0 && counts[k] > 2) continue;
            memset(&initid, 0, sizeof initid);
            start_call(&c, counts[k]);
            for (i = 0; i < counts[k]; ++i) set_string(&c, i, "1", 1);
            memset(message, 0, sizeof message);
            refused = refused && init(&initid, &c.args, message) == 1;
            short_messages = short_messages && message[0] != '\0' && strlen(message) <= 80;
        }
        {
            /* A REAL where the number goes. */
            UDF_INIT initid;
            call c;
            unsigned i, count = strcmp(functions[f], "idn_generate") == 0 ? 7 : 1;
            double real = 1.5;
            memset(&initid, 0, sizeof initid);
            start_call(&c, count);
            for (i = 0; i < count; ++i) set_string(&c, i, "1", 1);
            c.types[count == 7 ? 4 : 0] = REAL_RESULT;
            c.values[count == 7 ? 4 : 0] = (char*)&real;
            memset(message, 0, sizeof message);
            refused = refused && init(&initid, &c.args, message) == 1;
            short_messages = short_messages && message[0] != '\0' && strlen(message) <= 80;
        }
        snprintf(what, sizeof what, "%s refuses a wrong count or type of arguments with a message of at most 80 bytes",
                 name);
        check(refused && short_messages, what);
    }
}

int main(int argc, char** argv) {
    static const char* const string_functions[] = {
        "idn_reason", "idn_expected_check", "idn_birth_date", "idn_sex", "idn_province", "idn_city",
        "idn_county", "idn_code_status", "idn_now", "idn_kind", "idn_upgrade", "idn_mask",
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
    rows_allocate_nothing("idn_valid", 1);
    for (i = 0; i < sizeof string_functions / sizeof string_functions[0]; ++i)
        rows_allocate_nothing(string_functions[i], 0);
    mask_grows_its_buffer_only();
    generate_rows_allocate_nothing();
    inits_refuse_wrong_arguments();
    printf("udf_harness: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
