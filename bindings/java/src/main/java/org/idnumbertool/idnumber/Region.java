package org.idnumbertool.idnumber;

import java.util.Objects;
import java.util.Optional;

/** A record of the built-in 2009 tables, or a province-level unit, as {@code idtool regions} lists it. */
public final class Region {
    private final int code;
    private final String name;
    private final String level;
    private final String province;
    private final String city;

    Region(int code, String name, String level, String province, String city) {
        this.code = code;
        this.name = name;
        this.level = level;
        this.province = province;
        this.city = city;
    }

    public int getCode() {
        return code;
    }

    /** The unit's full name. */
    public String getName() {
        return name;
    }

    /** "county" (what generation takes), "city", "group" (a 市辖区 record) or "province". */
    public String getLevel() {
        return level;
    }

    /** The province-level unit's full name. */
    public String getProvince() {
        return province;
    }

    /** The city-level record the code belongs to; empty for a province or a city. */
    public Optional<String> getCity() {
        return Optional.ofNullable(city);
    }

    @Override
    public boolean equals(Object other) {
        if (!(other instanceof Region)) {
            return false;
        }
        Region that = (Region) other;
        return code == that.code && name.equals(that.name) && level.equals(that.level)
            && province.equals(that.province) && Objects.equals(city, that.city);
    }

    @Override
    public int hashCode() {
        return Objects.hash(code, name, level, province, city);
    }

    @Override
    public String toString() {
        return code + " " + name + " (" + level + ", " + province + (city == null ? "" : " " + city) + ")";
    }
}
