package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.Assumptions.abort;

import com.google.gson.JsonArray;
import com.google.gson.JsonElement;
import com.google.gson.JsonObject;
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.StringWriter;
import java.nio.charset.StandardCharsets;
import java.time.DateTimeException;
import java.time.LocalDate;
import java.time.format.DateTimeParseException;
import java.util.ArrayList;
import java.util.EnumSet;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Optional;
import java.util.OptionalInt;
import java.util.Set;
import java.util.stream.Stream;
import org.junit.jupiter.api.DynamicTest;
import org.junit.jupiter.api.TestFactory;
import org.junit.jupiter.api.function.Executable;

/**
 * The conformance corpus through the Java API, one test per case named
 * "java SECTION/ID". Every section but lines (idtool's file reading).
 * Where Java differs by its host (README of the corpus): text is UTF-16
 * (lone surrogates are U+FFFD), raw bytes go as byte[], a seed is a long
 * (negative: the same bits, the cases' signed_64), counts and seeds beyond
 * a long cannot be written, and the messages name options by their Java
 * names. Java's types cannot hold some values the corpus gives to be
 * refused (an integer for an enum, a date no calendar has as a LocalDate):
 * those cases are skipped. Each find and redact case runs whole, and in
 * pieces of 1 and 7 bytes (and of 1 and 7 chars for text).
 */
class ConformanceTest {
    /** The neutral names of the options in the corpus's messages, and the Java API's. */
    private static final Map<String, String> JAVA_NAMES = new LinkedHashMap<>();

    static {
        JAVA_NAMES.put("born_from", "bornFrom");
        JAVA_NAMES.put("born_to", "bornTo");
        JAVA_NAMES.put("as_of_year", "asOfYear");
        JAVA_NAMES.put("year_limit", "yearLimit");
        JAVA_NAMES.put("fifteen_digits", "fifteenDigits");
        JAVA_NAMES.put("min_confidence", "minConfidence");
        JAVA_NAMES.put("as_of_date", "asOf");
        JAVA_NAMES.put("mask_first", "maskFirst");
        JAVA_NAMES.put("mask_last", "maskLast");
        JAVA_NAMES.put("token_alphabet", "tokenAlphabet");
        JAVA_NAMES.put("token_length", "tokenLength");
    }

    /** The pieces each find and redact case is given in besides whole. */
    private static final int[] PIECES = {1, 7};

    private static Stream<DynamicTest> cases(String section, CaseTest test) throws IOException {
        List<DynamicTest> tests = new ArrayList<>();
        for (JsonObject c : Corpus.load(section)) {
            String name = "java " + section + "/" + c.get("id").getAsString();
            tests.add(DynamicTest.dynamicTest(name, () -> {
                try {
                    test.run(c);
                } catch (AssertionError e) {
                    throw new AssertionError(name + ": " + e.getMessage(), e);
                }
            }));
        }
        return tests.stream();
    }

    private interface CaseTest {
        void run(JsonObject c) throws Throwable;
    }

    // ---- verify ------------------------------------------------------------------------------

    @TestFactory
    Stream<DynamicTest> verify() throws IOException {
        return cases("verify", c -> {
            JsonElement input = c.get("input");
            int yearLimit = c.has("year_limit") ? c.get("year_limit").getAsInt() : 0;
            JsonObject expect = c.getAsJsonObject("expect");
            byte[] bytes = Corpus.bytes(input);
            List<Verdict> verdicts = new ArrayList<>();
            if (Corpus.isText(input)) {
                String text = Corpus.text(input);
                Verdict verdict = IdNumber.verify(text, yearLimit);
                assertEquals(text, verdict.getInput());
                verdicts.add(verdict);
                verdicts.add(IdNumber.verifyMany(new String[] {"", text, "11010519491231002X"}, yearLimit).get(1));
                assertEquals(verdict.isValid(), IdNumber.isValid(text, yearLimit));
            }
            verdicts.add(IdNumber.verify(bytes, yearLimit));
            JsonObject expected = Records.without(expect, "input", "length", "birth_day");
            for (Verdict verdict : verdicts) {
                assertEquals(expected, Records.record(verdict), "the record of " + verdict);
                assertEquals(expect.get("length").getAsLong(), verdict.getLength(), "length");
                JsonElement day = expect.get("birth_day");
                assertEquals(day.isJsonNull() ? Optional.empty() : Optional.of(day.getAsString()),
                             verdict.getBirthDate().map(Object::toString), "birth date");
            }
            // idtool's input field is the whole text when it is at most 64 bytes of UTF-8: the text of
            // the bytes, a lone surrogate of the String as U+FFFD.
            if (Corpus.isText(input) && bytes.length <= 64) {
                assertEquals(expect.get("input").getAsString(), verdicts.get(verdicts.size() - 1).getInput());
            }
        });
    }

