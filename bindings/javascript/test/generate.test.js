// generate and generator: the library's refusals in this package's words
// for its options, whole numbers beyond 32 bits as Numbers and BigInts,
// sex words as the library reads them, and numbers made when read.
import { test } from 'node:test';
import assert from 'node:assert/strict';

import * as idn from '../index.js';

const base = { region: '110105', birth: '19900101', seed: 1 };
// The library's words for a year limit's range, as its message of 10000 says them.
const yearLimitRange = (value) => refusalOf({ yearLimit: 10000 }).replace(/10000$/, String(value));
function refusalOf(options) {
    try {
        idn.generate({ ...base, ...options });
    } catch (error) {
        return error.message;
    }
    throw new Error('no refusal');
}

// Asserts that generate refuses the options with the library's status, this
// package's option name and the message.
function refused(options, code, option, message) {
    assert.throws(() => idn.generate({ ...base, ...options }), (error) => {
        assert.ok(error instanceof RangeError, String(error));
        assert.deepEqual([error.code, error.option], [code, option]);
        if (message !== undefined) assert.equal(error.message, message);
        return true;
    }, JSON.stringify(options, (key, value) => (typeof value === 'bigint' ? `${value}n` : value)));
}

// The conformance corpus (conformance.test.js) checks every refusal's
// message; these are the names this API gives the options.
test('refusals name the options as this API does: bornBetween, asOf, yearLimit', () => {
    refused({ birth: undefined }, 'IDN_ERROR_NO_BIRTH_DATE', 'birth', 'birth or bornBetween is required');
    refused({ birth: undefined, bornBetween: ['19900102', '19900101'] }, 'IDN_ERROR_RANGE_REVERSED', 'bornBetween[0]',
        'bornBetween 19900102: the first date comes after the second');
    refused({ birth: undefined, bornBetween: ['19900101', null] }, 'IDN_ERROR_RANGE_NOT_DATE', 'bornBetween[1]',
        'bornBetween needs both ends of the range');
    refused({ asOf: 1980 }, 'IDN_ERROR_AS_OF_YEAR', 'asOf', 'asOf: must be a whole number from 1981 to 2024, not 1980');
    refused({ yearLimit: 10000 }, 'IDN_ERROR_YEAR_LIMIT', 'yearLimit');
    // Types no option takes are TypeErrors.
    for (const options of [null, 'x', { ...base, region: {} }, { ...base, sex: 1 }, { ...base, count: '2' },
        { ...base, seed: {} }, { ...base, asOf: '1990' }, { ...base, bornBetween: '19900101' }, { ...base, onWarning: 1 }]) {
        assert.throws(() => idn.generate(options), TypeError, JSON.stringify(options));
    }
});

test('a year no int32_t holds is refused, never wrapped', () => {
    // 2^32 + 1990 was once taken as 1990.
    refused({ region: '330124', asOf: 2 ** 32 + 1990 }, 'IDN_ERROR_AS_OF_YEAR', 'asOf',
        'asOf: must be a whole number from 1981 to 2024, not 4294969286');
    refused({ asOf: -(2 ** 32) + 1990 }, 'IDN_ERROR_AS_OF_YEAR', 'asOf');
    refused({ asOf: 1990.5 }, 'IDN_ERROR_AS_OF_YEAR', 'asOf', 'asOf: must be a whole number from 1981 to 2024, not 1990.5');
    refused({ yearLimit: 2 ** 32 + 2019 }, 'IDN_ERROR_YEAR_LIMIT', 'yearLimit',
        yearLimitRange(4294969315));
    refused({ yearLimit: NaN }, 'IDN_ERROR_YEAR_LIMIT', 'yearLimit', yearLimitRange(NaN));
});

test('counts: 1 when missing, up to 2^63 - 1 as a Number or a BigInt', () => {
    assert.equal(idn.generate(base).length, 1);
    assert.equal(idn.generate({ ...base, count: null }).length, 1);
    assert.deepEqual(idn.generate({ ...base, count: 5n }), idn.generate({ ...base, count: 5 }));
    const countRange = (value) => `count: must be a whole number from 1 to 9223372036854775807, not ${value}`;
    refused({ count: 0 }, 'IDN_ERROR_COUNT_RANGE', 'count', countRange(0));
    refused({ count: -5n }, 'IDN_ERROR_COUNT_RANGE', 'count', countRange(-5));
    refused({ count: 1.5 }, 'IDN_ERROR_COUNT_RANGE', 'count', countRange(1.5));
    refused({ count: 2n ** 63n }, 'IDN_ERROR_COUNT_RANGE', 'count', countRange('9223372036854775808'));
    refused({ count: 2 ** 64 }, 'IDN_ERROR_COUNT_RANGE', 'count', countRange('18446744073709551616'));
    // Beyond 32 bits the options' candidates decide (2^32 - 1 was once the
    // package's own limit).
    const range = { bornBetween: ['18000101', '20201231'], birth: undefined };
    const exceeds = (count) => `count ${count} is more than the 80638281 distinct numbers that this region, range of birth dates and sex can give`;
    refused({ ...range, count: 2 ** 32 }, 'IDN_ERROR_COUNT_EXCEEDS_CANDIDATES', 'count', exceeds(4294967296));
    refused({ ...range, count: 2 ** 53 - 1 }, 'IDN_ERROR_COUNT_EXCEEDS_CANDIDATES', 'count', exceeds(9007199254740991));
    refused({ ...range, count: 2n ** 63n - 1n }, 'IDN_ERROR_COUNT_EXCEEDS_CANDIDATES', 'count', exceeds('9223372036854775807'));
    // A Number beyond 2^53 - 1 may not be the integer written: a BigInt says it.
    assert.throws(() => idn.generate({ ...base, ...range, count: 2 ** 60 }), /give it as a BigInt/);
});

