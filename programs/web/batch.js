// The batch's pure parts, shared by the page (app.js) and its worker
// (batch-worker.js): reading a file's lines, or one column of its CSV rows,
// piece by piece as idtool verify reads them; the lines of pasted text;
// counting verdicts; the texts a user is shown; and the CSV of results
// (UTF-8 with a byte-order mark, for Excel).
//
// Files are read as bytes. LF, CR, the quote and the comma are ASCII, and no
// byte of a UTF-8 or GBK character other than ASCII is below 0x40, so lines
// and rows are found in the bytes whatever the encoding, and text is decoded
// only in runs that end at a line end or in the bytes a cell holds: no
// character is ever decoded in two parts, and each line or cell can be read
// in an encoding of its own (auto).

// The bytes of a line or cell that idtool holds and shows: the C API's
// IDN_INPUT_HELD_BYTES, as the package gives it (useSizesOf, before any
// reader is made; verifyText and verifyFile call it). A longer one is
// refused for its length, which is counted, and never held whole.
export let INPUT_HELD_BYTES = 0;

// Takes the library's sizes from the package (its module or its exports).
export function useSizesOf(idnumber) {
    if (!Number.isInteger(idnumber.INPUT_HELD_BYTES) || idnumber.INPUT_HELD_BYTES <= 0)
        throw new Error('the idnumber package gives no INPUT_HELD_BYTES: load it first');
    INPUT_HELD_BYTES = idnumber.INPUT_HELD_BYTES;
}

const LF = 10;
const CR = 13;
const QUOTE = 34;
const COMMA = 44;

// ---- Decoding -------------------------------------------------------------------

const fatalUtf8 = new TextDecoder('utf-8', { fatal: true, ignoreBOM: true });
const gbkDecoder = new TextDecoder('gbk');
const beyondAscii = /[^\x00-\x7F]/;

// The refusal of a file chosen as UTF-8 that is not.
const notUtf8 = () => new Error('文件不是有效的UTF-8文本，请选择GBK编码');

// Whether bytes[start..end) are UTF-8 in its strict form (no overlong forms,
// surrogates or values above U+10FFFF), as idtool and the WHATWG decoder
// judge it; a loop, since a decoder's refusal is an exception, costly per line.
export function isUtf8(bytes, start, end) {
    for (let at = start; at < end;) {
        const lead = bytes[at];
        if (lead < 0x80) {
            ++at;
            continue;
        }
        let length;
        let low = 0x80;
        let high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead === 0xE0) low = 0xA0;
            else if (lead === 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead === 0xF0) low = 0x90;
            else if (lead === 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (end - at < length || bytes[at + 1] < low || bytes[at + 1] > high) return false;
        for (let k = 2; k < length; ++k) if ((bytes[at + k] & 0xC0) !== 0x80) return false;
        at += length;
    }
    return true;
}

// How a file's bytes become text, as idtool verify --input-encoding reads
// them: 'utf-8', 'gbk', or 'auto', each line (or CSV cell) as UTF-8 when its
// bytes are UTF-8 and as GBK when they are not, so that one file may hold
// both. A line longer than the bytes held is judged by them, less a
// character their end cuts. A file chosen as UTF-8 that is not is refused,
// with a word on choosing GBK.
export class Decoding {
    #utf8Seen = false;  // a text beyond ASCII was read as UTF-8
    #gbkSeen = false;   // a text was read as GBK
    #checker = null;
    #lastEncoding = 'utf-8';

    constructor(choice) {
        this.choice = choice;
    }

    // What the file was read as, by the texts read so far: 'utf-8', 'gbk',
    // or 'utf-8+gbk' (auto, lines of both).
    get encoding() {
        if (this.choice !== 'auto') return this.choice;
        return this.#gbkSeen ? (this.#utf8Seen ? 'utf-8+gbk' : 'gbk') : 'utf-8';
    }

    // The encoding of a text held as bytes[start..end); `cut`: the text
    // goes on after them.
    encodingOf(bytes, start, end, cut) {
        if (this.choice !== 'auto') return this.choice;
        if (cut) end = start + completePrefixLength(bytes, start, end, 'utf-8');
        return isUtf8(bytes, start, end) ? 'utf-8' : 'gbk';
    }

