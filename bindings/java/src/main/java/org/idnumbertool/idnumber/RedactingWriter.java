package org.idnumbertool.idnumber;

import java.io.IOException;
import java.io.Writer;

/**
 * A Writer that redacts what it is given and writes the result to another:
 * made by {@link Redactor#writer(Writer)}. The scanner's state goes on from
 * one write to the next, so a number written in two pieces is found once.
 * {@link #flush()} writes all that is decided (the chars a number could
 * still go on from wait) and flushes the other Writer; {@link #close()}
 * writes the rest and closes it. The scanner's memory is its own (native,
 * freed by the collector once this Writer is unreachable) and cleared on
 * close.
 */
public final class RedactingWriter extends Writer {
    private final Writer out;
    private final ScannerMemory memory = new ScannerMemory();
    private final Utf8Pieces pieces = new Utf8Pieces();
    private final StringBuilder pending = new StringBuilder();
    private final int window;
    private ScanSummary summary;
    private boolean closed;

    RedactingWriter(Writer out, RedactOptions options) {
        this(out, options, ScannerMemory.INPUT_CHARS);
    }

    /** With pieces of at most {@code window} chars given to the library (the tests give 1 and 7). */
    RedactingWriter(Writer out, RedactOptions options, int window) {
        this.out = out;
        this.window = window;
        ThreadScanner.prepare(memory, options, false);
    }

    @Override
    public void write(char[] chars, int offset, int length) throws IOException {
        synchronized (lock) {
            open();
            pending.append(chars, offset, length);
            while (pending.length() > window) {
                give(window, false);
            }
        }
    }

    @Override
    public void write(String text, int offset, int length) throws IOException {
        synchronized (lock) {
            open();
            pending.append(text, offset, offset + length);
            while (pending.length() > window) {
                give(window, false);
            }
        }
    }

    /** Writes what the library has decided of the chars written so far, and flushes the other Writer. */
    @Override
    public void flush() throws IOException {
        synchronized (lock) {
            open();
            while (wholeChars() > 0) {
                give(Math.min(window, wholeChars()), false);
            }
            out.flush();
        }
    }

    /** Writes everything and closes the other Writer; closing again does nothing. */
    @Override
    public void close() throws IOException {
        synchronized (lock) {
            if (closed) {
                return;
            }
            try {
                do {
                    give(Math.min(window, pending.length()), pending.length() <= window);
                } while (pending.length() > 0);
                summary = memory.summary();
            } finally {
                closed = true;
                memory.wipe();
                out.close();
            }
        }
    }

    /** What was replaced so far (all of it, once closed). */
    public ScanSummary getSummary() {
        synchronized (lock) {
            return closed ? summary : memory.summary();
        }
    }

    /** The pending chars but a high surrogate at their end, whose low half may come with the next write. */
    private int wholeChars() {
        int n = pending.length();
        return n > 0 && Character.isHighSurrogate(pending.charAt(n - 1)) ? n - 1 : n;
    }

    /** Gives the library the first {@code count} pending chars (a surrogate pair kept whole) and writes its output. */
    private void give(int count, boolean last) throws IOException {
        String piece = pending.substring(0, Math.min(pending.length(), count + 1));
        int end = last ? piece.length() : Scans.pieceEnd(piece, 0, count);
        if (!last && end > 0 && end == piece.length() && Character.isHighSurrogate(piece.charAt(end - 1))) {
            end--;  // its low half is not here yet
        }
        int written = memory.redact(memory.putChars(piece, 0, end), last);
        out.write(pieces.decode(memory.redacted(), written, last));
        pending.delete(0, end);
    }

    private void open() throws IOException {
        if (closed) {
            throw new IOException("idnumber: the RedactingWriter is closed");
        }
    }
}
