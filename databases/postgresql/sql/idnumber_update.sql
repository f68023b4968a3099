-- Version 3.0.0 adds idn_age, idn_find, idn_redact and idn_redact_number. A
-- database of version 2.0.0 (the 2.0.0 packages') is taken along by ALTER
-- EXTENSION ... UPDATE, and the new functions belong to the extension's
-- owner, here a user who is no superuser, as those of a new CREATE EXTENSION
-- do. Run by pg_regress after idnumber_owner.sql. Only the versions of these
-- scripts are listed (the server's folder may hold others, a package's among
-- them).
SELECT name, version, installed, superuser, trusted, requires FROM pg_available_extension_versions
WHERE name = 'idnumber' AND version IN ('2.0.0', (SELECT default_version FROM pg_available_extensions WHERE name = 'idnumber'))
ORDER BY version;
SELECT source, target, path FROM pg_extension_update_paths('idnumber')
WHERE source IN ('2.0.0', (SELECT default_version FROM pg_available_extensions WHERE name = 'idnumber'))
  AND target IN ('2.0.0', (SELECT default_version FROM pg_available_extensions WHERE name = 'idnumber'))
ORDER BY 1, 2;
CREATE ROLE regress_idn_updater LOGIN;
GRANT CREATE ON DATABASE contrib_regression TO regress_idn_updater;
SET ROLE regress_idn_updater;
CREATE SCHEMA idn_updated;
CREATE EXTENSION idnumber SCHEMA idn_updated VERSION '2.0.0';
SELECT extversion FROM pg_extension WHERE extname = 'idnumber';
SELECT count(*) AS age_functions FROM pg_proc WHERE proname = 'idn_age';
CREATE TABLE idn_updated.people (id text CHECK (idn_updated.idn_valid(id, 2100)));
INSERT INTO idn_updated.people VALUES ('11010519491231002X'), ('110105200002290013');
ALTER EXTENSION idnumber UPDATE;
SELECT extversion FROM pg_extension WHERE extname = 'idnumber';
SELECT p.oid::regprocedure AS function, provolatile, proparallel, proisstrict, prorettype::regtype,
       p.proowner = e.extowner AS owned, n.nspname
FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace
JOIN pg_depend d ON d.objid = p.oid AND d.classid = 'pg_proc'::regclass
JOIN pg_extension e ON e.oid = d.refobjid AND e.extname = 'idnumber'
WHERE p.proname IN ('idn_age', 'idn_find', 'idn_redact', 'idn_redact_number') ORDER BY p.oid::regprocedure::text;
SELECT id, idn_updated.idn_age(id, '2024-02-28') AS on_feb_28, idn_updated.idn_age(id, '2024-02-29') AS on_feb_29
FROM idn_updated.people ORDER BY id;
SELECT idn_updated.idn_redact(id, date '2024-06-30', 'label') AS label FROM idn_updated.people ORDER BY id;
-- Nothing is left to update.
ALTER EXTENSION idnumber UPDATE;
DROP TABLE idn_updated.people;
DROP EXTENSION idnumber;
DROP SCHEMA idn_updated;
RESET ROLE;
REVOKE CREATE ON DATABASE contrib_regression FROM regress_idn_updater;
DROP ROLE regress_idn_updater;
