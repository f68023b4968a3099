// idnumber: PRC resident identity numbers (18 characters) verified, made
// up and found in text by the project's C API compiled to WebAssembly
// (idnumber.wasm, beside this file), for Node 18+ and browsers, with no
// dependency and nothing sent anywhere.
//
// Offers verify and verifyMany (the fields of `idtool verify --format
// jsonl`), verdictCodes, kind, age, generate and generator (the numbers of
// `idtool generate` for the same seed), regions, regionRecord, pickerList
// (the dialog's cascading lists), history, upgrade and mask; find, redact,
// findMany, redactMany, redactNumber and the incremental Finder and Redactor (stream.js
// makes a Node Transform of a Redactor); and init and initSync, which load
// the module from a URL, a response or its bytes. The module is compiled
// and instantiated once; every function after that is synchronous.
//
// This file is the one source of the package's code. As it is, it loads
// idnumber.wasm from beside itself at import (the top-level await at its
// end). tools/generate.mjs makes the other entries from it: init.js, the
// same without that last statement (the caller loads the module with init),
// and index.cjs for require(), which loads the module synchronously.
//
// The C API owns every rule, size and message; this file translates
// JavaScript values into its arguments and its answers into JavaScript
// values. Every status, enumerator, struct offset and struct size comes
// from api_constants.js (generated from the header, and held to wasm32's
// compiler by wasm_support.cpp), and the sizes of buffers from idn_size_of.
//
// Memory: the C API allocates nothing. Above __heap_base this file keeps a
// small area for structs and the texts the C API writes, then the scanners
// of the finds and redactions under way (each stays where it is for its
// stream's life), and above them a growing area for inputs and batches.
// JavaScript runs one call at a time, but a call may run the caller's code
// (a getter of an array item or an option, onWarning, an iterator): every
// call reads the caller's values before it writes any of them into memory,
// and copies out what it needs before calling back, so that a call made
// meanwhile may use the same areas. A text too big for the areas this
// instance keeps is handled by a short-lived instance of its own, whose
// memory is freed with it, since a WebAssembly memory never shrinks; a scan
// reads any text in pieces of bounded size instead.

import { IDN, LAYOUT } from './api_constants.js';
import { wasiImports } from './wasi.js';

const {
    IDN_OK, IDN_ERROR_BUFFER_TOO_SMALL, IDN_ERROR_NOT_FOUND, IDN_ERROR_AS_OF_YEAR, IDN_ERROR_COUNT_RANGE,
    IDN_ERROR_SEED_RANGE, IDN_ERROR_YEAR_LIMIT, IDN_ERROR_BAD_DATE, IDN_PICKER_MUNICIPALITIES, IDN_PICKER_PROVINCES,
    IDN_VERIFY_JSON_HISTORY, IDN_REASON_LENGTH, IDN_HINT_FIFTEEN_DIGITS, IDN_SEX_MALE, IDN_SEX_FEMALE,
    IDN_KIND_FOREIGNER_CARD, IDN_CONFIDENCE_MEDIUM,
} = IDN;
const INT32_MIN = -(2 ** 31);
const INT32_MAX = 2 ** 31 - 1;
// What the setters of 64-bit values take: idn_generator_set_integer's
// int64_t and _set_unsigned's uint64_t. A BigInt beyond both is refused
// here, with the library's message.
const INT64_MIN = -(2n ** 63n);
const INT64_MAX = 2n ** 63n - 1n;
const UINT64_MAX = 2n ** 64n - 1n;

// Struct members as indexes of 32-bit words (every member this file reads
// as a word lies at a multiple of 4).
const wordsOf = (layout) => Object.fromEntries(Object.entries(layout).map(([name, at]) => [name, at >> 2]));
const VERDICT = wordsOf(LAYOUT.verdict);
const REGION = wordsOf(LAYOUT.region);
const HISTORY_RECORD = wordsOf(LAYOUT.historyRecord);
const SUCCESSOR = wordsOf(LAYOUT.successor);
const PRESENT_CODE = wordsOf(LAYOUT.presentCode);
const REGION_INFO = wordsOf(LAYOUT.regionInfo);

// This package's words for the options, by idn_option_t: what the
// library's messages name them (one bornBetween for both ends, as the
// library then words a missing end; asOf is a generation's year and a
// scan's date)...
const optionWords = {
    [IDN.IDN_OPTION_REGION]: 'region', [IDN.IDN_OPTION_BIRTH]: 'birth', [IDN.IDN_OPTION_BORN_FROM]: 'bornBetween',
    [IDN.IDN_OPTION_BORN_TO]: 'bornBetween', [IDN.IDN_OPTION_SEX]: 'sex', [IDN.IDN_OPTION_COUNT]: 'count',
    [IDN.IDN_OPTION_SEED]: 'seed', [IDN.IDN_OPTION_AS_OF_YEAR]: 'asOf', [IDN.IDN_OPTION_YEAR_LIMIT]: 'yearLimit',
    [IDN.IDN_OPTION_ENCODING]: 'encoding', [IDN.IDN_OPTION_FIFTEEN_DIGITS]: 'fifteenDigits',
    [IDN.IDN_OPTION_MIN_CONFIDENCE]: 'minConfidence', [IDN.IDN_OPTION_AS_OF_DATE]: 'asOf',
    [IDN.IDN_OPTION_REDACTION]: 'way', [IDN.IDN_OPTION_MASK_FIRST]: 'first', [IDN.IDN_OPTION_MASK_LAST]: 'last',
    [IDN.IDN_OPTION_LABEL]: 'label', [IDN.IDN_OPTION_KEY]: 'key', [IDN.IDN_OPTION_TOKEN_ALPHABET]: 'alphabet',
    [IDN.IDN_OPTION_TOKEN_LENGTH]: 'length', [IDN.IDN_OPTION_KEEP]: 'keep',
};
// ... and the parameter an error's `option` and this package's own type
// errors point at, each end of the range by itself.
const optionParameters = {
    ...optionWords, [IDN.IDN_OPTION_BORN_FROM]: 'bornBetween[0]', [IDN.IDN_OPTION_BORN_TO]: 'bornBetween[1]',
};
const NAME_COUNT = Math.max(...Object.keys(optionWords).map(Number)) + 1;

// ---- Loading -----------------------------------------------------------------
//
// init(source) and initSync(source) are defined at the end of this file,
// once everything they set up is declared; these are their parts.

const isNode = typeof process === 'object' && process !== null && typeof process.versions?.node === 'string';

// Where idnumber.wasm is when init is given no source: beside this file.
// Bundlers that know this form (webpack 5, Vite, Parcel) copy the file into
// the bundle and rewrite the URL.
const besideThisFile = () => new URL('./idnumber.wasm', import.meta.url);

// A Node built-in module got synchronously, where the host can (Node 20.16
// and 22.3 on; index.cjs uses require); undefined elsewhere.
const nodeBuiltin = (name) => globalThis.process?.getBuiltinModule?.(name);

let compiled = null;    // the WebAssembly.Module, once loaded
let webCrypto = null;   // what draws a seed: globalThis.crypto or Node's webcrypto
let loading = null;     // init's promise while it runs

const isBytes = (value) => ArrayBuffer.isView(value) ||
    ['[object ArrayBuffer]', '[object SharedArrayBuffer]'].includes(Object.prototype.toString.call(value));
const isResponse = (value) => typeof value === 'object' && value !== null &&
    typeof value.arrayBuffer === 'function' && typeof value.ok === 'boolean';
const isRequest = (value) => typeof Request === 'function' && value instanceof Request;

// In Node, the file a URL or path names (a string that is no http:, https:,
// data: or blob: URL is a path); null for what fetch loads.
function fileLocation(source) {
    if (!isNode) return null;
    if (source instanceof URL) return source.protocol === 'file:' ? source : null;
    const scheme = /^([a-z][a-z0-9+.-]*):/i.exec(source)?.[1].toLowerCase();
    if (scheme === 'file') return new URL(source);
    return ['http', 'https', 'data', 'blob'].includes(scheme) ? null : source;
}

function compileError(error, where) {
    return error instanceof WebAssembly.CompileError
        ? new Error(`idnumber: ${where} is no WebAssembly module: ${error.message}`, { cause: error }) : error;
}

// Bytes as WebAssembly takes them (V8 takes no DataView).
const asBytes = (bytes) => (bytes instanceof DataView ? new Uint8Array(bytes.buffer, bytes.byteOffset, bytes.byteLength) : bytes);

async function compileBytes(bytes, where) {
    try {
        return await WebAssembly.compile(asBytes(bytes));
    } catch (error) {
        throw compileError(error, where);
    }
}

async function compileResponse(response, where) {
    if (!response.ok) throw new Error(`idnumber: cannot load ${where}: HTTP ${response.status}`);
    // Compiled as it arrives where the host serves it as application/wasm
    // (compileStreaming refuses any other type); else from its bytes.
    const type = response.headers?.get('content-type')?.split(';')[0].trim().toLowerCase();
    if (type === 'application/wasm' && typeof WebAssembly.compileStreaming === 'function') {
        try {
            return await WebAssembly.compileStreaming(response);
        } catch (error) {
            throw compileError(error, where);
        }
    }
    return compileBytes(await response.arrayBuffer(), where);
}

// The compiled module from what init takes: nothing (the file beside this
// one), a URL or its text, a Request, a Response, the bytes, a
// WebAssembly.Module, or a promise of one of these.
async function compileAny(given) {
    const source = (await given) ?? besideThisFile();
    if (source instanceof WebAssembly.Module) return source;
    if (isBytes(source)) return compileBytes(source, 'the bytes given');
    if (typeof source === 'string' || source instanceof URL) {
        const file = fileLocation(source);
        if (file !== null) {
            const { readFile } = await import('node:fs/promises');
            return compileBytes(await readFile(file), String(file));
        }
        return compileResponse(await fetch(source), String(source));
    }
    if (isRequest(source)) return compileResponse(await fetch(source), source.url);
    if (isResponse(source)) return compileResponse(source, source.url || 'the response');
    throw new TypeError('init: the module is given as its URL, a Request, a Response, its bytes (an ArrayBuffer or a ' +
        `Uint8Array) or a WebAssembly.Module, or a promise of one, not ${describe(source)}`);
}

// The compiled module from what initSync takes: its bytes or a
// WebAssembly.Module; nothing is the file beside this one, where the host
// reads files synchronously (Node).
function compileSync(source) {
    if (source instanceof WebAssembly.Module) return source;
    let where = 'the bytes given';
    if (source === undefined || source === null) {
        where = besideThisFile();
        const fs = where.protocol === 'file:' ? nodeBuiltin('node:fs') : undefined;
        if (fs === undefined) {
            throw new TypeError('initSync: this host reads no file synchronously: give the module\'s bytes or a ' +
                'WebAssembly.Module, or call init()');
        }
        source = fs.readFileSync(where);
    } else if (!isBytes(source)) {
        throw new TypeError('initSync: the module is given as its bytes (an ArrayBuffer or a Uint8Array) or a ' +
            `WebAssembly.Module, not ${describe(source)}`);
    }
    try {
        return new WebAssembly.Module(asBytes(source));
    } catch (error) {
        throw compileError(error, String(where));
    }
}

// What draws the seeds of generations given none: the host's Web Crypto
// (Node 18 has it only as node:crypto's webcrypto).
const noCrypto = {
    getRandomValues() {
        throw new Error('idnumber: this host has no crypto.getRandomValues to draw a seed: give generate a seed');
    },
};
const cryptoSync = () => (globalThis.crypto?.getRandomValues ? globalThis.crypto : nodeBuiltin('node:crypto')?.webcrypto);
const cryptoAny = async () => cryptoSync() ?? (isNode ? (await import('node:crypto')).webcrypto : undefined) ?? noCrypto;

function requireLoaded() {
    if (main === null) {
        throw new Error('idnumber: idnumber.wasm is not loaded yet: call await init() (or initSync with its bytes) first');
    }
}

const align = (value, to) => Math.ceil(value / to) * to;
const encoder = new TextEncoder();
// ignoreBOM: a text's leading U+FEFF is a character of it, not a mark to drop.
const decoder = new TextDecoder('utf-8', { ignoreBOM: true });

// ---- Instances -------------------------------------------------------------------

// The structs this file reads, by LAYOUT's name, with the id idn_size_of
// knows each by: the module's sizes must be the layout's (a module of
// another version is refused at load).
const STRUCTS = {
    verdict: IDN.IDN_ID_VERDICT_STRUCT, regionFields: IDN.IDN_ID_REGION_FIELDS_STRUCT, region: IDN.IDN_ID_REGION_STRUCT,
    historyRecord: IDN.IDN_ID_HISTORY_RECORD_STRUCT, successor: IDN.IDN_ID_SUCCESSOR_STRUCT,
    presentCode: IDN.IDN_ID_PRESENT_CODE_STRUCT, regionInfo: IDN.IDN_ID_REGION_INFO_STRUCT,
    match: IDN.IDN_ID_MATCH_STRUCT, scanSummary: IDN.IDN_ID_SCAN_SUMMARY_STRUCT,
};

