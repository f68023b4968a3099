package org.idnumbertool.idnumber;

import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;

/**
 * The chars of UTF-8 given in pieces (what a redaction writes, piece by
 * piece), a character cut between two pieces held until the next: each
 * piece's whole characters are decoded, and the last piece all that is left.
 */
final class Utf8Pieces {
    private byte[] bytes = new byte[256];
    /** Bytes of a character the last piece began and did not end. */
    private int pending;

    /** Decodes the first {@code length} bytes of {@code piece} after what is pending. */
    String decode(ByteBuffer piece, int length, boolean last) {
        int total = pending + length;
        if (bytes.length < total) {
            byte[] larger = new byte[Math.max(total, 2 * bytes.length)];
            System.arraycopy(bytes, 0, larger, 0, pending);
            bytes = larger;
        }
        ByteBuffer view = piece.duplicate();
        view.clear();
        view.get(bytes, pending, length);
        int cut = last ? total : wholeCharactersEnd(bytes, total);
        String text = new String(bytes, 0, cut, StandardCharsets.UTF_8);
        System.arraycopy(bytes, cut, bytes, 0, total - cut);
        pending = total - cut;
        return text;
    }

    /** The end of the last character that ends within {@code bytes[0, total)}. */
    static int wholeCharactersEnd(byte[] bytes, int total) {
        for (int back = 1; back <= 4 && back <= total; back++) {
            int lead = bytes[total - back] & 0xFF;
            if ((lead & 0xC0) == 0x80) {
                continue;  // a continuation byte: its lead is further back
            }
            int needed = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            return needed > back ? total - back : total;
        }
        return total;
    }
}
