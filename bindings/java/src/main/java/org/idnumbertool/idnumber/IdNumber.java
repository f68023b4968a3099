package org.idnumbertool.idnumber;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Objects;
import java.util.Optional;

/**
 * The 18-character resident identity numbers of the People's Republic of
 * China: verify them one at a time or many in one call, make up
 * well-formed ones, look up what their region codes name, and find them in
 * any text to de-identify it. Every answer is the project's C library's,
 * the same as {@code idtool}'s.
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

    /** The version of the C library running, such as "3.0.0". */
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
        return Verifier.reason(Objects.requireNonNull(text, "text"), 0) == ApiConstants.IDN_VALID;
    }

    public static boolean isValid(String text, int yearLimit) {
        return Verifier.reason(Objects.requireNonNull(text, "text"), yearLimit) == ApiConstants.IDN_VALID;
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
        if (status == ApiConstants.IDN_ERROR_BAD_SEX) {
            throw OptionNames.refusal(status, ApiConstants.IDN_OPTION_SEX, word);
        }
        if (status != ApiConstants.IDN_OK) {
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
                s.sized(Scratch.STRUCT, ApiConstants.Region.SIZE);
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
        s.sized(Scratch.STRUCT, ApiConstants.Region.SIZE);
        int status = Binding.api().idn_find_region(code, s.at(Scratch.STRUCT));
        if (status == ApiConstants.IDN_ERROR_NOT_FOUND) {
            return Optional.empty();
        }
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_find_region", status);
        }
        return Optional.of(region(s));
    }

    private static Region region(Scratch s) {
        int at = Scratch.STRUCT;
        return new Region(s.buffer.getInt(at + ApiConstants.Region.CODE),
                          Binding.text(s.word(at + ApiConstants.Region.NAME)),
                          Binding.text(s.word(at + ApiConstants.Region.LEVEL)),
                          Binding.text(s.word(at + ApiConstants.Region.PROVINCE)),
                          Binding.text(s.word(at + ApiConstants.Region.CITY)));
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
        Scratch s = Scratch.get();
        int status;
        try (Scratch.PlacedText placed = s.place(region)) {
            status = Binding.api().idn_resolve_region(placed.address, placed.length, asOfYear, s.at(Scratch.SMALL));
        }
        if (status == ApiConstants.IDN_OK) {
            return s.buffer.getInt(Scratch.SMALL);
        }
        // The message is a generation's with only this region and year.
        GenerateOptions.Builder options = GenerateOptions.builder().region(region);
        if (asOfYear != 0) {
            options.asOfYear(asOfYear);
        }
        try {
            GeneratedNumbers.generate(options.build());
        } catch (IdNumberException e) {
            if (e.getStatus() == status) {
                throw e;
            }
        }
        throw Binding.unexpected("idn_resolve_region", status);
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
                                                          ApiConstants.IDN_NUMBER_SIZE, s.at(Scratch.WRITTEN));
            if (status != ApiConstants.IDN_OK) {
                // The library's words for the refusal ("14 bytes, not 15 digits").
                Binding.api().idn_upgrade_message(placed.address, placed.length, s.at(Scratch.OUT),
                                                  ApiConstants.IDN_REASON_MESSAGE_SIZE, s.at(Scratch.WRITTEN));
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
        long size = length + api.idn_size_of(ApiConstants.IDN_ID_MASK_EXTRA_SIZE);
        if (size <= Scratch.OUT_SIZE) {
            int status = api.idn_mask_text(text, length, s.at(Scratch.OUT), Scratch.OUT_SIZE, s.at(Scratch.WRITTEN));
            if (status != ApiConstants.IDN_OK) {
                throw Binding.unexpected("idn_mask_text", status);
            }
            return s.out();
        }
        NativeBuffer out = new NativeBuffer(size);
        try {
            int status = api.idn_mask_text(text, length, out.address(), size, s.at(Scratch.WRITTEN));
            if (status != ApiConstants.IDN_OK) {
                throw Binding.unexpected("idn_mask_text", status);
            }
            return out.utf8(s.word(Scratch.WRITTEN));
        } finally {
            out.close();
        }
    }

    // ---- Finding and redacting numbers in text ------------------------------------------------

    /**
     * Every identity number in a text, in the order of the text: valid
     * numbers of 18 characters, ASCII or full-width, together or in the
     * printed groups 6-8-4, not inside a longer run of digits or letters,
     * born by today. Each match says where it is ({@link Match#getStart()}
     * indexes the text given), its number, form and confidence, and the
     * fields of its verdict.
     *
     * <pre>{@code
     * List<Match> found = IdNumber.find("客户 110105 19491231 002X 已登记");
     * found.get(0).getStart();      // 3
     * found.get(0).getNumber();     // 11010519491231002X
     * found.get(0).getForms();      // [separated]
     * }</pre>
     */
    public static List<Match> find(CharSequence text) {
        return find(text, FindOptions.defaults());
    }

    /**
     * {@link #find(CharSequence)} with options: mistyped numbers
     * ({@link Confidence#LOW}), 15-digit ones, another as-of date.
     *
     * @throws IdNumberException for the first option the library refuses, in its words
     */
    public static List<Match> find(CharSequence text, FindOptions options) {
        Objects.requireNonNull(options, "options");
        return Scans.find(Objects.requireNonNull(text, "text").toString(), options, ScannerMemory.INPUT_CHARS);
    }

    /**
     * The numbers in bytes read as the options' encoding (UTF-8, GBK or each
     * line as either: {@link ScanEncoding}); any bytes are read, those that
     * are no character of the encoding being characters no number has. The
     * matches' byte offsets index the bytes given.
     */
    public static List<Match> find(byte[] bytes, FindOptions options) {
        Objects.requireNonNull(options, "options");
        return Scans.find(Objects.requireNonNull(bytes, "bytes"), options, ScannerMemory.INPUT_BYTES);
    }

    /**
     * The text with every valid number found masked, its first 6 and last 4
     * characters kept ({@code 110105********002X}), every other character as
     * it was.
     */
    public static String redact(CharSequence text) {
        return redact(text, RedactOptions.defaults());
    }

    /**
     * The text with every number found replaced as the options say (a mask,
     * a label, a keyed token or a keyed pseudonym), every other character as
     * it was. For many texts with the same options, {@link #redactor} judges
     * the options once; this method's calls reuse the thread's scanner too.
     *
     * @throws IdNumberException for the first option the library refuses, in its words (a token without a key:
     *     IDN_ERROR_NO_KEY), before anything is redacted
     */
    public static String redact(CharSequence text, RedactOptions options) {
        Objects.requireNonNull(options, "options");
        return Scans.redact(Objects.requireNonNull(text, "text").toString(), options, ScannerMemory.INPUT_CHARS,
                            null);
    }

    /** Bytes read as the options' encoding, redacted in it, every byte that is no number as it was. */
    public static byte[] redact(byte[] bytes, RedactOptions options) {
        Objects.requireNonNull(options, "options");
        return Scans.redact(Objects.requireNonNull(bytes, "bytes"), options, ScannerMemory.INPUT_BYTES, null);
    }

    /**
     * A redaction whose options the library has judged, for many texts, for
     * a Writer or an OutputStream that redacts what passes through it, and
     * for numbers held alone in fields.
     *
     * @throws IdNumberException for the first option the library refuses, in its words
     */
    public static Redactor redactor(RedactOptions options) {
        return new Redactor(options);
    }
}
