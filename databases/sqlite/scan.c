/*
 * scan.c: the extension's functions that find identity numbers in text and
 * de-identify them, over the C API's scanner (capi/idnumber.h, "Finding
 * numbers in text"). idnumber.c registers them; the reference of their SQL
 * is this comment.
 *
 * FINDING. An eponymous table-valued function, one row per match in the
 * order of the text:
 *
 *   SELECT * FROM idn_find(x [, as_of [, min_confidence [, fifteen_digits [, encoding]]]])
 *
 * (or the arguments as constraints on its hidden columns input, as_of,
 * min_confidence, fifteen_digits, encoding). Columns: start and length (the
 * match as substr(x, start, length) takes it: characters of a TEXT, bytes
 * of a BLOB, counted from 1), line_number and column_number (1-based; the
 * column in characters), number (the 18 characters, X upper case; a
 * 15-digit one upgraded), form (JSON: the names of its flags, fullwidth,
 * lowercase_x, separated, fifteen_digits; [] for 18 ASCII characters
 * together), confidence ('low', 'medium', 'high'), flaw ('check' or
 * 'region' for a low one), keyword (the last keyword within reach before
 * it), and for a valid number kind, birth_date 'YYYY-MM-DD', sex '男' or
 * '女', region_code and the region fields province, city, county (NULL for
 * a low one).
 *
 * REDACTION. Scalar functions:
 *
 *   idn_redact(x [, redaction [, key]] [, name, value]...)
 *   idn_redact_number(x [, redaction [, key]] [, name, value]...)
 *
 * idn_redact gives x with every match at or above min_confidence replaced,
 * every other byte as it was; idn_redact_number gives the redaction of x
 * when x is one number alone (a field of numbers), NULL otherwise.
 * redaction is 'mask' (the default), 'label', 'token' or 'pseudonym'; key
 * is the key of token and pseudonym (a BLOB, or a TEXT's bytes, of at least
 * 16 bytes), NULL for the others. Further options follow by name and value
 * (idn_redact(x, 'mask', NULL, 'mask_first', 3)):
 *   as_of           TEXT 'YYYY-MM-DD': no birth after it (default: today on
 *                   the local clock)
 *   min_confidence  'low' (mistyped numbers too), 'medium' (default), 'high'
 *   fifteen_digits  1: 15-digit numbers of the old format too (default 0)
 *   encoding        of a BLOB's bytes: 'utf8' (default), 'gbk' or 'auto'
 *   mask_first, mask_last   characters a mask keeps (6 and 4)
 *   label           the label's text (default '[身份证号]')
 *   token_alphabet  'hex' (default) or 'base32'; token_length (16)
 *   keep            what a pseudonym keeps: 'region,birth_year,sex' (the
 *                   default), any of them, or '' for nothing
 * Words are taken in any ASCII case; NULL is an option not given. idn_find
 * takes as_of, min_confidence, fifteen_digits and encoding alike. A TEXT is
 * UTF-8 (an encoding other than utf8 is refused for it: CAST it AS BLOB); a
 * BLOB gives a BLOB, a TEXT (or a number's text) a TEXT. A NULL x gives NULL.
 *
 * Errors: a refused option is the SQL error "idn_redact: " (or the
 * function's name) and the library's message in these names ("idn_redact:
 * key: must be at least 16 bytes, not 5"); a word no option takes is refused
 * here in the same manner ("idn_redact: redaction: must be mask, label,
 * token or pseudonym, not masks"). No message echoes a key.
 *
 * Determinism: without as_of they read the clock, and SQLite knows a
 * function as deterministic or not by its name and number of arguments
 * alone, so they are not: SQLite refuses them in indexes, CHECK constraints
 * and generated columns. They are innocuous.
 *
 * Speed: each connection keeps one prepared scanner per function and
 * restarts it for a row whose options are those of the row before, so that
 * a column costs the scan of its texts, not a setup per row.
 */
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3

#include <string.h>
#include <time.h>

#include "databases/sql_scan_words.h"
#include "databases/sqlite/scan.h"

/* Redaction works through pieces of at most this many bytes, so that its
 * room (IDN_REDACT_SIZE of a piece) stays bounded whatever the text. */
#define REDACT_PIECE 65536

/* JSON's subtype, as idnumber.c gives it to idn_now. */
#define JSON_SUBTYPE 74

/* ---- The options of a call -------------------------------------------------------- */

/* One option as SQL gave it. */
typedef struct GivenOption {
    int option;            /* idn_option_t */
    sqlite3_value* value;  /* never SQL NULL */
} GivenOption;

#define MAX_GIVEN (IDN_OPTION_KEEP - IDN_OPTION_ENCODING + 1)

