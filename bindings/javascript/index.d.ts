// Types of the idnumber package (index.js, and init.js and index.cjs, which
// tools/generate.mjs makes from it): PRC resident identity numbers verified
// and made up by the project's C API compiled to WebAssembly.

/** Why a number is refused, in the order the checks are made. */
export type Reason = 'length' | 'characters' | 'check' | 'date';

/** What the history of region codes (1981-2024) says of a valid number's code. */
export type CodeStatus = '2009' | 'in_use' | 'abolished' | 'unknown';

export interface HistoryEntry {
    readonly name: string;
    readonly province: string;
    /** '直辖' directly under the province-level unit; '' for a province. */
    readonly prefecture: string;
    readonly from: number;
    /** null while in use. */
    readonly until: number | null;
}

export interface Successor {
    readonly code: number;
    /** The name it went on under. */
    readonly name: string;
    readonly status: 'in_use' | 'abolished';
}

export type Hint =
    'cr_line_ends' | 'fifteen_digits' | 'scientific' | 'zeroed' | 'lowercase_x' | 'fullwidth' | 'spaces';

export interface PresentCode {
    readonly code: number;
    readonly name: string;
}

/**
 * One record of `idtool verify --format jsonl`, without "line". Refused
 * numbers have null in every field after upgraded. With
 * `{history: false}` the last five keys are left out.
 */
export interface VerifyRecord {
    /** The text (its first 64 UTF-8 bytes when longer, as idtool shows it). */
    input: string;
    valid: boolean;
    reason: Reason | null;
    /** The dialog's message for the refusal. */
    message: string | null;
    /** The check character the first 17 characters call for, when they are all digits. */
    expected_check: string | null;
    /** For a refused text, what probably happened, when a repair would make it valid or explains it. */
    hint: Hint | null;
    /** With the hint fifteen_digits, the 18-character form. */
    upgraded: string | null;
    /** The kind of a valid number, from its first digits (information only). */
    kind: 'resident' | 'hmt_permit' | 'foreigner_card' | null;
    /** For a foreigner_card, digits 4-6 as an ISO 3166-1 country (name null when ISO 3166-1 lacks the code). Frozen. */
    nationality: Readonly<{ code: string; name: string | null }> | null;
    /** YYYYMMDD. */
    birth_date: string | null;
    sex: '男' | '女' | null;
    /** The dialog's three region fields, from the 2009 tables. */
    province: string | null;
    city: string | null;
    county: string | null;
    code_status?: CodeStatus | null;
    /** Shared between records of the same code, and frozen. */
    history?: readonly HistoryEntry[] | null;
    successors?: readonly Successor[] | null;
    now?: readonly PresentCode[] | null;
    /** A hint: whether a record of the code was in use in the birth year. */
    in_use_at_birth?: boolean | null;
}

export interface VerifyOptions {
    /** The latest birth year accepted, 1-9999; 0, null or missing: the current year on the local clock. */
    yearLimit?: number | null;
    /** false: leave out the five fields of the history (idtool's --no-history). Default true. */
    history?: boolean;
}

/**
 * Verifies one number: a string (a lone surrogate counts as U+FFFD, as
 * UTF-8 writes it), or a Uint8Array of bytes taken as they are (UTF-8 or
 * not). Throws TypeError for anything else, and an IdNumberError
 * (IDN_ERROR_YEAR_LIMIT) for a year limit outside 0-9999.
 */
export function verify(text: string | Uint8Array, options?: VerifyOptions): VerifyRecord;

/**
 * The verdicts of many texts, as verifyMany returns them: columns filled by
 * the verification (typed arrays, one element per text, in input order) and
 * the records, each made when it is read, with exactly the fields of
 * verify's records. Iterable; `at(i)` reads one record, `toArray()` all.
 * Each read makes a new record object. The result holds what every record
 * needs (changing the array given to verifyMany afterwards changes nothing
 * here). The columns are the result's own: read them, do not write them.
 */
