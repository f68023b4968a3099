package org.idnumbertool.idnumber;

import java.time.LocalDate;

/**
 * A valid number's birth date as a LocalDate, or null when no calendar has
 * it, as idn_is_calendar_date says: asked of the library once per date of
 * the years most numbers carry, and each time for the others.
 */
final class BirthDates {
    private static final int FIRST_YEAR = 1900;
    private static final int YEARS = 200;
    /** Stands in the table for a date no calendar has. */
    private static final LocalDate NONE = LocalDate.MIN;
    /** By (year, month, day) from FIRST_YEAR-01-01, 31 slots a month; null until asked. */
    private static final LocalDate[] DATES = new LocalDate[YEARS * 12 * 31];

    private BirthDates() {
    }

    static LocalDate of(int year, int month, int day) {
        if (year < FIRST_YEAR || year >= FIRST_YEAR + YEARS || month < 1 || month > 12 || day < 1 || day > 31) {
            return ask(year, month, day);
        }
        int slot = ((year - FIRST_YEAR) * 12 + month - 1) * 31 + day - 1;
        LocalDate date = DATES[slot];
        if (date == null) {
            date = ask(year, month, day);
            DATES[slot] = date == null ? NONE : date;
        }
        return date == NONE ? null : date;
    }

    private static LocalDate ask(int year, int month, int day) {
        return Binding.api().idn_is_calendar_date(year, month, day) == 1 ? LocalDate.of(year, month, day) : null;
    }
}
