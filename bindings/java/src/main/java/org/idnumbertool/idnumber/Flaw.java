package org.idnumbertool.idnumber;

/** Why a low match is no valid number; its word is the library's (idn_flaw_name). */
public enum Flaw {
    /** Its check character is wrong (a 15-digit number has none). */
    CHECK(ApiConstants.IDN_FLAW_CHECK, "check"),
    /** Its check character holds, but no table or history knows its region code. */
    REGION(ApiConstants.IDN_FLAW_REGION, "region");

    private final int code;
    private final String word;

    Flaw(int code, String word) {
        this.code = code;
        this.word = word;
    }

    /** The C API's idn_flaw_t value. */
    public int code() {
        return code;
    }

    /** "check" or "region". */
    public String word() {
        return word;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word;
    }

    /** The flaw of a C API idn_flaw_t, null for IDN_FLAW_NONE. */
    static Flaw of(int code) {
        if (code == ApiConstants.IDN_FLAW_NONE) {
            return null;
        }
        for (Flaw flaw : values()) {
            if (flaw.code == code) {
                return flaw;
            }
        }
        throw new IllegalStateException("idnumber: the C API gave the flaw " + code);
    }
}
