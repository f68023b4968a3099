// Loading the module in Node: init and initSync of 'idnumber/init' from each
// source they take, their refusals, and index.cjs beside index.js. Each
// case imports init.js afresh (a query makes it a module of its own), so
// that each starts with nothing loaded. The entries made from index.js must
// be what tools/generate.mjs makes of it now.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

import * as esm from '../index.js';
import { stale } from '../tools/generate.mjs';

const wasmUrl = new URL('../idnumber.wasm', import.meta.url);
const bytes = readFileSync(wasmUrl);
let fresh = 0;
const freshInit = () => import(`../init.js?fresh=${++fresh}`);
const works = (idn) => {
    assert.equal(idn.verify('11010519491231002X').sex, '女');
    assert.deepEqual(idn.generate({ region: '110105', birth: '19491001', seed: 7 }), ['11010519491001805X']);
};

test('init.js, index.cjs and index.d.cts are what tools/generate.mjs makes of the sources now', () => {
    assert.deepEqual(stale(), []);
});

test('init.js loads nothing at import; init takes every kind of source', async () => {
    const idn = await freshInit();
    assert.throws(() => idn.verify('1'), /not loaded yet: call await init\(\)/);
    assert.throws(() => idn.regions('x'), /not loaded yet/);
    assert.equal(idn.version, undefined);
    assert.equal(idn.default, idn.init);

    const module = await WebAssembly.compile(bytes);
    const sources = {
        'nothing (beside init.js)': undefined,
        'null': null,
        'a path': fileURLToPath(wasmUrl),
        'a file: URL': wasmUrl,
        'a file: URL as text': wasmUrl.href,
        'a Buffer': bytes,
        'an ArrayBuffer': bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length),
        'a DataView': new DataView(bytes.buffer, bytes.byteOffset, bytes.length),
        'a WebAssembly.Module': module,
        'a promise of bytes': Promise.resolve(bytes),
        'a Response of application/wasm': new Response(bytes, { headers: { 'content-type': 'application/wasm' } }),
        'a Response of another type': new Response(bytes, { headers: { 'content-type': 'application/octet-stream' } }),
        'a promise of a Response': Promise.resolve(new Response(bytes)),
    };
    for (const [what, source] of Object.entries(sources)) {
        const other = await freshInit();
        const loaded = await other.init(source);
        assert.ok(loaded instanceof WebAssembly.Module, what);
        works(other);
        assert.deepEqual([other.version, other.REASONS, other.fields], [esm.version, esm.REASONS, esm.fields], what);
        // Loaded: the same module, whatever is given.
        assert.equal(await other.init('/nowhere.wasm'), loaded, what);
        assert.equal(other.initSync(), loaded, what);
    }
});

