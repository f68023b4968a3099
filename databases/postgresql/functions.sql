/* functions.sql: the SQL functions of the extension "idnumber", over the
 * identity-number library (C entry points in idnumber.c). The Makefile
 * installs it as idnumber--VERSION.sql, VERSION being the release's (the C
 * API header's IDN_VERSION_*). A release that changes these functions
 * also adds idnumber--OLD--NEW.sql beside it, so that ALTER EXTENSION
 * idnumber UPDATE takes a database along.
 *
 * The script is ASCII: CREATE EXTENSION reads it in the database's encoding,
 * whichever that is.
 *
 * Volatility: a verdict of one argument depends on the year of the
 * transaction's start in the session's time zone (a birth year after it is
 * refused), so those functions are STABLE. The verdicts with a year limit
 * given, idn_expected_check, idn_upgrade and idn_mask read only their
 * arguments and are IMMUTABLE. idn_generate draws a seed when none is given
 * and is VOLATILE. All but idn_generate are PARALLEL SAFE: the library keeps
 * no state between calls. idn_generate is PARALLEL RESTRICTED, as random()
 * is: a parallel plan may run a function scan in each worker, and unseeded,
 * each would draw its own numbers where the query asked for one set.
 *
 * Constraints and indexes: use idn_valid(number, year_limit) and
 * idn_reason(number, year_limit) with a fixed year. A constraint of
 * idn_valid(number) asks the clock and the session's time zone: a row
 * inserted in Asia/Shanghai just after midnight on 1 January is refused when
 * pg_restore copies it from a session where the year has not begun, and with
 * it the whole table's data.
 */

-- complain if the script is sourced in psql rather than by CREATE EXTENSION
\echo Use "CREATE EXTENSION idnumber" to load this file. \quit

-- The verdict functions, each for text and for bigint (its decimal text).

CREATE FUNCTION idn_valid(number text) RETURNS boolean
    AS 'MODULE_PATHNAME', 'pg_idn_valid_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_valid(number bigint) RETURNS boolean
    AS 'MODULE_PATHNAME', 'pg_idn_valid_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_reason(number text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_reason_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_reason(number bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_reason_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

-- The same verdicts with the latest birth year given (1 to 9999): they read
-- no clock, so they are IMMUTABLE, the form for CHECK constraints, indexes
-- and generated columns.

CREATE FUNCTION idn_valid(number text, year_limit integer) RETURNS boolean
    AS 'MODULE_PATHNAME', 'pg_idn_valid_text_year' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION idn_valid(number bigint, year_limit integer) RETURNS boolean
    AS 'MODULE_PATHNAME', 'pg_idn_valid_int8_year' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;

CREATE FUNCTION idn_reason(number text, year_limit integer) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_reason_text_year' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION idn_reason(number bigint, year_limit integer) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_reason_int8_year' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;