    // The text of whole characters' bytes in the encoding.
    #decode(bytes, encoding) {
        let text;
        if (encoding === 'gbk') {
            text = gbkDecoder.decode(bytes);
            this.#gbkSeen = true;
            return text;
        }
        try {
            text = fatalUtf8.decode(bytes);
        } catch {
            throw notUtf8();
        }
        if (text.length !== bytes.length) this.#utf8Seen = true;
        return text;
    }

    // The text of a run of whole lines, when one encoding reads them all
    // (always, but under 'auto' when the run is not all UTF-8: null, each
    // line is its own).
    runText(run) {
        if (this.choice === 'gbk') return this.#decode(run, 'gbk');
        try {
            return this.#decode(run, 'utf-8');
        } catch (error) {
            if (this.choice === 'auto') return null;
            throw error;
        }
    }

    // Checks the file's next piece, in order, when the file was chosen as
    // UTF-8 (CSV: the cells read are only some of its bytes).
    check(piece) {
        if (this.choice !== 'utf-8') return;
        this.#checker ??= new TextDecoder('utf-8', { fatal: true, ignoreBOM: true });
        try {
            this.#checker.decode(piece, { stream: true });
        } catch {
            throw notUtf8();
        }
    }

    // The text a line or cell of `length` bytes shows of its bytes held in
    // bytes[start..end): all of them, or when it is longer the first ones
    // cut at a character boundary (as idtool's records cut them).
    held(bytes, start, end, length) {
        const cut = length > end - start;
        const encoding = this.encodingOf(bytes, start, end, cut);
        if (cut) end = start + completePrefixLength(bytes, start, end, encoding);
        this.#lastEncoding = encoding;
        return this.#decode(bytes.subarray(start, end), encoding);
    }

    // Adds to `lines` a line or cell of `length` bytes held as
    // bytes[start..end): its text, and its bytes when the verdict must be
    // theirs, as idtool's is, and not its text's UTF-8: a line held in part
    // (whose whole length only the bytes can carry) and GBK beyond ASCII.
    add(lines, bytes, start, end, length, number) {
        const text = this.held(bytes, start, end, length);
        const own = length > end - start || (this.#lastEncoding === 'gbk' && beyondAscii.test(text));
        lines.add(text, length, number, own ? bytes.slice(start, end) : undefined);
    }
}

// How many of bytes[start..end) end at a character boundary: a character
// the end cuts in two is left out.
export function completePrefixLength(bytes, start, end, encoding) {
    if (encoding === 'gbk') {
        // Trail bytes overlap lead bytes: only a scan from the start tells
        // whether the last byte opens a pair.
        let at = start;
        while (at < end) {
            if (bytes[at] >= 0x81 && bytes[at] <= 0xFE) {
                if (at + 1 === end) return at - start;
                at += 2;
            } else ++at;
        }
        return end - start;
    }
    // Back over at most three continuation bytes to the last lead byte.
    let at = end;
    while (at > start && end - at < 3 && (bytes[at - 1] & 0xC0) === 0x80) --at;
    if (at === start) return end - start;
    const lead = bytes[at - 1];
    const needed = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return end - (at - 1) < needed ? at - 1 - start : end - start;
}

const startsWithByteOrderMark = (bytes) => bytes[0] === 0xEF && bytes[1] === 0xBB && bytes[2] === 0xBF;

// ---- Lines -------------------------------------------------------------------------

// What a piece of the file completed: per line or row its text (the held
// bytes, decoded), its whole length in bytes (-1: a row without the column),
// its line number, and for some (Decoding.add says which) its held bytes in
// `bytes`, by index.
export class Lines {
    constructor() {
        this.texts = [];
        this.lengths = [];
        this.numbers = [];
        this.bytes = null;
    }

    get count() {
        return this.texts.length;
    }

    add(text, length, number, bytes) {
        if (bytes !== undefined) (this.bytes ??= [])[this.texts.length] = bytes;
        this.texts.push(text);
        this.lengths.push(length);
        this.numbers.push(number);
    }
}

// A file's lines as idtool verify reads them: LF or CRLF ends a line, a UTF-8
// byte-order mark at the start is dropped, the last line needs no line end
// (a CR there stays), and every other byte, NUL and a lone CR among them, is
// part of its line. With crLineEnds (the user's choice, for files whose lines
// end in CR alone), a CR ends a line too.
//
// read(piece) takes the file's pieces in order and returns the Lines they
// complete; finish() returns the last line. A line that crosses pieces is
// carried in a small buffer; a line longer than INPUT_HELD_BYTES keeps its
// first bytes and counts the rest, so a line of any length costs nothing more.
// lineCount, crLines and firstCrLine count the lines read, and those that
// hold a CR as part of the line, anywhere in it (idtool's hint cr_line_ends
// looks at a line's first bytes only).
export class LineReader {
    #decoding;
    #crLineEnds;
    #started = false;
    #next = 1;                                         // the next line's number
    #carry = new Uint8Array(INPUT_HELD_BYTES + 1);     // the first bytes of an unfinished line
    #carried = 0;                                      // of them
    #carryLength = 0;                                  // the unfinished line's bytes so far
    #carryLast = 0;                                    // its last byte
    #carryCr = false;                                  // it holds a CR that more of it follows
    #skipLf = false;                                   // a CR ended the last piece (crLineEnds)
    crLines = 0;
    firstCrLine = 0;

    constructor(decoding, { crLineEnds = false } = {}) {
        this.#decoding = decoding;
        this.#crLineEnds = crLineEnds;
    }

    get lineCount() {
        return this.#next - 1;
    }

