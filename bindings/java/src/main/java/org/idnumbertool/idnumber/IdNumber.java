package org.idnumbertool.idnumber;

import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Objects;
import java.util.Optional;

/**
 * The 18-character resident identity numbers of the People's Republic of
 * China: verify them one at a time or many in one call, make up
 * well-formed ones, and look up what their region codes name. Every answer
 * is the project's C library's, the same as {@code idtool}'s.
 *
 * <pre>{@code
 * Verdict v = IdNumber.verify("11010519491231002X");
 * v.isValid();        // true
 * v.getBirthDate();   // Optional[1949-12-31]
 * v.getSex();         // Optional[女]
 * v.getCity();        // Optional[朝阳区]
 * }</pre>
 *
 * <p>Every method may be called from any number of threads at once. A year
 * limit is the latest birth year a number may have: 1 to 9999, or 0 (and
 * the methods without one) for the current year on the local clock.
 */
public final class IdNumber {
    private IdNumber() {
    }

    /** The version of the C library running, such as "2.0.0". */
    public static String version() {
        return Binding.text(Binding.api().idn_version_string());
    }

    /**
     * Verifies one text: its length (18 bytes of UTF-8), its characters, its
     * check character (ISO 7064 MOD 11-2), and its birth date (the year not
     * after the current one, the month at most 12 and the day at most 31).
     * Any text gets a verdict; a lone surrogate is taken as U+FFFD.
     *
     * @throws NullPointerException when the text is null
     */
    public static Verdict verify(String text) {
        return Verifier.verify(text, 0);
    }

    /**
     * {@link #verify(String)} with births up to {@code yearLimit}.
     *
     * @throws IdNumberException IDN_ERROR_YEAR_LIMIT for a year limit outside 0-9999
     */
    public static Verdict verify(String text, int yearLimit) {
        return Verifier.verify(text, yearLimit);
    }

    /**
     * Verifies bytes as they are (UTF-8, or anything else: bytes that are
     * no UTF-8, such as GBK, are characters no number has, never an error).
     */
    public static Verdict verify(byte[] text) {
        return Verifier.verify(text, 0);
    }

    public static Verdict verify(byte[] text, int yearLimit) {
        return Verifier.verify(text, yearLimit);
    }

    /** Whether the text is a valid number: {@code verify(text).isValid()}, without the rest of the verdict. */
    public static boolean isValid(String text) {
        return Verifier.reason(Objects.requireNonNull(text, "text"), 0) == CApi.IDN_VALID;
    }

    public static boolean isValid(String text, int yearLimit) {
        return Verifier.reason(Objects.requireNonNull(text, "text"), yearLimit) == CApi.IDN_VALID;
    }

    /**
     * Verifies many texts in one call into the library (per 2^16 texts) and
     * returns the verdicts as columns, each text's whole {@link Verdict}
     * made when it is read. The array or list may change afterwards; the
     * result keeps a copy of it.
     *
     * @throws NullPointerException naming the index of a null text
     */
    public static Verdicts verifyMany(String[] texts) {
        return Verdicts.of(texts, 0);
    }

    public static Verdicts verifyMany(String[] texts, int yearLimit) {
        return Verdicts.of(texts, yearLimit);
    }

    public static Verdicts verifyMany(List<String> texts) {
        return Verdicts.of(texts, 0);
    }

    public static Verdicts verifyMany(List<String> texts, int yearLimit) {
        return Verdicts.of(texts, yearLimit);
    }

    /**
     * Makes distinct well-formed numbers, as {@code idtool generate} does:
     * with a seed, the same numbers on every platform.
     *
     * <pre>{@code
     * IdNumber.generate(GenerateOptions.builder().region("110105").birth("19491001").count(5).seed(7).build())
     *     .toList();
     * }</pre>
     *
     * @throws IdNumberException for the first option the library refuses, in its words
     */
    public static GeneratedNumbers generate(GenerateOptions options) {
        return GeneratedNumbers.generate(Objects.requireNonNull(options, "options"));
    }

