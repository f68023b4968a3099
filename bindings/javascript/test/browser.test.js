// The package in a page with no bundler, in Debian's Chromium (driven by
// playwright-core; never a downloaded browser): served from 127.0.0.1, the
// page maps 'idnumber' to init.js with an import map and loads the module
// with init from a URL elsewhere, a response, its bytes or a compiled
// module, or with initSync on the main thread and in a worker; index.js
// loads the module beside it at import. The server answers 404 for the
// idnumber.wasm beside init.js, which nothing may ask for.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

import * as idn from '../index.js';

const packageFolder = fileURLToPath(new URL('..', import.meta.url));
const packageVersion = JSON.parse(readFileSync(new URL('../package.json', import.meta.url), 'utf8')).version;
const WASM = `/assets/idnumber-${packageVersion}.wasm`;
const page = `<!doctype html>
<meta charset="utf-8">
<title>idnumber without a bundler</title>
<script type="importmap">{"imports": {"idnumber": "/idnumber/init.js"}}</script>`;
const worker = `import { initSync, verify } from '/idnumber/init.js';
onmessage = ({ data }) => {
    initSync(data);
    postMessage(verify('11010519491231002X'));
};`;

const served = [];
let server;
let origin;
let browser;
let profile;
let tab;

// What the server holds: the page, the worker, the package's scripts under
// /idnumber/ (its module only elsewhere) and under /auto/ (with its module).
function file(path) {
    if (path === '/' || path === '/index.html') return ['text/html; charset=utf-8', page];
    if (path === '/worker.js') return ['text/javascript', worker];
    if (path === WASM || path === '/auto/idnumber.wasm') return ['application/wasm', readFileSync(join(packageFolder, 'idnumber.wasm'))];
    const match = /^\/(idnumber|auto)\/(index\.js|init\.js|wasi\.js|api_constants\.js)$/.exec(path);
    return match ? ['text/javascript', readFileSync(join(packageFolder, match[2]))] : null;
}

before(async () => {
    server = createServer((request, response) => {
        const path = new URL(request.url, 'http://localhost').pathname;
        served.push(path);
        const found = file(path);
        response.writeHead(found ? 200 : 404, { 'content-type': found?.[0] ?? 'text/plain', 'cache-control': 'no-store' });
        response.end(found?.[1]);
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    origin = `http://127.0.0.1:${server.address().port}`;
    profile = mkdtempSync(join(tmpdir(), 'idnumber-chromium-'));
    browser = await chromium.launchPersistentContext(profile, {
        executablePath: '/usr/bin/chromium',
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
            '--no-first-run', '--disable-sync'],
    });
    tab = await browser.newPage();
    await tab.goto(`${origin}/`);
});

after(async () => {
    await browser?.close();
    if (profile) rmSync(profile, { recursive: true, force: true });
    await new Promise((resolve) => (server ? server.close(resolve) : resolve()));
});

const record = idn.verify('11010519491231002X');
const numbers = idn.generate({ region: '110105', birth: '19491001', count: 3, seed: 7 });

test('a page with no bundler: import \'idnumber\', then init from a URL, a response, bytes or a module', async () => {
    const results = await tab.evaluate(async (wasm) => {
        const answers = {};
        // Each case imports init.js afresh (a query makes a module of its
        // own), with nothing loaded.
        let fresh = 0;
        const use = async (what, load, specifier = `/idnumber/init.js?${++fresh}`) => {
            const idn = await import(specifier);
            let before = null;
            try {
                idn.verify('1');
            } catch (error) {
                before = error.message;
            }
            const module = await load(idn);
            answers[what] = {
                before,
                module: module instanceof WebAssembly.Module,
                record: idn.verify('11010519491231002X'),
                numbers: idn.generate({ region: '110105', birth: '19491001', count: 3, seed: 7 }),
                // Over 4 MiB: a short-lived instance, made synchronously on the main thread.
                masked: idn.mask('1'.repeat(5 << 20)).length,
                version: idn.version,
            };
        };
        await use('a URL as text, by the import map', (idn) => idn.default(wasm), 'idnumber');
        await use('a URL', (idn) => idn.init(new URL(wasm, location.href)));
        await use('a promise of a Response', (idn) => idn.init(fetch(wasm)));
        await use('a Request', (idn) => idn.init(new Request(wasm)));
        const bytes = await (await fetch(wasm)).arrayBuffer();
        await use('an ArrayBuffer', (idn) => idn.init(bytes));
        await use('a Uint8Array', (idn) => idn.init(new Uint8Array(bytes)));
        await use('a WebAssembly.Module', async (idn) => idn.init(await WebAssembly.compile(bytes)));
        await use('initSync of the bytes', async (idn) => idn.initSync(bytes));
        return answers;
    }, WASM);
    assert.equal(Object.keys(results).length, 8);
    for (const [what, answer] of Object.entries(results)) {
        assert.deepEqual(answer, {
            before: 'idnumber: idnumber.wasm is not loaded yet: call await init() (or initSync with its bytes) first',
            module: true, record, numbers, masked: 5 << 20, version: idn.version,
        }, what);
    }
    const failed = await tab.evaluate(async () => {
        const idn = await import('/idnumber/init.js?missing');
        return idn.init('/assets/missing.wasm').catch((error) => error.message);
    });
    assert.equal(failed, `idnumber: cannot load /assets/missing.wasm: HTTP 404`);
});

test('a worker given the compiled module loads it with initSync', async () => {
    const answer = await tab.evaluate(async (wasm) => {
        const module = await WebAssembly.compileStreaming(fetch(wasm));
        const worker = new Worker('/worker.js', { type: 'module' });
        const reply = new Promise((resolve, reject) => {
            worker.onmessage = ({ data }) => resolve(data);
            worker.onerror = (event) => reject(new Error(event.message));
        });
        worker.postMessage(module);
        const result = await reply;
        worker.terminate();
        return result;
    }, WASM);
    assert.deepEqual(answer, record);
});

test('index.js loads the module beside it at import', async () => {
    const answer = await tab.evaluate(async () => {
        const idn = await import('/auto/index.js');
        return [idn.verify('11010519491231002X'), await idn.init() instanceof WebAssembly.Module];
    });
    assert.deepEqual(answer, [record, true]);
    // Nothing asked for the module beside init.js.
    assert.ok(!served.includes('/idnumber/idnumber.wasm'), served.join(' '));
    assert.ok(served.includes('/auto/idnumber.wasm'));
});

test('verifyMany in the page: the records Node makes, texts beyond ASCII among ASCII ones', async () => {
    // A chunk holding bytes 0x80-0x9F (of € and Š), which browsers decode
    // as Latin-1 otherwise than Node does, a unit a byte all the same.
    const texts = ['11010519491231002X', '€11010519491231002X', '11010519491231002x', 'Š'.repeat(40), '110105491231002',
        '512201198001010012', '１１０１０５１９４９１２３１００２Ｘ', '140302199001010018'];
    const answer = await tab.evaluate(async (given) => {
        const idn = await import('/auto/index.js');
        return idn.verifyMany(given).toArray();
    }, texts);
    assert.deepEqual(answer, idn.verifyMany(texts).toArray());
});
