// Times verifyMany against the npm packages idcard and id-validator in one
// Node process, on the same lines: node --expose-gc verify-many.mjs FILE
// PEERS_FOLDER [ROUNDS]. With BASELINE set to the folder of another build
// of this package (its index.js and idnumber.wasm), that build is timed in
// the same rounds, for a before and after. Each peer's function runs over
// every line (idcard's verify and id-validator's isValid answer a boolean).
// verifyMany is timed alone (its Verdicts: the columns filled, each record
// made when read), and in the ways a program reads its records: a for-of
// loop reading valid and reason, or every field; toArray(); Array.from.
//
// The rounds take the contenders in turn (so a change of load on the machine
// falls on all of them; each round starting one further on), each after a
// full garbage collection and a pause, after untimed rounds. Prints one row
// per contender: the median wall time of the rounds and the median CPU time
// of the process (which counts the garbage collector's helper threads too),
// and the ratios to the faster peer of the ways of reading records.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { PerformanceObserver, performance } from 'node:perf_hooks';

import { verdictCodes, verifyMany } from '../index.js';
import { wasiImports } from '../wasi.js';

const baseline = process.env.BASELINE ? await import(join(process.env.BASELINE, 'index.js')) : null;

const [file, peersFolder, roundsText = '11'] = process.argv.slice(2);
const rounds = Number(roundsText);
if (typeof globalThis.gc !== 'function') throw new Error('run with node --expose-gc');
// The file's lines, split again before each timed run: every contender gets
// strings as a program that has just read the file has them. (id-validator
// leaves every line it was given internalized, a ThinString pointing into
// V8's string table, which is slower for whoever reads them next.)
const fileText = readFileSync(file, 'utf8');
function readLines() {
    const split = fileText.split('\n');
    if (split[split.length - 1] === '') split.pop();
    return split;
}
let lines = readLines();

const require = createRequire(join(peersFolder, 'package.json'));
const idcard = require('idcard');
const IDValidator = require('id-validator');
const GB2260 = require('id-validator/src/GB2260');
const validator = new IDValidator(GB2260);

// The floor of the WebAssembly: idn_verify_columns over the lines' bytes,
// already in memory (a module of its own, loaded here), a chunk of 16384 at
// a time, as verifyMany calls it.
const module = await (async () => {
    let memory;
    const { instance } = await WebAssembly.instantiate(readFileSync(new URL('../idnumber.wasm', import.meta.url)),
        wasiImports(() => memory, globalThis.crypto ?? (await import('node:crypto')).webcrypto));
    memory = instance.exports.memory;
    const chunk = 16384;
    const encoded = [];
    let largest = 0;
    for (let first = 0; first < lines.length; first += chunk) {
        const bytes = Buffer.from(lines.slice(first, first + chunk).join(''), 'utf8');
        const ends = new Uint32Array(Math.min(chunk, lines.length - first));
        let end = 0;
        for (let i = 0; i < ends.length; ++i) ends[i] = end += Buffer.byteLength(lines[first + i]);
        encoded.push({ bytes, ends });
        largest = Math.max(largest, bytes.length);
    }
    const base = Math.ceil(instance.exports.__heap_base.value / 16) * 16;
    const ends = base;
    const columns = ends + chunk * 4;
    const packed = columns + chunk * 11;
    memory.grow(Math.ceil((packed + largest - memory.buffer.byteLength) / 65536) + 1);
    const year = new Date().getFullYear();
    return {
        // Copies one chunk in (a memcpy, untimed work in a real call), then verifies it.
        verifyAll() {
            const view = new Uint8Array(memory.buffer);
            let valid = 0;
            for (const part of encoded) {
                view.set(part.bytes, packed);
                new Uint32Array(memory.buffer, ends, part.ends.length).set(part.ends);
                const n = part.ends.length;
                instance.exports.idn_verify_columns(packed, ends, n, year, columns, columns + n, columns + 2 * n,
                    columns + 4 * n, columns + 8 * n);
                valid += n;
            }
            return valid;
        },
    };
})();

