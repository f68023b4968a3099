package org.idnumbertool.idnumber;

/**
 * The ways a number found is replaced; its word is the library's
 * (idn_redaction_name). docs/java.md says what each protects.
 */
public enum Redaction {
    /**
     * The first {@code maskFirst} and last {@code maskLast} characters kept
     * (6 and 4 unless given), each other one written * (＊ for a full-width
     * one); separators kept.
     */
    MASK(ApiConstants.IDN_REDACT_MASK, "mask"),
    /** The label for the whole number: [身份证号] unless given. */
    LABEL(ApiConstants.IDN_REDACT_LABEL, "label"),
    /**
     * A token: the first {@code tokenLength} characters (16 unless given) of
     * HMAC-SHA-256 under the key of the 18 characters of the number, in
     * lower-case hex or base32: the same number, in any form, gives the same
     * token under one key.
     */
    TOKEN(ApiConstants.IDN_REDACT_TOKEN, "token"),
    /**
     * A valid number derived from the number by a permutation under the key:
     * the same number always gives the same pseudonym, two numbers never one;
     * it keeps what {@code keep} says (region, birth year and sex unless
     * given) and the number's form.
     */
    PSEUDONYM(ApiConstants.IDN_REDACT_PSEUDONYM, "pseudonym");

    private final int code;
    private final String word;

    Redaction(int code, String word) {
        this.code = code;
        this.word = word;
    }

    /** The C API's idn_redaction_t value. */
    public int code() {
        return code;
    }

    /** "mask", "label", "token" or "pseudonym". */
    public String word() {
        return word;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word;
    }
}