// One instance of the module and the places of its buffers: from
// __heap_base a struct of each kind (its size member set once), the
// contexts and the texts the C API writes, each with the room idn_size_of
// gives, then the option names; then the scanners' slots; then `dynamic`,
// the area for inputs, which grows as needed.
class Machine {
    constructor(instance) {
        this.exports = instance.exports;
        this.memory = instance.exports.memory;
        this.refresh();
        let top = align(this.exports.__heap_base.value, 16);
        const take = (size) => {
            const at = top;
            top = align(top + size, 16);
            return at;
        };
        this.generator = take(SIZES.generator);
        this.structs = {};
        for (const name of Object.keys(STRUCTS)) this.structs[name] = take(LAYOUT[name].SIZE);
        this.verdict = this.structs.verdict;
        this.names = take(4 * NAME_COUNT);
        this.written = take(4);     // size_t
        this.int = take(4);         // int32_t: a hint, a status, a year
        this.int2 = take(4);        // int32_t: an option, a month
        this.int3 = take(4);        // int32_t: a day
        this.cursor = take(4);      // size_t
        this.list = take(Math.max(LAYOUT.successor.SIZE * SIZES.maxSuccessors,
            LAYOUT.presentCode.SIZE * SIZES.maxNowCodes, 4 * SIZES.pickerListMax));
        this.textOut = take(SIZES.textOut);
        this.prefix = take(3 * (SIZES.held + 1));
        // The option names as NUL-terminated UTF-8, and the array pointing at them.
        const names = Object.entries(optionWords).map(([option, word]) => [Number(option), encoder.encode(`${word}\0`)]);
        const namesAt = take(names.reduce((sum, [, name]) => sum + name.length, 0));
        this.grow(top);
        for (const [name, at] of Object.entries(this.structs)) this.words[at >> 2] = LAYOUT[name].SIZE;
        let at = namesAt;
        for (const [option, name] of names) {
            this.bytes.set(name, at);
            this.words[(this.names >> 2) + option] = at;
            at += name.length;
        }
        // The scanners' slots lie from here; `dynamic` moves up past each new one.
        this.dynamic = top;
        this.freeSlots = [];
    }

    refresh() {
        const buffer = this.memory.buffer;
        this.bytes = new Uint8Array(buffer);
        this.words = new Int32Array(buffer);
        this.view = new DataView(buffer);
    }

    grow(end) {
        const have = this.memory.buffer.byteLength;
        if (end > have) {
            this.memory.grow(Math.ceil((end - have) / 65536));
            this.refresh();
        }
    }

    // Makes room for `size` bytes from `dynamic`, and returns `dynamic`.
    room(size) {
        this.grow(this.dynamic + size);
        return this.dynamic;
    }

    // The text the C API wrote at textOut, its length at `written`.
    readOut() {
        return decoder.decode(this.bytes.subarray(this.textOut, this.textOut + this.words[this.written >> 2]));
    }

    // A scanner's storage, which stays where it is until it is given back:
    // a free slot, or a new one below `dynamic`. Called only between uses
    // of the dynamic area (never while a call holds places in it).
    takeSlot() {
        if (this.freeSlots.length > 0) return this.freeSlots.pop();
        const slot = this.dynamic;
        this.dynamic = align(slot + SIZES.scanner, 16);
        this.grow(this.dynamic);
        return slot;
    }

    // Gives a slot back, zeroed: a scanner holds its key, which no later
    // use of the memory may read.
    giveSlot(slot) {
        this.bytes.fill(0, slot, slot + SIZES.scanner);
        this.freeSlots.push(slot);
    }
}

// A new instance of the module, with the WASI imports its memory needs.
// Synchronous: initSync's, and the short-lived ones (browsers allow it for
// a module of under 8 MB, and idnumber.wasm is under 1 MB).
function instantiate(module = compiled, crypto = webCrypto) {
    let memory = null;
    const instance = new WebAssembly.Instance(module, wasiImports(() => memory, crypto));
    memory = instance.exports.memory;
    return instance;
}

async function instantiateAsync(module, crypto) {
    let memory = null;
    const instance = await WebAssembly.instantiate(module, wasiImports(() => memory, crypto));
    memory = instance.exports.memory;
    return instance;
}

// The sizes of buffers and contexts, from idn_size_of; and a check that the
// module's structs are the layout's.
function sizesOf(instance) {
    const { exports } = instance;
    const size = (id) => {
        const value = exports.idn_size_of(id) >>> 0;
        if (value === 0) throw new Error(`idnumber: the module knows no size ${id}: it is not this package's idnumber.wasm`);
        return value;
    };
    for (const [name, id] of Object.entries(STRUCTS)) {
        if (size(id) !== LAYOUT[name].SIZE) {
            throw new Error(`idnumber: the module's ${name} is ${size(id)} bytes, not ${LAYOUT[name].SIZE}: ` +
                'it is not this package\'s idnumber.wasm');
        }
    }
    const sizes = {
        number: size(IDN.IDN_ID_NUMBER_SIZE), held: size(IDN.IDN_ID_INPUT_HELD_BYTES),
        reasonMessage: size(IDN.IDN_ID_REASON_MESSAGE_SIZE), message: size(IDN.IDN_ID_MESSAGE_SIZE),
        verifyJson: size(IDN.IDN_ID_VERIFY_JSON_SIZE), historyJson: size(IDN.IDN_ID_HISTORY_JSON_SIZE),
        successorsJson: size(IDN.IDN_ID_SUCCESSORS_JSON_SIZE), nowCodesJson: size(IDN.IDN_ID_NOW_CODES_JSON_SIZE),
        maxSuccessors: size(IDN.IDN_ID_MAX_SUCCESSORS), maxNowCodes: size(IDN.IDN_ID_MAX_NOW_CODES),
        pickerListMax: size(IDN.IDN_ID_PICKER_LIST_MAX), maskExtra: size(IDN.IDN_ID_MASK_EXTRA_SIZE),
        generator: size(IDN.IDN_ID_GENERATOR_CONTEXT), scanner: size(IDN.IDN_ID_SCANNER_CONTEXT),
        redactNumber: size(IDN.IDN_ID_REDACT_NUMBER_SIZE), keyMinLength: size(IDN.IDN_ID_KEY_MIN_LENGTH),
    };
    sizes.textOut = Math.max(sizes.number, sizes.reasonMessage, sizes.message, sizes.verifyJson, sizes.historyJson,
        sizes.successorsJson, sizes.nowCodesJson, sizes.redactNumber);
    return sizes;
}

// Set by setUp, once the module is loaded.
let SIZES = null;
let HELD = 0;
let main = null;   // the Machine of the package's own instance
let api = null;    // its exports

// The most bytes the main instance keeps for one call's inputs: more than a
// chunk of verifyMany takes (chunkRoom), or a piece of a scan and its
// redaction (scanRoom). A call whose texts need more runs in an instance of
// its own, whose memory is freed with it; a scan reads its text in pieces.
const KEPT_ROOM = 4 << 20;
function machineFor(size) {
    return size <= KEPT_ROOM ? main : new Machine(instantiate());
}

// ---- Texts -----------------------------------------------------------------------

// The UTF-8 length of a string, a lone surrogate counting as U+FFFD's 3
// bytes, as TextEncoder writes it.
function utf8Length(text) {
    let length = text.length;
    for (let i = 0; i < text.length; ++i) {
        const unit = text.charCodeAt(i);
        if (unit < 0x80) continue;
        if (unit < 0x800) length += 1;
        else if (unit >= 0xD800 && unit <= 0xDBFF && (text.charCodeAt(i + 1) & 0xFC00) === 0xDC00) {
            length += 2;  // 4 bytes for the two units
            ++i;
        } else length += 2;
    }
    return length;
}

// The most bytes a text takes as UTF-8: a cheap bound for a string.
const roomOf = (text) => (typeof text === 'string' ? 3 * text.length : text.length);

// Writes a text (a string as UTF-8, lone surrogates as U+FFFD; or a
// Uint8Array as it is) at `at` in the machine's memory, which has room for
// roomOf(text) bytes there; returns its length in bytes.
function writeText(m, text, at) {
    if (typeof text !== 'string') {
        m.bytes.set(text, at);
        return text.length;
    }
    return encoder.encodeInto(text, m.bytes.subarray(at, at + 3 * text.length)).written;
}

const constantTexts = new Map();

// A NUL-terminated text of the module's constant data (names, levels): the
// same pointer always holds the same text, in every instance.
function constantText(pointer) {
    if (pointer === 0) return null;
    let text = constantTexts.get(pointer);
    if (text === undefined) {
        const bytes = main.bytes;
        let end = pointer;
        while (bytes[end] !== 0) ++end;
        text = decoder.decode(bytes.subarray(pointer, end));
        constantTexts.set(pointer, text);
    }
    return text;
}

// A text from its bytes, all ASCII: String.fromCharCode with the 18 bytes
// of a number's length as arguments is several times faster than a
// TextDecoder call.
function asciiText(data, start, end) {
    if (end - start !== 18) return decoder.decode(data.subarray(start, end));
    const d = data;
    const s = start;
    return String.fromCharCode(d[s], d[s + 1], d[s + 2], d[s + 3], d[s + 4], d[s + 5], d[s + 6], d[s + 7], d[s + 8],
        d[s + 9], d[s + 10], d[s + 11], d[s + 12], d[s + 13], d[s + 14], d[s + 15], d[s + 16], d[s + 17]);
}

// ---- Errors and arguments -------------------------------------------------------

function statusName(status) {
    return constantText(api.idn_status_name(status)) ?? `status ${status}`;
}

// The module must be of this package's version of the C API: the header
// api_constants.js was made from.
function checkVersion() {
    const version = constantText(api.idn_version_string());
    if (version.split('.')[0] !== IDN.IDN_VERSION_STRING.split('.')[0]) {
        throw new Error(`idnumber: idnumber.wasm is version ${version}; this package needs ${IDN.IDN_VERSION_STRING}`);
    }
}

// A value the library refused: a RangeError whose code is the status's name
// and whose option, when there is one, is this API's name for it.
function refusal(status, message, option) {
    const error = new RangeError(message);
    error.code = statusName(status);
    if (option !== undefined) error.option = option;
    return error;
}

// A C API failure that no argument explains.
function failure(status, what) {
    return refusal(status, `${what}: the C API answered ${statusName(status)}`);
}

// The library's message for a value refused before it reaches a setter
// (idn_option_message, naming options in this package's words), `value`
// being the text to echo; `option` an idn_option_t.
function optionRefusal(status, value, option) {
    const m = machineFor(roomOf(value));
    const at = m.room(roomOf(value));
    const length = writeText(m, value, at);
    const result = m.exports.idn_option_message(status, at, length, m.names, NAME_COUNT, m.textOut, SIZES.message,
        m.written);
    if (result !== IDN_OK) throw failure(result, 'idn_option_message');
    return refusal(status, m.readOut(), optionParameters[option]);
}

function describe(value) {
    if (value === null) return 'null';
    if (Array.isArray(value)) return 'an array';
    if (value instanceof Uint8Array) return 'a Uint8Array';
    if (typeof value === 'object') return 'an object';
    if (typeof value === 'symbol') return 'a symbol';
    return `${typeof value} ${String(value).slice(0, 40)}`;
}

const isText = (value) => typeof value === 'string' || value instanceof Uint8Array;

function requireString(value, what) {
    if (typeof value !== 'string') throw new TypeError(`${what} must be a string, not ${describe(value)}`);
    return value;
}

function requireText(value, what) {
    if (!isText(value)) throw new TypeError(`${what} must be a string or a Uint8Array, not ${describe(value)}`);
    return value;
}

// A region code: an integer 0-999999 or its six digits as a string.
function regionCode(value, what) {
    if (typeof value === 'string' && /^[0-9]{6}$/.test(value)) return Number(value);
    if (Number.isInteger(value) && value >= 0 && value <= 999999) return value;
    throw new TypeError(`${what}: a region code is an integer 0-999999 or six digits, not ${describe(value)}`);
}

// An integer option the library takes as int32_t (a year): undefined and
// null are 0; a value no int32_t holds is refused with the library's
// message, never wrapped; one it holds is the library's to judge.
function int32Option(value, status, option, what) {
    if (value === undefined || value === null) return 0;
    if (typeof value !== 'number') throw new TypeError(`${what}: ${optionParameters[option]} must be a number, not ${describe(value)}`);
    if (!Number.isInteger(value) || value < INT32_MIN || value > INT32_MAX) throw optionRefusal(status, String(value), option);
    return value;
}