typedef struct GivenOptions {
    GivenOption options[MAX_GIVEN];
    int count;
} GivenOptions;

/* A prepared scanner, the options it was prepared with (as their bytes), and
 * the room of a redaction. One per connection and function, or per cursor. */
typedef struct ScanCache {
    idn_scanner_t scanner; /* first: sqlite3_malloc aligns it to 8 */
    int prepared;
    int encoding;          /* idn_encoding_t of the prepared options */
    unsigned char* fingerprint;
    size_t fingerprintLength, fingerprintCapacity;
    char* room;
    size_t roomCapacity;
} ScanCache;

static void releaseCache(ScanCache* cache) {
    sqlite3_free(cache->fingerprint);
    sqlite3_free(cache->room);
    cache->fingerprint = NULL;
    cache->room = NULL;
    cache->fingerprintLength = cache->fingerprintCapacity = cache->roomCapacity = 0;
    cache->prepared = 0;
}

static void destroyCache(void* cache) {
    releaseCache((ScanCache*)cache);
    sqlite3_free(cache);
}

/* Grows a buffer to at least `needed` bytes; 0 when out of memory. */
static int grow(void** buffer, size_t* capacity, size_t needed) {
    void* grown;
    size_t size = *capacity > 0 ? *capacity : 256;
    if (needed <= *capacity) return 1;
    while (size < needed) size *= 2;
    if ((grown = sqlite3_realloc64(*buffer, size)) == NULL) return 0;
    *buffer = grown;
    *capacity = size;
    return 1;
}

/* Adds an option; 0 when it is given twice, the error written. */
static int addOption(GivenOptions* given, int option, sqlite3_value* value, char* error, size_t size) {
    int i;
    if (sqlite3_value_type(value) == SQLITE_NULL) return 1;
    for (i = 0; i < given->count && i < MAX_GIVEN; ++i) {
        if (given->options[i].option == option) {
            sqlite3_snprintf((int)size, error, "%s is given twice", sql_scan_name(option));
            return 0;
        }
    }
    given->options[given->count].option = option;
    given->options[given->count].value = value;
    given->count++;
    return 1;
}

static const char* valueBytes(sqlite3_value* value, size_t* length);

/* The fingerprint of the options: each option's number, type and bytes, in
 * the order given. Equal fingerprints are equal options. 0 when out of
 * memory. */
static int fingerprintOf(ScanCache* cache, const GivenOptions* given, unsigned char** out, size_t* length) {
    size_t needed = 1 + sizeof(sqlite3_int64), at = 0, bytes; /* room for the date preparedScanner adds */
    int i;
    for (i = 0; i < given->count; ++i) {
        bytes = 0;
        if (sqlite3_value_type(given->options[i].value) != SQLITE_INTEGER) valueBytes(given->options[i].value, &bytes);
        needed += 2 + sizeof(sqlite3_uint64) + bytes;
    }
    /* Room beyond the kept fingerprint: the new one goes after it. */
    if (!grow((void**)&cache->fingerprint, &cache->fingerprintCapacity, cache->fingerprintLength + needed)) return 0;
    *out = cache->fingerprint + cache->fingerprintLength;
    for (i = 0; i < given->count; ++i) {
        sqlite3_value* value = given->options[i].value;
        const int type = sqlite3_value_type(value);
        (*out)[at++] = (unsigned char)given->options[i].option;
        (*out)[at++] = (unsigned char)type;
        if (type == SQLITE_INTEGER) {
            const sqlite3_int64 number = sqlite3_value_int64(value);
            memcpy(*out + at, &number, sizeof number);
            at += sizeof number;
        } else {
            const char* data = valueBytes(value, &bytes);
            const sqlite3_uint64 count = bytes;
            memcpy(*out + at, &count, sizeof count);
            at += sizeof count;
            memcpy(*out + at, data, bytes);
            at += bytes;
        }
    }
    *length = at;
    return 1;
}

/* The bytes of a value: a BLOB's, or its text (a number's as SQLite writes it). */
static const char* valueBytes(sqlite3_value* value, size_t* length) {
    const char* bytes = sqlite3_value_type(value) == SQLITE_BLOB ? (const char*)sqlite3_value_blob(value)
                                                                  : (const char*)sqlite3_value_text(value);
    *length = (size_t)sqlite3_value_bytes(value);
    return bytes != NULL ? bytes : "";
}

