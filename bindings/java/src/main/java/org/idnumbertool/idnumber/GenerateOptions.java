package org.idnumbertool.idnumber;

import java.time.LocalDate;
import java.util.Objects;

/**
 * The options of a generation, as {@code idtool generate} takes them; built
 * with {@link #builder()}, immutable. The library checks them all when
 * {@link IdNumber#generate} runs, in its own order, and its message for a
 * refused one names the option by the builder method's name.
 *
 * <pre>{@code
 * GenerateOptions options = GenerateOptions.builder()
 *     .region("110105").birth("19491001").count(5).seed(7).build();
 * List<String> numbers = IdNumber.generate(options).toList();
 * }</pre>
 */
public final class GenerateOptions {
    final String region;
    final String birth;
    final String bornFrom;
    final String bornTo;
    final Sex sex;
    final String sexWord;
    final long count;
    final boolean hasSeed;
    final long seed;
    final Integer asOfYear;
    final int yearLimit;

    private GenerateOptions(Builder b) {
        region = b.region;
        birth = b.birth;
        bornFrom = b.bornFrom;
        bornTo = b.bornTo;
        sex = b.sex;
        sexWord = b.sexWord;
        count = b.count;
        hasSeed = b.hasSeed;
        seed = b.seed;
        asOfYear = b.asOfYear;
        yearLimit = b.yearLimit;
    }

    public static Builder builder() {
        return new Builder();
    }

    /** A builder holding these options, to make others from them. */
    public Builder toBuilder() {
        Builder b = new Builder();
        b.region = region;
        b.birth = birth;
        b.bornFrom = bornFrom;
        b.bornTo = bornTo;
        b.sex = sex;
        b.sexWord = sexWord;
        b.count = count;
        b.hasSeed = hasSeed;
        b.seed = seed;
        b.asOfYear = asOfYear;
        b.yearLimit = yearLimit;
        return b;
    }

    @Override
    public String toString() {
        StringBuilder out = new StringBuilder("GenerateOptions[region=").append(region);
        if (birth != null) {
            out.append(", birth=").append(birth);
        }
        if (bornFrom != null || bornTo != null) {
            out.append(", bornFrom=").append(bornFrom).append(", bornTo=").append(bornTo);
        }
        if (sex != null || sexWord != null) {
            out.append(", sex=").append(sexWord != null ? sexWord : sex.name());
        }
        out.append(", count=").append(count);
        if (hasSeed) {
            out.append(", seed=").append(Long.toUnsignedString(seed));
        }
        if (asOfYear != null) {
            out.append(", asOfYear=").append(asOfYear);
        }
        if (yearLimit != 0) {
            out.append(", yearLimit=").append(yearLimit);
        }
        return out.append(']').toString();
    }

    /** Collects options; not thread-safe, as builders are not. Each method returns this builder. */
    public static final class Builder {
        private String region;
        private String birth;
        private String bornFrom;
        private String bornTo;
        private Sex sex;
        private String sexWord;
        private long count = 1;
        private boolean hasSeed;
        private long seed;
        private Integer asOfYear;
        private int yearLimit;

        private Builder() {
        }

        /**
         * A county-level record of the built-in 2009 tables: a six-digit code
         * ("110105"), a name ("朝阳区"), or "city/county" or
         * "province/city/county" where a name names several records. With
         * {@link #asOfYear(int)}, a six-digit code in use that year.
         * Required: without it the generation is refused.
         */
        public Builder region(String region) {
            this.region = region;
            return this;
        }

        /** {@link #region(String)} of the code's decimal digits. */
        public Builder region(int code) {
            this.region = String.valueOf(code);
            return this;
        }

        /**
         * One birth date, YYYYMMDD, taken as the dialog takes it: 8 digits,
         * the year not after the year limit, month at most 12, day at most
         * 31; a date no calendar has (19900231) is kept as given, with a
         * warning ({@link GeneratedNumbers#getWarning()}). Give this or
         * {@link #bornFrom} and {@link #bornTo}.
         */
        public Builder birth(String yyyymmdd) {
            this.birth = yyyymmdd;
            return this;
        }

        /**
         * {@link #birth(String)} of the date's YYYYMMDD. A year before 0 or
         * after 9999 has no such form: it is refused, its message showing the
         * date as LocalDate writes it (-0005-01-01). So for every date below.
         */
        public Builder birth(LocalDate date) {
            this.birth = digits(date);
            return this;
        }

        /** The first birth date of a range of real calendar dates, YYYYMMDD, both ends included. */
        public Builder bornFrom(String yyyymmdd) {
            this.bornFrom = yyyymmdd;
            return this;
        }

        public Builder bornFrom(LocalDate date) {
            this.bornFrom = digits(date);
            return this;
        }

        /** The last birth date of the range, YYYYMMDD. */
        public Builder bornTo(String yyyymmdd) {
            this.bornTo = yyyymmdd;
            return this;
        }

        public Builder bornTo(LocalDate date) {
            this.bornTo = digits(date);
            return this;
        }

        /** Birth dates drawn uniformly over the calendar dates from {@code first} to {@code last}, both included. */
        public Builder bornBetween(LocalDate first, LocalDate last) {
            return bornFrom(first).bornTo(last);
        }

        /** The sex of every number (an odd or even sequence number); null for either, the default. */
        public Builder sex(Sex sex) {
            this.sex = sex;
            this.sexWord = null;
            return this;
        }

        /** The sex as a word: "男" or "male", "女" or "female" (letters in any case), or "any". */
        public Builder sex(String word) {
            this.sexWord = Objects.requireNonNull(word, "word");
            this.sex = null;
            return this;
        }

        /** How many distinct numbers, 1 to Long.MAX_VALUE; 1 when not given. */
        public Builder count(long count) {
            this.count = count;
            return this;
        }

        /**
         * The seed: the same seed and options give the same numbers as
         * {@code idtool generate --seed} on every platform. Seeds are 0 to
         * 2^64 - 1; a negative long is the seed of the same 64 bits (-1 is
         * 18446744073709551615), as {@link Long#toUnsignedString} shows it.
         * Without a seed, the system gives one.
         */
        public Builder seed(long seed) {
            this.seed = seed;
            this.hasSeed = true;
            return this;
        }

        /** Take the region as a six-digit code in use in that year (1981-2024) of the history of region codes. */
        public Builder asOfYear(int year) {
            this.asOfYear = year;
            return this;
        }

        /** The latest birth year (1-9999); 0, the default, is the current year on the local clock. */
        public Builder yearLimit(int yearLimit) {
            this.yearLimit = yearLimit;
            return this;
        }

        public GenerateOptions build() {
            return new GenerateOptions(this);
        }

        private static String digits(LocalDate date) {
            Objects.requireNonNull(date, "date");
            int year = date.getYear();
            int month = date.getMonthValue();
            int day = date.getDayOfMonth();
            if (year < 0 || year > 9999) {
                // No eight digits: the ISO text (-0005-01-01, +12345-01-01), which the library refuses by its value.
                return date.toString();
            }
            StringBuilder text = new StringBuilder(8);
            for (int place = 1000; place > 1 && year < place; place /= 10) {
                text.append('0');
            }
            return text.append(year).append(month < 10 ? "0" : "").append(month).append(day < 10 ? "0" : "")
                .append(day).toString();
        }
    }
}