    // ---- generate ------------------------------------------------------------------------------

    @TestFactory
    Stream<DynamicTest> generate() throws IOException {
        return cases("generate", c -> {
            JsonObject o = c.getAsJsonObject("options");
            JsonObject expect = c.has("signed_64") ? c.getAsJsonObject("signed_64") : c.getAsJsonObject("expect");
            GenerateOptions.Builder options = GenerateOptions.builder();
            if (o.has("region")) {
                if (!Corpus.isText(o.get("region"))) {
                    abort("bytes that are no UTF-8: a Java String cannot hold them");
                }
                options.region(Corpus.text(o.get("region")));
            }
            if (o.has("birth")) {
                options.birth(Corpus.text(o.get("birth")));
            }
            if (o.has("born_from")) {
                options.bornFrom(Corpus.text(o.get("born_from")));
            }
            if (o.has("born_to")) {
                options.bornTo(Corpus.text(o.get("born_to")));
            }
            if (o.has("sex")) {
                options.sex(o.get("sex").getAsString());
            }
            if (o.has("count")) {
                Optional<Long> count = signed(o.get("count").getAsString());
                if (!count.isPresent()) {
                    abort("above 2^63 - 1: a long cannot hold it");
                }
                options.count(count.get());
            }
            if (o.has("seed")) {
                Optional<Long> seed = seed(o.get("seed").getAsString());
                if (!seed.isPresent()) {
                    abort("outside the 64 bits of a long");
                }
                options.seed(seed.get());
            }
            if (o.has("as_of_year")) {
                options.asOfYear(o.get("as_of_year").getAsInt());
            }
            if (o.has("year_limit")) {
                options.yearLimit(o.get("year_limit").getAsInt());
            }
            GenerateOptions built = options.build();
            if (expect.has("numbers")) {
                GeneratedNumbers numbers = IdNumber.generate(built);
                List<String> expected = new ArrayList<>();
                for (JsonElement number : expect.getAsJsonArray("numbers")) {
                    expected.add(number.getAsString());
                }
                assertEquals(expected, numbers.toList());
                assertEquals(expect.has("warning") ? Optional.of(javaNames(expect.get("warning").getAsString()))
                    : Optional.empty(), numbers.getWarning());
                for (String number : expected) {
                    assertTrue(IdNumber.isValid(number, built.yearLimit), number);
                }
                return;
            }
            IdNumberException e = assertThrows(IdNumberException.class, () -> IdNumber.generate(built));
            assertEquals(expect.get("status").getAsString(), e.getCode());
            assertEquals(Optional.of(javaNames(expect.get("option").getAsString())), e.getOption());
            assertEquals(javaNames(expect.get("message").getAsString()), e.getMessage());
        });
    }

    /** The message with the neutral names of the options written as the Java API's. */
    private static String javaNames(String message) {
        for (Map.Entry<String, String> name : JAVA_NAMES.entrySet()) {
            message = message.replace(name.getKey(), name.getValue());
        }
        return message;
    }

    private static Optional<Long> signed(String decimal) {
        try {
            return Optional.of(Long.parseLong(decimal));
        } catch (NumberFormatException e) {
            return Optional.empty();
        }
    }

    /** A seed as a long: 0 to 2^64 - 1 by its bits, and a negative seed as it is (the same bits). */
    private static Optional<Long> seed(String decimal) {
        try {
            return Optional.of(decimal.startsWith("-") ? Long.parseLong(decimal) : Long.parseUnsignedLong(decimal));
        } catch (NumberFormatException e) {
            return Optional.empty();
        }
    }

    // ---- sex, mask, upgrade ----------------------------------------------------------------------