// The ways a program reads the records of verifyMany(lines), each the whole
// use, the verification included: a for-of loop reading each record's valid
// and reason, or every field; toArray(); Array.from. Each package timed gets
// its own copies of these functions (made by new Function), so that V8's
// feedback in one never holds the other's records and iterators.
const readerSources = {
    validAndReason: `const counts = { valid: 0, length: 0, characters: 0, check: 0, date: 0 };
        for (const r of verifyMany(lines, options)) {
            if (r.valid) ++counts.valid;
            else ++counts[r.reason];
        }
        return counts.valid;`,
    everyField: `let seen = 0;
        for (const r of verifyMany(lines)) {
            if (r.input !== null && r.valid !== null && r.reason !== undefined && r.message !== undefined &&
                r.expected_check !== undefined && r.hint !== undefined && r.upgraded !== undefined && r.kind !== undefined &&
                r.nationality !== undefined && r.birth_date !== undefined && r.sex !== undefined &&
                r.province !== undefined && r.city !== undefined && r.county !== undefined &&
                r.code_status !== undefined && r.history !== undefined && r.successors !== undefined &&
                r.now !== undefined && r.in_use_at_birth !== undefined) ++seen;
        }
        return seen;`,
    toArray: 'return verifyMany(lines).toArray().length;',
    arrayFrom: 'return Array.from(verifyMany(lines)).length;',
};
const readersOf = (verify) => Object.fromEntries(Object.entries(readerSources).map(([name, body]) => {
    // eslint-disable-next-line no-new-func
    const read = new Function('verifyMany', 'lines', 'options', body);
    return [name, (options) => read(verify, lines, options)];
}));
const ours = readersOf(verifyMany);

// The rows whose ratios to the faster peer the last line gives, by name.
const GOALS = {
    validAndReason: 'reading every record (valid and reason)',
    everyField: 'reading every field',
    toArray: 'toArray()',
    arrayFrom: 'Array.from',
};
const contenders = [
    ['idnumber verifyMany (the columns filled, records made when read)', () => verifyMany(lines).length],
    ['idnumber verifyMany, without the history fields', () => verifyMany(lines, { history: false }).length],
    ['idnumber verdictCodes, the verdict alone', () => verdictCodes(lines).length],
    ['idcard 4.2.0 verify', () => lines.filter((line) => idcard.verify(line)).length],
    ['id-validator 1.3.0 isValid', () => lines.filter((line) => validator.isValid(line)).length],
    ['for (const r of verifyMany(lines)), reading r.valid and r.reason', () => ours.validAndReason(), 'validAndReason'],
    ['the same, without the history fields', () => ours.validAndReason({ history: false })],
    ['for (const r of verifyMany(lines)), reading every field of r', () => ours.everyField(), 'everyField'],
    ['verifyMany(lines).toArray()', () => ours.toArray(), 'toArray'],
    ['Array.from(verifyMany(lines))', () => ours.arrayFrom(), 'arrayFrom'],
    ['(floor) idn_verify_columns alone, the bytes already in memory', () => module.verifyAll()],
    ['(floor) an array of empty 19-key records, one per line', bareRecords],
];
if (baseline !== null) {
    const theirs = readersOf(baseline.verifyMany);
    contenders.push(
        [`baseline (${process.env.BASELINE}) verifyMany`, () => baseline.verifyMany(lines).length],
        [`baseline: for-of reading r.valid and r.reason`, () => theirs.validAndReason()],
        [`baseline: for-of reading every field`, () => theirs.everyField()],
        [`baseline: toArray()`, () => theirs.toArray()],
        [`baseline: Array.from`, () => theirs.arrayFrom()]);
}

