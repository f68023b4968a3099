package org.idnumbertool.idnumber;

import java.time.LocalDate;
import java.util.Collections;
import java.util.List;
import java.util.Objects;
import java.util.Optional;
import java.util.OptionalInt;

/**
 * The verdict on one text, with every field of {@code idtool verify}'s
 * record: immutable, and safe to share between threads.
 *
 * <p>A valid number has the fields after {@link #getUpgraded()}: its birth
 * date, sex, the three region fields of the built-in 2009 tables, its kind,
 * and what the history of region codes (1981-2024) says of its code. A
 * refused one has a reason, the dialog's message, and perhaps a hint; its
 * other fields are empty (empty lists for the history's).
 */
public final class Verdict {
    private static final int SHOWN_CHARS = 64;

    private final String input;
    private final long length;
    private final Reason reason;
    private final String message;
    private final char expectedCheck;
    private final Hint hint;
    private final String upgraded;
    private final String birthDateText;
    /** A valid number's birth date as its digits say, calendar date or not; 0 for a refused one. */
    private final int birthYear;
    private final int birthMonth;
    private final int birthDay;
    private final LocalDate birthDate;
    private final Sex sex;
    private final RegionInfo region;
    private final boolean inUseAtBirth;

    private Verdict(String input, long length, Reason reason, String message, char expectedCheck, Hint hint,
                    String upgraded, String birthDateText, int birthYear, int birthMonth, int birthDay, Sex sex,
                    RegionInfo region, boolean inUseAtBirth) {
        this.input = input;
        this.length = length;
        this.reason = reason;
        this.message = message;
        this.expectedCheck = expectedCheck;
        this.hint = hint;
        this.upgraded = upgraded;
        this.birthDateText = birthDateText;
        this.birthYear = birthYear;
        this.birthMonth = birthMonth;
        this.birthDay = birthDay;
        this.birthDate = birthDateText == null ? null : BirthDates.of(birthYear, birthMonth, birthDay);
        this.sex = sex;
        this.region = region;
        this.inUseAtBirth = inUseAtBirth;
    }

    static Verdict valid(String input, long length, char expectedCheck, String birthDateText, int year, int month,
                         int day, Sex sex, RegionInfo region) {
        return new Verdict(input, length, null, null, expectedCheck, null, null, birthDateText, year, month, day, sex,
                           region, region.inUseAtBirth(year));
    }

    static Verdict refused(String input, long length, Reason reason, String message, char expectedCheck, Hint hint,
                           String upgraded) {
        return new Verdict(input, length, reason, message, expectedCheck, hint, upgraded, null, 0, 0, 0, null, null,
                           false);
    }

    /**
     * The text verified: the String given, or the bytes given as UTF-8 (a
     * byte that is no UTF-8 as U+FFFD). idtool's record shows at most the
     * first 64 bytes of a longer text; this is the whole text.
     */
    public String getInput() {
        return input;
    }

    /** The whole text's length in bytes of UTF-8 (a lone surrogate counting as U+FFFD's 3). */
    public long getLength() {
        return length;
    }

    public boolean isValid() {
        return reason == null;
    }

    /** Why the text is refused; empty when it is valid. */
    public Optional<Reason> getReason() {
        return Optional.ofNullable(reason);
    }

    /** The dialog's message for the refusal (such as "您输入的身份证号为16位，正确的应为18位"); empty when valid. */
    public Optional<String> getMessage() {
        return Optional.ofNullable(message);
    }

    /**
     * The check character the first 17 characters call for ('0'-'9' or 'X'),
     * when they are all digits, refused or not; else empty.
     */
    public Optional<Character> getExpectedCheck() {
        return expectedCheck == 0 ? Optional.<Character>empty() : Optional.of(expectedCheck);
    }

    /** For a refused text, what probably happened, when one repair would make it valid or explains it. */
    public Optional<Hint> getHint() {
        return Optional.ofNullable(hint);
    }

    /** With the hint {@link Hint#FIFTEEN_DIGITS}, the 18-character form of the old number. */
    public Optional<String> getUpgraded() {
        return Optional.ofNullable(upgraded);
    }

    /** The kind of a valid number, from its first digits. */
    public Optional<Kind> getKind() {
        return region == null ? Optional.<Kind>empty() : region.kind;
    }

    /** For a foreigner's permanent residence card, its nationality. */
    public Optional<Nationality> getNationality() {
        return region == null ? Optional.<Nationality>empty() : region.nationality;
    }

    /**
     * The birth date of a valid number; empty when no calendar has it (the
     * checks bound only the month by 12 and the day by 31, so 19490231 and
     * 19490000 pass). {@link #getBirthDateText()} has the digits always.
     */
    public Optional<LocalDate> getBirthDate() {
        return Optional.ofNullable(birthDate);
    }