    @TestFactory
    Stream<DynamicTest> sex() throws IOException {
        return cases("sex", c -> {
            String word = c.get("word").getAsString();
            JsonObject expect = c.getAsJsonObject("expect");
            if (expect.has("status")) {
                IdNumberException e = assertThrows(IdNumberException.class, () -> IdNumber.parseSex(word));
                assertEquals(expect.get("status").getAsString(), e.getCode());
                assertEquals(Optional.of("sex"), e.getOption());
                return;
            }
            Optional<Sex> sex = IdNumber.parseSex(word);
            assertEquals(expect.get("sex").getAsString(), sex.map(s -> s.name().toLowerCase()).orElse("any"));
        });
    }

    @TestFactory
    Stream<DynamicTest> mask() throws IOException {
        return cases("mask", c -> {
            JsonElement input = c.get("input");
            String expected = new String(Corpus.bytes(c.get("expect")), java.nio.charset.StandardCharsets.UTF_8);
            if (Corpus.isText(input)) {
                assertEquals(expected, IdNumber.mask(Corpus.text(input)));
                assertEquals(expected, SqlFunctions.mask(Corpus.text(input)));
            }
            assertEquals(expected, IdNumber.mask(Corpus.bytes(input)));
        });
    }

    @TestFactory
    Stream<DynamicTest> upgrade() throws IOException {
        return cases("upgrade", c -> {
            String input = Corpus.text(c.get("input"));
            JsonObject expect = c.getAsJsonObject("expect");
            if (expect.has("number")) {
                assertEquals(expect.get("number").getAsString(), IdNumber.upgrade(input));
                assertEquals(expect.get("number").getAsString(), SqlFunctions.upgrade(input));
                return;
            }
            IdNumberException e = assertThrows(IdNumberException.class, () -> IdNumber.upgrade(input));
            assertEquals(expect.get("status").getAsString(), e.getCode());
            assertEquals("upgrade: " + expect.get("message").getAsString(), e.getMessage());
            assertEquals(null, SqlFunctions.upgrade(input));
        });
    }

    // ---- history and regions ----------------------------------------------------------------------

    @TestFactory
    Stream<DynamicTest> history() throws IOException {
        return cases("history", c -> {
            int code = c.get("code").getAsInt();
            JsonObject expect = c.getAsJsonObject("expect");
            if (expect.has("in_use_at_birth")) {
                assertEquals(expect.get("in_use_at_birth").getAsBoolean(),
                             IdNumber.inUseAtBirth(code, c.get("year").getAsInt()));
                return;
            }
            CodeHistory history = IdNumber.history(code);
            assertEquals(code, history.getCode());
            assertEquals(expect.get("code_status").getAsString(), history.getStatus().word());
            JsonArray records = new JsonArray();
            history.getRecords().forEach(h -> records.add(Records.historyRecord(h)));
            assertEquals(expect.get("history"), records);
            for (HistoryRecord h : history.getRecords()) {
                assertEquals(code, h.getCode());
                assertTrue(h.getLevel().matches("province|prefecture|county"), h.getLevel());
            }
            JsonArray successors = new JsonArray();
            history.getSuccessors().forEach(s -> successors.add(Records.successor(s)));
            assertEquals(expect.get("successors"), successors);
            JsonArray now = new JsonArray();
            history.getNow().forEach(p -> now.add(Records.presentCode(p)));
            assertEquals(expect.get("now"), now);
        });
    }

    @TestFactory
    Stream<DynamicTest> regions() throws IOException {
        return cases("regions", c -> {
            JsonObject expect = c.getAsJsonObject("expect");
            if (c.has("query")) {
                List<Integer> codes = new ArrayList<>();
                for (Region region : IdNumber.regions(c.get("query").getAsString())) {
                    codes.add(region.getCode());
                }
                List<Integer> expected = new ArrayList<>();
                expect.getAsJsonArray("codes").forEach(code -> expected.add(code.getAsInt()));
                assertEquals(expected, codes);
                return;
            }
            int asOfYear = c.has("as_of_year") ? c.get("as_of_year").getAsInt() : 0;
            JsonElement region = c.get("region");
            if (region.isJsonNull()) {
                // No region: a Java caller passes null, which is refused as a missing argument.
                assertThrows(NullPointerException.class, () -> IdNumber.resolveRegion(null, asOfYear));
                return;
            }
            if (!Corpus.isText(region)) {
                abort("bytes that are no UTF-8: a Java String cannot hold them");
            }
            String text = Corpus.text(region);
            Executable resolve = () -> IdNumber.resolveRegion(text, asOfYear);
            if (expect.has("code")) {
                assertEquals(expect.get("code").getAsInt(), IdNumber.resolveRegion(text, asOfYear));
                return;
            }
            IdNumberException e = assertThrows(IdNumberException.class, resolve);
            assertEquals(expect.get("status").getAsString(), e.getCode());
            assertTrue(!e.getMessage().isEmpty());
        });
    }

