// find, redact and their streams beyond the corpus: offsets as string
// indexes, keys and options refused as JavaScript refuses, pieces of any
// size through a Node Transform, and texts far larger than a piece.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { Readable, Writable } from 'node:stream';
import { pipeline } from 'node:stream/promises';

import * as idn from '../index.js';
import { redactStream } from '../stream.js';

const key = new TextEncoder().encode('a key of thirty-two bytes, here!');
const asOf = '2024-06-30';

test('find: offsets are the string\'s own indexes, beyond the BMP and after lone surrogates', () => {
    const text = '😀\uD800 身份证号：11010519491231002X 与 ｛110105198001010 18X｝ 11010519800101018X';
    const found = idn.find(text, { asOf });
    assert.deepEqual(found.map((match) => text.slice(match.offset, match.offset + match.length)),
        ['11010519491231002X', '11010519800101018X']);
    assert.equal(found[0].confidence, 'high');
    assert.equal(found[0].keyword, '身份证号');
    const bytes = new TextEncoder().encode(text);
    assert.deepEqual(idn.find(bytes, { asOf }).map((match) => match.offset), found.map((match) => match.byteOffset));
});

test('options: a TypeError for a wrong type or an unknown name, a RangeError with the library\'s words for a value', () => {
    assert.throws(() => idn.redact('x', { way: 'token', key: 'a string key of 32 characters!!!' }), TypeError);
    assert.throws(() => idn.find('x', { minconfidence: 'low' }), /minconfidence is no option here/);
    assert.throws(() => idn.find('x', { encoding: 'gbk' }), /encoding is for bytes/);
    assert.throws(() => idn.find('x', { fifteenDigits: 1 }), TypeError);
    assert.throws(() => idn.redact('x', { keep: ['birth_year'] }), TypeError);
    assert.throws(() => idn.redact('x', { way: 'blur' }), { name: 'RangeError', code: 'IDN_ERROR_BAD_REDACTION', option: 'way' });
    assert.throws(() => idn.redact('x', { way: 'pseudonym' }),
        { code: 'IDN_ERROR_NO_KEY', option: 'key', message: 'key is required by the token and pseudonym ways of redaction' });
    const short = new Uint8Array(15);
    assert.throws(() => idn.redact('x', { way: 'token', key: short }), { code: 'IDN_ERROR_KEY_TOO_SHORT', message: 'key: must be at least 16 bytes, not 15' });
    assert.throws(() => idn.find('x', { asOf: '2023-02-29' }), { code: 'IDN_ERROR_AS_OF_DATE', option: 'asOf' });
    assert.throws(() => idn.redact('x', { first: 10, last: 8 }), { code: 'IDN_ERROR_MASK_RANGE', option: 'last' });
    assert.throws(() => idn.find(42), TypeError);
});

test('the ways: token and pseudonym the same for the same number in any form, the key never in an error', () => {
    const a = idn.redact('11010519491231002X', { way: 'token', key, asOf });
    assert.match(a, /^[0-9a-f]{16}$/);
    assert.equal(idn.redact('１１０１０５１９４９１２３１００２Ｘ', { way: 'token', key, asOf }), a);
    assert.match(idn.redact('11010519491231002X', { way: 'token', key, alphabet: 'base32', length: 20, asOf }), /^[A-Z2-7]{20}$/);
    const pseudonym = idn.redact('11010519491231002X', { way: 'pseudonym', key, keep: ['region', 'birthYear'], asOf });
    assert.equal(idn.verify(pseudonym, { yearLimit: 2024 }).valid, true);
    assert.equal(pseudonym.slice(0, 10), '1101051949');
    assert.equal(idn.redact('号：11010519491231002X', { way: 'label', label: '[ID]', asOf }), '号：[ID]');
    assert.equal(idn.redactNumber('11010519491231002X', { way: 'token', key, asOf }), a);
    assert.equal(idn.redactNumber('not a number', { asOf }), null);
    // GBK bytes stay GBK; the label is written in GBK.
    const gbk = Uint8Array.from([0xba, 0xc5, 0xc2, 0xeb, 0xa3, 0xba, ...new TextEncoder().encode('11010519491231002X')]);
    assert.deepEqual(idn.redact(gbk, { encoding: 'gbk', way: 'label', asOf }),
        Uint8Array.from([0xba, 0xc5, 0xc2, 0xeb, 0xa3, 0xba, 0x5b, 0xc9, 0xed, 0xb7, 0xdd, 0xd6, 0xa4, 0xba, 0xc5, 0x5d]));
    try {
        idn.redact('x', { way: 'token', key: new TextEncoder().encode('short key') });
    } catch (error) {
        assert.ok(!error.message.includes('short key'), 'the key is never echoed');
    }
});

test('a text far larger than a piece: found and redacted whole, the memory a piece\'s', () => {
    const line = '客户 11010519491231002X 已核验\n';
    const text = line.repeat(200000);   // 6.6 MB as UTF-8
    const before = idn.find('').length;
    const found = idn.find(text, { asOf });
    assert.equal(found.length, 200000 + before);
    assert.equal(found.at(-1).offset, text.length - line.length + 3);
    assert.equal(found.at(-1).line, 200000);
    const redacted = idn.redact(text, { asOf });
    assert.equal(redacted, '客户 110105********002X 已核验\n'.repeat(200000));
});

test('the Node stream: chunks of any size, a number across chunks found once, the summary at the end', async () => {
    const text = `${'日志 11010519491231002X 与 110105 19800101 018X；\n'.repeat(500)}末尾 11010519491231002X`;
    const bytes = Buffer.from(text);
    const expected = Buffer.from(idn.redact(text, { way: 'token', key, asOf }));
    for (const size of [1, 3, 7, 64, 4099]) {
        const chunks = [];
        for (let at = 0; at < bytes.length; at += size) chunks.push(bytes.subarray(at, at + size));
        const out = [];
        const stream = redactStream({ way: 'token', key, asOf });
        await pipeline(Readable.from(chunks), stream, new Writable({
            write(chunk, encoding, callback) {
                out.push(chunk);
                callback();
            },
        }));
        assert.deepEqual(Buffer.concat(out), expected, `chunks of ${size}`);
        assert.deepEqual(stream.summary().byForm.separated, 500);
        assert.equal(stream.summary().matches, 1001);
    }
    // A refused option is thrown at once, before any chunk.
    assert.throws(() => redactStream({ way: 'token' }), { code: 'IDN_ERROR_NO_KEY' });
    // A stream destroyed midway frees its scanner; the next one works.
    const dropped = redactStream({ asOf });
    dropped.write(bytes.subarray(0, 10));
    dropped.destroy();
    assert.equal(idn.redact('11010519491231002X', { asOf }), '110105********002X');
});

test('Finder and Redactor: pieces all of one type; many streams at once keep their own state', () => {
    const finder = new idn.Finder({ asOf });
    assert.throws(() => { finder.write('1101051949'); finder.write(new Uint8Array(1)); }, TypeError);
    const streams = Array.from({ length: 20 }, () => new idn.Redactor({ asOf }));
    const outputs = streams.map((redactor) => redactor.write('前 1101051949'));
    streams.forEach((redactor, i) => { outputs[i] += redactor.end(`1231002X 后${i}`); });
    assert.deepEqual(outputs, streams.map((_, i) => `前 110105********002X 后${i}`));
    streams.forEach((redactor) => redactor.close());
    assert.throws(() => streams[0].write('x'), /ended/);
});
