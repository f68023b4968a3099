package org.idnumbertool.idnumber;

import com.sun.jna.Native;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.util.Arrays;

/**
 * Texts crossed into native memory as idn_verify_columns reads them: their
 * UTF-8 one after another, and the end of each as a size_t, written in one
 * pass over the strings (a batch's strings are read from main memory, so
 * each pass costs). A text of more than 64 chars is packed empty and listed
 * in {@link #longTexts()}, for its verdict to be asked alone by the prefix
 * form. Close it after the call.
 */
final class PackedTexts implements AutoCloseable {
    /** The bytes first set aside a text: an 18-character number and some. */
    private static final int EXPECTED_BYTES = 24;

    private NativeBuffer bytes;
    private final NativeBuffer ends;
    private int[] longTexts = new int[0];
    private int longCount;

    private PackedTexts(NativeBuffer bytes, NativeBuffer ends) {
        this.bytes = bytes;
        this.ends = ends;
    }

    long bytes() {
        return bytes.address();
    }

    long ends() {
        return ends.address();
    }

    /** The indexes of the texts of more than 64 chars. */
    int[] longTexts() {
        return Arrays.copyOf(longTexts, longCount);
    }

    /** Packs texts {@code [from, to)}; NullPointerException naming the first null. */
    static PackedTexts pack(TextBlocks texts, int from, int to) {
        int count = to - from;
        int word = Native.SIZE_T_SIZE;
        PackedTexts packed = new PackedTexts(new NativeBuffer((long) count * EXPECTED_BYTES + 4 * Verifier.HELD_CHARS),
                                             new NativeBuffer((long) count * word));
        ByteBuffer out = packed.bytes.bytes().order(ByteOrder.LITTLE_ENDIAN);
        ByteBuffer endOut = packed.ends.bytes().order(ByteOrder.nativeOrder());
        int at = 0;
        String[] block = null;
        for (int i = from; i < to; i++) {
            if ((i & (TextBlocks.SIZE - 1)) == 0 || block == null) {
                block = texts.block(i);
            }
            String text = block[i & (TextBlocks.SIZE - 1)];
            if (text == null) {
                packed.close();
                throw new NullPointerException("the text at index " + i + " is null");
            }
            int length = text.length();
            if (length <= Verifier.HELD_CHARS) {
                if (out.capacity() - at < Utf8.MAX_BYTES_PER_CHAR * length) {
                    out = packed.grow(out, at);
                }
                int end = ascii(text, length, out, at);
                at = end >= 0 ? end : Utf8.encode(text, 0, length, out, at);
            } else {
                packed.addLong(i);
            }
            if (word == 8) {
                endOut.putLong((i - from) * 8, at);
            } else {
                endOut.putInt((i - from) * 4, at);
            }
        }
        return packed;
    }

    /**
     * Writes an ASCII text eight chars a store and returns the position after
     * it, or -1 (having written part of it) when a char is not ASCII. The
     * batch's own copy of Utf8's fast path, so that the compiler sees only
     * batches here.
     */
    private static int ascii(String text, int length, ByteBuffer out, int at) {
        int i = 0;
        for (; i + 8 <= length; i += 8) {
            long word = 0;
            int seen = 0;
            for (int k = 0; k < 8; k++) {
                char c = text.charAt(i + k);
                seen |= c;
                word |= (long) c << (k << 3);
            }
            if (seen >= 0x80) {
                return -1;
            }
            out.putLong(at + i, word);
        }
        for (; i < length; i++) {
            char c = text.charAt(i);
            if (c >= 0x80) {
                return -1;
            }
            out.put(at + i, (byte) c);
        }
        return at + length;
    }

    private void addLong(int index) {
        if (longCount == longTexts.length) {
            longTexts = Arrays.copyOf(longTexts, Math.max(8, 2 * longCount));
        }
        longTexts[longCount++] = index;
    }

    /** Moves the bytes written so far into memory twice as large. */
    private ByteBuffer grow(ByteBuffer out, int written) {
        NativeBuffer larger = new NativeBuffer(2 * bytes.size());
        ByteBuffer grown = larger.bytes().order(ByteOrder.LITTLE_ENDIAN);
        ByteBuffer old = out.duplicate();
        old.limit(written);
        grown.put(old);
        bytes.close();
        bytes = larger;
        return grown;
    }

    @Override
    public void close() {
        bytes.close();
        ends.close();
    }
}
