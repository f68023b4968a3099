-- The functions on a real server: verdicts, regions, the history, the year
-- limit, conversions, masks of texts in other character sets, generation
-- (also in prepared statements), the argument checks of every init, ages
-- on dates, and finding and redacting numbers in text. Run by scripts/test-mariadb.sh (mariadb --table -vv --force)
-- in a utf8mb4 database where install.sql has run; the expected output is
-- test/idnumber.out. No output depends on the current year.

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

-- The loadable functions' results are binary strings; CONVERT makes them
-- text of a character set. idn_mask, a stored function, gives utf8mb4.
SELECT CHARSET(idn_province('11010519491231002X')) AS as_given,
       CHARSET(CONVERT(idn_province('11010519491231002X') USING utf8mb4)) AS converted,
       idn_province('11010519491231002X') = '北京市' AS compares, idn_sex('11010519491231002X') = '女' AS sex,
       CHARSET(idn_mask('11010519491231002X')) AS mask;

-- NULL gives NULL.
SELECT idn_valid(NULL), idn_reason(NULL), idn_expected_check(NULL), idn_birth_date(NULL), idn_sex(NULL),
       idn_province(NULL), idn_city(NULL), idn_county(NULL), idn_code_status(NULL), idn_now(NULL),
       idn_kind(NULL), idn_upgrade(NULL), idn_mask(NULL), idn_mask_utf8mb4(NULL);
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
SELECT idn_reason(t), idn_expected_check(t), LENGTH(idn_mask(t)), LEFT(idn_mask(t), 8) FROM big;

-- Bytes that are no UTF-8, and binary bytes, NUL among them: refused;
-- idn_mask_utf8mb4 masks them as they are, a kept byte that starts no UTF-8
-- character written U+FFFD.
SELECT idn_valid(x), idn_reason(x), idn_expected_check(x), HEX(idn_mask_utf8mb4(x))
FROM (SELECT UNHEX('3131303130353139343931323331303032FF') AS x UNION ALL
      SELECT UNHEX('803131303130353139343931323331303032') UNION ALL
      SELECT UNHEX('000102030405060708090A0B0C0D0E0F1011') UNION ALL
      SELECT UNHEX('3131303130353139343931323331303000') UNION ALL
      SELECT UNHEX('D5C5C8FD')) AS v;
-- idn_mask takes text: binary bytes must be UTF-8 (strict mode refuses others).
SELECT idn_mask(X'E5BCA0E4B889E4B8B0'), idn_mask(X'3131303130353139343931323331303032');
SELECT idn_mask(X'D5C5C8FD');

-- The year limit is this year: a number born this year passes, one born
-- next year is refused for its date.
SET @stem = CONCAT('110105', YEAR(CURDATE()), '0101001');
SELECT idn_reason(CONCAT(@stem, idn_expected_check(@stem))) IS NULL AS this_year_valid;
SET @stem = CONCAT('110105', YEAR(CURDATE()) + 1, '0101001');
SELECT idn_reason(CONCAT(@stem, idn_expected_check(@stem))) AS next_year;

-- Or the year given, 1 to 9999: the same answer in every year, for
-- generated columns. NULL gives NULL; a row's year outside 1-9999 too.
SELECT idn_valid('110105202001010023', 2019), idn_reason('110105202001010023', 2019),
       idn_valid('110105202001010023', 2020), idn_reason('110105202001010023', 2020),
       idn_valid('110105299901010022', 9999), idn_reason('110105000101010017', 1),
       idn_valid('110105202001010023', NULL), idn_reason(110105202001010023, 2019);
CREATE TABLE years (y INT);
INSERT INTO years VALUES (2019), (2020), (NULL), (0), (10000), (-1);
SELECT y, idn_valid('110105202001010023', y), idn_reason('110105202001010023', y) FROM years;
SELECT idn_valid('110105202001010023', 0);
SELECT idn_reason('110105202001010023', 10000);
SELECT idn_reason('110105202001010023', 18446744073709551615);
SELECT idn_valid('110105202001010023', '2020');
SELECT idn_valid('110105202001010023', 2020.5);
SELECT idn_expected_check('110105202001010023', 2020);

