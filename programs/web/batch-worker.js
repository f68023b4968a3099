// The batch's worker: decodes a file or takes pasted text, verifies every
// line with verifyMany in chunks (reporting progress after each), and sends
// back the records, the counts per verdict and the results' CSV, so that the
// page never freezes, whatever the number of lines.
//
// Messages in: {text} or {buffer, encoding, csv: {column, headerRow} | null}.
// Messages out: {progress: done, total}, then {done: records, counts, csv,
// encoding}, or {error: message}.
import { countVerdicts, csvColumn, decodeBytes, resultsCsv, splitLines } from './batch.js';

const CHUNK = 5000;

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
        const records = [];
        for (let first = 0; first < lines.length; first += CHUNK) {
            const part = verifyMany(lines.slice(first, first + CHUNK), { history: false });
            for (const record of part) records.push(record);
            self.postMessage({ progress: records.length, total: lines.length });
        }
        self.postMessage({ done: records, counts: countVerdicts(records), csv: resultsCsv(records), encoding: used });
    } catch (error) {
        self.postMessage({ error: error.message });
    }
};
