-- The extension's functions on a real server: verdicts, regions, the history,
-- conversions and generation, in a UTF-8 database. Run by pg_regress
-- (make installcheck); the expected output is expected/idnumber.out.
CREATE EXTENSION idnumber;
SET datestyle = ISO;

-- Every function is STRICT but idn_generate, PARALLEL SAFE but idn_generate
-- (RESTRICTED: unseeded, it draws), and as volatile as it truly is: verdicts
-- of one argument depend on the current year (STABLE), those with a year
-- limit do not (IMMUTABLE). The extension's owner owns every function.
SELECT p.oid::regprocedure AS function, provolatile, proparallel, proisstrict, prorettype::regtype,
       p.proowner = e.extowner AS owned
FROM pg_proc p JOIN pg_depend d ON d.objid = p.oid AND d.classid = 'pg_proc'::regclass
JOIN pg_extension e ON e.oid = d.refobjid AND e.extname = 'idnumber'
ORDER BY p.oid::regprocedure::text;

-- A valid number and every verdict function on it; a male one, as text and
-- as bigint.
CREATE TEMP TABLE numbers (label text, n text);
INSERT INTO numbers VALUES
    ('valid, female', '11010519491231002X'),
    ('valid, male', '110105194910010015'),
    ('length 16', '1101051949123100'),
    ('length 19', '1101051949123100200'),
    ('empty', ''),
    ('lower-case x', '11010519491231002x'),
    ('letter inside', '1101051949123a002X'),
    ('full-width digit', '11010519491231002１'),
    ('wrong check', '110105194912310021'),
    ('month 13', '110105194913310021'),
    ('day 32', '110105194932010016'),
    ('year 2999', '110105299901010022'),
    ('month 00, valid', '110105194900010011'),
    ('February 31, valid', '110105194902310018'),
    ('year 0000, valid', '11010500000101001X');
SELECT label, idn_valid(n), idn_reason(n), idn_expected_check(n), idn_birth_date(n), idn_sex(n), idn_kind(n)
FROM numbers;

SELECT idn_valid(110105194910010015), idn_reason(110105194910010015), idn_birth_date(110105194910010015),
       idn_sex(110105194910010015), idn_province(110105194910010015), idn_expected_check(110105194910010015);
SELECT idn_reason(110105194912310021::bigint) AS wrong_check, idn_reason(-110105194910010015) AS negative,
       idn_reason(0::bigint) AS zero, idn_expected_check(11010519491001001::bigint) AS of_17_digits;

-- The region fields as idtool verify gives them, the code's status in the
-- history and where an ended code's area went: a district of a
-- municipality, a county, a code abolished in 1992, a district created in
-- 2017, codes the 2009 tables lack, and the kinds of number.
SELECT n, idn_province(n), idn_city(n), idn_county(n), idn_code_status(n), idn_now(n), idn_kind(n)
FROM (VALUES ('11010519491231002X'), ('440301198808081239'), ('512201198001010012'),
             ('330112200001010029'), ('123456199001010011'), ('810000199001010019'),
             ('910000199001010012'), ('110105194912310021')) AS v(n);

-- Numbers with abolished codes and where their areas are now.
SELECT n, idn_county(n), now->>'code' AS now_code, now->>'name' AS now_name
FROM (VALUES ('512201198001010012'), ('11010519491231002X')) AS v(n),
     jsonb_array_elements(idn_now(n)) AS now
WHERE idn_code_status(n) = 'abolished';

-- NULL gives NULL, for text and bigint alike.
SELECT idn_valid(NULL::text) IS NULL AS valid, idn_reason(NULL::text) IS NULL AS reason,
       idn_expected_check(NULL::bigint) IS NULL AS expected, idn_birth_date(NULL::text) IS NULL AS birth,
       idn_sex(NULL::bigint) IS NULL AS sex, idn_province(NULL::text) IS NULL AS province,
       idn_city(NULL::text) IS NULL AS city, idn_county(NULL::text) IS NULL AS county,
       idn_code_status(NULL::text) IS NULL AS status, idn_now(NULL::text) IS NULL AS now,
       idn_kind(NULL::text) IS NULL AS kind, idn_upgrade(NULL::text) IS NULL AS upgrade,
       idn_mask(NULL::text) IS NULL AS mask;

