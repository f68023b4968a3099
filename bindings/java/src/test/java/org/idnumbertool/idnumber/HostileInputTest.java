package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import org.junit.jupiter.api.Test;

/**
 * Input no caller should send, which gets an exception or a verdict and
 * never crashes the JVM: null, empty text, 10 MB texts, lone surrogates
 * anywhere (at the 64-char cut above all), year limits out of range.
 */
class HostileInputTest {
    private static final int TEN_MB = 10 * 1024 * 1024;

    private static String repeat(String piece, int times) {
        StringBuilder out = new StringBuilder(piece.length() * times);
        for (int i = 0; i < times; i++) {
            out.append(piece);
        }
        return out.toString();
    }

    /** Texts with lone surrogates, and pairs placed where a text is cut at 64 chars. */
    private static List<String> surrogateTexts() {
        String number = "11010519491231002X";
        String ones = repeat("1", 63);
        return Arrays.asList("\uD800", "\uDC00", "\uDC00\uD800", number + "\uD800", "\uDBFF" + number,
            number.substring(0, 9) + "\uDFFF" + number.substring(9), "11010519491231002\uD83D",
            ones + "\uD83D\uDE00", ones + "\uD83D\uDE00" + "1", ones + "\uD83D" + "1", ones + "\uDE00\uD83D",
            repeat("1", 64) + "\uD83D\uDE00", repeat("\uD83D\uDE00", 40), repeat("\uD800", 100),
            "\uD83D\uDE00" + number);
    }

    @Test
    void loneSurrogatesAreTakenAsReplacementCharacters() {
        List<String> texts = surrogateTexts();
        Verdicts batch = IdNumber.verifyMany(texts);
        for (int i = 0; i < texts.size(); i++) {
            String text = texts.get(i);
            byte[] utf8 = Corpus.utf8(text);
            Verdict verdict = IdNumber.verify(text);
            Verdict ofBytes = IdNumber.verify(utf8);
            assertEquals(utf8.length, verdict.getLength(), text);
            assertEquals(Records.record(ofBytes), Records.record(verdict), text);
            assertEquals(verdict, batch.get(i));
            assertEquals(IdNumber.mask(utf8), IdNumber.mask(text));
        }
    }

    @Test
    void nullIsRefusedByName() {
        assertThrows(NullPointerException.class, () -> IdNumber.verify((String) null));
        assertThrows(NullPointerException.class, () -> IdNumber.verify((byte[]) null));
        assertThrows(NullPointerException.class, () -> IdNumber.isValid(null));
        assertThrows(NullPointerException.class, () -> IdNumber.verifyMany((String[]) null));
        assertThrows(NullPointerException.class, () -> IdNumber.verifyMany((List<String>) null));
        NullPointerException e = assertThrows(NullPointerException.class,
            () -> IdNumber.verifyMany(Arrays.asList("11010519491231002X", "1", null)));
        assertTrue(e.getMessage().contains("index 2"), e.getMessage());
        assertThrows(NullPointerException.class, () -> IdNumber.mask((String) null));
        assertThrows(NullPointerException.class, () -> IdNumber.upgrade(null));
        assertThrows(NullPointerException.class, () -> IdNumber.regions(null));
        assertThrows(NullPointerException.class, () -> IdNumber.resolveRegion(null));
        assertThrows(NullPointerException.class, () -> IdNumber.parseSex(null));
        assertThrows(NullPointerException.class, () -> IdNumber.generate(null));
        assertThrows(NullPointerException.class, () -> GenerateOptions.builder().sex((String) null));
        assertThrows(NullPointerException.class, () -> IdNumber.verify("11010519491231002X").getAge(null));
        // Options not given are the library's defaults; a null region is no region.
        IdNumberException noRegion = assertThrows(IdNumberException.class,
            () -> IdNumber.generate(GenerateOptions.builder().region((String) null).birth("19900101").build()));
        assertEquals("IDN_ERROR_NO_REGION", noRegion.getCode());
    }

