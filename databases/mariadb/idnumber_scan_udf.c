/*
 * idnumber_scan_udf.c: the module's loadable functions that find identity
 * numbers in text and de-identify them, over the library's scanner
 * (capi/idnumber.h, "Finding numbers in text"):
 *
 *   idn_redact(x [, redaction [, key [, name, value]...]])
 *       x with every match at or above min_confidence replaced, every other
 *       byte as it was
 *   idn_redact_number(x [, redaction [, key [, name, value]...]])
 *       the redaction of x when x is one number alone (a field of numbers),
 *       NULL otherwise
 *   idn_find_json(x [, name, value]...)
 *       a JSON array of the matches in the order of the text:
 *       [{"start", "length" (characters, 1-based, as SUBSTRING counts them
 *       in x's encoding), "byte_start", "byte_length" (bytes, for a binary
 *       string), "line_number", "column_number", "number", "form" (the names
 *       of its flags), "confidence", "flaw", "keyword", and for a valid
 *       number "kind", "birth_date" ('YYYY-MM-DD'), "sex", "region_code",
 *       "province", "city", "county" (null for a low one)}]
 *
 * redaction is 'mask' (the default), 'label', 'token' or 'pseudonym'; key
 * the bytes of the key of token and pseudonym (at least 16; NULL for the
 * others). The other options follow by name and value: as_of (a DATE or
 * 'YYYY-MM-DD': no birth after it; by default the day the statement
 * started), min_confidence ('low', 'medium', 'high'), fifteen_digits (1 or
 * 0), encoding of x's bytes ('utf8', 'gbk', 'auto'), mask_first, mask_last,
 * label, token_alphabet ('hex', 'base32'), token_length, keep (a list
 * 'region,birth_year,sex', '' for nothing); idn_find_json takes as_of,
 * min_confidence, fifteen_digits and encoding. NULL is an option not given;
 * a NULL x gives NULL. Words are taken in any ASCII case.
 *
 * Every init checks the count and types of the arguments, that each name is
 * a constant naming an option and that no option is given twice. When the
 * options are constants they are judged once, in the init, and a refused
 * one fails the statement with the library's message (or this module's, for
 * a word); the scanner prepared there is restarted for each row. Options
 * that vary by row are judged when they change, and a refused one fails the
 * statement at that row: a redaction never writes NULL over a text it could
 * not redact. A row allocates nothing: the state and its buffers come from
 * the init, and grow only for a text longer than every one before it.
 */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <mysql.h>
#include <mysqld_error.h>

#include "idnumber.h"
#include "sql_scan_words.h"
#include "udf_support.h"

/* Redaction works through pieces of at most this many bytes, so that its
 * room (IDN_REDACT_SIZE of a piece) stays bounded whatever the text. */
#define REDACT_PIECE 65536
/* x, redaction, key, and a pair for each other option. */
#define MAX_ARGUMENTS (3 + 2 * (IDN_OPTION_KEEP - IDN_OPTION_ENCODING + 1))
/* The most one match writes into idn_find_json's array. */
#define MATCH_JSON_ROOM 1024

enum scan_function { FIND_JSON, REDACT, REDACT_NUMBER };

static const char* const FUNCTION_NAMES[] = {"idn_find_json", "idn_redact", "idn_redact_number"};

typedef struct scan_state {
    idn_scanner_t scanner; /* first: calloc aligns it */
    int function;          /* scan_function */
    int prepared;          /* the scanner holds the options of `fingerprint` */
    int constant;          /* every option is a constant: prepared once, in the init */
    int options[MAX_ARGUMENTS]; /* the idn_option_t argument i gives; 0 for x and the names */
    int64_t today;         /* as_of when none is given: the day the statement started */
    unsigned char* fingerprint;
    size_t fingerprint_length, fingerprint_capacity;
    char* out;             /* the result of a redaction or of idn_find_json */
    size_t out_capacity;
} scan_state;

/* ---- Options ------------------------------------------------------------------ */

/* Whether the function takes the option by name (redaction and key come
 * second and third, and idn_find_json takes those of finding alone). */
