package org.idnumbertool.idnumber;

/**
 * The sex a number carries in its 17th digit (odd: male), and a generation
 * asks for. Its display word is the library's: 男 or 女.
 */
public enum Sex {
    MALE(1),
    FEMALE(2);

    private final int code;
    private String word;

    Sex(int code) {
        this.code = code;
    }

    /** The C API's idn_sex_t value. */
    public int code() {
        return code;
    }

    /** The word every face gives for a valid number's sex: "男" or "女". */
    public String word() {
        String w = word;
        if (w == null) {
            word = w = Binding.text(Binding.api().idn_sex_name(code));
        }
        return w;
    }

    /** {@link #word()}: 男 or 女. */
    @Override
    public String toString() {
        return word();
    }

    /** The sex of a C API idn_sex_t, null for IDN_SEX_ANY. */
    static Sex of(int code) {
        switch (code) {
        case 0:
            return null;
        case 1:
            return MALE;
        case 2:
            return FEMALE;
        default:
            throw new IllegalStateException("idnumber: the C API gave the sex " + code);
        }
    }
}
