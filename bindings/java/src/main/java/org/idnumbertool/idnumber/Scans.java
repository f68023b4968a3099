package org.idnumbertool.idnumber;

import java.io.ByteArrayOutputStream;
import java.nio.ByteBuffer;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

/**
 * Finding and redacting through the thread's scanner: a text is given to
 * the library in pieces of at most {@link ScannerMemory#INPUT_BYTES} bytes
 * (its UTF-8, cut between characters), so that a text of any length needs
 * no more native memory than that, and one of a single piece (a log line, a
 * row) costs one restart, one call and one copy each way.
 */
final class Scans {
    private Scans() {
    }

    /** The end of a piece of text from {@code from}: at most {@code window} chars, a surrogate pair kept whole. */
    static int pieceEnd(String text, int from, int window) {
        return Utf8.prefixEnd(text, (int) Math.min(text.length(), (long) from + window));
    }

    static List<Match> find(String text, FindOptions options, int window) {
        ThreadScanner scanner = ThreadScanner.begin(options, false);
        try {
            ScannerMemory memory = scanner.memory();
            List<Match> matches = new ArrayList<Match>();
            int from = 0;
            do {
                int to = pieceEnd(text, from, window);
                memory.feed(memory.putChars(text, from, to), to == text.length());
                for (Match match = memory.next(); match != null; match = memory.next()) {
                    matches.add(match);
                }
                from = to;
            } while (from < text.length());
            return unmodifiable(matches);
        } finally {
            scanner.end();
        }
    }

    static List<Match> find(byte[] bytes, FindOptions options, int window) {
        ThreadScanner scanner = ThreadScanner.begin(options, true);
        try {
            ScannerMemory memory = scanner.memory();
            List<Match> matches = new ArrayList<Match>();
            int from = 0;
            do {
                int length = Math.min(window, bytes.length - from);
                memory.putBytes(bytes, from, length);
                memory.feed(length, from + length == bytes.length);
                for (Match match = memory.next(); match != null; match = memory.next()) {
                    matches.add(match);
                }
                from += length;
            } while (from < bytes.length);
            return unmodifiable(matches);
        } finally {
            scanner.end();
        }
    }

    private static List<Match> unmodifiable(List<Match> matches) {
        return matches.isEmpty() ? Collections.<Match>emptyList() : Collections.unmodifiableList(matches);
    }

    /** The text redacted; with a summary array, its first entry set to what was replaced. */
    static String redact(String text, RedactOptions options, int window, ScanSummary[] summary) {
        ThreadScanner scanner = ThreadScanner.begin(options, false);
        try {
            ScannerMemory memory = scanner.memory();
            int to = pieceEnd(text, 0, window);
            if (to == text.length()) {
                // One piece: its output is whole.
                int written = memory.redact(memory.putChars(text, 0, to), true);
                String redacted = Utf8.decode(memory.redacted(), 0, written);
                if (summary != null) {
                    summary[0] = memory.summary();
                }
                return redacted;
            }
            StringBuilder out = new StringBuilder(text.length() + 64);
            Utf8Pieces pieces = new Utf8Pieces();
            int from = 0;
            do {
                to = pieceEnd(text, from, window);
                boolean last = to == text.length();
                int written = memory.redact(memory.putChars(text, from, to), last);
                out.append(pieces.decode(memory.redacted(), written, last));
                from = to;
            } while (from < text.length());
            if (summary != null) {
                summary[0] = memory.summary();
            }
            return out.toString();
        } finally {
            scanner.end();
        }
    }

    static byte[] redact(byte[] bytes, RedactOptions options, int window, ScanSummary[] summary) {
        ThreadScanner scanner = ThreadScanner.begin(options, true);
        try {
            ScannerMemory memory = scanner.memory();
            ByteArrayOutputStream out = new ByteArrayOutputStream(bytes.length + 64);
            byte[] copy = new byte[Math.min(window, Math.max(1, bytes.length))];
            int from = 0;
            do {
                int length = Math.min(window, bytes.length - from);
                memory.putBytes(bytes, from, length);
                int written = memory.redact(length, from + length == bytes.length);
                try {
                    copyOut(memory.redacted(), written, out, copy);
                } catch (java.io.IOException e) {
                    throw new IllegalStateException(e);  // a ByteArrayOutputStream throws none
                }
                from += length;
            } while (from < bytes.length);
            if (summary != null) {
                summary[0] = memory.summary();
            }
            return out.toByteArray();
        } finally {
            scanner.end();
        }
    }

    /** Writes the first {@code length} bytes of {@code piece} to {@code out}, through {@code copy}. */
    static void copyOut(ByteBuffer piece, int length, java.io.OutputStream out, byte[] copy)
        throws java.io.IOException {
        ByteBuffer view = piece.duplicate();
        view.clear();
        for (int done = 0; done < length; ) {
            int n = Math.min(copy.length, length - done);
            view.get(copy, 0, n);
            out.write(copy, 0, n);
            done += n;
        }
    }

    /** One number held alone redacted as the options would redact it; null when the text is not one. */
    static byte[] redactNumber(String number, RedactOptions options) {
        ThreadScanner scanner = ThreadScanner.begin(options, false);
        try {
            ScannerMemory memory = scanner.memory();
            if (number.length() <= ScannerMemory.INPUT_CHARS) {
                return memory.redactNumber(memory.input(), memory.putChars(number, 0, number.length()));
            }
            try (NativeBuffer text = NativeBuffer.ofUtf8(number)) {
                return memory.redactNumber(text.address(), Utf8.length(number));
            }
        } finally {
            scanner.end();
        }
    }
}
