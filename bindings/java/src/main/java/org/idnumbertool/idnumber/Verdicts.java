package org.idnumbertool.idnumber;

import com.sun.jna.Memory;
import com.sun.jna.Native;
import com.sun.jna.Pointer;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.time.LocalDate;
import java.util.AbstractList;
import java.util.List;
import java.util.Optional;
import java.util.OptionalInt;
import java.util.RandomAccess;

/**
 * The verdicts on many texts, as {@link IdNumber#verifyMany} returns them:
 * columns that one call into the C library filled (reason, expected check
 * character, sex, region code and birth date of each text), read directly
 * through the indexed methods, and a {@link Verdict} with every field for
 * each text, made when {@link #get(int)} reads it. An unmodifiable list, in
 * the order of the texts given; safe to share between threads.
 *
 * <p>The texts are verified in one call to {@code idn_verify_columns} per
 * 2^20 texts: their UTF-8 is written one after another into native memory,
 * and the library writes the columns into native memory that this object
 * keeps (11 bytes a text, freed with it), where the indexed methods read
 * them.
 */
public final class Verdicts extends AbstractList<Verdict> implements RandomAccess {
    /** The most texts one call into the library verifies; its native memory is about 45 bytes a text. */
    static final int CHUNK = 1 << 20;
    /** The most texts of one batch: a column of 4 bytes a text is at most 2 GiB. */
    static final int MAX_TEXTS = Integer.MAX_VALUE / 4;

    private static final Optional<Reason>[] REASONS = optionals(Reason.values());
    private static final Optional<Sex>[] SEXES = optionals(Sex.values());

    private final TextBlocks texts;
    private final int yearLimit;
    private final ByteBuffer reasons;
    private final ByteBuffer checks;
    private final ByteBuffer sexes;
    private final ByteBuffer regionCodes;
    private final ByteBuffer birthDates;
    /** How many are valid, counted when first asked; -1 until then. */
    private int validCount = -1;

    private Verdicts(TextBlocks texts, int yearLimit) {
        int count = texts.size();
        this.texts = texts;
        this.yearLimit = yearLimit;
        // The buffers keep their native memory alive, and free it when this object goes.
        reasons = column(count);
        checks = column(count);
        sexes = column(count);
        regionCodes = column(4L * count);
        birthDates = column(4L * count);
        for (int from = 0; from < count; from += CHUNK) {
            verifyChunk(from, Math.min(count, from + CHUNK));
        }
    }