static int takes_by_name(int function, int option) {
    if (option == IDN_OPTION_REDACTION || option == IDN_OPTION_KEY) return 0;
    if (function != FIND_JSON) return 1;
    return option == IDN_OPTION_AS_OF_DATE || option == IDN_OPTION_MIN_CONFIDENCE ||
           option == IDN_OPTION_FIFTEEN_DIGITS || option == IDN_OPTION_ENCODING;
}

static int integer_option(int option) {
    return option == IDN_OPTION_FIFTEEN_DIGITS || option == IDN_OPTION_MASK_FIRST || option == IDN_OPTION_MASK_LAST ||
           option == IDN_OPTION_TOKEN_LENGTH;
}

/* Sets argument i, not NULL, as its option; 0 with the refusal in `text`
 * for a value this module refuses. */
static int set_option(scan_state* state, const UDF_ARGS* args, unsigned i, char* text, size_t size) {
    const int option = state->options[i];
    const char* value = args->args[i];
    const size_t length = args->lengths[i];
    int64_t number;
    if (option == IDN_OPTION_LABEL || option == IDN_OPTION_KEY)
        return idn_scanner_set_text(&state->scanner, option, value, length) == IDN_OK;
    if (integer_option(option)) return idn_scanner_set_integer(&state->scanner, option, integer_argument(args, i)) == IDN_OK;
    if (option == IDN_OPTION_AS_OF_DATE) {
        if (!sql_scan_as_of_text(value, length, &number, text, size)) return 0;
    } else if (option == IDN_OPTION_KEEP) {
        if (!sql_scan_keep_list(value, length, &number)) {
            sql_scan_word_refusal(option, value, length, text, size);
            return 0;
        }
    } else if (!sql_scan_word_value(option, value, length, &number)) {
        sql_scan_word_refusal(option, value, length, text, size);
        return 0;
    }
    return idn_scanner_set_integer(&state->scanner, option, number) == IDN_OK;
}

/* Prepares the scanner with the options of the arguments; 0 with the
 * refusal in `text` (IDN_MESSAGE_SIZE bytes). */
static int prepare(scan_state* state, const UDF_ARGS* args, char* text) {
    size_t names;
    const char* const* words = sql_scan_names(&names);
    unsigned i;
    int as_of_given = 0;
    state->prepared = 0;
    text[0] = '\0';
    idn_scanner_init(&state->scanner, sizeof state->scanner);
    for (i = 1; i < args->arg_count; ++i) {
        if (state->options[i] == IDN_OPTION_NONE || args->args[i] == NULL) continue;
        if (state->options[i] == IDN_OPTION_AS_OF_DATE) as_of_given = 1;
        if (!set_option(state, args, i, text, IDN_MESSAGE_SIZE)) {
            if (text[0] == '\0') snprintf(text, IDN_MESSAGE_SIZE, "%s could not be set", sql_scan_name(state->options[i]));
            return 0;
        }
    }
    if (!as_of_given) idn_scanner_set_integer(&state->scanner, IDN_OPTION_AS_OF_DATE, state->today);
    if (idn_scanner_prepare(&state->scanner) != IDN_OK) {
        idn_scanner_message(&state->scanner, words, names, text, IDN_MESSAGE_SIZE, NULL);
        return 0;
    }
    state->prepared = 1;
    return 1;
}

/* The row's options as bytes, after the kept ones; 0 when out of memory. */
static int fingerprint_of(scan_state* state, const UDF_ARGS* args, size_t* length) {
    size_t needed = state->fingerprint_length, at;
    unsigned i;
    for (i = 1; i < args->arg_count; ++i)
        if (state->options[i] != IDN_OPTION_NONE)
            needed += 1 + sizeof(unsigned long) + (args->args[i] != NULL ? args->lengths[i] : 0);
    if (needed > state->fingerprint_capacity) {
        size_t capacity = state->fingerprint_capacity > 0 ? state->fingerprint_capacity : 256;
        unsigned char* grown;
        while (capacity < needed) capacity *= 2;
        if ((grown = realloc(state->fingerprint, capacity)) == NULL) return 0;
        state->fingerprint = grown;
        state->fingerprint_capacity = capacity;
    }
    at = state->fingerprint_length;
    for (i = 1; i < args->arg_count; ++i) {
        unsigned long bytes;
        if (state->options[i] == IDN_OPTION_NONE) continue;
        state->fingerprint[at++] = args->args[i] != NULL;
        bytes = args->args[i] != NULL ? args->lengths[i] : 0;
        memcpy(state->fingerprint + at, &bytes, sizeof bytes);
        at += sizeof bytes;
        if (bytes > 0) memcpy(state->fingerprint + at, args->args[i], bytes);
        at += bytes;
    }
    *length = at - state->fingerprint_length;
    return 1;
}