    read(piece) {
        const lines = new Lines();
        let at = 0;
        if (!this.#started && piece.length > 0) {
            this.#started = true;
            if (startsWithByteOrderMark(piece)) at = 3;
        }
        if (this.#skipLf) {
            if (piece.length > 0 && piece[0] === LF) at = 1;
            if (piece.length > 0) this.#skipLf = false;
        }
        // The carried line, when this piece ends it.
        if (this.#carryLength > 0) {
            const end = this.#lineEnd(piece, at);
            if (end === -1) {
                this.#keep(piece, at, piece.length);
                return lines;
            }
            this.#keep(piece, at, end);
            at = this.#afterLineEnd(piece, end);
            this.#endCarried(lines, piece[end] === LF);
        }
        // Whole lines, up to the last line end.
        const last = this.#lastLineEnd(piece, at);
        if (last >= at) {
            const through = this.#afterLineEnd(piece, last);
            this.#split(lines, piece.subarray(at, last + 1));
            at = through;
        }
        this.#keep(piece, at, piece.length);
        return lines;
    }

    finish() {
        const lines = new Lines();
        // The last line, without a line end: a CR at its end stays.
        if (this.#carryLength > 0) this.#endCarried(lines, false);
        return lines;
    }

    #lineEnd(piece, from) {
        const lf = piece.indexOf(LF, from);
        if (!this.#crLineEnds) return lf;
        const cr = piece.indexOf(CR, from);
        return cr === -1 ? lf : lf === -1 ? cr : Math.min(cr, lf);
    }

    #lastLineEnd(piece, from) {
        const lf = piece.lastIndexOf(LF);
        if (!this.#crLineEnds) return lf >= from ? lf : -1;
        const end = Math.max(lf, piece.lastIndexOf(CR));
        return end >= from ? end : -1;
    }

    // Where the next line starts after the line end at `end`: past a CRLF's
    // LF, which may be the next piece's first byte.
    #afterLineEnd(piece, end) {
        if (piece[end] !== CR) return end + 1;
        if (end + 1 < piece.length) return piece[end + 1] === LF ? end + 2 : end + 1;
        this.#skipLf = true;
        return end + 1;
    }

    // Adds bytes of the unfinished line.
    #keep(piece, from, to) {
        if (to <= from) return;
        if (!this.#crLineEnds) {
            // A CR is the line's own when more of the line follows it; the
            // last one may be a CRLF's.
            if (this.#carryLength > 0 && this.#carryLast === CR) this.#carryCr = true;
            const cr = piece.indexOf(CR, from);
            if (cr !== -1 && cr < to - 1) this.#carryCr = true;
        }
        const room = this.#carry.length - this.#carried;
        if (room > 0) {
            const take = Math.min(room, to - from);
            this.#carry.set(piece.subarray(from, from + take), this.#carried);
            this.#carried += take;
        }
        this.#carryLength += to - from;
        this.#carryLast = piece[to - 1];
    }

    #endCarried(lines, byLf) {
        let length = this.#carryLength;
        // The CR of a CRLF is no part of the line.
        if (byLf && this.#carryLast === CR) --length;
        else if (!this.#crLineEnds && this.#carryLast === CR) this.#carryCr = true;
        if (this.#carryCr) this.#countCr(this.#next);
        this.#decoding.add(lines, this.#carry, 0, Math.min(length, INPUT_HELD_BYTES), length, this.#next++);
        this.#carried = this.#carryLength = 0;
        this.#carryCr = false;
    }

    #countCr(number) {
        if (this.crLines++ === 0) this.firstCrLine = number;
    }

    // The lines of `run`, which ends in a line end.
    #split(lines, run) {
        const text = this.#decoding.runText(run);
        const crLineEnds = this.#crLineEnds;
        // The next CR at or after a line's start, for the lines that hold one.
        let cr = crLineEnds ? -1 : run.indexOf(CR);
        let next = this.#next;
        if (text !== null && text.length === run.length && !beyondAscii.test(text)) {
            // One byte a character: the texts are the lines, or their heads.
            const parts = crLineEnds ? text.split(/\r\n|\r|\n/) : text.split('\n');
            parts.pop();  // after the last line end
            let start = 0;
            for (let i = 0; i < parts.length; ++i) {
                let line = parts[i];
                const end = start + line.length;
                if (!crLineEnds && line.charCodeAt(line.length - 1) === CR) line = line.slice(0, -1);
                const length = line.length;
                if (cr !== -1) {
                    while (cr !== -1 && cr < start) cr = run.indexOf(CR, cr + 1);
                    if (cr !== -1 && cr < start + length) this.#countCr(next);
                }
                if (length <= INPUT_HELD_BYTES) {
                    lines.add(line, length, next++);
                } else {
                    const head = line.slice(0, INPUT_HELD_BYTES);
                    lines.add(head, length, next++, asciiBytes(head));
                }
                start = end + 1;  // past its LF (with crLineEnds no CR is counted, and starts go unused)
            }
        } else {
            // The lengths in bytes, from the line ends in the bytes; each
            // line decoded by itself when the run's lines differ (auto).
            const parts = text === null ? null : crLineEnds ? text.split(/\r\n|\r|\n/) : text.split('\n');
            const gbk = this.#decoding.choice === 'gbk';
            for (let i = 0, start = 0; start < run.length; ++i) {
                const end = this.#lineEnd(run, start);
                let length = end - start;
                if (!crLineEnds && length > 0 && run[end - 1] === CR) --length;
                if (cr !== -1) {
                    while (cr !== -1 && cr < start) cr = run.indexOf(CR, cr + 1);
                    if (cr !== -1 && cr < start + length) this.#countCr(next);
                }
                let line = parts?.[i];
                if (line !== undefined && !crLineEnds && line.charCodeAt(line.length - 1) === CR) {
                    line = line.slice(0, -1);
                }
                if (line === undefined || length > INPUT_HELD_BYTES || (gbk && beyondAscii.test(line))) {
                    this.#decoding.add(lines, run, start, start + Math.min(length, INPUT_HELD_BYTES), length, next++);
                } else {
                    lines.add(line, length, next++);
                }
                start = run[end] === CR && run[end + 1] === LF ? end + 2 : end + 1;
            }
        }
        this.#next = next;
    }
}

