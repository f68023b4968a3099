// Times find and redact over many short texts (a column of rows, each a
// sentence with a number or none) called once a text, beside findMany and
// redactMany, which prepare one scanner and begin it again for each text:
// node scan-many.mjs [TEXTS] [ROUNDS]. Prints the median time of each.
import { performance } from 'node:perf_hooks';

import { find, findMany, redact, redactMany } from '../index.js';

const [countText = '100000', roundsText = '7'] = process.argv.slice(2);
const count = Number(countText);
const texts = Array.from({ length: count }, (_, i) => (i % 3 === 0 ? `客户 ${i} 未留证件` : `客户 ${i} 身份证号 11010519491231002X`));
const options = { asOf: '2024-06-30' };
const contenders = {
    'find, once a text': () => texts.map((text) => find(text, options)),
    findMany: () => findMany(texts, options),
    'redact, once a text': () => texts.map((text) => redact(text, options)),
    redactMany: () => redactMany(texts, options),
};
const times = Object.fromEntries(Object.keys(contenders).map((name) => [name, []]));
for (let round = -2; round < Number(roundsText); ++round) {
    for (const [name, run] of Object.entries(contenders)) {
        const start = performance.now();
        run();
        if (round >= 0) times[name].push(performance.now() - start);
    }
}
console.log(`${count} short texts; median of ${roundsText} rounds`);
for (const [name, list] of Object.entries(times)) {
    const median = list.sort((a, b) => a - b)[list.length >> 1];
    console.log(`| ${name} | ${median.toFixed(0)} ms | ${(median * 1e6 / count).toFixed(0)} ns a text |`);
}