/* A row's refusal: the statement's error, so that it stops there. */
static void refuse_row(const scan_state* state, const char* text) {
    printf_error_function raise = server_printf_error();
    if (raise != NULL) raise(ER_UNKNOWN_ERROR, "%s: %s", 0, FUNCTION_NAMES[state->function], text);
}

/* The scanner ready for the row: restarted with the same options, or
 * prepared with the row's. 0 when the row is refused (raised). */
static int scanner_for_row(scan_state* state, const UDF_ARGS* args) {
    char text[IDN_MESSAGE_SIZE];
    size_t length, kept = state->fingerprint_length;
    if (state->constant) return idn_scanner_restart(&state->scanner) == IDN_OK;
    if (!fingerprint_of(state, args, &length)) {
        refuse_row(state, "out of memory");
        return 0;
    }
    if (state->prepared && length == kept && memcmp(state->fingerprint, state->fingerprint + kept, kept) == 0)
        return idn_scanner_restart(&state->scanner) == IDN_OK;
    memmove(state->fingerprint, state->fingerprint + kept, length);
    state->fingerprint_length = 0;
    if (!prepare(state, args, text)) {
        refuse_row(state, text);
        return 0;
    }
    state->fingerprint_length = length;
    return 1;
}

/* ---- Inits -------------------------------------------------------------------------- */

