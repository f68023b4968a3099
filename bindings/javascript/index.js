// idnumber: PRC resident identity numbers (18 characters) verified and made
// up by the project's C API compiled to WebAssembly (idnumber.wasm, beside
// this file), for Node 18+ and browsers, with no dependency and nothing sent
// anywhere.
//
// Offers verify and verifyMany (the fields of `idtool verify --format
// jsonl`), kind, generate (the numbers of `idtool generate` for the same
// seed), regions, regionRecord, pickerList (the dialog's cascading lists),
// history, upgrade and mask. The module loads idnumber.wasm once, at import
// (top-level await); every function after that is synchronous.
//
// Memory: the C API allocates nothing. Above the module's __heap_base this
// file keeps a small area for structs, one for texts the C API writes, and a
// growing area for inputs and batches. Calls never overlap (JavaScript runs
// one at a time), so each call uses those areas from their start.

import { wasiImports } from './wasi.js';

const IDN_OK = 0;
const IDN_ERROR_BUFFER_TOO_SMALL = -2;
const IDN_PICKER_MUNICIPALITIES = 1;
const IDN_PICKER_PROVINCES = 2;
const IDN_JSON_HISTORY = 1;
const INPUT_FIELD_LIMIT = 64; // idtool's input field: the first 64 bytes
const REASON_LENGTH = 1;
const IDN_HINT_FIFTEEN_DIGITS = 2;
const SEX_MALE = 1;

// ---- Loading -----------------------------------------------------------------

const isNode = typeof process === 'object' && process !== null && typeof process.versions?.node === 'string';
const wasmUrl = new URL('./idnumber.wasm', import.meta.url);

async function loadModuleBytes() {
    if (isNode && wasmUrl.protocol === 'file:') {
        const { readFile } = await import('node:fs/promises');
        return readFile(wasmUrl);
    }
    // Bytes, then instantiate: instantiateStreaming would need the host to
    // serve .wasm as application/wasm, which not every static host does.
    const response = await fetch(wasmUrl);
    if (!response.ok) throw new Error(`idnumber: cannot load ${wasmUrl}: HTTP ${response.status}`);
    return response.arrayBuffer();
}

const webCrypto = globalThis.crypto?.getRandomValues ? globalThis.crypto : (await import('node:crypto')).webcrypto;
let memory;
const { instance } = await WebAssembly.instantiate(await loadModuleBytes(), wasiImports(() => memory, webCrypto));
const wasm = instance.exports;
memory = wasm.memory;

// ---- Memory ------------------------------------------------------------------

const align = (value, to) => Math.ceil(value / to) * to;
const SMALL = align(wasm.__heap_base.value, 16);
const OPTIONS = SMALL;              // idn_generate_options, 72 bytes
const GENERATOR = SMALL + 128;      // idn_generator, 256 bytes
const VERDICT = SMALL + 384;        // idn_verdict, 40 bytes
const WRITTEN = SMALL + 432;        // size_t
const CURSOR = SMALL + 440;         // size_t
const STRUCT = SMALL + 448;         // idn_region, idn_history_record, idn_region_fields
const LIST = SMALL + 512;           // successors (16 x 12 bytes) or now (7 x 8)
const PREFIX = SMALL + 768;         // 256 bytes: the first bytes of a long text
const TEXT_OUT = SMALL + 1024;      // texts the C API writes
const TEXT_OUT_SIZE = 16384;        // holds IDN_JSON_RECORD_CAPACITY and IDN_MESSAGE_CAPACITY
const DYNAMIC = TEXT_OUT + TEXT_OUT_SIZE;

let bytes = new Uint8Array(memory.buffer);
let words = new Int32Array(memory.buffer);

// Makes room for `size` bytes from DYNAMIC and returns DYNAMIC.
function dynamic(size) {
    const needed = DYNAMIC + size;
    if (needed > memory.buffer.byteLength) {
        memory.grow(Math.ceil((needed - memory.buffer.byteLength) / 65536));
        bytes = new Uint8Array(memory.buffer);
        words = new Int32Array(memory.buffer);
    }
    return DYNAMIC;
}

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// Writes the text's UTF-8 form at DYNAMIC + offset; returns its length.
// Lone surrogates become U+FFFD, as TextEncoder writes them.
function putText(text, offset = 0) {
    const at = dynamic(offset + text.length * 3) + offset;
    return encoder.encodeInto(text, bytes.subarray(at, at + text.length * 3)).written;
}

const constantTexts = new Map();

// A NUL-terminated text of the module's constant data (names, levels): the
// same pointer always holds the same text.
function constantText(pointer) {
    if (pointer === 0) return null;
    let text = constantTexts.get(pointer);
    if (text === undefined) {
        let end = pointer;
        while (bytes[end] !== 0) ++end;
        text = decoder.decode(bytes.subarray(pointer, end));
        constantTexts.set(pointer, text);
    }
    return text;
}

