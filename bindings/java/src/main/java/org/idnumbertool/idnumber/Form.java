package org.idnumbertool.idnumber;

import java.util.Collections;
import java.util.EnumSet;
import java.util.Set;

/**
 * How a match is written, beyond 18 ASCII characters together: a match has
 * a set of these, empty for that plain form. Its word is the library's
 * (idn_form_name).
 */
public enum Form {
    /** A full-width digit or X among its characters (１１０１…). */
    FULLWIDTH(ApiConstants.IDN_FORM_FULLWIDTH, "fullwidth"),
    /** Its check character is x or ｘ. */
    LOWERCASE_X(ApiConstants.IDN_FORM_LOWERCASE_X, "lowercase_x"),
    /** In the printed groups 6-8-4 (6-6-3), one space or hyphen between them. */
    SEPARATED(ApiConstants.IDN_FORM_SEPARATED, "separated"),
    /** A 15-digit number of the old format, found only when asked for. */
    FIFTEEN_DIGITS(ApiConstants.IDN_FORM_FIFTEEN_DIGITS, "fifteen_digits");

    private final int flag;
    private final String word;

    Form(int flag, String word) {
        this.flag = flag;
        this.word = word;
    }

    /** The C API's idn_form_t flag. */
    public int flag() {
        return flag;
    }

    /** "fullwidth", "lowercase_x", "separated" or "fifteen_digits". */
    public String word() {
        return word;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word;
    }

    /** The forms of a C API idn_form_t, as an unmodifiable set. */
    static Set<Form> of(int flags) {
        if (flags == ApiConstants.IDN_FORM_PLAIN) {
            return Collections.emptySet();
        }
        EnumSet<Form> forms = EnumSet.noneOf(Form.class);
        int rest = flags;
        for (Form form : values()) {
            if ((flags & form.flag) != 0) {
                forms.add(form);
                rest &= ~form.flag;
            }
        }
        if (rest != 0) {
            throw new IllegalStateException("idnumber: the C API gave the form " + flags);
        }
        return Collections.unmodifiableSet(forms);
    }
}
