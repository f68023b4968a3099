package org.idnumbertool.idnumber;

import com.sun.jna.Native;
import com.sun.jna.Pointer;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;

/**
 * One scanner of the C API (idn_scanner_t) and the native memory its calls
 * read and write: a piece of input, a match, a summary, a message, and (made
 * on first use) room for a redacted piece. Held in direct buffers, which the
 * JVM frees once this object is unreachable, so that a thread's scanner or a
 * stream that is never closed holds no memory for long; {@link #wipe()}
 * clears what a key left in it. One thread at a time.
 */
final class ScannerMemory {
    /** The most bytes of input one call is given; a text is given in pieces of at most this many. */
    static final int INPUT_BYTES = 8192;
    /** The most chars of a text one piece holds: each at most three bytes of UTF-8. */
    static final int INPUT_CHARS = INPUT_BYTES / Utf8.MAX_BYTES_PER_CHAR;

    private static final int CONTEXT = 0;
    private static final int MATCH = CONTEXT + ApiConstants.IDN_SCANNER_SIZE;
    private static final int SUMMARY = aligned(MATCH + ApiConstants.Match.SIZE);
    private static final int WRITTEN = aligned(SUMMARY + ApiConstants.ScanSummary.SIZE);
    private static final int STATUS = WRITTEN + 8;
    private static final int OPTION = STATUS + 4;
    private static final int MESSAGE = OPTION + 4;
    private static final int MESSAGE_SIZE = Math.max(ApiConstants.IDN_MESSAGE_SIZE,
                                                     ApiConstants.IDN_REDACT_NUMBER_SIZE);
    private static final int INPUT = aligned(MESSAGE + MESSAGE_SIZE);
    private static final int SIZE = INPUT + INPUT_BYTES;

    /** The memory, in native byte order, its offsets as above. */
    final ByteBuffer buffer;
    private final long address;
    /** Room for what one piece redacts to, made when first needed. */
    private ByteBuffer redacted;
    private long redactedAddress;
    private long redactedSize;

    ScannerMemory() {
        CApi api = Binding.api();
        ByteBuffer memory = ByteBuffer.allocateDirect(SIZE + 8);
        long start = Pointer.nativeValue(Native.getDirectBufferPointer(memory));
        int skip = (int) (-start & 7);  // the scanner's storage is aligned to 8
        memory.position(skip);
        buffer = memory.slice().order(ByteOrder.nativeOrder());
        address = start + skip;
        init(api);
    }

    private static int aligned(int offset) {
        return (offset + 7) & ~7;
    }

    /** Empties the scanner: default options, nothing refused, no stream begun. */
    void init() {
        init(Binding.api());
    }

