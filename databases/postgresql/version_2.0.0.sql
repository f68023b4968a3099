/* version_2.0.0.sql, installed as idnumber--2.0.0.sql: the version of the
 * extension "idnumber" as the 2.0.0 packages shipped it, kept unchanged so
 * that ALTER EXTENSION idnumber UPDATE takes a database of it along (by
 * update_from_2.0.0.sql). functions.sql is the current version.
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