-- A text of 1 MiB: refused for its length, its first 17 digits still give a
-- check character, and masking keeps its length.
SELECT idn_valid(t), idn_reason(t), idn_expected_check(t), length(idn_mask(t)), left(idn_mask(t), 8),
       right(idn_mask(t), 6)
FROM (SELECT repeat('1', 1048576) AS t) AS big;
-- Stored in a table (compressed, out of line), the same; and stored out of
-- line uncompressed, of which the verdict fetches only the first bytes.
CREATE TEMP TABLE big (t text);
INSERT INTO big VALUES (repeat('1', 1048576)), (repeat('叶', 349526)), ('11010519491231002X' || repeat('叶', 349526));
SELECT idn_reason(t), idn_expected_check(t), octet_length(idn_mask(t)), left(idn_mask(t), 8) FROM big;
ALTER TABLE big ALTER t SET STORAGE EXTERNAL;
INSERT INTO big SELECT t || 'a' FROM big;
SELECT idn_valid(t), idn_reason(t), idn_expected_check(t), idn_valid(t, 2000), octet_length(t) FROM big WHERE t LIKE '%a';

-- The year limit is the year of the transaction's start: a number born this
-- year passes, one born next year is refused for its date.
SELECT idn_reason(stem || idn_expected_check(stem)) IS NULL AS this_year_valid
FROM (SELECT '110105' || extract(year FROM now())::int || '0101001' AS stem) AS s;
SELECT idn_reason(stem || idn_expected_check(stem)) AS next_year
FROM (SELECT '110105' || extract(year FROM now())::int + 1 || '0101001' AS stem) AS s;

-- With the year limit given, the verdict reads no clock: a number born in
-- 2031 is refused up to 2030 and valid from 2031, as text and as bigint.
SELECT y, idn_valid('110105203101010017', y), idn_reason('110105203101010017', y),
       idn_valid(110105203101010017, y), idn_reason(110105203101010017, y)
FROM (VALUES (2030), (2031), (9999)) AS v(y);
SELECT idn_reason('11010519491231002x', 2000) AS characters, idn_valid('', 1) AS empty,
       idn_valid('11010519491231002X', NULL) IS NULL AS null_limit, idn_reason(NULL::text, 2000) IS NULL AS null_number;
-- Year limits outside 1-9999 are refused, 0 too: it would mean the clock's
-- year, and these functions are IMMUTABLE.
SELECT idn_valid('11010519491231002X', 0);
SELECT idn_reason(110105194912310021, -1);
SELECT idn_valid('11010519491231002X', 10000);
-- Only the form with a year limit may index; the form of one argument is
-- refused there, as it should be.
CREATE TEMP TABLE indexed (id text);
INSERT INTO indexed SELECT n FROM idn_generate('110105', '19491001', count => 20, seed => 3) AS n;
INSERT INTO indexed VALUES ('110105194912310021'), ('110105203101010017');
CREATE INDEX indexed_reason ON indexed (idn_reason(id, 2030));
CREATE INDEX indexed_reason_clock ON indexed (idn_reason(id));
SET enable_seqscan = off;
EXPLAIN (COSTS OFF) SELECT id FROM indexed WHERE idn_reason(id, 2030) = 'date';
SELECT id, idn_reason(id, 2030) FROM indexed WHERE idn_reason(id, 2030) IS NOT NULL ORDER BY id;
RESET enable_seqscan;

-- Upgrade: 15 digits become 18 characters; anything else is an error, as a
-- malformed value is for a type's input.
SELECT idn_upgrade('110105491231002'), idn_upgrade(110105491231002), idn_upgrade('440301880808123');
SELECT idn_upgrade('11010549123100');
SELECT idn_upgrade('1101054912310020');
SELECT idn_upgrade('11010549123100a');
SELECT idn_upgrade('110105491331002');
SELECT idn_upgrade('110105491232002');
-- A long text is quoted by its first characters, cut between two of them.
SELECT idn_upgrade(repeat('9', 100000));
SELECT idn_upgrade(repeat('叶', 3495254));
SELECT idn_upgrade(E'\n\t' || repeat('1', 13));
-- A safe column update: only what converts is written.
CREATE TEMP TABLE old_numbers (id text);
INSERT INTO old_numbers VALUES ('110105491231002'), ('11010519491231002X');
UPDATE old_numbers SET id = idn_upgrade(id) WHERE length(id) = 15;
SELECT id, idn_valid(id) FROM old_numbers;

