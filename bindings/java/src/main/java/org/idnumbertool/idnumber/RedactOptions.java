package org.idnumbertool.idnumber;

import java.security.MessageDigest;
import java.time.LocalDate;
import java.util.Arrays;
import java.util.Collections;
import java.util.EnumSet;
import java.util.Objects;
import java.util.Set;

/**
 * How numbers found in text are replaced, and which are found, for
 * {@link IdNumber#redact} and {@link IdNumber#redactor}; built with
 * {@link #builder()}, immutable. An option not given takes the library's
 * default (a mask keeping the first 6 and last 4 characters); the library
 * judges them all, in its own order, and its message for a refused one
 * names the option by the builder method's name.
 *
 * <pre>{@code
 * byte[] key = ...;   // at least 16 bytes, kept as secret as a password
 * RedactOptions tokens = RedactOptions.builder().redaction(Redaction.TOKEN).key(key).build();
 * }</pre>
 *
 * <p>A key is held as a copy of the bytes given, and never shown by
 * {@link #toString()}.
 */
public final class RedactOptions {
    private static final RedactOptions DEFAULTS = builder().build();

    final FindOptions scan;
    final Redaction redaction;
    final Integer maskFirst;
    final Integer maskLast;
    final String label;
    private final byte[] key;
    final TokenAlphabet tokenAlphabet;
    final Integer tokenLength;
    final Set<Keep> keep;

    private RedactOptions(Builder b) {
        scan = b.scan.build();
        redaction = b.redaction;
        maskFirst = b.maskFirst;
        maskLast = b.maskLast;
        label = b.label;
        key = b.key == null ? null : b.key.clone();
        tokenAlphabet = b.tokenAlphabet;
        tokenLength = b.tokenLength;
        keep = b.keep;
    }

    /** The options of a redaction given none: every valid number masked, its first 6 and last 4 characters kept. */
    public static RedactOptions defaults() {
        return DEFAULTS;
    }

    public static Builder builder() {
        return new Builder();
    }

    /** A builder holding these options (the key too), to make others from them. */
    public Builder toBuilder() {
        Builder b = new Builder();
        b.scan = scan.toBuilder();
        b.redaction = redaction;
        b.maskFirst = maskFirst;
        b.maskLast = maskLast;
        b.label = label;
        b.key = key;
        b.tokenAlphabet = tokenAlphabet;
        b.tokenLength = tokenLength;
        b.keep = keep;
        return b;
    }

    /** The way of redaction: {@link Redaction#MASK} unless given. */
    public Redaction getRedaction() {
        return redaction == null ? Redaction.MASK : redaction;
    }

    /** Sets these options on a scanner just initialised. */
    void applyTo(ScannerMemory scanner, LocalDate today, boolean bytes) {
        scan.applyTo(scanner, today, bytes);
        if (redaction != null) {
            scanner.setInteger(ApiConstants.IDN_OPTION_REDACTION, redaction.code());
        }
        if (maskFirst != null) {
            scanner.setInteger(ApiConstants.IDN_OPTION_MASK_FIRST, maskFirst);
        }
        if (maskLast != null) {
            scanner.setInteger(ApiConstants.IDN_OPTION_MASK_LAST, maskLast);
        }
        if (label != null) {
            scanner.setText(ApiConstants.IDN_OPTION_LABEL, Utf8.bytes(label));
        }
        if (key != null) {
            scanner.setText(ApiConstants.IDN_OPTION_KEY, key);
        }
        if (tokenAlphabet != null) {
            scanner.setInteger(ApiConstants.IDN_OPTION_TOKEN_ALPHABET, tokenAlphabet.code());
        }
        if (tokenLength != null) {
            scanner.setInteger(ApiConstants.IDN_OPTION_TOKEN_LENGTH, tokenLength);
        }
        if (keep != null) {
            scanner.setInteger(ApiConstants.IDN_OPTION_KEEP, Keep.flags(keep));
        }
    }

    @Override
    public boolean equals(Object other) {
        if (!(other instanceof RedactOptions)) {
            return false;
        }
        RedactOptions that = (RedactOptions) other;
        // The keys compared in time that does not depend on where they differ.
        boolean keys = key == null || that.key == null ? key == that.key : MessageDigest.isEqual(key, that.key);
        return keys && scan.equals(that.scan) && redaction == that.redaction && Objects.equals(maskFirst, that.maskFirst)
            && Objects.equals(maskLast, that.maskLast) && Objects.equals(label, that.label)
            && tokenAlphabet == that.tokenAlphabet && Objects.equals(tokenLength, that.tokenLength)
            && Objects.equals(keep, that.keep);
    }

