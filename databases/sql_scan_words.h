/*
 * sql_scan_words.h: how the SQL functions idn_find, idn_redact and
 * idn_redact_number of the SQLite, PostgreSQL and MariaDB modules take the
 * scanner's options (capi/idnumber.h, "Finding numbers in text"): their SQL
 * names, the words of those that take a word, a birth-date limit given as a
 * date, and the messages of what the library cannot judge because it never
 * sees it (a word that names nothing). Shared by the three modules, so that
 * they take and refuse the same words in the same sentences.
 *
 * Words are ASCII, matched in any case, as SQL treats names: 'GBK' is gbk.
 * Everything else is the library's to judge, in its order, with its messages
 * (idn_scanner_message with sql_scan_names()).
 */
#ifndef SQL_SCAN_WORDS_H
#define SQL_SCAN_WORDS_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "idnumber.h"

/* The SQL name of each option of a scan, indexed by idn_option_t; the
 * others are the library's own words. */
static inline const char* const* sql_scan_names(size_t* count) {
    static const char* const names[IDN_OPTION_KEEP + 1] = {[IDN_OPTION_AS_OF_DATE] = "as_of"};
    *count = sizeof names / sizeof names[0];
    return names;
}

/* An option's name as SQL spells it. */
static inline const char* sql_scan_name(int option) {
    size_t count;
    const char* const* names = sql_scan_names(&count);
    return option >= 0 && (size_t)option < count && names[option] != NULL ? names[option] : idn_option_name(option);
}

/* The words of an option that takes one, by value; NULL for one that takes none. */
static inline const char* sql_scan_word_of(int option, int value) {
    static const char* const encodings[] = {"utf8", "gbk", "auto"};        /* idn_encoding_t */
    static const char* const alphabets[] = {"hex", "base32"};              /* idn_token_alphabet_t */
    switch (option) {
    case IDN_OPTION_ENCODING: return value >= 0 && value < 3 ? encodings[value] : NULL;
    case IDN_OPTION_TOKEN_ALPHABET: return value >= 0 && value < 2 ? alphabets[value] : NULL;
    case IDN_OPTION_MIN_CONFIDENCE: return idn_confidence_name(value);
    case IDN_OPTION_REDACTION: return idn_redaction_name(value);
    default: return NULL;
    }
}

/* The first value that has a word (min_confidence's start at low). */
static inline int sql_scan_first_word_value(int option) {
    return option == IDN_OPTION_MIN_CONFIDENCE ? IDN_CONFIDENCE_LOW : 0;
}

/* Whether the option takes a word (keep takes a list of them). */
static inline int sql_scan_takes_word(int option) {
    return sql_scan_word_of(option, sql_scan_first_word_value(option)) != NULL;
}

static inline int sql_scan_same_word(const char* text, size_t length, const char* word) {
    size_t i;
    if (strlen(word) != length) return 0;
    for (i = 0; i < length; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
        if (c != word[i]) return 0;
    }
    return 1;
}

/* The value of a word of the option: 1 with *value set; 0 when it names none. */
static inline int sql_scan_word_value(int option, const char* text, size_t length, int64_t* value) {
    int v;
    const char* word;
    for (v = sql_scan_first_word_value(option); (word = sql_scan_word_of(option, v)) != NULL; ++v) {
        if (sql_scan_same_word(text, length, word)) {
            *value = v;
            return 1;
        }
    }
    return 0;
}

/* What a pseudonym may keep, by idn_keep_t flag: each word once. */
static inline const char* sql_scan_keep_word(int index, int64_t* flag) {
    static const char* const words[] = {"region", "birth_year", "sex"};
    static const int64_t flags[] = {IDN_KEEP_REGION, IDN_KEEP_BIRTH_YEAR, IDN_KEEP_SEX};
    if (index < 0 || index >= 3) return NULL;
    *flag = flags[index];
    return words[index];
}

/* The flag of one word of keep: 1 with *flag set; 0 when it names none. */
static inline int sql_scan_keep_flag(const char* text, size_t length, int64_t* flag) {
    int i;
    const char* word;
    for (i = 0; (word = sql_scan_keep_word(i, flag)) != NULL; ++i)
        if (sql_scan_same_word(text, length, word)) return 1;
    return 0;
}

/* keep as one text, the words separated by commas (spaces around them
 * ignored), as MariaDB writes a SET and SQLite has no arrays: 'region,sex';
 * '' keeps nothing. 1 with *flags set; 0 when a word names none. */
static inline int sql_scan_keep_list(const char* text, size_t length, int64_t* flags) {
    size_t at = 0;
    *flags = 0;
    while (at < length) {
        size_t start = at, end;
        int64_t flag;
        while (at < length && text[at] != ',') ++at;
        end = at;
        while (start < end && text[start] == ' ') ++start;
        while (end > start && text[end - 1] == ' ') --end;
        if (!sql_scan_keep_flag(text + start, end - start, &flag)) return 0;
        *flags |= flag;
        if (at < length) {
            ++at; /* the comma: a word must follow */
            if (at == length) return 0;
        }
    }
    return 1;
}

/* The option an SQL name names (any ASCII case), or IDN_OPTION_NONE. */
static inline int sql_scan_option_named(const char* text, size_t length) {
    int option;
    for (option = IDN_OPTION_ENCODING; option <= IDN_OPTION_KEEP; ++option)
        if (sql_scan_same_word(text, length, sql_scan_name(option))) return option;
    return IDN_OPTION_NONE;
}