export class Verdicts implements Iterable<VerifyRecord> {
    private constructor();
    /** How many texts. */
    readonly length: number;
    /** 0 valid, else an index into REASONS (as verdictCodes gives). */
    readonly reasonCodes: Uint8Array;
    /** The expected check character's code ('0'-'9' or 'X'); 0 where expected_check is null. */
    readonly expectedChecks: Uint8Array;
    /** 1 male, 2 female; 0 for a refused text. */
    readonly sexCodes: Uint8Array;
    /** The number's first six digits as a number; 0 for a refused text. */
    readonly regionCodes: Int32Array;
    /** The birth date YYYYMMDD as a number; 0 for a refused text. */
    readonly birthDates: Int32Array;
    /** The record of text `index` (negative: from the end, as Array.prototype.at); undefined beyond. */
    at(index: number): VerifyRecord | undefined;
    [Symbol.iterator](): Iterator<VerifyRecord>;
    /** Every record, in an array (for code that wants the array verifyMany once returned). */
    toArray(): VerifyRecord[];
    /** JSON.stringify gives the array of records. */
    toJSON(): VerifyRecord[];
}

/**
 * Verifies many numbers at once, in input order: all the verification is
 * done in the call, into the columns; each record is made when it is read.
 * `verifyMany(texts).toArray()` gives the records in an array. Throws
 * TypeError naming the first non-string.
 */
export function verifyMany(texts: Iterable<string | Uint8Array>, options?: VerifyOptions): Verdicts;

/** REASONS[code] is the reason of a verdict code: [null, 'length', 'characters', 'check', 'date']. */
export const REASONS: readonly [null, 'length', 'characters', 'check', 'date'];

/**
 * The verdict alone, one byte per text (0 valid, else an index into
 * REASONS), for filtering or counting many lines without records.
 */
export function verdictCodes(texts: Iterable<string | Uint8Array>, options?: { yearLimit?: number | null }): Uint8Array;

/** The kind of a valid number, from its first digits; null when refused. */
export function kind(text: string | Uint8Array): 'resident' | 'hmt_permit' | 'foreigner_card' | null;

/**
 * The holder's age in completed years on a date: the years since the birth
 * date, one less before the birthday in the last year (a birthday of 29
 * February comes on 1 March in other years). `on` is a Date (its local
 * calendar day) or a string YYYY-MM-DD; today on the local clock when not
 * given. null for a refused number, a birth date no calendar has
 * (19900231) and a date before the birth; a RangeError whose code is
 * 'IDN_ERROR_BAD_DATE' for a date no calendar has (2023-02-29).
 */
export function age(text: string | Uint8Array, on?: Date | string, options?: { yearLimit?: number | null }): number | null;

/**
 * The options of a generation. A missing option is undefined or null. The
 * library checks them and words its refusals with these names (bornBetween
 * for either end: the echoed date says which; an error's `option` names the
 * end, bornBetween[0] or bornBetween[1]).
 */
export interface GenerateOptions {
    /** A county-level record: six digits (a number is padded), a name, 'city/county' or 'province/city/county'. Required. */
    region?: string | number | null;
    /** One birth date YYYYMMDD (a number is written in decimal), taken as the dialog takes it (19900231 passes, with a warning). */
    birth?: string | number | null;
    /** Or a range of real calendar dates, both ends included. */
    bornBetween?: [string | number | null | undefined, string | number | null | undefined] | null;
    /** 男 or male, 女 or female, any (ASCII letters in any case); default any. */
    sex?: string | null;
    /** How many distinct numbers, 1 to 2^63 - 1: a Number up to 2^53 - 1, a BigInt beyond; default 1. */
    count?: number | bigint | null;
    /**
     * 0 to 2^64 - 1: a Number up to 2^53 - 1, a BigInt, or its decimal digits.
     * The same seed and options give the same numbers as `idtool generate --seed`;
     * default a random seed.
     */
    seed?: number | bigint | string | null;
    /** Take the region as a code in use that year (1981-2024) instead of the 2009 tables; 0 or missing: the tables. */
    asOf?: number | null;
    /** The latest birth year, 1-9999; 0 or missing: the current year on the local clock. */
    yearLimit?: number | null;
    /** Called with the library's warning for a birth date that is no real calendar date. */
    onWarning?: (message: string) => void;
}