    @Override
    public int hashCode() {
        // Not of the key: a hash of it would tell something of it.
        return Objects.hash(scan, redaction, maskFirst, maskLast, label, tokenAlphabet, tokenLength, keep);
    }

    /** The options given, the key only by its length. */
    @Override
    public String toString() {
        StringBuilder out = new StringBuilder("RedactOptions[redaction=").append(getRedaction());
        if (maskFirst != null) {
            out.append(", maskFirst=").append(maskFirst);
        }
        if (maskLast != null) {
            out.append(", maskLast=").append(maskLast);
        }
        if (label != null) {
            out.append(", label=").append(label);
        }
        if (key != null) {
            out.append(", key=(").append(key.length).append(" bytes)");
        }
        if (tokenAlphabet != null) {
            out.append(", tokenAlphabet=").append(tokenAlphabet);
        }
        if (tokenLength != null) {
            out.append(", tokenLength=").append(tokenLength);
        }
        if (keep != null) {
            out.append(", keep=").append(keep);
        }
        int before = out.length();
        out.append(", ");
        scan.appendTo(out);
        if (out.length() == before + 2) {
            out.setLength(before);
        }
        return out.append(']').toString();
    }

    /** Collects options; not thread-safe, as builders are not. Each method returns this builder. */
    public static final class Builder {
        private FindOptions.Builder scan = FindOptions.builder();
        private Redaction redaction;
        private Integer maskFirst;
        private Integer maskLast;
        private String label;
        private byte[] key;
        private TokenAlphabet tokenAlphabet;
        private Integer tokenLength;
        private Set<Keep> keep;

        private Builder() {
        }

        /** The way each number is replaced: {@link Redaction#MASK} unless given. */
        public Builder redaction(Redaction redaction) {
            this.redaction = Objects.requireNonNull(redaction, "redaction");
            return this;
        }

        /** The characters a mask keeps before its stars: 6 unless given; with maskLast at most 17. */
        public Builder maskFirst(int characters) {
            this.maskFirst = characters;
            return this;
        }

        /** The characters a mask keeps after its stars: 4 unless given. */
        public Builder maskLast(int characters) {
            this.maskLast = characters;
            return this;
        }

        /**
         * What replaces each number with {@link Redaction#LABEL}: [身份证号]
         * unless given; at most 64 bytes of UTF-8, and writable in GBK when
         * bytes are read as GBK.
         */
        public Builder label(String label) {
            this.label = Objects.requireNonNull(label, "label");
            return this;
        }

        /**
         * The secret key of {@link Redaction#TOKEN} and
         * {@link Redaction#PSEUDONYM}: at least 16 bytes, any bytes (32 random
         * ones, say). A copy is kept; the array given may be cleared
         * afterwards.
         */
        public Builder key(byte[] key) {
            this.key = Objects.requireNonNull(key, "key").clone();
            return this;
        }

        /** The characters of a token: {@link TokenAlphabet#HEX} unless given. */
        public Builder tokenAlphabet(TokenAlphabet alphabet) {
            this.tokenAlphabet = Objects.requireNonNull(alphabet, "alphabet");
            return this;
        }

        /** A token's length: 16 unless given; 8 to 64 in hex, 8 to 52 in base32. */
        public Builder tokenLength(int characters) {
            this.tokenLength = characters;
            return this;
        }

        /** What a pseudonym keeps of the number: region, birth year and sex unless given; none for nothing. */
        public Builder keep(Keep... keep) {
            return keep(new java.util.HashSet<Keep>(Arrays.asList(keep)));
        }

        public Builder keep(Set<Keep> keep) {
            EnumSet<Keep> copy = EnumSet.noneOf(Keep.class);
            copy.addAll(Objects.requireNonNull(keep, "keep"));
            this.keep = Collections.unmodifiableSet(copy);
            return this;
        }

        /** {@link FindOptions.Builder#minConfidence}: the least sure match replaced, MEDIUM unless given. */
        public Builder minConfidence(Confidence confidence) {
            scan.minConfidence(confidence);
            return this;
        }

        /** {@link FindOptions.Builder#fifteenDigits}: 15-digit numbers replaced too. */
        public Builder fifteenDigits(boolean fifteenDigits) {
            scan.fifteenDigits(fifteenDigits);
            return this;
        }

        /** {@link FindOptions.Builder#asOf}: no number born after the date is replaced; today unless given. */
        public Builder asOf(LocalDate date) {
            scan.asOf(date);
            return this;
        }

        /** {@link FindOptions.Builder#encoding}: how bytes are read. */
        public Builder encoding(ScanEncoding encoding) {
            scan.encoding(encoding);
            return this;
        }

        public RedactOptions build() {
            return new RedactOptions(this);
        }
    }
}