    // ---- age --------------------------------------------------------------------------------------

    @TestFactory
    Stream<DynamicTest> age() throws IOException {
        return cases("age", c -> {
            String input = Corpus.text(c.get("input"));
            JsonObject expect = c.getAsJsonObject("expect");
            LocalDate on;
            try {
                on = LocalDate.parse(c.get("on").getAsString());
            } catch (DateTimeParseException e) {
                abort("a date no calendar has: a LocalDate cannot hold it");
                return;
            }
            int yearLimit = c.has("year_limit") ? c.get("year_limit").getAsInt() : 0;
            JsonElement age = expect.get("age");
            OptionalInt expected = age.isJsonNull() ? OptionalInt.empty() : OptionalInt.of(age.getAsInt());
            assertEquals(expected, IdNumber.verify(input, yearLimit).getAge(on));
            assertEquals(expected, IdNumber.verifyMany(new String[] {input}, yearLimit).get(0).getAge(on));
            if (!c.has("year_limit")) {
                assertEquals(expected.isPresent() ? (Integer) expected.getAsInt() : null,
                             SqlFunctions.age(input, on.toString()));
            }
        });
    }

    // ---- find and redact ---------------------------------------------------------------------------

    /** The find options of a case, or an abort when Java's types cannot hold a value. */
    private static FindOptions.Builder findOptions(JsonObject o, FindOptions.Builder b) {
        for (Map.Entry<String, JsonElement> option : o.entrySet()) {
            JsonElement value = option.getValue();
            switch (option.getKey()) {
            case "encoding":
                b.encoding(word(ScanEncoding.values(), value));
                break;
            case "fifteen_digits":
                b.fifteenDigits(value.getAsBoolean());
                break;
            case "min_confidence":
                b.minConfidence(word(Confidence.values(), value));
                break;
            case "as_of_date":
                b.asOf(date(value.getAsInt()));
                break;
            default:
                break;
            }
        }
        return b;
    }

    private static RedactOptions redactOptions(JsonObject o) {
        RedactOptions.Builder b = RedactOptions.builder();
        FindOptions find = findOptions(o, FindOptions.builder()).build();
        if (find.encoding != null) {
            b.encoding(find.encoding);
        }
        if (find.fifteenDigits != null) {
            b.fifteenDigits(find.fifteenDigits);
        }
        if (find.minConfidence != null) {
            b.minConfidence(find.minConfidence);
        }
        if (find.asOf != null) {
            b.asOf(find.asOf);
        }
        for (Map.Entry<String, JsonElement> option : o.entrySet()) {
            JsonElement value = option.getValue();
            switch (option.getKey()) {
            case "redaction":
                b.redaction(word(Redaction.values(), value));
                break;
            case "mask_first":
                b.maskFirst(value.getAsInt());
                break;
            case "mask_last":
                b.maskLast(value.getAsInt());
                break;
            case "label":
                if (!Corpus.isText(value)) {
                    abort("a label of bytes that are no UTF-8: a Java String cannot hold them");
                }
                b.label(Corpus.text(value));
                break;
            case "key":
                b.key(Corpus.bytes(value));
                break;
            case "token_alphabet":
                b.tokenAlphabet(word(TokenAlphabet.values(), value));
                break;
            case "token_length":
                b.tokenLength(value.getAsInt());
                break;
            case "keep":
                if (!value.isJsonArray()) {
                    abort("an integer for the set of what a pseudonym keeps: Java's Set<Keep> cannot hold it");
                }
                Set<Keep> keep = EnumSet.noneOf(Keep.class);
                value.getAsJsonArray().forEach(flag -> keep.add(word(Keep.values(), flag)));
                b.keep(keep);
                break;
            default:
                break;
            }
        }
        return b.build();
    }

