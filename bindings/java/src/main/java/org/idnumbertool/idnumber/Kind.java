package org.idnumbertool.idnumber;

/** The kind of a valid number, from its first digits; information only. */
public enum Kind {
    /** A mainland resident's number. */
    RESIDENT(1),
    /** Hong Kong, Macao or Taiwan residents' residence permit (810000, 820000, 830000). */
    HMT_PERMIT(2),
    /** A foreigner's permanent residence card of the 2023 format (first digit 9). */
    FOREIGNER_CARD(3);

    private final int code;
    private String word;

    Kind(int code) {
        this.code = code;
    }

    /** The C API's idn_kind_t value. */
    public int code() {
        return code;
    }

    /** The word idtool gives: "resident", "hmt_permit" or "foreigner_card". */
    public String word() {
        String w = word;
        if (w == null) {
            word = w = Binding.text(Binding.api().idn_kind_name(code));
        }
        return w;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word();
    }

    /** The kind a word of the library names, null for none. */
    static Kind ofWord(String word) {
        for (Kind kind : values()) {
            if (kind.word().equals(word)) {
                return kind;
            }
        }
        return null;
    }
}
