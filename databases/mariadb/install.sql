-- Loads the functions of idnumber_udf.so, which must be in the server's
-- plugin directory first, into the database this script runs in:
--
--   mariadb DATABASE < install.sql
--
-- The loadable functions belong to the whole server (their rows are in
-- mysql.func; the INSERT privilege on the mysql database is needed); idn_mask
-- is a stored function of DATABASE (CREATE ROUTINE there), so run the script
-- once in each database that calls idn_mask. Running it again changes
-- nothing. uninstall.sql drops them.
CREATE FUNCTION IF NOT EXISTS idn_valid RETURNS INTEGER SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_reason RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_expected_check RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_birth_date RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_sex RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_province RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_city RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_county RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_code_status RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_now RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_kind RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_upgrade RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_age RETURNS INTEGER SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_mask_utf8mb4 RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_generate RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_find_json RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_redact RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_redact_number RETURNS STRING SONAME 'idnumber_udf.so';

-- A loadable function gets its arguments' bytes with no word of their
-- character set; idn_mask counts characters, so its parameter makes the
-- server convert any text (GBK, latin1, UTF-16) to utf8mb4 first.
CREATE OR REPLACE FUNCTION idn_mask(t LONGTEXT CHARACTER SET utf8mb4)
    RETURNS LONGTEXT CHARACTER SET utf8mb4
    DETERMINISTIC NO SQL SQL SECURITY INVOKER
    COMMENT 'the text with every character but its first 6 and last 4 written *'
    RETURN idn_mask_utf8mb4(t);
