// The batch's worker: verifies pasted text, or a file read piece by piece
// (its lines, or one column of its CSV rows), with batch.js, and sends back
// the counts per verdict, the results' CSV as a Blob and the records the
// page's table shows, so that the page never freezes and never receives a
// record per line, whatever the number of lines.
//
// Messages in: {text} or {file, encoding, csv: {column, headerRow} | null,
// crLineEnds}. Messages out: {progress, total, lines} (progress and total:
// lines of pasted text, bytes of a file), then {done: {total, first,
// refused}, counts, csv, encoding, cr, unterminatedLine} (batch.js's
// Results and verifyFile say what each is; a pasted text's encoding and cr
// are null), or {error: message}.
import { verifyFile, verifyText } from './batch.js';

// The package loads its WebAssembly with a top-level await: imported
// statically, it would hold back this module, and a message that came
// before the handler was set would be lost. So the handler comes first.
const loading = import('./idnumber/index.js');

self.onmessage = async (event) => {
    try {
        const idnumber = await loading;
        const job = event.data;
        const { results, encoding, unterminatedLine, cr = null } = job.file
            ? await verifyFile(idnumber, job, {
                onProgress: (progress, total, lines) => self.postMessage({ progress, total, lines }),
            })
            : verifyText(idnumber, job.text, {
                onProgress: (progress, total) => self.postMessage({ progress, total, lines: progress }),
            });
        self.postMessage({
            done: { total: results.total, first: results.first, refused: results.refused },
            counts: results.counts,
            csv: results.csvBlob(),
            encoding,
            cr,
            unterminatedLine,
        });
    } catch (error) {
        self.postMessage({ error: error.message });
    }
};