/* Checks the arguments, names each one's option, and judges constant ones. */
static my_bool scan_init(int function, UDF_INIT* initid, UDF_ARGS* args, char* message) {
    const char* name = FUNCTION_NAMES[function];
    const unsigned first_pair = function == FIND_JSON ? 1 : 3;
    char text[IDN_MESSAGE_SIZE + 160];
    int options[MAX_ARGUMENTS] = {0}, constant = 1;
    scan_state* state;
    int32_t year, month, day;
    unsigned i;
    if (args->arg_count < 1 || args->arg_count > MAX_ARGUMENTS ||
        (args->arg_count > first_pair && (args->arg_count - first_pair) % 2 != 0))
        return refuse(message, name,
                      function == FIND_JSON
                          ? "it takes the text, then options in pairs of a name and a value (as_of, min_confidence, "
                            "fifteen_digits, encoding)"
                          : "it takes the text, the way of redaction and the key (NULL for mask and label), then other "
                            "options in pairs of a name and a value");
    if (!text_argument(args, 0))
        return refuse(message, name, "the text is a string or an integer; CAST a REAL or DECIMAL AS CHAR");
    if (function != FIND_JSON) {
        if (args->arg_count > 1) {
            if (!text_argument(args, 1)) return refuse(message, name, "redaction is a string: mask, label, token or pseudonym");
            options[1] = IDN_OPTION_REDACTION;
        }
        if (args->arg_count > 2) {
            if (args->arg_type[2] != STRING_RESULT) return refuse(message, name, "key is a string of bytes");
            options[2] = IDN_OPTION_KEY;
        }
    }
    for (i = first_pair; i < args->arg_count; i += 2) {
        int option, k;
        if (args->arg_type[i] != STRING_RESULT || argument_kind(args, i) != ARGUMENT_VALUE) {
            snprintf(text, sizeof text, "argument %u is the name of an option: a constant string", i + 1);
            return refuse(message, name, text);
        }
        option = sql_scan_option_named(args->args[i], args->lengths[i]);
        if (option == IDN_OPTION_NONE || !takes_by_name(function, option)) {
            size_t at = 0;
            char echoed[160];
            echoed[0] = '\0';
            sql_scan_append_echoed(echoed, sizeof echoed, &at, args->args[i], args->lengths[i]);
            snprintf(text, sizeof text, "argument %u: '%s' is no option's name (%s)", i + 1, echoed,
                     function == FIND_JSON ? "as_of, min_confidence, fifteen_digits, encoding"
                                           : "as_of, min_confidence, fifteen_digits, encoding, mask_first, mask_last, "
                                             "label, token_alphabet, token_length, keep");
            return refuse(message, name, text);
        }
        for (k = 1; k < (int)i; ++k) {
            if (options[k] == option) {
                snprintf(text, sizeof text, "%s is given twice", sql_scan_name(option));
                return refuse(message, name, text);
            }
        }
        if (integer_option(option) ? !integer_parameter(args, i + 1) : !text_argument(args, i + 1)) {
            snprintf(text, sizeof text, "%s is %s", sql_scan_name(option),
                     integer_option(option) ? "an integer" : "a string");
            return refuse(message, name, text);
        }
        options[i + 1] = option;
    }
    for (i = 1; i < args->arg_count; ++i)
        if (options[i] != IDN_OPTION_NONE && argument_kind(args, i) != ARGUMENT_VALUE &&
            argument_kind(args, i) != ARGUMENT_NULL)
            constant = 0;

    if ((state = calloc(1, sizeof *state)) == NULL) return refuse(message, name, "out of memory");
    state->function = function;
    state->constant = constant;
    memcpy(state->options, options, sizeof options);
    idn_current_date(&year, &month, &day);
    state->today = sql_scan_date_value(year, month, day);
    if (constant && !prepare(state, args, text)) {
        free(state);
        return refuse(message, name, text);
    }
    if (function != REDACT_NUMBER) {
        /* Room for a piece of the longest text the argument may hold, or
         * for a few matches. */
        state->out_capacity = function == REDACT ? IDN_REDACT_SIZE(args->lengths[0] < REDACT_PIECE ? args->lengths[0]
                                                                                                  : REDACT_PIECE)
                                                 : 4 * MATCH_JSON_ROOM;
        if ((state->out = malloc(state->out_capacity)) == NULL) {
            free(state);
            return refuse(message, name, "out of memory");
        }
    }
    initid->ptr = (char*)state;
    initid->maybe_null = 1;
    initid->const_item = 0;
    /* A label of 64 bytes may stand for 15 digits: at most 5 times the text. */
    initid->max_length = function == REDACT_NUMBER ? IDN_REDACT_NUMBER_SIZE - 1
                         : args->lengths[0] < (UINT32_MAX - 64) / 40 ? (function == REDACT ? 5 : 40) * args->lengths[0] + 64
                                                                     : UINT32_MAX;
    return 0;
}

static void scan_deinit(UDF_INIT* initid) {
    scan_state* state = (scan_state*)initid->ptr;
    if (state != NULL) {
        free(state->fingerprint);
        free(state->out);
        free(state);
    }
    initid->ptr = NULL;
}

/* Grows the output to at least `needed` bytes; 0 when out of memory. */
static int grow_out(scan_state* state, size_t needed) {
    size_t capacity = state->out_capacity;
    char* grown;
    if (needed <= capacity) return 1;
    while (capacity < needed) capacity *= 2;
    if ((grown = realloc(state->out, capacity)) == NULL) return 0;
    state->out = grown;
    state->out_capacity = capacity;
    return 1;
}

/* ---- idn_redact and idn_redact_number ----------------------------------------------------- */

my_bool idn_redact_init(UDF_INIT* initid, UDF_ARGS* args, char* message);
my_bool idn_redact_init(UDF_INIT* initid, UDF_ARGS* args, char* message) {
    return scan_init(REDACT, initid, args, message);
}
void idn_redact_deinit(UDF_INIT* initid);
void idn_redact_deinit(UDF_INIT* initid) { scan_deinit(initid); }

