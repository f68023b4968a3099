// The batch's reading and writing in Node, on batch.js itself with the npm
// package beside it: every case of the corpus's lines.json read as the page
// reads a file (whole and in pieces down to a byte), pieces that cut lines
// and characters in UTF-8 and GBK, every field beside idtool in UTF-8, GBK
// and auto, idtool's CSV rows (beside idtool itself on random rows), files
// whose lines end in CR alone and stray CRs, the encodings, the CSV of
// results byte for byte, and texts as shown.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

import * as idnumber from '../../../bindings/javascript/index.js';
import { bytesOf, load } from '../../../tests/conformance/corpus.mjs';
import {
    completePrefixLength, crNoticeText, csvField, csvHeadRows, csvHeaderRow, csvRow, Decoding, headCrFacts, hintLabels,
    isolatedText, isUtf8, LineReader, Results, shownParts, useSizesOf, verifyFile, verifyText,
} from '../batch.js';

useSizesOf(idnumber);

const top = fileURLToPath(new URL('../../../', import.meta.url));
const idtool = process.env.IDTOOL ?? join(top, 'build/release/idtool');

const concat = (...parts) => Buffer.concat(parts.map((part) => (typeof part === 'string' ? Buffer.from(part) : part)));
// A text's GBK bytes (ASCII and the characters of GBK's pairs), from the
// WHATWG decoder's table.
const gbkPairs = new Map();
const gbkDecoder = new TextDecoder('gbk');
for (let lead = 0x81; lead <= 0xFE; ++lead) {
    for (let trail = 0x40; trail <= 0xFE; ++trail) {
        const c = gbkDecoder.decode(Uint8Array.of(lead, trail));
        if (c.length === 1 && !gbkPairs.has(c)) gbkPairs.set(c, [lead, trail]);
    }
}
const gbk = (text) => Buffer.from([...text].flatMap((c) => (c < '\x80' ? [c.charCodeAt(0)] : gbkPairs.get(c))));

// What the page makes of a file: per line or row [line, input as shown,
// reason, hint], null for a row without the column; {refused: why} for a
// file idtool refuses, in idtool's words.
async function pageLines(bytes, { encoding = 'utf-8', column, crLineEnds = false, pieceSize } = {}) {
    let csv = null;
    if (column !== undefined) {
        // The page's list of columns is the header's; idtool takes a name or a number.
        const header = csvHeadRows(bytes, encoding, { whole: true, crLineEnds })[0] ?? [];
        const index = /^[0-9]+$/.test(column) ? Number(column) - 1 : header.indexOf(column);
        if (index < 0) return { refused: `the header has no column ${column}` };
        csv = { column: index, headerRow: true };
    }
    const { results, unterminatedLine } = await verifyFile(idnumber, { file: new Blob([bytes]), encoding, csv, crLineEnds },
        { pieceSize });
    if (unterminatedLine > 0) return { refused: 'a quoted field is not closed at the end' };
    return results.first.map((r) => (r.reason === 'no_column' ? null : [r.line, r.input, r.reason, r.hint]));
}

const pieceSizes = [1 << 20, 1, 2, 3, 5, 7, 64, 65, 66];

for (const item of load('lines')) {
    test(`web lines/${item.id}`, async () => {
        const bytes = bytesOf(item.file);
        for (const pieceSize of pieceSizes) {
            assert.deepEqual(await pageLines(bytes, { encoding: item.encoding ?? 'utf-8', column: item.column, pieceSize }),
                item.expect, `pieces of ${pieceSize} bytes`);
        }
    });
}

