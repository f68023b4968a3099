package org.idnumbertool.idnumber;

/**
 * The sex a number carries in its 17th digit (odd: male), and a generation
 * asks for. Its word is the library's, 男 or 女, held in this class so that
 * printing one needs no native call.
 */
public enum Sex {
    MALE(ApiConstants.IDN_SEX_MALE, "男"),
    FEMALE(ApiConstants.IDN_SEX_FEMALE, "女");

    private final int code;
    private final String word;

    Sex(int code, String word) {
        this.code = code;
        this.word = word;
    }

    /** The C API's idn_sex_t value. */
    public int code() {
        return code;
    }

    /** The word every face gives for a valid number's sex (idn_sex_name): "男" or "女". */
    public String word() {
        return word;
    }

    /** {@link #word()}: 男 or 女. */
    @Override
    public String toString() {
        return word;
    }

    /** The sex of a C API idn_sex_t, null for IDN_SEX_ANY. */
    static Sex of(int code) {
        if (code == ApiConstants.IDN_SEX_ANY) {
            return null;
        }
        for (Sex sex : values()) {
            if (sex.code == code) {
                return sex;
            }
        }
        throw new IllegalStateException("idnumber: the C API gave the sex " + code);
    }
}
