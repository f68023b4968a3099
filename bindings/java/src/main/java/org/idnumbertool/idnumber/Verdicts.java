package org.idnumbertool.idnumber;

import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.IntBuffer;
import java.time.LocalDate;
import java.util.AbstractList;
import java.util.List;
import java.util.Optional;
import java.util.OptionalInt;
import java.util.RandomAccess;
import java.util.function.IntFunction;

/**
 * The verdicts on many texts, as {@link IdNumber#verifyMany} returns them:
 * columns that calls into the C library filled (reason, expected check
 * character, sex, region code and birth date of each text), read directly
 * through the indexed methods, and a {@link Verdict} with every field for
 * each text, made when {@link #get(int)} reads it. An unmodifiable list, in
 * the order of the texts given; safe to share between threads.
 *
 * <p>The texts are verified in one call to {@code idn_verify_columns} per
 * {@link #CHUNK} texts: their UTF-8 is written one after another into native
 * memory, the library writes the columns into native memory beside it, and
 * they are copied into arrays this object keeps (11 bytes a text, on the
 * heap). The native memory is freed before {@code verifyMany} returns, so a
 * batch holds at most one chunk's of it, whatever its size and whenever the
 * collector runs; a result holds none and needs no closing.
 */
public final class Verdicts extends AbstractList<Verdict> implements RandomAccess {
    /**
     * The most texts one call into the library verifies: its native memory is
     * about 45 bytes a text (the UTF-8, its end, the columns), some 3 MB.
     */
    static final int CHUNK = 1 << 16;
    /** The most texts of one batch, so that a column of 4 bytes a text stays below 2 GiB. */
    static final int MAX_TEXTS = Integer.MAX_VALUE / 4;

    /** By C value: the Optional of each reason and sex a column holds, empty for IDN_VALID and IDN_SEX_ANY. */
    private static final Optional<Reason>[] REASONS = optionals(ApiConstants.IDN_REASON_DATE, Reason::of);
    private static final Optional<Sex>[] SEXES = optionals(ApiConstants.IDN_SEX_FEMALE, Sex::of);

    private final TextBlocks texts;
    private final int yearLimit;
    private final byte[] reasons;
    private final byte[] checks;
    private final byte[] sexes;
    private final int[] regionCodes;
    private final int[] birthDates;
    /** How many are valid, counted when first asked; -1 until then. */
    private int validCount = -1;

    private Verdicts(TextBlocks texts, int yearLimit) {
        int count = texts.size();
        this.texts = texts;
        this.yearLimit = yearLimit;
        reasons = new byte[count];
        checks = new byte[count];
        sexes = new byte[count];
        regionCodes = new int[count];
        birthDates = new int[count];
        for (int from = 0; from < count; from += CHUNK) {
            verifyChunk(from, Math.min(count, from + CHUNK));
        }
    }

    static Verdicts of(String[] texts, int yearLimit) {
        checkSize(texts.length);
        return new Verdicts(TextBlocks.of(texts), year(yearLimit));
    }

    static Verdicts of(List<String> texts, int yearLimit) {
        checkSize(texts.size());
        return new Verdicts(TextBlocks.of(texts), year(yearLimit));
    }

    private static void checkSize(int count) {
        if (count > MAX_TEXTS) {
            throw new IllegalArgumentException("idnumber: " + count + " texts in one batch; give at most " + MAX_TEXTS
                + " at a time");
        }
    }

    /** Every text is verified, and its verdict read later, with the same year. */
    private static int year(int yearLimit) {
        return yearLimit == 0 ? Binding.api().idn_current_year() : yearLimit;
    }

    /** Texts {@code [from, to)}: one call writing their columns into native memory, then copied here. */
    private void verifyChunk(int from, int to) {
        int count = to - from;
        int[] longTexts;
        // The columns in native memory: region codes and birth dates (4 bytes a text), then reasons, checks, sexes.
        try (PackedTexts packed = PackedTexts.pack(texts, from, to);
             NativeBuffer columns = new NativeBuffer(11L * count)) {
            long at = columns.address();
            int status = Binding.api().idn_verify_columns(packed.bytes(), packed.ends(), count, yearLimit,
                                                          at + 8L * count, at + 9L * count, at + 10L * count, at,
                                                          at + 4L * count);
            if (status != ApiConstants.IDN_OK) {
                throw Verifier.refusal(status, yearLimit, "idn_verify_columns");
            }
            ByteBuffer out = columns.bytes().order(ByteOrder.nativeOrder());
            IntBuffer ints = out.asIntBuffer();
            ints.get(regionCodes, from, count);
            ints.get(birthDates, from, count);
            out.position(8 * count);
            out.get(reasons, from, count);
            out.get(checks, from, count);
            out.get(sexes, from, count);
            longTexts = packed.longTexts();
        }
        for (int i : longTexts) {
            verifyLong(i);
        }
    }