-- Mask: the first 6 and last 4 characters kept, characters counted whole.
SELECT idn_mask('11010519491231002X'), idn_mask(110105194910010015), idn_mask('张三丰'), idn_mask(''),
       idn_mask('1234567890'), idn_mask('12345678901'), idn_mask('新疆维吾尔自治区乌鲁木齐市天山区');

-- Age: completed years on a date, a birthday of 29 February coming on 1 March
-- in other years; NULL for a refused number, a birth date no calendar has
-- (February 31, the year 0000) or a date before the birth. The number is
-- judged by every rule but the year, so a birth in 2050 has an age in 2060.
SELECT n, on_day, idn_age(n, on_day)
FROM (VALUES ('11010519491231002X', date '2024-12-30'), ('11010519491231002X', '2024-12-31'),
             ('11010519491231002X', '1949-12-31'), ('11010519491231002X', '1949-12-30'),
             ('110105200002290013', '2001-02-28'), ('110105200002290013', '2001-03-01'),
             ('110105200002290013', '2004-02-29'), ('110105205001010019', '2060-06-01'),
             ('110105000101010017', '9999-12-31'), ('110105000101010017', '5874897-12-31'),
             ('110105194902310018', '2024-01-01'), ('11010500000101001X', '2024-01-01'),
             ('11010519491231002x', '2024-01-01'), ('', '2024-01-01')) AS v(n, on_day);
SELECT idn_age(110105194910010015, '2019-09-30') AS bigint_before, idn_age(110105194910010015, '2019-10-01') AS bigint_on,
       idn_age(NULL::text, '2024-01-01') IS NULL AS null_number, idn_age('11010519491231002X', NULL) IS NULL AS null_date;
-- Of one argument: the age on current_date.
SELECT idn_age('11010519491231002X') = idn_age('11010519491231002X', current_date) AS text_today,
       idn_age(110105194910010015) = idn_age(110105194910010015, current_date) AS bigint_today;
-- Dates the library's calendar lacks are errors.
SELECT idn_age('11010519491231002X', 'infinity');
SELECT idn_age(110105194910010015, '-infinity');
SELECT idn_age('11010519491231002X', '0001-12-31 BC');
-- The form with a date may index; the form of the current date may not.
CREATE TEMP TABLE aged (id text);
INSERT INTO aged SELECT n FROM idn_generate('110105', '19800101', '19891231', count => 200, seed => 5) AS n;
CREATE INDEX aged_by_age ON aged (idn_age(id, '2024-06-30'));
CREATE INDEX aged_by_age_today ON aged (idn_age(id));
SELECT min(idn_age(id, '2024-06-30')), max(idn_age(id, '2024-06-30')),
       bool_and(idn_age(id, '2024-06-30') = extract(year FROM age('2024-06-30', idn_birth_date(id)))) AS as_age
FROM aged;
DROP TABLE aged;

-- Generation: the same seed gives the same numbers; named arguments and
-- defaults; a birth range with a sex; a negative seed is the unsigned seed of
-- the same bits.
SELECT * FROM idn_generate('110105', '19491001', count => 3, seed => 7);
SELECT n, idn_valid(n), idn_sex(n), idn_birth_date(n) BETWEEN '1980-01-01' AND '1989-12-31' AS in_range
FROM idn_generate('阳泉市/城区', '19800101', '19891231', 'female', 4, -1) AS n;
SELECT count(*), count(DISTINCT n), bool_and(idn_valid(n)), bool_and(idn_sex(n) = '男')
FROM idn_generate('440303', '19880808', sex => 'male', count => 499, seed => 3) AS n;
SELECT count(DISTINCT n) FROM idn_generate('110105', '19491001', count => 999, seed => 9) AS n;
-- The sex words of every face: 男, 女, male, female, any, in any case.
SELECT word, array_agg(DISTINCT idn_sex(n)) AS sexes
FROM (VALUES ('男'), ('女'), ('MALE'), ('Female'), ('any')) AS v(word),
     idn_generate('110105', '19491001', sex => word, count => 20, seed => 1) AS n
