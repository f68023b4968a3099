package org.idnumbertool.idnumber;

import java.util.Objects;
import java.util.Optional;

/** The nationality a foreigner's permanent residence card carries: digits 4-6 as an ISO 3166-1 numeric country. */
public final class Nationality {
    private final String code;
    private final String name;

    Nationality(String code, String name) {
        this.code = code;
        this.name = name;
    }

    /** The three digits, such as "840". */
    public String getCode() {
        return code;
    }

    /** The country's name, such as "美国"; empty for a code ISO 3166-1 lacks. */
    public Optional<String> getName() {
        return Optional.ofNullable(name);
    }

    @Override
    public boolean equals(Object other) {
        if (!(other instanceof Nationality)) {
            return false;
        }
        Nationality that = (Nationality) other;
        return code.equals(that.code) && Objects.equals(name, that.name);
    }

    @Override
    public int hashCode() {
        return Objects.hash(code, name);
    }

    @Override
    public String toString() {
        return name == null ? code : code + " " + name;
    }
}