/* An integer option: an INTEGER, or the decimal text of one. */
static int integerValue(sqlite3_value* value, sqlite3_int64* number) {
    const unsigned char* text;
    int length, i = 0, negative;
    sqlite3_uint64 sum = 0;
    if (sqlite3_value_type(value) == SQLITE_INTEGER) {
        *number = sqlite3_value_int64(value);
        return 1;
    }
    if (sqlite3_value_type(value) != SQLITE_TEXT || (text = sqlite3_value_text(value)) == NULL) return 0;
    length = sqlite3_value_bytes(value);
    negative = length > 0 && text[0] == '-';
    if (length > 0 && (text[0] == '-' || text[0] == '+')) i = 1;
    if (i == length || length - i > 18) return 0;
    for (; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9') return 0;
        sum = sum * 10 + (unsigned)(text[i] - '0');
    }
    *number = negative ? -(sqlite3_int64)sum : (sqlite3_int64)sum;
    return 1;
}

/* "NAME must be WHAT, not a BLOB" (or the value's text). */
static void typeRefusal(int option, sqlite3_value* value, const char* what, char* error, size_t size) {
    char echoed[IDN_MESSAGE_SIZE];
    size_t at = 0, length;
    const char* bytes;
    echoed[0] = '\0';
    if (sqlite3_value_type(value) == SQLITE_BLOB) {
        sql_scan_append(echoed, sizeof echoed, &at, "a BLOB", 6);
    } else {
        bytes = valueBytes(value, &length);
        sql_scan_append_echoed(echoed, sizeof echoed, &at, bytes, length);
    }
    sqlite3_snprintf((int)size, error, "%s: must be %s, not %s", sql_scan_name(option), what, echoed);
}

/* The refusal of a value that is no word of the option (a BLOB is none). */
static void wordRefusal(int option, sqlite3_value* value, char* error, size_t size) {
    size_t length;
    const char* bytes = valueBytes(value, &length);
    if (sqlite3_value_type(value) == SQLITE_BLOB) {
        bytes = "a BLOB";
        length = 6;
    }
    sql_scan_word_refusal(option, bytes, length, error, size);
}

/* Sets one option into the scanner; 0 with the error written when this
 * file refuses its value (the library judges the rest when prepared). */
static int setOption(ScanCache* cache, const GivenOption* given, char* error, size_t size) {
    idn_scanner_t* scanner = &cache->scanner;
    sqlite3_value* value = given->value;
    const int option = given->option;
    size_t length;
    const char* bytes;
    sqlite3_int64 number;
    int64_t word;
    switch (option) {
    case IDN_OPTION_LABEL:
    case IDN_OPTION_KEY:
        if (option == IDN_OPTION_KEY && sqlite3_value_type(value) != SQLITE_BLOB &&
            sqlite3_value_type(value) != SQLITE_TEXT) {
            sqlite3_snprintf((int)size, error, "key: must be a BLOB or a TEXT, not a number");
            return 0;
        }
        bytes = valueBytes(value, &length);
        return idn_scanner_set_text(scanner, option, bytes, length) == IDN_OK;
    case IDN_OPTION_AS_OF_DATE:
        bytes = valueBytes(value, &length);
        if (sqlite3_value_type(value) != SQLITE_TEXT) length = 0; /* not of a date's shape */
        if (!sql_scan_as_of_text(bytes, length, &word, error, size)) return 0;
        return idn_scanner_set_integer(scanner, option, word) == IDN_OK;
    case IDN_OPTION_KEEP:
        bytes = valueBytes(value, &length);
        if (sqlite3_value_type(value) == SQLITE_BLOB || !sql_scan_keep_list(bytes, length, &word)) {
            wordRefusal(option, value, error, size);
            return 0;
        }
        return idn_scanner_set_integer(scanner, option, word) == IDN_OK;
    default:
        if (sql_scan_takes_word(option)) {
            bytes = valueBytes(value, &length);
            if (sqlite3_value_type(value) == SQLITE_BLOB || !sql_scan_word_value(option, bytes, length, &word)) {
                wordRefusal(option, value, error, size);
                return 0;
            }
            if (option == IDN_OPTION_ENCODING) cache->encoding = (int)word;
            return idn_scanner_set_integer(scanner, option, word) == IDN_OK;
        }
        if (!integerValue(value, &number)) {
            typeRefusal(option, value, "an integer", error, size);
            return 0;
        }
        return idn_scanner_set_integer(scanner, option, number) == IDN_OK;
    }
}

/* Today on the local clock as YYYYMMDD, the as-of date when none is given:
 * read once a second per thread rather than once a row. */
static sqlite3_int64 today(void) {
    static _Thread_local time_t second = (time_t)-1;
    static _Thread_local sqlite3_int64 date = 0;
    const time_t now = time(NULL);
    if (now != second || date == 0) {
        int32_t year, month, day;
        idn_current_date(&year, &month, &day);
        date = sql_scan_date_value(year, month, day);
        second = now;
    }
    return date;
}

/* The scanner prepared with the options, restarted when they are those it
 * has; 0 with the error written. Without as_of, today's date is one of the
 * options, so that a connection kept past midnight takes the new day. */