GROUP BY word ORDER BY word;
-- NULL count is 1, NULL sex either, NULL seed one drawn.
SELECT count(*) FROM idn_generate('110105', '19491001', NULL, NULL, NULL, NULL);
SELECT a = b AS null_sex_is_any
FROM (SELECT array_agg(n) AS a FROM idn_generate('110105', '19491001', sex => NULL, count => 5, seed => 2) AS n) AS x,
     (SELECT array_agg(n) AS b FROM idn_generate('110105', '19491001', sex => 'any', count => 5, seed => 2) AS n) AS y;
-- Without a seed, each call draws one.
SELECT count(*) FROM idn_generate('110105', '19491001');
-- A birth date no calendar has is carried as given, with a warning.
SELECT n, idn_valid(n), idn_birth_date(n) FROM idn_generate('110105', '19490231', seed => 1) AS n;
-- Filling a table with test data.
CREATE TEMP TABLE people AS
SELECT n AS id, idn_birth_date(n) AS born FROM idn_generate('330185', '19700101', '19991231', count => 200, seed => 42) AS n;
SELECT count(*), count(DISTINCT id), min(born) >= '1970-01-01', max(born) <= '1999-12-31' FROM people;

-- Refused options: the library's message in the parameters' names, its
-- status as the DETAIL.
SELECT * FROM idn_generate('城区', '19491001');
SELECT * FROM idn_generate('110100', '19491001');
SELECT * FROM idn_generate('北京市/不存在', '19491001');
SELECT * FROM idn_generate('110105', '1949');
SELECT * FROM idn_generate('110105', '19490231', '19500101');
SELECT * FROM idn_generate('110105', '19500101', '19490101');
SELECT * FROM idn_generate('110105', NULL, '19490101');
SELECT * FROM idn_generate('110105', '19491001', count => 1000);
SELECT * FROM idn_generate('110105', '19491001', count => 0);
SELECT * FROM idn_generate('110105', '19491001', count => -9223372036854775808);
SELECT * FROM idn_generate('110105', '19491001', sex => 'unknown');
SELECT * FROM idn_generate('110105', '19491001', sex => '男性');
SELECT * FROM idn_generate('110105', '19491001', sex => '');
SELECT * FROM idn_generate(NULL, '19491001');
SELECT * FROM idn_generate('110105', NULL);
-- Of several wrong options, the first in the library's order: the region
-- before the sex word, the sex word before the birth date's digits.
SELECT * FROM idn_generate('nowhere', '19491001', sex => 'x');
SELECT * FROM idn_generate('110105', '1949', sex => 'x');
-- What an error carries, for a program: the SQLSTATE and, as the DETAIL,
-- the library's status.
DO $$
DECLARE
    state text;
    detail text;
BEGIN
    PERFORM idn_generate('110105', '19491001', count => 1000);
EXCEPTION WHEN invalid_parameter_value THEN
    GET STACKED DIAGNOSTICS state = RETURNED_SQLSTATE, detail = PG_EXCEPTION_DETAIL;
    RAISE NOTICE 'caught % %', state, detail;
END
$$;
-- Values of 10 MB are echoed by their first 128 bytes at most, whole
-- characters.
SELECT * FROM idn_generate('110105', repeat('叶', 3495254));
SELECT * FROM idn_generate('110105', '19491001', sex => repeat('1', 10485760));
SELECT * FROM idn_generate(repeat('1', 10485760), '19491001');
SELECT * FROM idn_generate('110105', '19491001', repeat('2', 10485760));

-- A CHECK constraint keeps refused numbers out; with the year limit given,
-- it holds the same rows whatever the clock and the time zone.
CREATE TEMP TABLE checked (id text CHECK (idn_valid(id, 2100)));
INSERT INTO checked VALUES ('11010519491231002X');
INSERT INTO checked VALUES ('110105194912310021');

DROP TABLE checked;
DROP TABLE indexed;
DROP EXTENSION idnumber;
