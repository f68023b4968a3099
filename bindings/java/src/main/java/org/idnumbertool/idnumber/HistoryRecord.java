package org.idnumbertool.idnumber;

import java.util.Objects;
import java.util.OptionalInt;

/**
 * One name and place of a region code in the history of 1981-2024, in use
 * from the year {@code from} to before the year {@code until}.
 */
public final class HistoryRecord {
    private final int code;
    private final String name;
    private final String province;
    private final String prefecture;
    private final String level;
    private final int from;
    private final int until;

    HistoryRecord(int code, String name, String province, String prefecture, String level, int from, int until) {
        this.code = code;
        this.name = name;
        this.province = province;
        this.prefecture = prefecture;
        this.level = level;
        this.from = from;
        this.until = until;
    }

    public int getCode() {
        return code;
    }

    public String getName() {
        return name;
    }

    /** The province-level unit's full name. */
    public String getProvince() {
        return province;
    }

    /** The prefecture-level unit; "直辖" when directly under the province-level unit, "" for a province. */
    public String getPrefecture() {
        return prefecture;
    }

    /** "province", "prefecture" or "county". */
    public String getLevel() {
        return level;
    }

    /** The first year of the record. */
    public int getFrom() {
        return from;
    }

    /** The year it ended; empty while it is in use. */
    public OptionalInt getUntil() {
        return until == 0 ? OptionalInt.empty() : OptionalInt.of(until);
    }

    @Override
    public boolean equals(Object other) {
        if (!(other instanceof HistoryRecord)) {
            return false;
        }
        HistoryRecord that = (HistoryRecord) other;
        return code == that.code && from == that.from && until == that.until && name.equals(that.name)
            && province.equals(that.province) && prefecture.equals(that.prefecture) && level.equals(that.level);
    }

    @Override
    public int hashCode() {
        return Objects.hash(code, name, province, prefecture, level, from, until);
    }

    @Override
    public String toString() {
        return code + " " + name + " (" + province + (prefecture.isEmpty() ? "" : " " + prefecture) + ", " + level
            + ", " + from + "-" + (until == 0 ? "" : String.valueOf(until)) + ")";
    }
}