char* idn_redact(UDF_INIT* initid, UDF_ARGS* args, char* result, unsigned long* length, char* is_null, char* error);
char* idn_redact(UDF_INIT* initid, UDF_ARGS* args, char* result, unsigned long* length, char* is_null, char* error) {
    scan_state* state = (scan_state*)initid->ptr;
    const char* text = args->args[0];
    const size_t size = args->lengths[0];
    size_t at = 0, total = 0;
    (void)result;
    if (text == NULL) {
        *is_null = 1;
        return NULL;
    }
    if (!scanner_for_row(state, args)) {
        *error = 1;
        return NULL;
    }
    for (;;) {
        const size_t piece = size - at < REDACT_PIECE ? size - at : REDACT_PIECE;
        const int final = at + piece == size;
        size_t written = 0;
        if (!grow_out(state, total + IDN_REDACT_SIZE(piece)) ||
            idn_scanner_redact(&state->scanner, text + at, piece, final, state->out + total, state->out_capacity - total,
                               &written) != IDN_OK) {
            state->prepared = 0;
            refuse_row(state, "the scanner failed");
            *error = 1;
            return NULL;
        }
        total += written;
        at += piece;
        if (final) break;
    }
    *length = (unsigned long)total;
    return state->out;
}

my_bool idn_redact_number_init(UDF_INIT* initid, UDF_ARGS* args, char* message);
my_bool idn_redact_number_init(UDF_INIT* initid, UDF_ARGS* args, char* message) {
    return scan_init(REDACT_NUMBER, initid, args, message);
}
void idn_redact_number_deinit(UDF_INIT* initid);
void idn_redact_number_deinit(UDF_INIT* initid) { scan_deinit(initid); }

char* idn_redact_number(UDF_INIT* initid, UDF_ARGS* args, char* result, unsigned long* length, char* is_null,
                        char* error);
char* idn_redact_number(UDF_INIT* initid, UDF_ARGS* args, char* result, unsigned long* length, char* is_null,
                        char* error) {
    scan_state* state = (scan_state*)initid->ptr;
    size_t written = 0;
    int status;
    _Static_assert(IDN_REDACT_NUMBER_SIZE <= RESULT_BUFFER_SIZE, "a redacted number fits the server's buffer");
    if (args->args[0] == NULL) {
        *is_null = 1;
        return NULL;
    }
    if (!scanner_for_row(state, args)) {
        *error = 1;
        return NULL;
    }
    status = idn_scanner_redact_number(&state->scanner, args->args[0], args->lengths[0], result, IDN_REDACT_NUMBER_SIZE,
                                       &written);
    if (status != IDN_OK) {
        if (status != IDN_ERROR_NOT_FOUND) {
            refuse_row(state, idn_status_name(status));
            *error = 1;
        }
        *is_null = 1;
        return NULL;
    }
    *length = (unsigned long)written;
    return result;
}

/* ---- idn_find_json ------------------------------------------------------------------------- */

/* Appends to the output, whose room the caller has made. */
static void put(scan_state* state, size_t* at, const char* text) {
    const size_t length = strlen(text);
    memcpy(state->out + *at, text, length);
    *at += length;
}

/* A JSON string of the library's UTF-8 text, or null. */
static void put_string(scan_state* state, size_t* at, const char* text) {
    if (text == NULL) {
        put(state, at, "null");
        return;
    }
    state->out[(*at)++] = '"';
    for (; *text != '\0'; ++text) {
        const unsigned char c = (unsigned char)*text;
        if (c == '"' || c == '\\') {
            state->out[(*at)++] = '\\';
            state->out[(*at)++] = (char)c;
        } else if (c < 0x20) {
            *at += (size_t)snprintf(state->out + *at, 7, "\\u%04x", c);
        } else {
            state->out[(*at)++] = (char)c;
        }
    }
    state->out[(*at)++] = '"';
}

static void put_number(scan_state* state, size_t* at, const char* key, unsigned long long value) {
    *at += (size_t)snprintf(state->out + *at, 48, ",\"%s\":%llu", key, value);
}

/* One match as a JSON object (at most MATCH_JSON_ROOM bytes: its texts are
 * the library's names and a keyword of a few bytes). */