static int preparedScanner(ScanCache* cache, const GivenOptions* given, char* error, size_t size) {
    unsigned char* fingerprint;
    size_t length, names;
    sqlite3_int64 date = 0;
    int i, dated = 0;
    for (i = 0; i < given->count; ++i) dated |= given->options[i].option == IDN_OPTION_AS_OF_DATE;
    if (!dated) date = today();
    if (!fingerprintOf(cache, given, &fingerprint, &length)) {
        sqlite3_snprintf((int)size, error, "out of memory");
        return 0;
    }
    memcpy(fingerprint + length, &date, sizeof date);
    length += sizeof date;
    if (cache->prepared && length == cache->fingerprintLength && memcmp(fingerprint, cache->fingerprint, length) == 0)
        return idn_scanner_restart(&cache->scanner) == IDN_OK;
    cache->prepared = 0;
    cache->encoding = IDN_ENCODING_UTF8;
    /* Kept only once prepared: the new fingerprint moves to the start then. */
    memmove(cache->fingerprint, fingerprint, length);
    fingerprint = cache->fingerprint;
    cache->fingerprintLength = 0;
    if (idn_scanner_init(&cache->scanner, sizeof cache->scanner) != IDN_OK) {
        sqlite3_snprintf((int)size, error, "the scanner's storage is smaller than the library's");
        return 0;
    }
    if (!dated) idn_scanner_set_integer(&cache->scanner, IDN_OPTION_AS_OF_DATE, date);
    for (i = 0; i < given->count; ++i) {
        if (!setOption(cache, &given->options[i], error, size)) {
            if (error[0] == '\0') sqlite3_snprintf((int)size, error, "%s could not be set", sql_scan_name(given->options[i].option));
            return 0;
        }
    }
    if (idn_scanner_prepare(&cache->scanner) != IDN_OK) {
        const char* const* words = sql_scan_names(&names);
        idn_scanner_message(&cache->scanner, words, names, error, size, NULL);
        return 0;
    }
    cache->fingerprintLength = length;
    cache->prepared = 1;
    return 1;
}

/* A TEXT is UTF-8: another encoding reads bytes. */
static int encodingFits(const ScanCache* cache, sqlite3_value* input, char* error, size_t size) {
    if (cache->encoding == IDN_ENCODING_UTF8 || sqlite3_value_type(input) == SQLITE_BLOB) return 1;
    sqlite3_snprintf((int)size, error, "encoding %s reads a BLOB's bytes; a TEXT is UTF-8: CAST it AS BLOB",
                     sql_scan_word_of(IDN_OPTION_ENCODING, cache->encoding));
    return 0;
}

/* ---- idn_redact and idn_redact_number ------------------------------------------------ */

/* The options of idn_redact(x, redaction, key, name, value, ...): the way
 * second, the key third (NULL for the ways that take none), then pairs of a
 * name and a value. 0 with the error written. */
static int redactOptions(int argc, sqlite3_value** argv, GivenOptions* given, char* error, size_t size) {
    int at, option;
    memset(given, 0, sizeof *given);
    if (argc >= 2 && !addOption(given, IDN_OPTION_REDACTION, argv[1], error, size)) return 0;
    if (argc >= 3 && !addOption(given, IDN_OPTION_KEY, argv[2], error, size)) return 0;
    if (argc > 3 && (argc - 3) % 2 != 0) {
        sqlite3_snprintf((int)size, error,
                         "the options after x, redaction and key come in pairs of a name and a value"
                         " (the key of mask and label is NULL)");
        return 0;
    }
    for (at = 3; at < argc; at += 2) {
        size_t length;
        const char* name = valueBytes(argv[at], &length);
        if (sqlite3_value_type(argv[at]) != SQLITE_TEXT ||
            (option = sql_scan_option_named(name, length)) == IDN_OPTION_NONE || option == IDN_OPTION_KEY ||
            option == IDN_OPTION_REDACTION) {
            char echoed[160];
            size_t written = 0;
            echoed[0] = '\0';
            if (sqlite3_value_type(argv[at]) == SQLITE_TEXT) {
                sql_scan_append(echoed, sizeof echoed, &written, "'", 1);
                sql_scan_append_echoed(echoed, sizeof echoed, &written, name, length);
                sql_scan_append(echoed, sizeof echoed, &written, "'", 1);
            } else {
                sql_scan_append(echoed, sizeof echoed, &written, "a value that is no TEXT", 23);
            }
            sqlite3_snprintf((int)size, error,
                             "argument %d: %s is no option's name (as_of, min_confidence, fifteen_digits, encoding, "
                             "mask_first, mask_last, label, token_alphabet, token_length, keep)",
                             at + 1, echoed);
            return 0;
        }
        if (!addOption(given, option, argv[at + 1], error, size)) return 0;
    }
    return 1;
}