/* Appends `text` to out[*at] within `size` (NUL kept room for). */
static inline void sql_scan_append(char* out, size_t size, size_t* at, const char* text, size_t length) {
    if (*at >= size) return;
    if (length > size - 1 - *at) length = size - 1 - *at;
    memcpy(out + *at, text, length);
    *at += length;
    out[*at] = '\0';
}

/* The value as a message echoes it: at most 64 bytes of it (then "..."),
 * never cut inside a UTF-8 character; control characters and bytes that are
 * no UTF-8 written '?', as the library writes them. */
static inline void sql_scan_append_echoed(char* out, size_t size, size_t* at, const char* text, size_t length) {
    size_t i = 0;
    while (i < length) {
        const unsigned char lead = (unsigned char)text[i];
        size_t width = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
        size_t k;
        if (i >= 64 || (width > 1 && i + width > 64)) {
            sql_scan_append(out, size, at, "...", 3);
            return;
        }
        for (k = 1; k < width; ++k)
            if (i + k >= length || ((unsigned char)text[i + k] & 0xC0) != 0x80) width = 0;
        /* Overlong and surrogate forms of three and four bytes. */
        if (width == 3 && ((lead == 0xE0 && (unsigned char)text[i + 1] < 0xA0) ||
                           (lead == 0xED && (unsigned char)text[i + 1] >= 0xA0)))
            width = 0;
        if (width == 4 && ((lead == 0xF0 && (unsigned char)text[i + 1] < 0x90) ||
                           (lead == 0xF4 && (unsigned char)text[i + 1] >= 0x90)))
            width = 0;
        if (width == 0 || (width == 1 && (lead < 0x20 || lead == 0x7F))) {
            sql_scan_append(out, size, at, "?", 1);
            ++i;
        } else {
            sql_scan_append(out, size, at, text + i, width);
            i += width;
        }
    }
}

/* The message of a word the option does not take: "redaction: must be
 * mask, label, token or pseudonym, not masks"; for keep, "keep: must be a
 * list of region, birth_year and sex, not x". Returns the length written
 * (out has `size` bytes, IDN_MESSAGE_SIZE suffices). */
static inline size_t sql_scan_word_refusal(int option, const char* text, size_t length, char* out, size_t size) {
    const char* name = sql_scan_name(option);
    size_t at = 0;
    int v, first = sql_scan_first_word_value(option), count = 0;
    if (size == 0) return 0;
    out[0] = '\0';
    sql_scan_append(out, size, &at, name, strlen(name));
    if (option == IDN_OPTION_KEEP) {
        const char* words = ": must be a list of region, birth_year and sex, not ";
        sql_scan_append(out, size, &at, words, strlen(words));
    } else {
        sql_scan_append(out, size, &at, ": must be ", 10);
        while (sql_scan_word_of(option, first + count) != NULL) ++count;
        for (v = 0; v < count; ++v) {
            const char* word = sql_scan_word_of(option, first + v);
            if (v > 0) sql_scan_append(out, size, &at, v == count - 1 ? " or " : ", ", v == count - 1 ? 4 : 2);
            sql_scan_append(out, size, &at, word, strlen(word));
        }
        sql_scan_append(out, size, &at, ", not ", 6);
    }
    sql_scan_append_echoed(out, size, &at, text, length);
    return at;
}

/* A date of the calendar as the library takes an as-of date: YYYYMMDD. 0
 * for a date no calendar has or whose year is not 1 to 9999. */
static inline int64_t sql_scan_date_value(int year, int month, int day) {
    if (year < 1 || year > 9999 || !idn_is_calendar_date(year, month, day)) return 0;
    return (int64_t)year * 10000 + month * 100 + day;
}

/* A date written 'YYYY-MM-DD', alone or before a time ' hh:mm:ss' with an
 * optional fraction (as SQLite's datetime() and MariaDB's DATETIME write
 * one; the time is not counted). 1 with year, month and day set (whether
 * the calendar has the date is not judged here); 0 for another shape. */
static inline int sql_scan_date_text(const char* text, size_t length, int* year, int* month, int* day) {
    static const char time_shape[] = " 00:00:00";
    int parts[3] = {0, 0, 0}, part = 0;
    size_t i;
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
        if (length < 19) return 0;
        for (i = 10; i < 19; ++i)
            if (time_shape[i - 10] == '0' ? text[i] < '0' || text[i] > '9' : text[i] != time_shape[i - 10]) return 0;
        if (length > 19 && (text[19] != '.' || length == 20)) return 0;
        for (i = 20; i < length; ++i)
            if (text[i] < '0' || text[i] > '9') return 0;
    }
    *year = parts[0];
    *month = parts[1];
    *day = parts[2];
    return 1;
}

/* The refusal of an as_of text: "as_of must be a date, YYYY-MM-DD", or
 * "as_of 2023-02-29 is no calendar date" for one of that shape. Returns 0
 * and writes it (IDN_MESSAGE_SIZE suffices), or 1 with *value the library's
 * YYYYMMDD. */
static inline int sql_scan_as_of_text(const char* text, size_t length, int64_t* value, char* out, size_t size) {
    int year, month, day;
    size_t at = 0;
    const char* name = sql_scan_name(IDN_OPTION_AS_OF_DATE);
    out[0] = '\0';
    sql_scan_append(out, size, &at, name, strlen(name));
    if (!sql_scan_date_text(text, length, &year, &month, &day)) {
        sql_scan_append(out, size, &at, " must be a date, YYYY-MM-DD", 27);
        return 0;
    }
    if ((*value = sql_scan_date_value(year, month, day)) != 0) return 1;
    sql_scan_append(out, size, &at, " ", 1);
    sql_scan_append(out, size, &at, text, 10);
    sql_scan_append(out, size, &at, " is no calendar date", 20);
    return 0;
}

#endif