    /**
     * The sex a word names, as generation takes it: "男" or "male", "女" or
     * "female" (letters in any case); empty for "any".
     *
     * @throws IdNumberException IDN_ERROR_BAD_SEX for any other text
     */
    public static Optional<Sex> parseSex(String word) {
        Objects.requireNonNull(word, "word");
        Scratch s = Scratch.get();
        int status;
        try (Scratch.PlacedText placed = s.place(word)) {
            status = Binding.api().idn_parse_sex(placed.address, placed.length, s.at(Scratch.SMALL));
        }
        if (status == CApi.IDN_ERROR_BAD_SEX) {
            throw OptionNames.refusal(status, CApi.IDN_OPTION_SEX, word);
        }
        if (status != CApi.IDN_OK) {
            throw Binding.unexpected("idn_parse_sex", status);
        }
        return Optional.ofNullable(Sex.of(s.buffer.getInt(Scratch.SMALL)));
    }

    /**
     * The records of the built-in 2009 tables whose code starts with the
     * query or whose name holds it, in table order, as {@code idtool regions}
     * lists them; "" lists them all.
     */
    public static List<Region> regions(String query) {
        Objects.requireNonNull(query, "query");
        CApi api = Binding.api();
        Scratch s = Scratch.get();
        NativeBuffer text = NativeBuffer.ofUtf8(query);
        try {
            long length = Utf8.length(query);
            List<Region> regions = new ArrayList<Region>();
            s.putWord(Scratch.CURSOR, 0);
            while (true) {
                int found = api.idn_search_regions(text.address(), length, s.at(Scratch.CURSOR),
                                                   s.at(Scratch.STRUCT));
                if (found == 0) {
                    return Collections.unmodifiableList(regions);
                }
                if (found != 1) {
                    throw Binding.unexpected("idn_search_regions", found);
                }
                regions.add(region(s));
            }
        } finally {
            text.close();
        }
    }

    /** The record of the 2009 tables with the code, or the province-level unit of a code xx0000. */
    public static Optional<Region> region(int code) {
        Scratch s = Scratch.get();
        int status = Binding.api().idn_find_region(code, s.at(Scratch.STRUCT));
        if (status == CApi.IDN_ERROR_NOT_FOUND) {
            return Optional.empty();
        }
        if (status != CApi.IDN_OK) {
            throw Binding.unexpected("idn_find_region", status);
        }
        return Optional.of(region(s));
    }

    private static Region region(Scratch s) {
        Layouts.Region r = Binding.layouts().region;
        int at = Scratch.STRUCT;
        return new Region(s.buffer.getInt(at + r.code), Binding.text(s.word(at + r.name)),
                          Binding.text(s.word(at + r.level)), Binding.text(s.word(at + r.province)),
                          Binding.text(s.word(at + r.city)));
    }

    /**
     * The code a region text names, as generation resolves it: a six-digit
     * code, a name, or "city/county" or "province/city/county"; a
     * county-level record of the 2009 tables.
     *
     * @throws IdNumberException with the library's message when it names none, or several
     */
    public static int resolveRegion(String region) {
        return resolveRegion(region, 0);
    }

    /** {@link #resolveRegion(String)}; with an asOfYear of 1981-2024, a six-digit code in use that year. */
    public static int resolveRegion(String region, int asOfYear) {
        Objects.requireNonNull(region, "region");
        CApi api = Binding.api();
        Scratch s = Scratch.get();
        Layouts.GenerateOptions layout = Binding.layouts().generateOptions;
        NativeBuffer text = NativeBuffer.ofUtf8(region);
        NativeBuffer options = new NativeBuffer(layout.size);
        try {
            long length = Utf8.length(region);
            int status = api.idn_resolve_region(text.address(), length, asOfYear, s.at(Scratch.SMALL));
            if (status == CApi.IDN_OK) {
                return s.buffer.getInt(Scratch.SMALL);
            }
            // The options of only this region and year give the refusal's message.
            options.clear();
            ByteBuffer b = options.bytes().order(ByteOrder.nativeOrder());
            Binding.layouts().putWord(b, layout.region, text.address());
            Binding.layouts().putWord(b, layout.region_length, length);
            b.putInt(layout.as_of_year, asOfYear);
            int written = api.idn_generate_message(options.address(), OptionNames.ADDRESS,
                                                   s.at(Scratch.OUT), Scratch.OUT_SIZE, s.at(Scratch.WRITTEN));
            if (written != CApi.IDN_OK) {
                throw Binding.unexpected("idn_generate_message", written);
            }
            int option = status == CApi.IDN_ERROR_AS_OF_YEAR ? CApi.IDN_OPTION_AS_OF_YEAR
                : CApi.IDN_OPTION_REGION;
            throw new IdNumberException(status, OptionNames.of(option), s.out());
        } finally {
            text.close();
            options.close();
        }
    }

