// The package's functions beside idtool and the C API's header: bad input
// (non-strings, a megabyte, lone surrogates), generation with seeds,
// regions, history, the dialog's cascade, upgrade and mask, and the module's
// exports. IDTOOL names the program (default build/release/idtool).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync, existsSync } from 'node:fs';
import { fileURLToPath } from 'node:url';

import * as idn from '../index.js';
import { checkCharacter } from './lines.js';

const idtool = process.env.IDTOOL ?? fileURLToPath(new URL('../../../build/release/idtool', import.meta.url));
const noIdtool = !existsSync(idtool) && `no ${idtool}`;
const run = (...args) => execFileSync(idtool, args, { encoding: 'utf8' });

test('bad input: a TypeError naming what was wrong, or a verdict', () => {
    for (const value of [undefined, null, 110105194912310021, 11n, {}, ['110105194912310021'], Symbol('x')]) {
        assert.throws(() => idn.verify(value), TypeError);
    }
    assert.throws(() => idn.verifyMany('110105194912310021'), /array \(or iterable\) of strings/);
    assert.throws(() => idn.verifyMany(null), TypeError);
    assert.throws(() => idn.verifyMany(['11010519491231002X', 7]), /item 1 is number 7/);
    assert.throws(() => idn.verdictCodes(['11010519491231002X', null]), /item 1 is null/);
    assert.deepEqual([...idn.verdictCodes(['11010519491231002X', '1'.repeat(1 << 20), '11010519491231002x'])], [0, 1, 2]);
    assert.throws(() => idn.verify('1', { yearLimit: 'now' }), TypeError);
    for (const yearLimit of [-1, 10000, 2 ** 32 + 2024, 2024.5]) {
        assert.throws(() => idn.verify('1', { yearLimit }), (error) => error instanceof RangeError &&
            error.code === 'IDN_ERROR_YEAR_LIMIT' && error.option === 'yearLimit' &&
            error.message.startsWith('yearLimit: must be ') && error.message.endsWith(` not ${yearLimit}`), String(yearLimit));
        assert.throws(() => idn.verifyMany(['1'], { yearLimit }), { code: 'IDN_ERROR_YEAR_LIMIT' });
    }
    assert.throws(() => idn.verify('1', { history: 1 }), TypeError);

    // A megabyte: refused for its length, in bytes, with the first 64 as input.
    const big = '1'.repeat(1 << 20);
    const record = idn.verify(big);
    assert.equal(record.reason, 'length');
    assert.equal(record.message, '您输入的身份证号为1048576位，正确的应为18位');
    assert.equal(record.input, '1'.repeat(64));
    assert.equal(record.expected_check, idn.verify('1'.repeat(17) + '0').expected_check);
    // Chinese past the cut counts three bytes each; a character the cut
    // splits is left out, as idtool leaves it.
    const wide = '身'.repeat(400000);
    const cut = idn.verify(wide);
    assert.equal(cut.message, '您输入的身份证号为1200000位，正确的应为18位');
    assert.equal(cut.input, '身'.repeat(21));

    // Lone surrogates are U+FFFD, as TextEncoder writes them: a verdict.
    const lone = idn.verify('11010519491231002\uD800');
    assert.equal(lone.reason, 'length');
    assert.equal(lone.input, '11010519491231002\uFFFD');
    assert.equal(lone.message, '您输入的身份证号为20位，正确的应为18位');
    assert.equal(idn.verify('\uDC00'.repeat(100)).message, '您输入的身份证号为300位，正确的应为18位');
    assert.equal(idn.verify('😀'.repeat(40)).message, '您输入的身份证号为160位，正确的应为18位');
});

