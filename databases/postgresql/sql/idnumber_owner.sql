-- The extension is trusted and relocatable: a user who is no superuser, with
-- CREATE on the database, creates it, moves it to another schema, and every
-- function works there. Run by pg_regress after idnumber.sql.
CREATE ROLE regress_idn_owner LOGIN;
CREATE ROLE regress_idn_other LOGIN;
GRANT CREATE ON DATABASE contrib_regression TO regress_idn_owner;
SET datestyle = ISO;

SET ROLE regress_idn_owner;
CREATE SCHEMA idn_first;
CREATE EXTENSION idnumber SCHEMA idn_first;
CREATE SCHEMA idn_second;
ALTER EXTENSION idnumber SET SCHEMA idn_second;
SELECT e.extname, n.nspname, pg_get_userbyid(e.extowner) AS owner
FROM pg_extension e JOIN pg_namespace n ON n.oid = e.extnamespace WHERE e.extname = 'idnumber';
-- No function is left behind, and none is on the search path.
SELECT n.nspname, count(*) FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace
WHERE p.proname LIKE 'idn\_%' GROUP BY 1;
SET search_path = public;
SELECT idn_second.idn_valid('11010519491231002X') AS valid, idn_second.idn_valid(110105194910010015, 2000) AS bigint,
       idn_second.idn_reason('110105194912310021') AS reason, idn_second.idn_reason('110105203101010017', 2030) AS limit,
       idn_second.idn_expected_check('11010519491231002') AS check, idn_second.idn_birth_date('11010519491231002X'),
       idn_second.idn_sex('11010519491231002X'), idn_second.idn_kind('11010519491231002X');
SELECT idn_second.idn_province('440301198808081239'), idn_second.idn_city('440301198808081239'),
       idn_second.idn_county('440301198808081239'), idn_second.idn_code_status('512201198001010012'),
       idn_second.idn_now('512201198001010012');
SELECT idn_second.idn_upgrade('110105491231002'), idn_second.idn_mask('11010519491231002X'),
       idn_second.idn_age('11010519491231002X', '2024-12-31'), idn_second.idn_age(110105194910010015, '2024-12-31');
SELECT * FROM idn_second.idn_generate('110105', '19491001', count => 2, seed => 7);
-- Its owner may change what a function declares, but no declaration hands
-- its code a NULL: each answers NULL for NULL itself.
ALTER FUNCTION idn_second.idn_valid(text) CALLED ON NULL INPUT;
ALTER FUNCTION idn_second.idn_reason(bigint, integer) CALLED ON NULL INPUT;
ALTER FUNCTION idn_second.idn_now(bigint) CALLED ON NULL INPUT;
ALTER FUNCTION idn_second.idn_upgrade(text) CALLED ON NULL INPUT;
ALTER FUNCTION idn_second.idn_mask(text) CALLED ON NULL INPUT;
ALTER FUNCTION idn_second.idn_age(text, date) CALLED ON NULL INPUT;
ALTER FUNCTION idn_second.idn_age(bigint) CALLED ON NULL INPUT;
SELECT idn_second.idn_valid(NULL::text) IS NULL AS valid, idn_second.idn_reason(NULL::bigint, 2000) IS NULL AS reason,
       idn_second.idn_reason(110105194910010015, NULL) IS NULL AS year_limit, idn_second.idn_now(NULL::bigint) IS NULL AS now,
       idn_second.idn_upgrade(NULL::text) IS NULL AS upgrade, idn_second.idn_mask(NULL::text) IS NULL AS mask,
       idn_second.idn_age(NULL::text, '2024-01-01') IS NULL AS age_number, idn_second.idn_age('11010519491231002X', NULL) IS NULL AS age_date,
       idn_second.idn_age(NULL::bigint) IS NULL AS age_today;
-- A constraint of the moved function keeps working, and follows it.
CREATE TABLE idn_first.people (id text CHECK (idn_second.idn_valid(id, 2100)));
INSERT INTO idn_first.people VALUES ('11010519491231002X');
INSERT INTO idn_first.people VALUES ('110105194912310021');
ALTER EXTENSION idnumber SET SCHEMA idn_first;
SELECT pg_get_constraintdef(oid) FROM pg_constraint WHERE conrelid = 'idn_first.people'::regclass;
INSERT INTO idn_first.people VALUES ('110105194910010015');
SELECT id FROM idn_first.people ORDER BY id;
-- Another user, who does not own it, cannot move it, nor change its functions.
RESET ROLE;
GRANT USAGE ON SCHEMA idn_first TO regress_idn_other;
CREATE SCHEMA idn_other AUTHORIZATION regress_idn_other;
SET ROLE regress_idn_other;
ALTER EXTENSION idnumber SET SCHEMA idn_other;
ALTER FUNCTION idn_first.idn_valid(text) CALLED ON NULL INPUT;
SELECT idn_first.idn_valid('11010519491231002X');
-- Its owner drops it.
SET ROLE regress_idn_owner;
DROP TABLE idn_first.people;
DROP EXTENSION idnumber;
DROP SCHEMA idn_first;
DROP SCHEMA idn_second;
RESET ROLE;
RESET search_path;
DROP SCHEMA idn_other;
REVOKE CREATE ON DATABASE contrib_regression FROM regress_idn_owner;
DROP ROLE regress_idn_owner;
DROP ROLE regress_idn_other;
