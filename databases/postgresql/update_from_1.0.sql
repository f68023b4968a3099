/* update_from_1.0.sql: what the extension "idnumber" has gained since
 * version 1.0 (the 2.0.0 packages'), installed as idnumber--1.0--VERSION.sql:
 * ALTER EXTENSION idnumber UPDATE takes a database of version 1.0 along. A
 * function added here is added to functions.sql too.
 *
 * idn_age.
 *
 * idn_age(number, as_of) reads only its arguments (the number is judged by
 * every rule but the year: a birth after as_of has no age anyway), so it is
 * IMMUTABLE, for indexes and generated columns; idn_age(number) is its age
 * on current_date, the date of the transaction's start in the session's
 * time zone, and is STABLE. Both are PARALLEL SAFE. ASCII, as 1.0.
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

-- Owned by the extension's owner, as every function of 1.0 (see there).
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