/* The cache of a connection's function, prepared for this call's options;
 * NULL with the error set. */
static ScanCache* redactScanner(sqlite3_context* context, const char* function, int argc, sqlite3_value** argv) {
    ScanCache* cache = (ScanCache*)sqlite3_user_data(context);
    GivenOptions given;
    char error[IDN_MESSAGE_SIZE + 256], message[IDN_MESSAGE_SIZE + 320];
    error[0] = '\0';
    if (!redactOptions(argc, argv, &given, error, sizeof error) ||
        !preparedScanner(cache, &given, error, sizeof error) || !encodingFits(cache, argv[0], error, sizeof error)) {
        sqlite3_snprintf((int)sizeof message, message, "%s: %s", function, error);
        sqlite3_result_error(context, message, -1);
        return NULL;
    }
    return cache;
}

/* The result: a BLOB for a BLOB, else TEXT. */
static void resultBytes(sqlite3_context* context, sqlite3_value* input, const char* bytes, sqlite3_uint64 length,
                        void (*destructor)(void*)) {
    if (sqlite3_value_type(input) == SQLITE_BLOB)
        sqlite3_result_blob64(context, bytes, length, destructor);
    else
        sqlite3_result_text64(context, bytes, length, destructor, SQLITE_UTF8);
}

static void redactFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    ScanCache* cache;
    size_t length, at = 0;
    const char* bytes;
    sqlite3_str* whole = NULL;
    if (argc < 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) return;
    if ((cache = redactScanner(context, "idn_redact", argc, argv)) == NULL) return;
    bytes = valueBytes(argv[0], &length);
    if (!grow((void**)&cache->room, &cache->roomCapacity,
              IDN_REDACT_SIZE(length < REDACT_PIECE ? length : REDACT_PIECE))) {
        sqlite3_result_error_nomem(context);
        return;
    }
    /* One piece for a short text; pieces one after another into a string
     * for a long one. */
    do {
        const size_t piece = length - at < REDACT_PIECE ? length - at : REDACT_PIECE;
        const int final = at + piece == length;
        size_t written = 0;
        const int status =
            idn_scanner_redact(&cache->scanner, bytes + at, piece, final, cache->room, cache->roomCapacity, &written);
        if (status != IDN_OK) {
            char error[96];
            sqlite3_free(sqlite3_str_finish(whole));
            cache->prepared = 0;
            sqlite3_snprintf((int)sizeof error, error, "idn_redact: the scanner failed: %s", idn_status_name(status));
            sqlite3_result_error(context, error, -1);
            return;
        }
        at += piece;
        if (final && whole == NULL) {
            resultBytes(context, argv[0], cache->room, written, SQLITE_TRANSIENT);
            return;
        }
        if (whole == NULL) whole = sqlite3_str_new(sqlite3_context_db_handle(context));
        sqlite3_str_append(whole, cache->room, (int)written);
        if (final) {
            const sqlite3_uint64 total = (sqlite3_uint64)sqlite3_str_length(whole);
            const int appended = sqlite3_str_errcode(whole);
            char* text = sqlite3_str_finish(whole);
            if (appended != SQLITE_OK) {
                sqlite3_free(text);
                if (appended == SQLITE_TOOBIG)
                    sqlite3_result_error_toobig(context);
                else
                    sqlite3_result_error_nomem(context);
                return;
            }
            resultBytes(context, argv[0], text != NULL ? text : "", total, sqlite3_free);
            return;
        }
    } while (1);
}

static void redactNumberFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    ScanCache* cache;
    char out[IDN_REDACT_NUMBER_SIZE];
    size_t length, written = 0;
    const char* bytes;
    int status;
    if (argc < 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) return;
    if ((cache = redactScanner(context, "idn_redact_number", argc, argv)) == NULL) return;
    bytes = valueBytes(argv[0], &length);
    status = idn_scanner_redact_number(&cache->scanner, bytes, length, out, sizeof out, &written);
    if (status == IDN_OK)
        resultBytes(context, argv[0], out, written, SQLITE_TRANSIENT);
    else if (status != IDN_ERROR_NOT_FOUND)
        sqlite3_result_error(context, idn_status_name(status), -1);
}

/* ---- idn_find, the table-valued function ------------------------------------------------ */

