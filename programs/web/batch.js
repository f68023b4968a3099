// The batch's pure parts, shared by the page (app.js) and its worker
// (batch-worker.js): decoding a file (UTF-8 or GBK), splitting lines as
// idtool reads them, reading one column of CSV, counting verdicts, and the
// CSV of results (UTF-8 with a byte-order mark, for Excel).

// Bytes to text: 'utf-8', 'gbk', or 'auto' (UTF-8 when the bytes are valid
// UTF-8, else GBK). A UTF-8 byte-order mark is dropped. Returns {text, encoding}.
export function decodeBytes(buffer, encoding) {
    const bytes = new Uint8Array(buffer);
    if (encoding === 'utf-8' || encoding === 'auto') {
        try {
            return { text: new TextDecoder('utf-8', { fatal: true }).decode(bytes), encoding: 'utf-8' };
        } catch (error) {
            if (encoding === 'utf-8') throw new Error('文件不是有效的UTF-8文本，请选择GBK编码');
        }
    }
    return { text: new TextDecoder('gbk').decode(bytes), encoding: 'gbk' };
}

// Lines as idtool verify reads them: LF or CRLF ends a line, a last line
// without an end counts, and a text ending in a line end has no empty line
// after it.
export function splitLines(text) {
    if (text.charCodeAt(0) === 0xFEFF) text = text.slice(1);
    const lines = text.split('\n');
    if (lines[lines.length - 1] === '') lines.pop();
    for (let i = 0; i < lines.length; ++i) {
        const line = lines[i];
        if (line.charCodeAt(line.length - 1) === 13) lines[i] = line.slice(0, -1);
    }
    return lines;
}

// The rows of RFC 4180 CSV (quoted fields may hold commas, quotes and line
// ends), each an array of fields.
export function parseCsv(text) {
    if (text.charCodeAt(0) === 0xFEFF) text = text.slice(1);
    const rows = [];
    let row = [];
    let field = '';
    let quoted = false;
    for (let i = 0; i < text.length; ++i) {
        const c = text[i];
        if (quoted) {
            if (c === '"') {
                if (text[i + 1] === '"') {
                    field += '"';
                    ++i;
                } else quoted = false;
            } else field += c;
        } else if (c === '"' && field === '') quoted = true;
        else if (c === ',') {
            row.push(field);
            field = '';
        } else if (c === '\n' || c === '\r') {
            if (c === '\r' && text[i + 1] === '\n') ++i;
            row.push(field);
            rows.push(row);
            row = [];
            field = '';
        } else field += c;
    }
    if (field !== '' || row.length > 0) {
        row.push(field);
        rows.push(row);
    }
    return rows;
}

// The values of one column (0-based), the header row left out when asked;
// a row too short gives an empty value.
export function csvColumn(text, column, headerRow) {
    const rows = parseCsv(text);
    return rows.slice(headerRow ? 1 : 0).map((row) => (row[column] ?? '').trim());
}

export const reasonLabels = {
    valid: '通过',
    length: '长度错误',
    characters: '含非法字符',
    check: '校验码错误',
    date: '出生日期错误',
};

// Lines per verdict, in idtool's order (valid, length, characters, check,
// date), from verdict codes: 0 valid, else the index in the package's
// REASONS (verifyMany's reasonCodes, verdictCodes).
export const verdictNames = ['valid', 'length', 'characters', 'check', 'date'];

export function countVerdicts(codes, counts = { valid: 0, length: 0, characters: 0, check: 0, date: 0 }) {
    for (let i = 0; i < codes.length; ++i) ++counts[verdictNames[codes[i]]];
    return counts;
}

const csvHeader = ['行号', '号码', '结果', '原因', '提示', '应为校验码', '出生日期', '性别', '省', '市', '县'];

// One CSV field: quoted when it holds a comma, quote or line end. A text that
// a spreadsheet would take for a formula (=, +, -, @) gets a leading
// apostrophe; a number of digits is written ="..." so that Excel keeps it as
// text, whole (not 1.10105E+17, and with its leading zeros).
function csvField(value) {
    let text = value === null || value === undefined ? '' : String(value);
    if (/^[0-9]+$/.test(text)) return `="${text}"`;
    if (/^[=+\-@\t\r]/.test(text)) text = `'${text}`;
    return /[",\r\n]/.test(text) ? `"${text.replaceAll('"', '""')}"` : text;
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
    if (value === null || value === undefined) return '';
    let field = knownFields.get(value);
    if (field === undefined) {
        field = csvField(value);
        if (knownFields.size < 100000) knownFields.set(value, field);
    }
    return field;
}

export function csvRow(lineNumber, record) {
    return [
        String(lineNumber), csvField(record.input), record.valid ? '通过' : '未通过',
        record.valid ? '' : knownField(reasonLabels[record.reason]), knownField(record.message),
        knownField(record.expected_check), knownField(record.birth_date), knownField(record.sex),
        knownField(record.province), knownField(record.city), knownField(record.county),
    ].join(',');
}
