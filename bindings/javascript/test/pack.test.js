// npm pack makes a tarball that installs into a new folder with no network
// and imports there, holding only the package's own files.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

const packageFolder = fileURLToPath(new URL('..', import.meta.url));

test('npm pack, then install and import offline in a temporary folder', () => {
    const folder = mkdtempSync(join(tmpdir(), 'idnumber-pack-'));
    try {
        const [packed] = JSON.parse(execFileSync('npm', ['pack', '--json', '--pack-destination', folder],
            { cwd: packageFolder, encoding: 'utf8' }));
        assert.deepEqual(packed.files.map((file) => file.path).sort(),
            ['README.md', 'idnumber.wasm', 'index.d.ts', 'index.js', 'package.json', 'wasi.js']);
        const project = join(folder, 'project');
        execFileSync('mkdir', [project]);
        writeFileSync(join(project, 'package.json'), '{"name":"try-idnumber","private":true,"type":"module"}');
        execFileSync('npm', ['install', '--offline', '--no-audit', '--no-fund', join(folder, packed.filename)],
            { cwd: project, encoding: 'utf8', env: { ...process.env, npm_config_registry: 'http://127.0.0.1:9/' } });
        const output = execFileSync(process.execPath, ['--input-type=module', '-e',
            "import { verify, generate } from 'idnumber';" +
            "const [n] = generate({ region: '110105', birth: '19491001', seed: 7 });" +
            "console.log(JSON.stringify([verify('11010519491231002X').county, verify(n).valid, n]));"],
        { cwd: project, encoding: 'utf8' });
        assert.deepEqual(JSON.parse(output), ['', true, '11010519491001805X']);
        console.log(`tarball ${packed.filename}: ${packed.size} bytes, unpacked ${packed.unpackedSize} bytes`);
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
});