    @Test
    void everySqlFunctionTakesAnyTextAndNull() throws Exception {
        List<String> texts = new ArrayList<>(surrogateTexts());
        texts.addAll(Arrays.asList(null, "", "\u0000", repeat("1", TEN_MB), "11010519491231002X", "110105491231002",
            "\uFEFF", "２０２４-０１-０１"));
        for (Method method : SqlFunctions.class.getDeclaredMethods()) {
            if (!Modifier.isPublic(method.getModifiers())) {
                continue;
            }
            for (String text : texts) {
                Object[] arguments = new Object[method.getParameterCount()];
                Arrays.fill(arguments, text);
                method.invoke(null, arguments);  // no exception, whatever the text
            }
        }
        assertNull(SqlFunctions.valid(null));
        assertEquals(Boolean.FALSE, SqlFunctions.valid(repeat("1", TEN_MB)));
        assertNull(SqlFunctions.age("11010519491231002X", "not a date"));
        assertNull(SqlFunctions.upgrade("11010519491231002X"));
    }

    @Test
    void tenMegabyteTextsAreJudgedByTheirFirstBytes() {
        String ascii = repeat("1", TEN_MB);
        String chinese = repeat("中", TEN_MB / 3);
        String numberFirst = "11010519491231002X" + repeat(" ", TEN_MB);
        String emojiAtCut = repeat("1", 63) + repeat("\uD83D\uDE00", TEN_MB / 4);
        List<String> texts = Arrays.asList(ascii, chinese, numberFirst, emojiAtCut);
        Verdicts batch = IdNumber.verifyMany(texts);
        for (int i = 0; i < texts.size(); i++) {
            String text = texts.get(i);
            Verdict verdict = IdNumber.verify(text);
            assertFalse(verdict.isValid());
            assertEquals(Reason.LENGTH, verdict.getReason().get());
            assertEquals(Corpus.utf8(text).length, verdict.getLength());
            assertTrue(verdict.getMessage().get().contains(String.valueOf(verdict.getLength())),
                       verdict.getMessage().get());
            assertEquals(verdict, batch.get(i));
            assertEquals(Records.record(IdNumber.verify(Corpus.utf8(text))), Records.record(verdict));
            assertFalse(IdNumber.isValid(text));
            assertTrue(verdict.toString().length() < 400, "toString shows the start of a long text");
        }
        assertEquals(Reason.LENGTH, batch.getReason(0).get());

        String masked = IdNumber.mask(ascii);
        assertEquals(ascii.length(), masked.length());
        assertTrue(masked.startsWith("111111*") && masked.endsWith("*1111"));
        assertEquals("IDN_ERROR_NOT_FIFTEEN_DIGITS",
                     assertThrows(IdNumberException.class, () -> IdNumber.upgrade(ascii)).getCode());
        IdNumberException sex = assertThrows(IdNumberException.class, () -> IdNumber.parseSex(chinese));
        assertEquals("IDN_ERROR_BAD_SEX", sex.getCode());
        assertTrue(sex.getMessage().length() < 1024, "the value is echoed cut short");
        assertTrue(IdNumber.regions(ascii).isEmpty());
        assertEquals("IDN_ERROR_REGION_INVALID_TEXT",
                     assertThrows(IdNumberException.class, () -> IdNumber.resolveRegion(chinese)).getCode());
        IdNumberException birth = assertThrows(IdNumberException.class,
            () -> IdNumber.generate(GenerateOptions.builder().region("110105").birth(ascii).build()));
        assertEquals("IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS", birth.getCode());
        assertTrue(birth.getMessage().length() < 1024);
    }

    @Test
    void emptyTextsGetVerdicts() {
        Verdict empty = IdNumber.verify("");
        assertEquals(Reason.LENGTH, empty.getReason().get());
        assertEquals(0, empty.getLength());
        assertEquals(empty, IdNumber.verify(new byte[0]));
        assertEquals(0, IdNumber.verifyMany(new String[0]).size());
        assertEquals(0, IdNumber.verifyMany(new String[0]).getValidCount());
        assertEquals(empty, IdNumber.verifyMany(new String[] {""}).get(0));
        assertEquals("", IdNumber.mask(""));
        assertEquals("IDN_ERROR_NOT_FIFTEEN_DIGITS",
                     assertThrows(IdNumberException.class, () -> IdNumber.upgrade("")).getCode());
        assertEquals("IDN_ERROR_BAD_SEX", assertThrows(IdNumberException.class, () -> IdNumber.parseSex("")).getCode());
        assertEquals(IdNumber.regions("").size(), IdNumber.regions("").size());
        assertTrue(IdNumber.regions("").size() > 3000);
    }

