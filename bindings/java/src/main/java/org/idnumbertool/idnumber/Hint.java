package org.idnumbertool.idnumber;

/**
 * What probably happened to a refused text, when one repair would make it a
 * valid number or explains it; its word is the library's (idn_hint_name).
 */
public enum Hint {
    /** It holds a CR: lines ending in CR alone, read as one. */
    CR_LINE_ENDS(ApiConstants.IDN_HINT_CR_LINE_ENDS, "cr_line_ends"),
    /** A 15-digit number of the old format; {@link Verdict#getUpgraded()} has its 18-character form. */
    FIFTEEN_DIGITS(ApiConstants.IDN_HINT_FIFTEEN_DIGITS, "fifteen_digits"),
    /** Scientific notation (1.10105E+17), as a spreadsheet shows a long number. */
    SCIENTIFIC(ApiConstants.IDN_HINT_SCIENTIFIC, "scientific"),
    /** 18 digits ending in 000 that fail the check, as a spreadsheet leaves them. */
    ZEROED(ApiConstants.IDN_HINT_ZEROED, "zeroed"),
    /** A final lower-case x where X would pass. */
    LOWERCASE_X(ApiConstants.IDN_HINT_LOWERCASE_X, "lowercase_x"),
    /** Full-width digits or X that would pass as ASCII. */
    FULLWIDTH(ApiConstants.IDN_HINT_FULLWIDTH, "fullwidth"),
    /** Spaces, tabs or hyphens that, removed, leave a valid number. */
    SPACES(ApiConstants.IDN_HINT_SPACES, "spaces");

    private final int code;
    private final String word;

    Hint(int code, String word) {
        this.code = code;
        this.word = word;
    }

    /** The C API's idn_hint_t value. */
    public int code() {
        return code;
    }

    /** The word idtool gives, such as "fifteen_digits". */
    public String word() {
        return word;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word;
    }

    /** The hint of a C API idn_hint_t, null for IDN_HINT_NONE. */
    static Hint of(int code) {
        if (code == ApiConstants.IDN_HINT_NONE) {
            return null;
        }
        for (Hint hint : values()) {
            if (hint.code == code) {
                return hint;
            }
        }
        throw new IllegalStateException("idnumber: the C API gave the hint " + code);
    }
}
