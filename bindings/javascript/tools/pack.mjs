// Packs the npm tarball of a release: the package as its users get it.
// It runs tools/prepack.mjs first (the module built from the repository's
// sources, the entries made, the package loaded), then packs, with
// `npm pack --ignore-scripts`, a copy of the package's files ("files" of
// package.json) whose package.json has no "scripts" and no
// "devDependencies": those are this folder's, for its tests and its tools,
// which the tarball does not hold, so a script there would name files that
// are not there. `npm pack` in this folder still works for development.
//
// Usage: node tools/pack.mjs DESTINATION
// Prints the tarball's file name.
import { execFileSync, spawnSync } from 'node:child_process';
import { copyFileSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const folder = fileURLToPath(new URL('..', import.meta.url));
const [destination] = process.argv.slice(2);
if (!destination) {
    process.stderr.write('usage: node tools/pack.mjs DESTINATION\n');
    process.exit(2);
}

const prepack = spawnSync(process.execPath, [join(folder, 'tools', 'prepack.mjs')], { cwd: folder, stdio: 'inherit' });
if (prepack.status !== 0) process.exit(prepack.status ?? 1);

const manifest = JSON.parse(readFileSync(join(folder, 'package.json'), 'utf8'));
const stage = mkdtempSync(join(tmpdir(), 'idnumber-pack-'));
try {
    for (const name of manifest.files) {
        mkdirSync(dirname(join(stage, name)), { recursive: true });
        copyFileSync(join(folder, name), join(stage, name));
    }
    const { scripts, devDependencies, ...released } = manifest;
    writeFileSync(join(stage, 'package.json'), `${JSON.stringify(released, null, 2)}\n`);
    const [packed] = JSON.parse(execFileSync('npm', ['pack', '--ignore-scripts', '--json', '--pack-destination',
        resolve(destination)], { cwd: stage, encoding: 'utf8', stdio: ['ignore', 'pipe', 'inherit'] }));
    process.stdout.write(`${packed.filename}\n`);
} finally {
    rmSync(stage, { recursive: true, force: true });
}
