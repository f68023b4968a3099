package org.idnumbertool.idnumber;

/** What the history of region codes (1981-2024) says of a code; its word is the library's (idn_code_status_name). */
public enum CodeStatus {
    /** No record has the code. */
    UNKNOWN(ApiConstants.IDN_CODE_UNKNOWN, "unknown"),
    /** A county-level record of the 2009 tables. */
    LISTED_2009(ApiConstants.IDN_CODE_LISTED_2009, "2009"),
    /** In use in 2024, not in the 2009 tables. */
    IN_USE(ApiConstants.IDN_CODE_IN_USE, "in_use"),
    /** Its latest record has ended. */
    ABOLISHED(ApiConstants.IDN_CODE_ABOLISHED, "abolished");

    private final int code;
    private final String word;

    CodeStatus(int code, String word) {
        this.code = code;
        this.word = word;
    }

    /** The C API's idn_code_status_t value. */
    public int code() {
        return code;
    }

    /** The word idtool gives: "unknown", "2009", "in_use" or "abolished". */
    public String word() {
        return word;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word;
    }

    static CodeStatus of(int code) {
        for (CodeStatus status : values()) {
            if (status.code == code) {
                return status;
            }
        }
        throw new IllegalStateException("idnumber: the C API gave the code status " + code);
    }
}