    /** The eight digits YYYYMMDD of a valid number's birth date, as idtool's birth_date. */
    public Optional<String> getBirthDateText() {
        return Optional.ofNullable(birthDateText);
    }

    /**
     * The age in completed years on the given date, as the library counts
     * it: the years from the birth date to {@code on}, less one before the
     * birthday in the last year (born 29 February, the birthday is 1 March
     * in other years). Empty for a refused text, a birth date no calendar
     * has, or a date before the birth.
     *
     * @throws IdNumberException IDN_ERROR_BAD_DATE for a date before year 1, which ages are not counted on
     */
    public OptionalInt getAge(LocalDate on) {
        Objects.requireNonNull(on, "on");
        int age = Verifier.ageOn(reason == null ? ApiConstants.IDN_VALID : reason.code(), birthYear, birthMonth,
                                 birthDay, on.getYear(), on.getMonthValue(), on.getDayOfMonth());
        if (age == Verifier.NOT_A_DATE) {
            throw new IdNumberException(ApiConstants.IDN_ERROR_BAD_DATE, "on", "on " + on
                + ": ages are counted on dates of the proleptic Gregorian calendar from the year 1");
        }
        return age == Verifier.NO_AGE ? OptionalInt.empty() : OptionalInt.of(age);
    }

    /** The sex of a valid number ({@link Sex#toString()} gives 男 or 女). */
    public Optional<Sex> getSex() {
        return Optional.ofNullable(sex);
    }

    /** A valid number's first six digits as a number. */
    public OptionalInt getRegionCode() {
        return region == null ? OptionalInt.empty() : OptionalInt.of(region.code);
    }

    /**
     * The dialog's province field for a valid number: a province-level
     * unit's full name, or 未知位置 / 错误地区码 where the 2009 tables lack
     * the code.
     */
    public Optional<String> getProvince() {
        return region == null ? Optional.<String>empty() : region.provinceOptional;
    }

    /** The dialog's city field: for a municipality its district, for a province the city-level record. */
    public Optional<String> getCity() {
        return region == null ? Optional.<String>empty() : region.cityOptional;
    }

    /** The dialog's county field: "" for a municipality's district. */
    public Optional<String> getCounty() {
        return region == null ? Optional.<String>empty() : region.countyOptional;
    }

    /** What the history of region codes says of a valid number's code. */
    public Optional<CodeStatus> getCodeStatus() {
        return region == null ? Optional.<CodeStatus>empty() : Optional.of(region.history.getStatus());
    }

    /** The code's records in time order; empty for a refused text (and for a code no record has). */
    public List<HistoryRecord> getHistory() {
        return region == null ? Collections.<HistoryRecord>emptyList() : region.history.getRecords();
    }

    /** The codes that took over the area when the code's last record ended. */
    public List<Successor> getSuccessors() {
        return region == null ? Collections.<Successor>emptyList() : region.history.getSuccessors();
    }

    /** The codes in use in 2024 that the area went to. */
    public List<PresentCode> getNow() {
        return region == null ? Collections.<PresentCode>emptyList() : region.history.getNow();
    }

    /**
     * Whether a record of the code was in use in the birth year (a year
     * before 1981 answered by the list of 1981): a hint, never a refusal,
     * since many registered after their birth.
     */
    public Optional<Boolean> getInUseAtBirth() {
        return region == null ? Optional.<Boolean>empty() : Optional.of(inUseAtBirth);
    }

    @Override
    public boolean equals(Object other) {
        if (!(other instanceof Verdict)) {
            return false;
        }
        Verdict that = (Verdict) other;
        return length == that.length && reason == that.reason && expectedCheck == that.expectedCheck
            && hint == that.hint && sex == that.sex && inUseAtBirth == that.inUseAtBirth
            && regionCode() == that.regionCode() && input.equals(that.input) && Objects.equals(message, that.message)
            && Objects.equals(upgraded, that.upgraded) && Objects.equals(birthDateText, that.birthDateText);
    }

    @Override
    public int hashCode() {
        return Objects.hash(input, reason, hint, birthDateText, regionCode());
    }

    private int regionCode() {
        return region == null ? -1 : region.code;
    }

    @Override
    public String toString() {
        StringBuilder out = new StringBuilder("Verdict[");
        if (input.length() <= SHOWN_CHARS) {
            out.append(input);
        } else {
            out.append(input, 0, Utf8.prefixEnd(input, SHOWN_CHARS)).append("... (").append(length).append(" bytes)");
        }
        if (reason == null) {
            out.append(", valid, ").append(birthDateText).append(", ").append(sex).append(", ").append(region.province)
                .append(' ').append(region.city).append(' ').append(region.county);
        } else {
            out.append(", ").append(reason).append(": ").append(message);
            if (hint != null) {
                out.append(", hint ").append(hint);
            }
        }
        return out.append(']').toString();
    }
}
