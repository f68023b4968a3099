package org.idnumbertool.idnumber;

/** What probably happened to a refused text, when one repair would make it a valid number or explains it. */
public enum Hint {
    /** It holds a CR: lines ending in CR alone, read as one. */
    CR_LINE_ENDS(1),
    /** A 15-digit number of the old format; {@link Verdict#getUpgraded()} has its 18-character form. */
    FIFTEEN_DIGITS(2),
    /** Scientific notation (1.10105E+17), as a spreadsheet shows a long number. */
    SCIENTIFIC(3),
    /** 18 digits ending in 000 that fail the check, as a spreadsheet leaves them. */
    ZEROED(4),
    /** A final lower-case x where X would pass. */
    LOWERCASE_X(5),
    /** Full-width digits or X that would pass as ASCII. */
    FULLWIDTH(6),
    /** Spaces, tabs or hyphens that, removed, leave a valid number. */
    SPACES(7);

    private static final Hint[] BY_CODE = {null, CR_LINE_ENDS, FIFTEEN_DIGITS, SCIENTIFIC, ZEROED, LOWERCASE_X,
        FULLWIDTH, SPACES};

    private final int code;
    private String word;

    Hint(int code) {
        this.code = code;
    }

    /** The C API's idn_hint_t value. */
    public int code() {
        return code;
    }

    /** The word idtool gives, such as "fifteen_digits". */
    public String word() {
        String w = word;
        if (w == null) {
            word = w = Binding.text(Binding.api().idn_hint_name(code));
        }
        return w;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word();
    }

    /** The hint of a C API idn_hint_t, null for IDN_HINT_NONE. */
    static Hint of(int code) {
        if (code < 0 || code >= BY_CODE.length) {
            throw new IllegalStateException("idnumber: the C API gave the hint " + code);
        }
        return BY_CODE[code];
    }
}
