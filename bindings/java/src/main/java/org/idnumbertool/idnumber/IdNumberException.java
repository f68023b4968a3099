package org.idnumbertool.idnumber;

import java.util.Optional;

/**
 * A refusal of the library: an option of a generation, a year limit, a sex
 * word, a region it cannot resolve, a text it cannot upgrade. The message is
 * the library's own, naming options by their Java names ({@code bornTo},
 * {@code yearLimit}); {@link #getCode()} is the C API's status name, stable
 * across versions, for programs to test.
 */
public final class IdNumberException extends IllegalArgumentException {
    private static final long serialVersionUID = 1L;

    private final int status;
    private final String code;
    private final String option;

    IdNumberException(int status, String option, String message) {
        super(message);
        this.status = status;
        this.code = Binding.statusName(status);
        this.option = option;
    }

    /** The C API's status name, such as "IDN_ERROR_BAD_SEX" or "IDN_ERROR_COUNT_EXCEEDS_CANDIDATES". */
    public String getCode() {
        return code;
    }

    /** The C API's status value (negative), such as -39 for IDN_ERROR_BAD_SEX. */
    public int getStatus() {
        return status;
    }

    /** The option refused, by its Java name ("region", "bornFrom", "yearLimit"...); empty when none is. */
    public Optional<String> getOption() {
        return Optional.ofNullable(option);
    }
}