/** The C API's status names, the `code` of an IdNumberError. */
export type StatusName =
    | 'IDN_ERROR_BUFFER_TOO_SMALL' | 'IDN_ERROR_BAD_ARGUMENT' | 'IDN_ERROR_NOT_FOUND'
    | 'IDN_ERROR_REGION_INVALID_TEXT' | 'IDN_ERROR_REGION_BAD_PATH' | 'IDN_ERROR_REGION_UNKNOWN_CODE'
    | 'IDN_ERROR_REGION_NOT_COUNTY' | 'IDN_ERROR_REGION_NO_MATCH' | 'IDN_ERROR_REGION_AMBIGUOUS'
    | 'IDN_ERROR_AS_OF_YEAR' | 'IDN_ERROR_AS_OF_NEEDS_CODE' | 'IDN_ERROR_AS_OF_UNKNOWN_CODE'
    | 'IDN_ERROR_AS_OF_NOT_COUNTY' | 'IDN_ERROR_AS_OF_NOT_IN_USE' | 'IDN_ERROR_REGION_WRONG_PATH'
    | 'IDN_ERROR_NO_REGION' | 'IDN_ERROR_NO_BIRTH_DATE' | 'IDN_ERROR_BIRTH_AND_RANGE'
    | 'IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS' | 'IDN_ERROR_BIRTH_BEYOND_LIMITS' | 'IDN_ERROR_RANGE_NOT_DATE'
    | 'IDN_ERROR_RANGE_YEAR_AFTER_LIMIT' | 'IDN_ERROR_RANGE_REVERSED' | 'IDN_ERROR_COUNT_RANGE'
    | 'IDN_ERROR_COUNT_EXCEEDS_CANDIDATES' | 'IDN_ERROR_BAD_SEX' | 'IDN_ERROR_SEED_RANGE' | 'IDN_ERROR_YEAR_LIMIT'
    | 'IDN_ERROR_NOT_FIFTEEN_DIGITS' | 'IDN_ERROR_MONTH_ABOVE_12' | 'IDN_ERROR_DAY_ABOVE_31';

/** The option a refusal concerns, in this API's words. */
export type OptionName =
    'region' | 'birth' | 'bornBetween[0]' | 'bornBetween[1]' | 'sex' | 'count' | 'seed' | 'asOf' | 'yearLimit';

/**
 * A value the library refused: a RangeError whose message is the library's
 * (naming the option as this API does), `code` the C API's status name and,
 * for an option of generate or verify, `option` its name.
 */
export interface IdNumberError extends RangeError {
    code: StatusName;
    option?: OptionName;
}
/** @deprecated the same as IdNumberError. */
export type IdNumberRangeError = IdNumberError;

/**
 * Distinct well-formed numbers, in an array. Throws an IdNumberError with the
 * library's message for refused options, TypeError for a value of a type no
 * option takes.
 */
export function generate(options: GenerateOptions): string[];

/**
 * The numbers of a generation, made as they are read: for counts no array
 * holds, or numbers read one at a time. Each read makes the number anew from
 * the generation's own state.
 */
export class Generated implements Iterable<string> {
    private constructor();
    /** How many numbers: a Number, or a BigInt beyond 2^53 - 1. */
    readonly count: number | bigint;
    /** The library's warning (a birth date no calendar has), or null. */
    readonly warning: string | null;
    /** The number at `index` (0 to count - 1, a Number or a BigInt); undefined beyond. */
    at(index: number | bigint): string | undefined;
    [Symbol.iterator](): Iterator<string>;
    /** Every number in an array (throws RangeError beyond 2^32 - 1, what an array holds). */
    toArray(): string[];
}

/** Checks the options as generate does and returns the numbers to be read. */
export function generator(options: GenerateOptions): Generated;

export interface RegionRecord {
    readonly code: number;
    readonly name: string;
    readonly level: 'county' | 'city' | 'group' | 'province';
    readonly province: string;
    /** The city-level record the code names, or null. */
    readonly city: string | null;
}

/** The 2009 tables' records whose code starts with the query or whose name holds it (`idtool regions`). */
export function regions(query?: string): RegionRecord[];

/** The record with the code, a province-level unit for xx0000, or null. */
export function regionRecord(code: number | string): RegionRecord | null;

