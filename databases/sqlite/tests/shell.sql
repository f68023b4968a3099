-- The extension in Debian's sqlite3 shell, which loads it with -cmd '.load
-- PATH'. Its output and errors are compared with shell.out and shell.err.
-- First the README's example, then every refusal of idn_generate and texts
-- no number has; under ASan this is also the check that nothing leaks.
.headers on
.mode list
CREATE TABLE people(id TEXT);
INSERT INTO people(id) SELECT number FROM idn_generate('110105', '19800101', '19891231', NULL, 3, 42);
INSERT INTO people VALUES ('11010519491231002x'), ('1101051949123100'), ('512201198001010012'), (330112200001010029),
                          ('110105194902310018');
SELECT id, idn_valid(id) AS valid, idn_reason(id) AS reason, idn_birth_date(id) AS birth, idn_sex(id) AS sex,
       idn_province(id) || idn_city(id) || idn_county(id) AS region, idn_mask(id) AS masked FROM people;
SELECT coalesce(idn_reason(id), 'valid') AS verdict, count(*) AS numbers FROM people GROUP BY 1 ORDER BY 1;
SELECT idn_code_status(id) AS status, idn_now(id) AS now FROM people WHERE id LIKE '5122%';
SELECT idn_upgrade('110105491231002') AS upgraded, idn_expected_check('11010519491231002') AS too_short,
       idn_expected_check('11010519491231002x') AS expected, idn_kind('830000200001010018') AS kind;
SELECT count(*) AS drawn, count(DISTINCT number) AS distinct_numbers, sum(idn_sex(number) = '女') AS female
  FROM idn_generate('阳泉市/城区', 19800101, NULL, 'female', 400);
-- The deterministic forms in a schema, and a negative seed as its unsigned twin.
CREATE TABLE checked(id TEXT NOT NULL CHECK (idn_valid(id, 9999)));
CREATE INDEX checked_by_2019 ON checked(idn_reason(id, 2019));
INSERT INTO checked SELECT number FROM idn_generate('110105', '20200101', NULL, '女', 2, -1);
INSERT INTO checked VALUES ('11010519491231002x');
SELECT id, idn_reason(id, 2019) AS by_2019, idn_valid(id, 2020) AS by_2020 FROM checked;
-- Texts no number has.
SELECT idn_valid(zeroblob(18)) AS nul_bytes, idn_reason(x'313130313035313934393132333130303200') AS nul_last,
       idn_reason(randomblob(1000000)) AS megabyte, idn_reason(CAST(x'c0afc0afc0afc0afc0afc0afc0afc0afc0af' AS TEXT)) AS overlong,
       length(CAST(idn_mask(zeroblob(1000000)) AS BLOB)) AS masked_bytes, hex(idn_mask(CAST(x'ff' AS TEXT))) AS masked_ff, hex(idn_mask(x'ff3132333435363738393031')) AS kept_ff,
       idn_upgrade(zeroblob(15)) IS NULL AS no_upgrade, idn_city(printf('%.1000000c', '1')) IS NULL AS no_city;
-- Every refusal of idn_generate.
SELECT * FROM idn_generate;
SELECT * FROM idn_generate(NULL, '19491001');
SELECT * FROM idn_generate(x'313130313035', '19491001');
SELECT * FROM idn_generate(110105.0, '19491001');
SELECT * FROM idn_generate('999999', '19491001');
SELECT * FROM idn_generate('140300', '19491001');
SELECT * FROM idn_generate('nowhere', '19491001');
SELECT * FROM idn_generate('城区', '19491001');
SELECT * FROM idn_generate('a/b/c/d', '19491001');
SELECT * FROM idn_generate(CAST(x'ff' AS TEXT), '19491001');
SELECT * FROM idn_generate('110105');
SELECT * FROM idn_generate('110105', NULL, '19491001');
SELECT * FROM idn_generate('110105', x'00');
SELECT * FROM idn_generate('110105', '1990');
SELECT * FROM idn_generate('110105', '19901301');
SELECT * FROM idn_generate('110105', '19900230', '19900301');
SELECT * FROM idn_generate('110105', '19900101', '19900230');
SELECT * FROM idn_generate('110105', '19900101', '29990101');
SELECT * FROM idn_generate('110105', '19900301', '19900101');
SELECT * FROM idn_generate('110105', '19491001', NULL, 'x');
SELECT * FROM idn_generate('110105', '19491001', NULL, 'male' || char(0) || 'junk');
SELECT * FROM idn_generate('110105', '19491001', NULL, x'6d616c65');
SELECT * FROM idn_generate('110105', '19491001', NULL, NULL, 0);
SELECT * FROM idn_generate('110105', '19491001', NULL, NULL, -1);
SELECT * FROM idn_generate('110105', '19491001', NULL, NULL, 1000);
SELECT * FROM idn_generate('110105', '19491001', NULL, NULL, 1, 'x');
SELECT * FROM idn_generate('110105', '19491001', NULL, NULL, 1, '18446744073709551616');
SELECT idn_valid('11010519491231002X', 0);
SELECT idn_reason('11010519491231002X', 10000);
SELECT * FROM idn_generate('110105', '19491001', NULL, NULL, 1, 1, 1);
SELECT idn_valid();
SELECT idn_mask('a', 'b');
-- Ages on a date: NULL where there is none; a date that is none is an error.
SELECT idn_age('11010519491231002X', '2024-12-30') AS day_before, idn_age('11010519491231002X', '2024-12-31') AS birthday,
       idn_age('110105200002290013', '2001-02-28') AS leap_feb_28, idn_age('110105200002290013', '2001-03-01') AS leap_mar_1,
       idn_age('110105194902310018', '2024-01-01') AS feb_31, idn_age('11010519491231002X', '1949-12-30') AS unborn;
SELECT idn_age('11010519491231002X', '2023-02-29');
SELECT idn_age(NULL, '2024-1-1');
-- The connection goes on after every error.
SELECT number FROM idn_generate('110105', '19491001', NULL, 'male', 2, 7);
