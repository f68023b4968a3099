package org.idnumbertool.idnumber;

import java.util.List;
import java.util.Objects;

/** What the history of region codes (1981-2024) says of one code. */
public final class CodeHistory {
    private final int code;
    private final CodeStatus status;
    private final List<HistoryRecord> records;
    private final List<Successor> successors;
    private final List<PresentCode> now;

    CodeHistory(int code, CodeStatus status, List<HistoryRecord> records, List<Successor> successors,
                List<PresentCode> now) {
        this.code = code;
        this.status = status;
        this.records = records;
        this.successors = successors;
        this.now = now;
    }

    public int getCode() {
        return code;
    }

    public CodeStatus getStatus() {
        return status;
    }

    /** The code's records in time order; empty for a code no record has. Unmodifiable. */
    public List<HistoryRecord> getRecords() {
        return records;
    }

    /** The codes that took over its area when its last record ended; empty while it is in use. Unmodifiable. */
    public List<Successor> getSuccessors() {
        return successors;
    }

    /** The codes in use in 2024 that the area went to; empty while it is in use or when the trail ends. */
    public List<PresentCode> getNow() {
        return now;
    }

    @Override
    public boolean equals(Object other) {
        if (!(other instanceof CodeHistory)) {
            return false;
        }
        CodeHistory that = (CodeHistory) other;
        return code == that.code && status == that.status && records.equals(that.records)
            && successors.equals(that.successors) && now.equals(that.now);
    }

    @Override
    public int hashCode() {
        return Objects.hash(code, status, records, successors, now);
    }

    @Override
    public String toString() {
        return code + " " + status + " " + records + (successors.isEmpty() ? "" : " successors " + successors)
            + (now.isEmpty() ? "" : " now " + now);
    }
}
