// Calls made while a call runs the caller's code (an array item's getter,
// an iterator, an option's getter, onWarning, the body of a loop over a
// result) share the module's memory with it: none may change what the other
// answers.
import { test } from 'node:test';
import assert from 'node:assert/strict';

import * as idn from '../index.js';
import { checkCharacter } from './lines.js';

const valid = (first17) => first17 + checkCharacter(first17);
// A mix that takes every way into memory: ASCII groups, texts beyond ASCII,
// texts over 64 units, bytes.
const texts = Array.from({ length: 40000 }, (_, i) => {
    switch (i % 7) {
    case 0: return valid(`1101051949${String(1001 + (i % 900)).padStart(4, '0')}${String(i % 1000).padStart(3, '0')}`);
    case 1: return '11010519491231002x';
    case 2: return '１１０１０５１９４９１２３１００２Ｘ';
    case 3: return '1'.repeat(70 + (i % 30));
    case 4: return new TextEncoder().encode(valid('14030219900101001'));
    case 5: return '\uFEFF' + valid('14030219900101001');
    default: return String(i);
    }
});
const expected = idn.verifyMany(texts).toArray();
const expectedCodes = idn.verdictCodes(texts);

// Another verification, big enough to grow the memory and to write over
// every area a chunk uses.
const interfere = () => idn.verifyMany(texts.slice(0, 20000).reverse()).at(3);

function withGetters(at, during) {
    const tricky = [...texts];
    for (const index of at) {
        Object.defineProperty(tricky, index, { get() { during(); return texts[index]; } });
    }
    return tricky;
}

test('verifyMany over an array whose getters verify', () => {
    // In the first group, in a later group, past the first chunk, the last.
    const at = [3, 5000, 16384 + 7, 39999];
    assert.deepEqual(idn.verifyMany(withGetters(at, () => idn.verify('140302199001010018'))).toArray(), expected);
    assert.deepEqual(idn.verifyMany(withGetters(at, interfere)).toArray(), expected);
    assert.deepEqual(idn.verifyMany(withGetters(at, interfere), { history: false }).toArray(),
        idn.verifyMany(texts, { history: false }).toArray());
    assert.deepEqual(idn.verdictCodes(withGetters(at, interfere)), expectedCodes);
    assert.deepEqual(idn.verdictCodes(withGetters(at, () => idn.mask('1'.repeat(3 << 20)))), expectedCodes);
});

test('verifyMany over an iterator that verifies between its items', () => {
    function* items() {
        for (let i = 0; i < texts.length; ++i) {
            if (i % 9999 === 0) interfere();
            yield texts[i];
        }
    }
    assert.deepEqual(idn.verifyMany(items()).toArray(), expected);
    assert.deepEqual(idn.verdictCodes(items()), expectedCodes);
});

test('options whose getters verify and generate', () => {
    const options = {
        get yearLimit() { interfere(); return 2024; },
        get history() { idn.generate({ region: '110105', birth: '19491001', count: 999, seed: 1 }); return true; },
    };
    assert.deepEqual(idn.verifyMany(texts, options).toArray(), idn.verifyMany(texts, { yearLimit: 2024 }).toArray());
    const generateOptions = {
        region: '140302',
        get birth() { interfere(); return '19900101'; },
        get seed() { idn.generate({ region: '110105', birth: '19491001', count: 999, seed: 1 }); return 3; },
        count: 5,
    };
    assert.deepEqual(idn.generate(generateOptions), idn.generate({ region: '140302', birth: '19900101', seed: 3, count: 5 }));
});

test('reading records while other calls run between them', () => {
    const result = idn.verifyMany(texts);
    let i = 0;
    for (const record of result) {
        assert.deepEqual(record, expected[i], `text ${i}`);
        if (i % 5000 === 0) {
            interfere();
            idn.generate({ region: '110105', birth: '19491001', count: 10, seed: i });
        }
        ++i;
    }
    assert.equal(i, texts.length);
    const index = { valueOf() { interfere(); return 40; } };
    assert.deepEqual(result.at(index), expected[40]);
});
