/* idnumber--1.1--1.2.sql: version 1.2 of the extension "idnumber" adds
 * idn_find, idn_redact and idn_redact_number, which find identity numbers in
 * text and de-identify them (C entry points in idnumber_scan.c). ALTER
 * EXTENSION idnumber UPDATE takes a database of version 1.1 along; CREATE
 * EXTENSION runs idnumber--1.0.sql, idnumber--1.0--1.1.sql and then this
 * script. ASCII, as 1.0.
 *
 * Each function has two forms. With as_of (no birth after that date) it
 * reads only its arguments and is IMMUTABLE: the form for generated columns,
 * indexes and views whose answer must not move. Without, as_of is
 * current_date, the day the transaction started in the session's time zone,
 * and the function is STABLE. All are PARALLEL SAFE and CALLED ON NULL
 * INPUT: a NULL option is the library's default, a NULL input gives NULL (or
 * no rows).
 *
 * Options: redaction 'mask' (the default), 'label', 'token' or 'pseudonym';
 * key, the bytes of the key of token and pseudonym (at least 16); mask_first
 * and mask_last, the characters a mask keeps (6 and 4); label, the text of
 * label (by default the four Chinese characters of "identity card number" in
 * brackets); token_alphabet 'hex' (the default) or 'base32', token_length
 * (16); keep, what a pseudonym keeps of region, birth_year and sex (all
 * three by default, '{}' for none); min_confidence 'low' (mistyped numbers
 * too), 'medium' (the default) or 'high' (after a keyword); fifteen_digits,
 * 15-digit numbers of the old format too.
 */

-- complain if the script is sourced in psql rather than by ALTER EXTENSION
\echo Use "ALTER EXTENSION idnumber UPDATE TO '1.2'" to load this file. \quit

CREATE FUNCTION idn_find(input text, as_of date, min_confidence text DEFAULT NULL, fifteen_digits boolean DEFAULT NULL)
    RETURNS TABLE (start integer, length integer, line_number integer, column_number integer, number text, form text[],
                   confidence text, flaw text, keyword text, kind text, birth_date date, sex text, region_code integer,
                   province text, city text, county text)
    AS 'MODULE_PATHNAME', 'pg_idn_find_as_of' LANGUAGE C CALLED ON NULL INPUT IMMUTABLE PARALLEL SAFE ROWS 1;
CREATE FUNCTION idn_find(input text, min_confidence text DEFAULT NULL, fifteen_digits boolean DEFAULT NULL)
    RETURNS TABLE (start integer, length integer, line_number integer, column_number integer, number text, form text[],
                   confidence text, flaw text, keyword text, kind text, birth_date date, sex text, region_code integer,
                   province text, city text, county text)
    AS 'MODULE_PATHNAME', 'pg_idn_find' LANGUAGE C CALLED ON NULL INPUT STABLE PARALLEL SAFE ROWS 1;

CREATE FUNCTION idn_redact(input text, as_of date, redaction text DEFAULT NULL, key bytea DEFAULT NULL,
                           mask_first integer DEFAULT NULL, mask_last integer DEFAULT NULL, label text DEFAULT NULL,
                           token_alphabet text DEFAULT NULL, token_length integer DEFAULT NULL,
                           keep text[] DEFAULT NULL, min_confidence text DEFAULT NULL,
                           fifteen_digits boolean DEFAULT NULL) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_redact_as_of' LANGUAGE C CALLED ON NULL INPUT IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION idn_redact(input text, redaction text DEFAULT NULL, key bytea DEFAULT NULL,
                           mask_first integer DEFAULT NULL, mask_last integer DEFAULT NULL, label text DEFAULT NULL,
                           token_alphabet text DEFAULT NULL, token_length integer DEFAULT NULL,
                           keep text[] DEFAULT NULL, min_confidence text DEFAULT NULL,
                           fifteen_digits boolean DEFAULT NULL) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_redact' LANGUAGE C CALLED ON NULL INPUT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_redact_number(number text, as_of date, redaction text DEFAULT NULL, key bytea DEFAULT NULL,
                                  mask_first integer DEFAULT NULL, mask_last integer DEFAULT NULL,
                                  label text DEFAULT NULL, token_alphabet text DEFAULT NULL,
                                  token_length integer DEFAULT NULL, keep text[] DEFAULT NULL,
                                  min_confidence text DEFAULT NULL, fifteen_digits boolean DEFAULT NULL) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_redact_number_as_of' LANGUAGE C CALLED ON NULL INPUT IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION idn_redact_number(number text, redaction text DEFAULT NULL, key bytea DEFAULT NULL,
                                  mask_first integer DEFAULT NULL, mask_last integer DEFAULT NULL,
                                  label text DEFAULT NULL, token_alphabet text DEFAULT NULL,
                                  token_length integer DEFAULT NULL, keep text[] DEFAULT NULL,
                                  min_confidence text DEFAULT NULL, fifteen_digits boolean DEFAULT NULL) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_redact_number' LANGUAGE C CALLED ON NULL INPUT STABLE PARALLEL SAFE;

-- Owned by the extension's owner, as every function of 1.0 (see there).
ALTER FUNCTION idn_find(text, date, text, boolean) OWNER TO @extowner@;
ALTER FUNCTION idn_find(text, text, boolean) OWNER TO @extowner@;
ALTER FUNCTION idn_redact(text, date, text, bytea, integer, integer, text, text, integer, text[], text, boolean)
    OWNER TO @extowner@;
ALTER FUNCTION idn_redact(text, text, bytea, integer, integer, text, text, integer, text[], text, boolean)
    OWNER TO @extowner@;
ALTER FUNCTION idn_redact_number(text, date, text, bytea, integer, integer, text, text, integer, text[], text, boolean)
    OWNER TO @extowner@;
ALTER FUNCTION idn_redact_number(text, text, bytea, integer, integer, text, text, integer, text[], text, boolean)
    OWNER TO @extowner@;

COMMENT ON FUNCTION idn_find(text, date, text, boolean) IS
    'every identity number in the text, one row each: start and length (characters, as substr counts them), line and column, the number, its form, confidence and keyword, and a valid one''s kind, birth date, sex, region code and region fields; no birth after as_of; IMMUTABLE';
COMMENT ON FUNCTION idn_find(text, text, boolean) IS 'idn_find(input, current_date, ...); STABLE';
COMMENT ON FUNCTION idn_redact(text, date, text, bytea, integer, integer, text, text, integer, text[], text, boolean) IS
    'the text with every identity number at or above min_confidence replaced (mask, label, token or pseudonym), every other character as it was; no birth after as_of; IMMUTABLE';
COMMENT ON FUNCTION idn_redact(text, text, bytea, integer, integer, text, text, integer, text[], text, boolean) IS
    'idn_redact(input, current_date, ...); STABLE: for generated columns and indexes give as_of';
COMMENT ON FUNCTION idn_redact_number(text, date, text, bytea, integer, integer, text, text, integer, text[], text, boolean) IS
    'the redaction of a text that is one identity number alone, as idn_redact would write it; NULL for any other text; IMMUTABLE';
COMMENT ON FUNCTION idn_redact_number(text, text, bytea, integer, integer, text, text, integer, text[], text, boolean) IS
    'idn_redact_number(number, current_date, ...); STABLE';