function asciiBytes(text) {
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    return bytes;
}

// The lines of pasted text, as idtool would read them from a file: LF or
// CRLF ends a line, a last line without an end counts, and a text ending in
// a line end has no empty line after it.
export function splitLines(text) {
    if (text.charCodeAt(0) === 0xFEFF) text = text.slice(1);
    const lines = text.split('\n');
    if (lines[lines.length - 1] === '') lines.pop();
    for (let i = 0; i < lines.length; ++i) {
        const line = lines[i];
        if (line.charCodeAt(line.length - 1) === CR) lines[i] = line.slice(0, -1);
    }
    return lines;
}

// ---- CSV -------------------------------------------------------------------------

const FIELD_START = 0;
const UNQUOTED = 1;
const QUOTED = 2;
const QUOTE_IN_QUOTED = 3;

// One column of CSV rows, read as idtool verify --column reads them: fields
// separated by commas, rows ending in LF or CRLF; a field in double quotes
// may hold commas, CR, LF and doubled quotes; a quote inside an unquoted
// field, and text after a closing quote, is text; a lone CR is text; nothing
// is trimmed. A UTF-8 byte-order mark at the start is dropped. A row is
// numbered by the line it starts on. With crLineEnds (the user's choice), a
// CR outside quotes ends a row too.
//
// column: 0-based; headerRow: the first row names the columns and is not
// verified. Of the column's cell the first INPUT_HELD_BYTES bytes are held
// and its whole length counted. With keepFields instead (the page's first
// look at a file), every field of every row is kept, up to 256 bytes, and
// rows() gives them.
//
// read(piece) and finish() as LineReader's; after finish(), unterminatedLine
// is the line of a row whose quoted field the file does not close (idtool
// refuses the file there, after the rows before it), else 0. lineCount,
// crLines and firstCrLine count the rows read (the header among them), and
// those that hold a CR outside quotes as text.
export class CsvColumnReader {
    #decoding;
    #column;
    #headerRow;
    #crLineEnds;
    #keepFields;
    #started = false;
    #state = FIELD_START;
    #inRow = false;
    #pendingCr = false;
    #previous = 0;         // the byte before the piece's first (line numbers in quotes)
    #field = 0;
    #line = 1;             // the line the next byte is on
    #rowLine = 0;
    #held;
    #heldCount = 0;
    #cellLength = 0;
    #hasColumn = false;
    #fields = [];          // keepFields: the row's fields so far
    #rows = [];            // keepFields: the rows read
    #rowCr = false;        // the row holds a CR outside quotes
    unterminatedLine = 0;
    lineCount = 0;
    crLines = 0;
    firstCrLine = 0;

    constructor(decoding, { column = 0, headerRow = false, crLineEnds = false, keepFields = false } = {}) {
        this.#decoding = decoding;
        this.#column = column;
        this.#headerRow = headerRow;
        this.#crLineEnds = crLineEnds;
        this.#keepFields = keepFields;
        this.#held = new Uint8Array(keepFields ? 256 : INPUT_HELD_BYTES);
    }

    rows() {
        return this.#rows;
    }

