// Every field of verify and verifyMany against idtool verify --format jsonl,
// on the same 10^5 lines, with and without the history's fields: every
// record verifyMany's result gives (by iteration, by index and as an
// array), its columns, and verdictCodes. IDTOOL names the program
// (default: the release build, build/release/idtool).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

import { REASONS, regions, verdictCodes, verify, verifyMany } from '../index.js';
import { testLines } from './lines.js';

const idtool = process.env.IDTOOL ?? fileURLToPath(new URL('../../../build/release/idtool', import.meta.url));
const countyCodes = regions('').filter((r) => r.level === 'county').map((r) => String(r.code));
const lines = testLines(100000, 20240601, countyCodes);

function idtoolRecords(options) {
    const folder = mkdtempSync(join(tmpdir(), 'idnumber-agreement-'));
    try {
        const file = join(folder, 'lines.txt');
        writeFileSync(file, lines.join('\n') + '\n');
        let output;
        try {
            output = execFileSync(idtool, ['verify', '--format', 'jsonl', ...options, file],
                { maxBuffer: 1 << 30, encoding: 'utf8' });
        } catch (error) {
            if (error.status !== 1) throw error;  // 1: some line is invalid
            output = error.stdout;
        }
        return output.split('\n').filter((line) => line !== '').map((line) => {
            const record = JSON.parse(line);
            delete record.line;
            return record;
        });
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
}

test('the lines hold every verdict', { skip: !existsSync(idtool) && `no ${idtool}` }, () => {
    const records = verifyMany(lines).toArray();
    const reasons = new Set(records.map((record) => record.reason));
    assert.deepEqual([...reasons].sort(), ['characters', 'check', 'date', 'length', null].sort());
    const statuses = new Set(records.map((record) => record.code_status));
    for (const status of ['2009', 'in_use', 'abolished', 'unknown']) assert.ok(statuses.has(status), status);
});

for (const history of [true, false]) {
    test(`verifyMany agrees with idtool on 10^5 lines, ${history ? 'with' : 'without'} the history`,
        { skip: !existsSync(idtool) && `no ${idtool}` }, () => {
            const expected = idtoolRecords(history ? [] : ['--no-history']);
            assert.equal(expected.length, lines.length);
            const got = verifyMany(lines, { history });
            assert.equal(got.length, lines.length);
            // Every record as iteration reads it: keys in idtool's order,
            // and every value.
            let i = 0;
            for (const record of got) {
                assert.deepEqual(Object.keys(record), Object.keys(expected[i]), `line ${i + 1}`);
                assert.deepEqual(record, expected[i], `line ${i + 1}: ${JSON.stringify(lines[i])}`);
                ++i;
            }
            assert.equal(i, lines.length);
            // The columns say what the records say.
            for (let k = 0; k < lines.length; ++k) {
                const record = expected[k];
                const where = `line ${k + 1}: ${JSON.stringify(lines[k])}`;
                assert.equal(REASONS[got.reasonCodes[k]], record.reason, where);
                assert.equal(got.expectedChecks[k] === 0 ? null : String.fromCharCode(got.expectedChecks[k]),
                    record.expected_check, where);
                assert.equal(got.sexCodes[k], record.sex === null ? 0 : record.sex === '男' ? 1 : 2, where);
                assert.equal(got.birthDates[k], record.valid ? Number(record.birth_date) : 0, where);
                assert.equal(got.regionCodes[k], record.valid ? Number(record.input.slice(0, 6)) : 0, where);
            }
            // Read by index, in any order, and as an array: the same records.
            for (let k = lines.length - 1; k >= 0; k -= 89) assert.deepEqual(got.at(k), expected[k], `line ${k + 1}`);
            assert.deepEqual(got.at(-1), expected[lines.length - 1]);
            const array = got.toArray();
            for (let k = 0; k < lines.length; k += 53) assert.deepEqual(array[k], expected[k], `line ${k + 1}`);
            // The lines that are ASCII and at most 64 long, by themselves:
            // whole groups of them are copied into memory by the join
            // path, where the mix above mostly takes the path a text at a
            // time.
            const plain = [];
            for (let k = 0; k < lines.length; ++k) if (/^[\x00-\x7f]{0,64}$/.test(lines[k])) plain.push(k);
            assert.ok(plain.length > lines.length / 2);
            const plainGot = verifyMany(plain.map((k) => lines[k]), { history });
            let p = 0;
            for (const record of plainGot) {
                assert.deepEqual(record, expected[plain[p]], `line ${plain[p] + 1}`);
                ++p;
            }
            // The verdict alone says the same.
            if (!history) {
                const codes = verdictCodes(lines);
                for (let k = 0; k < lines.length; ++k) assert.equal(codes[k], got.reasonCodes[k], `line ${k + 1}`);
            }
            // One at a time gives the same records as the batch.
            for (let k = 0; k < lines.length; k += 97) assert.deepEqual(verify(lines[k], { history }), expected[k]);
        });
}