// The text a C API call wrote at TEXT_OUT, its length at WRITTEN.
function textOut(status, what) {
    if (status !== IDN_OK) throw apiError(status, `${what}: the C API answered ${statusName(status)}`);
    return decoder.decode(bytes.subarray(TEXT_OUT, TEXT_OUT + words[WRITTEN >> 2]));
}

// ---- Errors and arguments -------------------------------------------------------

function statusName(status) {
    return constantText(wasm.idn_status_name(status)) ?? `status ${status}`;
}

// A refused value: a RangeError whose code is the C API's status name.
function apiError(status, message) {
    const error = new RangeError(message);
    error.code = statusName(status);
    return error;
}

function describe(value) {
    if (value === null) return 'null';
    if (Array.isArray(value)) return 'an array';
    return typeof value === 'object' ? 'an object' : `${typeof value} ${String(value).slice(0, 40)}`;
}

function requireString(value, what) {
    if (typeof value !== 'string') throw new TypeError(`${what} must be a string, not ${describe(value)}`);
    return value;
}

// A region code: an integer 0-999999 or its six digits as a string.
function regionCode(value, what) {
    if (typeof value === 'string' && /^[0-9]{6}$/.test(value)) return Number(value);
    if (Number.isInteger(value) && value >= 0 && value <= 999999) return value;
    throw new TypeError(`${what}: a region code is an integer 0-999999 or six digits, not ${describe(value)}`);
}

function yearOption(value, what) {
    if (value === undefined || value === 0) return new Date().getFullYear();
    if (Number.isInteger(value) && value > 0 && value <= 9999) return value;
    throw new TypeError(`${what}: yearLimit must be a year from 1 to 9999, not ${describe(value)}`);
}

const deepFreeze = (value) => {
    if (value !== null && typeof value === 'object') {
        for (const item of Object.values(value)) deepFreeze(item);
        Object.freeze(value);
    }
    return value;
};

// ---- Verification -------------------------------------------------------------------

const reasonNames = [null, 'length', 'characters', 'check', 'date'].map((name, reason) =>
    reason === 0 ? null : constantText(wasm.idn_reason_name(reason)));
const checkCharacters = [];
for (let code = 0; code < 128; ++code) checkCharacters.push(code === 0 ? null : String.fromCharCode(code));
const codeStatusNames = [0, 1, 2, 3].map((status) => constantText(wasm.idn_code_status_name(status)));

// The dialog's message for a reason and a whole length in bytes, asked of
// the C API once: by reason, and for the length refusal by length (an array
// up to 64 bytes, the lengths a batch meets, a map beyond).
const fixedMessages = [];
const lengthMessages = [];
const longLengthMessages = new Map();
function refusalMessage(reason, length) {
    if (reason !== REASON_LENGTH) return fixedMessages[reason] ?? (fixedMessages[reason] = askMessage(reason, 0));
    if (length <= INPUT_FIELD_LIMIT) return lengthMessages[length] ?? (lengthMessages[length] = askMessage(reason, length));
    let message = longLengthMessages.get(length);
    if (message === undefined) {
        message = askMessage(reason, length);
        if (longLengthMessages.size < 10000) longLengthMessages.set(length, message);
    }
    return message;
}
function askMessage(reason, length) {
    words.fill(0, VERDICT >> 2, (VERDICT + 40) >> 2);
    words[VERDICT >> 2] = reason;
    words[(VERDICT + 32) >> 2] = length % 0x100000000;
    words[(VERDICT + 36) >> 2] = Math.floor(length / 0x100000000);
    return textOut(wasm.idn_reason_message(VERDICT, TEXT_OUT, TEXT_OUT_SIZE, WRITTEN), 'verify');
}

// What a valid number's region code gives: the dialog's three fields and
// the history's values, worked out once per code and frozen, as records
// share them; and whether the code was in use in a birth year, asked once
// per code and year. Codes are six digits: a table of a million slots finds
// a code's entry with one load.
const regionSlots = new Int32Array(1000000);  // 0: not yet; else index + 1 in regionEntries
const regionEntries = [];
const FIRST_BIRTH_YEAR = 1800;
const BIRTH_YEARS = 400;
const EMPTY = Object.freeze([]);
function regionOf(code) {
    const slot = regionSlots[code];
    if (slot !== 0) return regionEntries[slot - 1];
    wasm.idn_region_texts(code, STRUCT);
    const province = constantText(words[STRUCT >> 2]);
    const city = constantText(words[(STRUCT + 4) >> 2]);
    const county = constantText(words[(STRUCT + 8) >> 2]);
    const json = (write) => {
        const text = textOut(write(code, TEXT_OUT, TEXT_OUT_SIZE, WRITTEN), 'verify');
        return text === '[]' ? EMPTY : deepFreeze(JSON.parse(text));
    };
    const region = {
        province,
        city,
        county,
        status: codeStatusNames[wasm.idn_code_status(code)],
        history: json(wasm.idn_history_json),
        successors: json(wasm.idn_successors_json),
        now: json(wasm.idn_now_json),
        code,
        kind: null,         // the kind and nationality of its valid numbers, from the first one read
        nationality: null,
        inUse: null,  // by birth year from FIRST_BIRTH_YEAR: 0 not asked, 1 yes, 2 no
    };
    regionEntries.push(region);
    regionSlots[code] = regionEntries.length;
    return region;
}

