-- idn_find, idn_redact and idn_redact_number: rows of
-- matches, each way of redaction, options by position and by name, NULLs,
-- texts longer than the pieces redaction works by, options that change from
-- row to row, every refusal with its SQLSTATE and DETAIL, and where each form
-- may stand in a schema. The conformance corpus (conformance.py) runs
-- find.json and redact.json besides.
CREATE EXTENSION idnumber;
SET datestyle = ISO;
\set key '\'\\x000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f\'::bytea'

-- The forms with as_of read only their arguments: IMMUTABLE; the others read
-- current_date: STABLE. All are PARALLEL SAFE and take NULLs themselves.
SELECT p.oid::regprocedure AS function, provolatile, proparallel, proisstrict, proretset, prorows
FROM pg_proc p WHERE proname IN ('idn_find', 'idn_redact', 'idn_redact_number') ORDER BY p.oid::regprocedure::text;

-- One row per match, in the order of the text; a low one has no verdict's fields.
SELECT * FROM idn_find(E'身份证 11010519491231002X\n２ １１０１０５－１９８００１０１－０１８ｘ 110105194912310021 x',
                       date '2024-06-30', 'low');
-- start and length are what substr takes, in characters.
SELECT substr(t, start, length) AS found, number, line_number, column_number
FROM (VALUES (E'𠀀 证件号码 11010519491231002X\n２ １１０１０５－１９８００１０１－０１８ｘ。')) AS v(t),
     idn_find(t, date '2024-06-30');
-- 15-digit numbers when asked, and as_of: no birth after it.
SELECT number, form FROM idn_find('old 110105491231002 new 11010520240701001' || idn_expected_check('11010520240701001'),
                                  date '2024-06-30', fifteen_digits => true);
SELECT count(*) FROM idn_find('11010520240701001' || idn_expected_check('11010520240701001'), date '2024-07-01');
SELECT count(*) AS today FROM idn_find('11010520240701001' || idn_expected_check('11010520240701001'));
-- In the select list too.
SELECT (idn_find('a 11010519491231002X b 11010519800101018X', date '2024-06-30')).number;

-- Each way of redaction, and the options by name.
SELECT idn_redact(t, date '2024-06-30') AS mask, idn_redact(t, date '2024-06-30', 'label') AS label,
       idn_redact(t, date '2024-06-30', 'token', :key) AS token,
       idn_redact(t, date '2024-06-30', 'pseudonym', :key) AS pseudonym
FROM (VALUES ('客户 11010519491231002X 已登记')) AS v(t);
SELECT idn_redact(t, mask_first => 3, mask_last => 1) AS mask,
       idn_redact(t, redaction => 'label', label => '<ID>') AS label,
       idn_redact(t, 'token', :key, token_alphabet => 'base32', token_length => 20) AS token,
       idn_redact(t, 'PSEUDONYM', :key, keep => '{}') AS pseudonym_keeping_nothing,
       idn_redact(t, 'pseudonym', :key, keep => '{region, sex}') AS pseudonym_keeping_region_and_sex
FROM (VALUES ('11010519491231002X')) AS v(t);
-- Only what is asked for: high needs a keyword, low takes mistyped numbers.
SELECT idn_redact(t, min_confidence => 'high') AS high, idn_redact(t, min_confidence => 'low') AS low
FROM (VALUES ('11010519491231002X 身份证 11010519800101018X 110105194912310021')) AS v(t);
-- One number alone: NULL for anything else.
SELECT idn_redact_number('11010519491231002X', 'token', :key) AS token,
       idn_redact_number('１１０１０５１９４９１２３１００２Ｘ') AS mask,
       idn_redact_number('11010519491231002X ') AS not_alone, idn_redact_number('110105194912310021') AS invalid,
       idn_redact_number('110105194912310021', min_confidence => 'low') AS mistyped;
-- The same number gives the same token in any form, in text and alone.
SELECT count(DISTINCT token) AS tokens FROM (VALUES
    (idn_redact('11010519491231002X', 'token', :key)), (idn_redact('110105 19491231 002x', 'token', :key)),
    (idn_redact('１１０１０５１９４９１２３１００２Ｘ', 'token', :key)),
    (idn_redact_number('11010519491231002X', 'token', :key))) AS v(token);
-- NULL input gives NULL (no rows); a NULL option is its default.
SELECT idn_redact(NULL) IS NULL AS redact, idn_redact_number(NULL, date '2024-06-30') IS NULL AS number,
       (SELECT count(*) FROM idn_find(NULL)) AS found, idn_redact('11010519491231002X', redaction => NULL, mask_first => 3) AS mask;

