// The tarball as npm users get it: npm pack (whose prepack builds the
// module and makes the entries) holds exactly the package's files, and,
// installed offline into a new project, loads by import, by require and
// by 'idnumber/init' with init(), and its declarations serve TypeScript
// for import and for require. A copy of this folder without the module
// and outside the repository cannot be packed, and says what to run.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { copyFileSync, cpSync, existsSync, mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

import { generated } from '../tools/generate.mjs';

// The release's version, which sync_version.py writes into package.json.
const packageVersion = JSON.parse(readFileSync(new URL('../package.json', import.meta.url), 'utf8')).version;

const packageFolder = fileURLToPath(new URL('..', import.meta.url));
// No registry: the package has no dependencies, so the install needs none.
const offline = { ...process.env, npm_config_registry: 'http://127.0.0.1:9/', npm_config_offline: 'true' };
const packageFiles = ['LICENSE', 'README.md', 'api_constants.js', 'idnumber.wasm', 'index.cjs', 'index.d.cts', 'index.d.ts',
    'index.js', 'init.js', 'package.json', 'stream.cjs', 'stream.d.ts', 'stream.js', 'wasi.js'];

function pack(folder, destination) {
    const [packed] = JSON.parse(execFileSync('npm', ['pack', '--json', '--pack-destination', destination],
        { cwd: folder, encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] }));
    return packed;
}

function temporary(t, prefix) {
    const folder = mkdtempSync(join(tmpdir(), prefix));
    t.after(() => rmSync(folder, { recursive: true, force: true }));
    return folder;
}

// Runs a script file written into `project`, returning what it printed as JSON.
function run(project, name, code) {
    writeFileSync(join(project, name), code);
    return JSON.parse(execFileSync(process.execPath, [name], { cwd: project, encoding: 'utf8' }));
}

