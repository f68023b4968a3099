// Makes the package's other entries from its one source, index.js:
//   init.js     the same module without its last statement, the top-level
//               `await init()`: it loads nothing at import, for pages and
//               bundlers that give init the module's URL or bytes;
//   index.cjs   the same code as CommonJS for require(), with wasi.js and
//               api_constants.js inside it, loading the module
//               synchronously at require;
//   index.d.cts index.d.ts as the declarations of index.cjs;
//   stream.cjs  stream.js as CommonJS, requiring index.cjs.
// The CMake build of the wasm preset and npm's prepack run it.
//
// Usage: node tools/generate.mjs [--check]
// Writes each file that differs from what it should be (by a rename, so
// that no reader ever sees half of one) and touches the others; --check
// writes nothing and fails, naming the files, when one is missing or stale.
import { readFileSync, renameSync, utimesSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

const folder = fileURLToPath(new URL('..', import.meta.url));

// The last statement of index.js, which init.js and index.cjs replace.
const AUTOLOAD = /\n\/\/ Loaded at import[^\n]*\nawait init\(\);\n$/;

// Replaces the one match of `pattern` in `text`, or fails: a change of
// index.js that this generator does not know must not pass unnoticed.
function replaceOnce(text, pattern, replacement, what) {
    const global = new RegExp(pattern.source, `${pattern.flags.replace('g', '')}g`);
    const count = [...text.matchAll(global)].length;
    if (count !== 1) throw new Error(`generate: index.js holds ${count} of ${what}, not one`);
    return text.replace(pattern, replacement);
}

function header(what, source = 'index.js') {
    return `// Generated from ${source} by tools/generate.mjs: ${what}\n// Edit ${source}, not this file.\n\n`;
}

export function initModule(index) {
    return header('the package without loading its module at import (call init or initSync first).') +
        replaceOnce(index, AUTOLOAD, '', 'the load at import');
}

export function commonJs(index, wasi, constants) {
    let code = index;
    // api_constants.js inside, in a scope of its own.
    let constantsBody = replaceOnce(constants, /^export const IDN = /m, 'const IDN = ', 'IDN in api_constants.js');
    constantsBody = replaceOnce(constantsBody, /^export const LAYOUT = /m, 'const LAYOUT = ', 'LAYOUT in api_constants.js');
    code = replaceOnce(code, /^import \{ IDN, LAYOUT \} from '\.\/api_constants\.js';\n/m,
        `const { IDN, LAYOUT } = (() => {\n// ---- api_constants.js\n${constantsBody}\nreturn { IDN, LAYOUT };\n})();\n`,
        'the import of api_constants.js');
    // wasi.js inside, in a scope of its own.
    const wasiBody = replaceOnce(wasi, /^export function wasiImports\(/m, 'function wasiImports(', 'wasiImports in wasi.js');
    code = replaceOnce(code, /^import \{ wasiImports \} from '\.\/wasi\.js';\n/m,
        `const { wasiImports } = (() => {\n// ---- wasi.js\n${wasiBody}\nreturn { wasiImports };\n})();\n`,
        'the import of wasi.js');
    code = replaceOnce(code, /import\.meta\.url/, "require('node:url').pathToFileURL(__filename)", 'import.meta.url');
    code = replaceOnce(code, /^const nodeBuiltin = .*$/m, 'const nodeBuiltin = (name) => require(name);', 'nodeBuiltin');
    code = replaceOnce(code, /^export default init;\n\n/m, '', 'the default export');

    // Every export, as the exports of the CommonJS module: a binding that
    // setUp assigns (REASONS, fields, version) by a getter, so that it is
    // read when asked for.
    const names = [];
    code = code.replace(/^export (function|class|const|let) ([A-Za-z_$][\w$]*)/gm, (_, kind, name) => {
        names.push([kind, name]);
        return `${kind} ${name}`;
    });
    const exportLines = ["Object.defineProperty(exports, '__esModule', { value: true });", 'exports.default = init;'];
    for (const [kind, name] of names) {
        exportLines.push(kind === 'let'
            ? `Object.defineProperty(exports, '${name}', { enumerable: true, get: function () { return ${name}; } });`
            : `exports.${name} = ${name};`);
    }
    code = replaceOnce(code, AUTOLOAD,
        `\n${exportLines.join('\n')}\n\n// Loaded at require, synchronously, from beside this file.\ninitSync();\n`, 'the load at import');
    if (/^(export|import) /m.test(code) || /^await /m.test(code) || code.includes('import.meta')) {
        throw new Error('generate: index.js holds an import, export or top-level await this generator does not know');
    }
    return `'use strict';\n${header('the package as CommonJS, for require(); wasi.js is inside it.')}${code}`;
}

export function streamCommonJs(stream) {
    let code = replaceOnce(stream, /^import \{ Transform \} from 'node:stream';\n/m, "const { Transform } = require('node:stream');\n",
        'the import of node:stream');
    code = replaceOnce(code, /^import \{ Redactor \} from '\.\/index\.js';\n/m, "const { Redactor } = require('./index.cjs');\n",
        'the import of index.js');
    code = replaceOnce(code, /^export function redactStream\(/m, 'function redactStream(', 'redactStream');
    if (/^(export|import) /m.test(code)) throw new Error('generate: stream.js holds an import or export this generator does not know');
    return `'use strict';\n${header('stream.js as CommonJS, for require().', 'stream.js')}${code}\nexports.redactStream = redactStream;\n`;
}

export function commonJsTypes(types) {
    return header('the declarations of index.cjs, the same as those of index.js.', 'index.d.ts') + types;
}

// The generated files' names and texts, from the sources in `from`.
export function generated(from = folder) {
    const read = (name) => readFileSync(join(from, name), 'utf8');
    const index = read('index.js');
    return {
        'init.js': initModule(index),
        'index.cjs': commonJs(index, read('wasi.js'), read('api_constants.js')),
        'index.d.cts': commonJsTypes(read('index.d.ts')),
        'stream.cjs': streamCommonJs(read('stream.js')),
    };
}

// The generated files that are missing or differ from their sources in `at`.
export function stale(at = folder) {
    return Object.entries(generated(at)).filter(([name, text]) => {
        try {
            return readFileSync(join(at, name), 'utf8') !== text;
        } catch {
            return true;
        }
    }).map(([name]) => name);
}

export function write(at = folder) {
    const outdated = stale(at);
    const now = new Date();
    for (const [name, text] of Object.entries(generated(at))) {
        // A file already right is only touched, so that a build sees it
        // newer than its sources.
        if (!outdated.includes(name)) {
            utimesSync(join(at, name), now, now);
            continue;
        }
        const temporary = join(at, `.${name}.${process.pid}.tmp`);
        writeFileSync(temporary, text);
        renameSync(temporary, join(at, name));
    }
    return outdated;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    if (process.argv[2] === '--check') {
        const outdated = stale();
        if (outdated.length > 0) {
            console.error(`generate: ${outdated.join(', ')} not made from the sources as they are: run node tools/generate.mjs`);
            process.exit(1);
        }
    } else {
        for (const name of write()) console.log(`generate: wrote ${name}`);
    }
}