-- A text longer than the pieces of 64 KiB redaction works by: numbers
-- across their ends are replaced once, every other character kept.
SELECT idn_redact(t) = replace(t, '11010519491231002X', '110105********002X') AS same, length(t),
       (SELECT count(*) FROM idn_find(t)) AS found
FROM (SELECT string_agg(repeat('序', n) || ' 11010519491231002X ', '') AS t
      FROM (VALUES (21842), (21845), (21843), (32000)) AS v(n)) AS s;

-- Options that change from row to row: each row gets what it would alone.
CREATE TABLE notes (id int, note text, way text, key bytea, first int);
INSERT INTO notes SELECT i, format('%s 11010519491231002X', i), (ARRAY['token', 'mask', 'label', 'token'])[i % 4 + 1],
                         CASE WHEN i % 4 = 3 THEN :key ELSE :key || '\x21'::bytea END, i % 3
FROM generate_series(1, 12) AS i;
SELECT n.id, idn_redact(n.note, n.way, CASE WHEN n.way = 'token' THEN n.key END, mask_first => n.first) AS redacted
FROM notes AS n ORDER BY n.id;
-- Each row alone: a statement of its own, planned afresh by EXECUTE.
CREATE FUNCTION pg_temp.redact_alone(note text, way text, key bytea, first int) RETURNS text LANGUAGE plpgsql AS $$
DECLARE
    result text;
BEGIN
    EXECUTE 'SELECT idn_redact($1, $2, $3, mask_first => $4)' INTO result USING note, way, key, first;
    RETURN result;
END
$$;
SELECT count(*) FILTER (WHERE idn_redact(n.note, n.way, k, mask_first => n.first) =
                              pg_temp.redact_alone(n.note, n.way, k, n.first)) AS as_alone, count(*) AS rows
FROM notes AS n, LATERAL (SELECT CASE WHEN n.way = 'token' THEN n.key END AS k) AS w;
SELECT n.id, f.number, f.confidence FROM notes AS n,
     idn_find(n.note || ' 110105194912310021', date '2024-06-30', CASE WHEN n.id % 2 = 0 THEN 'low' END) AS f
WHERE n.id <= 4 ORDER BY n.id, f.start;

-- Refusals: the library's messages in these names, the words here; the
-- status name in DETAIL. No message echoes a key.
\set VERBOSITY default
SELECT idn_redact('x', 'tokens');
SELECT idn_redact('x', '2024-06-30');
SELECT idn_redact('x', 'token');
SELECT idn_redact('x', 'pseudonym', 'a secret, short'::bytea);
SELECT idn_redact('x', mask_first => 10, mask_last => 8);
SELECT idn_redact('x', 'label', label => repeat('长', 22));
SELECT idn_redact('x', 'token', :key, token_alphabet => 'base64');
SELECT idn_redact('x', 'token', :key, token_length => 53, token_alphabet => 'base32');
SELECT idn_redact('x', 'pseudonym', :key, keep => '{region, year}');
SELECT idn_redact('x', 'pseudonym', :key, keep => '{region, NULL}');
SELECT idn_redact('x', date 'infinity');
SELECT idn_redact('x', date '10000-01-01');
SELECT * FROM idn_find('x', min_confidence => 'none');
SELECT idn_redact_number('x', 'tokens');
SELECT idn_redact('x', 'token', 'an untyped literal key');
\set VERBOSITY terse

-- In a schema: the IMMUTABLE forms in a generated column and an index; the
-- STABLE ones are refused there.
CREATE TABLE customers (
    id_number text,
    note text,
    note_masked text GENERATED ALWAYS AS (idn_redact(note, date '2024-06-30')) STORED
);
CREATE INDEX customers_token ON customers (idn_redact_number(id_number, date '2024-06-30', 'token', :key));
INSERT INTO customers (id_number, note) VALUES ('11010519491231002X', 'call 11010519800101018X back');
SELECT id_number, note_masked FROM customers
WHERE idn_redact_number(id_number, date '2024-06-30', 'token', :key) = idn_redact_number('11010519491231002X', date '2024-06-30', 'token', :key);
CREATE INDEX customers_today ON customers (idn_redact(note));
DROP TABLE customers;
DROP TABLE notes;
DROP EXTENSION idnumber;
