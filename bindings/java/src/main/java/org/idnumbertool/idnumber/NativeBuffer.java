package org.idnumbertool.idnumber;

import com.sun.jna.Native;
import com.sun.jna.Pointer;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.charset.StandardCharsets;

/**
 * Native memory for the length of one call, freed by {@link #close()}: what
 * JNA's Memory.close does in JNA 5.12 and later, here for any JNA 5, since
 * a SQL engine's class path may hold an older one.
 */
final class NativeBuffer implements AutoCloseable {
    /**
     * The most chars one view of a text written holds, and the most bytes one
     * read: a text of any length (over 2 GiB of UTF-8 too, beyond what one
     * ByteBuffer holds) is written and read in such views.
     */
    static final int WINDOW_CHARS = 1 << 24;
    static final int WINDOW_BYTES = 1 << 24;

    private final long address;
    private final long size;
    private boolean freed;

    NativeBuffer(long size) {
        this.size = Math.max(1, size);
        this.address = Native.malloc(this.size);
        if (address == 0) {
            throw new OutOfMemoryError("idnumber: no " + this.size + " bytes of native memory");
        }
    }

    long address() {
        return address;
    }

    long size() {
        return size;
    }

    /** A view of the memory (at most 2 GiB of it), valid until it is closed. */
    ByteBuffer bytes() {
        return new Pointer(address).getByteBuffer(0, Math.min(size, Integer.MAX_VALUE));
    }

    /** A view of {@code length} bytes from {@code offset}, valid until the memory is closed. */
    ByteBuffer bytes(long offset, int length) {
        return new Pointer(address).getByteBuffer(offset, length);
    }

    /** The text's UTF-8 (a lone surrogate as U+FFFD) in memory of its own, whatever its length. */
    static NativeBuffer ofUtf8(String text) {
        return ofUtf8(text, WINDOW_CHARS);
    }

    static NativeBuffer ofUtf8(String text, int windowChars) {
        NativeBuffer memory = new NativeBuffer(Utf8.length(text));
        long at = 0;
        for (int from = 0; from < text.length(); ) {
            int to = Utf8.prefixEnd(text, (int) Math.min(text.length(), (long) from + windowChars));
            int length = (int) Utf8.length(text, from, to);
            Utf8.encode(text, from, to, memory.bytes(at, length).order(ByteOrder.LITTLE_ENDIAN), 0);
            at += length;
            from = to;
        }
        return memory;
    }

    /** The text of the first {@code length} bytes, which hold UTF-8 (as the C API writes it), whatever its length. */
    String utf8(long length) {
        return utf8(length, WINDOW_BYTES);
    }

    /** {@link #utf8(long)} read in views of at most {@code windowBytes} (4 or more), each cut between characters. */
    String utf8(long length, int windowBytes) {
        // Room for every char at once: a text has at most as many chars as bytes.
        StringBuilder text = new StringBuilder((int) Math.min(length, Integer.MAX_VALUE - 8));
        for (long from = 0; from < length; ) {
            long to = Math.min(length, from + windowBytes);
            // Back to the start of a character: continuation bytes are 10xxxxxx.
            while (to < length && (new Pointer(address).getByte(to) & 0xC0) == 0x80) {
                to--;
            }
            byte[] bytes = new byte[(int) (to - from)];
            bytes(from, bytes.length).get(bytes);
            text.append(new String(bytes, StandardCharsets.UTF_8));
            from = to;
        }
        return text.toString();
    }

    void write(long offset, byte[] bytes, int from, int length) {
        new Pointer(address).write(offset, bytes, from, length);
    }

    void clear() {
        new Pointer(address).setMemory(0, size, (byte) 0);
    }

    @Override
    public void close() {
        if (!freed) {
            freed = true;
            Native.free(address);
        }
    }
}