    /** The constant whose word the value is; an abort for an integer, which a Java enum cannot be. */
    private static <E> E word(E[] values, JsonElement value) {
        if (!value.getAsJsonPrimitive().isString()) {
            abort("an integer where Java takes an enum: its type refuses the value before the library sees it");
        }
        for (E constant : values) {
            if (constant.toString().equals(value.getAsString())) {
                return constant;
            }
        }
        throw new AssertionError("no Java constant has the word " + value);
    }

    private static LocalDate date(int yyyymmdd) {
        try {
            return LocalDate.of(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100);
        } catch (DateTimeException e) {
            abort("a date no calendar has: a LocalDate cannot hold it");
            return null;
        }
    }

    /** Whether a case's text input is read here as a String: as UTF-8, which a String's characters are. */
    private static boolean asString(JsonObject c, String input) {
        JsonObject o = c.getAsJsonObject("options");
        return Corpus.isText(c.get(input)) && (!o.has("encoding") || o.get("encoding").getAsString().equals("utf8"));
    }

    private static void assertRefused(JsonObject expect, Executable call) {
        IdNumberException e = assertThrows(IdNumberException.class, call);
        assertEquals(expect.get("status").getAsString(), e.getCode());
        assertEquals(Optional.of(javaNames(expect.get("option").getAsString())), e.getOption());
        assertEquals(javaNames(expect.get("message").getAsString()), e.getMessage());
    }

    /** A match as the corpus writes it. */
    private static JsonObject record(Match m) {
        JsonObject r = new JsonObject();
        r.addProperty("byte_offset", m.getByteOffset());
        r.addProperty("byte_length", m.getByteLength());
        r.addProperty("utf16_offset", m.getStart());
        r.addProperty("utf16_length", m.getLength());
        r.addProperty("char_offset", m.getCodePointOffset());
        r.addProperty("char_length", m.getCodePointLength());
        r.addProperty("line", m.getLine());
        r.addProperty("column", m.getColumn());
        r.addProperty("number", m.getNumber());
        JsonArray forms = new JsonArray();
        m.getForms().forEach(form -> forms.add(form.word()));
        r.add("form", forms);
        r.addProperty("confidence", m.getConfidence().word());
        r.addProperty("flaw", m.getFlaw().map(Flaw::word).orElse(null));
        r.addProperty("keyword", m.getKeyword().orElse(null));
        r.addProperty("kind", m.getKind().map(Kind::word).orElse(null));
        r.addProperty("sex", m.getSex().map(sex -> sex.name().toLowerCase()).orElse(null));
        r.addProperty("birth_date", m.getBirthDateText().orElse(null));
        if (m.getRegionCode().isPresent()) {
            r.addProperty("region_code", m.getRegionCode().getAsInt());
        } else {
            r.add("region_code", com.google.gson.JsonNull.INSTANCE);
        }
        return r;
    }

    private static JsonArray records(List<Match> matches) {
        JsonArray records = new JsonArray();
        matches.forEach(m -> records.add(record(m)));
        return records;
    }

    @TestFactory
    Stream<DynamicTest> find() throws IOException {
        return cases("find", c -> {
            JsonObject expect = c.getAsJsonObject("expect");
            FindOptions options = findOptions(c.getAsJsonObject("options"), FindOptions.builder()).build();
            byte[] bytes = Corpus.bytes(c.get("input"));
            if (expect.has("status")) {
                assertRefused(expect, () -> IdNumber.find(bytes, options));
                return;
            }
            JsonArray expected = expect.getAsJsonArray("matches");
            assertEquals(expected, records(IdNumber.find(bytes, options)), "bytes whole");
            for (int piece : PIECES) {
                assertEquals(expected, records(Scans.find(bytes, options, piece)), "bytes in pieces of " + piece);
            }
            if (asString(c, "input")) {
                String text = Corpus.text(c.get("input"));
                List<Match> whole = IdNumber.find(text, options);
                assertEquals(expected, records(whole), "a String");
                for (int piece : PIECES) {
                    assertEquals(expected, records(Scans.find(text, options, piece)), "chars in pieces of " + piece);
                }
                // The offsets index the String as Java does.
                for (Match m : whole) {
                    assertEquals(m.getCodePointOffset(), text.codePointCount(0, m.getStart()), m.toString());
                    assertEquals(m.getCodePointLength(), text.codePointCount(m.getStart(), m.getEnd()));
                }
            }
        });
    }

