package org.idnumbertool.idnumber;

import com.sun.jna.Native;
import com.sun.jna.Pointer;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.charset.StandardCharsets;

/**
 * The Java names of the options, which the library's messages use: the
 * methods of {@link GenerateOptions.Builder}, {@link FindOptions.Builder}
 * and {@link RedactOptions.Builder}, and the yearLimit parameters. Held once
 * in native memory for the life of these classes, as the array of
 * NUL-terminated texts indexed by idn_option_t that the C API's messages take.
 */
final class OptionNames {
    /** By idn_option_t; null where an option has none here (the library's word then). */
    private static final String[] NAMES = new String[ApiConstants.IDN_OPTION_KEEP + 1];

    static {
        NAMES[ApiConstants.IDN_OPTION_REGION] = "region";
        NAMES[ApiConstants.IDN_OPTION_BIRTH] = "birth";
        NAMES[ApiConstants.IDN_OPTION_BORN_FROM] = "bornFrom";
        NAMES[ApiConstants.IDN_OPTION_BORN_TO] = "bornTo";
        NAMES[ApiConstants.IDN_OPTION_SEX] = "sex";
        NAMES[ApiConstants.IDN_OPTION_COUNT] = "count";
        NAMES[ApiConstants.IDN_OPTION_SEED] = "seed";
        NAMES[ApiConstants.IDN_OPTION_AS_OF_YEAR] = "asOfYear";
        NAMES[ApiConstants.IDN_OPTION_YEAR_LIMIT] = "yearLimit";
        NAMES[ApiConstants.IDN_OPTION_ENCODING] = "encoding";
        NAMES[ApiConstants.IDN_OPTION_FIFTEEN_DIGITS] = "fifteenDigits";
        NAMES[ApiConstants.IDN_OPTION_MIN_CONFIDENCE] = "minConfidence";
        NAMES[ApiConstants.IDN_OPTION_AS_OF_DATE] = "asOf";
        NAMES[ApiConstants.IDN_OPTION_REDACTION] = "redaction";
        NAMES[ApiConstants.IDN_OPTION_MASK_FIRST] = "maskFirst";
        NAMES[ApiConstants.IDN_OPTION_MASK_LAST] = "maskLast";
        NAMES[ApiConstants.IDN_OPTION_LABEL] = "label";
        NAMES[ApiConstants.IDN_OPTION_KEY] = "key";
        NAMES[ApiConstants.IDN_OPTION_TOKEN_ALPHABET] = "tokenAlphabet";
        NAMES[ApiConstants.IDN_OPTION_TOKEN_LENGTH] = "tokenLength";
        NAMES[ApiConstants.IDN_OPTION_KEEP] = "keep";
    }

    /** How many entries the array has. */
    static final long COUNT = NAMES.length;
    /** The array of pointers and the texts after it, in a direct buffer (zeroed, so each text ends in NUL). */
    private static final ByteBuffer MEMORY;
    static final long ADDRESS;

    static {
        Binding.api();
        int pointers = 8 * NAMES.length;
        int size = pointers;
        for (String name : NAMES) {
            size += name == null ? 0 : name.length() + 1;
        }
        MEMORY = ByteBuffer.allocateDirect(size).order(ByteOrder.nativeOrder());
        ADDRESS = Pointer.nativeValue(Native.getDirectBufferPointer(MEMORY));
        int at = pointers;
        for (int option = 0; option < NAMES.length; option++) {
            if (NAMES[option] == null) {
                continue;  // a NULL entry, zeroed
            }
            byte[] name = NAMES[option].getBytes(StandardCharsets.US_ASCII);
            for (int i = 0; i < name.length; i++) {
                MEMORY.put(at + i, name[i]);
            }
            MEMORY.putLong(8 * option, ADDRESS + at);
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
            written = api.idn_option_message(status, placed.address, placed.length, ADDRESS, COUNT,
                                             s.at(Scratch.OUT), Scratch.OUT_SIZE, s.at(Scratch.WRITTEN));
        }
        if (written != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_option_message", written);
        }
        return new IdNumberException(status, of(option), s.out());
    }
}
