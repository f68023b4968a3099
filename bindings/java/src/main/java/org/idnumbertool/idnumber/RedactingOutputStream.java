package org.idnumbertool.idnumber;

import java.io.IOException;
import java.io.OutputStream;

/**
 * An OutputStream that redacts the bytes it is given, read as its options'
 * encoding (UTF-8 unless given), and writes the result to another: made by
 * {@link Redactor#outputStream(OutputStream)}. Every byte that is no number
 * is written as it was. As {@link RedactingWriter}: the state goes on from
 * one write to the next, {@link #flush()} writes what is decided,
 * {@link #close()} writes the rest and closes the other stream.
 */
public final class RedactingOutputStream extends OutputStream {
    private final OutputStream out;
    private final ScannerMemory memory = new ScannerMemory();
    private final byte[] pending;
    private final byte[] copy = new byte[ScannerMemory.INPUT_BYTES];
    private int pendingLength;
    private ScanSummary summary;
    private boolean closed;

    RedactingOutputStream(OutputStream out, RedactOptions options) {
        this(out, options, ScannerMemory.INPUT_BYTES);
    }

    /** With pieces of at most {@code window} bytes given to the library (the tests give 1 and 7). */
    RedactingOutputStream(OutputStream out, RedactOptions options, int window) {
        this.out = out;
        this.pending = new byte[window];
        ThreadScanner.prepare(memory, options, true);
    }

    @Override
    public synchronized void write(int b) throws IOException {
        write(new byte[] {(byte) b}, 0, 1);
    }

    @Override
    public synchronized void write(byte[] bytes, int offset, int length) throws IOException {
        open();
        if (offset < 0 || length < 0 || length > bytes.length - offset) {
            throw new IndexOutOfBoundsException("offset " + offset + ", length " + length + " of " + bytes.length);
        }
        for (int done = 0; done < length; ) {
            int n = Math.min(pending.length - pendingLength, length - done);
            System.arraycopy(bytes, offset + done, pending, pendingLength, n);
            pendingLength += n;
            done += n;
            if (pendingLength == pending.length) {
                give(false);
            }
        }
    }

    /** Writes what the library has decided of the bytes so far, and flushes the other stream. */
    @Override
    public synchronized void flush() throws IOException {
        open();
        if (pendingLength > 0) {
            give(false);
        }
        out.flush();
    }

    /** Writes everything and closes the other stream; closing again does nothing. */
    @Override
    public synchronized void close() throws IOException {
        if (closed) {
            return;
        }
        try {
            give(true);
            summary = memory.summary();
        } finally {
            closed = true;
            memory.wipe();
            out.close();
        }
    }

    /** What was replaced so far (all of it, once closed). */
    public synchronized ScanSummary getSummary() {
        return closed ? summary : memory.summary();
    }

    private void give(boolean last) throws IOException {
        memory.putBytes(pending, 0, pendingLength);
        int written = memory.redact(pendingLength, last);
        pendingLength = 0;
        Scans.copyOut(memory.redacted(), written, out, copy);
    }

    private void open() throws IOException {
        if (closed) {
            throw new IOException("idnumber: the RedactingOutputStream is closed");
        }
    }
}
