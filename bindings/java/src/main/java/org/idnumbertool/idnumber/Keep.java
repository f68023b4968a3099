package org.idnumbertool.idnumber;

import java.util.Set;

/** What a pseudonym keeps of the number it stands for. */
public enum Keep {
    /** The region code, its first six digits. */
    REGION(ApiConstants.IDN_KEEP_REGION, "region"),
    /** The birth year (the century is always kept). */
    BIRTH_YEAR(ApiConstants.IDN_KEEP_BIRTH_YEAR, "birth_year"),
    /** The sex: the parity of the sequence number. */
    SEX(ApiConstants.IDN_KEEP_SEX, "sex");

    private final int flag;
    private final String word;

    Keep(int flag, String word) {
        this.flag = flag;
        this.word = word;
    }

    /** The C API's idn_keep_t flag. */
    public int flag() {
        return flag;
    }

    /** "region", "birth_year" or "sex". */
    public String word() {
        return word;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word;
    }

    /** The C API's flags of a set. */
    static int flags(Set<Keep> keep) {
        int flags = ApiConstants.IDN_KEEP_NOTHING;
        for (Keep k : keep) {
            flags |= k.flag;
        }
        return flags;
    }
}