    read(piece) {
        const lines = new Lines();
        let at = 0;
        if (!this.#started && piece.length > 0) {
            this.#started = true;
            if (startsWithByteOrderMark(piece)) at = 3;
        }
        this.#decoding.check(piece.subarray(at));
        const n = piece.length;
        const cr = this.#crLineEnds;
        while (at < n) {
            if (!this.#inRow) this.#startRow();
            const c = piece[at];
            if (this.#pendingCr) {
                this.#pendingCr = false;
                if (c !== LF) {
                    if (cr) {
                        // The CR ended the row; the byte starts the next one.
                        this.#endRow(lines);
                        continue;
                    }
                    this.#add(piece, -1, 1);
                    this.#rowCr = true;
                    this.#state = UNQUOTED;
                    continue;  // the byte is looked at again, as what follows a CR
                }
            }
            switch (this.#state) {
            case FIELD_START:
                if (c === QUOTE) {
                    this.#state = QUOTED;
                    ++at;
                    continue;
                }
                this.#state = UNQUOTED;
                // falls through
            case UNQUOTED: {
                if (c !== COMMA && c !== LF && c !== CR) {
                    // Text up to the next byte that ends it; a quote here is text.
                    let run = at + 1;
                    while (run < n) {
                        const b = piece[run];
                        if (b === COMMA || b === LF || b === CR) break;
                        ++run;
                    }
                    this.#add(piece, at, run - at);
                    at = run;
                    continue;
                }
                if (c === CR) {
                    this.#pendingCr = true;
                    ++at;
                    continue;
                }
                if (c === COMMA) {
                    this.#endField();
                    ++at;
                    continue;
                }
                break;  // LF: the row ends below
            }
            case QUOTED: {
                if (c !== QUOTE) {
                    let run = at;
                    let previous = at > 0 ? piece[at - 1] : this.#previous;
                    while (run < n) {
                        const b = piece[run];
                        if (b === QUOTE) break;
                        if (b === LF ? !(cr && previous === CR) : cr && b === CR) ++this.#line;
                        previous = b;
                        ++run;
                    }
                    this.#add(piece, at, run - at);
                    at = run;
                    continue;
                }
                this.#state = QUOTE_IN_QUOTED;
                ++at;
                continue;
            }
            case QUOTE_IN_QUOTED:
                if (c === QUOTE) {
                    this.#add(piece, at, 1);
                    this.#state = QUOTED;
                    ++at;
                    continue;
                }
                if (c === CR) {
                    this.#pendingCr = true;
                    this.#state = UNQUOTED;
                    ++at;
                    continue;
                }
                if (c === COMMA) {
                    this.#endField();
                    ++at;
                    continue;
                }
                if (c !== LF) {  // text after a closing quote is text
                    this.#state = UNQUOTED;
                    continue;
                }
                break;
            }
            // LF outside quotes: the row ends, without its CR.
            ++at;
            this.#endRow(lines);
        }
        if (n > 0) this.#previous = piece[n - 1];
        return lines;
    }

    finish() {
        const lines = new Lines();
        if (!this.#inRow) return lines;
        if (this.#state === QUOTED) {
            this.unterminatedLine = this.#rowLine;
            return lines;
        }
        // The last row, without a line end.
        if (this.#pendingCr) {
            this.#pendingCr = false;
            if (!this.#crLineEnds) {
                this.#add(null, -1, 1);
                this.#rowCr = true;
            }
        }
        this.#endRow(lines);
        return lines;
    }

    #startRow() {
        this.#inRow = true;
        this.#rowLine = this.#line;
        this.#field = 0;
        this.#state = FIELD_START;
        this.#heldCount = 0;
        this.#cellLength = 0;
        this.#hasColumn = false;
        this.#rowCr = false;
    }

    // The header's fields are read too, only for the encoding they show.
    #collecting() {
        return this.#keepFields || this.#headerRow || this.#field === this.#column;
    }

