package org.idnumbertool.idnumber;

import com.sun.jna.Native;
import com.sun.jna.Pointer;
import java.lang.ref.WeakReference;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.util.Map;
import java.util.WeakHashMap;

/**
 * Each thread's native memory for the C API's arguments and results, so that
 * a call allocates nothing: a text of up to TEXT_SIZE bytes, a verdict, the
 * small values functions write through pointers, structs, and text out. A
 * method that calls into the C API reads what it needs from here before it
 * calls a method that may reuse the same area.
 *
 * <p>A thread's own map holds only a weak reference to its scratch, and
 * {@link #OWNERS} the scratch itself, for as long as both the thread and
 * these classes live: a pool's thread that outlives them (a dropped SQL
 * session's, a redeployed web application's) keeps no object of theirs, and
 * so not their class loader.
 */
final class Scratch {
    static final int TEXT = 0;
    /** Room for 64 chars of any text, each at most 3 bytes, or a surrogate pair 4 for 2. */
    static final int TEXT_SIZE = 4 * ApiConstants.IDN_INPUT_HELD_BYTES;
    static final int VERDICT = TEXT + TEXT_SIZE;
    static final int WRITTEN = aligned(VERDICT + ApiConstants.Verdict.SIZE);
    /** An int32_t out: a hint, a sex, a region code, an option, an age. */
    static final int SMALL = WRITTEN + 8;
    /** A second int32_t out, beside SMALL: the option of a refusal. */
    static final int SMALL2 = SMALL + 4;
    /** A size_t or uint64_t in and out: the cursor of idn_search_regions, a count, a seed. */
    static final int CURSOR = SMALL + 8;
    /** Room for any struct the library fills, and for the arrays of successors and of present codes. */
    static final int STRUCT = CURSOR + 8;
    static final int STRUCT_SIZE = aligned(Math.max(
        Math.max(ApiConstants.IDN_MAX_SUCCESSORS * ApiConstants.Successor.SIZE,
                 ApiConstants.IDN_MAX_NOW_CODES * ApiConstants.PresentCode.SIZE),
        Math.max(Math.max(ApiConstants.Region.SIZE, ApiConstants.HistoryRecord.SIZE),
                 Math.max(ApiConstants.RegionInfo.SIZE, ApiConstants.Verdict.SIZE))));
    static final int OUT = STRUCT + STRUCT_SIZE;
    static final int OUT_SIZE = Math.max(ApiConstants.IDN_MESSAGE_SIZE, ApiConstants.IDN_VERIFY_JSON_SIZE);
    /** An idn_generator_t, copied in from a {@link GeneratedNumbers} before each number. */
    static final int GENERATOR = aligned(OUT + OUT_SIZE);
    static final int GENERATOR_SIZE = ApiConstants.IDN_GENERATOR_SIZE;
    static final int SIZE = GENERATOR + GENERATOR_SIZE;

    private static final ThreadLocal<WeakReference<Scratch>> LOCAL = new ThreadLocal<WeakReference<Scratch>>();
    /** Each living thread's scratch, by thread; guarded by itself. */
    private static final Map<Thread, Scratch> OWNERS = new WeakHashMap<Thread, Scratch>();

    final long address;
    /** The memory (a direct buffer, freed by the JVM once unreachable), in native byte order. */
    final ByteBuffer buffer;
    /** How many bytes of a text the last {@link Verifier#put} wrote at TEXT. */
    int held;
    /** The words of the generator at GENERATOR, or null. */
    long[] generator;
    /** This thread's scanner, made when it first finds or redacts. */
    private ThreadScanner scanner;

    private Scratch() {
        // The library first: without JNA, its error says so before any use of JNA's classes.
        Binding.api();
        // Aligned to 8 within, as the generator's storage must be.
        ByteBuffer memory = ByteBuffer.allocateDirect(SIZE + 8);
        long start = Pointer.nativeValue(Native.getDirectBufferPointer(memory));
        int skip = (int) (-start & 7);
        memory.position(skip);
        buffer = memory.slice().order(ByteOrder.nativeOrder());
        address = start + skip;
    }

    private static int aligned(int offset) {
        return (offset + 7) & ~7;
    }

    static Scratch get() {
        WeakReference<Scratch> reference = LOCAL.get();
        Scratch scratch = reference != null ? reference.get() : null;
        if (scratch == null) {
            scratch = new Scratch();
            synchronized (OWNERS) {
                OWNERS.put(Thread.currentThread(), scratch);
            }
            LOCAL.set(new WeakReference<Scratch>(scratch));
        }
        return scratch;
    }

    long at(int offset) {
        return address + offset;
    }

    /** A size_t or a pointer at the offset. */
    long word(int offset) {
        return buffer.getLong(offset);
    }

    void putWord(int offset, long value) {
        buffer.putLong(offset, value);
    }

    /** Zeroes a struct at STRUCT (or VERDICT) of the size, and sets its size member, as the C API asks. */
    void sized(int at, int size) {
        for (int i = 0; i < size; i += 4) {
            buffer.putInt(at + i, 0);
        }
        buffer.putInt(at + ApiConstants.Verdict.SIZE_MEMBER, size);
    }

    /** This thread's scanner. */
    ThreadScanner scanner() {
        ThreadScanner s = scanner;
        if (s == null) {
            scanner = s = new ThreadScanner();
        }
        return s;
    }

    /** Puts a generator's words at GENERATOR, unless they are there already. */
    void putGenerator(long[] words) {
        if (generator != words) {
            for (int i = 0; i < words.length; i++) {
                buffer.putLong(GENERATOR + 8 * i, words[i]);
            }
            generator = words;
        }
    }

    /** The text a call wrote at OUT, its length at WRITTEN. */
    String out() {
        return Utf8.decode(buffer, OUT, (int) word(WRITTEN));
    }

    /**
     * Puts the text's UTF-8 at TEXT when it fits and returns its length, or
     * -1 when it does not (the caller then uses {@link #encode(String)}).
     */
    int putText(String text) {
        if (text.length() > TEXT_SIZE / Utf8.MAX_BYTES_PER_CHAR) {
            return -1;
        }
        return Utf8.encode(text, 0, text.length(), buffer, TEXT);
    }

    /**
     * A text's UTF-8 where a call reads it: at TEXT when it fits, else in
     * native memory of its own, which {@link #close()} frees.
     */
    static final class PlacedText implements AutoCloseable {
        final long address;
        final long length;
        private final NativeBuffer own;

        private PlacedText(long address, long length, NativeBuffer own) {
            this.address = address;
            this.length = length;
            this.own = own;
        }

        @Override
        public void close() {
            if (own != null) {
                own.close();
            }
        }
    }

    /** The text put where the next call reads it; close the result after the call. */
    PlacedText place(String text) {
        int length = putText(text);
        if (length >= 0) {
            return new PlacedText(at(TEXT), length, null);
        }
        NativeBuffer own = NativeBuffer.ofUtf8(text);
        return new PlacedText(own.address(), Utf8.length(text), own);
    }

}