-- A generated column of the two-argument forms. MariaDB takes loadable
-- functions in VIRTUAL columns only: not in PERSISTENT or indexed ones, nor
-- in CHECK constraints (error 1901); a trigger keeps refused numbers out.
CREATE TABLE people (id VARCHAR(20), valid INT AS (idn_valid(id, 9999)) VIRTUAL,
                     reason VARCHAR(10) AS (idn_reason(id, 2019)) VIRTUAL);
INSERT INTO people (id) VALUES ('11010519491231002X'), ('110105202001010023'), ('11010519491231002x');
SELECT id, valid, reason FROM people;
CREATE TABLE persistent_people (id VARCHAR(20), valid INT AS (idn_valid(id, 9999)) PERSISTENT);
CREATE TABLE checked_people (id VARCHAR(20), CHECK (idn_valid(id, 9999)));
CREATE TABLE guarded_people (id VARCHAR(20) NOT NULL);
DELIMITER //
CREATE TRIGGER guarded_people_valid BEFORE INSERT ON guarded_people FOR EACH ROW
    IF NOT idn_valid(NEW.id, 9999) THEN
        SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'refused identity number';
    END IF //
DELIMITER ;
INSERT INTO guarded_people VALUES ('11010519491231002X');
INSERT INTO guarded_people VALUES ('11010519491231002x');
SELECT id FROM guarded_people;

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
-- In any character set: the server converts the argument to utf8mb4, and
-- the mask is utf8mb4 (a GBK column's characters are two bytes each, a
-- UTF-16 column's two or four, a UTF-32 column's four).
CREATE TABLE texts (gbk VARCHAR(40) CHARACTER SET gbk, utf16 VARCHAR(40) CHARACTER SET utf16,
                    utf32 VARCHAR(40) CHARACTER SET utf32, latin1 VARCHAR(40) CHARACTER SET latin1);
INSERT INTO texts VALUES ('新疆维吾尔自治区乌鲁木齐市天山区', '11010519491231002X', '北京市朝阳区某某街道一号院', 'Zoë Müller-Lüdenscheidt'),
                         ('张三丰', '𠀀𠀁𠀂𠀃𠀄𠀅𠀆𠀇𠀈𠀉𠀊𠀋', '新疆维吾尔自治区乌鲁木齐市天山区', '1234567890ÄÖ');
SELECT idn_mask(gbk), idn_mask(utf16), idn_mask(utf32), idn_mask(latin1), CHARSET(idn_mask(gbk)) FROM texts;
SELECT HEX(CONVERT(idn_mask(gbk) USING gbk)) AS gbk_bytes, CHAR_LENGTH(idn_mask(gbk)) = CHAR_LENGTH(gbk) AS same_length
FROM texts;

-- Generation: number i of the plan; the same seed gives idtool's numbers.
SELECT seq, idn_generate('110105', '19491001', NULL, NULL, 3, 7, seq) AS n FROM seq_0_to_3;
SELECT idn_generate('阳泉市/城区', '19800101', '19891231', 'female', 4, 18446744073709551615, seq) AS n,
       idn_sex(idn_generate('阳泉市/城区', '19800101', '19891231', 'female', 4, 18446744073709551615, seq)) AS sex
FROM seq_0_to_3;
-- A negative seed is the unsigned seed of the same bits.
SELECT idn_generate('阳泉市/城区', '19800101', '19891231', '女', 4, -1, seq) AS n FROM seq_0_to_3;
SELECT COUNT(*), COUNT(DISTINCT n), MIN(idn_valid(n)), MIN(idn_sex(n) = '男')
FROM (SELECT idn_generate('440303', '19880808', NULL, 'MALE', 499, 3, seq) AS n FROM seq_0_to_498) AS g;
-- NULL is an option not given: count 1, sex any, a seed for the statement.
SELECT seq, idn_generate('110105', '19491001', NULL, NULL, NULL, 7, seq) AS n FROM seq_0_to_1;
SELECT idn_generate('110105', '19491001', NULL, NULL, 3, 7, 2) = idn_generate('110105', '19491001', NULL, 'any', 3, 7, 2)
       AS sex_any;
SELECT COUNT(DISTINCT n) FROM (SELECT idn_generate('110105', '19491001', NULL, NULL, 999, NULL, seq) AS n
                               FROM seq_0_to_998) AS g;
