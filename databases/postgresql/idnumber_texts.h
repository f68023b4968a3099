/*
 * idnumber_texts.h: what the extension's C files share (idnumber.c defines
 * it): texts between the database's encoding and the library's UTF-8, and
 * the library's refusals raised as SQL errors.
 */
#ifndef IDNUMBER_TEXTS_H
#define IDNUMBER_TEXTS_H

#include "postgres.h"

/* Whether the database's texts are the library's bytes as they stand
 * (UTF-8, or SQL_ASCII, which holds any bytes and converts none). */
bool		database_is_utf8(void);

/* A text value of the library's UTF-8 text, in the database's encoding,
 * each character it lacks written '?'. */
text	   *utf8_to_text(const char *utf8, size_t length);

/* A C string of the library's UTF-8 text (a message), in the database's encoding. */
const char *utf8_to_cstring(const char *utf8, size_t length);

/* The bytes of a text value in UTF-8 and their length: as stored, or
 * converted (memory of the call). */
const char *text_to_utf8(text *value, size_t *length);

/* Raises the library's message (UTF-8) of a refusal as the SQL function's
 * error "function: message", the status's name as its DETAIL. */
void		report_refusal(const char *function, int status, const char *message, size_t length) pg_attribute_noreturn();

#endif
