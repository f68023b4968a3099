package org.idnumbertool.idnumber;

/** Why a number is refused, in the order the checks are made. */
public enum Reason {
    /** Not 18 bytes of UTF-8. */
    LENGTH(1),
    /** A non-digit among the first 17 characters, or a last one that is neither a digit nor upper-case X. */
    CHARACTERS(2),
    /** The last character is not the check character (ISO 7064 MOD 11-2) of the first 17. */
    CHECK(3),
    /** A birth year after the year limit, a month above 12 or a day above 31. */
    DATE(4);

    private static final Reason[] BY_CODE = {null, LENGTH, CHARACTERS, CHECK, DATE};

    private final int code;
    private String word;

    Reason(int code) {
        this.code = code;
    }

    /** The C API's idn_reason_t value. */
    public int code() {
        return code;
    }

    /** The word idtool and every other face give: "length", "characters", "check" or "date". */
    public String word() {
        String w = word;
        if (w == null) {
            word = w = Binding.text(Binding.api().idn_reason_name(code));
        }
        return w;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word();
    }

    /** The reason of a C API idn_reason_t, null for IDN_VALID. */
    static Reason of(int code) {
        if (code < 0 || code >= BY_CODE.length) {
            throw new IllegalStateException("idnumber: the C API gave the reason " + code);
        }
        return BY_CODE[code];
    }
}