-- A birth date no calendar has is carried as given, with a warning.
SELECT n, idn_valid(n), idn_birth_date(n) FROM (SELECT idn_generate('110105', 19490231, NULL, NULL, 1, 1, 0) AS n) AS g;
SHOW WARNINGS;
-- Filling a table with test data.
CREATE TABLE test_people (id CHAR(18) PRIMARY KEY, born DATE);
INSERT INTO test_people (id, born)
SELECT n, idn_birth_date(n)
FROM (SELECT idn_generate('330185', '19700101', '19991231', NULL, 200, 42, seq) AS n FROM seq_0_to_199) AS g;
SELECT COUNT(*), MIN(born) >= '1970-01-01', MAX(born) <= '1999-12-31', MIN(idn_valid(id)) FROM test_people;
-- Options that vary by row are planned when they change; a refused one gives NULL.
CREATE TABLE regions (region VARCHAR(20));
INSERT INTO regions VALUES ('110105'), ('阳泉市/城区'), ('城区'), (NULL);
SELECT region, idn_generate(region, '19491001', NULL, NULL, 2, 7, 1) AS n FROM regions;
-- An index outside the plan gives NULL.
SELECT idn_generate('110105', '19491001', NULL, NULL, 3, 7, 3), idn_generate('110105', '19491001', NULL, NULL, 3, 7, -1);

-- Prepared statements: placeholders have no value while the statement is
-- prepared; each EXECUTE plans with the values, and a refused one fails it.
PREPARE numbers_of FROM 'SELECT seq, idn_generate(?, ?, NULL, NULL, ?, ?, seq) AS n FROM seq_0_to_2';
EXECUTE numbers_of USING '110105', '19491001', 3, 7;
EXECUTE numbers_of USING '阳泉市/城区', '19800101', 2, -1;
EXECUTE numbers_of USING '城区', '19800101', 2, 7;
EXECUTE numbers_of USING '110105', '19491001', 0, 7;
-- A NULL bound looks like no value yet: the plan waits for the rows.
EXECUTE numbers_of USING NULL, '19491001', 3, 7;
PREPARE one FROM 'SELECT idn_generate(?, ?, ?, ?, ?, ?, ?) AS n';
EXECUTE one USING '110105', '19491001', NULL, 'female', 3, 7, 1;
PREPARE verdict FROM 'SELECT idn_valid(?), idn_reason(?, ?), idn_mask(?)';
EXECUTE verdict USING '11010519491231002X', '110105202001010023', 2019, '11010519491231002X';
EXECUTE verdict USING 110105194910010015, '110105202001010023', 0, 110105194910010015;
DEALLOCATE PREPARE numbers_of;
DEALLOCATE PREPARE one;
DEALLOCATE PREPARE verdict;

-- Every init checks its arguments; refused options fail the statement with
-- the library's message, whole.
SELECT idn_valid();
SELECT idn_reason('1', '2', '3');
SELECT idn_sex('1', 2019);
SELECT idn_mask_utf8mb4(1.5);
SELECT idn_birth_date(CAST(1 AS DECIMAL));
SELECT idn_mask();
SELECT idn_generate('110105', '19491001');
SELECT idn_generate('110105', '19491001', NULL, NULL, '3', 7, 0);
SELECT idn_generate('110105', '19491001', NULL, 1, 3, 7, 0);
SELECT idn_generate('110105', '19491001', NULL, NULL, 3, 7.5, 0);
SELECT idn_generate('城区', '19491001', NULL, NULL, 1, 1, 0);
SELECT idn_generate('朝阳区', '19491001', NULL, NULL, 1, 1, 0);
SELECT idn_generate('驻马店市/济源市', '19491001', NULL, NULL, 1, 1, 0);
SELECT idn_generate('110100', '19491001', NULL, NULL, 1, 1, 0);
SELECT idn_generate(X'D5C5C8FD', '19491001', NULL, NULL, 1, 1, 0);
SELECT idn_generate('110105', '1949', NULL, NULL, 1, 1, 0);
SELECT idn_generate('110105', '19490231', '19500101', NULL, 1, 1, 0);
SELECT idn_generate('110105', '19500101', '19490101', NULL, 1, 1, 0);
SELECT idn_generate('110105', NULL, '19490101', NULL, 1, 1, 0);
SELECT idn_generate('110105', '19491001', NULL, NULL, 1000, 1, 0);
SELECT idn_generate('110105', '19491001', NULL, NULL, 0, 1, 0);
SELECT idn_generate('110105', '19491001', NULL, NULL, 9223372036854775808, 1, 0);
SELECT idn_generate('110105', '19491001', NULL, 'unknown', 1, 1, 0);
SELECT idn_generate('110105', '19491001', NULL, 'male ', 1, 1, 0);
SELECT idn_generate(NULL, '19491001', NULL, NULL, 1, 1, 0);
SELECT idn_generate('110105', NULL, NULL, NULL, 1, 1, 0);

