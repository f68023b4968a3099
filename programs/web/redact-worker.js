// The redaction tab's worker: reads pasted text (as UTF-8) or a file of any
// size piece by piece (never whole in memory), redacts it with the
// package's Redactor in the file's encoding, and finds the matches of its
// first PREVIEW_BYTES for the page's highlights (at most PREVIEW_MATCHES).
// The redacted bytes go back as a Blob, made of parts joined every
// BLOB_STEP bytes (a browser may keep a big Blob on disk).
//
// Messages in: {text} or {file}, with {encoding, options} (the package's
// redact options; the key a Uint8Array, which goes nowhere else). Messages
// out: {progress, total} (bytes), then {done: {summary, preview, matches,
// shown}, blob}, or {error: message}.
const loading = import('./idnumber/index.js');

const PIECE = 1 << 20;
const PREVIEW_BYTES = 64 << 10;
const PREVIEW_MATCHES = 500;
const BLOB_STEP = 16 << 20;

// The preview's text in segments, a match's as [text, confidence]: bytes
// decoded between the matches (which are whole characters), each segment
// by the file's encoding ('auto': UTF-8 when it is, else GBK).
function previewSegments(bytes, matches, encoding) {
    const utf8 = new TextDecoder('utf-8', { fatal: true, ignoreBOM: true });
    const gbk = new TextDecoder('gbk');
    const lenient = new TextDecoder('utf-8', { ignoreBOM: true });
    const decode = (part) => {
        if (encoding === 'gbk') return gbk.decode(part);
        if (encoding === 'utf8') return lenient.decode(part);
        try {
            return utf8.decode(part);
        } catch {
            return gbk.decode(part);
        }
    };
    const segments = [];
    let at = 0;
    for (const match of matches) {
        segments.push(decode(bytes.subarray(at, match.byteOffset)));
        segments.push([decode(bytes.subarray(match.byteOffset, match.byteOffset + match.byteLength)), match.confidence]);
        at = match.byteOffset + match.byteLength;
    }
    segments.push(decode(bytes.subarray(at)));
    return segments;
}

self.onmessage = async (event) => {
    let redactor = null;
    try {
        const { Finder, Redactor } = await loading;
        const { text, file, encoding, options } = event.data;
        const source = file ?? new Blob([text]);
        const byteOptions = { ...options, encoding: file ? encoding : 'utf8' };
        redactor = new Redactor(byteOptions);
        const finder = new Finder({ encoding: byteOptions.encoding, minConfidence: options.minConfidence,
            fifteenDigits: options.fifteenDigits });
        const head = new Uint8Array(Math.min(PREVIEW_BYTES, source.size));
        let headFilled = 0;
        let matches = [];
        const blobs = [];
        let parts = [];
        let partBytes = 0;
        let read = 0;
        const reader = source.stream().getReader();
        for (;;) {
            const { value, done } = await reader.read();
            if (done) break;
            for (let at = 0; at < value.length; at += PIECE) {
                const piece = value.subarray(at, Math.min(value.length, at + PIECE));
                if (headFilled < head.length) {
                    const take = piece.subarray(0, head.length - headFilled);
                    head.set(take, headFilled);
                    headFilled += take.length;
                    matches.push(...finder.write(take));
                }
                const out = redactor.write(piece);
                parts.push(out);
                partBytes += out.length;
                if (partBytes >= BLOB_STEP) {
                    blobs.push(new Blob(parts));
                    parts = [];
                    partBytes = 0;
                }
                read += piece.length;
            }
            self.postMessage({ progress: read, total: source.size });
        }
        parts.push(redactor.end());
        blobs.push(new Blob(parts));
        matches.push(...finder.end());
        // Only the matches wholly in the preview's bytes are highlighted.
        matches = matches.filter((match) => match.byteOffset + match.byteLength <= headFilled).slice(0, PREVIEW_MATCHES);
        const summary = redactor.summary();
        self.postMessage({
            done: {
                summary,
                preview: previewSegments(head.subarray(0, headFilled), matches, byteOptions.encoding),
                whole: headFilled === source.size,
                shown: matches.length,
            },
            blob: new Blob(blobs, { type: 'text/plain' }),
        });
    } catch (error) {
        self.postMessage({ error: error.message, code: error.code ?? null, option: error.option ?? null });
    } finally {
        redactor?.close();
    }
};