test('verifyMany: columns, records read by index and iteration, the texts kept', () => {
    const valid = '11010519491231002X';
    const texts = [valid, '1'.repeat(100), '11010519491231002x', '身'.repeat(30), '', '11010519491231002\uD800'];
    const result = idn.verifyMany(texts, { yearLimit: 2024 });
    assert.ok(result instanceof idn.Verdicts);
    assert.equal(result.length, 6);
    assert.deepEqual([...result.reasonCodes], [0, 1, 2, 1, 1, 1]);
    assert.equal(String.fromCharCode(result.expectedChecks[0]), 'X');
    assert.equal(result.expectedChecks[4], 0);
    assert.deepEqual([result.sexCodes[0], result.regionCodes[0], result.birthDates[0]], [2, 110105, 19491231]);
    assert.deepEqual([result.sexCodes[2], result.regionCodes[2], result.birthDates[2]], [0, 0, 0]);

    // Changing the array afterwards changes nothing in the result.
    const records = result.toArray();
    texts[0] = 'changed';
    texts.length = 1;
    assert.deepEqual([...result], records);
    assert.deepEqual(records.map((record) => record.input),
        [valid, '1'.repeat(64), '11010519491231002x', '身'.repeat(21), '', '11010519491231002\uFFFD']);
    assert.deepEqual(records[0], idn.verify(valid, { yearLimit: 2024 }));
    assert.equal(records[1].message, '您输入的身份证号为100位，正确的应为18位');

    // at() as Array.prototype.at: negative from the end, undefined beyond.
    assert.deepEqual(result.at(-6), records[0]);
    assert.deepEqual(result.at('2'), records[2]);
    assert.equal(result.at(6), undefined);
    assert.equal(result.at(-7), undefined);
    // Each read makes a new record; JSON gives the array of records.
    assert.notEqual(result.at(0), result.at(0));
    assert.equal(JSON.stringify(result), JSON.stringify(records));
    assert.throws(() => { result.length = 0; }, TypeError);

    // A valid number's input comes back whole from its columns, leading
    // zeros, month and day 00 and check character X included.
    const edges = ['00000000000000000', '00010100000000000', '11010519491231002', '99999999991231999', '12345620241301995']
        .map((stem) => stem + checkCharacter(stem));
    const edgeResult = idn.verifyMany(edges, { yearLimit: 9999 });
    assert.deepEqual([...edgeResult].map((record) => [record.valid, record.input, record.birth_date]),
        edges.map((text) => [!text.startsWith('123456'), text, text.startsWith('123456') ? null : text.slice(6, 14)]));
    assert.ok(edges.some((text) => text.endsWith('X')));

    assert.equal(idn.verifyMany(new Set([valid])).length, 1);
    assert.equal(idn.verifyMany((function* () { yield valid; yield 'x'; })()).at(1).reason, 'length');
    assert.deepEqual(idn.verifyMany([]).toArray(), []);
    assert.deepEqual([...idn.verifyMany([])], []);
    assert.equal(idn.verifyMany([]).at(0), undefined);
});

test('verifyMany: chunk and group bounds, beyond ASCII and long texts anywhere', () => {
    // 40000 texts cross the chunks of 16384 and the groups of 512; a text
    // beyond ASCII or over 64 units falls at a group's start, end and middle.
    const base = ['11010519491231002X', '512201198001010012', '11010519491231002x', '1101051949123100'];
    const texts = Array.from({ length: 40000 }, (_, i) => base[i % 4]);
    for (const at of [0, 511, 512, 1000, 16383, 16384, 16385, 32767, 39999]) {
        texts[at] = at % 2 ? '１１０１０５１９４９１２３１００２Ｘ' : '1'.repeat(70 + at % 5);
    }
    const result = idn.verifyMany(texts);
    const codes = idn.verdictCodes(texts);
    let i = 0;
    for (const record of result) {
        assert.deepEqual(record, idn.verify(texts[i]), `text ${i}`);
        assert.equal(codes[i], result.reasonCodes[i]);
        ++i;
    }
    assert.equal(i, texts.length);
    assert.throws(() => idn.verifyMany([...texts, 5]), /item 40000 is number 5/);
});

test('verifyMany: records read late, after other results were made and read, are each text\'s own', () => {
    // Hints (with an upgraded number), texts beyond ASCII and bytes among
    // valid numbers of many regions and dates, over two chunks; records are
    // made from each chunk's bytes, decoded and asked for hints when first
    // read, and from what is kept by region code and birth date.
    const kinds = ['110105491231002', '11010519491231002x', '１１０１０５１９４９１２３１００２Ｘ', '€' + '1'.repeat(17),
        new TextEncoder().encode('11010519491231002X'), '1'.repeat(70), 'Š'.repeat(9)];
    const texts = (seed) => Array.from({ length: 20000 }, (_, i) => {
        if (i % 5 === 4) return kinds[(i + seed) % kinds.length];
        const stem = `${[110105, 140302, 512201, 330124][(i + seed) % 4]}${1950 + (i + seed) % 60}0${1 + i % 9}1${i % 10}${String(i % 1000).padStart(3, '0')}`;
        return stem + checkCharacter(stem);
    });
    const first = texts(0);
    const result = idn.verifyMany(first);
    const kept = result.at(19999);
    const other = idn.verifyMany(texts(3));
    assert.deepEqual([...other], texts(3).map((text) => idn.verify(text)));
    assert.deepEqual(result.toArray(), first.map((text) => idn.verify(text)));
    assert.deepEqual([...result], result.toArray());
    assert.deepEqual(Array.from(result), result.toArray());
    assert.deepEqual(kept, idn.verify(first[19999]));
    assert.equal(result.at(14).upgraded, '11010519491231002X');
});

