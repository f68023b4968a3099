// The conformance corpus (tests/conformance) through the package's own
// functions, every section; a failure is named "javascript SECTION/ID".
// Text forms are JavaScript strings (lone surrogates kept); hex forms are
// Uint8Arrays where a function takes bytes (verify, verifyMany, mask,
// upgrade), and are skipped where it takes only strings (generate's region).
//
// The library words generate's refusals with this package's names for the
// options; the corpus holds them in its neutral names, so the expected
// messages are asked of the native library through corpus.py with these
// names (build/release/capi/libidnumber.so, or $IDNUMBER_LIBRARY).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { fileURLToPath } from 'node:url';

import * as idn from '../index.js';
import { bytesOf, isText, load, textOf } from '../../../tests/conformance/corpus.mjs';
import { checkCharacter } from './lines.js';

const root = fileURLToPath(new URL('../../../', import.meta.url));
const jsNames = {
    region: 'region', birth: 'birth', born_from: 'bornBetween', born_to: 'bornBetween', sex: 'sex',
    count: 'count', seed: 'seed', as_of_year: 'asOf', year_limit: 'yearLimit',
};
// The parameter an error's option points at: each end of the range by itself.
const jsParameters = { ...jsNames, born_from: 'bornBetween[0]', born_to: 'bornBetween[1]' };
const library = process.env.IDNUMBER_LIBRARY ?? `${root}build/release/capi/libidnumber.so`;

// {id: {status, option, message} or {numbers, warning}} of every generate
// case, the messages in this package's words.
function libraryAnswers() {
    const names = Object.entries(jsNames).map(([field, name]) => `${field}=b${JSON.stringify(name)}`).join(', ');
    const script = [
        'import json, sys',
        `sys.path.insert(0, ${JSON.stringify(`${root}tests/conformance`)})`,
        'import corpus',
        `lib = corpus.library(${JSON.stringify(library)})`,
        `names = corpus.option_names(${names})`,
        'print(json.dumps({case["id"]: lib.generate(case["options"], names) for case in corpus.load("generate")}))',
    ].join('\n');
    return JSON.parse(execFileSync(process.env.PYTHON ?? 'python3', ['-c', script], { encoding: 'utf8', maxBuffer: 1 << 26 }));
}
const answers = existsSync(library) ? libraryAnswers() : null;

// A decimal text as a Number when one holds it exactly, else a BigInt.
const whole = (text) => {
    const value = BigInt(text);
    return value >= BigInt(Number.MIN_SAFE_INTEGER) && value <= BigInt(Number.MAX_SAFE_INTEGER) ? Number(value) : value;
};

// The JavaScript error a refusal gives: its code, option and message.
function refusalOf(run) {
    try {
        run();
    } catch (error) {
        assert.ok(error instanceof RangeError, `a RangeError, not ${error}`);
        return { status: error.code, option: error.option, message: error.message };
    }
    assert.fail('no refusal');
}

// ---- verify ----------------------------------------------------------------------

const verifyCases = load('verify');
const inputOf = (form) => (isText(form) ? textOf(form) : bytesOf(form));
// What the corpus records beyond the package's record: the whole length,
// and the birth date as a calendar date (the package has no date-typed
// field; birth_date keeps the digits).
const recordOf = ({ length, birth_day, ...record }) => record;
const batches = new Map();  // by year limit: every case's input in one verifyMany
for (const item of verifyCases) {
    const key = item.year_limit ?? 0;
    if (!batches.has(key)) batches.set(key, []);
    batches.get(key).push(item);
}
const batchResults = new Map([...batches].map(([key, items]) =>
    [key, idn.verifyMany(items.map((item) => inputOf(item.input)), key === 0 ? undefined : { yearLimit: key })]));

for (const item of verifyCases) {
    test(`javascript verify/${item.id}`, () => {
        const options = item.year_limit === undefined ? undefined : { yearLimit: item.year_limit };
        const expected = recordOf(item.expect);
        assert.deepEqual(idn.verify(inputOf(item.input), options), expected, 'verify');
        const batch = batches.get(item.year_limit ?? 0);
        const result = batchResults.get(item.year_limit ?? 0);
        assert.deepEqual(result.at(batch.indexOf(item)), expected, 'verifyMany');
        assert.deepEqual(idn.verifyMany([inputOf(item.input)], options).toArray(), [expected], 'verifyMany, alone');
        assert.equal(idn.verdictCodes([inputOf(item.input)], options)[0], idn.REASONS.indexOf(expected.reason));
    });
}

// ---- generate ---------------------------------------------------------------------

