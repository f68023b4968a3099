-- Loads the functions of idnumber_udf.so (copied into the server's
-- plugin_dir first): mariadb < install.sql. Needs the INSERT privilege on
-- the mysql database. uninstall.sql drops them again.
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
CREATE FUNCTION IF NOT EXISTS idn_mask RETURNS STRING SONAME 'idnumber_udf.so';
CREATE FUNCTION IF NOT EXISTS idn_generate RETURNS STRING SONAME 'idnumber_udf.so';