// A valid number's kind and nationality follow from its first 6 digits, its
// region code: idtool's record of the first valid number read with a code
// gives them for every other.
function identify(region, input, yearLimit) {
    if (region.kind !== null) return region;
    const length = putText(input);
    const record = recordByWriter(DYNAMIC, length, yearLimit, false);
    region.kind = record.kind;
    region.nationality = record.nationality === null ? null : deepFreeze(record.nationality);
    return region;
}

// The hint of a refused text of at most 64 bytes at `at` in memory, and its
// upgraded form (with the hint fifteen_digits), as [hint, upgraded].
const NO_HINT = Object.freeze([null, null]);
function hintOf(at, length, yearLimit) {
    const hint = wasm.idn_hint_of(at, length, yearLimit, TEXT_OUT);
    if (hint === 0) return NO_HINT;
    if (hint < 0) throw apiError(hint, `verify: the C API answered ${statusName(hint)}`);
    const upgraded = hint === IDN_HINT_FIFTEEN_DIGITS ? asciiText(bytes, TEXT_OUT, TEXT_OUT + 18) : null;
    return [constantText(wasm.idn_hint_name(hint)), upgraded];
}

function inUseAtBirth(region, year) {
    const index = year - FIRST_BIRTH_YEAR;
    if (index < 0 || index >= BIRTH_YEARS) return wasm.idn_in_use_at_birth(region.code, year) === 1;
    if (region.inUse === null) region.inUse = new Int8Array(BIRTH_YEARS);
    let answer = region.inUse[index];
    if (answer === 0) {
        answer = wasm.idn_in_use_at_birth(region.code, year) === 1 ? 1 : 2;
        region.inUse[index] = answer;
    }
    return answer === 1;
}