    // Adds `count` bytes of the field's text from piece[at]; at -1, a CR.
    #add(piece, at, count) {
        if (!this.#collecting()) return;
        const held = this.#held;
        const take = Math.min(count, held.length - this.#heldCount);
        if (take > 0) {
            if (at === -1) held[this.#heldCount] = CR;
            else held.set(piece.subarray(at, at + take), this.#heldCount);
            this.#heldCount += take;
        }
        this.#cellLength += count;
    }

    #endField() {
        if (this.#keepFields || this.#headerRow) {
            const text = this.#decoding.held(this.#held, 0, this.#heldCount, this.#cellLength);
            if (this.#keepFields) this.#fields.push(text);
            this.#heldCount = 0;
            this.#cellLength = 0;
        } else if (this.#field === this.#column) this.#hasColumn = true;
        ++this.#field;
        this.#state = FIELD_START;
    }

    #endRow(lines) {
        this.#endField();
        this.#inRow = false;
        ++this.lineCount;
        if (this.#rowCr && this.crLines++ === 0) this.firstCrLine = this.#rowLine;
        ++this.#line;
        if (this.#keepFields) {
            this.#rows.push(this.#fields);
            this.#fields = [];
        } else if (this.#headerRow) {
            this.#headerRow = false;
        } else if (this.#hasColumn) {
            this.#decoding.add(lines, this.#held, 0, this.#heldCount, this.#cellLength, this.#rowLine);
        } else {
            lines.add('', -1, this.#rowLine);
        }
    }
}

// The first rows of a CSV file (from its first bytes), every field of each,
// for choosing the column: the last row, which the bytes may cut, is left out
// unless the bytes are the whole file.
export function csvHeadRows(bytes, encoding, { crLineEnds = false, whole = false, count = 6 } = {}) {
    const read = (decoding) => {
        const reader = new CsvColumnReader(decoding, { keepFields: true, crLineEnds });
        reader.read(bytes);
        if (whole) reader.finish();
        return reader.rows().slice(0, count);
    };
    try {
        return read(new Decoding(encoding));
    } catch {
        return [];  // not UTF-8, as chosen: the batch says so
    }
}

// ---- CRs that end no line ----------------------------------------------------------

// The first bytes of a chosen file the page reads itself (for its columns and
// its CRs); the worker reads the whole file.
export const HEAD_BYTES = 65536;

// What a reader found of CRs that idtool takes as part of a line: the lines
// (or CSV rows) read, how many hold such a CR and the first of them;
// `partial` when only the file's first bytes were read.
function crFacts(reader, partial = false) {
    return { lines: reader.lineCount, crLines: reader.crLines, firstCrLine: reader.firstCrLine, partial };
}

// The same from a file's first bytes (all of it when `whole`), read as idtool
// reads them (no CR ends a line). A CR that ends the bytes may be a CRLF's,
// and is left out.
export function headCrFacts(bytes, { csv = false, whole = false } = {}) {
    if (!whole && bytes[bytes.length - 1] === CR) bytes = bytes.subarray(0, bytes.length - 1);
    const decoding = new Decoding('gbk');  // any that takes every byte: only the CRs count
    const reader = csv ? new CsvColumnReader(decoding) : new LineReader(decoding);
    reader.read(bytes);
    reader.finish();
    return crFacts(reader, !whole);
}

// What the page tells of them, or null: idtool ends lines at LF and CRLF
// only, so that a file whose lines end in CR alone is one line to it, and a
// stray CR is a byte of its line.
export function crNoticeText(facts) {
    if (facts === null || facts.crLines === 0) return null;
    if (!facts.partial && facts.lines === 1) {
        return 'idtool只认LF和CRLF为行尾，把这个文件读成了一行，其中含单独的CR（回车符）：文件的行可能只以CR结尾。';
    }
    const where = facts.partial ? `文件的前${HEAD_BYTES / 1024} KiB中` : '';
    return `${where}有${facts.crLines}行含单独的CR（回车符），第一处在第${facts.firstCrLine}行：`
        + 'idtool只认LF和CRLF为行尾，单独的CR算作行内的字符，不把行分开。';
}

export const crLineEndsText = '已把单独的CR（回车符）当作行尾，每行分别校验。idtool只认LF和CRLF为行尾，单独的CR在idtool里是行内的字符。';

// ---- Verdicts ---------------------------------------------------------------------

export const reasonLabels = {
    valid: '通过',
    length: '长度错误',
    characters: '含非法字符',
    check: '校验码错误',
    date: '出生日期错误',
    no_column: '缺少该列',
};

// What a refused line's hint (idtool verify's hint field, by its name) tells
// the user: what probably happened to the number.
export const hintLabels = {
    cr_line_ends: '含回车符（CR）：文件的行可能只以CR结尾，几行被读成了一行',
    fifteen_digits: '15位旧号码，升为18位是',
    scientific: '科学计数法（如1.10105E+17）：表格软件把号码当成了数字',
    zeroed: '末尾变成了000：表格软件只保留15位有效数字',
    lowercase_x: '末位的x应为大写X',
    fullwidth: '含全角数字或Ｘ，改为半角即可通过',
    spaces: '含空格、制表符或连字符，去掉即可通过',
};

// What a file was read as (Decoding's encoding).
export const encodingLabels = {
    'utf-8': 'UTF-8',
    gbk: 'GBK',
    'utf-8+gbk': '逐行判断，有UTF-8的行也有GBK的行',
};

export function hintText(record) {
    if (!record.hint) return '';
    const words = hintLabels[record.hint] ?? record.hint;
    return record.upgraded ? words + record.upgraded : words;
}

// The verdicts by their codes (verifyMany's reasonCodes: 0 valid, else the
// index in the package's REASONS), in idtool's order.
const verdictNames = ['valid', 'length', 'characters', 'check', 'date'];

// ---- Texts as shown ------------------------------------------------------------------

// Characters that show as nothing, or that reorder the text around them
// (bidirectional controls such as U+202E): a line's text shows them as
// escapes, so that what is shown is what the line holds.
const hidden = /[\u0000-\u001F\u007F-\u009F\u00AD\u061C\u115F\u1160\u180E\u200B-\u200F\u2028-\u202E\u2060-\u206F\u3164\uFEFF\uFFF9-\uFFFB]/g;
const escapeNames = { 0: 'NUL', 9: 'TAB', 10: 'LF', 13: 'CR' };

// The text as parts: even indexes text as it is, odd ones the escape of one
// hidden character, as <CR> or <U+202E>.
export function shownParts(text) {
    const parts = [];
    let from = 0;
    for (const match of text.matchAll(hidden)) {
        const code = match[0].charCodeAt(0);
        parts.push(text.slice(from, match.index),
            `<${escapeNames[code] ?? `U+${code.toString(16).toUpperCase().padStart(4, '0')}`}>`);
        from = match.index + 1;
    }
    parts.push(text.slice(from));
    return parts;
}

// The text with its hidden characters escaped, set apart from what is
// around it (U+2068 FIRST STRONG ISOLATE ... U+2069 POP DIRECTIONAL
// ISOLATE), for places that hold only text, such as a list's options.
export function isolatedText(text) {
    return `\u2068${shownParts(text).join('')}\u2069`;
}

// ---- Verifying a batch ----------------------------------------------------------------

const PREVIEW_ROWS = 500;
const ROWS_JOINED = 4096;

// A text of its own, not a slice that keeps a whole piece's text alive.
const ownText = (text) => JSON.parse(JSON.stringify(text));

function preview(line, input, record) {
    return record === null ? { line, input: '', valid: false, reason: 'no_column' }
        : { line, ...record, input: ownText(input) };
}

// The texts to verify: the lines' texts, but the bytes of those that have
// them. The package reads a text of bytes by its first INPUT_HELD_BYTES and
// its length: a line held in part is its held bytes in a buffer as long as
// the line (zeros after them, pages the system gives only when written).
function withBytes(texts, lengths, own) {
    const inputs = texts.slice();
    own.forEach((bytes, i) => {
        if (lengths[i] === bytes.length) {
            inputs[i] = bytes;
        } else {
            inputs[i] = new Uint8Array(lengths[i]);
            inputs[i].set(bytes);
        }
    });
    return inputs;
}

// What a batch keeps of its lines, whatever their number: the counts per
// verdict (no_column: rows without the column), the first rows and the
// first refused rows for the table (records with their line number in
// `line` and the input as shown in `input`), and the CSV of results as
// Blobs, one per call of add.
export class Results {
    constructor(idnumber) {
        this.idnumber = idnumber;
        this.counts = { valid: 0, length: 0, characters: 0, check: 0, date: 0, no_column: 0 };
        this.total = 0;
        this.first = [];
        this.refused = [];
        this.csv = [new Blob([csvHeaderRow() + '\r\n'])];
    }

    // Verifies a Lines (lines of a file, whose texts are what the reader
    // holds), or pasted text's lines (an array of whole texts; `first` the
    // first one's number), and adds their rows.
    add(lines, first = 1) {
        const pasted = Array.isArray(lines);
        const texts = pasted ? lines : lines.texts;
        const lengths = pasted ? null : lines.lengths;
        const numbers = pasted ? null : lines.numbers;
        const own = pasted ? null : lines.bytes;
        const verdicts = this.idnumber.verifyMany(own === null ? texts : withBytes(texts, lengths, own), { history: false });
        const codes = verdicts.reasonCodes;
        const counts = this.counts;
        // Rows are joined a few thousand at a time: short-lived strings cost
        // the collector little, the joined ones are not moved.
        const joined = [];
        let rows = [];
        for (let i = 0; i < texts.length; ++i) {
            if (rows.length === ROWS_JOINED) {
                rows.push('');
                joined.push(rows.join('\r\n'));
                rows = [];
            }
            const line = pasted ? first + i : numbers[i];
            const length = pasted ? 0 : lengths[i];
            if (codes[i] === 0 && length !== -1 && this.first.length === PREVIEW_ROWS) {
                // Most lines: a valid number's row from the columns, no record made.
                ++counts.valid;
                rows.push(this.#validRow(line, texts[i], verdicts, i));
                continue;
            }
            let record = null;
            if (length === -1) {
                ++counts.no_column;
            } else {
                record = verdicts.at(i);
                if (own?.[i] !== undefined && length <= INPUT_HELD_BYTES && record.hint !== 'cr_line_ends') {
                    // GBK beyond ASCII: the verdict is the bytes', as idtool
                    // gives it, and so is a CR's hint (idtool looks for a CR
                    // among a line's first 64 bytes, which reach further into
                    // GBK than into its UTF-8). The other hints are the
                    // text's: idtool reads the GBK characters (full-width
                    // digits) as the package reads their UTF-8.
                    const text = this.idnumber.verify(texts[i], { history: false });
                    record.hint = text.hint;
                    record.upgraded = text.upgraded;
                }
                ++counts[verdictNames[codes[i]]];
            }
            // A file's line shows as the reader holds it; pasted text is whole.
            const input = pasted ? record.input : texts[i];
            rows.push(csvRow(line, input, record));
            if (this.first.length < PREVIEW_ROWS) this.first.push(preview(line, input, record));
            if (record?.valid !== true && this.refused.length < PREVIEW_ROWS) this.refused.push(preview(line, input, record));
        }
        rows.push('');
        joined.push(rows.join('\r\n'));
        this.total += texts.length;
        this.csv.push(new Blob(joined));
    }

    // csvRow of a valid number, from the columns of its verdict and, by
    // region code and sex, the fields of the first record that had them.
    #tails = new Map();
    #dates = new Map();
    #checks = [];
    #validRow(line, input, verdicts, i) {
        const key = verdicts.regionCodes[i] * 4 + verdicts.sexCodes[i];
        let tail = this.#tails.get(key);
        if (tail === undefined) {
            const record = verdicts.at(i);
            tail = [record.sex, record.province, record.city, record.county].map(knownField).join(',');
            this.#tails.set(key, tail);
        }
        const date = verdicts.birthDates[i];
        let birth = this.#dates.get(date);
        if (birth === undefined) {
            birth = knownField(verdicts.at(i).birth_date);
            if (this.#dates.size < 100000) this.#dates.set(date, birth);
        }
        const checkCode = verdicts.expectedChecks[i];
        const check = this.#checks[checkCode] ??= knownField(String.fromCharCode(checkCode));
        return `${line},${csvField(input)},通过,,,,${check},${birth},${tail}`;
    }

    csvBlob() {
        return new Blob(this.csv, { type: 'text/csv;charset=utf-8' });
    }
}

const TEXT_CHUNK = 5000;    // pasted lines verified at a time
const PIECE = 1 << 20;      // bytes of a file read at a time

// Pasted text's lines, verified TEXT_CHUNK at a time; onProgress(lines
// done, lines) after each. Returns {results, encoding: null, unterminatedLine: 0}.
export function verifyText(idnumber, text, { onProgress = () => {} } = {}) {
    useSizesOf(idnumber);
    const lines = splitLines(text);
    const results = new Results(idnumber);
    for (let start = 0; start < lines.length; start += TEXT_CHUNK) {
        results.add(lines.slice(start, start + TEXT_CHUNK), start + 1);
        onProgress(results.total, lines.length);
    }
    return { results, encoding: null, unterminatedLine: 0 };
}

// A file's pieces in order (the first at least 3 bytes, for the byte-order
// mark), the next one read while one is verified.
async function* piecesOf(file, size) {
    let end = Math.max(size, 3);
    let next = file.slice(0, end).arrayBuffer();
    for (let at = 0; at < file.size;) {
        const buffer = await next;
        at = end;
        end += size;
        if (at < file.size) next = file.slice(at, end).arrayBuffer();
        yield new Uint8Array(buffer);
    }
}

async function readFile(idnumber, { file, csv, crLineEnds }, decoding, onProgress, pieceSize) {
    const results = new Results(idnumber);
    const reader = csv ? new CsvColumnReader(decoding, { column: csv.column, headerRow: csv.headerRow, crLineEnds })
        : new LineReader(decoding, { crLineEnds });
    const take = (lines) => {
        if (lines.count > 0) results.add(lines);
    };
    let read = 0;
    for await (const piece of piecesOf(file, pieceSize)) {
        take(reader.read(piece));
        read += piece.length;
        onProgress(read, file.size, results.total);
    }
    take(reader.finish());
    return { results, encoding: decoding.encoding, unterminatedLine: reader.unterminatedLine ?? 0, cr: crFacts(reader) };
}

// A file (a Blob) read and verified piece by piece: job {file, encoding
// ('auto', 'utf-8', 'gbk'), csv: {column, headerRow} or null, crLineEnds};
// onProgress(bytes read, bytes, lines done) after each piece. Returns
// {results, encoding (Decoding's), unterminatedLine, cr (crFacts)}.
export async function verifyFile(idnumber, job, { onProgress = () => {}, pieceSize = PIECE } = {}) {
    useSizesOf(idnumber);
    return readFile(idnumber, job, new Decoding(job.encoding), onProgress, pieceSize);
}

// ---- The CSV of results -------------------------------------------------------------

const csvHeader = ['行号', '号码', '结果', '原因', '说明', '提示', '应为校验码', '出生日期', '性别', '省', '市', '县'];

// One CSV field. A number of digits is written ="..." so that Excel keeps it
// as text, whole (not 1.10105E+17, and with its leading zeros). A text that
// a spreadsheet would take for a formula (=, +, -, @, TAB or CR first) gets
// a leading apostrophe; so does one that follows a semicolon or TAB inside
// the text, since a spreadsheet whose list separator is ';' (most of Europe)
// splits the row there and the rest starts a cell of its own (this file's
// commas are no separators there). Quoted when it holds a comma, semicolon,
// quote or line end.
const digits = /^[0-9]+$/;
const plain = /^[0-9A-Za-z]*$/;
const formulaStart = /^[=+\-@\t\r]/;
const afterSeparator = /[;\t](?=[\s"]*[=+\-@])/g;
const needsQuotes = /[",;\r\n]/;
export function csvField(value) {
    let text = value === null || value === undefined ? '' : String(value);
    if (digits.test(text)) return `="${text}"`;
    if (plain.test(text)) return text;
    if (formulaStart.test(text)) text = `'${text}`;
    text = text.replace(afterSeparator, "$&'");
    return needsQuotes.test(text) ? `"${text.replaceAll('"', '""')}"` : text;
}

// The results as CSV, in pieces: csvHeaderRow() (a byte-order mark and the
// header) and one csvRow per line; joined with CRLF, and a CRLF at the end.
export function csvHeaderRow() {
    return '\uFEFF' + csvHeader.join(',');
}

// Most fields hold one of a few values (messages, dates, names): their CSV
// forms are kept, up to a bound.
const knownFields = new Map();
function knownField(value) {
    if (value === null || value === undefined || value === '') return '';
    let field = knownFields.get(value);
    if (field === undefined) {
        field = csvField(value);
        if (knownFields.size < 100000) knownFields.set(value, field);
    }
    return field;
}

// A line's row: its number, the input as shown (for a line held in part,
// its first bytes) and the record's fields; a row without the column
// (record null) has only its number, the input's place and the result.
export function csvRow(lineNumber, input, record) {
    if (record === null) return `${lineNumber},,${reasonLabels.no_column},,,,,,,,,`;
    return [
        String(lineNumber), csvField(input), record.valid ? '通过' : '未通过',
        record.valid ? '' : knownField(reasonLabels[record.reason]), knownField(record.message),
        knownField(hintText(record)), knownField(record.expected_check), knownField(record.birth_date),
        knownField(record.sex), knownField(record.province), knownField(record.city), knownField(record.county),
    ].join(',');
}