    private static JsonObject summary(ScanSummary s) {
        JsonObject r = new JsonObject();
        r.addProperty("matches", s.getMatches());
        JsonObject confidences = new JsonObject();
        for (Confidence confidence : Confidence.values()) {
            confidences.addProperty(confidence.word(), s.getMatches(confidence));
        }
        r.add("by_confidence", confidences);
        r.addProperty("plain", s.getPlain());
        JsonObject forms = new JsonObject();
        for (Form form : Form.values()) {
            forms.addProperty(form.word(), s.getMatches(form));
        }
        r.add("by_form", forms);
        return r;
    }

    @TestFactory
    Stream<DynamicTest> redact() throws IOException {
        return cases("redact", c -> {
            JsonObject expect = c.getAsJsonObject("expect");
            RedactOptions options = redactOptions(c.getAsJsonObject("options"));
            if (expect.has("message")) {
                assertRefused(expect, () -> IdNumber.redactor(options));
                assertRefused(expect, () -> IdNumber.redact(Corpus.bytes(c.get("input")), options));
                return;
            }
            Redactor redactor = IdNumber.redactor(options);
            if (c.has("number")) {
                String number = Corpus.text(c.get("number"));
                Optional<String> output = redactor.redactNumber(number);
                if (expect.has("status")) {
                    assertEquals("IDN_ERROR_NOT_FOUND", expect.get("status").getAsString());
                    assertEquals(Optional.empty(), output);
                } else {
                    assertEquals(Optional.of(Corpus.text(expect.get("output"))), output);
                }
                return;
            }
            byte[] bytes = Corpus.bytes(c.get("input"));
            byte[] expected = Corpus.bytes(expect.get("output"));
            JsonObject expectedSummary = expect.getAsJsonObject("summary");
            assertArrayEquals(expected, redactor.redact(bytes), "bytes whole");
            assertArrayEquals(expected, IdNumber.redact(bytes, options), "bytes whole, IdNumber.redact");
            for (int piece : PIECES) {
                ScanSummary[] summary = new ScanSummary[1];
                assertArrayEquals(expected, Scans.redact(bytes, options, piece, summary), "bytes in pieces of " + piece);
                assertEquals(expectedSummary, summary(summary[0]), "the summary of pieces of " + piece);
                ByteArrayOutputStream out = new ByteArrayOutputStream();
                RedactingOutputStream stream = new RedactingOutputStream(out, options, piece);
                for (int i = 0; i < bytes.length; i += 3) {
                    stream.write(bytes, i, Math.min(3, bytes.length - i));
                }
                stream.close();
                assertArrayEquals(expected, out.toByteArray(), "an OutputStream of pieces of " + piece);
                assertEquals(expectedSummary, summary(stream.getSummary()));
            }
            if (asString(c, "input")) {
                String text = Corpus.text(c.get("input"));
                String expectedText = new String(expected, StandardCharsets.UTF_8);
                Redacted whole = redactor.redactWithSummary(text);
                assertEquals(expectedText, whole.getText(), "a String");
                assertEquals(expectedSummary, summary(whole.getSummary()));
                assertEquals(expectedText, IdNumber.redact(text, options));
                for (int piece : PIECES) {
                    assertEquals(expectedText, Scans.redact(text, options, piece, null), "chars in pieces of " + piece);
                    StringWriter out = new StringWriter();
                    try (RedactingWriter writer = new RedactingWriter(out, options, piece)) {
                        for (int i = 0; i < text.length(); i++) {
                            writer.write(text.charAt(i));
                        }
                        writer.flush();
                    }
                    assertEquals(expectedText, out.toString(), "a Writer of pieces of " + piece);
                }
            }
        });
    }

    /** The sections this face runs: all but lines, which is idtool's reading of files. */
    @TestFactory
    Stream<DynamicTest> everySectionIsRun() throws IOException {
        return Stream.of(DynamicTest.dynamicTest("java corpus sections", () -> {
            List<String> run = new ArrayList<>();
            for (java.nio.file.Path file : java.nio.file.Files.newDirectoryStream(Corpus.folder(), "*.json")) {
                run.add(file.getFileName().toString());
            }
            run.sort(null);
            assertArrayEquals(new String[] {"age.json", "find.json", "generate.json", "history.json", "lines.json",
                "mask.json", "redact.json", "regions.json", "sex.json", "upgrade.json", "verify.json"},
                run.toArray(new String[0]),
                "a new section of the corpus needs its test here");
        }));
    }
}