    /** The columns of a text of over 64 chars, by the prefix form of idn_verify. */
    private void verifyLong(int i) {
        Scratch s = Scratch.get();
        long length = Verifier.put(s, texts.get(i));
        Verifier.call(s, s.held, length, yearLimit);
        ByteBuffer b = s.buffer;
        int at = Scratch.VERDICT;
        boolean valid = b.getInt(at + ApiConstants.Verdict.REASON) == ApiConstants.IDN_VALID;
        reasons[i] = (byte) b.getInt(at + ApiConstants.Verdict.REASON);
        checks[i] = (byte) b.getInt(at + ApiConstants.Verdict.EXPECTED_CHECK);
        sexes[i] = (byte) b.getInt(at + ApiConstants.Verdict.SEX);
        regionCodes[i] = valid ? b.getInt(at + ApiConstants.Verdict.REGION_CODE) : 0;
        birthDates[i] = valid ? b.getInt(at + ApiConstants.Verdict.BIRTH_YEAR) * 10000
            + b.getInt(at + ApiConstants.Verdict.BIRTH_MONTH) * 100 + b.getInt(at + ApiConstants.Verdict.BIRTH_DAY)
            : 0;
    }

    @Override
    public int size() {
        return texts.size();
    }

    /** The verdict on text {@code index}, with every field; the same as {@link IdNumber#verify(String, int)}'s. */
    @Override
    public Verdict get(int index) {
        String text = texts.get(index);
        int reason = reasons[index];
        char check = (char) (checks[index] & 0xFF);
        if (reason != ApiConstants.IDN_VALID) {
            Scratch s = Scratch.get();
            long length = Verifier.put(s, text);
            return Verifier.refused(s, text, s.held, length, yearLimit, reason, check);
        }
        int date = birthDates[index];
        return Verdict.valid(text, text.length(), check, text.substring(6, 14), date / 10000, date / 100 % 100,
                             date % 100, Sex.of(sexes[index]), region(index));
    }

    private RegionInfo region(int index) {
        return RegionInfo.of(regionCodes[index]);
    }

    /** The year limit the texts were verified with (the current year when none was given). */
    public int getYearLimit() {
        return yearLimit;
    }

    /** How many of the texts are valid numbers. */
    public int getValidCount() {
        int count = validCount;
        if (count < 0) {
            count = 0;
            for (int i = 0; i < texts.size(); i++) {
                if (reasons[i] == ApiConstants.IDN_VALID) {
                    count++;
                }
            }
            validCount = count;
        }
        return count;
    }

    public boolean isValid(int index) {
        return reasons[checkIndex(index)] == ApiConstants.IDN_VALID;
    }

    /** Why text {@code index} is refused; empty when it is valid. */
    public Optional<Reason> getReason(int index) {
        return REASONS[reasons[checkIndex(index)]];
    }

    /** The check character the first 17 characters of text {@code index} call for, when they are all digits. */
    public Optional<Character> getExpectedCheck(int index) {
        byte check = checks[checkIndex(index)];
        return check == 0 ? Optional.<Character>empty() : Optional.of((char) (check & 0xFF));
    }

    /** The sex of valid number {@code index}. */
    public Optional<Sex> getSex(int index) {
        return SEXES[sexes[checkIndex(index)]];
    }

    /** The first six digits of valid number {@code index} as a number. */
    public OptionalInt getRegionCode(int index) {
        return isValid(index) ? OptionalInt.of(regionCodes[index]) : OptionalInt.empty();
    }

    /** The birth date of valid number {@code index}; empty when no calendar has it, as in a Verdict. */
    public Optional<LocalDate> getBirthDate(int index) {
        if (!isValid(index)) {
            return Optional.empty();
        }
        int date = birthDates[index];
        int year = date / 10000;
        int month = date / 100 % 100;
        int day = date % 100;
        return Optional.ofNullable(BirthDates.of(year, month, day));
    }

    /**
     * The index when it is that of a text of the batch, else the
     * IndexOutOfBoundsException {@link #get(int)} throws.
     */
    private int checkIndex(int index) {
        if (index < 0 || index >= texts.size()) {
            throw new IndexOutOfBoundsException("index " + index + " of " + texts.size() + " texts");
        }
        return index;
    }

    @SuppressWarnings({"unchecked", "rawtypes"})
    private static <E> Optional<E>[] optionals(int largest, IntFunction<E> of) {
        Optional<E>[] optionals = new Optional[largest + 1];
        for (int code = 0; code <= largest; code++) {
            optionals[code] = Optional.ofNullable(of.apply(code));
        }
        return optionals;
    }
}
