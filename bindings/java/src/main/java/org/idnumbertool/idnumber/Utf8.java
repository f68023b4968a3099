package org.idnumbertool.idnumber;

import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.charset.StandardCharsets;

/**
 * Java's UTF-16 strings as the UTF-8 bytes the C API reads. A surrogate that
 * is not half of a pair is U+FFFD (EF BF BD), as every UTF-16 host converts
 * it; String.getBytes would write '?' instead.
 */
final class Utf8 {
    static final int MAX_BYTES_PER_CHAR = 3;

    private Utf8() {
    }

    /** The UTF-8 length of {@code text[from, to)}. */
    static long length(String text, int from, int to) {
        long length = to - from;
        for (int i = from; i < to; i++) {
            char c = text.charAt(i);
            if (c < 0x80) {
                continue;
            }
            if (c < 0x800) {
                length += 1;
            } else if (Character.isHighSurrogate(c) && i + 1 < to && Character.isLowSurrogate(text.charAt(i + 1))) {
                length += 2;  // 4 bytes for the two chars
                i++;
            } else {
                length += 2;
            }
        }
        return length;
    }

    static long length(String text) {
        return length(text, 0, text.length());
    }

    /** The end of a prefix of {@code count} chars, moved past the low half of a pair the cut would split. */
    static int prefixEnd(String text, int count) {
        if (count >= text.length()) {
            return text.length();
        }
        return count > 0 && Character.isHighSurrogate(text.charAt(count - 1))
            && Character.isLowSurrogate(text.charAt(count)) ? count + 1 : count;
    }

    /**
     * Writes the UTF-8 of {@code text[from, to)} into {@code out} at {@code at}
     * (absolute positions; up to MAX_BYTES_PER_CHAR bytes a char) and returns
     * the position after it.
     */
    static int encode(String text, int from, int to, ByteBuffer out, int at) {
        int i = from;
        if (out.order() == ByteOrder.LITTLE_ENDIAN) {
            // ASCII eight chars a store: the common case of a batch.
            for (; i + 8 <= to; i += 8) {
                long word = 0;
                int seen = 0;
                for (int k = 0; k < 8; k++) {
                    char c = text.charAt(i + k);
                    seen |= c;
                    word |= (long) c << (k << 3);
                }
                if (seen >= 0x80) {
                    break;
                }
                out.putLong(at, word);
                at += 8;
            }
        }
        for (; i < to; i++) {
            char c = text.charAt(i);
            if (c >= 0x80) {
                return encodeFrom(text, i, to, out, at);
            }
            out.put(at++, (byte) c);
        }
        return at;
    }

    private static int encodeFrom(String text, int from, int to, ByteBuffer out, int at) {
        for (int i = from; i < to; i++) {
            char c = text.charAt(i);
            if (c < 0x80) {
                out.put(at++, (byte) c);
            } else if (c < 0x800) {
                out.put(at++, (byte) (0xC0 | c >> 6));
                out.put(at++, (byte) (0x80 | c & 0x3F));
            } else if (Character.isHighSurrogate(c) && i + 1 < to && Character.isLowSurrogate(text.charAt(i + 1))) {
                int point = Character.toCodePoint(c, text.charAt(++i));
                out.put(at++, (byte) (0xF0 | point >> 18));
                out.put(at++, (byte) (0x80 | point >> 12 & 0x3F));
                out.put(at++, (byte) (0x80 | point >> 6 & 0x3F));
                out.put(at++, (byte) (0x80 | point & 0x3F));
            } else {
                char unit = Character.isSurrogate(c) ? '\uFFFD' : c;
                out.put(at++, (byte) (0xE0 | unit >> 12));
                out.put(at++, (byte) (0x80 | unit >> 6 & 0x3F));
                out.put(at++, (byte) (0x80 | unit & 0x3F));
            }
        }
        return at;
    }

    /** The text's UTF-8, a lone surrogate as U+FFFD. */
    static byte[] bytes(String text) {
        long length = length(text);
        if (length > Integer.MAX_VALUE - 8) {
            throw new IllegalArgumentException("idnumber: a text of " + length + " bytes of UTF-8 is more than an"
                + " array holds");
        }
        byte[] bytes = new byte[(int) length];
        encode(text, 0, text.length(), ByteBuffer.wrap(bytes).order(ByteOrder.LITTLE_ENDIAN), 0);
        return bytes;
    }

    /** The text of {@code length} UTF-8 bytes at {@code at} in {@code in} (which the C API writes valid). */
    static String decode(ByteBuffer in, int at, int length) {
        byte[] bytes = new byte[length];
        ByteBuffer view = in.duplicate();
        view.clear();
        view.position(at);
        view.get(bytes);
        return new String(bytes, StandardCharsets.UTF_8);
    }
}