test('npm pack, then install offline into a new project: import, require and idnumber/init', (t) => {
    const folder = temporary(t, 'idnumber-pack-');
    const packed = pack(packageFolder, folder);
    assert.deepEqual(packed.files.map((file) => file.path).sort(), packageFiles);
    t.diagnostic(`${packed.filename}: ${packed.size} bytes, unpacked ${packed.unpackedSize} bytes`);

    const project = join(folder, 'project');
    mkdirSync(project);
    writeFileSync(join(project, 'package.json'), '{"name":"try-idnumber","private":true}');
    execFileSync('npm', ['install', '--no-audit', '--no-fund', join(folder, packed.filename)],
        { cwd: project, encoding: 'utf8', env: offline });

    // The library's version (the C API's), then the package's (the release's).
    const expected = ['', true, '11010519491001805X', '3.0.0'];
    const use = (idn) => `const [n] = ${idn}.generate({ region: '110105', birth: '19491001', seed: 7 });
        const answer = [${idn}.verify('11010519491231002X').county, ${idn}.verify(n).valid, n, ${idn}.version];`;
    // import: loaded at import, init() resolves at once to the module.
    assert.deepEqual(run(project, 'esm.mjs', `import * as idn from 'idnumber';
        ${use('idn')}
        const { redactStream } = await import('idnumber/stream');
        answer.push((await idn.init()) instanceof WebAssembly.Module, idn.default === idn.init && typeof redactStream === 'function');
        console.log(JSON.stringify(answer));`), [...expected, true, true]);
    // require: loaded at require, synchronously.
    assert.deepEqual(run(project, 'cjs.cjs', `const idn = require('idnumber');
        ${use('idn')}
        answer.push(require('idnumber/package.json').version, typeof idn.initSync, idn.mask('1'.repeat(5 << 20)).length,
            typeof require('idnumber/stream').redactStream);
        console.log(JSON.stringify(answer));`), [...expected, packageVersion, 'function', 5 << 20, 'function']);
    // idnumber/init: nothing loaded until init is given the module.
    assert.deepEqual(run(project, 'init.mjs', `import { readFileSync } from 'node:fs';
        import { createRequire } from 'node:module';
        import * as idn from 'idnumber/init';
        let before;
        try { idn.verify('1'); } catch (error) { before = error.message; }
        await idn.init(readFileSync(createRequire(import.meta.url).resolve('idnumber/idnumber.wasm')));
        ${use('idn')}
        answer.push(before);
        console.log(JSON.stringify(answer));`),
    [...expected, 'idnumber: idnumber.wasm is not loaded yet: call await init() (or initSync with its bytes) first']);

    // The declarations, as TypeScript finds them for import and for require
    // (Debian's tsc; its DOM library declares Request, Response and WebAssembly).
    if (spawnSync('tsc', ['--version']).status !== 0) {
        t.diagnostic('no tsc: the declarations are not checked (apt-get install node-typescript)');
        return;
    }
    writeFileSync(join(project, 'esm.mts'), `import init, { verify, generate, initSync, find, redact, REASONS, type VerifyRecord, type Match } from 'idnumber';
        import { redactStream, type RedactStream } from 'idnumber/stream';
        import * as manual from 'idnumber/init';
        const record: VerifyRecord = verify('11010519491231002X');
        const numbers: string[] = generate({ region: '110105', birth: '19491001', seed: 7n, count: 2n ** 60n });
        const module: WebAssembly.Module = await init(fetch('/idnumber.wasm'));
        await manual.init(new URL('file:///idnumber.wasm'));
        const reason: 'length' | 'characters' | 'check' | 'date' | null = REASONS[1];
        initSync(module);
        const matches: Match[] = find('11010519491231002X', { minConfidence: 'high', asOf: new Date() });
        const text: string = redact('11010519491231002X', { way: 'token', key: new Uint8Array(16), keep: ['birthYear'] });
        const stream: RedactStream = redactStream({ encoding: 'gbk' });
        console.log(record, numbers, reason, manual.version, matches[0]?.offset, text, stream.summary().matches);`);
    writeFileSync(join(project, 'cjs.cts'), `import idn = require('idnumber');
        import init from 'idnumber';
        const valid: boolean = idn.verify('11010519491231002X').valid;
        const loaded: Promise<WebAssembly.Module> = init(new Uint8Array(8));
        console.log(valid, loaded, idn.generator({ region: '110105', birth: '19491001' }).count);`);
    writeFileSync(join(project, 'wrong.cts'), `import idn = require('idnumber');
        const valid: number = idn.verify('1').valid;`);
    const tsc = (...files) => spawnSync('tsc', ['--noEmit', '--strict', '--module', 'node16', '--moduleResolution', 'node16',
        '--target', 'es2022', '--lib', 'es2022,dom', ...files], { cwd: project, encoding: 'utf8' });
    const checked = tsc('esm.mts', 'cjs.cts');
    assert.equal(checked.status, 0, checked.stdout);
    assert.match(tsc('wrong.cts').stdout, /wrong\.cts\(2,\d+\): error TS2322: Type 'boolean' is not assignable to type 'number'/);
});

test('npm pack of a copy without idnumber.wasm, outside the repository: refused, saying what to run', (t) => {
    const copy = temporary(t, 'idnumber-copy-');
    for (const name of ['package.json', 'index.js', 'index.d.ts', 'wasi.js', 'api_constants.js', 'stream.js', 'stream.d.ts', 'README.md']) {
        copyFileSync(join(packageFolder, name), join(copy, name));
    }
    cpSync(join(packageFolder, 'tools'), join(copy, 'tools'), { recursive: true });
    const refused = spawnSync('npm', ['pack', '--json'], { cwd: copy, encoding: 'utf8' });
    assert.notEqual(refused.status, 0);
    assert.match(refused.stderr, /idnumber\.wasm is missing, and this folder is not in the idnumber repository/);
    assert.match(refused.stderr, /cmake --preset wasm && cmake --build --preset wasm/);
    assert.deepEqual(readdirSync(copy).filter((name) => name.endsWith('.tgz')), []);

    // With the module there (and the LICENSE), it packs it as it is, and
    // makes the entries afresh from index.js, over stale ones.
    copyFileSync(join(packageFolder, 'idnumber.wasm'), join(copy, 'idnumber.wasm'));
    copyFileSync(join(packageFolder, 'LICENSE'), join(copy, 'LICENSE'));
    writeFileSync(join(copy, 'index.cjs'), 'stale');
    const packed = pack(copy, copy);
    assert.deepEqual(packed.files.map((file) => file.path).sort(), packageFiles);
    assert.equal(execFileSync('tar', ['-xOzf', join(copy, packed.filename), 'package/index.cjs'], { encoding: 'utf8' }),
        generated(packageFolder)['index.cjs']);
    assert.ok(existsSync(join(copy, 'init.js')));
});