// The corpus's options in this package's words, or a reason to skip.
function generateOptions(options) {
    const forms = ['region', 'birth', 'born_from', 'born_to', 'sex'].map((field) => options[field]).filter((s) => s != null);
    if (!forms.every(isText)) return { skip: 'generate takes its texts as strings; a hex form is bytes no string holds' };
    const js = {};
    if (options.region != null) js.region = textOf(options.region);
    if (options.birth != null) js.birth = textOf(options.birth);
    if (options.born_from != null || options.born_to != null) {
        js.bornBetween = [options.born_from == null ? undefined : textOf(options.born_from),
            options.born_to == null ? undefined : textOf(options.born_to)];
    }
    if (options.sex != null) js.sex = textOf(options.sex);
    if (options.count != null) js.count = whole(options.count);
    if (options.seed != null) js.seed = whole(options.seed);
    if (options.as_of_year != null) js.asOf = options.as_of_year;
    if (options.year_limit != null) js.yearLimit = options.year_limit;
    return { js };
}

for (const item of load('generate')) {
    const { js, skip } = generateOptions(item.options);
    test(`javascript generate/${item.id}`, { skip }, (t) => {
        const { expect } = item;
        if (expect.numbers !== undefined) {
            const warnings = [];
            assert.deepEqual(idn.generate({ ...js, onWarning: (message) => warnings.push(message) }), expect.numbers);
            assert.deepEqual(warnings, expect.warning === undefined ? [] : [expect.warning]);
            const made = idn.generator(js);
            assert.equal(made.warning, expect.warning ?? null);
            assert.equal(made.count, expect.numbers.length);
            assert.deepEqual([...made], expect.numbers);
            assert.equal(made.at(expect.numbers.length - 1), expect.numbers.at(-1));
            return;
        }
        const refused = refusalOf(() => idn.generate(js));
        assert.equal(refused.status, expect.status);
        assert.equal(refused.option, jsParameters[expect.option]);
        if (answers === null) {
            t.diagnostic(`messages not compared: no ${library}`);
            return;
        }
        assert.equal(answers[item.id].status, expect.status, 'the library agrees with the corpus');
        assert.equal(refused.message, answers[item.id].message);
    });
}

// ---- sex --------------------------------------------------------------------------

const sexOptions = { region: '110105', birth: '19900101', count: 6, seed: 11 };
for (const item of load('sex')) {
    test(`javascript sex/${item.id}`, { skip: !isText(item.word) && 'a hex form is bytes no string holds' }, () => {
        const word = textOf(item.word);
        if (item.expect.status !== undefined) {
            const refused = refusalOf(() => idn.generate({ ...sexOptions, sex: word }));
            assert.deepEqual([refused.status, refused.option], [item.expect.status, 'sex']);
            return;
        }
        const numbers = idn.generate({ ...sexOptions, sex: word });
        if (item.expect.sex === 'any') {
            assert.deepEqual(numbers, idn.generate(sexOptions), 'as no sex given');
        } else {
            const code = item.expect.sex === 'male' ? 1 : 2;
            assert.ok(idn.verifyMany(numbers).sexCodes.every((sex) => sex === code));
            assert.deepEqual(numbers, idn.generate({ ...sexOptions, sex: item.expect.sex }));
        }
    });
}

// ---- mask, upgrade ------------------------------------------------------------------

for (const item of load('mask')) {
    test(`javascript mask/${item.id}`, () => {
        assert.equal(idn.mask(inputOf(item.input)), textOf(item.expect));
    });
}

for (const item of load('upgrade')) {
    test(`javascript upgrade/${item.id}`, () => {
        const input = inputOf(item.input);
        if (item.expect.number !== undefined) {
            assert.equal(idn.upgrade(input), item.expect.number);
        } else {
            const refused = refusalOf(() => idn.upgrade(input));
            assert.equal(refused.status, item.expect.status);
            assert.equal(refused.message, `upgrade: ${item.expect.message}`);
        }
    });
}

// ---- history ------------------------------------------------------------------------

for (const item of load('history')) {
    test(`javascript history/${item.id}`, () => {
        const { expect } = item;
        if (item.year !== undefined) {
            // What a valid number of the code and the year says.
            const first17 = `${String(item.code).padStart(6, '0')}${String(item.year).padStart(4, '0')}0101001`;
            const record = idn.verify(first17 + checkCharacter(first17), { yearLimit: 9999 });
            assert.equal(record.valid, true);
            assert.equal(record.in_use_at_birth, expect.in_use_at_birth);
            return;
        }
        const found = idn.history(item.code);
        assert.equal(found.status, expect.code_status);
        assert.deepEqual(found.records.map(({ name, province, prefecture, from, until }) =>
            ({ name, province, prefecture, from, until })), expect.history);
        assert.deepEqual(found.successors, expect.successors);
        assert.deepEqual(found.now, expect.now);
    });
}

