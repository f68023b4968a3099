package org.idnumbertool.idnumber;

import com.sun.jna.Native;
import com.sun.jna.Pointer;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.charset.StandardCharsets;

/**
 * The Java names of the options, which the library's messages use: the
 * methods of {@link GenerateOptions.Builder} and the yearLimit parameters.
 * Held once in native memory as an idn_option_names_t for the life of these
 * classes.
 */
final class OptionNames {
    /** By idn_option_t, from IDN_OPTION_REGION (1). */
    private static final String[] NAMES = {null, "region", "birth", "bornFrom", "bornTo", "sex", "count", "seed",
        "asOfYear", "yearLimit"};

    /** The struct and the names after it, in a direct buffer (zeroed, so each name ends in NUL). */
    private static final ByteBuffer MEMORY;
    static final long ADDRESS;

    static {
        Layouts layouts = Binding.layouts();
        Layouts.OptionNames layout = layouts.optionNames;
        int[] offsets = {0, layout.region, layout.birth, layout.born_from, layout.born_to, layout.sex, layout.count,
            layout.seed, layout.as_of_year, layout.year_limit};
        int texts = layout.size;
        int size = texts;
        for (int option = 1; option < NAMES.length; option++) {
            size += NAMES[option].length() + 1;
        }
        MEMORY = ByteBuffer.allocateDirect(size).order(ByteOrder.nativeOrder());
        ADDRESS = Pointer.nativeValue(Native.getDirectBufferPointer(MEMORY));
        int at = texts;
        for (int option = 1; option < NAMES.length; option++) {
            byte[] name = NAMES[option].getBytes(StandardCharsets.US_ASCII);
            for (int i = 0; i < name.length; i++) {
                MEMORY.put(at + i, name[i]);
            }
            layouts.putWord(MEMORY, offsets[option], ADDRESS + at);
            at += name.length + 1;
        }
    }

    private OptionNames() {
    }

    /** The Java name of an idn_option_t, null for IDN_OPTION_NONE. */
    static String of(int option) {
        return option > 0 && option < NAMES.length ? NAMES[option] : null;
    }

    /** The refusal of a value before it reaches the options, in the library's words (idn_option_message). */
    static IdNumberException refusal(int status, int option, String value) {
        Scratch s = Scratch.get();
        CApi api = Binding.api();
        int written;
        try (Scratch.PlacedText placed = s.place(value)) {
            written = api.idn_option_message(status, placed.address, placed.length, ADDRESS, s.at(Scratch.OUT),
                                             Scratch.OUT_SIZE, s.at(Scratch.WRITTEN));
        }
        if (written != CApi.IDN_OK) {
            throw Binding.unexpected("idn_option_message", written);
        }
        return new IdNumberException(status, of(option), s.out());
    }
}