test('the year limit decides date refusals', () => {
    const number = '11010520300101001' + checkCharacter('11010520300101001');
    assert.equal(idn.verify(number, { yearLimit: 2029 }).reason, 'date');
    assert.equal(idn.verify(number, { yearLimit: 2030 }).valid, true);
    assert.equal(idn.verifyMany([number], { yearLimit: 2029 }).at(0).message, '出生日期不正确');
});

test('records of one region share frozen history values', () => {
    const [a, b] = idn.verifyMany(['512201198001010012', '512201198001010020']);
    assert.equal(a.history, b.history);
    assert.ok(Object.isFrozen(a.history) && Object.isFrozen(a.history[0]) && Object.isFrozen(a.now));
    assert.throws(() => { a.history[0].name = 'x'; }, TypeError);
    assert.deepEqual(Object.keys(idn.verify('1', { history: false })), idn.fields.slice(0, idn.fields.indexOf('county') + 1));
    assert.deepEqual(Object.keys(a), idn.fields);
});

test('in use at birth: each birth year\'s answer, whatever years of the code came before', () => {
    const born = (year) => `512201${year}0101001`;
    const years = Array.from({ length: 60 }, (_, i) => 1970 + i);
    const inOrder = idn.verifyMany(years.map((year) => born(year) + checkCharacter(born(year))), { yearLimit: 2030 })
        .toArray().map((record) => record.in_use_at_birth);
    assert.ok(inOrder.includes(true) && inOrder.includes(false), 'the code was in use in some of the years only');
    // Alternating ends of the range: a cached span must never answer for a year outside it.
    const mixed = years.map((_, i) => years[i % 2 === 0 ? i / 2 : years.length - 1 - (i - 1) / 2]);
    const mixedAnswers = idn.verifyMany(mixed.map((year) => born(year) + checkCharacter(born(year))), { yearLimit: 2030 })
        .toArray().map((record) => record.in_use_at_birth);
    assert.deepEqual(mixedAnswers, mixed.map((year) => inOrder[year - 1970]));
});

test('age: on a Date or YYYY-MM-DD, today by default', () => {
    const number = '11010519491231002X';
    assert.equal(idn.age(number, '2024-12-30'), 74);
    assert.equal(idn.age(new TextEncoder().encode(number), new Date(2024, 11, 31)), 75);
    const today = new Date();
    const expected = today.getFullYear() - 1949 - (today.getMonth() === 11 && today.getDate() === 31 ? 0 : 1);
    assert.equal(idn.age(number), expected);
    assert.equal(idn.age('11010519491231002x', '2024-01-01'), null);
    assert.throws(() => idn.age(number, '2024-1-1'), TypeError);
    assert.throws(() => idn.age(number, 20240101), TypeError);
    assert.throws(() => idn.age(number, new Date(NaN)), RangeError);
    assert.throws(() => idn.age(number, '2023-02-29'), { name: 'RangeError', code: 'IDN_ERROR_BAD_DATE' });
    assert.throws(() => idn.age(42, '2024-01-01'), TypeError);
});

test('kind', () => {
    assert.equal(idn.kind('11010519491231002X'), 'resident');
    assert.equal(idn.kind('810000199001010019'), 'hmt_permit');
    assert.equal(idn.kind('11010519491231002x'), null);
    assert.equal(idn.kind('1'.repeat(100)), null);
});

test('generate gives idtool generate\'s numbers for the same seed', { skip: noIdtool }, () => {
    const cases = [
        [{ region: '110105', birth: '19491001', count: 3, seed: 7 }, ['--region', '110105', '--birth', '19491001', '--count', '3', '--seed', '7']],
        [{ region: 140302, birth: '19870102', count: 5, seed: '18446744073709551615' },
            ['--region', '140302', '--birth', '19870102', '--count', '5', '--seed', '18446744073709551615']],
        [{ region: '阳泉市/城区', bornBetween: ['19800101', '19891231'], sex: 'female', count: 1000, seed: 1n },
            ['--region', '阳泉市/城区', '--born-between', '19800101', '19891231', '--sex', 'female', '--count', '1000', '--seed', '1']],
        [{ region: '330124', asOf: 1990, birth: '19800101', sex: 'male', count: 20, seed: 3 },
            ['--region', '330124', '--as-of', '1990', '--birth', '19800101', '--sex', 'male', '--count', '20', '--seed', '3']],
    ];
    for (const [options, args] of cases) {
        assert.deepEqual(idn.generate(options), run('generate', ...args).trimEnd().split('\n'), args.join(' '));
    }
    const numbers = idn.generate({ region: '110105', birth: '19491001', count: 50 });
    assert.equal(new Set(numbers).size, 50);
    assert.ok(idn.verifyMany(numbers).reasonCodes.every((code) => code === 0));
});