CREATE FUNCTION idn_expected_check(number text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_expected_check_text' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION idn_expected_check(number bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_expected_check_int8' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;

CREATE FUNCTION idn_birth_date(number text) RETURNS date
    AS 'MODULE_PATHNAME', 'pg_idn_birth_date_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_birth_date(number bigint) RETURNS date
    AS 'MODULE_PATHNAME', 'pg_idn_birth_date_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_sex(number text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_sex_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_sex(number bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_sex_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_province(number text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_province_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_province(number bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_province_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_city(number text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_city_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_city(number bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_city_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_county(number text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_county_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_county(number bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_county_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_code_status(number text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_code_status_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_code_status(number bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_code_status_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_now(number text) RETURNS jsonb
    AS 'MODULE_PATHNAME', 'pg_idn_now_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_now(number bigint) RETURNS jsonb
    AS 'MODULE_PATHNAME', 'pg_idn_now_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_kind(number text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_kind_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_kind(number bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_kind_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

-- Conversions.

CREATE FUNCTION idn_upgrade(number text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_upgrade_text' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION idn_upgrade(number bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_upgrade_int8' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;

CREATE FUNCTION idn_mask(number text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_mask_text' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION idn_mask(number bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_mask_int8' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;

-- Generation. Not STRICT: every argument may be NULL. NULL birth_to: one
-- birth date; NULL sex: either; NULL count: 1; NULL seed: one drawn. A NULL
-- region or birth_from is refused with the library's message.

CREATE FUNCTION idn_generate(region text, birth_from text, birth_to text DEFAULT NULL, sex text DEFAULT NULL,
                             count bigint DEFAULT 1, seed bigint DEFAULT NULL)
    RETURNS SETOF text
    AS 'MODULE_PATHNAME', 'pg_idn_generate' LANGUAGE C CALLED ON NULL INPUT VOLATILE PARALLEL RESTRICTED;

-- Ownership. The extension is trusted, so this script runs as the bootstrap
-- superuser, who would own every function; ALTER EXTENSION ... SET SCHEMA
-- moves each member object only for its owner, so the user who created the
-- extension could not relocate it. The functions therefore belong to that
-- user. What an owner may change of a C function reaches none of its code
-- but its strictness, and every entry point answers NULL for a NULL
-- argument itself.
ALTER FUNCTION idn_valid(text) OWNER TO @extowner@;
ALTER FUNCTION idn_valid(bigint) OWNER TO @extowner@;
ALTER FUNCTION idn_valid(text, integer) OWNER TO @extowner@;
ALTER FUNCTION idn_valid(bigint, integer) OWNER TO @extowner@;
ALTER FUNCTION idn_reason(text) OWNER TO @extowner@;
ALTER FUNCTION idn_reason(bigint) OWNER TO @extowner@;
ALTER FUNCTION idn_reason(text, integer) OWNER TO @extowner@;
ALTER FUNCTION idn_reason(bigint, integer) OWNER TO @extowner@;
ALTER FUNCTION idn_expected_check(text) OWNER TO @extowner@;
ALTER FUNCTION idn_expected_check(bigint) OWNER TO @extowner@;
ALTER FUNCTION idn_birth_date(text) OWNER TO @extowner@;
ALTER FUNCTION idn_birth_date(bigint) OWNER TO @extowner@;
ALTER FUNCTION idn_sex(text) OWNER TO @extowner@;
ALTER FUNCTION idn_sex(bigint) OWNER TO @extowner@;
ALTER FUNCTION idn_province(text) OWNER TO @extowner@;
ALTER FUNCTION idn_province(bigint) OWNER TO @extowner@;
ALTER FUNCTION idn_city(text) OWNER TO @extowner@;
ALTER FUNCTION idn_city(bigint) OWNER TO @extowner@;
ALTER FUNCTION idn_county(text) OWNER TO @extowner@;
ALTER FUNCTION idn_county(bigint) OWNER TO @extowner@;
ALTER FUNCTION idn_code_status(text) OWNER TO @extowner@;
ALTER FUNCTION idn_code_status(bigint) OWNER TO @extowner@;
ALTER FUNCTION idn_now(text) OWNER TO @extowner@;
ALTER FUNCTION idn_now(bigint) OWNER TO @extowner@;
ALTER FUNCTION idn_kind(text) OWNER TO @extowner@;
ALTER FUNCTION idn_kind(bigint) OWNER TO @extowner@;
ALTER FUNCTION idn_upgrade(text) OWNER TO @extowner@;
ALTER FUNCTION idn_upgrade(bigint) OWNER TO @extowner@;
ALTER FUNCTION idn_mask(text) OWNER TO @extowner@;
ALTER FUNCTION idn_mask(bigint) OWNER TO @extowner@;
ALTER FUNCTION idn_generate(text, text, text, text, bigint, bigint) OWNER TO @extowner@;

COMMENT ON FUNCTION idn_valid(text) IS
    'true when the identity number has 18 characters, the right check character and a birth date up to the current year; STABLE: for constraints and indexes use idn_valid(number, year_limit)';
COMMENT ON FUNCTION idn_valid(bigint) IS 'idn_valid of the decimal text';
COMMENT ON FUNCTION idn_reason(text) IS
    'why the number is refused: length, characters, check or date; NULL when valid; STABLE: for constraints and indexes use idn_reason(number, year_limit)';
COMMENT ON FUNCTION idn_reason(bigint) IS 'idn_reason of the decimal text';
COMMENT ON FUNCTION idn_valid(text, integer) IS
    'idn_valid with births up to year_limit (1 to 9999); IMMUTABLE: the form for CHECK constraints and indexes';
COMMENT ON FUNCTION idn_valid(bigint, integer) IS 'idn_valid(number, year_limit) of the decimal text';
COMMENT ON FUNCTION idn_reason(text, integer) IS
    'idn_reason with births up to year_limit (1 to 9999); IMMUTABLE: the form for CHECK constraints and indexes';
COMMENT ON FUNCTION idn_reason(bigint, integer) IS 'idn_reason(number, year_limit) of the decimal text';
COMMENT ON FUNCTION idn_expected_check(text) IS
    'the check character (0-9 or X) that the first 17 digits call for; NULL when they are not 17 digits';
COMMENT ON FUNCTION idn_expected_check(bigint) IS 'idn_expected_check of the decimal text';
COMMENT ON FUNCTION idn_birth_date(text) IS
    'the birth date of a valid number; NULL when refused or when no calendar has the date';
COMMENT ON FUNCTION idn_birth_date(bigint) IS 'idn_birth_date of the decimal text';
COMMENT ON FUNCTION idn_sex(text) IS
    'the sex of a valid number in Chinese, as the library names it: U+7537 (male) or U+5973 (female)';
COMMENT ON FUNCTION idn_sex(bigint) IS 'idn_sex of the decimal text';
COMMENT ON FUNCTION idn_province(text) IS 'the province field of a valid number, as idtool verify gives it';
COMMENT ON FUNCTION idn_province(bigint) IS 'idn_province of the decimal text';
COMMENT ON FUNCTION idn_city(text) IS 'the city field of a valid number, as idtool verify gives it';
COMMENT ON FUNCTION idn_city(bigint) IS 'idn_city of the decimal text';
COMMENT ON FUNCTION idn_county(text) IS 'the county field of a valid number, as idtool verify gives it';
COMMENT ON FUNCTION idn_county(bigint) IS 'idn_county of the decimal text';
COMMENT ON FUNCTION idn_code_status(text) IS
    'what the history of region codes says of a valid number''s code: 2009, in_use, abolished or unknown';
COMMENT ON FUNCTION idn_code_status(bigint) IS 'idn_code_status of the decimal text';
COMMENT ON FUNCTION idn_now(text) IS
    'the codes in use in 2024 that the area of a valid number''s ended code went to, [{"code","name"}]';
COMMENT ON FUNCTION idn_now(bigint) IS 'idn_now of the decimal text';
COMMENT ON FUNCTION idn_kind(text) IS 'resident, hmt_permit or foreigner_card, for a valid number';
COMMENT ON FUNCTION idn_kind(bigint) IS 'idn_kind of the decimal text';
COMMENT ON FUNCTION idn_upgrade(text) IS
    'the 18-character form of a 15-digit number (19YY); an error for a text that is not one';
COMMENT ON FUNCTION idn_upgrade(bigint) IS 'idn_upgrade of the decimal text';
COMMENT ON FUNCTION idn_mask(text) IS 'the text with every character but its first 6 and last 4 written *';
COMMENT ON FUNCTION idn_mask(bigint) IS 'idn_mask of the decimal text';
COMMENT ON FUNCTION idn_generate(text, text, text, text, bigint, bigint) IS
    'count distinct well-formed numbers of a county-level region, a birth date (or the range birth_from to birth_to) and a sex (in Chinese or English, or any); the same seed gives the same numbers as idtool generate --seed';

-- The age of a number's holder: idn_age(number, as_of) reads only its
-- arguments and is IMMUTABLE; idn_age(number) is its age on current_date and
-- is STABLE.
CREATE FUNCTION idn_age(number text, as_of date) RETURNS integer
    AS 'MODULE_PATHNAME', 'pg_idn_age_text_date' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION idn_age(number bigint, as_of date) RETURNS integer
    AS 'MODULE_PATHNAME', 'pg_idn_age_int8_date' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION idn_age(number text) RETURNS integer
    AS 'MODULE_PATHNAME', 'pg_idn_age_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_age(number bigint) RETURNS integer
    AS 'MODULE_PATHNAME', 'pg_idn_age_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

-- Owned by the extension's owner, as every function above.
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

-- Finding and de-identifying numbers in text (C entry points in
-- idnumber_scan.c). Each function has two forms. With as_of (no birth after
-- that date) it reads only its arguments and is IMMUTABLE: the form for
-- generated columns, indexes and views whose answer must not move. Without,
-- as_of is current_date, the day the transaction started in the session's
-- time zone, and the function is STABLE. All are PARALLEL SAFE and CALLED ON
-- NULL INPUT: a NULL option is the library's default, a NULL input gives NULL
-- (or no rows).
--
-- Options: redaction 'mask' (the default), 'label', 'token' or 'pseudonym';
-- key, the bytes of the key of token and pseudonym (at least 16); mask_first
-- and mask_last, the characters a mask keeps (6 and 4); label, the text of
-- label (by default the four Chinese characters of "identity card number" in
-- brackets); token_alphabet 'hex' (the default) or 'base32', token_length
-- (16); keep, what a pseudonym keeps of region, birth_year and sex (all three
-- by default, '{}' for none); min_confidence 'low' (mistyped numbers too),
-- 'medium' (the default) or 'high' (after a keyword); fifteen_digits, 15-digit
-- numbers of the old format too.

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