/**
 * The dialog's cascading lists, by table position: the municipalities, the
 * provinces, a municipality's districts, a province's cities, or a city's
 * county list. Codes; null for a parent with no list.
 */
export function pickerList(parent: 'municipalities' | 'provinces' | number | string): number[] | null;

export interface CodeHistory {
    code: number;
    status: CodeStatus;
    records: Array<HistoryEntry & { level: 'province' | 'prefecture' | 'county' }>;
    successors: Successor[];
    now: PresentCode[];
}

/** What the history of region codes (1981-2024) says of a code. */
export function history(code: number | string): CodeHistory;

/**
 * The 18-character form of a 15-digit number; an IdNumberError
 * (IDN_ERROR_NOT_FIFTEEN_DIGITS, IDN_ERROR_MONTH_ABOVE_12 or
 * IDN_ERROR_DAY_ABOVE_31) when it is none.
 */
export function upgrade(number15: string | Uint8Array): string;

/**
 * The text with all but its first 6 and last 4 characters (code points)
 * written '*'; a text of 10 or fewer masked whole. Of bytes, one that
 * starts no UTF-8 character counts as one and is written U+FFFD where kept.
 */
export function mask(text: string | Uint8Array): string;

/** Options of a find: `encoding` only for bytes (a Uint8Array). */
export interface FindOptions {
    /** How bytes are read: 'utf8' (default), 'gbk', or 'auto' (each line as UTF-8 when it is, else GBK). */
    encoding?: 'utf8' | 'gbk' | 'auto';
    /** The least confidence found: 'medium' (default, a valid number), 'high' (with a keyword before it), or 'low' (mistyped numbers too). */
    minConfidence?: 'low' | 'medium' | 'high';
    /** Find 15-digit numbers of the old format too (default false). */
    fifteenDigits?: boolean;
    /** No birth after this date: a Date (its local day), 'YYYY-MM-DD' or YYYYMMDD; default today on the local clock. */
    asOf?: Date | string | number;
}

/** Options of a redaction: a find's, and the way and its settings. */
export interface RedactOptions extends FindOptions {
    /** 'mask' (default), 'label', 'token' (an HMAC under the key) or 'pseudonym' (a valid number from a keyed permutation). */
    way?: 'mask' | 'label' | 'token' | 'pseudonym';
    /** mask: characters kept before the stars (default 6) and after them (default 4). */
    first?: number;
    last?: number;
    /** label: what replaces each number (default '[身份证号]'). */
    label?: string;
    /** token and pseudonym: the secret key's bytes, at least 16. Never a string, never logged. */
    key?: Uint8Array;
    /** token: 'hex' (default) or 'base32', and its length (default 16). */
    alphabet?: 'hex' | 'base32';
    length?: number;
    /** pseudonym: what it keeps of the number (default all three). */
    keep?: Array<'region' | 'birthYear' | 'sex'>;
}

/** One number found in a text. */
export interface Match {
    /** Where it is and how long: UTF-16 units of a string (its indexes), bytes of a Uint8Array. */
    offset: number;
    length: number;
    /** The same in bytes (a string's UTF-8). */
    byteOffset: number;
    byteLength: number;
    /** 1-based: line feeds before it plus one, and characters from the line's start. */
    line: number;
    column: number;
    /** The number as 18 ASCII characters, X upper case (a 15-digit one upgraded; a low one as written). */
    number: string;
    /** How it is written: empty for 18 ASCII characters together. */
    form: Array<'fullwidth' | 'lowercase_x' | 'separated' | 'fifteen_digits'>;
    confidence: 'low' | 'medium' | 'high';
    /** Why a low match is no valid number. */
    flaw: 'check' | 'region' | null;
    /** The last keyword within reach before it (身份证号, id card, ...), whatever its confidence. */
    keyword: string | null;
    /** A valid number's verdict (null for a low one). */
    kind: 'resident' | 'hmt_permit' | 'foreigner_card' | null;
    sex: '男' | '女' | null;
    birthDate: string | null;
    regionCode: number | null;
}

