// Every field of verify and verifyMany against idtool verify --format jsonl,
// on the same 10^5 lines, with and without the history's fields; and the
// verdict counts against idtool verify --summary. IDTOOL names the program
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
    const reasons = new Set(verifyMany(lines).map((record) => record.reason));
    assert.deepEqual([...reasons].sort(), ['characters', 'check', 'date', 'length', null].sort());
    const statuses = new Set(verifyMany(lines).map((record) => record.code_status));
    for (const status of ['2009', 'in_use', 'abolished', 'unknown']) assert.ok(statuses.has(status), status);
});

for (const history of [true, false]) {
    test(`verifyMany agrees with idtool on 10^5 lines, ${history ? 'with' : 'without'} the history`,
        { skip: !existsSync(idtool) && `no ${idtool}` }, () => {
            const expected = idtoolRecords(history ? [] : ['--no-history']);
            assert.equal(expected.length, lines.length);
            const got = verifyMany(lines, { history });
            for (let i = 0; i < lines.length; ++i) {
                // Keys in idtool's order, and every value.
                assert.deepEqual(Object.keys(got[i]), Object.keys(expected[i]), `line ${i + 1}`);
                assert.deepEqual(got[i], expected[i], `line ${i + 1}: ${JSON.stringify(lines[i])}`);
            }
            // The verdict alone says the same.
            if (!history) {
                const codes = verdictCodes(lines);
                for (let i = 0; i < lines.length; ++i) assert.equal(REASONS[codes[i]], expected[i].reason, `line ${i + 1}`);
            }
            // One at a time gives the same records as the batch.
            for (let i = 0; i < lines.length; i += 97) assert.deepEqual(verify(lines[i], { history }), expected[i]);
        });
}