-- Age: completed years on a DATE, its text or a DATETIME (its time ignored),
-- a birthday of 29 February coming on 1 March in other years; NULL for a
-- refused number, a birth date no calendar has or a date before the birth.
-- The number is judged by every rule but the year: one born in 2050 has an
-- age in 2060.
SELECT idn_age('11010519491231002X', DATE'2024-12-30') AS day_before, idn_age('11010519491231002X', '2024-12-31') AS birthday,
       idn_age('11010519491231002X', TIMESTAMP'2024-12-31 00:00:01') AS at_1_s, idn_age(110105200002290013, '2001-02-28') AS feb_28,
       idn_age('110105200002290013', '2001-03-01') AS mar_1, idn_age('110105205001010019', '2060-06-01') AS born_2050;
SELECT idn_age('110105194902310018', '2024-01-01') AS feb_31, idn_age('11010519491231002X', '1949-12-30') AS unborn,
       idn_age('11010519491231002x', '2024-01-01') AS refused, idn_age(NULL, '2024-01-01') AS null_number,
       idn_age('11010519491231002X', NULL) AS null_date;
-- Dates from a column: a row's date that is none gives NULL.
CREATE TABLE days (d DATE, t VARCHAR(30));
INSERT INTO days VALUES ('2024-12-31', '2024-12-31'), ('2024-12-30', '2024-12-30 23:59:59.5'), ('0000-00-00', '2023-02-29'),
                        ('2024-02-00', '31/12/2024'), (NULL, NULL);
SELECT d, t, idn_age('11010519491231002X', d) AS of_date, idn_age('11010519491231002X', t) AS of_text FROM days;
-- Today's date: CURDATE() or NOW().
SELECT idn_age('11010519491231002X', CURDATE()) = idn_age('11010519491231002X', NOW()) AS same_day,
       idn_age('11010519491231002X', CURDATE()) >= 75 AS since_2024;
PREPARE age_of FROM 'SELECT idn_age(?, ?) AS age';
EXECUTE age_of USING '11010519491231002X', '2024-12-31';
EXECUTE age_of USING '11010519491231002X', '2023-02-29';
DEALLOCATE PREPARE age_of;
-- A constant date that is none fails the statement.
SELECT idn_age('11010519491231002X', '2023-02-29');
SELECT idn_age('11010519491231002X', '2024-1-1');
SELECT idn_age('11010519491231002X', 20241231);
SELECT idn_age('11010519491231002X');
-- Of several wrong options, the first in the library's order: the region
-- before the sex word, the sex word before the birth date's digits.
SELECT idn_generate('nowhere', '19491001', NULL, 'x', 1, 1, 0);
SELECT idn_generate('110105', '1949', NULL, 'x', 1, 1, 0);

-- Finding: idn_find_json's array, as rows through JSON_TABLE; start and
-- length count characters, as SUBSTRING does, byte_start and byte_length bytes.
SET @text = '身份证 11010519491231002X\n２ １１０１０５－１９８００１０１－０１８ｘ 110105194912310021';
SELECT j.* FROM JSON_TABLE(idn_find_json(@text, 'as_of', '2024-06-30', 'min_confidence', 'low'), '$[*]' COLUMNS (
    start INT PATH '$.start', length INT PATH '$.length', byte_start INT PATH '$.byte_start',
    line_number INT PATH '$.line_number', column_number INT PATH '$.column_number', number CHAR(18) PATH '$.number',
    form JSON PATH '$.form', confidence VARCHAR(6) PATH '$.confidence', flaw VARCHAR(6) PATH '$.flaw',
    keyword VARCHAR(10) PATH '$.keyword', born DATE PATH '$.birth_date', sex VARCHAR(1) PATH '$.sex',
    county VARCHAR(20) PATH '$.county')) AS j;
