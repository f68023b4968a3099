package org.idnumbertool.idnumber;

import java.time.LocalDate;
import java.util.Objects;

/**
 * What a search for numbers in text finds, for {@link IdNumber#find}; built
 * with {@link #builder()}, immutable. An option not given takes the
 * library's default; the library judges them all when the search runs, and
 * its message for a refused one names the option by the builder method's
 * name.
 *
 * <pre>{@code
 * FindOptions options = FindOptions.builder().minConfidence(Confidence.LOW).fifteenDigits(true).build();
 * }</pre>
 */
public final class FindOptions {
    private static final FindOptions DEFAULTS = builder().build();

    final Confidence minConfidence;
    final Boolean fifteenDigits;
    final LocalDate asOf;
    final ScanEncoding encoding;

    private FindOptions(Builder b) {
        minConfidence = b.minConfidence;
        fifteenDigits = b.fifteenDigits;
        asOf = b.asOf;
        encoding = b.encoding;
    }

    /** The options of a search given none: valid numbers of 18 characters, born by today. */
    public static FindOptions defaults() {
        return DEFAULTS;
    }

    public static Builder builder() {
        return new Builder();
    }

    /** A builder holding these options, to make others from them. */
    public Builder toBuilder() {
        Builder b = new Builder();
        b.minConfidence = minConfidence;
        b.fifteenDigits = fifteenDigits;
        b.asOf = asOf;
        b.encoding = encoding;
        return b;
    }

    /** Sets these options on a scanner just initialised: those given, and today's date for an as-of not given. */
    void applyTo(ScannerMemory scanner, LocalDate today, boolean bytes) {
        if (bytes && encoding != null) {
            scanner.setInteger(ApiConstants.IDN_OPTION_ENCODING, encoding.code());
        }
        if (fifteenDigits != null) {
            scanner.setInteger(ApiConstants.IDN_OPTION_FIFTEEN_DIGITS, fifteenDigits ? 1 : 0);
        }
        if (minConfidence != null) {
            scanner.setInteger(ApiConstants.IDN_OPTION_MIN_CONFIDENCE, minConfidence.code());
        }
        LocalDate date = asOf != null ? asOf : today;
        // YYYYMMDD as a number; a year outside 1-9999 gives one the library refuses as no such date.
        scanner.setInteger(ApiConstants.IDN_OPTION_AS_OF_DATE,
                           date.getYear() * 10000L + date.getMonthValue() * 100L + date.getDayOfMonth());
    }

    @Override
    public boolean equals(Object other) {
        if (!(other instanceof FindOptions)) {
            return false;
        }
        FindOptions that = (FindOptions) other;
        return minConfidence == that.minConfidence && Objects.equals(fifteenDigits, that.fifteenDigits)
            && Objects.equals(asOf, that.asOf) && encoding == that.encoding;
    }

    @Override
    public int hashCode() {
        return Objects.hash(minConfidence, fifteenDigits, asOf, encoding);
    }

    @Override
    public String toString() {
        StringBuilder out = new StringBuilder("FindOptions[");
        appendTo(out);
        return out.append(']').toString();
    }

    /** The options given, as "name=value" separated by ", ", for this and RedactOptions' toString. */
    void appendTo(StringBuilder out) {
        String separator = "";
        if (minConfidence != null) {
            out.append("minConfidence=").append(minConfidence);
            separator = ", ";
        }
        if (fifteenDigits != null) {
            out.append(separator).append("fifteenDigits=").append(fifteenDigits);
            separator = ", ";
        }
        if (asOf != null) {
            out.append(separator).append("asOf=").append(asOf);
            separator = ", ";
        }
        if (encoding != null) {
            out.append(separator).append("encoding=").append(encoding);
        }
    }

    /** Collects options; not thread-safe, as builders are not. Each method returns this builder. */
    public static final class Builder {
        private Confidence minConfidence;
        private Boolean fifteenDigits;
        private LocalDate asOf;
        private ScanEncoding encoding;

        private Builder() {
        }

        /**
         * The least sure match to give: {@link Confidence#MEDIUM} (every valid
         * number) unless given; {@link Confidence#LOW} finds mistyped numbers
         * too, {@link Confidence#HIGH} only numbers after a keyword.
         */
        public Builder minConfidence(Confidence confidence) {
            this.minConfidence = Objects.requireNonNull(confidence, "confidence");
            return this;
        }

        /** Whether 15-digit numbers of the old format are found too; false unless given. */
        public Builder fifteenDigits(boolean fifteenDigits) {
            this.fifteenDigits = fifteenDigits;
            return this;
        }

        /**
         * No number born after this date is found: today unless given (in the
         * JVM's default time zone, read when the search starts). Give it for
         * answers that do not depend on the day.
         */
        public Builder asOf(LocalDate date) {
            this.asOf = Objects.requireNonNull(date, "date");
            return this;
        }

        /**
         * How bytes given as {@code byte[]} are read: UTF-8 unless given. Text
         * given as a CharSequence is read as its characters.
         */
        public Builder encoding(ScanEncoding encoding) {
            this.encoding = Objects.requireNonNull(encoding, "encoding");
            return this;
        }

        public FindOptions build() {
            return new FindOptions(this);
        }
    }
}