// What any function that returns a record object per line costs at least:
// the records of verifyMany's shape made with nothing in them worth computing.
function bareRecords() {
    const records = [];
    for (const input of lines) {
        records.push({
            input, valid: false, reason: null, message: null, expected_check: null, hint: null, upgraded: null,
            kind: null, nationality: null, birth_date: null, sex: null, province: null, city: null, county: null, code_status: null, history: null, successors: null, now: null,
            in_use_at_birth: null,
        });
    }
    return records.length;
}

// The collector's pauses, to say how much of a time they are.
const pauses = [];
new PerformanceObserver((list) => {
    for (const entry of list.getEntries()) pauses.push([entry.startTime, entry.duration]);
}).observe({ entryTypes: ['gc'] });
const pausedBetween = (start, end) => pauses.filter(([at]) => at >= start && at <= end).reduce((sum, [, d]) => sum + d, 0);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const wall = contenders.map(() => []);
const cpu = contenders.map(() => []);
const paused = contenders.map(() => []);

// Fresh lines, a full collection, then a pause in which V8's helper threads
// finish sweeping, so that no contender pays for the garbage of the one
// before.
async function settle() {
    lines = readLines();
    globalThis.gc();
    await new Promise((resolve) => setTimeout(resolve, 200));
    globalThis.gc();
    await new Promise((resolve) => setTimeout(resolve, 50));
}

// Untimed rounds first: V8's compilers settle, and so does the C library's
// allocator (a buffer of a size freed before is taken again, instead of
// fresh pages from the kernel, which on the benchmark's virtual machine
// cost some 3 ns a byte to touch).
const WARM_UP = 3;
for (let round = -WARM_UP; round < rounds; ++round) {
    // Each round starts one contender further on, so that none always
    // follows the same one (whose garbage shapes the heap it starts with).
    for (let turn = 0; turn < contenders.length; ++turn) {
        const i = (turn + round + WARM_UP) % contenders.length;
        const run = contenders[i][1];
        await settle();
        if (round < 0) {
            run();
            continue;
        }
        const usage = process.cpuUsage();
        const start = performance.now();
        run();
        const end = performance.now();
        const used = process.cpuUsage(usage);
        wall[i].push(end - start);
        cpu[i].push((used.user + used.system) / 1000);
        await new Promise((resolve) => setTimeout(resolve, 10));  // the observer hears of the pauses
        paused[i].push(pausedBetween(start, end));
        pauses.length = 0;
    }
}

console.log(`${lines.length} lines; median of ${rounds} rounds (the contenders in turn, each after a full GC and a pause; ${WARM_UP} untimed rounds first); Node ${process.version}`);
console.log('| What | Time | ns per line | CPU time of the process | CPU ns per line | GC pauses in the time |');
console.log('|---|---|---|---|---|---|');
const medians = contenders.map(([name], i) => {
    const time = median(wall[i]);
    const cpuTime = median(cpu[i]);
    console.log(`| ${name} | ${time.toFixed(0)} ms | ${(time * 1e6 / lines.length).toFixed(0)} | ` +
        `${cpuTime.toFixed(0)} ms | ${(cpuTime * 1e6 / lines.length).toFixed(0)} | ${median(paused[i]).toFixed(0)} ms |`);
    return { time, cpuTime };
});
const peer = Math.min(medians[3].time, medians[4].time);
const peerCpu = Math.min(medians[3].cpuTime, medians[4].cpuTime);
const ratio = (i) => `${(peer / medians[i].time).toFixed(1)}x (CPU ${(peerCpu / medians[i].cpuTime).toFixed(1)}x)`;
const goals = contenders.flatMap(([, , goal], i) => (goal === undefined ? [] : [`${GOALS[goal]} ${ratio(i)}`]));
console.log(`Against the faster peer (its time over ours; the goal is 3x or more): ${goals.join('; ')}`);
console.log(`Against the faster peer, the columns alone: verifyMany ${ratio(0)}, without the history ${ratio(1)}, ` +
    `verdictCodes ${ratio(2)}`);
