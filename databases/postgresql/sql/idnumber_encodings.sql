-- Texts in databases of other encodings: bytes that are no UTF-8 and binary
-- bytes (possible in a SQL_ASCII database, which stores any bytes), and
-- region names, sex, messages and masks in EUC_CN and LATIN1 databases,
-- converted from and to the library's UTF-8; a character the database's
-- encoding lacks is written '?', so that a valid number never fails a query.
-- Run by pg_regress after idnumber.sql.
CREATE DATABASE idn_sql_ascii ENCODING 'SQL_ASCII' LC_COLLATE 'C' LC_CTYPE 'C' TEMPLATE template0;
CREATE DATABASE idn_euc_cn ENCODING 'EUC_CN' LC_COLLATE 'C' LC_CTYPE 'C' TEMPLATE template0;
CREATE DATABASE idn_latin1 ENCODING 'LATIN1' LC_COLLATE 'C' LC_CTYPE 'C' TEMPLATE template0;

\c idn_sql_ascii
CREATE EXTENSION idnumber;
-- 18 bytes with invalid UTF-8 (\xff, a lone continuation byte, a cut
-- three-byte sequence) or control bytes: refused for their characters; a
-- GBK-encoded text, for its length.
SELECT label, octet_length(n), idn_valid(n), idn_reason(n), idn_expected_check(n), idn_kind(n),
       encode(convert_to(idn_mask(n), 'SQL_ASCII'), 'hex') AS mask
FROM (VALUES ('\xff last', E'11010519491231002\xff'),
             ('\x80 first', E'\x8011010519491231002'),
             ('cut sequence', E'1101051949123100\xe5\x8f'),
             ('control bytes', E'\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x0e\x0f\x10\x11\x12'),
             ('GBK text', E'\xd5\xc5\xc8\xfd'),
             ('valid', '11010519491231002X')) AS v(label, n);
-- Region names come out as the library's UTF-8 bytes.
SELECT encode(convert_to(idn_province('11010519491231002X'), 'SQL_ASCII'), 'hex');

\c idn_euc_cn
SET client_encoding = 'UTF8';
CREATE EXTENSION idnumber;
-- Region names converted into the database's encoding and back for the client.
SELECT idn_province('440301198808081239'), idn_city('440301198808081239'), idn_county('440301198808081239'),
       idn_now('512201198001010012'), octet_length(idn_province('440301198808081239')) AS euc_bytes;
-- Masks count characters, whatever their encoding.
SELECT idn_mask('新疆维吾尔自治区乌鲁木齐市天山区'), idn_mask('张三丰'), idn_mask('11010519491231002X');
-- Region names given to idn_generate are converted to UTF-8 first, and
-- messages back; sex words too.
SELECT * FROM idn_generate('阳泉市/城区', '19800101', count => 2, seed => 5);
SELECT * FROM idn_generate('阳泉市/城区', '19800101', sex => '女', count => 2, seed => 5);
SELECT * FROM idn_generate('城区', '19800101');
SELECT * FROM idn_generate('110105', '1980010叶');
SELECT * FROM idn_generate('110105', '19800101', sex => '男性');
SELECT idn_upgrade(repeat('叶', 5242880));
-- Valid numbers of the five counties whose names EUC_CN lacks a character
-- of (埇, 瀍, 浉, 硚, 猇), and of the nine codes whose areas went to one of
-- them or to 湾沚区 or 鄠邑区: each such character is '?', and the query
-- runs to its end.
SELECT n, idn_valid(n), idn_sex(n), idn_province(n), idn_city(n), idn_county(n), idn_now(n)
FROM (SELECT stem || idn_expected_check(stem) AS n
      FROM unnest(ARRAY['341302', '410304', '411502', '420104', '420505', '340221', '342201', '342223', '413001',
                        '413023', '420523', '422723', '610125', '612223']) AS code,
           LATERAL (SELECT code || '19900101001' AS stem) AS s) AS v;
-- A text's verdict is that of its characters, as in a UTF-8 database: 16
-- digits and 叶 are 19 bytes of UTF-8 (length), not 18 of EUC_CN.
SELECT idn_reason('1101051949123100叶') AS two_byte_last, idn_expected_check('1101051949123100叶'),
       idn_reason('11010519491231002X', 2000) AS ascii;

\c idn_latin1
SET client_encoding = 'UTF8';
CREATE EXTENSION idnumber;
-- LATIN1 has no Chinese character: the sex and the names are all '?'.
SELECT idn_sex('11010519491231002X'), idn_sex(110105194910010015), idn_province('440301198808081239'),
       idn_county('341302199001010016'), idn_now('512201198001010012'), idn_mask('é11010519491231002Xé');
SELECT idn_reason('1101051949123100é'), idn_valid('11010519491231002X', 2000);
-- Messages keep the Latin characters they echo.
SELECT * FROM idn_generate('Zürich', '19800101');
SELECT * FROM idn_generate('110105', '19800101', sex => 'mâle');
SELECT * FROM idn_generate('110105', '19800101', count => 2, seed => 5);

\c contrib_regression
DROP DATABASE idn_sql_ascii;
DROP DATABASE idn_euc_cn;
DROP DATABASE idn_latin1;