// Birth dates as text (YYYYMMDD, from the number), one string per date for
// all records: most batches hold a few thousand dates, and a shared string
// is one allocation less per record to make and keep.
const birthDateTexts = new Map();
function birthDateText(date) {
    let text = birthDateTexts.get(date);
    if (text === undefined) {
        text = String(date).padStart(8, '0');
        if (birthDateTexts.size < 200000) birthDateTexts.set(date, text);
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
        code_status: region.status, history: region.history, successors: region.successors, now: region.now,
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

// The record of a text whose bytes lie at `at` in memory, by idtool's own
// record writer (texts over 64 bytes: idtool cuts the input field, escaping
// a character the cut splits).
function recordByWriter(at, length, yearLimit, withHistory) {
    const status = wasm.idn_verify_json(at, length, yearLimit, withHistory ? IDN_JSON_HISTORY : 0, TEXT_OUT,
        TEXT_OUT_SIZE, WRITTEN);
    return JSON.parse(textOut(status, 'verify'));
}

// UTF-8 length of a string, with a lone surrogate as U+FFFD's 3 bytes.
function utf8Length(text) {
    let length = 0;
    for (let i = 0; i < text.length; ++i) {
        const unit = text.charCodeAt(i);
        if (unit < 0x80) length += 1;
        else if (unit < 0x800) length += 2;
        else if (unit >= 0xD800 && unit <= 0xDBFF && (text.charCodeAt(i + 1) & 0xFC00) === 0xDC00) {
            length += 4;
            ++i;
        } else length += 3;
    }
    return length;
}

// A text of more than 64 UTF-16 units is refused for its length whatever it
// holds: its record is that of its first 64 bytes, with the message naming
// its whole length. Only its first 65 units are encoded (65, so that a
// surrogate pair at the cut keeps its first bytes), however long it is.
function longRecord(text, yearLimit, withHistory) {
    const prefix = text.slice(0, INPUT_FIELD_LIMIT + 1);
    encoder.encodeInto(prefix, bytes.subarray(PREFIX, PREFIX + 256));
    const record = recordByWriter(PREFIX, INPUT_FIELD_LIMIT, yearLimit, withHistory);
    record.message = refusalMessage(REASON_LENGTH, utf8Length(text));
    // Of a line cut at 64 bytes, idtool names only a CR among them: no repair
    // of what it did not keep can be judged.
    if (record.hint !== 'cr_line_ends') {
        record.hint = null;
        record.upgraded = null;
    }
    return record;
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
// group holding a text beyond ASCII or longer than 64 units is written again
// a text at a time (packEach). (Concatenating with += is as fast, but makes
// twice the garbage: a cons string a text, then the flat copy.)
//
// Keeping the texts: the caller's array may change afterwards, so the
// result keeps what its records need itself, in as little memory as it can
// and none of it in V8's heap (what a result holds there is copied by the
// young generation's collector and then marked by the old one's, a cost
// that outweighs the rest). A valid number is 17 digits and its check
// character, all in the columns but for the 3 digits of its sequence
// number, which a column of 16 bits holds; its text is put together again
// when its record is read. A refused text is kept as its bytes, as
// verified, the refused texts of a chunk one after another; the same
// column of 16 bits holds its place among them. (A text over 64 units,
// whose bytes are not all kept, is kept as the string it is.)

const CHUNK_SHIFT = 14;
const CHUNK = 1 << CHUNK_SHIFT;             // texts per idn_verify_columns (the places fit 16 bits)
const GROUP = 2048;                         // texts per encodeInto (at most 64 units each)
const UNIT_ROOM = 3 * (INPUT_FIELD_LIMIT + 1);  // the most bytes one text takes when written alone

// Why a refused text's record is not made from the columns and the text.
const FROM_COLUMNS = 0;   // ASCII, at most 64 units
const BEYOND_ASCII = 1;   // its input field is its UTF-8 read back (a lone surrogate is U+FFFD)
const BY_WRITER = 2;      // over 64 bytes: idtool's record writer cuts its input field

// Where a chunk's parts lie in memory, from DYNAMIC: the ends (size_t), the
// two columns of int32, the three of bytes, then the texts' bytes.
function chunkLayout(size) {
    const ends = align(DYNAMIC, 8);
    const regions = ends + size * 4;
    const dates = regions + size * 4;
    const reasons = dates + size * 4;
    const checks = reasons + size;
    const sexes = checks + size;
    const packed = sexes + size;
    return { ends, regions, dates, reasons, checks, sexes, packed };
}

function requireList(texts, what) {
    if (typeof texts === 'string' || texts === null || typeof texts?.[Symbol.iterator] !== 'function') {
        throw new TypeError(`${what}: expected an array (or iterable) of strings, not ${describe(texts)}`);
    }
    return Array.isArray(texts) ? texts : Array.from(texts);
}

// Copies texts[start..stop) from packed + at when they are all ASCII and at
// most 64 units long: their ends (relative to packed) from words[endsIndex
// + start], the texts joined by one encodeInto. Returns the new `at`, or
// -1 when the group must be written a text at a time. Throws a TypeError at
// the first item that is not a string.
function packGroup(texts, start, stop, packed, at, endsIndex, what) {
    let end = at;
    let short = true;
    for (let i = start; i < stop; ++i) {
        const text = texts[i];
        if (typeof text !== 'string') throw new TypeError(`${what}: item ${i} is ${describe(text)}, not a string`);
        const length = text.length;
        if (length > INPUT_FIELD_LIMIT) short = false;
        end += length;
        words[endsIndex + i] = end;
    }
    if (!short) return -1;
    const joined = texts.slice(start, stop).join('');
    const done = encoder.encodeInto(joined, bytes.subarray(packed + at, packed + end));
    return done.read === joined.length && done.written === joined.length ? end : -1;
}

// Writes texts[start..stop) one at a time from packed + at, their ends
// (relative to packed) from words[endsIndex + start]; marks in flags[i -
// first] the texts whose record their bytes cannot give as an ASCII text's,
// and keeps those over 64 units in `long` by index. A text of
// up to 64 units is copied a unit at a time while it is ASCII, else written
// by encodeInto (a lone surrogate as U+FFFD); a longer one is refused for
// its length whatever it holds, so only its first 64 bytes are written (the
// verdict's expected check character comes from them, as idtool's does).
// Returns the new `at`.
function packEach(texts, start, stop, packed, at, endsIndex, flags, first, long) {
    dynamic(packed - DYNAMIC + at + (stop - start) * UNIT_ROOM);
    const memoryBytes = bytes;
    for (let i = start; i < stop; ++i) {
        const text = texts[i];
        const length = text.length;
        const place = packed + at;
        if (length > INPUT_FIELD_LIMIT) {
            encoder.encodeInto(text.slice(0, INPUT_FIELD_LIMIT + 1), memoryBytes.subarray(place, place + UNIT_ROOM));
            at += INPUT_FIELD_LIMIT;
            flags[i - first] = BY_WRITER;
            if (long !== null) long.set(i, text);
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
                flags[i - first] = written > INPUT_FIELD_LIMIT ? BY_WRITER : BEYOND_ASCII;
            }
        }
        words[endsIndex + i] = at;
    }
    return at;
}

// Copies texts[first..last) into memory and verifies them with one
// idn_verify_columns: all five columns, or the reasons alone.
// chunkLayout(last - first) says where the columns lie; `flags` is indexed
// from `first`; `long` (or null) gets the texts over 64 units.
function verifyChunk(texts, first, last, yearLimit, allColumns, flags, long, what) {
    const size = last - first;
    const layout = chunkLayout(size);
    const packed = layout.packed;
    dynamic(packed - DYNAMIC + size * INPUT_FIELD_LIMIT);
    const endsIndex = (layout.ends >> 2) - first;
    let at = 0;
    for (let start = first; start < last; start += GROUP) {
        const stop = Math.min(last, start + GROUP);
        const next = packGroup(texts, start, stop, packed, at, endsIndex, what);
        at = next !== -1 ? next : packEach(texts, start, stop, packed, at, endsIndex, flags, first, long);
    }
    if (allColumns) {
        wasm.idn_verify_columns(packed, layout.ends, size, yearLimit, layout.reasons, layout.checks, layout.sexes,
            layout.regions, layout.dates);
    } else {
        wasm.idn_verify_columns(packed, layout.ends, size, yearLimit, layout.reasons, 0, 0, 0, 0);
    }
}

// What the result keeps of the chunk just verified: for a valid number its
// sequence number (bytes 15-17) in `places`; for a refused text its
// ordinal among the chunk's refused texts in `places`, and its bytes, which
// are returned, one text after another, with their ends.
const keptScratch = new Uint8Array(CHUNK * UNIT_ROOM);
const keptView = new DataView(keptScratch.buffer);
const keptEndsScratch = new Uint32Array(CHUNK);
function keepTexts(first, last, places) {
    const layout = chunkLayout(last - first);
    const memoryBytes = bytes;
    const memoryView = new DataView(memory.buffer);
    const endsIndex = (layout.ends >> 2) - first;
    const reasons = layout.reasons - first;
    const packed = layout.packed;
    const kept = keptScratch;
    let count = 0;
    let to = 0;
    let from = packed;
    for (let i = first; i < last; ++i) {
        const end = packed + words[endsIndex + i];
        if (memoryBytes[reasons + i] === 0) {
            // A valid number is 18 bytes: its sequence number ends 1 before its end.
            places[i] = memoryBytes[end - 4] * 100 + memoryBytes[end - 3] * 10 + memoryBytes[end - 2] - 5328;  // - '000'
        } else {
            // Four bytes at a time while four remain (DataView reads and
            // writes them unaligned), then one at a time.
            let at = from;
            for (; at + 4 <= end; at += 4, to += 4) keptView.setInt32(to, memoryView.getInt32(at));
            for (; at < end; ++at) kept[to++] = memoryBytes[at];
            keptEndsScratch[count] = to;
            places[i] = count++;
        }
        from = end;
    }
    return { bytes: kept.slice(0, to), ends: keptEndsScratch.slice(0, count) };
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

// A valid number's text from its columns: the region code's 6 digits, the
// birth date's 8, the sequence number's 3 and the check character, each of
// the first three from a table of texts made once.
const regionDigits = new Map();
const sequenceDigits = Array.from({ length: 1000 }, (_, n) => String(n).padStart(3, '0'));
function digitsOf(table, value, width) {
    let text = table.get(value);
    if (text === undefined) {
        text = String(value).padStart(width, '0');
        if (table.size < 100000) table.set(value, text);
    }
    return text;
}

let verdictsOf;

// The verdicts of many texts, as columns: reasonCodes (0 valid, else an
// index into REASONS), expectedChecks (the character's code, 0 for none),
// and for valid numbers sexCodes (1 male, 2 female), regionCodes and
// birthDates (YYYYMMDD as a number); 0 where a field is null. The record of
// text i is made when it is read. Made by verifyMany.
export class Verdicts {
    #places;      // a valid number's sequence number, or a refused text's ordinal in its chunk's #refused
    #flags;       // FROM_COLUMNS, BEYOND_ASCII or BY_WRITER, by text
    #refused;     // the refused texts' bytes and ends, by chunk (keepTexts)
    #long;        // the texts over 64 units, by index
    #yearLimit;
    #history;

    constructor(count, yearLimit, history) {
        // One buffer for every column: the int32 ones first.
        const buffer = new ArrayBuffer(count * 14);
        this.length = count;
        this.reasonCodes = new Uint8Array(buffer, count * 10, count);
        this.expectedChecks = new Uint8Array(buffer, count * 11, count);
        this.sexCodes = new Uint8Array(buffer, count * 12, count);
        this.regionCodes = new Int32Array(buffer, 0, count);
        this.birthDates = new Int32Array(buffer, count * 4, count);
        this.#places = new Uint16Array(buffer, count * 8, count);
        this.#flags = new Uint8Array(buffer, count * 13, count);
        this.#refused = [];
        this.#long = new Map();
        this.#yearLimit = yearLimit;
        this.#history = history;
        Object.freeze(this);
    }

    // verdictsOf(texts, yearLimit, history, what): verifies the texts into
    // the columns (verifyMany, verify).
    static {
        verdictsOf = (texts, yearLimit, history, what) => {
            const count = texts.length;
            const result = new Verdicts(count, yearLimit, history);
            for (let first = 0; first < count; first += CHUNK) {
                const last = Math.min(count, first + CHUNK);
                const size = last - first;
                verifyChunk(texts, first, last, yearLimit, true, result.#flags.subarray(first, last), result.#long, what);
                result.#refused.push(keepTexts(first, last, result.#places));
                const layout = chunkLayout(size);
                const w = layout.regions >> 2;
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
        return i >= 0 && i < this.length ? this.#record(i) : undefined;
    }

    *[Symbol.iterator]() {
        for (let i = 0; i < this.length; ++i) yield this.#record(i);
    }

    // Every record, in order, in an array.
    toArray() {
        const records = new Array(this.length);
        for (let i = 0; i < records.length; ++i) records[i] = this.#record(i);
        return records;
    }

    toJSON() {
        return this.toArray();
    }

    #record(i) {
        const reason = this.reasonCodes[i];
        const expectedCheck = checkCharacters[this.expectedChecks[i]];
        const history = this.#history;
        if (reason === 0) {
            const code = this.regionCodes[i];
            const date = this.birthDates[i];
            const dateText = birthDateText(date);
            const input = digitsOf(regionDigits, code, 6) + dateText + sequenceDigits[this.#places[i]] + expectedCheck;
            const region = identify(regionOf(code), input, this.#yearLimit);
            const sex = this.sexCodes[i] === SEX_MALE ? '男' : '女';
            return history
                ? validRecord(input, expectedCheck, dateText, sex, region, inUseAtBirth(region, Math.floor(date / 10000)))
                : validShortRecord(input, expectedCheck, dateText, sex, region);
        }
        const refused = this.#refused[i >> CHUNK_SHIFT];
        const k = this.#places[i];
        const start = k === 0 ? 0 : refused.ends[k - 1];
        const end = refused.ends[k];
        const flag = this.#flags[i];
        if (flag === BY_WRITER) {
            const text = this.#long.get(i);
            if (text !== undefined) return longRecord(text, this.#yearLimit, history);
            bytes.set(refused.bytes.subarray(start, end), PREFIX);
            return recordByWriter(PREFIX, end - start, this.#yearLimit, history);
        }
        const input = flag === FROM_COLUMNS ? asciiText(refused.bytes, start, end)
            : decoder.decode(refused.bytes.subarray(start, end));
        const message = refusalMessage(reason, end - start);
        bytes.set(refused.bytes.subarray(start, end), PREFIX);
        const hint = hintOf(PREFIX, end - start, this.#yearLimit);
        return history ? refusedRecord(input, reasonNames[reason], message, expectedCheck, hint)
            : refusedShortRecord(input, reasonNames[reason], message, expectedCheck, hint);
    }
}

function verifyOptions(options, what) {
    if (options === undefined) return { yearLimit: yearOption(undefined, what), history: true };
    if (options === null || typeof options !== 'object') throw new TypeError(`${what}: options must be an object`);
    const history = options.history ?? true;
    if (typeof history !== 'boolean') throw new TypeError(`${what}: options.history must be a boolean`);
    return { yearLimit: yearOption(options.yearLimit, what), history };
}

export function verify(text, options) {
    requireString(text, 'verify: the number');
    const { yearLimit, history } = verifyOptions(options, 'verify');
    return verdictsOf([text], yearLimit, history, 'verify').at(0);
}

export function verifyMany(texts, options) {
    const list = requireList(texts, 'verifyMany');
    const { yearLimit, history } = verifyOptions(options, 'verifyMany');
    return verdictsOf(list, yearLimit, history, 'verifyMany');
}

// The verdict alone, one byte per text: 0 valid, else the reason's index in
// REASONS (1 length, 2 characters, 3 check, 4 date). For filtering and
// counting many lines, where no record is wanted.
export const REASONS = Object.freeze([...reasonNames]);

export function verdictCodes(texts, options) {
    const list = requireList(texts, 'verdictCodes');
    const { yearLimit } = verifyOptions(options, 'verdictCodes');
    const codes = new Uint8Array(list.length);
    const flags = new Uint8Array(Math.min(list.length, CHUNK));
    for (let first = 0; first < list.length; first += CHUNK) {
        const last = Math.min(list.length, first + CHUNK);
        verifyChunk(list, first, last, yearLimit, false, flags, null, 'verdictCodes');
        const { reasons } = chunkLayout(last - first);
        codes.set(bytes.subarray(reasons, reasons + last - first), first);
    }
    return codes;
}

export function kind(text) {
    requireString(text, 'kind: the number');
    if (text.length > INPUT_FIELD_LIMIT) return null;  // refused for its length
    const length = putText(text);
    wasm.idn_verify(DYNAMIC, length, yearOption(undefined, 'kind'), VERDICT);
    return constantText(wasm.idn_kind_name(words[(VERDICT + 4) >> 2]));
}

// ---- Regions and their history ----------------------------------------------------

function readRegion(at) {
    return {
        code: words[at >> 2],
        name: constantText(words[(at + 4) >> 2]),
        level: constantText(words[(at + 8) >> 2]),
        province: constantText(words[(at + 12) >> 2]),
        city: constantText(words[(at + 16) >> 2]),
    };
}

// The records of the 2009 tables whose code starts with the query or whose
// name holds it, in table order, as `idtool regions QUERY` lists them.
export function regions(query = '') {
    requireString(query, 'regions: the query');
    const length = putText(query);
    const found = [];
    words[CURSOR >> 2] = 0;
    for (;;) {
        const status = wasm.idn_regions_next(DYNAMIC, length, CURSOR, STRUCT);
        if (status === 0) break;
        if (status < 0) throw apiError(status, `regions: the C API answered ${statusName(status)}`);
        found.push(readRegion(STRUCT));
    }
    return found;
}

// The record of the 2009 tables with the code, a province-level unit for
// xx0000, or null.
export function regionRecord(code) {
    const status = wasm.idn_region_record(regionCode(code, 'regionRecord'), STRUCT);
    return status === IDN_OK ? readRegion(STRUCT) : null;
}

// The dialog's cascading lists, by table position: 'municipalities',
// 'provinces', a municipality's code (its districts), a province's code (its
// cities) or a city's code (its county list). Codes; null for a parent that
// has no list.
export function pickerList(parent) {
    const code = parent === 'municipalities' ? IDN_PICKER_MUNICIPALITIES
        : parent === 'provinces' ? IDN_PICKER_PROVINCES : regionCode(parent, 'pickerList');
    const capacity = TEXT_OUT_SIZE / 4;
    const status = wasm.idn_picker_list(code, TEXT_OUT, capacity, WRITTEN);
    if (status !== IDN_OK) {
        if (status === IDN_ERROR_BUFFER_TOO_SMALL) throw apiError(status, 'pickerList: a list too long');
        return null;
    }
    return Array.from(words.subarray(TEXT_OUT >> 2, (TEXT_OUT >> 2) + words[WRITTEN >> 2]));
}

// What the history of region codes (1981-2024) says of a code.
export function history(code) {
    const value = regionCode(code, 'history');
    const records = [];
    const count = wasm.idn_history_count(value);
    for (let i = 0; i < count; ++i) {
        wasm.idn_history_record_at(value, i, STRUCT);
        const w = STRUCT >> 2;
        records.push({
            name: constantText(words[w + 1]),
            province: constantText(words[w + 2]),
            prefecture: constantText(words[w + 3]),
            level: constantText(words[w + 4]),
            from: words[w + 5],
            until: words[w + 6] === 0 ? null : words[w + 6],
        });
    }
    const successors = [];
    wasm.idn_successors(value, LIST, 16, WRITTEN);
    for (let i = 0; i < words[WRITTEN >> 2]; ++i) {
        const w = (LIST >> 2) + i * 3;
        successors.push({ code: words[w], name: constantText(words[w + 1]), status: words[w + 2] ? 'in_use' : 'abolished' });
    }
    const now = [];
    wasm.idn_now(value, LIST, 7, WRITTEN);
    for (let i = 0; i < words[WRITTEN >> 2]; ++i) {
        const w = (LIST >> 2) + i * 2;
        now.push({ code: words[w], name: constantText(words[w + 1]) });
    }
    return { code: value, status: codeStatusNames[wasm.idn_code_status(value)], records, successors, now };
}

// ---- Generation ---------------------------------------------------------------------

const sexes = { any: 0, male: 1, female: 2 };
const MAX_SEED = (1n << 64n) - 1n;

function seedOption(seed) {
    let value;
    if (typeof seed === 'bigint') value = seed;
    else if (Number.isSafeInteger(seed)) value = BigInt(seed);
    else if (typeof seed === 'string' && /^[0-9]{1,20}$/.test(seed)) value = BigInt(seed);
    if (value === undefined || value < 0n || value > MAX_SEED) {
        throw new TypeError(`generate: seed must be a whole number from 0 to 2^64-1 (a number, bigint or digits), not ${describe(seed)}`);
    }
    return value;
}

function dateText(value, what) {
    if (typeof value === 'number' && Number.isInteger(value)) return String(value);
    return requireString(value, what);
}

// Distinct well-formed numbers, as idtool generate makes them: the same
// options and seed give the same numbers.
export function generate(options) {
    if (options === null || typeof options !== 'object') throw new TypeError('generate: options must be an object');
    const { region, birth, bornBetween, sex = 'any', count = 1, seed, asOf = 0, yearLimit, onWarning } = options;
    if (typeof region === 'number') regionCode(region, 'generate');
    const regionText = typeof region === 'number' ? String(region).padStart(6, '0') : requireString(region, 'generate: region');
    if (!(sex in sexes)) throw new TypeError(`generate: sex must be 'male', 'female' or 'any', not ${describe(sex)}`);
    if (!Number.isSafeInteger(count) || count < 0 || count > 0xFFFFFFFF) {
        throw new RangeError(`generate: count must be a whole number from 1 to 4294967295, not ${describe(count)}`);
    }
    if (!Number.isInteger(asOf)) throw new TypeError(`generate: asOf must be a year, not ${describe(asOf)}`);
    if (onWarning !== undefined && typeof onWarning !== 'function') throw new TypeError('generate: onWarning must be a function');
    const texts = [regionText, null, null, null];
    if (birth !== undefined) texts[1] = dateText(birth, 'generate: birth');
    if (bornBetween !== undefined) {
        if (!Array.isArray(bornBetween) || bornBetween.length !== 2) {
            throw new TypeError('generate: bornBetween must be [from, to], two dates YYYYMMDD');
        }
        texts[2] = dateText(bornBetween[0], 'generate: bornBetween[0]');
        texts[3] = dateText(bornBetween[1], 'generate: bornBetween[1]');
    }

    // The texts one after another from DYNAMIC; then the struct, once no
    // text can grow the memory any more.
    const places = [];
    let offset = 0;
    for (const text of texts) {
        const length = text === null ? 0 : putText(text, offset);
        places.push(text === null ? 0 : DYNAMIC + offset, length);
        offset += length;
    }
    const struct = new DataView(memory.buffer, OPTIONS, 72);
    places.forEach((value, i) => struct.setUint32(4 * i, value, true));
    struct.setInt32(32, sexes[sex], true);
    struct.setBigUint64(40, BigInt(count), true);
    struct.setBigUint64(48, seed === undefined ? 0n : seedOption(seed), true);
    struct.setInt32(56, seed === undefined ? 0 : 1, true);
    struct.setInt32(60, asOf, true);
    struct.setInt32(64, yearOption(yearLimit, 'generate'), true);

    const status = wasm.idn_generator_init(GENERATOR, OPTIONS, TEXT_OUT, 1024);
    let end = TEXT_OUT;
    while (bytes[end] !== 0) ++end;
    const message = decoder.decode(bytes.subarray(TEXT_OUT, end));
    if (status !== IDN_OK) throw apiError(status, message);
    if (message !== '' && onWarning !== undefined) onWarning(message);
    const numbers = [];
    for (let i = 0; i < count; ++i) {
        wasm.idn_generator_number(GENERATOR, BigInt(i), TEXT_OUT, 19);
        numbers.push(String.fromCharCode.apply(null, bytes.subarray(TEXT_OUT, TEXT_OUT + 18)));
    }
    return numbers;
}

// ---- Other conversions ------------------------------------------------------------------

const upgradeRefusals = {
    IDN_ERROR_NOT_FIFTEEN_DIGITS: 'not 15 digits',
    IDN_ERROR_MONTH_ABOVE_12: 'month above 12',
    IDN_ERROR_DAY_ABOVE_31: 'day above 31',
};

// The 18-character form of a 15-digit number (19YY, and the check character).
export function upgrade(number15) {
    requireString(number15, 'upgrade: the number');
    // A longer text is never 15 digits; it is not copied whole.
    const length = putText(number15.slice(0, 16));
    const status = wasm.idn_upgrade(DYNAMIC, length, TEXT_OUT, 19);
    if (status !== IDN_OK) {
        const name = statusName(status);
        throw apiError(status, `upgrade: ${JSON.stringify(number15.slice(0, 40))}: ${upgradeRefusals[name] ?? name}`);
    }
    return String.fromCharCode.apply(null, bytes.subarray(TEXT_OUT, TEXT_OUT + 18));
}

// The text masked for reports: its first 6 and last 4 characters kept (code
// points; a text of 10 or fewer masked whole).
export function mask(number) {
    requireString(number, 'mask: the number');
    const length = putText(number);
    const out = DYNAMIC + length;
    dynamic(2 * length + 1);
    const status = wasm.idn_mask(DYNAMIC, length, out, length + 1, WRITTEN);
    if (status !== IDN_OK) throw apiError(status, `mask: the C API answered ${statusName(status)}`);
    return decoder.decode(bytes.subarray(out, out + words[WRITTEN >> 2]));
}

// The fields of a verify record, in order, as idtool verify writes them
// (without "line", which a single call has none of).
export const fields = Object.freeze(
    Array.from({ length: wasm.idn_field_count() }, (_, i) => constantText(wasm.idn_field_name(i))).filter((name) => name !== 'line'));

export const version = constantText(wasm.idn_version_string());
