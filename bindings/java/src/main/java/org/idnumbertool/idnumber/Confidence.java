package org.idnumbertool.idnumber;

/** How sure a match is; its word is the library's (idn_confidence_name). */
public enum Confidence {
    /**
     * Shaped like a number, with a calendar birth date not after the as-of
     * date, whose check character or region fails: a mistyped number. Found
     * only when asked for.
     */
    LOW(ApiConstants.IDN_CONFIDENCE_LOW, "low"),
    /** A valid number. */
    MEDIUM(ApiConstants.IDN_CONFIDENCE_MEDIUM, "medium"),
    /** A valid number with a keyword (身份证号, ID no, sfzh...) ending at most 300 characters before it. */
    HIGH(ApiConstants.IDN_CONFIDENCE_HIGH, "high");

    private final int code;
    private final String word;

    Confidence(int code, String word) {
        this.code = code;
        this.word = word;
    }

    /** The C API's idn_confidence_t value. */
    public int code() {
        return code;
    }

    /** "low", "medium" or "high". */
    public String word() {
        return word;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word;
    }

    static Confidence of(int code) {
        for (Confidence confidence : values()) {
            if (confidence.code == code) {
                return confidence;
            }
        }
        throw new IllegalStateException("idnumber: the C API gave the confidence " + code);
    }
}
