package org.idnumbertool.idnumber;

/** Why a number is refused, in the order the checks are made; its word is the library's (idn_reason_name). */
public enum Reason {
    /** Not 18 bytes of UTF-8. */
    LENGTH(ApiConstants.IDN_REASON_LENGTH, "length"),
    /** A non-digit among the first 17 characters, or a last one that is neither a digit nor upper-case X. */
    CHARACTERS(ApiConstants.IDN_REASON_CHARACTERS, "characters"),
    /** The last character is not the check character (ISO 7064 MOD 11-2) of the first 17. */
    CHECK(ApiConstants.IDN_REASON_CHECK, "check"),
    /** A birth year after the year limit, a month above 12 or a day above 31. */
    DATE(ApiConstants.IDN_REASON_DATE, "date");

    private final int code;
    private final String word;

    Reason(int code, String word) {
        this.code = code;
        this.word = word;
    }

    /** The C API's idn_reason_t value. */
    public int code() {
        return code;
    }

    /** The word idtool and every other face give: "length", "characters", "check" or "date". */
    public String word() {
        return word;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word;
    }

    /** The reason of a C API idn_reason_t, null for IDN_VALID. */
    static Reason of(int code) {
        if (code == ApiConstants.IDN_VALID) {
            return null;
        }
        for (Reason reason : values()) {
            if (reason.code == code) {
                return reason;
            }
        }
        throw new IllegalStateException("idnumber: the C API gave the reason " + code);
    }
}