// ---- regions -------------------------------------------------------------------------

for (const item of load('regions')) {
    if (item.query !== undefined) {
        test(`javascript regions/${item.id}`, () => {
            assert.deepEqual(idn.regions(textOf(item.query)).map((region) => region.code), item.expect.codes);
        });
        continue;
    }
    // What a region names, as generate resolves it: the numbers' first six
    // digits, or the refusal.
    const skip = item.region !== null && !isText(item.region) && 'generate takes its region as a string; a hex form is bytes no string holds';
    test(`javascript regions/${item.id}`, { skip }, () => {
        const options = { birth: '19900101', seed: 1, yearLimit: 2024 };
        if (item.region !== null) options.region = textOf(item.region);
        if (item.as_of_year !== undefined) options.asOf = item.as_of_year;
        if (item.expect.code !== undefined) {
            assert.equal(Number(idn.generate(options)[0].slice(0, 6)), item.expect.code);
        } else {
            assert.equal(refusalOf(() => idn.generate(options)).status, item.expect.status);
        }
    });
}

// ---- age ------------------------------------------------------------------------------

for (const item of load('age')) {
    test(`javascript age/${item.id}`, () => {
        const options = item.year_limit === undefined ? undefined : { yearLimit: item.year_limit };
        const input = inputOf(item.input);
        if (item.expect.status !== undefined) {
            assert.equal(refusalOf(() => idn.age(input, item.on, options)).status, item.expect.status);
            return;
        }
        assert.equal(idn.age(input, item.on, options), item.expect.age);
        // A Date counts by its local calendar day.
        const [year, month, day] = item.on.split('-').map(Number);
        assert.equal(idn.age(input, new Date(year, month - 1, day, 23, 59), options), item.expect.age, 'as a Date');
    });
}

// ---- lines ----------------------------------------------------------------------------

for (const item of load('lines')) {
    test(`javascript lines/${item.id}`, { skip: 'the package reads no files: lines are what idtool reads from one' }, () => {});
}

// ---- find, redact ----------------------------------------------------------------------
//
// The corpus's scan options in this package's words (an integer where a
// word is expected is passed as it is, to be refused, as the corpus says).
// Each case runs on the text whole, and through a Redactor or findMany-like
// pieces of 1 and 7 bytes (for bytes) or units (for a string: pieces of a
// string are encoded each by itself, so a string is cut only between
// characters, never inside a surrogate pair).
const jsScanNames = {
    encoding: 'encoding', fifteen_digits: 'fifteenDigits', min_confidence: 'minConfidence', as_of_date: 'asOf',
    redaction: 'way', mask_first: 'first', mask_last: 'last', label: 'label', key: 'key', token_alphabet: 'alphabet',
    token_length: 'length', keep: 'keep',
};
const keepNames = { region: 'region', birth_year: 'birthYear', sex: 'sex' };
function scanOptions(options) {
    const js = {};
    for (const [name, value] of Object.entries(options)) {
        if (name === 'label') js.label = textOf(value);
        else if (name === 'key') js.key = bytesOf(value);
        else if (name === 'keep') js.keep = Array.isArray(value) ? value.map((word) => keepNames[word]) : value;
        else js[jsScanNames[name]] = value;
    }
    return js;
}
// The corpus's messages name options by the C API's words; this package's
// by its own.
const jsMessage = (message) => message.replace(/\b(fifteen_digits|min_confidence|as_of_date|mask_first|mask_last|token_alphabet|token_length)\b/g,
    (word) => jsScanNames[word]).replace(/^redaction:/, 'way:');
