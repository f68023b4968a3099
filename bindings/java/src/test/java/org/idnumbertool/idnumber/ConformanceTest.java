package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.Assumptions.abort;

import com.google.gson.JsonArray;
import com.google.gson.JsonElement;
import com.google.gson.JsonObject;
import java.io.IOException;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Optional;
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
 * names.
 */
class ConformanceTest {
    /** The neutral names of the options in the corpus's messages, and the Java API's. */
    private static final Map<String, String> JAVA_NAMES = new LinkedHashMap<>();

    static {
        JAVA_NAMES.put("born_from", "bornFrom");
        JAVA_NAMES.put("born_to", "bornTo");
        JAVA_NAMES.put("as_of_year", "asOfYear");
        JAVA_NAMES.put("year_limit", "yearLimit");
    }

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

    /** The sections this face runs: all but lines, which is idtool's reading of files. */
    @TestFactory
    Stream<DynamicTest> everySectionIsRun() throws IOException {
        return Stream.of(DynamicTest.dynamicTest("java corpus sections", () -> {
            List<String> run = new ArrayList<>();
            for (java.nio.file.Path file : java.nio.file.Files.newDirectoryStream(Corpus.folder(), "*.json")) {
                run.add(file.getFileName().toString());
            }
            run.sort(null);
            assertArrayEquals(new String[] {"generate.json", "history.json", "lines.json", "mask.json", "regions.json",
                "sex.json", "upgrade.json", "verify.json"}, run.toArray(new String[0]),
                "a new section of the corpus needs its test here");
        }));
    }
}
