package org.idnumbertool.idnumber;

import java.util.Objects;

/** A region code in use in 2024 and its name. */
public final class PresentCode {
    private final int code;
    private final String name;

    PresentCode(int code, String name) {
        this.code = code;
        this.name = name;
    }

    public int getCode() {
        return code;
    }

    public String getName() {
        return name;
    }

    @Override
    public boolean equals(Object other) {
        if (!(other instanceof PresentCode)) {
            return false;
        }
        PresentCode that = (PresentCode) other;
        return code == that.code && name.equals(that.name);
    }

    @Override
    public int hashCode() {
        return Objects.hash(code, name);
    }

    @Override
    public String toString() {
        return code + " " + name;
    }
}
