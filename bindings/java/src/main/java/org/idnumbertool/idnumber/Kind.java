package org.idnumbertool.idnumber;

/** The kind of a valid number, from its first digits; information only. Its word is the library's (idn_kind_name). */
public enum Kind {
    /** A mainland resident's number. */
    RESIDENT(ApiConstants.IDN_KIND_RESIDENT, "resident"),
    /** Hong Kong, Macao or Taiwan residents' residence permit (810000, 820000, 830000). */
    HMT_PERMIT(ApiConstants.IDN_KIND_HMT_PERMIT, "hmt_permit"),
    /** A foreigner's permanent residence card of the 2023 format (first digit 9). */
    FOREIGNER_CARD(ApiConstants.IDN_KIND_FOREIGNER_CARD, "foreigner_card");

    private final int code;
    private final String word;

    Kind(int code, String word) {
        this.code = code;
        this.word = word;
    }

    /** The C API's idn_kind_t value. */
    public int code() {
        return code;
    }

    /** The word idtool gives: "resident", "hmt_permit" or "foreigner_card". */
    public String word() {
        return word;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word;
    }

    /** The kind of a C API idn_kind_t, null for IDN_KIND_NONE. */
    static Kind of(int code) {
        if (code == ApiConstants.IDN_KIND_NONE) {
            return null;
        }
        for (Kind kind : values()) {
            if (kind.code == code) {
                return kind;
            }
        }
        throw new IllegalStateException("idnumber: the C API gave the kind " + code);
    }
}