const sexNames = { male: '男', female: '女' };
// A corpus match in this package's terms, for a string or for bytes.
function jsMatch(match, stringIn) {
    return {
        offset: stringIn ? match.utf16_offset : match.byte_offset,
        length: stringIn ? match.utf16_length : match.byte_length,
        byteOffset: match.byte_offset, byteLength: match.byte_length, line: match.line, column: match.column,
        number: match.number, form: match.form, confidence: match.confidence, flaw: match.flaw, keyword: match.keyword,
        kind: match.kind, sex: match.sex === null ? null : sexNames[match.sex], birthDate: match.birth_date,
        regionCode: match.region_code,
    };
}
const cut = (input, size) => {
    const pieces = [];
    for (let at = 0; at < input.length; at += size) pieces.push(input.slice(at, at + size));
    return pieces;
};
// A string may not be cut inside a pair (a piece ending in a high surrogate
// would be encoded by itself as U+FFFD): its pieces keep pairs whole.
function cutText(input, size) {
    if (typeof input !== 'string') return cut(input, size);
    const pieces = [];
    for (let at = 0; at < input.length;) {
        let end = Math.min(input.length, at + size);
        if (end < input.length && (input.charCodeAt(end - 1) & 0xFC00) === 0xD800) ++end;
        pieces.push(input.slice(at, end));
        at = end;
    }
    return pieces;
}
function checkRefusal(run, expect) {
    const refused = refusalOf(run);
    assert.equal(refused.status, expect.status);
    assert.equal(refused.option, jsScanNames[expect.option]);
    assert.equal(refused.message, jsMessage(expect.message));
}
const outputOf = (form, stringIn) => (stringIn ? textOf(form) : bytesOf(form));

for (const item of load('find')) {
    // A string holds text; the encoding option is for bytes.
    const bytesCase = !isText(item.input) || item.options.encoding !== undefined;
    test(`javascript find/${item.id}`, () => {
        const options = scanOptions(item.options);
        const input = bytesCase ? bytesOf(item.input) : textOf(item.input);
        const stringIn = !bytesCase;
        if (item.expect.status !== undefined) {
            checkRefusal(() => idn.find(input, options), item.expect);
            return;
        }
        const expected = item.expect.matches.map((match) => jsMatch(match, stringIn));
        assert.deepEqual(idn.find(input, options), expected, 'whole');
        if (stringIn) assert.deepEqual(idn.find(bytesOf(item.input), options), item.expect.matches.map((match) => jsMatch(match, false)), 'as bytes');
        assert.deepEqual(idn.findMany([input, input], options), [expected, expected], 'findMany');
        // In pieces of 1 and 7 units of the input, and of its bytes (a
        // string's UTF-8 cut anywhere, inside characters too).
        const asBytes = item.expect.matches.map((match) => jsMatch(match, false));
        for (const [pieces, wanted] of [[input, expected], ...(stringIn ? [[bytesOf(item.input), asBytes]] : [])]) {
            for (const size of [1, 7]) {
                const finder = new idn.Finder(typeof pieces === 'string' ? options : { encoding: 'utf8', ...options });
                const found = cutText(pieces, size).flatMap((piece) => finder.write(piece));
                found.push(...finder.end());
                assert.deepEqual(found, wanted, `in pieces of ${size}${typeof pieces === 'string' ? '' : ' bytes'}`);
            }
        }
    });
}

for (const item of load('redact')) {
    test(`javascript redact/${item.id}`, () => {
        const options = scanOptions(item.options);
        if (item.number !== undefined) {
            const result = idn.redactNumber(isText(item.number) ? textOf(item.number) : bytesOf(item.number), options);
            if (item.expect.status !== undefined) assert.equal(result, null);
            else assert.equal(result, textOf(item.expect.output));
            return;
        }
        const bytesCase = !isText(item.input) || item.options.encoding !== undefined || !isText(item.expect.output ?? '');
        const input = bytesCase ? bytesOf(item.input) : textOf(item.input);
        if (item.expect.status !== undefined) {
            checkRefusal(() => idn.redact(input, options), item.expect);
            return;
        }
        const expected = outputOf(item.expect.output, !bytesCase);
        assert.deepEqual(idn.redact(input, options), expected, 'whole');
        assert.deepEqual(idn.redactMany([input, input], options), [expected, expected], 'redactMany');
        const { matches, by_confidence: byConfidence, plain, by_form: byForm } = item.expect.summary;
        const runs = [[input, expected, bytesCase]];
        if (!bytesCase) runs.push([bytesOf(item.input), bytesOf(item.expect.output), true]);
        for (const [whole, wanted, inBytes] of runs) for (const size of [1, 7]) {
            const redactor = new idn.Redactor(inBytes && !bytesCase ? { encoding: 'utf8', ...options } : options);
            const parts = cutText(whole, size).map((piece) => redactor.write(piece));
            parts.push(redactor.end());
            const output = inBytes ? Buffer.concat(parts) : parts.join('');
            assert.deepEqual(inBytes ? new Uint8Array(output) : output, wanted, `in pieces of ${size}${inBytes ? ' bytes' : ''}`);
            const summary = redactor.summary();
            redactor.close();
            assert.deepEqual({ matches: summary.matches, byConfidence: summary.byConfidence, plain: summary.plain, byForm: summary.byForm },
                { matches, byConfidence, plain, byForm }, `summary, in pieces of ${size}`);
        }
    });
}