test('lines: pieces that cut lines, line ends and characters, in UTF-8 and GBK, read as the whole', async () => {
    // Lines of 1-4 byte characters, long lines whose 64th byte falls inside
    // a character, empty lines, NUL, CRLF and LF.
    const utf8Lines = ['11010519491231002X', '', '北京 é😀', `${'1'.repeat(62)}中文`, `${'2'.repeat(63)}😀x`,
        '\0abc', 'x'.repeat(200), '１１０１０５１９４９１２３１００２Ｘ'].map((line) => Buffer.from(line));
    const gbkLines = [gbk('11010519491231002X'), gbk('北京'), concat('1'.repeat(63), gbk('中')), gbk('张三'.repeat(40)),
        Buffer.from([0xff, 0x80, 0x31])];
    for (const [encoding, lines] of [['utf-8', utf8Lines], ['gbk', gbkLines]]) {
        const decoding = new Decoding(encoding);
        const file = concat(...lines.flatMap((line, i) => [line, i % 2 ? '\r\n' : '\n']));
        const expected = lines.map((line, i) => {
            const held = Math.min(line.length, 64);
            return [i + 1, decoding.held(line, 0, held, line.length), line.length];
        });
        for (let pieceSize = 1; pieceSize <= 70; ++pieceSize) {
            const reader = new LineReader(new Decoding(encoding));
            const got = [];
            for (let at = 0; at < file.length; at += pieceSize) {
                const lines = reader.read(file.subarray(at, at + pieceSize));
                lines.texts.forEach((text, k) => got.push([lines.numbers[k], text, lines.lengths[k]]));
            }
            assert.equal(reader.finish().count, 0);
            assert.deepEqual(got, expected, `${encoding}, pieces of ${pieceSize} bytes`);
        }
    }
    // The cut leaves out a character that the 64th byte splits, and never
    // one that ends there.
    const cut = (bytes, encoding) => completePrefixLength(bytes, 0, 64, encoding);
    assert.equal(cut(Buffer.from(`${'1'.repeat(62)}中`), 'utf-8'), 62);
    assert.equal(cut(Buffer.from(`${'1'.repeat(61)}中`), 'utf-8'), 64);
    assert.equal(cut(Buffer.from(`${'1'.repeat(61)}😀`), 'utf-8'), 61);
    assert.equal(cut(concat('1'.repeat(63), gbk('中')), 'gbk'), 63);
    assert.equal(cut(concat('1'.repeat(62), gbk('中')), 'gbk'), 64);
});