    private void init(CApi api) {
        int status = api.idn_scanner_init(address + CONTEXT, ApiConstants.IDN_SCANNER_SIZE);
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_scanner_init", status);
        }
    }

    long context() {
        return address + CONTEXT;
    }

    void setInteger(int option, long value) {
        int status = Binding.api().idn_scanner_set_integer(context(), option, value);
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_scanner_set_integer", status);
        }
    }

    /** Sets a text option of any bytes (the library copies them), clearing the copy made here afterwards. */
    void setText(int option, byte[] text) {
        int status;
        if (text.length <= INPUT_BYTES) {
            putBytes(text, 0, text.length);
            status = Binding.api().idn_scanner_set_text(context(), option, input(), text.length);
            for (int i = 0; i < text.length; i++) {
                buffer.put(INPUT + i, (byte) 0);
            }
        } else {
            try (NativeBuffer own = new NativeBuffer(text.length)) {
                own.write(0, text, 0, text.length);
                status = Binding.api().idn_scanner_set_text(context(), option, own.address(), text.length);
                own.clear();
            }
        }
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_scanner_set_text", status);
        }
    }

    /** Checks the options and begins a stream: IDN_OK, or the status of the first option refused. */
    int prepare() {
        return Binding.api().idn_scanner_prepare(context());
    }

    /** The refusal prepare kept, as the exception that names the option by its Java name, in the library's words. */
    IdNumberException refusal() {
        CApi api = Binding.api();
        api.idn_scanner_refusal(context(), address + STATUS, address + OPTION);
        int status = api.idn_scanner_message(context(), OptionNames.ADDRESS, OptionNames.COUNT, address + MESSAGE,
                                             MESSAGE_SIZE, address + WRITTEN);
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_scanner_message", status);
        }
        String message = Utf8.decode(buffer, MESSAGE, (int) buffer.getLong(WRITTEN));
        return new IdNumberException(buffer.getInt(STATUS), OptionNames.of(buffer.getInt(OPTION)), message);
    }

    /** Begins a new stream with the options prepared. */
    void restart() {
        int status = Binding.api().idn_scanner_restart(context());
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_scanner_restart", status);
        }
    }

    /** The address of the input, where a piece is put for feed and redact. */
    long input() {
        return address + INPUT;
    }

    /** Puts the UTF-8 of {@code text[from, to)} (at most INPUT_CHARS chars) as the input; returns its length. */
    int putChars(String text, int from, int to) {
        return Utf8.encode(text, from, to, buffer, INPUT) - INPUT;
    }

    /** Puts at most INPUT_BYTES bytes as the input. */
    void putBytes(byte[] bytes, int from, int length) {
        ByteBuffer view = buffer.duplicate();
        view.position(INPUT);
        view.put(bytes, from, length);
    }

    /** Gives the piece at the input for finding. */
    void feed(int length, boolean last) {
        int status = Binding.api().idn_scanner_feed(context(), input(), length, last ? 1 : 0);
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_scanner_feed", status);
        }
    }

    /** The next match of the pieces fed, or null when the piece holds no more. */
    Match next() {
        buffer.putInt(MATCH + ApiConstants.Match.SIZE_MEMBER, ApiConstants.Match.SIZE);
        int found = Binding.api().idn_scanner_next(context(), address + MATCH);
        if (found == 0) {
            return null;
        }
        if (found != 1) {
            throw Binding.unexpected("idn_scanner_next", found);
        }
        return Match.of(buffer, MATCH);
    }

    /**
     * Redacts the piece at the input: what it writes is in
     * {@link #redacted()}, and its length is returned.
     *
     * @throws IllegalStateException when the system's cryptography fails (never expected)
     */
    int redact(int length, boolean last) {
        CApi api = Binding.api();
        if (redacted == null) {
            redactedSize = api.idn_redact_size(INPUT_BYTES);
            ByteBuffer memory = ByteBuffer.allocateDirect((int) redactedSize);
            redactedAddress = Pointer.nativeValue(Native.getDirectBufferPointer(memory));
            redacted = memory;
        }
        int status = api.idn_scanner_redact(context(), input(), length, last ? 1 : 0, redactedAddress, redactedSize,
                                            address + WRITTEN);
        if (status == ApiConstants.IDN_ERROR_CRYPTO) {
            throw new IllegalStateException("idnumber: the system's cryptography failed while redacting ("
                + Binding.statusName(status) + ")");
        }
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_scanner_redact", status);
        }
        return (int) buffer.getLong(WRITTEN);
    }

    /** The bytes the last redact wrote, from position 0. */
    ByteBuffer redacted() {
        return redacted;
    }

    /** What the stream found or replaced so far. */
    ScanSummary summary() {
        buffer.putInt(SUMMARY + ApiConstants.ScanSummary.SIZE_MEMBER, ApiConstants.ScanSummary.SIZE);
        int status = Binding.api().idn_scanner_summary(context(), address + SUMMARY);
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_scanner_summary", status);
        }
        return ScanSummary.of(buffer, SUMMARY);
    }

    /**
     * One number held alone ({@code length} bytes at {@code text}), redacted
     * as the prepared options would redact it in a text of only this number:
     * null when the bytes are not one such number.
     */
    byte[] redactNumber(long text, long length) {
        int status = Binding.api().idn_scanner_redact_number(context(), text, length, address + MESSAGE,
                                                             MESSAGE_SIZE, address + WRITTEN);
        if (status == ApiConstants.IDN_ERROR_NOT_FOUND) {
            return null;
        }
        if (status == ApiConstants.IDN_ERROR_CRYPTO) {
            throw new IllegalStateException("idnumber: the system's cryptography failed while redacting ("
                + Binding.statusName(status) + ")");
        }
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_scanner_redact_number", status);
        }
        byte[] out = new byte[(int) buffer.getLong(WRITTEN)];
        ByteBuffer view = buffer.duplicate();
        view.position(MESSAGE);
        view.get(out);
        return out;
    }

    /** Clears all the memory (the options and the key's state with it), leaving the scanner initialised. */
    void wipe() {
        for (int i = 0; i < SIZE; i += 8) {
            buffer.putLong(i, 0);
        }
        if (redacted != null) {
            for (int i = 0; i + 8 <= redactedSize; i += 8) {
                redacted.putLong(i, 0);
            }
        }
        init();
    }
}