/** What a redaction replaced: counts, never numbers. */
export interface ScanSummary {
    /** Bytes read. */
    bytes: number;
    /** Matches at or above minConfidence (the ones replaced). */
    matches: number;
    byConfidence: { low: number; medium: number; high: number };
    /** Matches of 18 ASCII characters together, and by each flag of their form. */
    plain: number;
    byForm: { fullwidth: number; lowercase_x: number; separated: number; fifteen_digits: number };
}

/**
 * Every identity number in a text, in order: a string (offsets in its
 * UTF-16 units) or a Uint8Array (offsets in bytes). A refused option is a
 * RangeError with the library's message, its `code` the status's name and
 * its `option` the option's name here; a value of the wrong type a TypeError.
 */
export function find(text: string | Uint8Array, options?: FindOptions): Match[];

/** The matches of each text, the options judged once. */
export function findMany(texts: Iterable<string | Uint8Array>, options?: FindOptions): Match[][];

/**
 * The text with every number at or above `minConfidence` replaced by the
 * way, every other character (or byte) as it was: a string for a string (a
 * lone surrogate as U+FFFD), bytes in the input's encoding for bytes.
 */
export function redact(text: string, options?: RedactOptions): string;
export function redact(text: Uint8Array, options?: RedactOptions): Uint8Array;

/** Each text redacted, the options judged once: strings for strings, bytes for bytes. */
export function redactMany(texts: Iterable<string | Uint8Array>, options?: RedactOptions): Array<string | Uint8Array>;

/** One number held alone (a field), redacted as in a text that is only it; null when it is none. */
export function redactNumber(number: string, options?: RedactOptions): string | null;
export function redactNumber(number: Uint8Array, options?: RedactOptions): Uint8Array | null;

/** A find over a stream in pieces (all strings or all Uint8Arrays): the matches decided so far. */
export class Finder {
    constructor(options?: FindOptions);
    write(piece: string | Uint8Array): Match[];
    end(piece?: string | Uint8Array): Match[];
}

/**
 * A redaction of a stream in pieces (all strings or all Uint8Arrays):
 * write returns the output decided so far, end the rest; summary() what was
 * replaced; close() frees the scanner and the key it holds.
 */
export class Redactor {
    constructor(options?: RedactOptions);
    write(piece: string): string;
    write(piece: Uint8Array): Uint8Array;
    end(piece?: string | Uint8Array): string | Uint8Array;
    summary(): ScanSummary;
    close(): void;
}

/** The verify record's keys, in order. (From 'idnumber/init': once init has loaded the module.) */
export const fields: readonly string[];

/** The C library's version, such as '3.0.0'. (From 'idnumber/init': once init has loaded the module.) */
export const version: string;

/** What init loads idnumber.wasm from (the DOM's and Node's types of these). */
export type InitInput = string | URL | Request | Response | ArrayBuffer | ArrayBufferView | WebAssembly.Module;

/**
 * Loads idnumber.wasm, once, and resolves to the compiled module (which a
 * worker may be given for initSync). `source`: its URL (a string is taken
 * relative to the page; in Node a string that is no http:, https:, data: or
 * blob: URL is a file's path), a Request, a Response, its bytes, a
 * WebAssembly.Module, or a promise of one of these; by default the
 * idnumber.wasm beside the package's file. Once the module is loaded it
 * resolves at once and reads no source. 'idnumber' (import and require)
 * has loaded it at import; 'idnumber/init' loads nothing until this is
 * called, and every other function throws until then.
 */
export function init(source?: InitInput | PromiseLike<InitInput>): Promise<WebAssembly.Module>;

/**
 * The same, synchronously, from the module's bytes or a WebAssembly.Module
 * (browsers allow it on their main thread for modules of up to 8 MB;
 * idnumber.wasm is under 1 MB). Without a source, Node reads the file
 * beside the package's (Node 20.16 or 22.3 and later, and require in any).
 */
export function initSync(source?: ArrayBuffer | ArrayBufferView | WebAssembly.Module): WebAssembly.Module;

export default init;

/** The most bytes of a text a verdict, its record and its hint read (the C API's IDN_INPUT_HELD_BYTES, 64). */
export declare const INPUT_HELD_BYTES: number;