test('seeds: 0 to 2^64 - 1 as a Number, a BigInt or digits, the same numbers', () => {
    const numbers = idn.generate({ ...base, count: 3, seed: 7 });
    assert.deepEqual(idn.generate({ ...base, count: 3, seed: 7n }), numbers);
    assert.deepEqual(idn.generate({ ...base, count: 3, seed: '7' }), numbers);
    assert.deepEqual(idn.generate({ ...base, count: 2, seed: 2n ** 64n - 1n }), ['110105199001013123', '110105199001011486']);
    assert.deepEqual(idn.generate({ ...base, count: 2, seed: '18446744073709551615' }), ['110105199001013123', '110105199001011486']);
    const seedRange = (value) => `seed: must be a whole number from 0 to 18446744073709551615, not ${value}`;
    refused({ seed: -1 }, 'IDN_ERROR_SEED_RANGE', 'seed', seedRange(-1));
    refused({ seed: '-1' }, 'IDN_ERROR_SEED_RANGE', 'seed', seedRange(-1));
    refused({ seed: 2n ** 64n }, 'IDN_ERROR_SEED_RANGE', 'seed', seedRange('18446744073709551616'));
    refused({ seed: 0.5 }, 'IDN_ERROR_SEED_RANGE', 'seed', seedRange(0.5));
    refused({ seed: '7 ' }, 'IDN_ERROR_SEED_RANGE', 'seed', seedRange('7 '));
    assert.throws(() => idn.generate({ ...base, seed: 2 ** 60 }), /give it as a BigInt/);
    // Without a seed, the system's: two runs differ (999 candidates, 20 numbers).
    const once = { ...base, count: 20, seed: undefined };
    assert.notDeepEqual(idn.generate(once), idn.generate(once));
});

test('sex words as the library reads them: an object\'s keys are no words', () => {
    const male = idn.generate({ ...base, count: 10, sex: '男' });
    assert.ok(idn.verifyMany(male).sexCodes.every((sex) => sex === 1));
    assert.equal(idn.verify(male[0]).sex, '男');
    assert.deepEqual(idn.generate({ ...base, count: 10, sex: null }), idn.generate({ ...base, count: 10 }));
    // These were once taken as "any": the options' words were an object's keys.
    for (const word of ['toString', 'constructor', '__proto__', 'hasOwnProperty', 'valueOf']) {
        refused({ sex: word }, 'IDN_ERROR_BAD_SEX', 'sex', `sex: must be 男, 女, male, female or any, not ${word}`);
    }
});

test('the warning of a birth date no calendar has, and onWarning calling generate', () => {
    const options = { ...base, birth: '20230231', count: 2, seed: 9 };
    const expected = ['110105202302315445', '110105202302317643'];
    const warnings = [];
    assert.deepEqual(idn.generate({ ...options, onWarning: (message) => warnings.push(message) }), expected);
    assert.deepEqual(warnings, ['20230231 is not a real calendar date; the numbers carry it as given']);
    assert.equal(idn.generator(options).warning, warnings[0]);
    assert.equal(idn.generator(base).warning, null);
    // A generate inside onWarning once left its own numbers in the outer
    // call's result; each call now owns its generator.
    let inner;
    const outer = idn.generate({
        ...options,
        onWarning: () => { inner = idn.generate({ region: '140302', birth: '19800101', count: 50, seed: 1 }); },
    });
    assert.deepEqual(outer, expected);
    assert.equal(inner.length, 50);
    assert.ok(inner.every((number) => number.startsWith('140302')));
});

test('generator: numbers made when read, the same as generate\'s, for counts no array holds', () => {
    const options = { region: '140302', bornBetween: ['19800101', '19891231'], count: 10000, seed: 4 };
    const numbers = idn.generate(options);
    const made = idn.generator(options);
    assert.ok(made instanceof idn.Generated);
    assert.equal(made.count, 10000);
    assert.deepEqual([...made], numbers);   // across the blocks of 4096
    assert.deepEqual(made.toArray(), numbers);
    assert.equal(made.at(9999), numbers[9999]);
    assert.equal(made.at(9999n), numbers[9999]);
    assert.equal(made.at(10000), undefined);
    assert.equal(made.at(-1), undefined);
    assert.equal(new Set(numbers).size, 10000);

    // Two thousand million numbers: read a few, anywhere.
    const many = idn.generator({ region: '110105', bornBetween: ['00010101', '99991231'], yearLimit: 9999, count: 2n ** 31n, seed: 3 });
    assert.equal(many.count, 2 ** 31);
    const first = [];
    for (const number of many) {
        first.push(number);
        if (first.length === 3) break;
    }
    assert.deepEqual(first, [many.at(0), many.at(1), many.at(2)]);
    assert.match(many.at(2 ** 31 - 1), /^110105\d{11}[\dX]$/);
    assert.equal(idn.verifyMany(first.concat(many.at(2 ** 31 - 1)), { yearLimit: 9999 }).reasonCodes.join(''), '0000');

    // A generation read between the numbers of another changes none of them.
    const mixed = [];
    for (const number of idn.generator(options)) {
        mixed.push(number);
        if (mixed.length % 1000 === 0) idn.generate({ region: '110105', birth: '19491001', count: 999, seed: 5 });
    }
    assert.deepEqual(mixed, numbers);
});