SELECT SUBSTRING(@text, j.start, j.length) AS found FROM JSON_TABLE(idn_find_json(@text), '$[*]' COLUMNS (
    start INT PATH '$.start', length INT PATH '$.length')) AS j;
SELECT idn_find_json('nothing here') AS none, idn_find_json(NULL) AS null_text;

-- Redaction: each way, the options by name, a GBK text read as GBK.
SET @key = X'000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f';
SELECT idn_redact('客户 11010519491231002X 已登记') AS mask, idn_redact('客户 11010519491231002X 已登记', 'label') AS label,
       idn_redact('客户 11010519491231002X 已登记', 'token', @key) AS token,
       idn_redact('客户 11010519491231002X 已登记', 'pseudonym', @key, 'as_of', '2024-06-30') AS pseudonym;
SELECT idn_redact('11010519491231002X', 'MASK', NULL, 'mask_first', 3, 'mask_last', 1) AS mask,
       idn_redact('11010519491231002X', 'label', NULL, 'label', '<ID>') AS label,
       idn_redact('11010519491231002X', 'token', @key, 'token_alphabet', 'base32', 'token_length', 20) AS token,
       idn_redact('11010519491231002X', 'pseudonym', @key, 'keep', '', 'as_of', DATE'2024-06-30') AS keeping_nothing;
SELECT idn_redact('11010519491231002X 身份证 11010519800101018X 110105194912310021', NULL, NULL, 'min_confidence', 'high') AS high,
       idn_redact('11010519491231002X 身份证 11010519800101018X 110105194912310021', NULL, NULL, 'min_confidence', 'low') AS low;
SELECT HEX(idn_redact(CONVERT('身份证：11010519491231002X' USING gbk), 'label', NULL, 'encoding', 'gbk')) AS gbk,
       HEX(CONVERT('身份证：[身份证号]' USING gbk)) AS gbk_label;
SELECT idn_redact_number('11010519491231002X', 'token', @key) AS token, idn_redact_number('11010519491231002X ') AS not_alone,
       idn_redact_number('110105194912310021') AS invalid, idn_redact_number('110105194912310021', NULL, NULL, 'min_confidence', 'low') AS mistyped;

-- De-identifying a column: options from other columns, judged when they
-- change; a refused row fails the statement, and an UPDATE changes nothing.
CREATE TABLE notes (id INT PRIMARY KEY, note VARCHAR(100), way VARCHAR(10), k VARBINARY(64)) ENGINE=InnoDB;
INSERT INTO notes VALUES (1, 'a 11010519491231002X', 'token', @key), (2, 'b 11010519491231002X', 'mask', NULL),
                         (3, 'c 11010519491231002X', 'token', CONCAT(@key, '!')), (4, 'd 11010519491231002X', 'label', NULL);
SELECT id, idn_redact(note, way, k) AS redacted FROM notes ORDER BY id;
UPDATE notes SET k = 'short' WHERE id = 3;
UPDATE notes SET note = idn_redact(note, way, k);
SELECT id, note FROM notes ORDER BY id;

-- What the inits refuse.
SELECT idn_redact('x', 'tokens');
SELECT idn_redact('x', 'token');
SELECT idn_redact('x', 'pseudonym', 'a secret, short');
SELECT idn_redact('x', 'mask', NULL, 'mask_first', 10, 'mask_last', 8);
SELECT idn_redact('x', 'mask', 'mask_first', 3);
SELECT idn_redact('x', 'mask', NULL, 'colour', 'red');
SELECT idn_redact('x', 'token', @key, 'token_alphabet', 'base64');
SELECT idn_redact('x', 'pseudonym', @key, 'keep', 'region,year');
SELECT idn_find_json('x', 'as_of', '2023-02-29');
SELECT idn_find_json('x', 'label', '<ID>');
SELECT idn_redact_number(1.5);
