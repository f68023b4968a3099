import type { RedactOptions, ScanSummary } from './index.js';

/**
 * What redactStream returns: a Node stream.Transform (declared here by the
 * members most used, so that no Node types are needed to use it).
 */
export interface RedactStream extends AsyncIterable<Uint8Array> {
    write(chunk: Uint8Array | string, callback?: (error?: Error | null) => void): boolean;
    end(callback?: () => void): this;
    pipe<T>(destination: T, options?: { end?: boolean }): T;
    on(event: string, listener: (...args: any[]) => void): this;
    /** What was replaced so far (at the end, in the whole stream): counts, never numbers. */
    summary(): ScanSummary;
}

/**
 * A Transform that redacts the bytes written to it (strings are encoded by
 * Node first), read as `options.encoding` says: every number replaced as
 * `redact` replaces it, every other byte as it was, whatever the chunks.
 */
export function redactStream(options?: RedactOptions): RedactStream;