    /**
     * What the history of region codes (1981-2024) says of a code, as
     * {@code idtool regions --history} and verify's history fields give it.
     */
    public static CodeHistory history(int code) {
        return RegionInfo.history(code);
    }

    /** Whether a record of the code was in use in the year (a year before 1981 answered by the list of 1981). */
    public static boolean inUseAtBirth(int code, int birthYear) {
        return Binding.api().idn_in_use_at_birth(code, birthYear) == 1;
    }

    /**
     * The 18-character form of a 15-digit number (its two-digit year meaning
     * 19YY): "19" before the year and the check character after.
     *
     * @throws IdNumberException IDN_ERROR_NOT_FIFTEEN_DIGITS, IDN_ERROR_MONTH_ABOVE_12 or IDN_ERROR_DAY_ABOVE_31
     */
    public static String upgrade(String number) {
        Objects.requireNonNull(number, "number");
        Scratch s = Scratch.get();
        try (Scratch.PlacedText placed = s.place(number)) {
            int status = Binding.api().idn_upgrade_number(placed.address, placed.length, s.at(Scratch.OUT),
                                                          CApi.IDN_NUMBER_SIZE, s.at(Scratch.WRITTEN));
            if (status != CApi.IDN_OK) {
                // The library's words for the refusal ("14 bytes, not 15 digits").
                Binding.api().idn_upgrade_message(placed.address, placed.length, s.at(Scratch.OUT),
                                                  CApi.IDN_REASON_MESSAGE_SIZE, s.at(Scratch.WRITTEN));
                throw new IdNumberException(status, null, "upgrade: " + s.out());
            }
        }
        return s.out();
    }

    /**
     * The text masked for reports: its first 6 and last 4 characters kept
     * and each one between them written '*'; a text of 10 characters or
     * fewer is masked whole. Characters are Unicode code points.
     */
    public static String mask(String text) {
        Objects.requireNonNull(text, "text");
        try (Scratch.PlacedText placed = Scratch.get().place(text)) {
            return mask(placed.address, placed.length);
        }
    }

    /** {@link #mask(String)} of bytes taken as UTF-8: a byte that is no UTF-8 counts as one character, U+FFFD. */
    public static String mask(byte[] text) {
        Objects.requireNonNull(text, "text");
        NativeBuffer bytes = new NativeBuffer(text.length);
        try {
            bytes.write(0, text, 0, text.length);
            return mask(bytes.address(), text.length);
        } finally {
            bytes.close();
        }
    }

    private static String mask(long text, long length) {
        CApi api = Binding.api();
        Scratch s = Scratch.get();
        long size = length + CApi.IDN_MASK_EXTRA;
        if (size <= Scratch.OUT_SIZE) {
            int status = api.idn_mask_text(text, length, s.at(Scratch.OUT), Scratch.OUT_SIZE, s.at(Scratch.WRITTEN));
            if (status != CApi.IDN_OK) {
                throw Binding.unexpected("idn_mask_text", status);
            }
            return s.out();
        }
        NativeBuffer out = new NativeBuffer(size);
        try {
            int status = api.idn_mask_text(text, length, out.address(), size, s.at(Scratch.WRITTEN));
            if (status != CApi.IDN_OK) {
                throw Binding.unexpected("idn_mask_text", status);
            }
            return out.utf8(s.word(Scratch.WRITTEN));
        } finally {
            out.close();
        }
    }
}