enum FindColumn {
    FIND_START,
    FIND_LENGTH,
    FIND_LINE_NUMBER,
    FIND_COLUMN_NUMBER,
    FIND_NUMBER,
    FIND_FORM,
    FIND_CONFIDENCE,
    FIND_FLAW,
    FIND_KEYWORD,
    FIND_KIND,
    FIND_BIRTH_DATE,
    FIND_SEX,
    FIND_REGION_CODE,
    FIND_PROVINCE,
    FIND_CITY,
    FIND_COUNTY,
    FIND_INPUT, /* the hidden columns, which take the arguments */
    FIND_AS_OF,
    FIND_MIN_CONFIDENCE,
    FIND_FIFTEEN_DIGITS,
    FIND_ENCODING,
    FIND_COLUMN_COUNT
};
#define FIND_ARGUMENTS (FIND_COLUMN_COUNT - FIND_INPUT)
/* The options the hidden columns after the input give, in their order. */
static const int FIND_OPTIONS[FIND_ARGUMENTS - 1] = {IDN_OPTION_AS_OF_DATE, IDN_OPTION_MIN_CONFIDENCE,
                                                      IDN_OPTION_FIFTEEN_DIGITS, IDN_OPTION_ENCODING};

typedef struct FindCursor {
    sqlite3_vtab_cursor base;
    ScanCache cache;
    idn_match_t* matches;     /* of the row's text, kept so that the text need not be */
    size_t count, index;
    size_t capacity;          /* of matches, in bytes */
    int bytes;                /* the input is a BLOB: start and length count bytes */
    sqlite3_value* arguments[FIND_ARGUMENTS]; /* as given, only where the statement reads them */
} FindCursor;

static int findConnect(sqlite3* db, void* aux, int argc, const char* const* argv, sqlite3_vtab** table,
                       char** error) {
    int status;
    (void)aux, (void)argc, (void)argv, (void)error;
    status = sqlite3_declare_vtab(db, "CREATE TABLE x(start INTEGER, length INTEGER, line_number INTEGER,"
                                      " column_number INTEGER, number TEXT, form TEXT, confidence TEXT, flaw TEXT,"
                                      " keyword TEXT, kind TEXT, birth_date TEXT, sex TEXT, region_code INTEGER,"
                                      " province TEXT, city TEXT, county TEXT, input HIDDEN, as_of HIDDEN,"
                                      " min_confidence HIDDEN, fifteen_digits HIDDEN, encoding HIDDEN)");
    if (status != SQLITE_OK) return status;
    if ((*table = sqlite3_malloc(sizeof **table)) == NULL) return SQLITE_NOMEM;
    memset(*table, 0, sizeof **table);
    sqlite3_vtab_config(db, SQLITE_VTAB_INNOCUOUS);
    return SQLITE_OK;
}

static int findDisconnect(sqlite3_vtab* table) {
    sqlite3_free(table);
    return SQLITE_OK;
}

static int findOpen(sqlite3_vtab* table, sqlite3_vtab_cursor** cursor) {
    FindCursor* opened = sqlite3_malloc(sizeof *opened);
    (void)table;
    if (opened == NULL) return SQLITE_NOMEM;
    memset(opened, 0, sizeof *opened);
    *cursor = &opened->base;
    return SQLITE_OK;
}

static void releaseArguments(FindCursor* cursor) {
    int i;
    for (i = 0; i < FIND_ARGUMENTS; ++i) {
        sqlite3_value_free(cursor->arguments[i]);
        cursor->arguments[i] = NULL;
    }
}

static int findClose(sqlite3_vtab_cursor* base) {
    FindCursor* cursor = (FindCursor*)base;
    releaseArguments(cursor);
    releaseCache(&cursor->cache);
    sqlite3_free(cursor->matches);
    sqlite3_free(cursor);
    return SQLITE_OK;
}

/* The arguments are equality constraints on the hidden columns: bit k of
 * idxNum says argument k is given (they arrive in column order), bit
 * FIND_ARGUMENTS + k that the statement reads its column. A plan without an
 * argument that is given but not yet usable (a join's) is refused, so that
 * the planner finds one with it. */
static int findBestIndex(sqlite3_vtab* table, sqlite3_index_info* info) {
    int constraintOf[FIND_ARGUMENTS];
    unsigned given = 0, unusable = 0, read = 0;
    int i, next = 1;
    (void)table;
    for (i = 0; i < FIND_ARGUMENTS; ++i) {
        constraintOf[i] = -1;
        if (info->colUsed & ((sqlite3_uint64)1 << (FIND_INPUT + i))) read |= 1u << i;
    }
    for (i = 0; i < info->nConstraint; ++i) {
        const struct sqlite3_index_constraint* constraint = &info->aConstraint[i];
        unsigned bit;
        if (constraint->iColumn < FIND_INPUT) continue;
        bit = 1u << (constraint->iColumn - FIND_INPUT);
        if (!constraint->usable) {
            unusable |= bit;
            continue;
        }
        if (constraint->op != SQLITE_INDEX_CONSTRAINT_EQ) continue;
        constraintOf[constraint->iColumn - FIND_INPUT] = i;
        given |= bit;
    }
    if ((unusable & ~given) != 0) return SQLITE_CONSTRAINT;
    for (i = 0; i < FIND_ARGUMENTS; ++i) {
        if ((given & (1u << i)) == 0) continue;
        info->aConstraintUsage[constraintOf[i]].argvIndex = next++;
        info->aConstraintUsage[constraintOf[i]].omit = 1;
    }
    info->idxNum = (int)(given | read << FIND_ARGUMENTS);
    info->estimatedCost = (given & 1) ? 10.0 : 1e9;
    info->estimatedRows = 1;
    return SQLITE_OK;
}