// The year limit of a verification, as the library takes it: 0 is the
// current year on the clock, which is read once per call.
function verifyYearLimit(value, what) {
    const yearLimit = int32Option(value, IDN_ERROR_YEAR_LIMIT, IDN.IDN_OPTION_YEAR_LIMIT, what);
    const status = api.idn_verify(0, 0, yearLimit, main.verdict);
    if (status === IDN_ERROR_YEAR_LIMIT) throw optionRefusal(status, String(value), IDN.IDN_OPTION_YEAR_LIMIT);
    if (status !== IDN_OK) throw failure(status, what);
    return yearLimit === 0 ? api.idn_current_year() : yearLimit;
}

const deepFreeze = (value) => {
    if (value !== null && typeof value === 'object') {
        for (const item of Object.values(value)) deepFreeze(item);
        Object.freeze(value);
    }
    return value;
};

// ---- Verification -------------------------------------------------------------------

// The library's names of reasons, sexes and code states (setUp).
let reasonNames = null;
let sexWords = null;
let codeStatusNames = null;
const checkCharacters = [];
for (let code = 0; code < 128; ++code) checkCharacters.push(code === 0 ? null : String.fromCharCode(code));

// The dialog's message for a reason and a whole length in bytes, asked of
// the C API once: by reason, and for the length refusal by length (an array
// up to 64 bytes, the lengths a batch meets, a map beyond).
const fixedMessages = [];
const lengthMessages = [];
const longLengthMessages = new Map();
function refusalMessage(reason, length) {
    if (reason !== IDN_REASON_LENGTH) return fixedMessages[reason] ?? (fixedMessages[reason] = askMessage(reason, 0));
    if (length <= HELD) return lengthMessages[length] ?? (lengthMessages[length] = askMessage(reason, length));
    let message = longLengthMessages.get(length);
    if (message === undefined) {
        message = askMessage(reason, length);
        if (longLengthMessages.size < 10000) longLengthMessages.set(length, message);
    }
    return message;
}
function askMessage(reason, length) {
    const w = main.verdict >> 2;
    main.words.fill(0, w, w + (LAYOUT.verdict.SIZE >> 2));
    main.words[w + VERDICT.size] = LAYOUT.verdict.SIZE;
    main.words[w + VERDICT.reason] = reason;
    main.view.setBigUint64(main.verdict + LAYOUT.verdict.length, BigInt(length), true);
    const status = api.idn_reason_message(main.verdict, main.textOut, SIZES.reasonMessage, main.written);
    if (status !== IDN_OK) throw failure(status, 'idn_reason_message');
    return main.readOut();
}

// What a valid number's region code gives, asked of idn_region_info once
// per code and frozen, as records share them: the dialog's three fields,
// the code's status and the history's values; and whether the code was in
// use in a birth year, with the span of birth years that answer holds for.
// Codes are six digits: a table of a million slots finds a code's entry
// with one load.
const regionSlots = new Int32Array(1000000);  // 0: not yet; else index + 1 in regionEntries
const regionEntries = [];
const EMPTY = Object.freeze([]);

// Asks idn_region_info of a code and a birth year; returns the struct's
// word index in the main instance's memory.
function askRegionInfo(code, year) {
    const at = main.structs.regionInfo;
    const status = api.idn_region_info(code, year, at);
    if (status !== IDN_OK) throw failure(status, 'idn_region_info');
    return at >> 2;
}

function regionOf(code, year) {
    const slot = regionSlots[code];
    if (slot !== 0) return regionEntries[slot - 1];
    const m = main;
    const s = askRegionInfo(code, year);
    const w = m.words;
    const json = (write, what) => {
        const status = write(code, m.textOut, SIZES.textOut, m.written);
        if (status !== IDN_OK) throw failure(status, what);
        const text = m.readOut();
        return text === '[]' ? EMPTY : deepFreeze(JSON.parse(text));
    };
    const region = {
        province: constantText(w[s + REGION_INFO.province]),
        city: constantText(w[s + REGION_INFO.city]),
        county: constantText(w[s + REGION_INFO.county]),
        state: codeStatusNames[w[s + REGION_INFO.status]],
        // The answers asked so far, by span of birth years: from, to and
        // 1 (in use) or 0, one after another.
        spans: [w[s + REGION_INFO.yearsFrom], w[s + REGION_INFO.yearsTo], w[s + REGION_INFO.inUseAtBirth]],
        history: json(api.idn_history_json, 'idn_history_json'),
        successors: json(api.idn_successors_json, 'idn_successors_json'),
        now: json(api.idn_now_codes_json, 'idn_now_codes_json'),
        code,
        kind: null,         // the kind and nationality of its valid numbers, from the first one read
        nationality: null,
    };
    regionEntries.push(region);
    regionSlots[code] = regionEntries.length;
    return region;
}

// Whether a region's code was in use in a birth year: the answer of the
// entry's span that holds the year, else idn_region_info's, whose span is
// kept too (up to MAX_SPANS of them; a code's answer changes in a few years
// at most).
const MAX_SPANS = 16;
function inUseAtBirth(region, year) {
    const spans = region.spans;
    for (let i = 0; i < spans.length; i += 3) {
        if (year >= spans[i] && year <= spans[i + 1]) return spans[i + 2] === 1;
    }
    const s = askRegionInfo(region.code, year);
    const w = main.words;
    const answer = w[s + REGION_INFO.inUseAtBirth];
    if (spans.length < 3 * MAX_SPANS) spans.push(w[s + REGION_INFO.yearsFrom], w[s + REGION_INFO.yearsTo], answer);
    return answer === 1;
}

// A valid number's kind and nationality follow from its first 6 digits, its
// region code: the record of the first valid number read with a code gives
// them for every other.
function identify(region, input, yearLimit) {
    if (region.kind !== null) return region;
    const at = main.room(input.length);
    const record = recordByWriter(at, writeText(main, input, at), input.length, yearLimit, false);
    region.kind = record.kind;
    region.nationality = record.nationality === null ? null : deepFreeze(record.nationality);
    return region;
}

// The hint of a refused text held whole at `at` in memory, and its upgraded
// form (with the hint fifteen_digits), as [hint, upgraded].
const NO_HINT = Object.freeze([null, null]);
function hintOf(at, length, yearLimit) {
    const m = main;
    const status = api.idn_hint_of(at, length, yearLimit, m.int, m.textOut, SIZES.number, m.written);
    if (status !== IDN_OK) throw failure(status, 'idn_hint_of');
    const hint = m.words[m.int >> 2];
    if (hint === 0) return NO_HINT;
    if (hint === IDN_HINT_FIFTEEN_DIGITS) return [constantText(api.idn_hint_name(hint)), m.readOut()];
    return hintPairs[hint] ?? (hintPairs[hint] = Object.freeze([constantText(api.idn_hint_name(hint)), null]));
}
const hintPairs = [];

// Birth dates as text (YYYYMMDD, from the number), one string per date for
// all records, found by two array loads: by year, then by month * 32 + day
// (a valid number's month is 0-12 and its day 0-31). Most batches hold a
// few thousand dates; beyond DATE_TEXTS_KEPT strings, a date's text is made
// each time.
const dateTexts = new Array(10000).fill(null);
const DATE_TEXTS_KEPT = 200000;
let dateTextsKept = 0;
function birthDateText(date) {
    const year = Math.floor(date / 10000);
    const monthDay = date - year * 10000;
    const slot = Math.floor(monthDay / 100) * 32 + monthDay % 100;
    let byYear = dateTexts[year];
    if (byYear === null) {
        if (dateTextsKept >= DATE_TEXTS_KEPT) return String(date).padStart(8, '0');
        byYear = dateTexts[year] = new Array(13 * 32).fill(null);
    }
    let text = byYear[slot];
    if (text === null) {
        text = String(date).padStart(8, '0');
        if (dateTextsKept < DATE_TEXTS_KEPT) {
            byYear[slot] = text;
            ++dateTextsKept;
        }
    }
    return text;
}

// Records are built by these four, so that every record of one shape has the
// same keys in the same order (idtool's) and V8 one hidden class for them.
function validRecord(input, expectedCheck, birthDate, sex, region, inUseAtBirth) {
    return {
        input, valid: true, reason: null, message: null, expected_check: expectedCheck,
        hint: null, upgraded: null, kind: region.kind, nationality: region.nationality,
        birth_date: birthDate, sex, province: region.province, city: region.city, county: region.county,
        code_status: region.state, history: region.history, successors: region.successors, now: region.now,
        in_use_at_birth: inUseAtBirth,
    };
}
function refusedRecord(input, reason, message, expectedCheck, [hint, upgraded]) {
    return {
        input, valid: false, reason, message, expected_check: expectedCheck,
        hint, upgraded, kind: null, nationality: null,
        birth_date: null, sex: null, province: null, city: null, county: null,
        code_status: null, history: null, successors: null, now: null, in_use_at_birth: null,
    };
}
function validShortRecord(input, expectedCheck, birthDate, sex, region) {
    return {
        input, valid: true, reason: null, message: null, expected_check: expectedCheck,
        hint: null, upgraded: null, kind: region.kind, nationality: region.nationality,
        birth_date: birthDate, sex, province: region.province, city: region.city, county: region.county,
    };
}
function refusedShortRecord(input, reason, message, expectedCheck, [hint, upgraded]) {
    return {
        input, valid: false, reason, message, expected_check: expectedCheck,
        hint, upgraded, kind: null, nationality: null,
        birth_date: null, sex: null, province: null, city: null, county: null,
    };
}

// The same four for the records toArray makes. An object literal's
// allocation site learns whether the objects it makes outlive the young
// generation, and once they do, V8 makes them in the old one, sparing the
// young generation's collector copying them twice: the records toArray
// keeps have sites of their own, which learn so, where the records of a
// loop, which die young, would teach them otherwise.
function validRecordKept(input, expectedCheck, birthDate, sex, region, inUseAtBirth) {
    return {
        input, valid: true, reason: null, message: null, expected_check: expectedCheck,
        hint: null, upgraded: null, kind: region.kind, nationality: region.nationality,
        birth_date: birthDate, sex, province: region.province, city: region.city, county: region.county,
        code_status: region.state, history: region.history, successors: region.successors, now: region.now,
        in_use_at_birth: inUseAtBirth,
    };
}
function refusedRecordKept(input, reason, message, expectedCheck, [hint, upgraded]) {
    return {
        input, valid: false, reason, message, expected_check: expectedCheck,
        hint, upgraded, kind: null, nationality: null,
        birth_date: null, sex: null, province: null, city: null, county: null,
        code_status: null, history: null, successors: null, now: null, in_use_at_birth: null,
    };
}
function validShortRecordKept(input, expectedCheck, birthDate, sex, region) {
    return {
        input, valid: true, reason: null, message: null, expected_check: expectedCheck,
        hint: null, upgraded: null, kind: region.kind, nationality: region.nationality,
        birth_date: birthDate, sex, province: region.province, city: region.city, county: region.county,
    };
}
function refusedShortRecordKept(input, reason, message, expectedCheck, [hint, upgraded]) {
    return {
        input, valid: false, reason, message, expected_check: expectedCheck,
        hint, upgraded, kind: null, nationality: null,
        birth_date: null, sex: null, province: null, city: null, county: null,
    };
}

// The record of a text of `length` bytes whose first `held` lie at `at` in
// the main instance's memory, by idtool's own record writer (the input
// field of a text over 64 bytes is its first 64, a character the cut
// splits escaped).
function recordByWriter(at, held, length, yearLimit, withHistory) {
    const m = main;
    const status = api.idn_verify_json_prefix(at, held, BigInt(length), yearLimit,
        withHistory ? IDN_VERIFY_JSON_HISTORY : 0, m.textOut, SIZES.verifyJson, m.written);
    if (status !== IDN_OK) throw failure(status, 'idn_verify_json_prefix');
    return JSON.parse(m.readOut());
}

// ---- Verifying many texts ------------------------------------------------------------
//
// verifyMany copies the texts into memory and verifies them with one
// idn_verify_columns per chunk of CHUNK texts, which writes the columns
// (reason, expected check character, sex, region code, birth date) in
// memory; they are copied out into the result's typed arrays. A record
// object is made only when it is read (Verdicts.at, iteration, toArray),
// from the columns and caches by region code, birth date and message. So
// the call costs the copying in, the verification and a copy of each
// column, whatever the number of fields a record has.
//
// Copying in: V8 reads a string a unit at a time through charCodeAt at some
// 2.5 ns a unit, and TextEncoder.encodeInto costs some 50 ns a call; but
// Array.prototype.join copies a few thousand short strings into one at some
// 15 ns each, and one encodeInto of the whole is under 1 ns a unit. So the
// texts go in groups of GROUP: their lengths give the ends as if every unit
// were one byte, the group is joined and encoded, and when encodeInto wrote
// exactly one byte a unit (all ASCII, the usual case) the group is done. A
// group holding a text beyond ASCII, one longer than 64 units, or a
// Uint8Array is written again a text at a time (packEach). (Concatenating
// with += is as fast, but makes twice the garbage: a cons string a text,
// then the flat copy.)
//
// A text over 64 bytes is held by its first 64 (the C API's prefix forms
// read no more) and its whole length in bytes: however long it is, only
// its first 65 units are encoded.
//
// Keeping the texts: the caller's array may change afterwards, so the
// result keeps what its records need itself. A string is never changed:
// the result keeps the texts as read (the arrays of GROUP that the join
// takes anyway), and an ASCII string of at most 64 units is its record's
// input, the caller's own string, with nothing made. What else a record
// needs is kept outside V8's heap (what a result holds there is copied by
// the young generation's collector and then marked by the old one's): each
// chunk's bytes as verified, one text after another (a text over 64 bytes
// by its first 64, its whole length in bytes kept beside, by index), and
// where each ends, for the hints, the texts beyond ASCII and the bytes.