    private static ByteBuffer column(long size) {
        Memory memory = new Memory(Math.max(1, size));
        return memory.getByteBuffer(0, memory.size()).order(ByteOrder.nativeOrder());
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

    private void verifyChunk(int from, int to) {
        int count = to - from;
        int[] longTexts;
        try (PackedTexts packed = PackedTexts.pack(texts, from, to)) {
            int status = Binding.api().idn_verify_columns(packed.bytes(), packed.ends(), count, yearLimit,
                                                          address(reasons, from), address(checks, from),
                                                          address(sexes, from), address(regionCodes, 4L * from),
                                                          address(birthDates, 4L * from));
            if (status != CApi.IDN_OK) {
                throw Verifier.refusal(status, yearLimit, "idn_verify_columns");
            }
            longTexts = packed.longTexts();
        }
        for (int i : longTexts) {
            verifyLong(i);
        }
    }

    private static long address(ByteBuffer column, long offset) {
        return Pointer.nativeValue(Native.getDirectBufferPointer(column)) + offset;
    }

    /** The columns of a text of over 64 chars, by the prefix form of idn_verify. */
    private void verifyLong(int i) {
        Scratch s = Scratch.get();
        long length = Verifier.put(s, texts.get(i));
        int status = Binding.api().idn_verify_prefix(s.at(Scratch.TEXT), s.held, length, yearLimit,
                                                      s.at(Scratch.VERDICT));
        if (status != CApi.IDN_OK) {
            throw Verifier.refusal(status, yearLimit, "idn_verify_prefix");
        }
        Layouts.Verdict v = Binding.layouts().verdict;
        ByteBuffer b = s.buffer;
        boolean valid = b.getInt(Scratch.VERDICT + v.reason) == CApi.IDN_VALID;
        reasons.put(i, (byte) b.getInt(Scratch.VERDICT + v.reason));
        checks.put(i, (byte) b.getInt(Scratch.VERDICT + v.expected_check));
        sexes.put(i, (byte) b.getInt(Scratch.VERDICT + v.sex));
        regionCodes.putInt(4 * i, valid ? b.getInt(Scratch.VERDICT + v.region_code) : 0);
        birthDates.putInt(4 * i, valid ? b.getInt(Scratch.VERDICT + v.birth_year) * 10000
            + b.getInt(Scratch.VERDICT + v.birth_month) * 100 + b.getInt(Scratch.VERDICT + v.birth_day) : 0);
    }

    @Override
    public int size() {
        return texts.size();
    }

    /** The verdict on text {@code index}, with every field; the same as {@link IdNumber#verify(String, int)}'s. */
    @Override
    public Verdict get(int index) {
        String text = texts.get(index);
        int reason = reasons.get(index);
        char check = (char) (checks.get(index) & 0xFF);
        if (reason != CApi.IDN_VALID) {
            Scratch s = Scratch.get();
            long length = Verifier.put(s, text);
            return Verifier.refused(s, text, s.held, length, yearLimit, reason, check);
        }
        int date = birthDates.getInt(4 * index);
        return Verdict.valid(text, text.length(), check, text.substring(6, 14), date / 10000, date / 100 % 100,
                             date % 100, Sex.of(sexes.get(index)), region(index));
    }

    private RegionInfo region(int index) {
        int code = regionCodes.getInt(4 * index);
        RegionInfo region = RegionInfo.cached(code);
        if (region == null) {
            Scratch s = Scratch.get();
            long length = Verifier.put(s, texts.get(index));
            region = RegionInfo.of(code, s.at(Scratch.TEXT), length, yearLimit);
        }
        return region;
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
                if (reasons.get(i) == CApi.IDN_VALID) {
                    count++;
                }
            }
            validCount = count;
        }
        return count;
    }

    public boolean isValid(int index) {
        return reasons.get(checkIndex(index)) == CApi.IDN_VALID;
    }

    /** Why text {@code index} is refused; empty when it is valid. */
    public Optional<Reason> getReason(int index) {
        return REASONS[reasons.get(checkIndex(index))];
    }

    /** The check character the first 17 characters of text {@code index} call for, when they are all digits. */
    public Optional<Character> getExpectedCheck(int index) {
        byte check = checks.get(checkIndex(index));
        return check == 0 ? Optional.<Character>empty() : Optional.of((char) (check & 0xFF));
    }

    /** The sex of valid number {@code index}. */
    public Optional<Sex> getSex(int index) {
        return SEXES[sexes.get(checkIndex(index))];
    }

    /** The first six digits of valid number {@code index} as a number. */
    public OptionalInt getRegionCode(int index) {
        return isValid(index) ? OptionalInt.of(regionCodes.getInt(4 * index)) : OptionalInt.empty();
    }

    /** The birth date of valid number {@code index}; empty when no calendar has it, as in a Verdict. */
    public Optional<LocalDate> getBirthDate(int index) {
        if (!isValid(index)) {
            return Optional.empty();
        }
        int date = birthDates.getInt(4 * index);
        int year = date / 10000;
        int month = date / 100 % 100;
        int day = date % 100;
        return Optional.ofNullable(BirthDates.of(year, month, day));
    }

    /**
     * The index when it is that of a text of the batch, else the
     * IndexOutOfBoundsException {@link #get(int)} throws (the columns of an
     * empty batch have room for one text that nothing wrote).
     */
    private int checkIndex(int index) {
        if (index < 0 || index >= texts.size()) {
            throw new IndexOutOfBoundsException("index " + index + " of " + texts.size() + " texts");
        }
        return index;
    }

    @SuppressWarnings({"unchecked", "rawtypes"})
    private static <E extends Enum<E>> Optional<E>[] optionals(E[] values) {
        // By C value: index 0 is none, then each constant in the order of its code.
        Optional<E>[] optionals = new Optional[values.length + 1];
        optionals[0] = Optional.empty();
        for (int i = 0; i < values.length; i++) {
            optionals[i + 1] = Optional.of(values[i]);
        }
        return optionals;
    }
}
