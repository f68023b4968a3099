// npm pack and npm publish run this first (package.json's prepack), so
// that no tarball lacks what the package needs: idnumber.wasm, built from
// the repository's sources by its wasm preset where the tools are there,
// the entries tools/generate.mjs makes from index.js, and the LICENSE.
// Where the module can be neither built nor found, it stops with what to
// run. It then loads the package as import and require give it.
//
// Everything it says goes to standard error: npm pack --json writes its
// answer on standard output.
import { spawnSync } from 'node:child_process';
import { chmodSync, copyFileSync, existsSync, readFileSync, realpathSync } from 'node:fs';
import { delimiter, join } from 'node:path';
import { fileURLToPath } from 'node:url';

import { write } from './generate.mjs';

const folder = fileURLToPath(new URL('..', import.meta.url));
const top = join(folder, '..', '..');
const say = (text) => process.stderr.write(`idnumber prepack: ${text}\n`);

function stop(text) {
    say(text);
    process.exit(1);
}

const onPath = (program) => (process.env.PATH ?? '').split(delimiter)
    .some((directory) => directory !== '' && existsSync(join(directory, program)));

// This folder is bindings/javascript of the repository when the top beside
// it has the project's presets and C API.
function inRepository() {
    try {
        return existsSync(join(top, 'CMakePresets.json')) && existsSync(join(top, 'capi', 'idnumber.h')) &&
            realpathSync(join(top, 'bindings', 'javascript')) === realpathSync(folder);
    } catch {
        return false;
    }
}

const howToBuild = `From the top of the idnumber repository, build the module, then pack again:
    cmake --preset wasm && cmake --build --preset wasm
It needs cmake, ninja-build, clang-14, lld-14, wasi-libc, libc++-14-dev-wasm32, libc++abi-14-dev-wasm32 and
libclang-rt-14-dev-wasm32 (Debian 12); scripts/test-javascript.sh installs them and builds it too.`;

const tools = ['cmake', 'ninja', 'clang-14', 'clang++-14', 'wasm-ld'];
const missingTools = tools.filter((tool) => !onPath(tool) && !(tool === 'wasm-ld' && onPath('wasm-ld-14')));
const wasm = join(folder, 'idnumber.wasm');

if (!inRepository()) {
    if (!existsSync(wasm)) stop(`idnumber.wasm is missing, and this folder is not in the idnumber repository, where it is built.\n${howToBuild}`);
    say('not in the idnumber repository: packing the idnumber.wasm that is here, not rebuilt');
} else if (missingTools.length > 0) {
    if (!existsSync(wasm)) stop(`idnumber.wasm is missing, and it cannot be built here: no ${missingTools.join(', ')}.\n${howToBuild}`);
    say(`no ${missingTools.join(', ')}: packing the idnumber.wasm that is here, not rebuilt`);
} else {
    // The build is incremental: it rebuilds what changed and copies the
    // module here (the CMake of this folder).
    for (const args of [['--preset', 'wasm'], ['--build', '--preset', 'wasm']]) {
        say(`cmake ${args.join(' ')}`);
        const run = spawnSync('cmake', args, { cwd: top, stdio: ['ignore', 2, 2] });
        if (run.status !== 0) stop(`cmake ${args.join(' ')} failed.\n${howToBuild}`);
    }
    if (!existsSync(wasm)) stop(`the build made no ${wasm}`);
}
// The linker leaves the module executable; in the tarball it is data.
chmodSync(wasm, 0o644);

const license = join(top, 'LICENSE');
if (inRepository()) copyFileSync(license, join(folder, 'LICENSE'));
for (const name of write(folder)) say(`made ${name}`);

const { files } = JSON.parse(readFileSync(join(folder, 'package.json'), 'utf8'));
const absent = files.filter((name) => !existsSync(join(folder, name)));
if (absent.length > 0) stop(`missing: ${absent.join(', ')}.\n${howToBuild}`);

// The package as its users load it: import (the module loaded at import),
// require, and init.js with init().
const check = `
    const esm = await import('./index.js');
    const cjs = (await import('node:module')).createRequire(import.meta.url)('./index.cjs');
    const manual = await import('./init.js');
    await manual.init();
    for (const face of [esm, cjs, manual]) {
        if (face.verify('11010519491231002X').valid !== true) throw new Error('a valid number refused');
    }`;
const loaded = spawnSync(process.execPath, ['--input-type=module', '-e', check], { cwd: folder, stdio: ['ignore', 2, 2] });
if (loaded.status !== 0) stop('the package does not load as import, require and init.js give it (above)');