static int findError(FindCursor* cursor, const char* message) {
    sqlite3_vtab* table = cursor->base.pVtab;
    sqlite3_free(table->zErrMsg);
    table->zErrMsg = sqlite3_mprintf("idn_find: %s", message);
    return table->zErrMsg != NULL ? SQLITE_ERROR : SQLITE_NOMEM;
}

/* Finds every match of the input, kept in the cursor. */
static int findFilter(sqlite3_vtab_cursor* base, int plan, const char* indexText, int argc, sqlite3_value** argv) {
    FindCursor* cursor = (FindCursor*)base;
    sqlite3_value* values[FIND_ARGUMENTS];
    GivenOptions given;
    char error[IDN_MESSAGE_SIZE + 256];
    size_t length;
    const char* bytes;
    int i, next = 0, status;
    (void)indexText;

    releaseArguments(cursor);
    cursor->count = cursor->index = 0;
    memset(&given, 0, sizeof given);
    error[0] = '\0';
    for (i = 0; i < FIND_ARGUMENTS; ++i) {
        values[i] = NULL;
        if ((plan & (1 << i)) != 0 && next < argc) values[i] = argv[next++];
        if (values[i] != NULL && (plan & (1 << (FIND_ARGUMENTS + i))) != 0 &&
            (cursor->arguments[i] = sqlite3_value_dup(values[i])) == NULL)
            return SQLITE_NOMEM;
        if (i > 0 && values[i] != NULL && !addOption(&given, FIND_OPTIONS[i - 1], values[i], error, sizeof error))
            return findError(cursor, error);
    }
    if (values[0] == NULL || sqlite3_value_type(values[0]) == SQLITE_NULL) return SQLITE_OK;
    if (!preparedScanner(&cursor->cache, &given, error, sizeof error) ||
        !encodingFits(&cursor->cache, values[0], error, sizeof error))
        return findError(cursor, error);
    cursor->bytes = sqlite3_value_type(values[0]) == SQLITE_BLOB;
    bytes = valueBytes(values[0], &length);
    if ((status = idn_scanner_feed(&cursor->cache.scanner, bytes, length, 1)) != IDN_OK)
        return findError(cursor, idn_status_name(status));
    for (;;) {
        idn_match_t match = {.size = sizeof match};
        const int found = idn_scanner_next(&cursor->cache.scanner, &match);
        if (found < 0) return findError(cursor, idn_status_name(found));
        if (found == 0) break;
        if (!grow((void**)&cursor->matches, &cursor->capacity, (cursor->count + 1) * sizeof match))
            return SQLITE_NOMEM;
        cursor->matches[cursor->count++] = match;
    }
    return SQLITE_OK;
}

static int findNext(sqlite3_vtab_cursor* base) {
    ((FindCursor*)base)->index++;
    return SQLITE_OK;
}

static int findEof(sqlite3_vtab_cursor* base) {
    const FindCursor* cursor = (const FindCursor*)base;
    return cursor->index >= cursor->count;
}

static void resultName(sqlite3_context* context, const char* text) {
    if (text != NULL) sqlite3_result_text(context, text, -1, SQLITE_STATIC);
}

/* The form's flags as a JSON array of their names. */
static void resultForm(sqlite3_context* context, int form) {
    char json[96];
    size_t at = 0;
    int flag;
    sql_scan_append(json, sizeof json, &at, "[", 1);
    for (flag = IDN_FORM_FULLWIDTH; flag <= IDN_FORM_FIFTEEN_DIGITS; flag <<= 1) {
        if ((form & flag) == 0) continue;
        if (at > 1) sql_scan_append(json, sizeof json, &at, ",", 1);
        sql_scan_append(json, sizeof json, &at, "\"", 1);
        sql_scan_append(json, sizeof json, &at, idn_form_name(flag), strlen(idn_form_name(flag)));
        sql_scan_append(json, sizeof json, &at, "\"", 1);
    }
    sql_scan_append(json, sizeof json, &at, "]", 1);
    sqlite3_result_text(context, json, (int)at, SQLITE_TRANSIENT);
    sqlite3_result_subtype(context, JSON_SUBTYPE);
}