    @Test
    void yearLimitsOutOfRangeAreRefusedInTheLibrarysWords() {
        for (int yearLimit : new int[] {-1, 10000, Integer.MIN_VALUE, Integer.MAX_VALUE}) {
            IdNumberException e = assertThrows(IdNumberException.class,
                () -> IdNumber.verify("11010519491231002X", yearLimit));
            assertEquals("IDN_ERROR_YEAR_LIMIT", e.getCode());
            assertEquals("yearLimit", e.getOption().get());
            assertTrue(e.getMessage().startsWith("yearLimit: ") && e.getMessage().endsWith(" " + yearLimit),
                       e.getMessage());
            assertThrows(IdNumberException.class, () -> IdNumber.isValid("1", yearLimit));
            assertThrows(IdNumberException.class, () -> IdNumber.verifyMany(new String[] {"1"}, yearLimit));
            assertThrows(IdNumberException.class, () -> IdNumber.verify(new byte[] {'1'}, yearLimit));
        }
        // The limit decides: a number born in 2020 is valid up to 2020 and refused for its date below it.
        assertTrue(IdNumber.isValid("110105202001010023", 2020));
        assertEquals(Reason.DATE, IdNumber.verify("110105202001010023", 2019).getReason().get());
        assertEquals(Reason.DATE, IdNumber.verifyMany(new String[] {"110105202001010023"}, 2019).getReason(0).get());
    }

    @Test
    void bytesThatAreNoUtf8AreCharactersNoNumberHas() {
        byte[] gbk = {(byte) 0xB1, (byte) 0xB1, (byte) 0xBE, (byte) 0xA9};
        Verdict verdict = IdNumber.verify(gbk);
        assertEquals(Reason.LENGTH, verdict.getReason().get());
        assertEquals("\uFFFD\uFFFD\uFFFD\uFFFD", verdict.getInput());
        byte[] eighteen = "X1010519491231002X".getBytes(java.nio.charset.StandardCharsets.US_ASCII);
        eighteen[0] = (byte) 0xFF;
        assertEquals(Reason.CHARACTERS, IdNumber.verify(eighteen).getReason().get());
        byte[] nul = "11010519491231002\u0000".getBytes(java.nio.charset.StandardCharsets.US_ASCII);
        assertEquals(Reason.CHARACTERS, IdNumber.verify(nul).getReason().get());
    }

    /**
     * A text of any length crosses into native memory, and a mask of any
     * length comes back, in views of a ByteBuffer's size (2 GiB of UTF-8 and
     * more): the same bytes and text in views of a few bytes, cut wherever a
     * pair, a lone surrogate or a character of 2, 3 or 4 bytes falls.
     */
    @Test
    void textsCrossInViewsOfAnySize() {
        List<String> texts = new ArrayList<>(surrogateTexts());
        texts.add("a\u00e9\u4e2d\uD83D\uDE00b\u00e9\u00e9\u4e2d\u4e2d\uD83D\uDE00\uD83D\uDE00\uDE00\uD800");
        texts.add("");
        for (String text : texts) {
            byte[] expected = Corpus.utf8(text);
            for (int window : new int[] {1, 2, 3, 5, 7, NativeBuffer.WINDOW_CHARS}) {
                try (NativeBuffer memory = NativeBuffer.ofUtf8(text, window)) {
                    byte[] written = new byte[expected.length];
                    memory.bytes(0, written.length).get(written);
                    assertEquals(Arrays.toString(expected), Arrays.toString(written), text + " in views of " + window);
                    for (int bytes : new int[] {4, 5, 6, 9, NativeBuffer.WINDOW_BYTES}) {
                        assertEquals(new String(expected, java.nio.charset.StandardCharsets.UTF_8),
                                     memory.utf8(expected.length, bytes), text + " read in views of " + bytes);
                    }
                }
            }
        }
    }
}