test('init over HTTP, and what it says when a source is wrong; a failed load may be tried again', async (t) => {
    const server = createServer((request, response) => {
        if (request.url === '/idnumber.wasm') {
            response.writeHead(200, { 'content-type': 'application/wasm' });
            response.end(bytes);
        } else if (request.url === '/page.html') {
            response.writeHead(200, { 'content-type': 'text/html' });
            response.end('<!doctype html><title>not found</title>');
        } else {
            response.writeHead(404);
            response.end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    t.after(() => server.close());
    const origin = `http://127.0.0.1:${server.address().port}`;

    const idn = await freshInit();
    await assert.rejects(idn.init(`${origin}/missing.wasm`), { message: `idnumber: cannot load ${origin}/missing.wasm: HTTP 404` });
    await assert.rejects(idn.init(`${origin}/page.html`), /idnumber: http:.*page\.html is no WebAssembly module/);
    await assert.rejects(idn.init(new Uint8Array([0, 97, 115, 109, 9, 9])), /the bytes given is no WebAssembly module/);
    await assert.rejects(idn.init('/no/such/folder/idnumber.wasm'), { code: 'ENOENT' });
    await assert.rejects(idn.init(42), { name: 'TypeError', message: /URL, a Request, a Response, its bytes.*not number 42/ });
    // A module that is not idnumber.wasm: the smallest there is.
    await assert.rejects(idn.init(new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0])), /is not idnumber.wasm/);
    assert.throws(() => idn.verify('1'), /not loaded yet/);

    // Two calls while loading share one load.
    const first = idn.init(new URL(`${origin}/idnumber.wasm`));
    const second = idn.init(`${origin}/missing.wasm`);
    assert.equal(first, second);
    await first;
    works(idn);
    const other = await freshInit();
    await other.init(new Request(`${origin}/idnumber.wasm`));
    works(other);
});

test('initSync from bytes, a module or, in Node, the file beside init.js; a text over 4 MiB in its own instance', async () => {
    // Without a source, the file is read where Node has process.getBuiltinModule (20.16, 22.3 on).
    const canRead = typeof process.getBuiltinModule === 'function';
    if (!canRead) assert.throws((await freshInit()).initSync, { name: 'TypeError', message: /reads no file synchronously/ });
    for (const source of [bytes, new Uint8Array(bytes).buffer, new WebAssembly.Module(bytes), ...(canRead ? [undefined] : [])]) {
        const idn = await freshInit();
        assert.ok(idn.initSync(source) instanceof WebAssembly.Module);
        works(idn);
        // A text over 4 MiB runs in a short-lived instance made synchronously.
        assert.equal(idn.mask('1'.repeat(5 << 20)).length, 5 << 20);
        assert.equal(idn.verify('1'.repeat(5 << 20)).message, '您输入的身份证号为5242880位，正确的应为18位');
    }
    const idn = await freshInit();
    assert.throws(() => idn.initSync('idnumber.wasm'), { name: 'TypeError', message: /its bytes .* or a WebAssembly.Module, not string/ });
    assert.throws(() => idn.initSync(new Uint8Array(8)), /the bytes given is no WebAssembly module/);
    assert.throws(() => idn.verify('1'), /not loaded yet/);
});

test('index.cjs gives what index.js gives', () => {
    const cjs = createRequire(import.meta.url)('../index.cjs');
    assert.deepEqual(Object.keys(cjs).sort(), Object.keys(esm).sort());
    assert.equal(cjs.default, cjs.init);
    const texts = ['11010519491231002X', '110105194912310021', '11010519491231002x', '110105491231002', '身'.repeat(30)];
    assert.deepEqual(cjs.verifyMany(texts).toArray(), esm.verifyMany(texts).toArray());
    assert.deepEqual([...cjs.verdictCodes(texts)], [...esm.verdictCodes(texts)]);
    const options = { region: '阳泉市/城区', bornBetween: ['19800101', '19891231'], sex: 'female', count: 20, seed: 2n ** 64n - 1n };
    assert.deepEqual(cjs.generate(options), esm.generate(options));
    assert.deepEqual([...cjs.generator({ ...options, count: 3 })], esm.generate({ ...options, count: 3 }));
    assert.deepEqual(cjs.regions('阳泉'), esm.regions('阳泉'));
    assert.deepEqual(cjs.history(110105), esm.history(110105));
    assert.deepEqual(cjs.pickerList('provinces'), esm.pickerList('provinces'));
    assert.deepEqual([cjs.upgrade('110105491231002'), cjs.mask('11010519491231002X'), cjs.kind('11010519491231002X')],
        [esm.upgrade('110105491231002'), esm.mask('11010519491231002X'), esm.kind('11010519491231002X')]);
    assert.deepEqual([cjs.version, cjs.REASONS, cjs.fields], [esm.version, esm.REASONS, esm.fields]);
    assert.throws(() => cjs.generate({ region: '城区', birth: '19900101' }),
        (error) => error instanceof RangeError && error.code === 'IDN_ERROR_REGION_AMBIGUOUS' && error.option === 'region');
    assert.equal(cjs.mask('1'.repeat(5 << 20)).length, 5 << 20);
});