const CHUNK_SHIFT = 14;
const CHUNK = 1 << CHUNK_SHIFT;             // texts per idn_verify_columns
const GROUP_SHIFT = 11;
const GROUP = 1 << GROUP_SHIFT;             // texts per encodeInto (at most 64 units each)
let UNIT_ROOM = 0;                          // the most bytes one text takes when written alone: 3 * (HELD + 1)

// Why a refused text's record is not made from the columns and the text.
const FROM_COLUMNS = 0;   // ASCII, at most 64 units
const BEYOND_ASCII = 1;   // its input field is its UTF-8 read back (a lone surrogate is U+FFFD)
const BY_WRITER = 2;      // over 64 bytes, or bytes: the record writer makes its record

// Where a chunk's parts lie in memory, from the main instance's dynamic
// area: the ends (size_t), the two columns of int32, the three of bytes,
// then the texts' bytes.
function chunkLayout(size) {
    const ends = align(main.dynamic, 8);
    const regions = ends + size * 4;
    const dates = regions + size * 4;
    const reasons = dates + size * 4;
    const checks = reasons + size;
    const sexes = checks + size;
    const packed = sexes + size;
    return { ends, regions, dates, reasons, checks, sexes, packed };
}
// The most a chunk takes: its layout and every text at its largest.
const chunkRoom = (size) => chunkLayout(size).packed - main.dynamic + size * UNIT_ROOM;

function requireList(texts, what) {
    if (typeof texts === 'string' || texts === null || typeof texts?.[Symbol.iterator] !== 'function') {
        throw new TypeError(`${what}: expected an array (or iterable) of strings, not ${describe(texts)}`);
    }
    return Array.isArray(texts) ? texts : Array.from(texts);
}

// Copies a group of texts from packed + at when they are all ASCII strings
// of at most 64 units: their ends (relative to packed) from
// words[endsIndex], the texts joined by one encodeInto. Returns the new
// `at`, or -1 when the group must be written a text at a time. Throws a
// TypeError at the first item that is neither a string nor a Uint8Array
// (item `index` of the caller's list being the group's first).
function packGroup(group, packed, at, endsIndex, index, what) {
    const words = main.words;
    let end = at;
    let short = true;
    for (let i = 0; i < group.length; ++i) {
        const text = group[i];
        if (typeof text !== 'string') {
            if (!(text instanceof Uint8Array)) {
                throw new TypeError(`${what}: item ${index + i} is ${describe(text)}, not a string`);
            }
            short = false;
            continue;
        }
        const length = text.length;
        if (length > HELD) short = false;
        end += length;
        words[endsIndex + i] = end;
    }
    if (!short) return -1;
    const joined = group.join('');
    const done = encoder.encodeInto(joined, main.bytes.subarray(packed + at, packed + end));
    return done.read === joined.length && done.written === joined.length ? end : -1;
}

// Writes a group of texts one at a time from packed + at, their ends
// (relative to packed) from words[endsIndex]; marks in flags[i] the texts
// whose record their bytes cannot give as an ASCII text's (and takes them
// out of `group`, which the result keeps), and keeps the whole length of
// those over 64 bytes in `long` by their index in the caller's list
// (`index` + i). A string of up to 64 units is copied a unit at a time
// while it is ASCII, else written by encodeInto (a lone surrogate as
// U+FFFD); of a longer one only the first 65 units are encoded, and 64
// bytes held. Returns the new `at`.
function packEach(group, packed, at, endsIndex, flags, index, long) {
    const memoryBytes = main.bytes;
    const words = main.words;
    for (let i = 0; i < group.length; ++i) {
        const text = group[i];
        const length = text.length;
        const place = packed + at;
        if (typeof text !== 'string') {
            const held = Math.min(length, HELD);
            memoryBytes.set(length > held ? text.subarray(0, held) : text, place);
            at += held;
            flags[i] = BY_WRITER;
            if (length > held) long.set(index + i, length);
        } else if (length > HELD) {
            encoder.encodeInto(text.slice(0, HELD + 1), memoryBytes.subarray(place, place + UNIT_ROOM));
            at += HELD;
            flags[i] = BY_WRITER;
            long.set(index + i, utf8Length(text));
        } else {
            let k = 0;
            for (; k < length; ++k) {
                const unit = text.charCodeAt(k);
                if (unit >= 0x80) break;
                memoryBytes[place + k] = unit;
            }
            if (k === length) {
                at += length;
            } else {
                const written = encoder.encodeInto(text, memoryBytes.subarray(place, place + 3 * length)).written;
                at += written;
                flags[i] = written > HELD ? BY_WRITER : BEYOND_ASCII;
            }
        }
        words[endsIndex + i] = at;
        // The result keeps only the texts that are their records' inputs.
        if (flags[i] !== FROM_COLUMNS) group[i] = null;
    }
    return at;
}

// Copies texts[first..last) into memory and verifies them with one
// idn_verify_columns: all five columns, or the reasons alone. Returns the
// texts as read, in arrays of GROUP.
// chunkLayout(last - first) says where the columns lie; `flags` is the
// chunk's; `long` gets the whole lengths of texts held by their first 64
// bytes, by index, whose columns are then the prefix form's.
//
// The chunk's texts are read out of the caller's list, a group at a time
// (slice, which the join needs anyway), before any is written into memory:
// an item's getter may run code, even a verification of its own, which
// uses the same memory; none runs once the chunk is in memory.
function verifyChunk(texts, first, last, yearLimit, allColumns, flags, long, what) {
    const size = last - first;
    const groups = [];
    for (let start = first; start < last; start += GROUP) groups.push(texts.slice(start, Math.min(last, start + GROUP)));
    main.room(chunkRoom(size));
    const layout = chunkLayout(size);
    const packed = layout.packed;
    const endsIndex = layout.ends >> 2;
    const longBefore = long.size;
    let at = 0;
    for (let g = 0; g < groups.length; ++g) {
        const group = groups[g];
        const start = g * GROUP;
        const next = packGroup(group, packed, at, endsIndex + start, first + start, what);
        at = next !== -1 ? next
            : packEach(group, packed, at, endsIndex + start, flags.subarray(start, start + group.length), first + start, long);
    }
    const status = allColumns
        ? api.idn_verify_columns(packed, layout.ends, size, yearLimit, layout.reasons, layout.checks, layout.sexes,
            layout.regions, layout.dates)
        : api.idn_verify_columns(packed, layout.ends, size, yearLimit, layout.reasons, 0, 0, 0, 0);
    if (status !== IDN_OK) throw failure(status, what);
    if (long.size !== longBefore) prefixVerdicts(layout, first, size, yearLimit, allColumns, long);
    return groups;
}

// The columns of the texts held by their first bytes, from the verdict of
// the prefix form (which knows the whole length).
function prefixVerdicts(layout, first, size, yearLimit, allColumns, long) {
    const m = main;
    const w = m.words;
    const v = m.verdict >> 2;
    for (let i = 0; i < size; ++i) {
        const length = long.get(first + i);
        if (length === undefined) continue;
        const start = i === 0 ? 0 : w[(layout.ends >> 2) + i - 1];
        const held = w[(layout.ends >> 2) + i] - start;
        const status = api.idn_verify_prefix(layout.packed + start, held, BigInt(length), yearLimit, m.verdict);
        if (status !== IDN_OK) throw failure(status, 'idn_verify_prefix');
        m.bytes[layout.reasons + i] = w[v + VERDICT.reason];
        if (!allColumns) continue;
        m.bytes[layout.checks + i] = w[v + VERDICT.expectedCheck];
        m.bytes[layout.sexes + i] = w[v + VERDICT.sex];
        w[(layout.regions >> 2) + i] = w[v + VERDICT.regionCode];
        w[(layout.dates >> 2) + i] = w[v + VERDICT.birthYear] * 10000 + w[v + VERDICT.birthMonth] * 100 +
            w[v + VERDICT.birthDay];
    }
}

let verdictsOf;
let recordOf;

// The iterator of a Verdicts: an object whose next() a for-of loop inlines,
// where a generator would be resumed for every record.
class RecordIterator {
    #verdicts;
    #next = 0;

    constructor(verdicts) {
        this.#verdicts = verdicts;
    }

