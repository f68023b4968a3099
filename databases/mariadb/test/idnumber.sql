-- The loadable functions on a real server: verdicts, regions, the history,
-- conversions, generation and the argument checks of every init. Run by
-- scripts/test-mariadb.sh (mariadb --table -vv --force); the expected output
-- is test/idnumber.out.
CREATE DATABASE idn_test CHARACTER SET utf8mb4;
USE idn_test;

-- A valid number, each refusal, and valid numbers whose date no calendar has.
CREATE TABLE numbers (label VARCHAR(40), n VARCHAR(64));
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

-- An integer is taken as its decimal text; BIGINT UNSIGNED too.
SELECT idn_valid(110105194910010015), idn_birth_date(110105194910010015), idn_sex(110105194910010015),
       idn_reason(-110105194910010015), idn_expected_check(CAST(11010519491001001 AS UNSIGNED));

-- The region fields as idtool verify gives them, the code's status in the
-- history and where an ended code's area went.
SELECT n, idn_province(n), idn_city(n), idn_county(n), idn_code_status(n), idn_now(n), idn_kind(n)
FROM (SELECT '11010519491231002X' AS n UNION ALL SELECT '440301198808081239' UNION ALL
      SELECT '512201198001010012' UNION ALL SELECT '330112200001010029' UNION ALL
      SELECT '123456199001010011' UNION ALL SELECT '810000199001010019' UNION ALL
      SELECT '910000199001010012' UNION ALL SELECT '110105194912310021') AS v;

-- Numbers with abolished codes and the codes their areas have now.
SELECT v.n, j.code AS now_code, j.name AS now_name
FROM (SELECT '512201198001010012' AS n UNION ALL SELECT '11010519491231002X') AS v,
     JSON_TABLE(idn_now(v.n), '$[*]' COLUMNS (code INT PATH '$.code', name VARCHAR(40) PATH '$.name')) AS j
WHERE idn_code_status(v.n) = 'abolished';

-- Results are binary strings; CONVERT makes them text of a character set.
SELECT CHARSET(idn_province('11010519491231002X')) AS as_given,
       CHARSET(CONVERT(idn_province('11010519491231002X') USING utf8mb4)) AS converted,
       idn_province('11010519491231002X') = '北京市' AS compares;

-- NULL gives NULL.
SELECT idn_valid(NULL), idn_reason(NULL), idn_expected_check(NULL), idn_birth_date(NULL), idn_sex(NULL),
       idn_province(NULL), idn_city(NULL), idn_county(NULL), idn_code_status(NULL), idn_now(NULL),
       idn_kind(NULL), idn_upgrade(NULL), idn_mask(NULL);
CREATE TABLE with_nulls (n VARCHAR(20));
INSERT INTO with_nulls VALUES ('11010519491231002X'), (NULL), ('1');
SELECT n, idn_valid(n), idn_reason(n), idn_mask(n) FROM with_nulls;

-- A text of 1 MiB: refused for its length, its first 17 digits still give a
-- check character; masking keeps its length, in a buffer of the statement.
SET @big = REPEAT('1', 1048576);
SELECT idn_valid(@big), idn_reason(@big), idn_expected_check(@big), LENGTH(idn_mask(@big)),
       LEFT(idn_mask(@big), 8), RIGHT(idn_mask(@big), 6);
CREATE TABLE big (t LONGTEXT);
INSERT INTO big VALUES (REPEAT('1', 1048576)), (REPEAT('叶', 349526)), ('11010519491231002X'), (REPEAT('2', 2097152));
SELECT idn_reason(t), idn_expected_check(t), LENGTH(idn_mask(t)), LEFT(CONVERT(idn_mask(t) USING utf8mb4), 8) FROM big;

-- Bytes that are no UTF-8, and binary bytes, NUL among them: refused.
SELECT idn_valid(x), idn_reason(x), idn_expected_check(x), HEX(idn_mask(x))
FROM (SELECT UNHEX('3131303130353139343931323331303032FF') AS x UNION ALL
      SELECT UNHEX('803131303130353139343931323331303032') UNION ALL
      SELECT UNHEX('000102030405060708090A0B0C0D0E0F1011') UNION ALL
      SELECT UNHEX('3131303130353139343931323331303000') UNION ALL
      SELECT UNHEX('D5C5C8FD')) AS v;

-- The year limit is this year: a number born this year passes, one born
-- next year is refused for its date.
SET @stem = CONCAT('110105', YEAR(CURDATE()), '0101001');
SELECT idn_reason(CONCAT(@stem, idn_expected_check(@stem))) IS NULL AS this_year_valid;
SET @stem = CONCAT('110105', YEAR(CURDATE()) + 1, '0101001');
SELECT idn_reason(CONCAT(@stem, idn_expected_check(@stem))) AS next_year;

