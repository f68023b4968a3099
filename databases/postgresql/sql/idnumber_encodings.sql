-- Texts in databases of other encodings: bytes that are no UTF-8 and binary
-- bytes (possible in a SQL_ASCII database, which stores any bytes), and
-- region names and masks in an EUC_CN database, converted from and to the
-- library's UTF-8. Run by pg_regress after idnumber.sql.
CREATE DATABASE idn_sql_ascii ENCODING 'SQL_ASCII' LC_COLLATE 'C' LC_CTYPE 'C' TEMPLATE template0;
CREATE DATABASE idn_euc_cn ENCODING 'EUC_CN' LC_COLLATE 'C' LC_CTYPE 'C' TEMPLATE template0;

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
-- Region names given to idn_generate are converted to UTF-8 first.
SELECT * FROM idn_generate('阳泉市/城区', '19800101', count => 2, seed => 5);
SELECT * FROM idn_generate('城区', '19800101');

\c contrib_regression
DROP DATABASE idn_sql_ascii;
DROP DATABASE idn_euc_cn;
