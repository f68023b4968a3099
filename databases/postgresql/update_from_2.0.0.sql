/* update_from_2.0.0.sql: what the extension "idnumber" has gained since
 * version 2.0.0 (the 2.0.0 packages'), installed as idnumber--2.0.0--VERSION.sql:
 * ALTER EXTENSION idnumber UPDATE takes a database of version 2.0.0 along. A
 * function added here is added to functions.sql too.
 *
 * idn_age; idn_find, idn_redact and idn_redact_number, which find identity
 * numbers in text and de-identify them (see functions.sql).
 *
 * idn_age(number, as_of) reads only its arguments (the number is judged by
 * every rule but the year: a birth after as_of has no age anyway), so it is
 * IMMUTABLE, for indexes and generated columns; idn_age(number) is its age
 * on current_date, the date of the transaction's start in the session's
 * time zone, and is STABLE. Both are PARALLEL SAFE. ASCII, as 2.0.0.
 */

-- complain if the script is sourced in psql rather than by ALTER EXTENSION
\echo Use "ALTER EXTENSION idnumber UPDATE" to load this file. \quit

CREATE FUNCTION idn_age(number text, as_of date) RETURNS integer
    AS 'MODULE_PATHNAME', 'pg_idn_age_text_date' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION idn_age(number bigint, as_of date) RETURNS integer
    AS 'MODULE_PATHNAME', 'pg_idn_age_int8_date' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION idn_age(number text) RETURNS integer
    AS 'MODULE_PATHNAME', 'pg_idn_age_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_age(number bigint) RETURNS integer
    AS 'MODULE_PATHNAME', 'pg_idn_age_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

-- Owned by the extension's owner, as every function of 2.0.0 (see there).
ALTER FUNCTION idn_age(text, date) OWNER TO @extowner@;
ALTER FUNCTION idn_age(bigint, date) OWNER TO @extowner@;
ALTER FUNCTION idn_age(text) OWNER TO @extowner@;
ALTER FUNCTION idn_age(bigint) OWNER TO @extowner@;

COMMENT ON FUNCTION idn_age(text, date) IS
    'the holder''s age in completed years on as_of (a birthday of 29 February comes on 1 March in other years); NULL for a refused number, a birth date no calendar has or a date before the birth; IMMUTABLE';
COMMENT ON FUNCTION idn_age(bigint, date) IS 'idn_age(number, as_of) of the decimal text';
COMMENT ON FUNCTION idn_age(text) IS
    'idn_age(number, current_date); STABLE: for constraints and indexes use idn_age(number, as_of)';
COMMENT ON FUNCTION idn_age(bigint) IS 'idn_age(number) of the decimal text';

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