    next() {
        const i = this.#next;
        if (i >= this.#verdicts.length) return { value: undefined, done: true };
        this.#next = i + 1;
        return { value: recordOf(this.#verdicts, i), done: false };
    }
}
Object.setPrototypeOf(RecordIterator.prototype, Object.getPrototypeOf(Object.getPrototypeOf([][Symbol.iterator]())));

// The verdicts of many texts, as columns: reasonCodes (0 valid, else an
// index into REASONS), expectedChecks (the character's code, 0 for none),
// and for valid numbers sexCodes (1 male, 2 female), regionCodes and
// birthDates (YYYYMMDD as a number); 0 where a field is null. The record of
// text i is made when it is read. Made by verifyMany.
export class Verdicts {
    #texts;       // the texts as given, in arrays of GROUP: an ASCII string's input is the string itself
    #bytes;       // by chunk: the texts' bytes as verified, one after another (a long text's first 64)
    #ends;        // by chunk: where each text's bytes end in #bytes
    #flags;       // FROM_COLUMNS, BEYOND_ASCII or BY_WRITER, by text
    #long;        // the whole length in bytes of the texts held by their first 64, by index
    #hints;       // by chunk, once a refused record of it is read: [hint, upgraded] by text, for refused texts
    #yearLimit;
    #history;

    constructor(count, yearLimit, history) {
        // One buffer for every column: the int32 ones first.
        const buffer = new ArrayBuffer(count * 12);
        this.length = count;
        this.reasonCodes = new Uint8Array(buffer, count * 8, count);
        this.expectedChecks = new Uint8Array(buffer, count * 9, count);
        this.sexCodes = new Uint8Array(buffer, count * 10, count);
        this.regionCodes = new Int32Array(buffer, 0, count);
        this.birthDates = new Int32Array(buffer, count * 4, count);
        this.#flags = new Uint8Array(buffer, count * 11, count);
        this.#bytes = [];
        this.#ends = [];
        this.#texts = [];
        this.#hints = [];
        this.#long = new Map();
        this.#yearLimit = yearLimit;
        this.#history = history;
        Object.freeze(this);
    }

    // verdictsOf(texts, yearLimit, history, what): verifies the texts into
    // the columns (verifyMany, verify); recordOf(verdicts, i): record i.
    static {
        recordOf = (verdicts, i) => verdicts.#record(i, false);
        verdictsOf = (texts, yearLimit, history, what) => {
            const count = texts.length;
            const result = new Verdicts(count, yearLimit, history);
            for (let first = 0; first < count; first += CHUNK) {
                const last = Math.min(count, first + CHUNK);
                const size = last - first;
                const groups = verifyChunk(texts, first, last, yearLimit, true, result.#flags.subarray(first, last),
                    result.#long, what);
                for (const group of groups) result.#texts.push(group);
                const layout = chunkLayout(size);
                const w = layout.regions >> 2;
                const e = layout.ends >> 2;
                const words = main.words;
                const bytes = main.bytes;
                result.#bytes.push(bytes.slice(layout.packed, layout.packed + words[e + size - 1]));
                result.#ends.push(new Uint32Array(words.subarray(e, e + size)));
                result.#hints.push(null);
                result.regionCodes.set(words.subarray(w, w + size), first);
                result.birthDates.set(words.subarray(w + size, w + 2 * size), first);
                result.reasonCodes.set(bytes.subarray(layout.reasons, layout.reasons + size), first);
                result.expectedChecks.set(bytes.subarray(layout.checks, layout.checks + size), first);
                result.sexCodes.set(bytes.subarray(layout.sexes, layout.sexes + size), first);
            }
            return result;
        };
    }

    // The record of text `index` (a negative index counts from the end, as
    // Array.prototype.at does); undefined beyond the texts.
    at(index) {
        let i = Math.trunc(Number(index)) || 0;
        if (i < 0) i += this.length;
        return i >= 0 && i < this.length ? this.#record(i, false) : undefined;
    }

    // The records in order, made as they are read.
    [Symbol.iterator]() {
        return new RecordIterator(this);
    }

    // Every record, in order, in an array.
    toArray() {
        const records = new Array(this.length);
        for (let i = 0; i < records.length; ++i) records[i] = this.#record(i, true);
        return records;
    }

    toJSON() {
        return this.toArray();
    }

    // A record's input is a slice of its chunk's string (but a text beyond
    // ASCII's, decoded by itself); the region's and the date's texts are
    // shared by every record of that code and date, a refusal's message and
    // hint by every record of that reason and hint.
    #record(i, kept) {
        const c = i >> CHUNK_SHIFT;
        const k = i & (CHUNK - 1);
        const ends = this.#ends[c];
        const start = k === 0 ? 0 : ends[k - 1];
        const end = ends[k];
        const reason = this.reasonCodes[i];
        const expectedCheck = checkCharacters[this.expectedChecks[i]];
        const history = this.#history;
        const flag = this.#flags[i];
        if (reason === 0) {
            // 18 ASCII bytes: the string itself, or the bytes given.
            const input = flag === FROM_COLUMNS ? this.#texts[i >> GROUP_SHIFT][i & (GROUP - 1)]
                : asciiText(this.#bytes[c], start, end);
            const date = this.birthDates[i];
            const code = this.regionCodes[i];
            let region = regionOf(code, Math.floor(date / 10000));
            if (region.kind === null) region = identify(region, input, this.#yearLimit);
            const sex = sexWords[this.sexCodes[i]];
            const birthDate = birthDateText(date);
            if (!history) {
                return kept ? validShortRecordKept(input, expectedCheck, birthDate, sex, region)
                    : validShortRecord(input, expectedCheck, birthDate, sex, region);
            }
            const inUse = inUseAtBirth(region, Math.floor(date / 10000));
            return kept ? validRecordKept(input, expectedCheck, birthDate, sex, region, inUse)
                : validRecord(input, expectedCheck, birthDate, sex, region, inUse);
        }
        if (flag === BY_WRITER) {
            const prefix = main.prefix;
            main.bytes.set(this.#bytes[c].subarray(start, end), prefix);
            return recordByWriter(prefix, end - start, this.#long.get(i) ?? end - start, this.#yearLimit, history);
        }
        const input = flag === FROM_COLUMNS ? this.#texts[i >> GROUP_SHIFT][i & (GROUP - 1)]
            : decoder.decode(this.#bytes[c].subarray(start, end));
        const message = refusalMessage(reason, end - start);
        const hint = (this.#hints[c] ?? this.#hintChunk(c))[k];
        if (!history) {
            return kept ? refusedShortRecordKept(input, reasonNames[reason], message, expectedCheck, hint)
                : refusedShortRecord(input, reasonNames[reason], message, expectedCheck, hint);
        }
        return kept ? refusedRecordKept(input, reasonNames[reason], message, expectedCheck, hint)
            : refusedRecord(input, reasonNames[reason], message, expectedCheck, hint);
    }

    // The hints of a chunk's refused texts (but those the record writer
    // reads), asked of the C API in one pass over the chunk's bytes, copied
    // into memory once.
    #hintChunk(c) {
        const bytes = this.#bytes[c];
        const ends = this.#ends[c];
        const first = c << CHUNK_SHIFT;
        const at = main.room(bytes.length);
        main.bytes.set(bytes, at);
        const hints = new Array(ends.length).fill(NO_HINT);
        for (let k = 0; k < ends.length; ++k) {
            const i = first + k;
            if (this.reasonCodes[i] === 0 || this.#flags[i] === BY_WRITER) continue;
            const start = k === 0 ? 0 : ends[k - 1];
            hints[k] = hintOf(at + start, ends[k] - start, this.#yearLimit);
        }
        this.#hints[c] = hints;
        return hints;
    }
}

function verifyOptions(options, what) {
    if (options === undefined) return { yearLimit: verifyYearLimit(undefined, what), history: true };
    if (options === null || typeof options !== 'object') throw new TypeError(`${what}: options must be an object`);
    const { yearLimit, history = true } = options;
    if (typeof history !== 'boolean') throw new TypeError(`${what}: options.history must be a boolean`);
    return { yearLimit: verifyYearLimit(yearLimit, what), history };
}

export function verify(text, options) {
    requireLoaded();
    requireText(text, 'verify: the number');
    const { yearLimit, history } = verifyOptions(options, 'verify');
    return verdictsOf([text], yearLimit, history, 'verify').at(0);
}

export function verifyMany(texts, options) {
    requireLoaded();
    const list = requireList(texts, 'verifyMany');
    const { yearLimit, history } = verifyOptions(options, 'verifyMany');
    return verdictsOf(list, yearLimit, history, 'verifyMany');
}

// The verdict alone, one byte per text: 0 valid, else the reason's index in
// REASONS (1 length, 2 characters, 3 check, 4 date). For filtering and
// counting many lines, where no record is wanted.
// (setUp: the module's names.)
export let REASONS;

export function verdictCodes(texts, options) {
    requireLoaded();
    const list = requireList(texts, 'verdictCodes');
    const { yearLimit } = verifyOptions(options, 'verdictCodes');
    const codes = new Uint8Array(list.length);
    const flags = new Uint8Array(Math.min(list.length, CHUNK));
    const long = new Map();
    for (let first = 0; first < list.length; first += CHUNK) {
        const last = Math.min(list.length, first + CHUNK);
        verifyChunk(list, first, last, yearLimit, false, flags, long, 'verdictCodes');
        const { reasons } = chunkLayout(last - first);
        codes.set(main.bytes.subarray(reasons, reasons + last - first), first);
        long.clear();
    }
    return codes;
}

// The verdict of a text in the main instance's verdict: its first 64 bytes
// and its whole length.
function verdictInto(text, yearLimit, what) {
    const m = main;
    let held;
    let length;
    if (typeof text === 'string') {
        const at = m.room(UNIT_ROOM);
        const written = encoder.encodeInto(text.slice(0, HELD + 1), m.bytes.subarray(at, at + UNIT_ROOM)).written;
        held = Math.min(written, HELD);
        length = text.length > HELD ? utf8Length(text) : written;
    } else {
        held = Math.min(text.length, HELD);
        m.bytes.set(text.subarray(0, held), m.room(held));
        length = text.length;
    }
    const status = api.idn_verify_prefix(m.dynamic, held, BigInt(length), yearLimit, m.verdict);
    if (status !== IDN_OK) throw failure(status, what);
}

// The kind of a valid number; null for a refused text.
export function kind(text) {
    requireLoaded();
    requireText(text, 'kind: the number');
    verdictInto(text, verifyYearLimit(undefined, 'kind'), 'kind');
    return constantText(api.idn_kind_name(main.words[(main.verdict >> 2) + VERDICT.kind]));
}

// A calendar date as [year, month, day]: a Date by its local calendar day,
// or a string YYYY-MM-DD (whether the calendar has it is the library's to
// say); undefined is today on the local clock.
function calendarDate(value, what) {
    if (value === undefined) {
        const status = api.idn_current_date(main.int, main.int2, main.int3);
        if (status !== IDN_OK) throw failure(status, what);
        return [main.words[main.int >> 2], main.words[main.int2 >> 2], main.words[main.int3 >> 2]];
    }
    if (value instanceof Date) {
        if (Number.isNaN(value.getTime())) throw new RangeError(`${what}: the date is an invalid Date`);
        return [value.getFullYear(), value.getMonth() + 1, value.getDate()];
    }
    const parts = typeof value === 'string' ? /^([0-9]{4})-([0-9]{2})-([0-9]{2})$/.exec(value) : null;
    if (parts === null) throw new TypeError(`${what}: the date must be a Date or a string YYYY-MM-DD, not ${describe(value)}`);
    return [Number(parts[1]), Number(parts[2]), Number(parts[3])];
}

// The holder's age in completed years on a date (a Date, 'YYYY-MM-DD', or
// today when not given): the years since the birth date, one less before
// the birthday in the last year (a birthday of 29 February comes on 1 March
// in other years). null for a refused number, a birth date no calendar has
// and a date before the birth; a RangeError (IDN_ERROR_BAD_DATE) for a date
// no calendar has. options.yearLimit as verify's.
export function age(text, on, options) {
    requireLoaded();
    requireText(text, 'age: the number');
    const { yearLimit } = verifyOptions(options, 'age');
    const [year, month, day] = calendarDate(on, 'age');
    verdictInto(text, yearLimit, 'age');
    const status = api.idn_age_on(main.verdict, year, month, day, main.int);
    if (status === IDN_OK) return main.words[main.int >> 2];
    if (status === IDN_ERROR_NOT_FOUND) return null;
    if (status === IDN_ERROR_BAD_DATE) throw refusal(status, `age: ${String(on)} is not a calendar date`);
    throw failure(status, 'age');
}

// ---- Regions and their history ----------------------------------------------------

function readRegion(m) {
    const s = m.structs.region >> 2;
    return {
        code: m.words[s + REGION.code],
        name: constantText(m.words[s + REGION.name]),
        level: constantText(m.words[s + REGION.level]),
        province: constantText(m.words[s + REGION.province]),
        city: constantText(m.words[s + REGION.city]),
    };
}

// The records of the 2009 tables whose code starts with the query or whose
// name holds it, in table order, as `idtool regions QUERY` lists them.
export function regions(query = '') {
    requireLoaded();
    requireString(query, 'regions: the query');
    const m = machineFor(roomOf(query));
    const at = m.room(roomOf(query));
    const length = writeText(m, query, at);
    const found = [];
    m.words[m.cursor >> 2] = 0;
    for (;;) {
        const status = m.exports.idn_search_regions(at, length, m.cursor, m.structs.region);
        if (status === 0) break;
        if (status < 0) throw failure(status, 'regions');
        found.push(readRegion(m));
    }
    return found;
}

// The record of the 2009 tables with the code, a province-level unit for
// xx0000, or null.
export function regionRecord(code) {
    requireLoaded();
    const status = api.idn_find_region(regionCode(code, 'regionRecord'), main.structs.region);
    return status === IDN_OK ? readRegion(main) : null;
}

// The dialog's cascading lists, by table position: 'municipalities',
// 'provinces', a municipality's code (its districts), a province's code (its
// cities) or a city's code (its county list). Codes; null for a parent that
// has no list.
export function pickerList(parent) {
    requireLoaded();
    const code = parent === 'municipalities' ? IDN_PICKER_MUNICIPALITIES
        : parent === 'provinces' ? IDN_PICKER_PROVINCES : regionCode(parent, 'pickerList');
    const m = main;
    const status = api.idn_picker_list(code, m.list, SIZES.pickerListMax, m.written);
    if (status !== IDN_OK) {
        if (status === IDN_ERROR_BUFFER_TOO_SMALL) throw failure(status, 'pickerList');
        return null;
    }
    return Array.from(m.words.subarray(m.list >> 2, (m.list >> 2) + m.words[m.written >> 2]));
}

// What the history of region codes (1981-2024) says of a code.
export function history(code) {
    requireLoaded();
    const value = regionCode(code, 'history');
    const m = main;
    const w = m.words;
    const records = [];
    const count = api.idn_history_count(value);
    for (let i = 0; i < count; ++i) {
        const status = api.idn_history_at(value, i, m.structs.historyRecord);
        if (status !== IDN_OK) throw failure(status, 'history');
        const s = m.structs.historyRecord >> 2;
        records.push({
            name: constantText(w[s + HISTORY_RECORD.name]),
            province: constantText(w[s + HISTORY_RECORD.province]),
            prefecture: constantText(w[s + HISTORY_RECORD.prefecture]),
            level: constantText(w[s + HISTORY_RECORD.level]),
            from: w[s + HISTORY_RECORD.from],
            until: w[s + HISTORY_RECORD.until] === 0 ? null : w[s + HISTORY_RECORD.until],
        });
    }
    // An array of structs, the first one's size set (also the step between them).
    const list = (write, layout, capacity, what) => {
        w[m.list >> 2] = layout.SIZE;
        const status = write(value, m.list, capacity, m.written);
        if (status !== IDN_OK) throw failure(status, what);
        return w[m.written >> 2];
    };
    const successors = [];
    const successorCount = list(api.idn_successors, LAYOUT.successor, SIZES.maxSuccessors, 'history');
    for (let i = 0; i < successorCount; ++i) {
        const s = (m.list + i * LAYOUT.successor.SIZE) >> 2;
        successors.push({
            code: w[s + SUCCESSOR.code], name: constantText(w[s + SUCCESSOR.name]),
            status: codeStatusNames[w[s + SUCCESSOR.status]],
        });
    }
    const now = [];
    const nowCount = list(api.idn_now_codes, LAYOUT.presentCode, SIZES.maxNowCodes, 'history');
    for (let i = 0; i < nowCount; ++i) {
        const s = (m.list + i * LAYOUT.presentCode.SIZE) >> 2;
        now.push({ code: w[s + PRESENT_CODE.code], name: constantText(w[s + PRESENT_CODE.name]) });
    }
    return { code: value, status: codeStatusNames[api.idn_code_status_of(value)], records, successors, now };
}

// ---- Generation ---------------------------------------------------------------------

// A date option as text: a string, or an integer written in decimal.
function dateText(value, option, what) {
    if (value === undefined || value === null) return null;
    if (typeof value === 'number' && Number.isInteger(value)) return String(value);
    if (typeof value !== 'string') {
        throw new TypeError(`${what}: ${optionParameters[option]} must be a string YYYYMMDD, not ${describe(value)}`);
    }
    return value;
}

// A whole number option of a generation (count, seed, asOf, yearLimit): a
// Number that holds it exactly (up to 2^53 - 1), a BigInt, or (the seed)
// its decimal digits. Returns a BigInt, or null for a value no integer is
// (1.5, 'x'), which the library's message then echoes.
function wholeOption(value, option, what, digitsTaken) {
    if (typeof value === 'bigint') return value;
    if (typeof value === 'number') {
        if (!Number.isInteger(value)) return null;
        const whole = BigInt(value);
        // A Number beyond 2^53 - 1 may not be the integer written: where
        // the option would take it, a BigInt must say it.
        const [lowest, highest] = option === IDN.IDN_OPTION_COUNT ? [1n, INT64_MAX]
            : option === IDN.IDN_OPTION_SEED ? [0n, UINT64_MAX] : [1n, 0n];
        if (!Number.isSafeInteger(value) && whole >= lowest && whole <= highest) {
            throw new TypeError(`${what}: ${optionParameters[option]} ${value} is beyond the integers a Number holds exactly; give it as a BigInt`);
        }
        return whole;
    }
    if (digitsTaken && typeof value === 'string') return /^-?[0-9]+$/.test(value) ? BigInt(value) : null;
    throw new TypeError(`${what}: ${optionParameters[option]} must be a whole number (a Number or a BigInt${digitsTaken ? ', or its digits' : ''}), not ${describe(value)}`);
}

// The options of a generation as JavaScript values, every one read (so the
// caller's getters have run) before any is written into memory.
function readGenerateOptions(options, what) {
    if (options === null || typeof options !== 'object') throw new TypeError(`${what}: options must be an object`);
    const { region, birth, bornBetween, sex, count, seed, asOf, yearLimit, onWarning } = options;
    let regionText = null;
    if (typeof region === 'number') regionText = String(regionCode(region, what)).padStart(6, '0');
    else if (region !== undefined && region !== null) regionText = requireString(region, `${what}: region`);
    let from = null;
    let to = null;
    if (bornBetween !== undefined && bornBetween !== null) {
        if (!Array.isArray(bornBetween) || bornBetween.length !== 2) {
            throw new TypeError(`${what}: bornBetween must be [from, to], two dates YYYYMMDD`);
        }
        from = bornBetween[0];
        to = bornBetween[1];
    }
    if (sex !== undefined && sex !== null && typeof sex !== 'string') {
        throw new TypeError(`${what}: sex must be a string, not ${describe(sex)}`);
    }
    if (onWarning !== undefined && typeof onWarning !== 'function') throw new TypeError(`${what}: onWarning must be a function`);
    const given = (value, option, digitsTaken) => (value === undefined || value === null ? undefined
        : { value, whole: wholeOption(value, option, what, digitsTaken) });
    return {
        texts: [
            [IDN.IDN_OPTION_REGION, regionText],
            [IDN.IDN_OPTION_BIRTH, dateText(birth, IDN.IDN_OPTION_BIRTH, what)],
            [IDN.IDN_OPTION_BORN_FROM, dateText(from, IDN.IDN_OPTION_BORN_FROM, what)],
            [IDN.IDN_OPTION_BORN_TO, dateText(to, IDN.IDN_OPTION_BORN_TO, what)],
            // The library reads the word, and refuses one it does not know.
            [IDN.IDN_OPTION_SEX, sex ?? null],
        ],
        count: given(count, IDN.IDN_OPTION_COUNT, false),
        seed: given(seed, IDN.IDN_OPTION_SEED, true),
        asOf: given(asOf, IDN.IDN_OPTION_AS_OF_YEAR, false),
        yearLimit: given(yearLimit, IDN.IDN_OPTION_YEAR_LIMIT, false),
        onWarning,
    };
}

// Checks and prepares a generation through the generator's setters: the
// generator's state (its bytes, which hold no pointer and may be copied),
// how many numbers it gives and the warning's message, or throws the
// library's refusal. A value the setters cannot be given as it is (no
// integer, or beyond 64 bits) is given as a stand-in the library refuses
// with the same status, so that its refusal comes in its place in the
// library's order, worded with the caller's value.
function prepareGeneration(options, what) {
    const o = readGenerateOptions(options, what);
    const room = o.texts.reduce((sum, [, text]) => sum + (text === null ? 0 : roomOf(text)), 0);
    const m = machineFor(room);
    const gen = m.generator;
    const exports = m.exports;
    const check = (status) => {
        if (status !== IDN_OK) throw failure(status, 'a generator\'s setter');
    };
    check(exports.idn_generator_init(gen, SIZES.generator));
    let at = m.room(room);
    for (const [option, text] of o.texts) {
        if (text === null) continue;
        const length = writeText(m, text, at);
        check(exports.idn_generator_set_text(gen, option, at, length));
    }
    const standIns = new Map();
    const setWhole = (option, given, { zeroIsNone = false } = {}) => {
        if (given === undefined) return;
        const { value, whole } = given;
        if (zeroIsNone && whole === 0n) return;
        if (whole !== null && whole >= INT64_MIN && whole <= INT64_MAX) {
            check(exports.idn_generator_set_integer(gen, option, whole));
        } else if (whole !== null && whole > 0n && whole <= UINT64_MAX && option === IDN.IDN_OPTION_COUNT) {
            check(exports.idn_generator_set_unsigned(gen, option, whole));
        } else {
            standIns.set(option, whole !== null ? whole.toString() : String(value));
            if (option === IDN.IDN_OPTION_COUNT && whole !== null && whole > 0n) {
                check(exports.idn_generator_set_unsigned(gen, option, UINT64_MAX));
            } else check(exports.idn_generator_set_integer(gen, option, option === IDN.IDN_OPTION_COUNT ? INT64_MIN : -1n));
        }
    };
    setWhole(IDN.IDN_OPTION_COUNT, o.count);
    // asOf and yearLimit 0 are what no option gives: the 2009 tables, the
    // current year.
    setWhole(IDN.IDN_OPTION_AS_OF_YEAR, o.asOf, { zeroIsNone: true });
    setWhole(IDN.IDN_OPTION_YEAR_LIMIT, o.yearLimit, { zeroIsNone: true });
    // This API's seed is 0 to 2^64 - 1 (no negative one stands for its
    // bits): one outside is refused here, after every option the library
    // judges.
    let seedRefused = null;
    if (o.seed !== undefined) {
        const { value, whole } = o.seed;
        if (whole !== null && whole >= 0n && whole <= UINT64_MAX) check(exports.idn_generator_set_unsigned(gen, IDN.IDN_OPTION_SEED, whole));
        else seedRefused = whole !== null ? whole.toString() : String(value);
    }
    const message = () => {
        const result = exports.idn_generator_message(gen, m.names, NAME_COUNT, m.textOut, SIZES.message, m.written);
        if (result !== IDN_OK) throw failure(result, 'idn_generator_message');
        return m.readOut();
    };
    const status = exports.idn_generator_prepare(gen);
    if (status !== IDN_OK) {
        exports.idn_generator_refusal(gen, 0, m.int2);
        const option = m.words[m.int2 >> 2];
        if (standIns.has(option)) throw optionRefusal(status, standIns.get(option), option);
        throw refusal(status, message(), optionParameters[option]);
    }
    if (seedRefused !== null) throw optionRefusal(IDN.IDN_ERROR_SEED_RANGE, seedRefused, IDN.IDN_OPTION_SEED);
    const total = exports.idn_generator_count(gen);
    return {
        state: m.bytes.slice(gen, gen + SIZES.generator),
        count: total <= Number.MAX_SAFE_INTEGER ? Number(total) : total,
        warning: exports.idn_generator_warning(gen) !== 0 ? message() : null,
        onWarning: o.onWarning,
    };
}

// Writes numbers first..first+n of a generator's state into `into` from
// `at`, each made by the C API in the main instance from a copy of the
// state (so that no call made between two of these disturbs another).
function numbersOf(state, first, n, into, at) {
    const m = main;
    m.bytes.set(state, m.generator);
    const out = m.textOut;
    for (let i = 0; i < n; ++i) {
        const status = api.idn_generator_number(m.generator, BigInt(first + i), out, SIZES.number, m.written);
        if (status !== IDN_OK) throw failure(status, 'idn_generator_number');
        into[at + i] = asciiText(m.bytes, out, out + SIZES.number - 1);
    }
}

const BLOCK = 4096;  // numbers made at a time while iterating

// The numbers of one generation, made when read: count (a Number, or a
// BigInt beyond 2^53 - 1), the warning's message or null, at(index), and
// iteration in order. Made by generator().
export class Generated {
    #state;

    constructor(prepared) {
        this.#state = prepared.state;
        this.count = prepared.count;
        this.warning = prepared.warning;
        Object.freeze(this);
    }

    // The number at `index` (a Number or a BigInt, 0 to count - 1); undefined
    // beyond.
    at(index) {
        const i = typeof index === 'bigint' ? index : BigInt(Math.trunc(Number(index)) || 0);
        if (i < 0n || i >= BigInt(this.count)) return undefined;
        const into = [];
        numbersOf(this.#state, Number(i), 1, into, 0);
        return into[0];
    }

    *[Symbol.iterator]() {
        const total = BigInt(this.count);
        const block = new Array(BLOCK);
        for (let first = 0n; first < total; first += BigInt(BLOCK)) {
            const n = Number(total - first < BigInt(BLOCK) ? total - first : BigInt(BLOCK));
            numbersOf(this.#state, Number(first), n, block, 0);
            for (let i = 0; i < n; ++i) yield block[i];
        }
    }

    // Every number, in an array (at most 2^32 - 1, as an array holds).
    toArray() {
        if (typeof this.count !== 'number' || this.count > 2 ** 32 - 1) {
            throw new RangeError(`${this.count} numbers are more than an array holds; iterate them instead`);
        }
        const numbers = new Array(this.count);
        for (let first = 0; first < this.count; first += BLOCK) {
            numbersOf(this.#state, first, Math.min(BLOCK, this.count - first), numbers, first);
        }
        return numbers;
    }
}

// The numbers of a generation, made as they are read (for counts no array
// holds). onWarning, when given, is called with the warning first.
export function generator(options) {
    requireLoaded();
    const prepared = prepareGeneration(options, 'generator');
    const result = new Generated(prepared);
    if (prepared.warning !== null && prepared.onWarning !== undefined) prepared.onWarning(prepared.warning);
    return result;
}

// Distinct well-formed numbers, as idtool generate makes them: the same
// options and seed give the same numbers.
export function generate(options) {
    requireLoaded();
    const prepared = prepareGeneration(options, 'generate');
    const result = new Generated(prepared);
    if (prepared.warning !== null && prepared.onWarning !== undefined) prepared.onWarning(prepared.warning);
    return result.toArray();
}

// ---- Finding and redacting numbers in text ------------------------------------------
//
// A scan runs in a scanner the C API keeps in a slot of the main
// instance's memory (Machine.takeSlot), which stays where it is for the
// stream's life: a Finder's or Redactor's until end(), a find's or
// redact's for the call. The text goes in pieces of at most PIECE bytes
// (a string encoded as UTF-8 PIECE_UNITS units at a time), so that a text
// of any size takes no more memory than a piece and its redaction.

const PIECE = 1 << 16;          // bytes of a Uint8Array given at a time
const PIECE_UNITS = 1 << 14;    // units of a string encoded at a time (at most 3 bytes each)

// The words of this package's scan options, by option, as the C API's
// values; and the status a word none of these is refused with.
const scanWords = {
    encoding: [IDN.IDN_OPTION_ENCODING, IDN.IDN_ERROR_BAD_ENCODING,
        { utf8: IDN.IDN_ENCODING_UTF8, gbk: IDN.IDN_ENCODING_GBK, auto: IDN.IDN_ENCODING_AUTO }],
    minConfidence: [IDN.IDN_OPTION_MIN_CONFIDENCE, IDN.IDN_ERROR_BAD_CONFIDENCE,
        { low: IDN.IDN_CONFIDENCE_LOW, medium: IDN.IDN_CONFIDENCE_MEDIUM, high: IDN.IDN_CONFIDENCE_HIGH }],
    way: [IDN.IDN_OPTION_REDACTION, IDN.IDN_ERROR_BAD_REDACTION,
        { mask: IDN.IDN_REDACT_MASK, label: IDN.IDN_REDACT_LABEL, token: IDN.IDN_REDACT_TOKEN,
            pseudonym: IDN.IDN_REDACT_PSEUDONYM }],
    alphabet: [IDN.IDN_OPTION_TOKEN_ALPHABET, IDN.IDN_ERROR_TOKEN_FORMAT,
        { hex: IDN.IDN_TOKEN_HEX, base32: IDN.IDN_TOKEN_BASE32 }],
};
const keepWords = { region: IDN.IDN_KEEP_REGION, birthYear: IDN.IDN_KEEP_BIRTH_YEAR, sex: IDN.IDN_KEEP_SEX };
const scanIntegers = { first: IDN.IDN_OPTION_MASK_FIRST, last: IDN.IDN_OPTION_MASK_LAST, length: IDN.IDN_OPTION_TOKEN_LENGTH };
const findOptionNames = ['encoding', 'minConfidence', 'fifteenDigits', 'asOf'];
const redactOptionNames = [...findOptionNames, 'way', 'first', 'last', 'label', 'key', 'alphabet', 'length', 'keep'];

// A date as YYYYMMDD: a Date by its local calendar day, 'YYYY-MM-DD', or
// the integer itself (whether the calendar has it is the library's to say).
function asOfValue(value, what) {
    if (typeof value === 'number' && Number.isInteger(value)) return value;
    const [year, month, day] = calendarDate(value, what);
    return year * 10000 + month * 100 + day;
}

// A scan's options as the setters' [option, value] pairs (a value a number,
// or a Uint8Array for a text option), every one read and checked for its
// type before any is written into memory. An unknown option name is a
// TypeError, so that a mistyped one is not silently the default.
function readScanOptions(options, names, bytesIn, what) {
    if (options === undefined || options === null) return [];
    if (typeof options !== 'object') throw new TypeError(`${what}: options must be an object`);
    for (const name of Object.keys(options)) {
        if (!names.includes(name)) throw new TypeError(`${what}: ${name} is no option here (${names.join(', ')})`);
    }
    const set = [];
    for (const name of names) {
        const value = options[name];
        if (value === undefined || value === null) continue;
        if (name in scanWords) {
            const [option, status, words] = scanWords[name];
            if (name === 'encoding' && !bytesIn) throw new TypeError(`${what}: encoding is for bytes (a Uint8Array); a string is its text`);
            if (typeof value === 'string' && Object.hasOwn(words, value)) set.push([option, words[value]]);
            else if (typeof value === 'string') {
                const error = refusal(status, `${name}: must be one of ${Object.keys(words).join(', ')}, not ${JSON.stringify(value)}`);
                error.option = name;
                throw error;
            } else if (Number.isInteger(value)) set.push([option, value]);  // the library's to judge
            else throw new TypeError(`${what}: ${name} must be one of ${Object.keys(words).join(', ')}, not ${describe(value)}`);
        } else if (name in scanIntegers) {
            if (!Number.isSafeInteger(value)) throw new TypeError(`${what}: ${name} must be an integer, not ${describe(value)}`);
            set.push([scanIntegers[name], value]);
        } else if (name === 'fifteenDigits') {
            if (typeof value !== 'boolean') throw new TypeError(`${what}: fifteenDigits must be a boolean, not ${describe(value)}`);
            set.push([IDN.IDN_OPTION_FIFTEEN_DIGITS, value ? 1 : 0]);
        } else if (name === 'asOf') {
            set.push([IDN.IDN_OPTION_AS_OF_DATE, asOfValue(value, `${what}: asOf`)]);
        } else if (name === 'keep') {
            let flags = 0;
            if (Number.isInteger(value)) flags = value;
            else if (Array.isArray(value)) {
                for (const word of value) {
                    if (!Object.hasOwn(keepWords, word)) {
                        throw new TypeError(`${what}: keep holds ${describe(word)}, not one of ${Object.keys(keepWords).join(', ')}`);
                    }
                    flags |= keepWords[word];
                }
            } else throw new TypeError(`${what}: keep must be an array of ${Object.keys(keepWords).join(', ')}, not ${describe(value)}`);
            set.push([IDN.IDN_OPTION_KEEP, flags]);
        } else if (name === 'label') {
            set.push([IDN.IDN_OPTION_LABEL, encoder.encode(requireString(value, `${what}: label`))]);
        } else if (name === 'key') {
            // The key's bytes, never a string: a secret typed or read is
            // made bytes by its reader, and no message ever echoes it.
            if (!(value instanceof Uint8Array)) {
                throw new TypeError(`${what}: key must be a Uint8Array of at least ${SIZES.keyMinLength} bytes, not ${typeof value === 'string' ? 'a string' : describe(value)}`);
            }
            set.push([IDN.IDN_OPTION_KEY, value]);
        }
    }
    return set;
}

// Keeps no scanner of a Finder or Redactor that was dropped unfinished:
// its slot (with the key it holds) is zeroed and freed once it is collected.
const slotsOfDropped = typeof FinalizationRegistry === 'function'
    ? new FinalizationRegistry(({ machine, slot }) => machine.giveSlot(slot)) : null;

// A prepared scanner in a slot of the main instance: throws the library's
// refusal (with this package's option names) after giving the slot back.
function prepareScanner(set, what) {
    const m = main;
    const slot = m.takeSlot();
    try {
        const check = (status) => {
            if (status !== IDN_OK) throw failure(status, `${what}: a scanner's setter`);
        };
        check(api.idn_scanner_init(slot, SIZES.scanner));
        for (const [option, value] of set) {
            if (value instanceof Uint8Array) {
                const at = m.room(value.length);
                m.bytes.set(value, at);
                check(api.idn_scanner_set_text(slot, option, at, value.length));
                m.bytes.fill(0, at, at + value.length);
            } else check(api.idn_scanner_set_integer(slot, option, BigInt(value)));
        }
        const status = api.idn_scanner_prepare(slot);
        if (status !== IDN_OK) {
            api.idn_scanner_refusal(slot, 0, m.int2);
            const option = m.words[m.int2 >> 2];
            // The missing key's sentence speaks of "the token and pseudonym
            // ways of redaction": the library's noun there, not the option's
            // name in this package.
            const wayEntry = (m.names >> 2) + IDN.IDN_OPTION_REDACTION;
            const wayName = m.words[wayEntry];
            if (status === IDN.IDN_ERROR_NO_KEY) m.words[wayEntry] = 0;
            const result = api.idn_scanner_message(slot, m.names, NAME_COUNT, m.textOut, SIZES.message, m.written);
            m.words[wayEntry] = wayName;
            if (result !== IDN_OK) throw failure(result, 'idn_scanner_message');
            throw refusal(status, m.readOut(), optionWords[option]);
        }
        return slot;
    } catch (error) {
        m.giveSlot(slot);
        throw error;
    }
}

const confidenceNames = [null, 'low', 'medium', 'high'];
const formFlags = [[IDN.IDN_FORM_FULLWIDTH, 'fullwidth'], [IDN.IDN_FORM_LOWERCASE_X, 'lowercase_x'],
    [IDN.IDN_FORM_SEPARATED, 'separated'], [IDN.IDN_FORM_FIFTEEN_DIGITS, 'fifteen_digits']];
const MATCH = LAYOUT.match;

// A match's keyword, read each time: an ASCII one is written in lower
// case in the scanner's own storage, which the next match overwrites.
function keywordText(pointer) {
    if (pointer === 0) return null;
    const bytes = main.bytes;
    let end = pointer;
    while (bytes[end] !== 0) ++end;
    return decoder.decode(bytes.subarray(pointer, end));
}

// The match the C API wrote, offsets in the input's units: UTF-16 units of
// a string, bytes of a Uint8Array.
function readMatch(stringIn) {
    const m = main;
    const at = m.structs.match;
    const view = m.view;
    const w = m.words;
    const s = at >> 2;
    const u64 = (offset) => Number(view.getBigUint64(at + offset, true));
    const confidence = w[s + (MATCH.confidence >> 2)];
    const form = w[s + (MATCH.form >> 2)];
    const flaw = w[s + (MATCH.flaw >> 2)];
    const valid = confidence >= IDN_CONFIDENCE_MEDIUM;
    const year = w[s + (MATCH.birthYear >> 2)];
    return {
        offset: u64(stringIn ? MATCH.utf16Offset : MATCH.byteOffset),
        length: u64(stringIn ? MATCH.utf16Length : MATCH.byteLength),
        byteOffset: u64(MATCH.byteOffset),
        byteLength: u64(MATCH.byteLength),
        line: u64(MATCH.line),
        column: u64(MATCH.column),
        number: asciiText(m.bytes, at + MATCH.number, at + MATCH.number + 18),
        form: formFlags.filter(([flag]) => (form & flag) !== 0).map(([, name]) => name),
        confidence: confidenceNames[confidence],
        flaw: flaw === 0 ? null : constantText(api.idn_flaw_name(flaw)),
        keyword: keywordText(w[s + (MATCH.keyword >> 2)]),
        kind: valid ? constantText(api.idn_kind_name(w[s + (MATCH.kind >> 2)])) : null,
        sex: valid ? sexWords[w[s + (MATCH.sex >> 2)]] : null,
        birthDate: valid ? `${String(year).padStart(4, '0')}${String(w[s + (MATCH.birthMonth >> 2)]).padStart(2, '0')}${String(w[s + (MATCH.birthDay >> 2)]).padStart(2, '0')}` : null,
        regionCode: valid ? w[s + (MATCH.regionCode >> 2)] : null,
    };
}

// The pieces of a text as bytes, each written at the start of the main
// instance's dynamic area: calls use(at, length, final) for each, the last
// one final (and empty when the text ends a piece).
function eachPiece(text, use) {
    const m = main;
    if (typeof text === 'string') {
        for (let start = 0; ;) {
            let end = Math.min(text.length, start + PIECE_UNITS);
            // A surrogate pair stays whole.
            if (end < text.length && (text.charCodeAt(end - 1) & 0xFC00) === 0xD800) --end;
            const at = m.room(3 * (end - start));
            const length = encoder.encodeInto(text.slice(start, end), m.bytes.subarray(at, at + 3 * (end - start))).written;
            use(at, length, end === text.length);
            if (end === text.length) return;
            start = end;
        }
    }
    for (let start = 0; ;) {
        const end = Math.min(text.length, start + PIECE);
        const at = m.room(end - start);
        m.bytes.set(text.subarray(start, end), at);
        use(at, end - start, end === text.length);
        if (end === text.length) return;
        start = end;
    }
}

// Feeds a piece at `at` and collects its matches.
function findIn(slot, at, length, final, stringIn, into) {
    const fed = api.idn_scanner_feed(slot, at, length, final ? 1 : 0);
    if (fed !== IDN_OK) throw failure(fed, 'idn_scanner_feed');
    for (;;) {
        const found = api.idn_scanner_next(slot, main.structs.match);
        if (found === 0) return;
        if (found < 0) throw failure(found, 'idn_scanner_next');
        into.push(readMatch(stringIn));
    }
}

// Redacts a piece at `at`; returns its output's bytes, a copy.
function redactIn(slot, at, length, final) {
    const m = main;
    const size = api.idn_redact_size(length) >>> 0;
    const out = align(at + length, 8);
    m.grow(out + size);
    const status = api.idn_scanner_redact(slot, at, length, final ? 1 : 0, out, size, m.written);
    if (status !== IDN_OK) throw failure(status, 'idn_scanner_redact');
    return m.bytes.slice(out, out + m.words[m.written >> 2]);
}

// What a scanner counted: matches by confidence and form, never numbers.
function summaryOf(slot) {
    const m = main;
    const at = m.structs.scanSummary;
    const status = api.idn_scanner_summary(slot, at);
    if (status !== IDN_OK) throw failure(status, 'idn_scanner_summary');
    const layout = LAYOUT.scanSummary;
    const u64 = (offset) => Number(m.view.getBigUint64(at + offset, true));
    return {
        bytes: u64(layout.bytes),
        matches: u64(layout.matches),
        byConfidence: { low: u64(layout.byConfidence + 8), medium: u64(layout.byConfidence + 16), high: u64(layout.byConfidence + 24) },
        plain: u64(layout.plain),
        byForm: Object.fromEntries(formFlags.map(([, name], i) => [name, u64(layout.byForm + 8 * i)])),
    };
}

function requireScanText(text, what) {
    if (typeof text !== 'string' && !(text instanceof Uint8Array)) {
        throw new TypeError(`${what}: the text must be a string or a Uint8Array, not ${describe(text)}`);
    }
    return text;
}

// Every identity number in a text: a string (offsets in its UTF-16 units,
// as its indexes) or a Uint8Array (offsets in bytes, read as
// options.encoding says). Matches in the order of the text.
export function find(text, options) {
    requireLoaded();
    requireScanText(text, 'find');
    const slot = prepareScanner(readScanOptions(options, findOptionNames, typeof text !== 'string', 'find'), 'find');
    try {
        const matches = [];
        eachPiece(text, (at, length, final) => findIn(slot, at, length, final, typeof text === 'string', matches));
        return matches;
    } finally {
        main.giveSlot(slot);
    }
}

// The text with every number at or above options.minConfidence replaced
// by options.way (mask, label, token, pseudonym) and every other character
// as it was: a string for a string (a lone surrogate as U+FFFD), bytes for
// bytes.
export function redact(text, options) {
    const redactor = new Redactor(options, typeof text === 'string' ? 'string' : 'bytes', 'redact');
    try {
        return redactor.end(requireScanText(text, 'redact'));
    } finally {
        redactor.close();
    }
}

// The matches of many texts, one array each, with one prepared scanner
// begun again for each text (idn_scanner_restart): for short texts, the
// options are judged once.
export function findMany(texts, options) {
    requireLoaded();
    const list = requireList(texts, 'findMany');
    list.forEach((text, i) => requireScanText(text, `findMany: item ${i}`));
    const bytesIn = list.some((text) => typeof text !== 'string');
    const slot = prepareScanner(readScanOptions(options, findOptionNames, bytesIn, 'findMany'), 'findMany');
    try {
        return list.map((text, i) => {
            if (i > 0) {
                const status = api.idn_scanner_restart(slot);
                if (status !== IDN_OK) throw failure(status, 'idn_scanner_restart');
            }
            const matches = [];
            eachPiece(text, (at, length, final) => findIn(slot, at, length, final, typeof text === 'string', matches));
            return matches;
        });
    } finally {
        main.giveSlot(slot);
    }
}

// Each text redacted, with one prepared scanner begun again for each
// (idn_scanner_restart): strings for strings, bytes for bytes.
export function redactMany(texts, options) {
    requireLoaded();
    const list = requireList(texts, 'redactMany');
    list.forEach((text, i) => requireScanText(text, `redactMany: item ${i}`));
    const bytesIn = list.some((text) => typeof text !== 'string');
    const slot = prepareScanner(readScanOptions(options, redactOptionNames, bytesIn, 'redactMany'), 'redactMany');
    try {
        return list.map((text, i) => {
            if (i > 0) {
                const status = api.idn_scanner_restart(slot);
                if (status !== IDN_OK) throw failure(status, 'idn_scanner_restart');
            }
            const parts = [];
            eachPiece(text, (at, length, final) => parts.push(redactIn(slot, at, length, final)));
            const bytes = parts.length === 1 ? parts[0] : concatBytes(parts);
            return typeof text === 'string' ? decoder.decode(bytes) : bytes;
        });
    } finally {
        main.giveSlot(slot);
    }
}

// A redaction of a stream given in pieces: write(piece) returns what is
// decided of the output so far (the bytes a number could go on from wait
// for the next piece), end(piece) the rest; summary() what was replaced.
// Pieces are all strings (the output strings) or all Uint8Arrays (the
// output bytes, in the input's encoding). A number split across pieces is
// found once.
export class Redactor {
    #slot;
    #mode;          // 'string', 'bytes', or null until the first piece
    #decoder = null;
    #ended = false;
    #token = {};

    constructor(options, mode = null, what = 'Redactor') {
        requireLoaded();
        this.#mode = mode;
        const bytesIn = mode !== 'string' && (options?.encoding !== undefined || mode === 'bytes');
        this.#slot = prepareScanner(readScanOptions(options, redactOptionNames, bytesIn, what), what);
        slotsOfDropped?.register(this, { machine: main, slot: this.#slot }, this.#token);
    }

    #piece(piece, final) {
        if (this.#ended) throw new Error('Redactor: the stream has ended');
        const isString = typeof piece === 'string';
        if (!isString && !(piece instanceof Uint8Array)) {
            throw new TypeError(`Redactor: a piece must be a string or a Uint8Array, not ${describe(piece)}`);
        }
        if (this.#mode === null) this.#mode = isString ? 'string' : 'bytes';
        if ((this.#mode === 'string') !== isString) {
            throw new TypeError(`Redactor: the stream's pieces are ${this.#mode === 'string' ? 'strings' : 'Uint8Arrays'}, not ${describe(piece)}`);
        }
        const parts = [];
        eachPiece(piece, (at, length, last) => parts.push(redactIn(this.#slot, at, length, final && last)));
        if (final) this.#ended = true;
        const bytes = parts.length === 1 ? parts[0] : concatBytes(parts);
        if (!isString) return bytes;
        this.#decoder ??= new TextDecoder('utf-8', { ignoreBOM: true });
        return this.#decoder.decode(bytes, { stream: !final });
    }

    write(piece) {
        return this.#piece(piece, false);
    }

    end(piece) {
        return this.#piece(piece ?? (this.#mode === 'bytes' ? new Uint8Array(0) : ''), true);
    }

    // What was replaced so far: counts by confidence and form, never numbers.
    summary() {
        if (this.#slot === null) throw new Error('Redactor: closed');
        return summaryOf(this.#slot);
    }

    // Frees the scanner (zeroing the key it holds); end() keeps it for summary().
    close() {
        if (this.#slot === null) return;
        slotsOfDropped?.unregister(this.#token);
        main.giveSlot(this.#slot);
        this.#slot = null;
        this.#ended = true;
    }
}

// A find over a stream given in pieces: write(piece) and end(piece) return
// the matches decided so far, offsets from the stream's start (UTF-16
// units of string pieces, bytes of Uint8Array ones). A number split across
// pieces is found once.
export class Finder {
    #slot;
    #mode = null;
    #token = {};

    constructor(options) {
        requireLoaded();
        this.#slot = prepareScanner(readScanOptions(options, findOptionNames, options?.encoding !== undefined, 'Finder'), 'Finder');
        if (options?.encoding !== undefined) this.#mode = 'bytes';
        slotsOfDropped?.register(this, { machine: main, slot: this.#slot }, this.#token);
    }

    #piece(piece, final) {
        if (this.#slot === null) throw new Error('Finder: the stream has ended');
        const isString = typeof piece === 'string';
        if (!isString && !(piece instanceof Uint8Array)) {
            throw new TypeError(`Finder: a piece must be a string or a Uint8Array, not ${describe(piece)}`);
        }
        this.#mode ??= isString ? 'string' : 'bytes';
        if ((this.#mode === 'string') !== isString) {
            throw new TypeError(`Finder: the stream's pieces are ${this.#mode === 'string' ? 'strings' : 'Uint8Arrays'}, not ${describe(piece)}`);
        }
        const matches = [];
        eachPiece(piece, (at, length, last) => findIn(this.#slot, at, length, final && last, isString, matches));
        if (final) {
            slotsOfDropped?.unregister(this.#token);
            main.giveSlot(this.#slot);
            this.#slot = null;
        }
        return matches;
    }

    write(piece) {
        return this.#piece(piece, false);
    }

    end(piece) {
        return this.#piece(piece ?? (this.#mode === 'bytes' ? new Uint8Array(0) : ''), true);
    }
}

function concatBytes(parts) {
    const out = new Uint8Array(parts.reduce((sum, part) => sum + part.length, 0));
    let at = 0;
    for (const part of parts) {
        out.set(part, at);
        at += part.length;
    }
    return out;
}

// One number held alone (a field's value), redacted as the options would
// redact it in a text that is only this number; null when it is not one.
export function redactNumber(number, options) {
    requireLoaded();
    requireScanText(number, 'redactNumber');
    const slot = prepareScanner(readScanOptions(options, redactOptionNames, typeof number !== 'string', 'redactNumber'), 'redactNumber');
    try {
        const m = main;
        const at = m.room(roomOf(number));
        const length = writeText(m, number, at);
        const status = api.idn_scanner_redact_number(slot, at, length, m.textOut, SIZES.redactNumber, m.written);
        if (status === IDN_ERROR_NOT_FOUND) return null;
        if (status !== IDN_OK) throw failure(status, 'redactNumber');
        const out = m.bytes.slice(m.textOut, m.textOut + m.words[m.written >> 2]);
        return typeof number === 'string' ? decoder.decode(out) : out;
    } finally {
        main.giveSlot(slot);
    }
}

// ---- Other conversions ------------------------------------------------------------------

// The 18-character form of a 15-digit number (19YY, and the check character).
export function upgrade(number15) {
    requireLoaded();
    requireText(number15, 'upgrade: the number');
    const m = machineFor(roomOf(number15));
    const at = m.room(roomOf(number15));
    const length = writeText(m, number15, at);
    const status = m.exports.idn_upgrade_number(at, length, m.textOut, SIZES.number, m.written);
    if (status !== IDN_OK) {
        // The library's words for the refusal ("14 bytes, not 15 digits").
        m.exports.idn_upgrade_message(at, length, m.textOut, SIZES.reasonMessage, m.written);
        throw refusal(status, `upgrade: ${m.readOut()}`);
    }
    return m.readOut();
}

// The text masked for reports: its first 6 and last 4 characters kept (code
// points; a text of 10 or fewer masked whole).
export function mask(number) {
    requireLoaded();
    requireText(number, 'mask: the number');
    // A big text is measured first, so that its instance has just the room
    // it needs: the text and its mask.
    const length = typeof number === 'string' && 3 * number.length > KEPT_ROOM / 2 ? utf8Length(number) : roomOf(number);
    const size = length + SIZES.maskExtra + length;
    const m = machineFor(size);
    const at = m.room(size);
    const written = writeText(m, number, at);
    const out = at + written;
    const status = m.exports.idn_mask_text(at, written, out, written + SIZES.maskExtra, m.written);
    if (status !== IDN_OK) throw failure(status, 'mask');
    return decoder.decode(m.bytes.subarray(out, out + m.words[m.written >> 2]));
}

// The fields of a verify record, in order, as idtool verify writes them
// (without "line", which a single call has none of). Set by setUp.
export let fields;

// The library's version, '3.0.0'. Set by setUp.
export let version;
// The most bytes of a text a verdict, its record and its hint read (the C
// API's IDN_INPUT_HELD_BYTES): what a reader of long lines keeps of each.
export let INPUT_HELD_BYTES;

// ---- Loading the module --------------------------------------------------------------

// Makes `instance` of `module` the package's own, and everything that is
// read of it once: the sizes, the names, the places of the buffers.
function setUp(module, instance, crypto) {
    const { exports } = instance;
    if (typeof exports.idn_verify_columns !== 'function' || typeof exports.idn_size_of !== 'function') {
        throw new Error('idnumber: the module given is not idnumber.wasm (it lacks idn_verify_columns or idn_size_of)');
    }
    try {
        SIZES = sizesOf(instance);
        HELD = SIZES.held;
        main = new Machine(instance);
        api = exports;
        checkVersion();
        UNIT_ROOM = 3 * (HELD + 1);
        if (chunkRoom(CHUNK) > KEPT_ROOM) throw new Error('idnumber: KEPT_ROOM holds no chunk');
        reasonNames = [0, 1, 2, 3, 4].map((reason) => constantText(api.idn_reason_name(reason)));
        sexWords = [null, constantText(api.idn_sex_name(IDN_SEX_MALE)), constantText(api.idn_sex_name(IDN_SEX_FEMALE))];
        codeStatusNames = [IDN.IDN_CODE_UNKNOWN, IDN.IDN_CODE_LISTED_2009, IDN.IDN_CODE_IN_USE, IDN.IDN_CODE_ABOLISHED]
            .map((status) => constantText(api.idn_code_status_name(status)));
        REASONS = Object.freeze([...reasonNames]);
        fields = Object.freeze(Array.from({ length: api.idn_field_count() }, (_, i) => constantText(api.idn_field_name(i)))
            .filter((name) => name !== 'line'));
        version = constantText(api.idn_version_string());
        INPUT_HELD_BYTES = SIZES.held;
        compiled = module;
        webCrypto = crypto;
    } catch (error) {
        main = null;
        api = null;
        constantTexts.clear();
        throw error;
    }
}

// Loads idnumber.wasm, once: from `source`, its URL (a string or a URL; in
// Node a file's path too), a Request, a Response, its bytes (an ArrayBuffer
// or a Uint8Array), a WebAssembly.Module, or a promise of one of these; by
// default from beside this file. Resolves to the compiled
// WebAssembly.Module (which a worker may be given for initSync). Once the
// module is loaded, it resolves at once and `source` is not read; a failed
// load may be tried again.
export function init(source) {
    if (compiled !== null) return Promise.resolve(compiled);
    if (loading === null) {
        const attempt = (async () => {
            const module = await compileAny(source);
            const crypto = await cryptoAny();
            const instance = await instantiateAsync(module, crypto);
            if (compiled === null) setUp(module, instance, crypto);  // unless initSync ran meanwhile
            return compiled;
        })();
        loading = attempt;
        attempt.then(() => { loading = null; }, () => { loading = null; });
    }
    return loading;
}

// The same, synchronously, from the module's bytes or a WebAssembly.Module
// (browsers compile at most 8 MB so on their main thread; idnumber.wasm is
// under 1 MB). Without a source, Node reads the file beside this one.
// Returns the WebAssembly.Module.
export function initSync(source) {
    if (compiled !== null) return compiled;
    const module = compileSync(source);
    const crypto = cryptoSync() ?? noCrypto;
    setUp(module, instantiate(module, crypto), crypto);
    return compiled;
}

export default init;

// Loaded at import, from beside this file (init.js and index.cjs end otherwise).
await init();
