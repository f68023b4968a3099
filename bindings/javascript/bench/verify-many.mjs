// Times verifyMany against the npm packages idcard and id-validator in one
// Node process, on the same lines: node verify-many.mjs FILE PEERS_FOLDER
// [ROUNDS]. Each package's function runs over every line (idcard's verify
// and id-validator's isValid answer a boolean, where verifyMany makes a whole
// record of idtool's fields per line). Prints one row per contender: the
// median wall time of the rounds and the median CPU time of the process
// (which counts the garbage collector's helper threads too).
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';

import { verdictCodes, verifyMany } from '../index.js';

const [file, peersFolder, roundsText = '5'] = process.argv.slice(2);
const rounds = Number(roundsText);
const lines = readFileSync(file, 'utf8').split('\n');
if (lines[lines.length - 1] === '') lines.pop();

const require = createRequire(join(peersFolder, 'package.json'));
const idcard = require('idcard');
const IDValidator = require('id-validator');
const GB2260 = require('id-validator/src/GB2260');
const validator = new IDValidator(GB2260);

// The floor of any function that returns a record per line: the records of
// verifyMany's shape made with nothing in them worth computing.
function bareRecords() {
    const records = [];
    for (const input of lines) {
        records.push({
            input, valid: false, reason: null, message: null, expected_check: null, birth_date: null, sex: null,
            province: null, city: null, county: null, code_status: null, history: null, successors: null, now: null,
            in_use_at_birth: null,
        });
    }
    return records.length;
}

const contenders = [
    ['idnumber verifyMany, every field (history included)', () => verifyMany(lines).length],
    ['idnumber verifyMany, without the history fields', () => verifyMany(lines, { history: false }).length],
    ['idnumber verdictCodes, the verdict alone', () => verdictCodes(lines).filter((code) => code === 0).length],
    ['idcard 4.2.0 verify', () => lines.filter((line) => idcard.verify(line)).length],
    ['id-validator 1.3.0 isValid', () => lines.filter((line) => validator.isValid(line)).length],
    ['(floor) an array of empty 15-key records, one per line', bareRecords],
];

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
console.log(`${lines.length} lines; median of ${rounds} rounds; Node ${process.version}`);
console.log('| What | Time | ns per line | CPU time of the process | CPU ns per line |');
console.log('|---|---|---|---|---|');
const results = {};
for (const [name, run] of contenders) {
    const times = [];
    const cpuTimes = [];
    for (let round = 0; round < rounds; ++round) {
        const cpu = process.cpuUsage();
        const start = process.hrtime.bigint();
        run();
        times.push(Number(process.hrtime.bigint() - start) / 1e6);
        const used = process.cpuUsage(cpu);
        cpuTimes.push((used.user + used.system) / 1000);
    }
    results[name] = median(times);
    const cpu = median(cpuTimes);
    console.log(`| ${name} | ${results[name].toFixed(0)} ms | ${(results[name] * 1e6 / lines.length).toFixed(0)} | ` +
        `${cpu.toFixed(0)} ms | ${(cpu * 1e6 / lines.length).toFixed(0)} |`);
}
const ours = results[contenders[0][0]];
const fasterPeer = Math.min(results[contenders[3][0]], results[contenders[4][0]]);
console.log(`verifyMany (every field) is ${(fasterPeer / ours).toFixed(1)}x as fast as the faster peer; ` +
    `verdictCodes ${(fasterPeer / results[contenders[2][0]]).toFixed(1)}x`);