test('lines: every field idtool verify writes of them, in UTF-8, GBK and auto (lines of both), in pieces', async () => {
    const lines = ['11010519491231002X', '11010519491231002x', '110105491231002', ' 11010519491231002X', '北京', '中'.repeat(9),
        '１１０１０５１９４９１２３１００２Ｘ', '1101051949123100２X', '11010519491231002Ｘ', `${'1'.repeat(62)}中文`,
        '12\r34', `${'1'.repeat(70)}\r`, '1'.repeat(300), '', 'x', `${'中'.repeat(30)}\r1`, `${'中'.repeat(21)}１\r`,
        `${'张三'.repeat(20)}\r`, '张三１１０１０５１９４９１２３１００２Ｘ'];
    // Auto: every other line in GBK.
    const mixed = concat(...lines.flatMap((line, i) => [i % 2 ? gbk(line) : Buffer.from(line), '\n']));
    const fields = ['line', 'input', 'valid', 'reason', 'message', 'expected_check', 'hint', 'upgraded'];
    const folder = mkdtempSync(join(tmpdir(), 'idnumber-web-lines-'));
    try {
        for (const [encoding, bytes] of [['utf-8', Buffer.from(lines.join('\n'))], ['gbk', gbk(lines.join('\n'))],
            ['auto', mixed]]) {
            const path = join(folder, 'lines.txt');
            writeFileSync(path, bytes);
            let jsonl;
            try {
                jsonl = execFileSync(idtool, ['verify', '--format', 'jsonl', '--fields', fields.join(','), '--input-encoding',
                    encoding === 'utf-8' ? 'utf8' : encoding, path]).toString();
            } catch (error) {
                jsonl = error.stdout.toString();
            }
            const expected = jsonl.trim().split('\n').map((line) => JSON.parse(line));
            for (const pieceSize of [1 << 20, 1, 7]) {
                const { results } = await verifyFile(idnumber, { file: new Blob([bytes]), encoding, csv: null }, { pieceSize });
                const got = results.first.map((record) => Object.fromEntries(fields.map((field) =>
                    [field, field === 'line' ? record.line : record[field]])));
                assert.deepEqual(got, expected, `${encoding}, pieces of ${pieceSize} bytes`);
            }
        }
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
});

test('lines: a line of 10 MiB is held by its first bytes and counted whole', async () => {
    const long = Buffer.alloc(10 << 20, '1');
    const file = concat('11010519491231002X\n', long, '\r\n11010519491231002X');
    for (const pieceSize of [1 << 20, 4093]) {
        const { results } = await verifyFile(idnumber, { file: new Blob([file]), encoding: 'utf-8', csv: null },
            { pieceSize });
        const [first, second, third] = results.first;
        assert.deepEqual([first.line, first.valid, third.line, third.valid], [1, true, 3, true]);
        assert.deepEqual([second.line, second.input, second.reason], [2, '1'.repeat(64), 'length']);
        assert.equal(second.message, idnumber.verify('1'.repeat(10 << 20)).message);
    }
});

test('lines: a file whose lines end in CR alone is one line to idtool; with crLineEnds each line is its own', async () => {
    const file = Buffer.from('11010519491231002X\r140302199001010018\r\r110105194912310021');
    const { results, cr } = await verifyFile(idnumber, { file: new Blob([file]), encoding: 'utf-8', csv: null });
    assert.deepEqual([results.total, results.first[0].hint], [1, 'cr_line_ends']);
    assert.deepEqual(cr, { lines: 1, crLines: 1, firstCrLine: 1, partial: false });
    assert.match(crNoticeText(cr), /^idtool只认LF和CRLF为行尾，把这个文件读成了一行/);
    for (const pieceSize of [1 << 20, 1, 2, 19]) {
        for (const ends of ['\r', '\n', '\r\n']) {
            assert.deepEqual(await pageLines(Buffer.from(file.toString().replaceAll('\r', ends)), { crLineEnds: true, pieceSize }), [
                [1, '11010519491231002X', null, null], [2, '140302199001010018', null, null], [3, '', 'length', null],
                [4, '110105194912310021', 'check', null]], `${JSON.stringify(ends)}, pieces of ${pieceSize} bytes`);
        }
    }
    // A CSV whose rows end in CR alone: one row to idtool, rows with crLineEnds.
    const csv = Buffer.from('name,id\r张三,11010519491231002X\r李四,"1\r2"\r\n王五,140302199001010018');
    assert.deepEqual(await pageLines(csv, { column: 'id' }), { refused: 'the header has no column id' });
    for (const pieceSize of [1 << 20, 1, 3]) {
        assert.deepEqual(await pageLines(csv, { column: 'id', crLineEnds: true, pieceSize }), [
            [2, '11010519491231002X', null, null], [3, '1\r2', 'length', 'cr_line_ends'], [5, '140302199001010018', null, null]]);
    }
});

test('CRs that idtool takes as part of a line: counted anywhere, in any pieces; the notice says what is so', async () => {
    const facts = async (text, { csv = false, crLineEnds = false, pieceSize } = {}) => (await verifyFile(idnumber, {
        file: new Blob([text]), encoding: 'utf-8', csv: csv ? { column: 1, headerRow: true } : null, crLineEnds,
    }, { pieceSize })).cr;
    const cases = [
        // [file, CSV, {lines, crLines, firstCrLine}]
        ['a\nb\r\nc\r\n', false, [3, 0, 0]],
        ['', false, [0, 0, 0]],
        ['11010519491231002X\n1403021990\r01010018\n110105194912310021\n', false, [3, 1, 2]],  // a stray CR
        [`${'1'.repeat(100)}\r2\nx\r\ry\n`, false, [2, 2, 1]],  // beyond the 64 bytes the hint looks at
        ['a\nb\r', false, [2, 1, 2]],        // the last line's CR stays
        ['abc\rdef\n', false, [1, 1, 1]],   // one line, though it ends in LF
        ['name,id\n"a\rb",1\r\nc,1\r2\n', true, [3, 1, 3]],  // quotes may hold a CR; outside them it is a stray one
        ['name,id\r张三,11010519491231002X\r', true, [1, 1, 1]],
    ];
    for (const [text, csv, [lines, crLines, firstCrLine]] of cases) {
        const expected = { lines, crLines, firstCrLine, partial: false };
        for (const pieceSize of [1 << 20, 1, 2, 3, 5]) {
            assert.deepEqual(await facts(text, { csv, pieceSize }), expected,
                `${JSON.stringify(text)}, pieces of ${pieceSize}`);
        }
        assert.deepEqual(headCrFacts(Buffer.from(text), { csv, whole: true }), expected, JSON.stringify(text));
        assert.equal((await facts(text, { csv, crLineEnds: true })).crLines, 0);
    }
    // The words: one line, or the lines that hold one and the first of them.
    assert.equal(crNoticeText({ lines: 3, crLines: 0, firstCrLine: 0, partial: false }), null);
    assert.equal(crNoticeText({ lines: 3, crLines: 1, firstCrLine: 2, partial: false }),
        '有1行含单独的CR（回车符），第一处在第2行：idtool只认LF和CRLF为行尾，单独的CR算作行内的字符，不把行分开。');
    assert.match(crNoticeText({ lines: 1, crLines: 1, firstCrLine: 1, partial: false }), /把这个文件读成了一行/);
    // A file's first bytes only: a CR at their end may be a CRLF's, and one
    // line of them says nothing of the file.
    assert.deepEqual(headCrFacts(Buffer.from('a\nb\r')), { lines: 2, crLines: 0, firstCrLine: 0, partial: true });
    const head = headCrFacts(Buffer.from('a\rb'));
    assert.deepEqual(head, { lines: 1, crLines: 1, firstCrLine: 1, partial: true });
    assert.match(crNoticeText(head), /^文件的前64 KiB中有1行含单独的CR（回车符），第一处在第1行/);
});

test('csv: idtool\'s rows, quotes, CRs and line numbers; an unclosed quote; rows without the column', async () => {
    const file = 'h1,h2\n' +
        'a,"x""y"\n' +          // a doubled quote
        'b,ab"c\n' +            // a quote inside an unquoted field is text
        'c,"ab"cd\n' +          // text after a closing quote is text
        'd,1\r2\n' +            // a lone CR is text
        'e,"1\r\n2",z\r\n' +    // CRLF inside quotes; the row starts on line 6
        '\n' +                  // an empty row has no second column
        'f,"",\n' +             // an empty quoted cell
        'g,"unclosed\n';
    const expected = [[2, 'x"y', 'length', null], [3, 'ab"c', 'length', null], [4, 'abcd', 'length', null],
        [5, '1\r2', 'length', 'cr_line_ends'], [6, '1\r\n2', 'length', 'cr_line_ends'], null, [9, '', 'length', null]];
    for (const pieceSize of [1 << 20, 1, 2, 7]) {
        assert.deepEqual(await pageLines(Buffer.from(file.slice(0, -'g,"unclosed\n'.length)), { column: '2', pieceSize }),
            expected, `pieces of ${pieceSize} bytes`);
        assert.deepEqual(await pageLines(Buffer.from(file), { column: '2', pieceSize }),
            { refused: 'a quoted field is not closed at the end' });
        const { results, unterminatedLine } = await verifyFile(idnumber, { file: new Blob([file]), encoding: 'utf-8',
            csv: { column: 1, headerRow: true } }, { pieceSize });
        assert.deepEqual([unterminatedLine, results.total, results.counts.no_column], [10, 7, 1]);
    }
    // The first rows, every field, for the list of columns.
    assert.deepEqual(csvHeadRows(Buffer.from('\uFEFFname, id \n"a,b",2\n3'), 'utf-8'), [['name', ' id '], ['a,b', '2']]);
    assert.deepEqual(csvHeadRows(Buffer.from('name,id\n3'), 'utf-8', { whole: true }), [['name', 'id'], ['3']]);
    assert.deepEqual(csvHeadRows(gbk('北京,id\n'), 'auto'), [['北京', 'id']]);
    // Auto: each field as UTF-8 when it is, else as GBK.
    assert.deepEqual(csvHeadRows(concat('é,id\n', gbk('张三'), ',é\n'), 'auto'), [['é', 'id'], ['张三', 'é']]);
    assert.deepEqual(csvHeadRows(gbk('张三,1\n'), 'utf-8'), []);
});

test('csv: random rows give idtool verify --column\'s counts, rows without the column among them', async () => {
    const folder = mkdtempSync(join(tmpdir(), 'idnumber-web-csv-'));
    try {
        let seed = 7;
        const next = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
        const pieces = ['11010519491231002X', '140302199001010018', ',', ',', '"', '""', '\r', '\n', '\r\n', ' ', 'x', '中'];
        for (let round = 0; round < 20; ++round) {
            let text = '';
            for (let i = 0; i < 400; ++i) text += pieces[Math.floor(next() * pieces.length)];
            text = text.replaceAll('"', next() < 0.5 ? '"' : '');
            const path = join(folder, 'rows.csv');
            writeFileSync(path, text);
            let summary;
            try {
                summary = execFileSync(idtool, ['verify', '--column', '2', '--no-header', '--summary', path],
                    { stdio: ['ignore', 'ignore', 'pipe'] }).toString();
            } catch (error) {
                summary = error.stderr.toString();
            }
            const counts = Object.fromEntries([...summary.matchAll(/(\d+) (valid|length|characters|check|date|no_column)/g)]
                .map((match) => [match[2], Number(match[1])]));
            const { results, unterminatedLine } = await verifyFile(idnumber, { file: new Blob([text]), encoding: 'utf-8',
                csv: { column: 1, headerRow: false } }, { pieceSize: 1 + round });
            if (unterminatedLine > 0) {
                assert.match(summary, new RegExp(`line ${unterminatedLine}: a quoted field is not closed`), text);
            } else {
                assert.deepEqual(results.counts, counts, JSON.stringify(text));
            }
        }
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
});

test('encodings: auto reads each line or cell as UTF-8 when it is, else GBK; UTF-8 refuses bytes that are none', async () => {
    const read = async (bytes, encoding, { column, pieceSize = 8 } = {}) => {
        const { results, encoding: used } = await verifyFile(idnumber, { file: new Blob([bytes]), encoding,
            csv: column === undefined ? null : { column, headerRow: true } }, { pieceSize });
        return [used, results.first.map((r) => r.input)];
    };
    assert.deepEqual(await read(Buffer.from('北京\n中\n'), 'auto'), ['utf-8', ['北京', '中']]);
    assert.deepEqual(await read(concat('1234567890\n'.repeat(3), gbk('北京\n')), 'auto'),
        ['gbk', ['1234567890', '1234567890', '1234567890', '北京']]);
    // UTF-8 and GBK lines in either order, in pieces that cut them anywhere;
    // a long UTF-8 line by its first 64 bytes, less the character they cut.
    const long = `${'1'.repeat(62)}中文`;
    const mixed = concat('é\n', gbk('北京\n'), '中\n', long, '\n', gbk('张三'), '\n１２\n');
    for (const pieceSize of [1 << 20, 1, 2, 3, 7, 64]) {
        assert.deepEqual(await read(mixed, 'auto', { pieceSize }),
            ['utf-8+gbk', ['é', '北京', '中', '1'.repeat(62), '张三', '１２']], `pieces of ${pieceSize}`);
    }
    // A CSV's cells too, and its header's fields say what the file was read as.
    assert.deepEqual(await read(concat(gbk('姓名'), ',id\n', gbk('张三'), ',1\n'), 'auto', { column: 1 }), ['gbk', ['1']]);
    assert.deepEqual(await read(concat('name,id\n', gbk('张三'), ',', gbk('北京'), '\n李四,中\n'), 'auto', { column: 1 }),
        ['utf-8+gbk', ['北京', '中']]);
    assert.deepEqual(await read(gbk('张三\n'), 'gbk'), ['gbk', ['张三']]);
    await assert.rejects(read(gbk('张三\n'), 'utf-8'), /不是有效的UTF-8/);
    await assert.rejects(read(concat('name,id\n', gbk('张三'), ',1\n'), 'utf-8', { column: 1 }), /不是有效的UTF-8/);
    // The strict form's edges, as the WHATWG decoder draws them.
    for (const bytes of [[0xc2, 0x80], [0xc1, 0xbf], [0xe0, 0x9f, 0x80], [0xed, 0xa0, 0x80], [0xed, 0x9f, 0xbf],
        [0xf0, 0x90, 0x80, 0x80], [0xf4, 0x90, 0x80, 0x80], [0xf5, 0x80, 0x80, 0x80], [0xe4, 0xb8], [0x80]]) {
        let valid = true;
        try {
            new TextDecoder('utf-8', { fatal: true }).decode(Uint8Array.from(bytes));
        } catch {
            valid = false;
        }
        assert.equal(isUtf8(Uint8Array.from(bytes), 0, bytes.length), valid, bytes.join(' '));
    }
});

test('csv of results: the hint in words, the message in its own column, formulas and separators neutralised', () => {
    const texts = ['11010519491231002X', '110105194912310021', '11010519491231002x', '110105491231002', '=1+1',
        'a;=1+1', 'b,;+1', '1;"@x"', ' 11010519491231002X ', '\u202E12'];
    const rows = texts.map((text, i) => csvRow(i + 1, text, idnumber.verify(text, { history: false })));
    assert.deepEqual(rows, [
        '1,11010519491231002X,通过,,,,X,="19491231",女,北京市,朝阳区,',
        '2,="110105194912310021",未通过,校验码错误,身份证未通过校验,,X,,,,,',
        `3,11010519491231002x,未通过,含非法字符,身份证未通过校验,${hintLabels.lowercase_x},X,,,,,`,
        `4,="110105491231002",未通过,长度错误,您输入的身份证号为15位，正确的应为18位,${hintLabels.fifteen_digits}11010519491231002X,,,,,,`,
        "5,'=1+1,未通过,长度错误,您输入的身份证号为4位，正确的应为18位,,,,,,,",
        "6,\"a;'=1+1\",未通过,长度错误,您输入的身份证号为6位，正确的应为18位,,,,,,,",
        "7,\"b,;'+1\",未通过,长度错误,您输入的身份证号为5位，正确的应为18位,,,,,,,",
        '8,"1;\'""@x""",未通过,长度错误,您输入的身份证号为6位，正确的应为18位,,,,,,,',
        `9, 11010519491231002X ,未通过,长度错误,您输入的身份证号为20位，正确的应为18位,${hintLabels.spaces},,,,,,`,
        '10,\u202E12,未通过,长度错误,您输入的身份证号为5位，正确的应为18位,,,,,,,',
    ]);
    assert.equal(csvHeaderRow(), '\uFEFF行号,号码,结果,原因,说明,提示,应为校验码,出生日期,性别,省,市,县');
    // Every cell a spreadsheet could split, or take for a formula, in either separator.
    for (const [value, field] of [['-1', "'-1"], ['@a', "'@a"], ['\tx', "'\tx"], ['\rx', "\"'\rx\""], ['a\tb', 'a\tb'],
        ['a\t=b', "a\t'=b"], ['a; -1', "\"a;' -1\""], ['x;y', '"x;y"'], ['x,y', '"x,y"'], ['007', '="007"'], ['', '']]) {
        assert.equal(csvField(value), field, JSON.stringify(value));
    }
});

test('csv of results: valid rows made from the columns are the records\' rows', async () => {
    const lines = Array.from({ length: 3000 }, (_, i) => idnumber.generate({ region: String(110101 + (i % 7) * 1),
        birth: String(19000101 + (i % 28) + 10000 * (i % 120)), count: 1, seed: i })[0]);
    lines.push('110105194912310021', '11010519491231002X');
    const results = new Results(idnumber);
    results.add(lines);
    const csv = Buffer.from(await results.csvBlob().arrayBuffer()).toString('utf8');
    const expected = [csvHeaderRow(), ...lines.map((line, i) => csvRow(i + 1, line, idnumber.verify(line, { history: false })))];
    assert.equal(csv, expected.join('\r\n') + '\r\n');
    assert.equal(results.counts.valid, 3001);
});

test('texts as shown: controls and bidirectional marks as escapes, isolated from what is around them', () => {
    assert.deepEqual(shownParts('\u202E11010519491231002X'), ['', '<U+202E>', '11010519491231002X']);
    assert.deepEqual(shownParts('1\r2\t3\0'), ['1', '<CR>', '2', '<TAB>', '3', '<NUL>', '']);
    assert.deepEqual(shownParts('\u2067a\u2069\u200Fb\uFEFF'), ['', '<U+2067>', 'a', '<U+2069>', '', '<U+200F>', 'b', '<U+FEFF>', '']);
    assert.deepEqual(shownParts('北京 ١٢٣'), ['北京 ١٢٣']);
    assert.equal(isolatedText('x\u202Ey'), '\u2068x<U+202E>y\u2069');
});

test('pasted text: lines as idtool reads them from a file', () => {
    const { results } = verifyText(idnumber, '\uFEFF11010519491231002X\r\n\n110105194912310021\n');
    assert.deepEqual(results.first.map((r) => [r.line, r.input, r.reason]),
        [[1, '11010519491231002X', null], [2, '', 'length'], [3, '110105194912310021', 'check']]);
});
