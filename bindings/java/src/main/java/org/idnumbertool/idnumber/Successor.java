package org.idnumbertool.idnumber;

import java.util.Objects;

/** A code that took over the area of an ended code, under the name it went on with. */
public final class Successor {
    private final int code;
    private final String name;
    private final CodeStatus status;

    Successor(int code, String name, CodeStatus status) {
        this.code = code;
        this.name = name;
        this.status = status;
    }

    public int getCode() {
        return code;
    }

    public String getName() {
        return name;
    }

    /** {@link CodeStatus#IN_USE} or {@link CodeStatus#ABOLISHED}. */
    public CodeStatus getStatus() {
        return status;
    }

    @Override
    public boolean equals(Object other) {
        if (!(other instanceof Successor)) {
            return false;
        }
        Successor that = (Successor) other;
        return code == that.code && name.equals(that.name) && status == that.status;
    }

    @Override
    public int hashCode() {
        return Objects.hash(code, name, status);
    }

    @Override
    public String toString() {
        return code + " " + name + " (" + status + ")";
    }
}
