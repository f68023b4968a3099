// Times verifyMany against the npm packages idcard and id-validator in one
// Node process, on the same lines: node verify-many.mjs FILE PEERS_FOLDER
// [ROUNDS]. Each package's function runs over every line (idcard's verify,
// id-validator's isValid and getInfo: booleans and a few fields, where
// verifyMany makes a whole record of idtool's fields per line). Prints one
// row per contender: the median time of the rounds and the time per line.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';

import { verifyMany } from '../index.js';

const [file, peersFolder, roundsText = '5'] = process.argv.slice(2);
const rounds = Number(roundsText);
const lines = readFileSync(file, 'utf8').split('\n');
if (lines[lines.length - 1] === '') lines.pop();

const require = createRequire(join(peersFolder, 'package.json'));
const idcard = require('idcard');
const IDValidator = require('id-validator');
const GB2260 = require('id-validator/src/GB2260');
const validator = new IDValidator(GB2260);

const contenders = [
    ['idnumber verifyMany, every field (history included)', () => verifyMany(lines).length],
    ['idnumber verifyMany, without the history fields', () => verifyMany(lines, { history: false }).length],
    ['idcard 4.2.0 verify', () => lines.filter((line) => idcard.verify(line)).length],
    ['id-validator 1.3.0 isValid', () => lines.filter((line) => validator.isValid(line)).length],
];

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
console.log(`${lines.length} lines; median of ${rounds} rounds; Node ${process.version}`);
console.log('| What | Time | ns per line |');
console.log('|---|---|---|');
const results = {};
for (const [name, run] of contenders) {
    const times = [];
    for (let round = 0; round < rounds; ++round) {
        const start = process.hrtime.bigint();
        run();
        times.push(Number(process.hrtime.bigint() - start) / 1e6);
    }
    results[name] = median(times);
    console.log(`| ${name} | ${results[name].toFixed(0)} ms | ${(results[name] * 1e6 / lines.length).toFixed(1)} |`);
}
const ours = results[contenders[0][0]];
const fasterPeer = Math.min(results[contenders[2][0]], results[contenders[3][0]]);
console.log(`verifyMany (every field) is ${(fasterPeer / ours).toFixed(1)}x as fast as the faster peer`);
