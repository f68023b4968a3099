-- A reporting role that may read identity numbers only de-identified, as
-- docs/postgresql.md shows it: the raw column stays in a table the
-- reporting role has no right on, and a view owned by a role that has reads
-- it through idn_redact_number and idn_redact. The key of the tokens is in
-- a table of a schema the reporting role cannot use, so that no statement
-- the reporting role runs, nor the view's definition, holds it. Run by
-- pg_regress after idnumber_scan.sql.
CREATE EXTENSION idnumber;
CREATE ROLE regress_idn_clerk;
CREATE ROLE regress_idn_reporter;
CREATE SCHEMA idn_records AUTHORIZATION regress_idn_clerk;
CREATE SCHEMA idn_secrets AUTHORIZATION regress_idn_clerk;
GRANT USAGE ON SCHEMA idn_records TO regress_idn_reporter;
CREATE TABLE idn_records.customers (id int PRIMARY KEY, id_number text, note text);
INSERT INTO idn_records.customers VALUES
    (1, '11010519491231002X', 'called about 11010519800101018x, her husband'),
    (2, '440301198808081239', '证件号码 440301 19880808 1239 on file'),
    (3, '44030119880808123X', 'mistyped on the form: tokenized all the same'),
    (4, '11010519491231002x', 'the first customer again, written with x');
-- A fixed key, so that the tokens are the same on every run (the page says
-- how to make a random one).
CREATE TABLE idn_secrets.report_keys (name text PRIMARY KEY, key bytea NOT NULL);
INSERT INTO idn_secrets.report_keys VALUES ('report', decode(repeat('5a', 32), 'hex'));
CREATE VIEW idn_records.customers_report AS
SELECT c.id, idn_redact_number(c.id_number, date '2024-06-30', 'token', k.key, min_confidence => 'low') AS id_token,
       idn_redact(c.note, date '2024-06-30', min_confidence => 'low') AS note
FROM idn_records.customers AS c CROSS JOIN idn_secrets.report_keys AS k
WHERE k.name = 'report';
ALTER TABLE idn_records.customers OWNER TO regress_idn_clerk;
ALTER TABLE idn_secrets.report_keys OWNER TO regress_idn_clerk;
ALTER VIEW idn_records.customers_report OWNER TO regress_idn_clerk;
GRANT SELECT ON idn_records.customers_report TO regress_idn_reporter;
-- What the reporting role may see of the table itself: the id alone.
GRANT SELECT (id) ON idn_records.customers TO regress_idn_reporter;

SET ROLE regress_idn_reporter;
SELECT * FROM idn_records.customers_report ORDER BY id;
-- The same number gives the same token: a join on it needs no raw number.
SELECT a.id, b.id FROM idn_records.customers_report AS a JOIN idn_records.customers_report AS b
    ON a.id_token = b.id_token AND a.id < b.id;
SELECT id FROM idn_records.customers ORDER BY id;
SELECT id_number FROM idn_records.customers;
SELECT * FROM idn_records.customers;
SELECT key FROM idn_secrets.report_keys;
-- The view's definition names the key's table, never the key.
SELECT pg_get_viewdef('idn_records.customers_report'::regclass) LIKE '%report_keys%' AS names_the_table,
       pg_get_viewdef('idn_records.customers_report'::regclass) LIKE '%5a5a%' AS holds_the_key;
-- Nor may it change the view.
CREATE OR REPLACE VIEW idn_records.customers_report AS SELECT id, id_number, note FROM idn_records.customers;

RESET ROLE;
DROP SCHEMA idn_records, idn_secrets CASCADE;
DROP ROLE regress_idn_clerk, regress_idn_reporter;
DROP EXTENSION idnumber;
