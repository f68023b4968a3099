-- Drops what install.sql loaded: the stored function idn_mask of the
-- database this script runs in (mariadb DATABASE < uninstall.sql), and the
-- loadable functions, which belong to the whole server.
DROP FUNCTION IF EXISTS idn_mask;
DROP FUNCTION IF EXISTS idn_valid;
DROP FUNCTION IF EXISTS idn_reason;
DROP FUNCTION IF EXISTS idn_expected_check;
DROP FUNCTION IF EXISTS idn_birth_date;
DROP FUNCTION IF EXISTS idn_sex;
DROP FUNCTION IF EXISTS idn_province;
DROP FUNCTION IF EXISTS idn_city;
DROP FUNCTION IF EXISTS idn_county;
DROP FUNCTION IF EXISTS idn_code_status;
DROP FUNCTION IF EXISTS idn_now;
DROP FUNCTION IF EXISTS idn_kind;
DROP FUNCTION IF EXISTS idn_upgrade;
DROP FUNCTION IF EXISTS idn_age;
DROP FUNCTION IF EXISTS idn_mask_utf8mb4;
DROP FUNCTION IF EXISTS idn_generate;
DROP FUNCTION IF EXISTS idn_find_json;
DROP FUNCTION IF EXISTS idn_redact;
DROP FUNCTION IF EXISTS idn_redact_number;
