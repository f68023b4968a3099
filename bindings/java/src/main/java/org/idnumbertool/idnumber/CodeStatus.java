package org.idnumbertool.idnumber;

/** What the history of region codes (1981-2024) says of a code. */
public enum CodeStatus {
    /** No record has the code. */
    UNKNOWN(0),
    /** A county-level record of the 2009 tables. */
    LISTED_2009(1),
    /** In use in 2024, not in the 2009 tables. */
    IN_USE(2),
    /** Its latest record has ended. */
    ABOLISHED(3);

    private static final CodeStatus[] BY_CODE = {UNKNOWN, LISTED_2009, IN_USE, ABOLISHED};

    private final int code;
    private String word;

    CodeStatus(int code) {
        this.code = code;
    }

    /** The C API's idn_code_state_t value. */
    public int code() {
        return code;
    }

    /** The word idtool gives: "unknown", "2009", "in_use" or "abolished". */
    public String word() {
        String w = word;
        if (w == null) {
            word = w = Binding.text(Binding.api().idn_code_state_name(code));
        }
        return w;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word();
    }

    static CodeStatus of(int code) {
        if (code < 0 || code >= BY_CODE.length) {
            throw new IllegalStateException("idnumber: the C API gave the code state " + code);
        }
        return BY_CODE[code];
    }
}