static void put_match(scan_state* state, size_t* at, const idn_match_t* match) {
    const int valid = match->confidence >= IDN_CONFIDENCE_MEDIUM;
    idn_region_fields_t fields = {.size = sizeof fields};
    const int regions = valid && idn_region_fields(match->region_code, &fields) == IDN_OK;
    int flag, first = 1;
    char date[16];
    *at += (size_t)snprintf(state->out + *at, 48, "{\"start\":%llu", (unsigned long long)match->char_offset + 1);
    put_number(state, at, "length", match->char_length);
    put_number(state, at, "byte_start", match->byte_offset + 1);
    put_number(state, at, "byte_length", match->byte_length);
    put_number(state, at, "line_number", match->line);
    put_number(state, at, "column_number", match->column);
    put(state, at, ",\"number\":");
    put_string(state, at, match->number);
    put(state, at, ",\"form\":[");
    for (flag = IDN_FORM_FULLWIDTH; flag <= IDN_FORM_FIFTEEN_DIGITS; flag <<= 1) {
        if ((match->form & flag) == 0) continue;
        if (!first) put(state, at, ",");
        put_string(state, at, idn_form_name(flag));
        first = 0;
    }
    put(state, at, "],\"confidence\":");
    put_string(state, at, idn_confidence_name(match->confidence));
    put(state, at, ",\"flaw\":");
    put_string(state, at, idn_flaw_name(match->flaw));
    put(state, at, ",\"keyword\":");
    put_string(state, at, match->keyword);
    put(state, at, ",\"kind\":");
    put_string(state, at, valid ? idn_kind_name(match->kind) : NULL);
    put(state, at, ",\"birth_date\":");
    snprintf(date, sizeof date, "%04d-%02d-%02d", match->birth_year, match->birth_month, match->birth_day);
    put_string(state, at, valid ? date : NULL);
    put(state, at, ",\"sex\":");
    put_string(state, at, valid ? idn_sex_name(match->sex) : NULL);
    if (valid)
        *at += (size_t)snprintf(state->out + *at, 32, ",\"region_code\":%d", match->region_code);
    else
        put(state, at, ",\"region_code\":null");
    put(state, at, ",\"province\":");
    put_string(state, at, regions ? fields.province : NULL);
    put(state, at, ",\"city\":");
    put_string(state, at, regions ? fields.city : NULL);
    put(state, at, ",\"county\":");
    put_string(state, at, regions ? fields.county : NULL);
    put(state, at, "}");
}

my_bool idn_find_json_init(UDF_INIT* initid, UDF_ARGS* args, char* message);
my_bool idn_find_json_init(UDF_INIT* initid, UDF_ARGS* args, char* message) {
    return scan_init(FIND_JSON, initid, args, message);
}
void idn_find_json_deinit(UDF_INIT* initid);
void idn_find_json_deinit(UDF_INIT* initid) { scan_deinit(initid); }

char* idn_find_json(UDF_INIT* initid, UDF_ARGS* args, char* result, unsigned long* length, char* is_null, char* error);
char* idn_find_json(UDF_INIT* initid, UDF_ARGS* args, char* result, unsigned long* length, char* is_null, char* error) {
    scan_state* state = (scan_state*)initid->ptr;
    size_t at = 0;
    int count = 0;
    (void)result;
    if (args->args[0] == NULL) {
        *is_null = 1;
        return NULL;
    }
    if (!scanner_for_row(state, args) ||
        idn_scanner_feed(&state->scanner, args->args[0], args->lengths[0], 1) != IDN_OK) {
        *error = 1;
        return NULL;
    }
    put(state, &at, "[");
    for (;;) {
        idn_match_t match = {.size = sizeof match};
        const int found = idn_scanner_next(&state->scanner, &match);
        if (found < 0 || (found == 1 && !grow_out(state, at + MATCH_JSON_ROOM + 2))) {
            state->prepared = 0;
            refuse_row(state, found < 0 ? idn_status_name(found) : "out of memory");
            *error = 1;
            return NULL;
        }
        if (found == 0) break;
        if (count++ > 0) put(state, &at, ",");
        put_match(state, &at, &match);
    }
    put(state, &at, "]");
    *length = (unsigned long)at;
    return state->out;
}