test('regions and history as idtool lists them', { skip: noIdtool }, () => {
    for (const query of ['1403', '城区', '']) {
        const rows = run('regions', query).trimEnd().split('\n').slice(1).map((line) => line.split('\t'));
        assert.deepEqual(idn.regions(query).map((r) => [String(r.code), r.name, r.level, r.province, r.city ?? '']), rows);
    }
    const [header, row] = run('regions', '--history', '330124').trimEnd().split('\n');
    assert.equal(header, 'code\tname\tlevel\tprovince\tprefecture\tfrom\tuntil\tsuccessors\tnow');
    const h = idn.history('330124');
    const record = h.records[0];
    assert.deepEqual([String(h.code), record.name, record.level, record.province, record.prefecture, String(record.from),
        String(record.until ?? ''), JSON.stringify(h.successors), JSON.stringify(h.now)], row.split('\t'));
    assert.equal(h.status, 'abolished');
    assert.deepEqual(idn.history(999999), { code: 999999, status: 'unknown', records: [], successors: [], now: [] });
    assert.throws(() => idn.history('33012'), TypeError);
});

test('the dialog\'s cascade: 山西省, 阳泉市, 城区 by table position', () => {
    const names = (codes) => codes.map((code) => idn.regionRecord(code).name);
    assert.deepEqual(names(idn.pickerList('municipalities')), ['北京市', '天津市', '上海市', '重庆市']);
    const provinces = idn.pickerList('provinces');
    assert.equal(provinces.length, 27);
    const shanxi = provinces.find((code) => idn.regionRecord(code).name === '山西省');
    const yangquan = idn.pickerList(shanxi).find((code) => idn.regionRecord(code).name === '阳泉市');
    assert.deepEqual(names(idn.pickerList(yangquan)), ['城区', '矿区', '郊区', '平定县', '盂县']);
    assert.equal(idn.pickerList(yangquan)[0], 140302);
    assert.equal(idn.pickerList(140302), null);
    assert.equal(idn.regionRecord(999999), null);
});

test('upgrade and mask', { skip: noIdtool }, () => {
    assert.equal(idn.upgrade('110105491231002'),
        execFileSync(idtool, ['upgrade'], { input: '110105491231002\n', encoding: 'utf8' }).trim());
    for (const [text, code] of [['11010549123100', 'IDN_ERROR_NOT_FIFTEEN_DIGITS'], ['110105491331002', 'IDN_ERROR_MONTH_ABOVE_12'],
        ['110105491232002', 'IDN_ERROR_DAY_ABOVE_31'], ['1'.repeat(1 << 20), 'IDN_ERROR_NOT_FIFTEEN_DIGITS']]) {
        assert.throws(() => idn.upgrade(text), (error) => error instanceof RangeError && error.code === code);
    }
    assert.equal(idn.mask('11010519491231002X'), '110105********002X');
    assert.equal(idn.mask('男女男女男女男女男女男'), '男女男女男女*女男女男');
    assert.equal(idn.mask('1234'), '****');
    assert.equal(idn.mask('1'.repeat(1 << 20)).length, 1 << 20);
});

