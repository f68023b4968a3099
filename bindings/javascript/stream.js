// Node streams of the package's redaction: redactStream(options) is a
// stream.Transform whose input is bytes (Buffers; strings written to it are
// encoded by Node first), read as options.encoding says (UTF-8 by default,
// GBK, auto), and whose output is those bytes with every number replaced
// as redact() replaces them, every other byte as it was. Chunks of any
// size; the scanner carries a number split across chunks, and the end of
// the stream flushes what it held. summary() of the stream: what was
// replaced, never the numbers.
import { Transform } from 'node:stream';
import { Redactor } from './index.js';

const asBuffer = (bytes) => Buffer.from(bytes.buffer, bytes.byteOffset, bytes.length);

export function redactStream(options) {
    const redactor = new Redactor(options, 'bytes', 'redactStream');
    let summary = null;
    const stream = new Transform({
        transform(chunk, encoding, callback) {
            try {
                callback(null, asBuffer(redactor.write(chunk)));
            } catch (error) {
                callback(error);
            }
        },
        flush(callback) {
            try {
                const rest = redactor.end();
                summary = redactor.summary();
                redactor.close();
                callback(null, asBuffer(rest));
            } catch (error) {
                callback(error);
            }
        },
        destroy(error, callback) {
            // The scanner (and the key it holds) goes with the stream.
            redactor.close();
            callback(error);
        },
    });
    // Counts by confidence and form so far (at the end, of the whole stream).
    stream.summary = () => summary ?? redactor.summary();
    return stream;
}