static void resultRegionField(sqlite3_context* context, const idn_match_t* match, int column) {
    idn_region_fields_t fields = {.size = sizeof fields};
    if (match->confidence < IDN_CONFIDENCE_MEDIUM || idn_region_fields(match->region_code, &fields) != IDN_OK) return;
    resultName(context, column == FIND_PROVINCE ? fields.province : column == FIND_CITY ? fields.city : fields.county);
}

static int findColumn(sqlite3_vtab_cursor* base, sqlite3_context* context, int column) {
    FindCursor* cursor = (FindCursor*)base;
    const idn_match_t* match = &cursor->matches[cursor->index];
    const int valid = match->confidence >= IDN_CONFIDENCE_MEDIUM;
    char date[16];
    switch (column) {
    case FIND_START:
        sqlite3_result_int64(context, (sqlite3_int64)(cursor->bytes ? match->byte_offset : match->char_offset) + 1);
        break;
    case FIND_LENGTH:
        sqlite3_result_int64(context, (sqlite3_int64)(cursor->bytes ? match->byte_length : match->char_length));
        break;
    case FIND_LINE_NUMBER: sqlite3_result_int64(context, (sqlite3_int64)match->line); break;
    case FIND_COLUMN_NUMBER: sqlite3_result_int64(context, (sqlite3_int64)match->column); break;
    case FIND_NUMBER: sqlite3_result_text(context, match->number, -1, SQLITE_TRANSIENT); break;
    case FIND_FORM: resultForm(context, match->form); break;
    case FIND_CONFIDENCE: resultName(context, idn_confidence_name(match->confidence)); break;
    case FIND_FLAW: resultName(context, idn_flaw_name(match->flaw)); break;
    case FIND_KEYWORD: resultName(context, match->keyword); break;
    case FIND_KIND:
        if (valid) resultName(context, idn_kind_name(match->kind));
        break;
    case FIND_BIRTH_DATE:
        if (!valid) break;
        sqlite3_snprintf((int)sizeof date, date, "%04d-%02d-%02d", match->birth_year, match->birth_month,
                         match->birth_day);
        sqlite3_result_text(context, date, -1, SQLITE_TRANSIENT);
        break;
    case FIND_SEX:
        if (valid) resultName(context, idn_sex_name(match->sex));
        break;
    case FIND_REGION_CODE:
        if (valid) sqlite3_result_int(context, match->region_code);
        break;
    case FIND_PROVINCE:
    case FIND_CITY:
    case FIND_COUNTY: resultRegionField(context, match, column); break;
    default:
        if (column >= FIND_INPUT && column < FIND_COLUMN_COUNT && cursor->arguments[column - FIND_INPUT] != NULL)
            sqlite3_result_value(context, cursor->arguments[column - FIND_INPUT]);
        break;
    }
    return SQLITE_OK;
}

/* Rows are numbered from 1, in the order of the text. */
static int findRowid(sqlite3_vtab_cursor* base, sqlite3_int64* rowid) {
    *rowid = (sqlite3_int64)((FindCursor*)base)->index + 1;
    return SQLITE_OK;
}

/* Eponymous only: no xCreate, so it cannot be a CREATE VIRTUAL TABLE. */
static sqlite3_module findModule = {
    .iVersion = 0,
    .xConnect = findConnect,
    .xBestIndex = findBestIndex,
    .xDisconnect = findDisconnect,
    .xOpen = findOpen,
    .xClose = findClose,
    .xFilter = findFilter,
    .xNext = findNext,
    .xEof = findEof,
    .xColumn = findColumn,
    .xRowid = findRowid,
};

/* ---- Registration ---------------------------------------------------------------------- */

static int createRedactFunction(sqlite3* db, const char* name, void (*function)(sqlite3_context*, int, sqlite3_value**)) {
    ScanCache* cache = sqlite3_malloc(sizeof *cache);
    if (cache == NULL) return SQLITE_NOMEM;
    memset(cache, 0, sizeof *cache);
    /* The cache is the connection's; SQLite frees it with the function. */
    return sqlite3_create_function_v2(db, name, -1, SQLITE_UTF8 | SQLITE_INNOCUOUS, cache, function, NULL, NULL,
                                      destroyCache);
}

int idnRegisterScanFunctions(sqlite3* db) {
    int status = createRedactFunction(db, "idn_redact", redactFunction);
    if (status == SQLITE_OK) status = createRedactFunction(db, "idn_redact_number", redactNumberFunction);
    if (status == SQLITE_OK) status = sqlite3_create_module(db, "idn_find", &findModule, NULL);
    return status;
}