test('the module exports exactly the C API\'s functions, its memory and __heap_base', async () => {
    const header = readFileSync(new URL('../../../capi/idnumber.h', import.meta.url), 'utf8');
    const declared = [...header.matchAll(/^IDN_API [^(]*\b(idn_[a-z0-9_]+)\(/gm)].map((match) => match[1]);
    const module = await WebAssembly.compile(readFileSync(new URL('../idnumber.wasm', import.meta.url)));
    const exported = WebAssembly.Module.exports(module);
    assert.deepEqual(exported.filter((e) => e.kind === 'function').map((e) => e.name).sort(), declared.sort());
    assert.deepEqual(exported.filter((e) => e.kind !== 'function').map((e) => e.name).sort(),
        ['__heap_base', 'memory']);
    assert.ok(WebAssembly.Module.imports(module).every((i) => i.module === 'wasi_snapshot_preview1'));
    assert.match(header, new RegExp(`#define IDN_VERSION_STRING "${idn.version}"`));
});

test('hints, the upgraded number, kind and nationality, as idtool gives them', () => {
    const record = (text) => idn.verify(text, { history: false });
    const fifteen = record('110105491231002');
    assert.deepEqual([fifteen.reason, fifteen.hint, fifteen.upgraded], ['length', 'fifteen_digits', '11010519491231002X']);
    assert.equal(record('11010519491231002x').hint, 'lowercase_x');
    assert.equal(record('１１０１０５１９４９１２３１００２Ｘ').hint, 'fullwidth');
    // Cut at 64 bytes, a long line is judged by no repair but a CR.
    assert.equal(record(' 11010519491231002X'.repeat(4)).hint, null);
    assert.equal(record('11010519491231002X\r'.repeat(4)).hint, 'cr_line_ends');
    const card = '91110119900101001';
    const cards = idn.verifyMany([card + checkCharacter(card), '9' + '3'.repeat(16)]).toArray();
    assert.equal(cards[0].kind, 'foreigner_card');
    assert.deepEqual(cards[0].nationality, { code: '101', name: null });
    assert.ok(Object.isFrozen(cards[0].nationality));
    const us = '91184019900101001';
    assert.deepEqual(record(us + checkCharacter(us)).nationality, { code: '840', name: '美国' });
    assert.equal(record('810000199001010019').kind, 'hmt_permit');
});

test('a leading U+FEFF is a character of the text, kept in input and mask', () => {
    const text = '\uFEFF11010519491231002X';
    const record = idn.verify(text);
    assert.deepEqual([record.input, record.reason, record.message], [text, 'length', '您输入的身份证号为21位，正确的应为18位']);
    assert.equal(idn.verifyMany(['11010519491231002X', text]).at(1).input, text);
    assert.equal(idn.verify('\uFEFF'.repeat(30)).input, '\uFEFF'.repeat(21));
    assert.equal(idn.mask('\uFEFF123456789012'), '\uFEFF12345***9012');
    assert.equal(idn.mask('\uFEFF'), '*');
    assert.equal(idn.mask(new Uint8Array([0xEF, 0xBB, 0xBF, 0x31])), '**');
});

test('bytes: a Uint8Array is verified, masked and upgraded as the bytes it holds', () => {
    const utf8 = (text) => new TextEncoder().encode(text);
    for (const text of ['11010519491231002X', '11010519491231002x', '１１０１０５１９４９１２３１００２Ｘ', '1'.repeat(100), '']) {
        assert.deepEqual(idn.verify(utf8(text)), idn.verify(text), text);
        assert.equal(idn.mask(utf8(text)), idn.mask(text));
    }
    assert.deepEqual(idn.verifyMany([utf8('11010519491231002X'), '11010519491231002X', Buffer.from('1'.repeat(70))]).toArray(),
        idn.verifyMany(['11010519491231002X', '11010519491231002X', '1'.repeat(70)]).toArray());
    assert.equal(idn.upgrade(utf8('110105491231002')), '11010519491231002X');
    assert.equal(idn.kind(utf8('11010519491231002X')), 'resident');
    // GBK bytes are no UTF-8: the record writes each such byte as \u00XX.
    const gbk = Uint8Array.from([0xB1, 0xB1, 0xBE, 0xA9]);
    assert.equal(idn.verify(gbk).input, '\u00b1\u00b1\u00be\u00a9');
    assert.equal(idn.mask(gbk), '****');
    assert.throws(() => idn.verify(new Uint16Array(18)), TypeError);
    assert.throws(() => idn.verifyMany([new ArrayBuffer(18)]), /item 0 is an object, not a string/);
});

test('the current year is the local clock\'s, in the host\'s time zone', () => {
    // 31 December 2030, 12:00 UTC is already 2031 in Kiritimati (UTC+14).
    const number = '11010520310101001' + checkCharacter('11010520310101001');
    const script = `Date.now = () => Date.UTC(2030, 11, 31, 12);
        const idn = await import(${JSON.stringify(new URL('../index.js', import.meta.url).href)});
        let generated;
        try { generated = idn.generate({ region: '110105', birth: '20310101', seed: 1 }); } catch (error) { generated = error.code; }
        console.log(JSON.stringify([idn.verify(${JSON.stringify(number)}).reason, generated]));`;
    const run = (timeZone) => JSON.parse(execFileSync(process.execPath, ['--input-type=module', '-e', script],
        { encoding: 'utf8', env: { ...process.env, TZ: timeZone } }));
    assert.deepEqual(run('Pacific/Kiritimati'), [null, ['110105203101016275']]);
    assert.deepEqual(run('UTC'), ['date', 'IDN_ERROR_BIRTH_BEYOND_LIMITS']);
});