-- Upgrade: 15 digits become 18 characters; anything else gives NULL, so an
-- UPDATE that upgrades a column leaves what does not convert as it was.
SELECT idn_upgrade('110105491231002'), idn_upgrade(110105491231002), idn_upgrade('440301880808123'),
       idn_upgrade('11010549123100'), idn_upgrade('1101054912310020'), idn_upgrade('11010549123100a'),
       idn_upgrade('110105491331002'), idn_upgrade('110105491232002');
CREATE TABLE old_numbers (id VARCHAR(18));
INSERT INTO old_numbers VALUES ('110105491231002'), ('11010519491231002X'), ('110105491331002');
UPDATE old_numbers SET id = idn_upgrade(id) WHERE idn_upgrade(id) IS NOT NULL;
SELECT id, idn_valid(id) FROM old_numbers;

-- Mask: the first 6 and last 4 characters kept, characters counted whole.
SELECT idn_mask('11010519491231002X'), idn_mask(110105194910010015), idn_mask('张三丰'), idn_mask(''),
       idn_mask('1234567890'), idn_mask('12345678901'), idn_mask('新疆维吾尔自治区乌鲁木齐市天山区');

-- Generation: number i of the plan; the same seed gives idtool's numbers.
SELECT seq, idn_generate('110105', '19491001', NULL, NULL, 3, 7, seq) AS n FROM seq_0_to_3;
SELECT idn_generate('阳泉市/城区', '19800101', '19891231', 'female', 4, 18446744073709551615, seq) AS n,
       idn_sex(idn_generate('阳泉市/城区', '19800101', '19891231', 'female', 4, 18446744073709551615, seq)) AS sex
FROM seq_0_to_3;
SELECT COUNT(*), COUNT(DISTINCT n), MIN(idn_valid(n)), MIN(idn_sex(n) = 'male')
FROM (SELECT idn_generate('440303', '19880808', NULL, 'male', 499, 3, seq) AS n FROM seq_0_to_498) AS g;
-- A birth date no calendar has is carried as given.
SELECT idn_generate('110105', 19490231, NULL, NULL, 1, 1, 0);
-- Without a seed, one drawn for the statement: the numbers are distinct.
SELECT COUNT(DISTINCT n) FROM (SELECT idn_generate('110105', '19491001', NULL, NULL, 999, NULL, seq) AS n
                               FROM seq_0_to_998) AS g;
-- Filling a table with test data.
CREATE TABLE people (id CHAR(18) PRIMARY KEY, born DATE);
INSERT INTO people (id, born)
SELECT n, idn_birth_date(n)
FROM (SELECT idn_generate('330185', '19700101', '19991231', NULL, 200, 42, seq) AS n FROM seq_0_to_199) AS g;
SELECT COUNT(*), MIN(born) >= '1970-01-01', MAX(born) <= '1999-12-31', MIN(idn_valid(id)) FROM people;
-- Options that vary by row are planned when they change; a refused one gives NULL.
CREATE TABLE regions (region VARCHAR(20));
INSERT INTO regions VALUES ('110105'), ('阳泉市/城区'), ('城区'), (NULL);
SELECT region, idn_generate(region, '19491001', NULL, NULL, 2, 7, 1) AS n FROM regions;
-- An index outside the plan gives NULL.
SELECT idn_generate('110105', '19491001', NULL, NULL, 3, 7, 3), idn_generate('110105', '19491001', NULL, NULL, 3, 7, -1);

-- Every init checks its arguments; refused options fail the statement.
SELECT idn_valid();
SELECT idn_reason('1', '2');
SELECT idn_mask(1.5);
SELECT idn_birth_date(CAST(1 AS DECIMAL));
SELECT idn_generate('110105', '19491001');
SELECT idn_generate('110105', '19491001', NULL, NULL, '3', 7, 0);
SELECT idn_generate('110105', '19491001', NULL, 1, 3, 7, 0);
SELECT idn_generate('110105', '19491001', NULL, NULL, 3, 7.5, 0);
SELECT idn_generate('城区', '19491001', NULL, NULL, 1, 1, 0);
SELECT idn_generate('110100', '19491001', NULL, NULL, 1, 1, 0);
SELECT idn_generate('110105', '1949', NULL, NULL, 1, 1, 0);
SELECT idn_generate('110105', '19491301', NULL, NULL, 1, 1, 0);
SELECT idn_generate('110105', '19490231', '19500101', NULL, 1, 1, 0);
SELECT idn_generate('110105', '19500101', '19490101', NULL, 1, 1, 0);
SELECT idn_generate('110105', '19500101', '29990101', NULL, 1, 1, 0);
SELECT idn_generate('110105', '19491001', NULL, NULL, 1000, 1, 0);
SELECT idn_generate('110105', '19491001', NULL, NULL, 0, 1, 0);
SELECT idn_generate('110105', '19491001', NULL, 'unknown', 1, 1, 0);
SELECT idn_generate(NULL, '19491001', NULL, NULL, 1, 1, 0);


DROP DATABASE idn_test;
