/* idnumber--1.0.sql: the first version of the extension "idnumber", the SQL
 * functions of the identity-number library (C entry points in idnumber.c).
 * Later versions add an idnumber--1.0--1.1.sql beside it, so that
 * ALTER EXTENSION idnumber UPDATE takes a database along.
 *
 * Volatility: a verdict depends on the year of the transaction's start (a
 * birth year after it is refused), so the verdict functions are STABLE;
 * idn_expected_check, idn_upgrade and idn_mask read only their argument and
 * are IMMUTABLE; idn_generate draws a seed when none is given and is VOLATILE.
 * All but idn_generate are PARALLEL SAFE: the library keeps no state between
 * calls. idn_generate is PARALLEL RESTRICTED, as random() is: a parallel plan
 * may run a function scan in each worker, and unseeded, each would draw its
 * own numbers where the query asked for one set.
 */

-- complain if the script is sourced in psql rather than by CREATE EXTENSION
\echo Use "CREATE EXTENSION idnumber" to load this file. \quit

-- The verdict functions, each for text and for bigint (its decimal text).

CREATE FUNCTION idn_valid(text) RETURNS boolean
    AS 'MODULE_PATHNAME', 'pg_idn_valid_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_valid(bigint) RETURNS boolean
    AS 'MODULE_PATHNAME', 'pg_idn_valid_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_reason(text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_reason_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_reason(bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_reason_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_expected_check(text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_expected_check_text' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION idn_expected_check(bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_expected_check_int8' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;

CREATE FUNCTION idn_birth_date(text) RETURNS date
    AS 'MODULE_PATHNAME', 'pg_idn_birth_date_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_birth_date(bigint) RETURNS date
    AS 'MODULE_PATHNAME', 'pg_idn_birth_date_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_sex(text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_sex_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_sex(bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_sex_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_province(text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_province_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_province(bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_province_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_city(text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_city_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_city(bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_city_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_county(text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_county_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_county(bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_county_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_code_status(text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_code_status_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_code_status(bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_code_status_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_now(text) RETURNS jsonb
    AS 'MODULE_PATHNAME', 'pg_idn_now_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_now(bigint) RETURNS jsonb
    AS 'MODULE_PATHNAME', 'pg_idn_now_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

CREATE FUNCTION idn_kind(text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_kind_text' LANGUAGE C STRICT STABLE PARALLEL SAFE;
CREATE FUNCTION idn_kind(bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_kind_int8' LANGUAGE C STRICT STABLE PARALLEL SAFE;

-- Conversions.

CREATE FUNCTION idn_upgrade(text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_upgrade_text' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION idn_upgrade(bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_upgrade_int8' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;

CREATE FUNCTION idn_mask(text) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_mask_text' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;
CREATE FUNCTION idn_mask(bigint) RETURNS text
    AS 'MODULE_PATHNAME', 'pg_idn_mask_int8' LANGUAGE C STRICT IMMUTABLE PARALLEL SAFE;

-- Generation. Not STRICT: birth_to, sex and seed may be NULL (their
-- defaults); a NULL region, birth_from or count is an error.

CREATE FUNCTION idn_generate(region text, birth_from text, birth_to text DEFAULT NULL, sex text DEFAULT NULL,
                             count bigint DEFAULT 1, seed bigint DEFAULT NULL)
    RETURNS SETOF text
    AS 'MODULE_PATHNAME', 'pg_idn_generate' LANGUAGE C CALLED ON NULL INPUT VOLATILE PARALLEL RESTRICTED;

COMMENT ON FUNCTION idn_valid(text) IS
    'true when the identity number has 18 characters, the right check character and a birth date within the limits';
COMMENT ON FUNCTION idn_valid(bigint) IS 'idn_valid of the decimal text';
COMMENT ON FUNCTION idn_reason(text) IS
    'why the number is refused: length, characters, check or date; NULL when valid';
COMMENT ON FUNCTION idn_reason(bigint) IS 'idn_reason of the decimal text';
COMMENT ON FUNCTION idn_expected_check(text) IS
    'the check character (0-9 or X) that the first 17 digits call for; NULL when they are not 17 digits';
COMMENT ON FUNCTION idn_expected_check(bigint) IS 'idn_expected_check of the decimal text';
COMMENT ON FUNCTION idn_birth_date(text) IS
    'the birth date of a valid number; NULL when refused or when no calendar has the date';
COMMENT ON FUNCTION idn_birth_date(bigint) IS 'idn_birth_date of the decimal text';
COMMENT ON FUNCTION idn_sex(text) IS 'male or female, for a valid number';
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
    'count distinct well-formed numbers of a county-level region, a birth date (or the range birth_from to birth_to) and a sex; the same seed gives the same numbers as idtool generate --seed';
