// The batch's worker: decodes a file or takes pasted text, verifies every
// line with verifyMany in chunks (reporting progress after each), and sends
// back the counts per verdict (from the result's reasonCodes column), the
// results' CSV and the records the page's table shows: the first rows and
// the first refused rows, so that the page never freezes and never receives
// a record per line, whatever the number of lines.
//
// Messages in: {text} or {buffer, encoding, csv: {column, headerRow} | null}.
// Messages out: {progress: done, total}, then {done: {total, first, refused},
// counts, csv, encoding} (first and refused: up to PREVIEW_ROWS records, each
// with its line number in `line`), or {error: message}.
import { countVerdicts, csvColumn, csvHeaderRow, csvRow, decodeBytes, splitLines } from './batch.js';

const CHUNK = 5000;
const PREVIEW_ROWS = 500;

// The package loads its WebAssembly with a top-level await: imported
// statically, it would hold back this module, and a message that came
// before the handler was set would be lost. So the handler comes first.
const loading = import('./idnumber/index.js');

self.onmessage = async (event) => {
    try {
        const { verifyMany } = await loading;
        const { text, buffer, encoding, csv } = event.data;
        let lines;
        let used = null;
        if (text !== undefined) {
            lines = splitLines(text);
        } else {
            const decoded = decodeBytes(buffer, encoding);
            used = decoded.encoding;
            lines = csv ? csvColumn(decoded.text, csv.column, csv.headerRow) : splitLines(decoded.text);
        }
        const rows = [csvHeaderRow()];
        const first = [];
        const refused = [];
        let counts;
        for (let start = 0; start < lines.length; start += CHUNK) {
            const part = verifyMany(lines.slice(start, start + CHUNK), { history: false });
            counts = countVerdicts(part.reasonCodes, counts);
            let line = start;
            for (const record of part) {
                ++line;
                rows.push(csvRow(line, record));
                if (first.length < PREVIEW_ROWS) first.push({ line, ...record });
                if (!record.valid && refused.length < PREVIEW_ROWS) refused.push({ line, ...record });
            }
            self.postMessage({ progress: start + part.length, total: lines.length });
        }
        self.postMessage({
            done: { total: lines.length, first, refused },
            counts: counts ?? countVerdicts([]),
            csv: rows.join('\r\n') + '\r\n',
            encoding: used,
        });
    } catch (error) {
        self.postMessage({ error: error.message });
    }
};
